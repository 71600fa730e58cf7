// The layer on screen: the FLTK widgets mirror the window records, and what
// the user does to a widget reaches the window procedure as Win32 messages.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fltk_fixture.h"
#include "top_level_window.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include "default_font.h"
#include "list_box_widget.h"

namespace {

class FltkWidgets : public FltkTest {
protected:
    void SetUp() override {
        FltkTest::SetUp();
        current_ = this;
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            current_->received_.push_back(message);
            if (message == WM_COMMAND) current_->commands_.push_back(wParam);
            return DefWindowProcA(window, message, wParam, lParam);
        };
        windowClass.lpszClassName = "Widget Test";
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        ASSERT_NE(RegisterClassExA(&windowClass), 0);
        window_ = CreateWindowExA(0, "Widget Test", "Widgets", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 300, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
    }

    HWND Child(const char* className, DWORD style, int id) {
        return CreateWindowExA(0, className, "text", WS_CHILD | WS_VISIBLE | style, 10, 10, 120, 40, window_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    void Show() {
        ShowWindow(window_, SW_SHOWNORMAL);
        UpdateWindow(window_);
    }

    int Count(UINT message) const {
        int count = 0;
        for (UINT m : received_) count += m == message;
        return count;
    }

    HWND window_ = nullptr;
    std::vector<UINT> received_;
    std::vector<WPARAM> commands_;
    static inline FltkWidgets* current_ = nullptr;
};

TEST_F(FltkWidgets, MainWindowIsAFixedSizeXWindowNamedByItsClass) {
    Show();
    auto* top = WidgetOf<TopLevelWindow>(window_);
    EXPECT_TRUE(top->shown());
    EXPECT_STREQ(top->xclass(), "Widget Test");
    EXPECT_STREQ(top->label(), "Widgets");
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_EQ(top->w(), client.right);
    EXPECT_EQ(top->h(), client.bottom);
    SetWindowTextA(window_, "Renamed");
    EXPECT_STREQ(top->label(), "Renamed");
}

TEST_F(FltkWidgets, ExposedWindowIsPaintedAfterItsBackgroundIsErased) {
    Show();
    ASSERT_GE(Count(WM_PAINT), 1);
    auto paint = std::find(received_.begin(), received_.end(), static_cast<UINT>(WM_PAINT));
    EXPECT_NE(std::find(paint, received_.end(), static_cast<UINT>(WM_ERASEBKGND)), received_.end());
}

TEST_F(FltkWidgets, WidgetsShowTheRecordsState) {
    HWND edit = Child("EDIT", WS_BORDER | ES_AUTOHSCROLL, 1);
    HWND list = Child("LISTBOX", WS_VSCROLL | LBS_DISABLENOSCROLL, 2);
    HWND radio = Child("BUTTON", BS_AUTORADIOBUTTON, 3);
    HWND button = Child("BUTTON", BS_PUSHBUTTON, 4);
    Show();

    SetWindowTextA(edit, "12.5");
    EXPECT_STREQ(WidgetOf<Fl_Input>(edit)->value(), "12.5");
    for (const char* text : {"@b", "24", "29.97"}) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    // Two whole entries fit: the selected third scrolls the second to the top.
    ASSERT_EQ(40 / ListBoxWidget::ItemHeight(), 2);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 1);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), ListBoxWidget::ItemHeight());
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(WidgetOf<Fl_Button>(radio)->value(), 1);
    SetWindowTextA(button, "Quit");
    EXPECT_STREQ(WidgetOf<Fl_Button>(button)->label(), "Quit");

    ShowWindow(button, SW_HIDE);
    EXPECT_FALSE(WidgetOf<Fl_Button>(button)->visible());
    EnableWindow(edit, FALSE);
    EXPECT_FALSE(WidgetOf<Fl_Input>(edit)->active());

    auto* top = WidgetOf<TopLevelWindow>(window_);
    EXPECT_EQ(top->children(), 4);
    DestroyWindow(button);
    Fl::check();
    EXPECT_EQ(top->children(), 3);
}

TEST_F(FltkWidgets, UserActionsBecomeMessages) {
    HWND edit = Child("EDIT", 0, 1);
    HWND list = Child("LISTBOX", 0, 2);
    HWND button = Child("BUTTON", BS_PUSHBUTTON, 4);
    SetWindowTextA(edit, "");
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("24"));
    Show();
    auto* top = WidgetOf<TopLevelWindow>(window_);

    // The three overlap at one place: the last made is on top and takes the click.
    ShowWindow(list, SW_HIDE);
    ShowWindow(button, SW_HIDE);
    ClickAt(top, 20, 20);
    ASSERT_EQ(GetFocus(), edit);
    commands_.clear();
    TypeKeys(top, "0:10");
    char text[16];
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "0:10");
    EXPECT_STREQ(WidgetOf<Fl_Input>(edit)->value(), "0:10");
    EXPECT_EQ(WidgetOf<Fl_Input>(edit)->position(), 4);  // the caret follows the typing
    ASSERT_EQ(commands_.size(), 4u);
    EXPECT_EQ(commands_[0], MAKEWPARAM(1, EN_CHANGE));

    ShowWindow(edit, SW_HIDE);
    ShowWindow(list, SW_SHOWNORMAL);
    commands_.clear();
    ClickAt(top, 20, 15);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(GetFocus(), list);

    ShowWindow(list, SW_HIDE);
    ShowWindow(button, SW_SHOWNORMAL);
    commands_.clear();  // the edit box's EN_KILLFOCUS came with the click
    WidgetOf<Fl_Button>(button)->do_callback();
    ASSERT_EQ(commands_.size(), 1u);  // the list has no LBS_NOTIFY
    EXPECT_EQ(commands_[0], MAKEWPARAM(4, BN_CLICKED));
}

TEST_F(FltkWidgets, KeysGoToTheWindowSystemsFocusNotFltks) {
    HWND first = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 120, 25, window_,
                                 reinterpret_cast<HMENU>(1), nullptr, nullptr);
    HWND second = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 60, 120, 25, window_,
                                  reinterpret_cast<HMENU>(2), nullptr, nullptr);
    Show();
    SetFocus(second);
    Fl::focus(WidgetOf<Fl_Widget>(first));  // FLTK's own idea of the focus
    TypeKeys(WidgetOf<TopLevelWindow>(window_), "7");
    EXPECT_STREQ(WidgetOf<Fl_Input>(second)->value(), "7");
    EXPECT_STREQ(WidgetOf<Fl_Input>(first)->value(), "");
}

TEST_F(FltkWidgets, FocusFollowsSetFocusAndXActivation) {
    HWND edit = Child("EDIT", 0, 1);
    Show();
    SetFocus(edit);
    EXPECT_EQ(Fl::focus(), WidgetOf<Fl_Widget>(edit));

    // The user leaves for another program and comes back: the window is
    // activated, and its default handling gives the window itself the focus.
    auto* top = WidgetOf<TopLevelWindow>(window_);
    Fl::handle(FL_UNFOCUS, top);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    received_.clear();
    Fl::handle(FL_FOCUS, top);
    EXPECT_EQ(GetActiveWindow(), window_);
    EXPECT_EQ(GetFocus(), window_);
    EXPECT_EQ(Count(WM_ACTIVATE), 1);
    EXPECT_EQ(Count(WM_SETFOCUS), 1);
}

// The list on screen: whole entries from the top index, the selection in
// the highlight colour, and the wheel scrolling without selecting.
TEST_F(FltkWidgets, ListShowsWholeEntriesAndTheWheelOnlyScrolls) {
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_DISABLENOSCROLL, 10, 10,
                                145, 46, window_, reinterpret_cast<HMENU>(2), nullptr, nullptr);
    for (const char* text : {"23.976", "24", "29.97", "30", "59.94", "60", "119.88", "120"}) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    Show();
    auto* top = WidgetOf<TopLevelWindow>(window_);
    const int row = ListBoxWidget::ItemHeight();
    ClickAt(top, 30, 10 + row + row / 2);  // the second row
    ASSERT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);

    Fl::e_dy = 1;  // one notch towards the user
    Fl::handle(FL_MOUSEWHEEL, top);
    PumpMessages();
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    const int topIndex = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_EQ(topIndex, 46 / row);  // a page, at most three entries

    // The selected row is drawn in the highlight colour only once scrolled back.
    auto highlightAt = [&](int y) {
        top->redraw();
        Fl::flush();
        top->make_current();
        uchar pixel[3];
        fl_read_image(pixel, 100, y, 1, 1);
        return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 128;
    };
    EXPECT_FALSE(highlightAt(10 + row + row / 2));
    PressKey(top, FL_Up);  // back to the first entry, scrolled into view
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    EXPECT_TRUE(highlightAt(10 + row / 2));
}

// How the user ends a real message box.
enum class Dismissal { OkButton, EnterKey, EscapeKey, CloseBox, SpaceKey, AltF4 };

void PrintTo(Dismissal way, std::ostream* os) {
    const char* names[] = {"OkButton", "EnterKey", "EscapeKey", "CloseBox", "SpaceKey", "AltF4"};
    *os << names[static_cast<int>(way)];
}

class RealMessageBox : public FltkWidgets, public ::testing::WithParamInterface<Dismissal> {
protected:
    struct Seen {
        std::string title;
        bool modal = false;
        bool ownerEnabled = true;
        int buttons = 0;
        bool plainButton = false;
        bool openAfterSpaceDown = true;
    };

    static void InspectAndDismiss(void* data) {
        auto* self = static_cast<RealMessageBox*>(data);
        Fl_Window* dialog = Fl::modal();
        if (dialog == nullptr) {  // not up yet
            Fl::repeat_timeout(0.01, InspectAndDismiss, data);
            return;
        }
        self->seen_.title = dialog->label() != nullptr ? dialog->label() : "";
        self->seen_.modal = true;
        self->seen_.ownerEnabled = IsWindowEnabled(self->window_) != FALSE;
        Fl_Button* ok = nullptr;
        for (int i = 0; i < dialog->children(); ++i) {
            if (auto* button = dynamic_cast<Fl_Button*>(dialog->child(i))) {
                ++self->seen_.buttons;
                ok = button;
            }
        }
        // Its text alone: no mark of the toolkit's own beside it.
        self->seen_.plainButton = ok != nullptr && dynamic_cast<Fl_Return_Button*>(ok) == nullptr &&
                                  std::string(ok->label()) == "OK" && ok->labelfont() == kDefaultFont &&
                                  ok->labelsize() == kDefaultFontSize;
        switch (GetParam()) {
        case Dismissal::OkButton:
            ok->do_callback();
            break;
        case Dismissal::EnterKey:
            PressKey(dialog, FL_Enter, "\r");
            break;
        case Dismissal::EscapeKey:
            PressKey(dialog, FL_Escape, "\x1b");
            break;
        case Dismissal::CloseBox:
            Fl::handle(FL_CLOSE, dialog);
            break;
        case Dismissal::SpaceKey:
            ok->take_focus();
            Fl::e_keysym = ' ';
            Fl::handle(FL_KEYBOARD, dialog);
            self->seen_.openAfterSpaceDown = dialog->shown();
            Fl::handle(FL_KEYUP, dialog);
            break;
        case Dismissal::AltF4:
            Fl::e_keysym = FL_F + 4;
            Fl::e_state = FL_ALT;
            Fl::handle(FL_KEYBOARD, dialog);
            Fl::e_state = 0;
            break;
        }
    }

    Seen seen_;
};

TEST_P(RealMessageBox, IsModalWithOneButtonAndEndsWithOk) {
    Show();
    SetMessageBoxHandler(nullptr);
    Fl::add_timeout(0.01, InspectAndDismiss, this);
    received_.clear();
    EXPECT_EQ(MessageBoxA(window_, "Pelvoro V1.00\n\n\tline", "Diag Test", MB_OK), IDOK);
    EXPECT_TRUE(seen_.modal);
    EXPECT_EQ(seen_.title, "Diag Test");
    EXPECT_EQ(seen_.buttons, 1);
    EXPECT_TRUE(seen_.plainButton);
    EXPECT_TRUE(seen_.openAfterSpaceDown);  // Space clicks when it comes up
    EXPECT_FALSE(seen_.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(window_));
    EXPECT_EQ(Count(WM_SETFOCUS), 1);  // the owner is active again
}

INSTANTIATE_TEST_SUITE_P(Ways, RealMessageBox,
                         ::testing::Values(Dismissal::OkButton, Dismissal::EnterKey, Dismissal::EscapeKey,
                                           Dismissal::CloseBox, Dismissal::SpaceKey, Dismissal::AltF4),
                         [](const ::testing::TestParamInfo<Dismissal>& info) {
                             std::ostringstream name;
                             PrintTo(info.param, &name);
                             return name.str();
                         });

}  // namespace
