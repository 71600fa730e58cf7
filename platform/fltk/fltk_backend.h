#ifndef PELVORO_PLATFORM_FLTK_FLTK_BACKEND_H
#define PELVORO_PLATFORM_FLTK_FLTK_BACKEND_H

#include "window_backend.h"

// Puts the window records on screen with FLTK 1.3 widgets.
class FltkBackend : public WindowBackend {
public:
    // The program's name is what the window manager knows its windows by;
    // without one, the window class's name stands in.
    explicit FltkBackend(const char* programName = nullptr);
    ~FltkBackend() override;

    void CreateWidget(HWND window) override;
    void DestroyWidget(HWND window) override;
    void ShowWidget(HWND window, int command) override;
    void PaintNow(HWND window) override;
    void Invalidate(HWND window) override;
    void TextChanged(HWND window) override;
    void SelectionChanged(HWND window) override;
    void ListChanged(HWND window) override;
    void CheckChanged(HWND window) override;
    void EnabledChanged(HWND window) override;
    void FocusChanged(HWND window) override;
    void FillBackground(HDC dc, COLORREF color) override;
    void DrawText(HDC dc, int x, int y, const char* text, int length) override;
    int ListItemHeight(HWND list) override;
    UINT TrackPopupMenu(HWND owner, const std::vector<PopupMenuItem>& items, int x, int y) override;
    void SetClipboardText(const std::string& text) override;
    bool ClipboardHasText() override;
    void RequestClipboardText(HWND edit) override;
    int RunMessageBox(HWND owner, const char* text, const char* caption, UINT type) override;
    bool WaitForEvents() override;

private:
    const char* programName_;
};

#endif
