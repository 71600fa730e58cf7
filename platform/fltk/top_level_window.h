#ifndef PELVORO_PLATFORM_FLTK_TOP_LEVEL_WINDOW_H
#define PELVORO_PLATFORM_FLTK_TOP_LEVEL_WINDOW_H

#include <windows.h>

#include <FL/Fl_Double_Window.H>

// A top-level window: its client area is painted by the window procedure
// (WM_PAINT), its controls are its FLTK children, and it keeps the size it
// was created with unless its style has a sizing border.
class TopLevelWindow : public Fl_Double_Window {
public:
    // xclass: what the window manager knows the window by (its WM_CLASS);
    // null for the window class's name.
    TopLevelWindow(HWND window, const char* xclass);

    HWND window() const { return static_cast<HWND>(user_data()); }
    void show() override;
    void resize(int x, int y, int width, int height) override;

protected:
    void draw() override;

private:
    void AnnounceFrameButtons();

    bool fixedSize_;
};

#endif
