// BeginPaint/EndPaint, system colours and GDI text output.
#include "window_records.h"

namespace {

constexpr COLORREF kInvalidColor = 0xFFFFFFFF;

PlatformDeviceContext* PaintingContext(HDC dc) {
    if (dc == nullptr || LiveWindow(dc->window) == nullptr || !dc->painting) return nullptr;
    return dc;
}

}  // namespace

DWORD WINAPI GetSysColor(int index) {
    switch (index) {
    case COLOR_BTNFACE:
        return RGB(240, 240, 240);
    case COLOR_WINDOW:
        return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT:
        return RGB(0, 0, 0);
    default:
        return 0;
    }
}

HDC WINAPI BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr || paint == nullptr) return nullptr;
    PlatformDeviceContext* dc = &window->paintContext;
    // Each painting pass starts from the default attributes.
    *dc = PlatformDeviceContext{};
    dc->window = window;
    dc->painting = true;
    const LRESULT erased = SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->fErase = erased == 0;
    paint->rcPaint = RECT{0, 0, window->width, window->height};
    return dc;
}

BOOL WINAPI EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    PlatformWindow* window = LiveWindow(handle);
    if (window == nullptr || paint == nullptr || paint->hdc != &window->paintContext) return FALSE;
    window->paintContext.painting = false;
    return TRUE;
}

COLORREF WINAPI SetBkColor(HDC dc, COLORREF color) {
    PlatformDeviceContext* context = PaintingContext(dc);
    if (context == nullptr) return kInvalidColor;
    const COLORREF previous = context->backgroundColor;
    context->backgroundColor = color;
    return previous;
}

COLORREF WINAPI GetBkColor(HDC dc) {
    PlatformDeviceContext* context = PaintingContext(dc);
    return context != nullptr ? context->backgroundColor : kInvalidColor;
}

BOOL WINAPI TextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
    PlatformDeviceContext* context = PaintingContext(dc);
    if (context == nullptr || text == nullptr || length < 0) return FALSE;
    Backend().DrawText(context, x, y, text, length);
    return TRUE;
}
