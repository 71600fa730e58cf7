#include "top_level_window.h"

#include <FL/Fl.H>

#include "window_records.h"

TopLevelWindow::TopLevelWindow(HWND window)
    : Fl_Double_Window(window->width, window->height), fixedSize_((window->style & WS_THICKFRAME) == 0) {
    end();  // controls are added explicitly, never by construction order
    user_data(window);
    xclass(window->windowClass->name.c_str());
    copy_label(window->text.c_str());
    if (window->x != CW_USEDEFAULT) position(window->x, window->y);
    if (fixedSize_) size_range(w(), h(), w(), h());
    callback([](Fl_Widget* widget, void*) {
        // Escape closes FLTK windows; a Win32 window without a dialog
        // manager ignores it. The close box means WM_CLOSE.
        if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
        if (HWND window = static_cast<TopLevelWindow*>(widget)->window()) OnCloseRequested(window);
    });
}

void TopLevelWindow::resize(int x, int y, int width, int height) {
    if (fixedSize_ && shown()) {
        width = w();
        height = h();
    }
    Fl_Double_Window::resize(x, y, width, height);
}

int TopLevelWindow::handle(int event) {
    // No dialog-style keyboard handling: Tab and the arrows do not move the
    // focus between controls.
    if (event == FL_KEYBOARD) return 0;
    return Fl_Double_Window::handle(event);
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
