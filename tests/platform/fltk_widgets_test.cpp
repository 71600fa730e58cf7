// The layer on screen: the FLTK widgets mirror the window records, and what
// the user does to a widget reaches the window procedure as Win32 messages.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fltk_fixture.h"
#include "top_level_window.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>

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
    auto* browser = WidgetOf<Fl_Hold_Browser>(list);
    ASSERT_EQ(browser->size(), 3);
    EXPECT_STREQ(browser->text(1), "@b");  // no format characters: the text as given
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(browser->value(), 3);
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
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("24"));
    Show();
    commands_.clear();

    auto* input = WidgetOf<Fl_Input>(edit);
    input->value("0:10");
    input->do_callback();
    char text[16];
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "0:10");

    auto* browser = WidgetOf<Fl_Hold_Browser>(list);
    browser->value(1);
    browser->do_callback();
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);

    WidgetOf<Fl_Button>(button)->do_callback();
    ASSERT_EQ(commands_.size(), 2u);
    EXPECT_EQ(commands_[0], MAKEWPARAM(1, EN_CHANGE));
    EXPECT_EQ(commands_[1], MAKEWPARAM(4, BN_CLICKED));  // the list has no LBS_NOTIFY
}

TEST_F(FltkWidgets, FocusFollowsSetFocusAndXActivation) {
    HWND edit = Child("EDIT", 0, 1);
    Show();
    SetFocus(edit);
    EXPECT_EQ(Fl::focus(), WidgetOf<Fl_Widget>(edit));

    // The user leaves for another program and comes back.
    auto* top = WidgetOf<TopLevelWindow>(window_);
    Fl::handle(FL_UNFOCUS, top);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    received_.clear();
    Fl::handle(FL_FOCUS, top);
    EXPECT_EQ(GetActiveWindow(), window_);
    EXPECT_EQ(Count(WM_ACTIVATE), 1);
    EXPECT_EQ(Count(WM_SETFOCUS), 1);
}

// How the user ends a real message box.
enum class Dismissal { OkButton, EnterKey, EscapeKey, CloseBox };

void PrintTo(Dismissal way, std::ostream* os) {
    const char* names[] = {"OkButton", "EnterKey", "EscapeKey", "CloseBox"};
    *os << names[static_cast<int>(way)];
}

class RealMessageBox : public FltkWidgets, public ::testing::WithParamInterface<Dismissal> {
protected:
    struct Seen {
        std::string title;
        bool modal = false;
        bool ownerEnabled = true;
        int buttons = 0;
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
    EXPECT_FALSE(seen_.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(window_));
    EXPECT_EQ(Count(WM_SETFOCUS), 1);  // the owner is active again
}

INSTANTIATE_TEST_SUITE_P(Ways, RealMessageBox,
                         ::testing::Values(Dismissal::OkButton, Dismissal::EnterKey, Dismissal::EscapeKey,
                                           Dismissal::CloseBox),
                         [](const ::testing::TestParamInfo<Dismissal>& info) {
                             std::ostringstream name;
                             PrintTo(info.param, &name);
                             return name.str();
                         });

}  // namespace
