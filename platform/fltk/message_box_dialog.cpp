#include "message_box_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "default_font.h"
#include "window_backend.h"

namespace {

constexpr int kMargin = 16;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;
constexpr int kMinimumWidth = 160;

// The text exactly as given: no '@' symbols, no '&' underlines.
class PlainText : public Fl_Widget {
public:
    PlainText(int x, int y, int width, int height, const char* text)
        : Fl_Widget(x, y, width, height), text_(text) {}

protected:
    void draw() override {
        fl_font(kDefaultFont, kDefaultFontSize);
        fl_color(FL_FOREGROUND_COLOR);
        fl_draw(text_, x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE, nullptr, 0);
    }

private:
    const char* text_;
};

// The box's OK button, drawn with its text alone. As the default button it
// answers Enter; Space pushes it in and clicks it when released.
class OkButton : public Fl_Button {
public:
    OkButton(int x, int y, int width, int height) : Fl_Button(x, y, width, height, "OK") {}

    int handle(int event) override {
        const bool space = Fl::event_key() == ' ';
        switch (event) {
        case FL_KEYBOARD:
            if (space) {
                value(1);
                return 1;
            }
            break;
        case FL_KEYUP:
            if (space && value()) {
                value(0);
                do_callback();
                return 1;
            }
            break;
        case FL_SHORTCUT:
            if (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter) {
                do_callback();
                return 1;
            }
            break;
        default:
            break;
        }
        return Fl_Button::handle(event);
    }
};

// Alt+F4 closes the box as OK does, as the system's own boxes do.
class DialogWindow : public Fl_Window {
public:
    DialogWindow(int width, int height) : Fl_Window(width, height) {}

    int handle(int event) override {
        if (event == FL_KEYBOARD && Fl::event_key() == FL_F + 4 && (Fl::event_state() & FL_ALT) != 0) {
            do_callback();
            return 1;
        }
        return Fl_Window::handle(event);
    }
};

void CloseDialog(Fl_Widget* widget, void*) {
    Fl_Window* dialog = widget->as_window() != nullptr ? widget->as_window() : widget->window();
    dialog->hide();
}

}  // namespace

void RunMessageBoxDialog(Fl_Window* owner, const char* text, const char* caption) {
    fl_font(kDefaultFont, kDefaultFontSize);
    int textWidth = 0;
    int textHeight = 0;
    fl_measure(text, textWidth, textHeight, 0);
    const int width = std::max(textWidth + 2 * kMargin, kMinimumWidth);
    const int height = kMargin + textHeight + kMargin + kButtonHeight + kMargin;

    DialogWindow dialog(width, height);
    dialog.copy_label(caption);
    PlainText message(kMargin, kMargin, textWidth, textHeight, text);
    OkButton ok((width - kButtonWidth) / 2, height - kMargin - kButtonHeight, kButtonWidth, kButtonHeight);
    ok.labelfont(kDefaultFont);
    ok.labelsize(kDefaultFontSize);
    ok.callback(CloseDialog);
    dialog.end();
    dialog.callback(CloseDialog);  // Escape and the close box
    dialog.set_modal();
    if (owner != nullptr && owner->shown()) {
        dialog.position(owner->x() + (owner->w() - width) / 2, owner->y() + (owner->h() - height) / 2);
    }
    dialog.show();
    ok.take_focus();
    while (dialog.shown()) {
        Fl::wait();
        DispatchPostedMessages();
    }
}
