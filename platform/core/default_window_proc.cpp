// DefWindowProcA, keyboard focus and activation, and what a toolkit reports
// about top-level windows.
#include <algorithm>
#include <cstring>

#include "window_records.h"

namespace {

// Class brushes are given as a system colour index plus one.
bool SystemColorBrush(HBRUSH brush, int* colorIndex) {
    const auto value = reinterpret_cast<UINT_PTR>(brush);
    if (value == 0 || value > 31) return false;
    *colorIndex = static_cast<int>(value) - 1;
    return true;
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr) return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+F4 asks the top-level window to close, as its close box does.
        if (wParam == VK_F4 && (HIWORD(lParam) & KF_ALTDOWN) != 0) {
            SendMessageA(TopLevelOf(window), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        // What a child does not use goes on to its parent.
        return window->parent != nullptr ? SendMessageA(window->parent, message, wParam, lParam) : 0;
    case WM_SETTEXT:
        window->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
        Backend().TextChanged(window);
        return TRUE;
    case WM_GETTEXT: {
        if (wParam == 0 || lParam == 0) return 0;
        auto* buffer = reinterpret_cast<char*>(lParam);
        const std::size_t length = std::min(window->text.size(), static_cast<std::size_t>(wParam) - 1);
        std::memcpy(buffer, window->text.data(), length);
        buffer[length] = '\0';
        return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_ACTIVATE:
        // An activated window that is not minimised takes the keyboard focus.
        if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) SetFocus(window);
        return 0;
    case WM_ERASEBKGND: {
        int colorIndex = 0;
        if (!SystemColorBrush(window->windowClass->background, &colorIndex)) return 0;
        Backend().FillBackground(reinterpret_cast<HDC>(wParam), GetSysColor(colorIndex));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return 0;
    }
}

HWND WINAPI SetFocus(HWND handle) {
    WindowSystemState& state = WindowSystem();
    PlatformWindow* window = LiveWindow(handle);
    if (handle != nullptr && (window == nullptr || (window->style & WS_DISABLED) != 0)) return nullptr;
    HWND previous = state.focus;
    if (window == previous) return previous;
    state.focus = window;
    if (LiveWindow(previous) != nullptr) SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window != nullptr && state.focus == window) {
        Backend().FocusChanged(window);
        SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND WINAPI GetFocus() { return WindowSystem().focus; }

HWND WINAPI GetActiveWindow() { return WindowSystem().active; }

void OnWindowActivated(HWND handle) {
    WindowSystemState& state = WindowSystem();
    PlatformWindow* window = TopLevelOf(LiveWindow(handle));
    if (window == nullptr || state.active == window || (window->style & WS_DISABLED) != 0) return;
    HWND previous = state.active;
    if (LiveWindow(previous) != nullptr) OnWindowDeactivated(previous);
    state.active = window;
    SendMessageA(window, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), reinterpret_cast<LPARAM>(previous));
}

void OnWindowDeactivated(HWND handle) {
    WindowSystemState& state = WindowSystem();
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr || state.active != window) return;
    state.active = nullptr;
    SendMessageA(window, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    if (TopLevelOf(LiveWindow(state.focus)) == window) SetFocus(nullptr);
}

void OnUserPressedControl(HWND control) {
    PlatformWindow* window = LiveWindow(control);
    if (window == nullptr) return;
    // A press activates the window first (which focuses it through
    // WM_ACTIVATE), then the control takes the focus; a group box takes none.
    OnWindowActivated(TopLevelOf(window));
    if (LiveWindow(control) != nullptr && window->kind != ControlKind::GroupBox &&
        window->kind != ControlKind::NotAControl) {
        SetFocus(window);
    }
}

void OnUserOpenedContextMenu(HWND control, int screenX, int screenY) {
    if (LiveWindow(control) == nullptr) return;
    SendMessageA(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control),
                 MAKELONG(static_cast<WORD>(static_cast<SHORT>(screenX)), static_cast<WORD>(static_cast<SHORT>(screenY))));
}

void OnCloseRequested(HWND handle) {
    PlatformWindow* window = LiveWindow(handle);
    // A window disabled by a modal box ignores its close box too.
    if (window == nullptr || (window->style & WS_DISABLED) != 0) return;
    SendMessageA(window, WM_CLOSE, 0, 0);
}

void OnPaintRequested(HWND window) {
    if (LiveWindow(window) != nullptr) SendMessageA(window, WM_PAINT, 0, 0);
}
