// MessageBoxA: modal to its owner, which is disabled while the box is open
// and activated again when it closes.
#include "window_records.h"
#include "window_system_testing.h"

namespace {

std::function<int(const MessageBoxCall&)> g_messageBoxHandler;

}  // namespace

void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler) {
    g_messageBoxHandler = std::move(handler);
}

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    PlatformWindow* ownerWindow = TopLevelOf(LiveWindow(owner));
    if (text == nullptr) text = "";
    if (caption == nullptr) caption = "Error";

    const bool ownerWasEnabled = ownerWindow != nullptr && IsWindowEnabled(ownerWindow);
    if (ownerWasEnabled) {
        OnWindowDeactivated(ownerWindow);
        EnableWindow(ownerWindow, FALSE);
    }
    const int answer =
        g_messageBoxHandler
            ? g_messageBoxHandler(MessageBoxCall{owner, text, caption, type,
                                                 ownerWindow != nullptr && IsWindowEnabled(ownerWindow)})
            : Backend().RunMessageBox(owner, text, caption, type);
    if (ownerWasEnabled && LiveWindow(ownerWindow) != nullptr) {
        EnableWindow(ownerWindow, TRUE);
        OnWindowActivated(ownerWindow);
    }
    return answer;
}
