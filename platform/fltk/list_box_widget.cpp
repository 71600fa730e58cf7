#include "list_box_widget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "default_font.h"
#include "window_records.h"

namespace {

// Narrow enough that a list as short as the rate list keeps the arrow
// buttons, which FLTK leaves out below three widths of height.
constexpr int kScrollBarWidth = 15;
const Fl_Color kHighlight = fl_rgb_color(0, 0, 128);  // the selection colour of classic Windows

}  // namespace

ListBoxWidget::ListBoxWidget(HWND window, int x, int y, int width, int height)
    : Fl_Group(x, y, width, height), scrollBar_(x + width - kScrollBarWidth, y, kScrollBarWidth, height) {
    end();
    user_data(window);
    // No frame of its own: only the edit boxes carry WS_BORDER.
    box((window->style & WS_BORDER) != 0 ? FL_DOWN_BOX : FL_FLAT_BOX);
    color(FL_WHITE);
    scrollBar_.type(FL_VERTICAL);
    scrollBar_.linesize(1);
    scrollBar_.clear_visible_focus();
    scrollBar_.user_data(nullptr);
    scrollBar_.callback([](Fl_Widget* bar, void* data) {
        auto* list = static_cast<ListBoxWidget*>(data);
        if (HWND record = list->window()) OnUserScrolledList(record, static_cast<Fl_Scrollbar*>(bar)->value());
    }, this);
    if ((window->style & WS_VSCROLL) == 0) scrollBar_.hide();
}

int ListBoxWidget::ItemHeight() {
    fl_font(kDefaultFont, kDefaultFontSize);
    return fl_height();
}

int ListBoxWidget::TextWidth() const { return scrollBar_.visible() ? w() - kScrollBarWidth : w(); }

int ListBoxWidget::IndexAt(int eventY) const {
    HWND record = window();
    if (record == nullptr || eventY < y()) return LB_ERR;
    const int index = record->topIndex + (eventY - y()) / ItemHeight();
    return index < static_cast<int>(record->items.size()) ? index : LB_ERR;
}

void ListBoxWidget::Mirror() {
    HWND record = window();
    if (record == nullptr) return;
    const int count = static_cast<int>(record->items.size());
    const int page = std::max(h() / ItemHeight(), 1);
    scrollBar_.value(record->topIndex, page, 0, std::max(count, page));
    // LBS_DISABLENOSCROLL: a bar with nothing to scroll stays, disabled.
    if (count > page) {
        scrollBar_.activate();
    } else {
        scrollBar_.deactivate();
    }
    redraw();
}

void ListBoxWidget::draw() {
    draw_box();
    HWND record = window();
    if (record != nullptr) {
        const int rowHeight = ItemHeight();
        const int width = TextWidth();
        fl_push_clip(x(), y(), width, h());
        fl_font(kDefaultFont, kDefaultFontSize);
        const int count = static_cast<int>(record->items.size());
        for (int index = record->topIndex, rowY = y(); index < count && rowY < y() + h(); ++index, rowY += rowHeight) {
            const bool selected = index == record->selection;
            fl_color(selected ? kHighlight : FL_WHITE);
            fl_rectf(x(), rowY, width, rowHeight);
            fl_color(selected ? FL_WHITE : FL_BLACK);
            const std::string& text = record->items[static_cast<std::size_t>(index)];
            fl_draw(text.c_str(), static_cast<int>(text.size()), x() + 2, rowY + rowHeight - fl_descent());
            if (index == record->caretIndex && Fl::focus() == this) {
                fl_color(selected ? FL_WHITE : FL_BLACK);
                fl_line_style(FL_DOT);
                fl_rect(x(), rowY, width, rowHeight);
                fl_line_style(0);
            }
        }
        fl_pop_clip();
    }
    if (scrollBar_.visible()) draw_child(scrollBar_);
}

int ListBoxWidget::handle(int event) {
    HWND record = window();
    switch (event) {
    case FL_FOCUS:
    case FL_UNFOCUS:
        redraw();
        return 1;  // the group keeps the focus; its scroll bar never takes it
    case FL_PUSH:
    case FL_DRAG:
        if (record == nullptr) return 1;
        // The scroll bar is the list's frame, not its content: pressing it
        // scrolls without taking the focus.
        if (scrollBar_.visible() && Fl::event_x() >= x() + TextWidth()) break;
        if (event == FL_PUSH) {
            if (Fl::event_button() != FL_LEFT_MOUSE) return 1;
            OnUserPressedControl(record);
        }
        if (LiveWindow(record) != nullptr) {
            const int index = IndexAt(Fl::event_y());
            if (index != LB_ERR) OnUserSelectedEntry(record, index);
        }
        return 1;
    default:
        break;
    }
    return Fl_Group::handle(event);
}
