// Window text and the dialog-item helpers, which go through WM_GETTEXT and
// WM_SETTEXT as on Windows so that control procedures see every change.
#include "window_records.h"

int WINAPI GetWindowTextA(HWND window, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    if (LiveWindow(window) == nullptr) return 0;
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(buffer)));
}

int WINAPI GetWindowTextLengthA(HWND window) {
    return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    if (LiveWindow(window) == nullptr) return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
    HWND item = GetDlgItem(dialog, id);
    if (item == nullptr) {
        if (buffer != nullptr && size > 0) buffer[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(item, buffer, size));
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND item = GetDlgItem(dialog, id);
    return item != nullptr && SetWindowTextA(item, text);
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item != nullptr ? SendMessageA(item, message, wParam, lParam) : 0;
}
