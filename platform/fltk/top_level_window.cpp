#include "top_level_window.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include "window_records.h"

TopLevelWindow::TopLevelWindow(HWND window, const char* xclass)
    : Fl_Double_Window(window->width, window->height), fixedSize_((window->style & WS_THICKFRAME) == 0) {
    end();  // controls are added explicitly, never by construction order
    user_data(window);
    this->xclass(xclass != nullptr ? xclass : window->windowClass->name.c_str());
    copy_label(window->text.c_str());
    if (window->x != CW_USEDEFAULT) position(window->x, window->y);
    if (fixedSize_) size_range(w(), h(), w(), h());
    callback([](Fl_Widget* widget, void*) {
        // The close box means WM_CLOSE. (Keys never reach FLTK here, so
        // Escape cannot close the window as it closes FLTK's own.)
        if (HWND window = static_cast<TopLevelWindow*>(widget)->window()) OnCloseRequested(window);
    });
}

void TopLevelWindow::show() {
    const bool first = !shown();
    Fl_Double_Window::show();
    if (first) AnnounceFrameButtons();
}

// Tells the window manager which frame buttons and functions the window's
// style allows (Motif hints, which X window managers read): no sizing border
// means no resizing, and the minimise and maximise boxes are each optional.
void TopLevelWindow::AnnounceFrameButtons() {
    HWND record = window();
    if (record == nullptr) return;
    enum : long { kFunctions = 1, kDecorations = 2 };
    enum : long { kFuncResize = 2, kFuncMove = 4, kFuncMinimize = 8, kFuncMaximize = 16, kFuncClose = 32 };
    enum : long { kDecorBorder = 2, kDecorResize = 4, kDecorTitle = 8, kDecorMenu = 16, kDecorMinimize = 32,
                  kDecorMaximize = 64 };
    long functions = kFuncMove;
    long decorations = kDecorBorder;
    if ((record->style & WS_CAPTION) == WS_CAPTION) decorations |= kDecorTitle;
    if ((record->style & WS_SYSMENU) != 0) {
        functions |= kFuncClose;
        decorations |= kDecorMenu;
    }
    if ((record->style & WS_THICKFRAME) != 0) {
        functions |= kFuncResize;
        decorations |= kDecorResize;
    }
    if ((record->style & WS_MINIMIZEBOX) != 0) {
        functions |= kFuncMinimize;
        decorations |= kDecorMinimize;
    }
    if ((record->style & WS_MAXIMIZEBOX) != 0) {
        functions |= kFuncMaximize;
        decorations |= kDecorMaximize;
    }
    long hints[5] = {kFunctions | kDecorations, functions, decorations, 0, 0};
    Atom motifHints = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(fl_display, fl_xid(this), motifHints, motifHints, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(hints), 5);
}

void TopLevelWindow::resize(int x, int y, int width, int height) {
    if (fixedSize_ && shown()) {
        width = w();
        height = h();
    }
    Fl_Double_Window::resize(x, y, width, height);
}

void TopLevelWindow::draw() {
    if ((damage() & ~FL_DAMAGE_CHILD) != 0) {
        // The whole client area: the window procedure paints it first, the
        // controls, being windows of their own on Windows, come on top.
        if (window() != nullptr) OnPaintRequested(window());
        draw_children();
        return;
    }
    Fl_Widget* const* children = array();
    for (int i = 0; i < this->children(); ++i) update_child(*children[i]);
}
