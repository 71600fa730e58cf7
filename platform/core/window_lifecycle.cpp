// Creating, showing and destroying windows.
#include <algorithm>

#include "window_records.h"

namespace {

// The frame and caption allowance of a captioned, fixed-border window: the
// outer size given to CreateWindowExA includes it, the client area does not.
constexpr int kFixedFrame = 3;
constexpr int kCaptionHeight = 19;

ControlKind KindOf(const WindowClassRecord& windowClass, DWORD style) {
    if (!windowClass.system) return ControlKind::NotAControl;
    if (windowClass.procedure == EditProcedure) return ControlKind::Edit;
    if (windowClass.procedure == ListBoxProcedure) return ControlKind::ListBox;
    switch (style & BS_TYPEMASK) {
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return ControlKind::RadioButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return ControlKind::CheckBox;
    case BS_GROUPBOX:
        return ControlKind::GroupBox;
    default:
        return ControlKind::PushButton;
    }
}

void ClientSizeOf(PlatformWindow& window, int outerWidth, int outerHeight) {
    int width = outerWidth;
    int height = outerHeight;
    if ((window.style & WS_CHILD) == 0) {
        if ((window.style & WS_CAPTION) == WS_CAPTION) height -= kCaptionHeight;
        if ((window.style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0) {
            width -= 2 * kFixedFrame;
            height -= 2 * kFixedFrame;
        }
    }
    window.width = std::max(width, 0);
    window.height = std::max(height, 0);
}

void ForgetWindow(PlatformWindow* window) {
    WindowSystemState& state = WindowSystem();
    if (state.focus == window) state.focus = nullptr;
    if (state.active == window) state.active = nullptr;
    state.liveWindows.erase(window);
    // Messages posted to it are dropped rather than dispatched to nothing.
    auto& queue = state.postedMessages;
    queue.erase(std::remove_if(queue.begin(), queue.end(),
                               [window](const MSG& message) { return message.hwnd == window; }),
                queue.end());
    auto& input = state.inputMessages;
    input.erase(std::remove_if(input.begin(), input.end(),
                               [window](const WindowSystemState::InputMessage& entry) {
                                   return entry.message.hwnd == window;
                               }),
                input.end());
}

}  // namespace

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                            LPVOID param) {
    const WindowClassRecord* windowClass = FindWindowClass(className);
    if (windowClass == nullptr) return nullptr;
    PlatformWindow* parentRecord = LiveWindow(parent);
    if ((style & WS_CHILD) != 0 && parentRecord == nullptr) return nullptr;

    auto* window = new PlatformWindow;
    window->windowClass = windowClass;
    window->procedure = windowClass->procedure;
    window->style = style;
    window->exStyle = exStyle;
    window->text = windowName != nullptr ? windowName : "";
    window->kind = KindOf(*windowClass, style);
    if ((style & WS_CHILD) != 0) {
        window->parent = parentRecord;
        // For a child, the menu argument is its identifier.
        window->id = static_cast<int>(reinterpret_cast<INT_PTR>(menu));
        window->x = x;
        window->y = y;
        parentRecord->children.push_back(window);
    } else {
        // CW_USEDEFAULT leaves the position to the desktop.
        window->x = x == CW_USEDEFAULT ? CW_USEDEFAULT : x;
        window->y = x == CW_USEDEFAULT ? CW_USEDEFAULT : y;
    }
    ClientSizeOf(*window, width == CW_USEDEFAULT ? 0 : width, width == CW_USEDEFAULT ? 0 : height);
    window->visible = (style & WS_VISIBLE) != 0;
    window->paintContext.window = window;
    WindowSystem().liveWindows.insert(window);
    Backend().CreateWidget(window);

    CREATESTRUCTA create{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style),
                         windowName, className, exStyle};
    const LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (!SendMessageA(window, WM_NCCREATE, 0, createParam) ||
        SendMessageA(window, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    return LiveWindow(window);
}

BOOL WINAPI DestroyWindow(HWND handle) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr || window->destroying) return FALSE;
    window->destroying = true;
    if (window->parent == nullptr) ShowWindow(window, SW_HIDE);

    // The window hears of its end before its children do.
    SendMessageA(window, WM_DESTROY, 0, 0);
    while (!window->children.empty()) {
        PlatformWindow* child = window->children.back();
        if (!DestroyWindow(child)) break;
    }
    SendMessageA(window, WM_NCDESTROY, 0, 0);

    Backend().DestroyWidget(window);
    if (window->parent != nullptr) {
        auto& siblings = window->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
        Backend().Invalidate(window->parent);
    }
    ForgetWindow(window);
    delete window;
    return TRUE;
}

BOOL WINAPI IsWindow(HWND window) { return LiveWindow(window) != nullptr; }

BOOL WINAPI IsWindowVisible(HWND handle) {
    for (PlatformWindow* window = LiveWindow(handle); window != nullptr; window = window->parent) {
        if (!window->visible) return FALSE;
    }
    return LiveWindow(handle) != nullptr;
}

BOOL WINAPI IsWindowEnabled(HWND handle) {
    PlatformWindow* window = LiveWindow(handle);
    return window != nullptr && (window->style & WS_DISABLED) == 0;
}

BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr) return FALSE;
    const BOOL wasDisabled = (window->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        window->style |= WS_DISABLED;
        if (WindowSystem().focus == window) SetFocus(nullptr);
    }
    Backend().EnabledChanged(window);
    SendMessageA(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI ShowWindow(HWND handle, int command) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr) return FALSE;
    const BOOL wasVisible = window->visible ? TRUE : FALSE;
    window->visible = command != SW_HIDE;
    if (window->visible) {
        window->style |= WS_VISIBLE;
    } else {
        window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
    Backend().ShowWidget(window, command);
    const bool activates = command != SW_HIDE && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                           command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE;
    if (window->parent == nullptr && activates) OnWindowActivated(window);
    if (window->parent == nullptr && !window->visible) OnWindowDeactivated(window);
    return wasVisible;
}

BOOL WINAPI UpdateWindow(HWND handle) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr) return FALSE;
    if (window->visible) Backend().PaintNow(window);
    return TRUE;
}

BOOL WINAPI InvalidateRect(HWND handle, const RECT*, BOOL) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr) return FALSE;
    Backend().Invalidate(window);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND handle, RECT* rect) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = RECT{0, 0, window->width, window->height};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND handle, RECT* rect) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    const int x = window->x == CW_USEDEFAULT ? 0 : window->x;
    const int y = window->y == CW_USEDEFAULT ? 0 : window->y;
    *rect = RECT{x, y, x + window->width, y + window->height};
    return TRUE;
}

HWND WINAPI GetParent(HWND handle) {
    PlatformWindow* window = LiveWindow(handle);
    return window != nullptr ? window->parent : nullptr;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    PlatformWindow* window = LiveWindow(dialog);
    if (window == nullptr) return nullptr;
    for (PlatformWindow* child : window->children) {
        if (child->id == id) return child;
    }
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND handle) {
    PlatformWindow* window = LiveWindow(handle);
    return window != nullptr && window->parent != nullptr ? window->id : 0;
}

LONG WINAPI GetWindowLongA(HWND handle, int index) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr) return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(window->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(window->exStyle);
    case GWL_ID:
        return window->id;
    default:
        return 0;
    }
}

int WINAPI GetClassNameA(HWND handle, LPSTR buffer, int size) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr || buffer == nullptr || size <= 0) return 0;
    const std::string& name = window->windowClass->name;
    const int length = std::min(static_cast<int>(name.size()), size - 1);
    name.copy(buffer, static_cast<std::size_t>(length));
    buffer[length] = '\0';
    return length;
}
