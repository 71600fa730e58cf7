#include <gtest/gtest.h>

#include <string>

#include "recording_window.h"

namespace {

class Controls : public WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        window_ = CreateMainWindow();
        ASSERT_NE(window_, nullptr);
    }

    std::vector<MSG> ClicksFrom(int id) const {
        std::vector<MSG> clicks;
        for (const MSG& m : MessagesOf(WM_COMMAND)) {
            if (m.wParam == MAKEWPARAM(id, BN_CLICKED)) clicks.push_back(m);
        }
        return clicks;
    }

    HWND window_ = nullptr;
};

TEST_F(Controls, ListBoxAppendsInCallOrderAndStartsWithNoSelection) {
    HWND list = CreateChild(window_, "LISTBOX", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 1002);
    const char* labels[] = {"23.976", "24", "29.97", "120"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(labels[i])), i);
    }
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendDlgItemMessageA(window_, 1002, LB_GETCURSEL, 0, 0), LB_ERR);
    char text[16];
    EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), 3);
    EXPECT_STREQ(text, "120");

    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 9, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(Controls, SortedListBoxKeepsAlphabeticalOrder) {
    HWND list = CreateChild(window_, "LISTBOX", "", LBS_SORT, 1);
    for (const char* text : {"pear", "Apple", "fig"}) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    char text[16];
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Apple");
    SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "pear");
}

TEST_F(Controls, UserSelectionSendsNothingWithoutNotifyStyle) {
    HWND list = CreateChild(window_, "LISTBOX", "", 0, 1002);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("24"));
    received_.clear();
    OnUserSelectedEntry(list, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(MessagesOf(WM_COMMAND).empty());
}

TEST_F(Controls, RadioButtonsCheckAndReportTheirState) {
    HWND zero = CreateChild(window_, "BUTTON", "0", BS_AUTORADIOBUTTON, 1006);
    HWND one = CreateChild(window_, "BUTTON", "1", BS_AUTORADIOBUTTON, 1007);
    EXPECT_EQ(SendMessageA(zero, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(one, BM_SETCHECK, BST_CHECKED, 0);
    // Setting a check is not a click: the other button is left alone.
    SendMessageA(zero, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(one, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(MessagesOf(WM_COMMAND).empty());
}

struct RadioGroupCase {
    std::string name;
    DWORD firstStyle;
    DWORD secondStyle;
    DWORD thirdStyle;
    int expectedFirst;  // check of the first button after clicking the third
};

void PrintTo(const RadioGroupCase& c, std::ostream* os) { *os << c.name; }

class RadioGroups : public Controls, public ::testing::WithParamInterface<RadioGroupCase> {};

TEST_P(RadioGroups, ClickingOneClearsTheOthersOfItsGroup) {
    const RadioGroupCase& c = GetParam();
    HWND first = CreateChild(window_, "BUTTON", "a", BS_AUTORADIOBUTTON | c.firstStyle, 1);
    CreateChild(window_, "BUTTON", "b", BS_PUSHBUTTON | c.secondStyle, 2);
    HWND third = CreateChild(window_, "BUTTON", "c", BS_AUTORADIOBUTTON | c.thirdStyle, 3);
    SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(third, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(third, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), c.expectedFirst);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, RadioGroups,
    ::testing::ValuesIn(std::vector<RadioGroupCase>{
        {"NoGroupStyleIsOneGroup", 0, 0, 0, BST_UNCHECKED},
        {"GroupOnFirstOnly", WS_GROUP, 0, 0, BST_UNCHECKED},
        {"GroupBetweenSplits", 0, WS_GROUP, 0, BST_CHECKED},
        {"GroupOnThirdSplits", 0, 0, WS_GROUP, BST_CHECKED},
    }),
    [](const ::testing::TestParamInfo<RadioGroupCase>& info) { return info.param.name; });

TEST_F(Controls, ClickNotifiesTheParentWithIdAndHandle) {
    HWND convert = CreateChild(window_, "BUTTON", "convert", 0, 1010);
    HWND one = CreateChild(window_, "BUTTON", "1", BS_AUTORADIOBUTTON, 1007);
    SendMessageA(convert, BM_CLICK, 0, 0);
    OnUserClickedButton(one);
    const auto convertClicks = ClicksFrom(1010);
    ASSERT_EQ(convertClicks.size(), 1u);
    EXPECT_EQ(convertClicks[0].hwnd, window_);
    EXPECT_EQ(convertClicks[0].lParam, reinterpret_cast<LPARAM>(convert));
    EXPECT_EQ(ClicksFrom(1007).size(), 1u);
    EXPECT_EQ(SendMessageA(one, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Controls, ClicksOnADisabledButtonOrAGroupBoxDoNothing) {
    HWND button = CreateChild(window_, "BUTTON", "convert", WS_DISABLED, 1010);
    HWND group = CreateChild(window_, "BUTTON", "Num of 1st frame", BS_GROUPBOX, 1005);
    SendMessageA(button, BM_CLICK, 0, 0);
    SendMessageA(group, BM_CLICK, 0, 0);
    EXPECT_TRUE(MessagesOf(WM_COMMAND).empty());
}

TEST_F(Controls, EditTextIsReplacedWholeAndReportsChange) {
    HWND edit = CreateChild(window_, "EDIT", "", WS_BORDER | ES_AUTOHSCROLL, 1011);
    ASSERT_TRUE(SetDlgItemTextA(window_, 1011, "300.700"));
    ASSERT_TRUE(SetDlgItemTextA(window_, 1011, "1.000"));
    char text[32];
    EXPECT_EQ(GetDlgItemTextA(window_, 1011, text, sizeof text), 5u);
    EXPECT_STREQ(text, "1.000");
    EXPECT_EQ(GetWindowTextLengthA(edit), 5);
    EXPECT_EQ(MessagesOf(WM_COMMAND).back().wParam, MAKEWPARAM(1011, EN_CHANGE));
}

struct TextCutCase {
    int bufferSize;
    UINT copied;
};

class DialogItemText : public Controls, public ::testing::WithParamInterface<TextCutCase> {};

TEST_P(DialogItemText, CopiesAtMostCountMinusOneBytesAndANul) {
    const std::string typed(10000, '7');
    HWND edit = CreateChild(window_, "EDIT", "", 0, 1001);
    SetWindowTextA(edit, typed.c_str());
    std::string buffer(static_cast<std::size_t>(GetParam().bufferSize) + 8, '#');
    EXPECT_EQ(GetDlgItemTextA(window_, 1001, buffer.data(), GetParam().bufferSize), GetParam().copied);
    EXPECT_EQ(std::string(buffer.c_str()), typed.substr(0, GetParam().copied));
    EXPECT_EQ(buffer[static_cast<std::size_t>(GetParam().bufferSize)], '#');  // nothing written past it
}

INSTANTIATE_TEST_SUITE_P(Sizes, DialogItemText,
                         ::testing::Values(TextCutCase{1, 0}, TextCutCase{2, 1}, TextCutCase{200, 199},
                                           TextCutCase{10001, 10000}, TextCutCase{20000, 10000}));

TEST_F(Controls, TextPassesThroughByteForByte) {
    const char utf8[] = "1:02\xE2\x80\x83\xF0\x9F\x8E\xAC\t\x01";
    HWND edit = CreateChild(window_, "EDIT", "", 0, 1001);
    SetWindowTextA(edit, utf8);
    char text[64];
    GetDlgItemTextA(window_, 1001, text, sizeof text);
    EXPECT_STREQ(text, utf8);
}

TEST_F(Controls, MissingDialogItemGivesEmptyText) {
    char text[8] = "junk";
    EXPECT_EQ(GetDlgItemTextA(window_, 4242, text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(SendDlgItemMessageA(window_, 4242, LB_GETCURSEL, 0, 0), 0);
}

}  // namespace
