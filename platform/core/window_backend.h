#ifndef PELVORO_PLATFORM_CORE_WINDOW_BACKEND_H
#define PELVORO_PLATFORM_CORE_WINDOW_BACKEND_H

#include <windows.h>

#include <string>
#include <vector>

// One entry of a popup menu: a text with '&' before its underlined letter,
// or a separator.
struct PopupMenuItem {
    const char* text;  // null for a separator
    UINT id;
    bool enabled;
};

// What the window bookkeeping asks of a widget toolkit. The core keeps every
// piece of state (texts, list entries, selection, checks, focus); a backend
// only mirrors it on screen and reports what the user does.
class WindowBackend {
public:
    virtual ~WindowBackend() = default;

    // A window record is complete; make its widget (for a child, inside the
    // parent's). Called before WM_CREATE so children can be added in it.
    virtual void CreateWidget(HWND window) = 0;
    virtual void DestroyWidget(HWND window) = 0;
    virtual void ShowWidget(HWND window, int command) = 0;
    virtual void PaintNow(HWND window) = 0;
    virtual void Invalidate(HWND window) = 0;

    virtual void TextChanged(HWND window) = 0;
    virtual void SelectionChanged(HWND edit) = 0;
    virtual void ListChanged(HWND window) = 0;
    virtual void CheckChanged(HWND window) = 0;
    virtual void EnabledChanged(HWND window) = 0;
    virtual void FocusChanged(HWND window) = 0;

    // The height of one list box entry in the default font.
    virtual int ListItemHeight(HWND list) = 0;

    // Shows a popup menu at a screen position until the user picks an entry
    // or dismisses it; returns the picked entry's id, 0 for none.
    virtual UINT TrackPopupMenu(HWND owner, const std::vector<PopupMenuItem>& items, int x, int y) = 0;

    // The clipboard. Its text may come from another program, so it arrives
    // later, through OnClipboardTextArrived.
    virtual void SetClipboardText(const std::string& text) = 0;
    virtual bool ClipboardHasText() = 0;
    virtual void RequestClipboardText(HWND edit) = 0;

    // Drawing during WM_PAINT, in client coordinates.
    virtual void FillBackground(HDC dc, COLORREF color) = 0;
    virtual void DrawText(HDC dc, int x, int y, const char* text, int length) = 0;

    // A modal box with the caption as its title, the text laid out with its
    // line breaks and tabs, and one OK button; returns IDOK when it closes.
    virtual int RunMessageBox(HWND owner, const char* text, const char* caption, UINT type) = 0;

    // Blocks until the user or the system does something. Returns false when
    // nothing can ever arrive (no display), so that GetMessageA cannot hang.
    virtual bool WaitForEvents() = 0;
};

// Draws nothing and never waits: the window system with no display. Tests
// derive from it to see what the system asks of a toolkit.
class HeadlessBackend : public WindowBackend {
public:
    void CreateWidget(HWND) override {}
    void DestroyWidget(HWND) override {}
    void ShowWidget(HWND, int) override {}
    void PaintNow(HWND window) override;  // paints at once, into nothing
    void Invalidate(HWND) override {}
    void TextChanged(HWND) override {}
    void SelectionChanged(HWND) override {}
    void ListChanged(HWND) override {}
    void CheckChanged(HWND) override {}
    void EnabledChanged(HWND) override {}
    void FocusChanged(HWND) override {}
    void FillBackground(HDC, COLORREF) override {}
    void DrawText(HDC, int, int, const char*, int) override {}
    int ListItemHeight(HWND) override { return 16; }
    UINT TrackPopupMenu(HWND, const std::vector<PopupMenuItem>&, int, int) override { return 0; }
    // A clipboard of the process's own.
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    bool ClipboardHasText() override { return !clipboard_.empty(); }
    void RequestClipboardText(HWND edit) override;
    int RunMessageBox(HWND, const char*, const char*, UINT) override { return IDOK; }
    bool WaitForEvents() override { return false; }

private:
    std::string clipboard_;
};

// Installs the toolkit behind the API; null restores the headless one, which
// draws nothing and never waits.
void SetWindowBackend(WindowBackend* backend);

// At process end: frees every window and its widget, sending no messages, as
// the system reclaims a program's windows when it exits.
void ReleaseAllWindows();

// Dispatches what has been posted, leaving a posted quit in place: a modal
// loop keeps the program's other windows alive this way.
void DispatchPostedMessages();

#endif
