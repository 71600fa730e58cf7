// The program's entry: register the class, open the window, run the loop.
#include <windows.h>

#include "main_window.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow) {
    g_hInstance = hInstance;
    if (RegisterMainWindowClass(hInstance) == 0) return 0;
    HWND hwnd = CreateMainWindow(hInstance);
    // Without a window no message could ever end the loop.
    if (hwnd == nullptr) return 0;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);

    MSG msg{};
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return got == 0 ? static_cast<int>(msg.wParam) : 0;
}
