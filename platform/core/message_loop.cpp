// The thread's message queue: sent messages call the procedure at once,
// posted ones wait in the queue for GetMessageA and DispatchMessageA, and
// keyboard and wheel input waits behind them.
#include <chrono>

#include "window_records.h"

namespace {

DWORD TickCount() {
    using namespace std::chrono;
    return static_cast<DWORD>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool MatchesFilter(const MSG& message, HWND window, UINT filterMin, UINT filterMax) {
    if (window != nullptr && message.hwnd != window) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return message.message >= filterMin && message.message <= filterMax;
}

bool SameMessage(const MSG& a, const MSG& b) {
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam &&
           a.time == b.time;
}

bool IsKeyPress(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }

// The first message that passes the filter, in the order GetMessageA reads
// them: posted messages, then the quit message, then input.
bool TakeMessage(MSG* message, HWND window, UINT filterMin, UINT filterMax, bool remove) {
    WindowSystemState& state = WindowSystem();
    auto& posted = state.postedMessages;
    for (auto it = posted.begin(); it != posted.end(); ++it) {
        if (!MatchesFilter(*it, window, filterMin, filterMax)) continue;
        *message = *it;
        if (remove) posted.erase(it);
        return true;
    }
    if (state.quitPosted) {
        if (remove) state.quitPosted = false;
        *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(state.quitCode), 0, TickCount(), {0, 0}};
        return true;
    }
    auto& input = state.inputMessages;
    for (auto it = input.begin(); it != input.end(); ++it) {
        if (!MatchesFilter(it->message, window, filterMin, filterMax)) continue;
        *message = it->message;
        if (remove) {
            // The key state follows the messages as they are read.
            state.keyModifiers = it->modifiers;
            if (IsKeyPress(it->message.message)) state.lastKeyDown = *it;
            input.erase(it);
        }
        return true;
    }
    return false;
}

}  // namespace

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

LRESULT WINAPI SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr) return 0;
    return window->procedure(window, message, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && LiveWindow(window) == nullptr) return FALSE;
    WindowSystem().postedMessages.push_back(MSG{window, message, wParam, lParam, TickCount(), {0, 0}});
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    // The quit message is not queued: it is returned once nothing is posted.
    WindowSystemState& state = WindowSystem();
    state.quitPosted = true;
    state.quitCode = exitCode;
}

BOOL WINAPI GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
    if (message == nullptr) return -1;
    WindowSystemState& state = WindowSystem();
    for (;;) {
        if (TakeMessage(message, window, filterMin, filterMax, true)) return message->message == WM_QUIT ? FALSE : TRUE;
        if (!state.backend->WaitForEvents()) return -1;
    }
}

BOOL WINAPI PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
    if (message == nullptr) return FALSE;
    return TakeMessage(message, window, filterMin, filterMax, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL WINAPI TranslateMessage(const MSG* message) {
    if (message == nullptr || !IsKeyMessage(message->message)) return FALSE;
    WindowSystemState& state = WindowSystem();
    WindowSystemState::InputMessage& press = state.lastKeyDown;
    if (IsKeyPress(message->message) && press.character != 0 && SameMessage(press.message, *message)) {
        const UINT charMessage = message->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
        const auto code = static_cast<WPARAM>(static_cast<unsigned char>(press.character));
        state.postedMessages.push_back(MSG{message->hwnd, charMessage, code, message->lParam, message->time, {0, 0}});
        press = WindowSystemState::InputMessage{};
    }
    return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    if (message == nullptr) return 0;
    return SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

SHORT WINAPI GetKeyState(int virtualKey) {
    const BYTE held = WindowSystem().keyModifiers;
    BYTE bit = 0;
    switch (virtualKey) {
    case VK_SHIFT:
        bit = kShiftHeld;
        break;
    case VK_CONTROL:
        bit = kControlHeld;
        break;
    case VK_MENU:
        bit = kAltHeld;
        break;
    default:
        return 0;
    }
    // The high bit set means the key is down.
    return (held & bit) != 0 ? static_cast<SHORT>(0x8000) : 0;
}

void OnUserKey(const KeyEvent& key) {
    WindowSystemState& state = WindowSystem();
    const bool alt = (key.modifiers & kAltHeld) != 0;
    // With the Alt key held, and for F10, the system's variants; with no
    // window focused, those go to the active window.
    bool system = alt || key.virtualKey == VK_F10 || key.virtualKey == VK_MENU;
    HWND target = state.focus;
    if (LiveWindow(target) == nullptr) {
        target = state.active;
        system = true;
    }
    if (LiveWindow(target) == nullptr) return;
    const UINT message = key.pressed ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    DWORD flags = 1;  // repeat count
    if (alt) flags |= static_cast<DWORD>(KF_ALTDOWN) << 16;
    if (key.repeat || !key.pressed) flags |= static_cast<DWORD>(KF_REPEAT) << 16;
    if (!key.pressed) flags |= static_cast<DWORD>(KF_UP) << 16;
    const MSG posted{target, message, key.virtualKey, static_cast<LPARAM>(static_cast<LONG>(flags)), TickCount(), {0, 0}};
    state.inputMessages.push_back({posted, key.modifiers, key.pressed ? key.character : '\0'});
}

void OnUserTurnedWheel(int delta) {
    // The wheel speaks to the focus window; DefWindowProcA passes it on to
    // the parents.
    WindowSystemState& state = WindowSystem();
    HWND target = LiveWindow(state.focus) != nullptr ? state.focus : state.active;
    if (LiveWindow(target) == nullptr) return;
    const MSG posted{target, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))), 0,
                     TickCount(), {0, 0}};
    state.inputMessages.push_back({posted, state.keyModifiers, '\0'});
}

void DispatchPostedMessages() {
    MSG message;
    while (TakeMessage(&message, nullptr, 0, 0, true)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // left for the program's own loop
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
