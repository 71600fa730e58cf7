// The thread's message queue: sent messages call the procedure at once,
// posted ones wait in the queue for GetMessageA and DispatchMessageA.
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

}  // namespace

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
    // The quit message is not queued: it is returned once nothing else is.
    WindowSystemState& state = WindowSystem();
    state.quitPosted = true;
    state.quitCode = exitCode;
}

BOOL WINAPI GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
    if (message == nullptr) return -1;
    WindowSystemState& state = WindowSystem();
    for (;;) {
        auto& queue = state.postedMessages;
        for (auto it = queue.begin(); it != queue.end(); ++it) {
            if (MatchesFilter(*it, window, filterMin, filterMax)) {
                *message = *it;
                queue.erase(it);
                return message->message == WM_QUIT ? FALSE : TRUE;
            }
        }
        if (state.quitPosted) {
            state.quitPosted = false;
            *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(state.quitCode), 0, TickCount(), {0, 0}};
            return FALSE;
        }
        if (!state.backend->WaitForEvents()) return -1;
    }
}

BOOL WINAPI TranslateMessage(const MSG*) {
    // Keys reach the controls through the toolkit, already as characters.
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    if (message == nullptr) return 0;
    return SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

void DispatchPostedMessages() {
    auto& queue = WindowSystem().postedMessages;
    while (!queue.empty()) {
        const MSG message = queue.front();
        queue.pop_front();
        DispatchMessageA(&message);
    }
}
