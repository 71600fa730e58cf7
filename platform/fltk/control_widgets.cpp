#include "control_widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "default_font.h"
#include "list_box_widget.h"
#include "window_records.h"

namespace {

// A control whose keys come from the window system: a mouse press on it
// is reported first, so that it takes the focus as on Windows.
template <class Base>
class Control : public Base {
public:
    Control(HWND window, int x, int y, int width, int height) : Base(x, y, width, height) {
        this->user_data(window);
        this->labelfont(kDefaultFont);
        this->labelsize(kDefaultFontSize);
    }

    int handle(int event) override {
        if (event == FL_PUSH && WindowOfWidget(this) != nullptr) OnUserPressedControl(WindowOfWidget(this));
        return Base::handle(event);
    }
};

// An edit box: FLTK draws the record's text and selection and maps the
// mouse to character positions; what the mouse selects goes back to the
// record. The text itself changes only through the edit procedure.
class EditWidget : public Fl_Input {
public:
    EditWidget(HWND window, int x, int y, int width, int height) : Fl_Input(x, y, width, height) {
        user_data(window);
        box((window->style & WS_BORDER) != 0 ? FL_DOWN_BOX : FL_FLAT_BOX);
        textfont(kDefaultFont);
        textsize(kDefaultFontSize);
        maximum_size(0x7FFFFFFE);  // the limit is the record's
    }

    int handle(int event) override {
        HWND edit = WindowOfWidget(this);
        if (edit == nullptr) return Fl_Input::handle(event);
        const int button = Fl::event_button();
        switch (event) {
        case FL_PUSH:
            OnUserPressedControl(edit);
            if (LiveWindow(edit) == nullptr) return 1;
            // The right button opens the context menu when released; the
            // middle one pastes nothing on Windows.
            if (button != FL_LEFT_MOUSE) return 1;
            break;
        case FL_DRAG:
        case FL_RELEASE:
            if (button == FL_RIGHT_MOUSE && event == FL_RELEASE) {
                OnUserOpenedContextMenu(edit, Fl::event_x_root(), Fl::event_y_root());
                return 1;
            }
            if (button != FL_LEFT_MOUSE) return 1;
            break;
        case FL_PASTE:
            // Clipboard text asked for by WM_PASTE.
            OnClipboardTextArrived(edit, Fl::event_text());
            return 1;
        case FL_FOCUS:
        case FL_UNFOCUS: {
            // FLTK would select all when focus comes by Tab; the selection is the record's.
            const int used = Fl_Input::handle(event);
            ShowControlSelection(edit);
            return used;
        }
        default:
            return Fl_Input::handle(event);
        }
        const int used = Fl_Input::handle(event);
        if (LiveWindow(edit) == nullptr) return used;
        if (event == FL_PUSH && Fl::event_clicks() > 0) {
            // FLTK's word has ended where it would; the record's word is the edit control's.
            OnUserDoubleClickedText(edit, std::min(position(), mark()));
        } else {
            OnUserSelectedText(edit, mark(), position());
        }
        return used;
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
        static_cast<Fl_Input*>(widget)->value(control->text.c_str(), static_cast<int>(control->text.size()));
        ShowControlSelection(control);
    } else {
        widget->copy_label(control->text.c_str());
        widget->redraw();
    }
}

void ShowControlSelection(HWND control) {
    if (control->kind != ControlKind::Edit || control->widget == nullptr) return;
    static_cast<Fl_Input*>(control->widget)->position(control->edit.caret(), control->edit.anchor());
}

void ShowControlList(HWND control) {
    if (control->kind != ControlKind::ListBox || control->widget == nullptr) return;
    static_cast<ListBoxWidget*>(control->widget)->Mirror();
}

void ShowControlCheck(HWND control) {
    if (control->widget == nullptr) return;
    auto* button = static_cast<Fl_Button*>(control->widget);
    switch (control->kind) {
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        button->value(control->check == BST_CHECKED ? 1 : 0);
        break;
    case ControlKind::PushButton:
        button->value(control->pushed ? 1 : 0);  // held in by the Space key
        break;
    default:
        break;
    }
}
