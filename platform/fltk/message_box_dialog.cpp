#include "message_box_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Return_Button.H>
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

    Fl_Window dialog(width, height);
    dialog.copy_label(caption);
    PlainText message(kMargin, kMargin, textWidth, textHeight, text);
    Fl_Return_Button ok((width - kButtonWidth) / 2, height - kMargin - kButtonHeight, kButtonWidth,
                        kButtonHeight, "OK");
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
