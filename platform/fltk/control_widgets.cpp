#include "control_widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>

#include "default_font.h"
#include "window_records.h"

namespace {

constexpr int kListScrollBarWidth = 15;

// A control reports keyboard focus it takes from a click, as Windows does.
template <class Base>
class Control : public Base {
public:
    Control(HWND window, int x, int y, int width, int height) : Base(x, y, width, height) {
        this->user_data(window);
        this->labelfont(kDefaultFont);
        this->labelsize(kDefaultFontSize);
    }

    int handle(int event) override {
        const int used = Base::handle(event);
        if (event == FL_FOCUS && used && WindowOfWidget(this) != nullptr) {
            OnUserFocusedControl(WindowOfWidget(this));
        }
        return used;
    }
};

class EditWidget : public Control<Fl_Input> {
public:
    EditWidget(HWND window, int x, int y, int width, int height) : Control(window, x, y, width, height) {
        box((window->style & WS_BORDER) != 0 ? FL_DOWN_BOX : FL_FLAT_BOX);
        textfont(kDefaultFont);
        textsize(kDefaultFontSize);
        when(FL_WHEN_CHANGED);
        callback([](Fl_Widget* widget, void*) {
            if (HWND edit = WindowOfWidget(widget)) OnUserEditedText(edit, static_cast<Fl_Input*>(widget)->value());
        });
    }
};

class ListBoxWidget : public Control<Fl_Hold_Browser> {
public:
    ListBoxWidget(HWND window, int x, int y, int width, int height) : Control(window, x, y, width, height) {
        // No frame of its own: only the edit boxes carry WS_BORDER.
        box((window->style & WS_BORDER) != 0 ? FL_DOWN_BOX : FL_FLAT_BOX);
        color(FL_WHITE);
        textfont(kDefaultFont);
        textsize(kDefaultFontSize);
        format_char('\0');  // entries are plain text
        // Narrow enough that a list as short as the rate list still gets its
        // arrow buttons, which FLTK leaves out below three widths of height.
        scrollbar_size(kListScrollBarWidth);
        if ((window->style & WS_VSCROLL) != 0) {
            has_scrollbar((window->style & LBS_DISABLENOSCROLL) != 0 ? Fl_Browser_::VERTICAL_ALWAYS
                                                                     : Fl_Browser_::VERTICAL);
        } else {
            has_scrollbar(0);
        }
        when(FL_WHEN_CHANGED);
        callback([](Fl_Widget* widget, void*) {
            if (HWND list = WindowOfWidget(widget)) {
                OnUserSelectedEntry(list, static_cast<Fl_Hold_Browser*>(widget)->value() - 1);
            }
        });
    }
};

void ClickCallback(Fl_Widget* widget, void*) {
    if (HWND button = WindowOfWidget(widget)) OnUserClickedButton(button);
}

// A frame with its text set into the top edge.
class GroupBoxWidget : public Fl_Widget {
public:
    GroupBoxWidget(HWND window, int x, int y, int width, int height) : Fl_Widget(x, y, width, height) {
        user_data(window);
        labelfont(kDefaultFont);
        labelsize(kDefaultFontSize);
    }

protected:
    void draw() override {
        fl_font(labelfont(), labelsize());
        const int textHeight = fl_height();
        const int top = y() + textHeight / 2;
        fl_draw_box(FL_ENGRAVED_FRAME, x(), top, w(), h() - (top - y()), FL_BLACK);
        if (label() == nullptr || label()[0] == '\0') return;
        const int textWidth = static_cast<int>(fl_width(label()));
        fl_color(parent() != nullptr ? parent()->color() : FL_BACKGROUND_COLOR);
        fl_rectf(x() + 7, y(), textWidth + 4, textHeight);
        fl_color(active_r() ? FL_FOREGROUND_COLOR : fl_inactive(FL_FOREGROUND_COLOR));
        fl_draw(label(), x() + 9, y() + textHeight - fl_descent());
    }
};

}  // namespace

Fl_Widget* MakeControlWidget(HWND control, int x, int y) {
    const int width = control->width;
    const int height = control->height;
    Fl_Widget* widget = nullptr;
    switch (control->kind) {
    case ControlKind::Edit:
        widget = new EditWidget(control, x, y, width, height);
        break;
    case ControlKind::ListBox:
        widget = new ListBoxWidget(control, x, y, width, height);
        break;
    case ControlKind::RadioButton:
        widget = new Control<Fl_Round_Button>(control, x, y, width, height);
        widget->callback(ClickCallback);
        break;
    case ControlKind::CheckBox:
        widget = new Control<Fl_Check_Button>(control, x, y, width, height);
        widget->callback(ClickCallback);
        break;
    case ControlKind::GroupBox:
        widget = new GroupBoxWidget(control, x, y, width, height);
        break;
    case ControlKind::PushButton:
    case ControlKind::NotAControl:
        widget = new Control<Fl_Button>(control, x, y, width, height);
        widget->callback(ClickCallback);
        break;
    }
    control->widget = widget;
    if ((control->style & WS_DISABLED) != 0) widget->deactivate();
    if (!control->visible) widget->hide();
    ShowControlText(control);
    ShowControlList(control);
    ShowControlCheck(control);
    return widget;
}

void ShowControlText(HWND control) {
    auto* widget = static_cast<Fl_Widget*>(control->widget);
    if (widget == nullptr) return;
    if (control->kind == ControlKind::Edit) {
        static_cast<Fl_Input*>(widget)->value(control->text.c_str(),
                                              static_cast<int>(control->text.size()));
    } else {
        widget->copy_label(control->text.c_str());
        widget->redraw();
    }
}

void ShowControlList(HWND control) {
    if (control->kind != ControlKind::ListBox || control->widget == nullptr) return;
    auto* browser = static_cast<Fl_Hold_Browser*>(control->widget);
    browser->clear();
    for (const std::string& item : control->items) browser->add(item.c_str());
    if (control->selection >= 0) {
        browser->value(control->selection + 1);
    } else {
        browser->deselect();
    }
}

void ShowControlCheck(HWND control) {
    if (control->kind != ControlKind::RadioButton && control->kind != ControlKind::CheckBox) return;
    if (control->widget == nullptr) return;
    static_cast<Fl_Button*>(control->widget)->value(control->check == BST_CHECKED ? 1 : 0);
}
