// Keys from the user to the window procedures: the queue, translation,
// focus on activation, Alt+F4, and what buttons and list boxes do with them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "key_script.h"
#include "recording_window.h"

namespace {

class KeyboardInput : public WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        window_ = CreateMainWindow();
        ASSERT_NE(window_, nullptr);
    }

    std::vector<UINT> KeyMessages() const {
        std::vector<UINT> seen;
        for (const MSG& m : received_) {
            if ((m.message >= WM_KEYDOWN && m.message <= WM_SYSCHAR) || m.message == WM_CHAR) {
                seen.push_back(m.message);
            }
        }
        return seen;
    }

    int Clicks(int id) const {
        int clicks = 0;
        for (const MSG& m : MessagesOf(WM_COMMAND)) clicks += m.wParam == MAKEWPARAM(id, BN_CLICKED);
        return clicks;
    }

    HWND window_ = nullptr;
};

TEST_F(KeyboardInput, TheCharacterComesBetweenPressAndRelease) {
    SetFocus(window_);
    received_.clear();
    PlayKeys("a");
    EXPECT_EQ(KeyMessages(), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(MessagesOf(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ(MessagesOf(WM_CHAR)[0].wParam, static_cast<WPARAM>('a'));
    EXPECT_NE(HIWORD(MessagesOf(WM_KEYUP)[0].lParam) & KF_UP, 0);
}

TEST_F(KeyboardInput, AltKeysAndKeysWithNoFocusAreSystemKeys) {
    SetFocus(window_);
    received_.clear();
    PlayKeys("{A-x}");
    EXPECT_EQ(KeyMessages(), (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP}));
    EXPECT_NE(HIWORD(MessagesOf(WM_SYSKEYDOWN)[0].lParam) & KF_ALTDOWN, 0);

    OnWindowActivated(window_);
    SetFocus(nullptr);
    received_.clear();
    PlayKeys("b");
    ASSERT_EQ(MessagesOf(WM_SYSKEYDOWN).size(), 1u);
    EXPECT_EQ(MessagesOf(WM_SYSKEYDOWN)[0].hwnd, window_);
    EXPECT_EQ(HIWORD(MessagesOf(WM_SYSKEYDOWN)[0].lParam) & KF_ALTDOWN, 0);  // the context code says why
}

TEST_F(KeyboardInput, AltF4InAChildClosesItsTopLevelWindow) {
    HWND edit = CreateChild(window_, "EDIT", "", 0, 1001);
    SetFocus(edit);
    received_.clear();
    PlayKeys("{A-F4}");
    ASSERT_EQ(MessagesOf(WM_SYSCOMMAND).size(), 1u);
    EXPECT_EQ(MessagesOf(WM_SYSCOMMAND)[0].wParam & 0xFFF0, static_cast<WPARAM>(SC_CLOSE));
    EXPECT_EQ(MessagesOf(WM_CLOSE).size(), 1u);
    EXPECT_EQ(MessagesOf(WM_DESTROY).size(), 1u);
    EXPECT_FALSE(IsWindow(window_));
}

TEST_F(KeyboardInput, F4WithoutAltClosesNothing) {
    SetFocus(window_);
    PlayKeys("{F4}{C-F4}");
    EXPECT_TRUE(IsWindow(window_));
}

// The main window passes its focus to its first box, as the converter does.
class Activation : public KeyboardInput {
protected:
    void SetUp() override {
        KeyboardInput::SetUp();
        first_ = CreateChild(window_, "EDIT", "", 0, 1001);
        second_ = CreateChild(window_, "EDIT", "", 0, 1011);
        handler_ = [this](HWND window, UINT message, WPARAM, LPARAM, LRESULT*) {
            if (window == window_ && message == WM_SETFOCUS) SetFocus(first_);
            return false;
        };
        OnWindowActivated(window_);
    }

    HWND first_ = nullptr;
    HWND second_ = nullptr;
};

TEST_F(Activation, ComingBackFocusesTheWindowWhateverHadTheFocus) {
    ASSERT_EQ(GetFocus(), first_);
    OnUserPressedControl(second_);
    ASSERT_EQ(GetFocus(), second_);
    OnWindowDeactivated(window_);
    EXPECT_EQ(GetFocus(), nullptr);
    OnWindowActivated(window_);
    EXPECT_EQ(GetFocus(), first_);
    PlayKeys("7");
    char text[8];
    GetWindowTextA(first_, text, sizeof text);
    EXPECT_STREQ(text, "7");
}

TEST_F(Activation, APressOnAnInactiveWindowActivatesItThenFocusesTheControl) {
    OnWindowDeactivated(window_);
    received_.clear();
    OnUserPressedControl(second_);
    EXPECT_EQ(GetActiveWindow(), window_);
    EXPECT_EQ(GetFocus(), second_);
    EXPECT_EQ(MessagesOf(WM_SETFOCUS).size(), 1u);  // the window's, on activation
}

TEST_F(KeyboardInput, SpaceClicksAPushButtonWhenReleased) {
    HWND button = CreateChild(window_, "BUTTON", "About", BS_PUSHBUTTON, 1021);
    SetFocus(button);
    OnUserKey(KeyEvent{VK_SPACE, true, false, 0, ' '});
    for (int repeat = 0; repeat < 3; ++repeat) OnUserKey(KeyEvent{VK_SPACE, true, true, 0, ' '});
    PumpMessages();
    EXPECT_EQ(Clicks(1021), 0);
    EXPECT_NE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    OnUserKey(KeyEvent{VK_SPACE, false, false, 0, '\0'});
    PumpMessages();
    EXPECT_EQ(Clicks(1021), 1);
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(KeyboardInput, LeavingAButtonHeldBySpaceDoesNotClickIt) {
    HWND button = CreateChild(window_, "BUTTON", "About", BS_PUSHBUTTON, 1021);
    HWND edit = CreateChild(window_, "EDIT", "", 0, 1001);
    SetFocus(button);
    OnUserKey(KeyEvent{VK_SPACE, true, false, 0, ' '});
    PumpMessages();
    SetFocus(edit);
    OnUserKey(KeyEvent{VK_SPACE, false, false, 0, '\0'});
    PumpMessages();
    EXPECT_EQ(Clicks(1021), 0);
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(KeyboardInput, SpaceChecksAnAutomaticRadioButton) {
    HWND zero = CreateChild(window_, "BUTTON", "0", BS_AUTORADIOBUTTON, 1006);
    HWND one = CreateChild(window_, "BUTTON", "1", BS_AUTORADIOBUTTON, 1007);
    SendMessageA(one, BM_SETCHECK, BST_CHECKED, 0);
    SetFocus(zero);
    PlayKeys("{Space}");
    EXPECT_EQ(SendMessageA(zero, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(one, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Clicks(1006), 1);
}

// The rate list: 46 pixels high, entries of 16, so two whole entries a page.
class RateList : public KeyboardInput {
protected:
    void SetUp() override {
        KeyboardInput::SetUp();
        list_ = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 80, 72,
                                145, 46, window_, reinterpret_cast<HMENU>(1002), nullptr, nullptr);
        for (const char* label : {"23.976", "24", "29.97", "30", "59.94", "60", "119.88", "120"}) {
            SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
        }
        OnUserPressedControl(list_);
        OnUserSelectedEntry(list_, 0);
    }

    int Selection() const { return static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)); }
    int Top() const { return static_cast<int>(SendMessageA(list_, LB_GETTOPINDEX, 0, 0)); }

    HWND list_ = nullptr;
};

struct ListCase {
    std::string name;
    std::string keys;
    int selection;
    int top;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class RateListKeys : public RateList, public ::testing::WithParamInterface<ListCase> {};

TEST_P(RateListKeys, MoveTheSelectionAndKeepItInView) {
    ASSERT_EQ(GetFocus(), list_);
    PlayKeys(GetParam().keys);
    EXPECT_EQ(Selection(), GetParam().selection);
    EXPECT_EQ(Top(), GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RateListKeys,
    ::testing::ValuesIn(std::vector<ListCase>{
        {"EndGoesToTheLast", "{End}", 7, 6},
        {"HomeGoesToTheFirst", "{End}{Home}", 0, 0},
        {"DownAndUp", "{Down}{Down}{Down}{Up}", 2, 2},
        {"UpStopsAtTheFirst", "{Up}", 0, 0},
        {"PageDownByWholeEntries", "{PgDn}", 1, 0},
        {"PageUpByWholeEntries", "{End}{PgUp}{PgUp}", 5, 5},
        {"SixSelectsSixty", "6", 5, 4},
        {"OneSelectsTheNextThatStartsWithIt", "61", 6, 5},
        {"OneAgainGoesOnToTheNext", "611", 7, 6},
        {"ThreeSelectsThirty", "3", 3, 2},
        {"TwoSelectsTheNextAfterTheCurrent", "2", 1, 0},
        {"TwoAgain", "22", 2, 1},
        {"TypeAheadWrapsAround", "{End}2", 0, 0},
        {"NoEntryStartsWithIt", "x", 0, 0},
    }),
    [](const ::testing::TestParamInfo<ListCase>& info) { return info.param.name; });

TEST_F(RateList, TheWheelScrollsAPageANotchWithoutSelecting) {
    OnUserTurnedWheel(-WHEEL_DELTA);
    PumpMessages();
    EXPECT_EQ(Top(), 2);
    EXPECT_EQ(Selection(), 0);
    for (int i = 0; i < 5; ++i) OnUserTurnedWheel(-WHEEL_DELTA);
    PumpMessages();
    EXPECT_EQ(Top(), 6);  // the last page shows the last entry whole
    OnUserTurnedWheel(WHEEL_DELTA);
    PumpMessages();
    EXPECT_EQ(Top(), 4);
}

TEST_F(RateList, SettingTheSelectionScrollsItIntoView) {
    SendMessageA(list_, LB_SETCURSEL, 5, 0);
    EXPECT_EQ(Top(), 4);
    EXPECT_EQ(SendMessageA(list_, LB_GETCARETINDEX, 0, 0), 5);
    SendMessageA(list_, LB_SETTOPINDEX, 7, 0);
    EXPECT_EQ(Top(), 6);  // never past the last whole page
}

TEST_F(RateList, KeysTellTheParentOnlyWithNotifyStyle) {
    received_.clear();
    PlayKeys("{Down}");
    EXPECT_TRUE(MessagesOf(WM_COMMAND).empty());
    HWND notifying = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 100, 46, window_,
                                     reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SendMessageA(notifying, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("24"));
    SendMessageA(notifying, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("30"));
    SetFocus(notifying);
    received_.clear();
    PlayKeys("{Down}{Down}");  // the second finds the last entry selected already
    ASSERT_EQ(MessagesOf(WM_COMMAND).size(), 1u);
    EXPECT_EQ(MessagesOf(WM_COMMAND)[0].wParam, MAKEWPARAM(7, LBN_SELCHANGE));
}

}  // namespace
