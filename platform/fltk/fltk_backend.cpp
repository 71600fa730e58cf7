#include "fltk_backend.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/XKBlib.h>

#include "control_widgets.h"
#include "default_font.h"
#include "key_translation.h"
#include "list_box_widget.h"
#include "message_box_dialog.h"
#include "popup_menu.h"
#include "top_level_window.h"
#include "window_records.h"

namespace {

Fl_Widget* WidgetOf(HWND window) { return static_cast<Fl_Widget*>(window->widget); }

TopLevelWindow* TopLevelWidgetOf(HWND window) { return static_cast<TopLevelWindow*>(TopLevelOf(window)->widget); }

void SetColor(COLORREF color) { fl_color(GetRValue(color), GetGValue(color), GetBValue(color)); }

// Every key and wheel event of one of our windows is the window system's
// input, whatever FLTK widget has FLTK's focus, except while a popup menu
// holds the grab: X addresses its keys to our window too. X focus coming to
// or leaving the window is its activation.
int DispatchEvent(int event, Fl_Window* window) {
    auto* topLevel = dynamic_cast<TopLevelWindow*>(window);
    const bool ours = topLevel != nullptr && topLevel->window() != nullptr;
    const bool input = ours && Fl::grab() == nullptr;
    if (input && (event == FL_KEYBOARD || event == FL_KEYUP)) {
        OnUserKey(TranslateCurrentKey(event == FL_KEYBOARD));
        return 1;
    }
    if (input && event == FL_MOUSEWHEEL) {
        if (Fl::event_dy() != 0) OnUserTurnedWheel(-Fl::event_dy() * WHEEL_DELTA);
        return 1;
    }
    const int used = Fl::handle_(event, window);
    if (ours && LiveWindow(topLevel->window()) != nullptr) {
        if (event == FL_FOCUS) OnWindowActivated(topLevel->window());
        if (event == FL_UNFOCUS) OnWindowDeactivated(topLevel->window());
    }
    return used;
}

}  // namespace

FltkBackend::FltkBackend(const char* programName) : programName_(programName) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Fl::background(GetRValue(face), GetGValue(face), GetBValue(face));
    Fl::visible_focus(1);
    Fl::dnd_text_ops(0);  // a classic edit control does not drag text
    Fl::event_dispatch(DispatchEvent);
}

FltkBackend::~FltkBackend() {
    Fl::event_dispatch(nullptr);
    // Widgets whose deletion was deferred while the loop ran.
    Fl::do_widget_deletion();
}

void FltkBackend::CreateWidget(HWND window) {
    if (window->parent == nullptr) {
        static const bool keyboardReady = [] {
            fl_open_display();
            // A held key repeats its press alone, as on Windows: without
            // this, X sends a release before each repeat and a button held
            // by Space would click.
            Bool supported = False;
            XkbSetDetectableAutoRepeat(fl_display, True, &supported);
            return true;
        }();
        (void)keyboardReady;
        window->widget = new TopLevelWindow(window, programName_);
        return;
    }
    // Controls live in their top-level window, at client coordinates.
    int x = window->x;
    int y = window->y;
    for (HWND ancestor = window->parent; ancestor->parent != nullptr; ancestor = ancestor->parent) {
        x += ancestor->x;
        y += ancestor->y;
    }
    Fl_Widget* widget = MakeControlWidget(window, x, y);
    window->widget = widget;
    TopLevelWidgetOf(window->parent)->add(widget);
    widget->redraw();
}

void FltkBackend::DestroyWidget(HWND window) {
    Fl_Widget* widget = WidgetOf(window);
    if (widget == nullptr) return;
    window->widget = nullptr;
    widget->user_data(nullptr);
    widget->hide();
    // The widget may be the one whose callback is running (Quit destroys
    // its own button), so it is deleted once the callback is over.
    Fl::delete_widget(widget);
}

void FltkBackend::ShowWidget(HWND window, int command) {
    Fl_Widget* widget = WidgetOf(window);
    if (widget == nullptr) return;
    if (command == SW_HIDE) {
        widget->hide();
    } else {
        widget->show();
        if (window->parent == nullptr &&
            (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE)) {
            static_cast<Fl_Window*>(widget)->iconize();
        }
    }
    if (window->parent != nullptr) TopLevelWidgetOf(window)->redraw();
}

void FltkBackend::PaintNow(HWND window) {
    Fl_Widget* widget = WidgetOf(window);
    if (widget == nullptr) return;
    // Painting an unmapped window draws nothing: wait for the server first.
    if (window->parent == nullptr && widget->visible()) static_cast<Fl_Window*>(widget)->wait_for_expose();
    Fl::flush();
}

void FltkBackend::Invalidate(HWND window) {
    if (Fl_Widget* widget = WidgetOf(window)) widget->redraw();
}

void FltkBackend::TextChanged(HWND window) {
    if (window->parent == nullptr) {
        if (Fl_Widget* widget = WidgetOf(window)) widget->copy_label(window->text.c_str());
        return;
    }
    ShowControlText(window);
}

void FltkBackend::SelectionChanged(HWND window) { ShowControlSelection(window); }

void FltkBackend::ListChanged(HWND window) { ShowControlList(window); }

void FltkBackend::CheckChanged(HWND window) { ShowControlCheck(window); }

void FltkBackend::EnabledChanged(HWND window) {
    Fl_Widget* widget = WidgetOf(window);
    // A disabled top-level window keeps its look; the modal box holds its input.
    if (widget == nullptr || window->parent == nullptr) return;
    if ((window->style & WS_DISABLED) != 0) {
        widget->deactivate();
    } else {
        widget->activate();
    }
}

void FltkBackend::FocusChanged(HWND window) {
    Fl_Widget* widget = WidgetOf(window);
    if (widget == nullptr || Fl::focus() == widget) return;
    if (window->parent == nullptr) {
        Fl::focus(widget);
    } else {
        widget->take_focus();
    }
}

void FltkBackend::FillBackground(HDC dc, COLORREF color) {
    SetColor(color);
    fl_rectf(0, 0, dc->window->width, dc->window->height);
}

void FltkBackend::DrawText(HDC dc, int x, int y, const char* text, int length) {
    // Opaque, as GDI draws by default: the text cell takes the background colour.
    fl_font(kDefaultFont, kDefaultFontSize);
    const int width = static_cast<int>(fl_width(text, length) + 0.5);
    SetColor(dc->backgroundColor);
    fl_rectf(x, y, width, fl_height());
    SetColor(RGB(0, 0, 0));
    fl_draw(text, length, x, y + fl_height() - fl_descent());
}

int FltkBackend::ListItemHeight(HWND) { return ListBoxWidget::ItemHeight(); }

UINT FltkBackend::TrackPopupMenu(HWND, const std::vector<PopupMenuItem>& items, int x, int y) {
    return RunPopupMenu(items, x, y);
}

void FltkBackend::SetClipboardText(const std::string& text) {
    Fl::copy(text.data(), static_cast<int>(text.size()), 1);
}

bool FltkBackend::ClipboardHasText() { return Fl::clipboard_contains(Fl::clipboard_plain_text) != 0; }

void FltkBackend::RequestClipboardText(HWND edit) {
    // The text comes to the widget as FL_PASTE, at once when the clipboard
    // is ours, once its owner answers otherwise.
    if (Fl_Widget* widget = WidgetOf(edit)) Fl::paste(*widget, 1);
}

int FltkBackend::RunMessageBox(HWND owner, const char* text, const char* caption, UINT) {
    TopLevelWindow* ownerWidget = LiveWindow(owner) != nullptr ? TopLevelWidgetOf(owner) : nullptr;
    RunMessageBoxDialog(ownerWidget, text, caption);
    return IDOK;
}

bool FltkBackend::WaitForEvents() {
    // With no window left on screen nothing can ever arrive.
    return Fl::wait() > 0 || Fl::first_window() != nullptr;
}
