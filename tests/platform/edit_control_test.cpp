// The edit control as the keyboard, the mouse and its menu drive it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "key_script.h"
#include "recording_window.h"

namespace {

// Shows no menu: remembers what it was asked to show and answers with a
// chosen entry.
class MenuBackend : public HeadlessBackend {
public:
    UINT TrackPopupMenu(HWND, const std::vector<PopupMenuItem>& items, int, int) override {
        shown = items;
        return answer;
    }

    std::vector<PopupMenuItem> shown;
    UINT answer = 0;
};

class EditControl : public WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        SetWindowBackend(&backend_);
        window_ = CreateMainWindow();
        edit_ = CreateChild(window_, "EDIT", "", WS_BORDER | ES_AUTOHSCROLL, 1001);
        ASSERT_NE(edit_, nullptr);
        SetFocus(edit_);
    }

    void TearDown() override {
        WindowSystemTest::TearDown();
        SetWindowBackend(nullptr);
    }

    std::string Text() const {
        char text[256];
        GetWindowTextA(edit_, text, sizeof text);
        return text;
    }

    std::pair<DWORD, DWORD> Selection() const {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    MenuBackend backend_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

struct KeysCase {
    std::string name;
    std::string keys;
    std::string text;
    DWORD selectionStart;
    DWORD selectionEnd;
};

void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }

class EditKeys : public EditControl, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(EditKeys, GiveTheTextAndSelectionOfTheEditControl) {
    PlayKeys(GetParam().keys);
    EXPECT_EQ(Text(), GetParam().text);
    EXPECT_EQ(Selection(), std::make_pair(GetParam().selectionStart, GetParam().selectionEnd));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditKeys,
    ::testing::ValuesIn(std::vector<KeysCase>{
        {"TypingAppends", "12:30", "12:30", 5, 5},
        {"EnterTabAndEscapeTypeNothing", "1{Enter}{Tab}{Esc}2", "12", 2, 2},
        {"CtrlAIsNotSelectAll", "12{C-a}3", "123", 3, 3},
        {"UndoTakesBackARunOfTyping", "abc{C-z}", "", 0, 0},
        {"UndoBringsBackWhatBackspaceTook", "abc{BS}{C-z}", "abc", 2, 3},
        {"UndoAgainRedoes", "abc{BS}{C-z}{C-z}", "ab", 2, 2},
        {"BackspacesInARowUndoTogether", "abcd{BS}{BS}{C-z}", "abcd", 2, 4},
        {"AltBackspaceUndoes", "abc{BS}{A-BS}", "abc", 2, 3},
        {"CtrlRightGoesToTheNextWordsStart", "ab cd  ef{Home}{C-Right}", "ab cd  ef", 3, 3},
        {"CtrlRightSkipsTheSpacesAfterAWord", "ab cd  ef{Home}{C-Right}{C-Right}", "ab cd  ef", 7, 7},
        {"CtrlLeftGoesToAWordsStart", "ab cd  ef{C-Left}{C-Left}", "ab cd  ef", 3, 3},
        {"ShiftCtrlRightSelectsAWordWithItsSpaces", "ab cd{Home}{C-S-Right}", "ab cd", 0, 3},
        {"TypingReplacesTheSelection", "12:30{S-Home}9", "9", 1, 1},
        {"LeftLeavesTheSelectionFromTheCaret", "abc{S-Left}{S-Left}{Left}", "abc", 0, 0},
        {"DeleteTakesTheNextCharacter", "abc{Home}{Del}", "bc", 0, 0},
        {"CutThenPasteTwice", "abc{S-Home}{C-x}{C-v}{C-v}", "abcabc", 6, 6},
        {"ShiftDeleteCutsShiftInsertPastes", "abc{S-Home}{S-Del}{S-Ins}{S-Ins}", "abcabc", 6, 6},
        {"CtrlInsertCopies", "ab{S-Home}{C-Ins}{End}{C-v}", "abab", 4, 4},
        {"PasteCanBeUndone", "ab{S-Home}{C-c}{End}{C-v}{C-z}", "ab", 2, 2},
    }),
    [](const ::testing::TestParamInfo<KeysCase>& info) { return info.param.name; });

TEST_F(EditControl, TypingStopsAtTheLimitAndSaysSo) {
    EXPECT_EQ(SendMessageA(edit_, EM_GETLIMITTEXT, 0, 0), 32767);
    SendMessageA(edit_, EM_SETLIMITTEXT, 3, 0);
    received_.clear();
    PlayKeys("12345");
    EXPECT_EQ(Text(), "123");
    int full = 0;
    for (const MSG& m : MessagesOf(WM_COMMAND)) full += m.wParam == MAKEWPARAM(1001, EN_MAXTEXT);
    EXPECT_EQ(full, 2);
    // The program's own text is not held to the limit.
    SetWindowTextA(edit_, "123456");
    EXPECT_EQ(Text(), "123456");
}

TEST_F(EditControl, TheProgramsTextLeavesNothingToUndo) {
    PlayKeys("12");
    EXPECT_TRUE(SendMessageA(edit_, EM_CANUNDO, 0, 0));
    SetWindowTextA(edit_, "300.700");
    EXPECT_FALSE(SendMessageA(edit_, EM_CANUNDO, 0, 0));
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{0}));
    PlayKeys("{C-z}");
    EXPECT_EQ(Text(), "300.700");
}

struct DoubleClickCase {
    std::string text;
    int index;
    DWORD start;
    DWORD end;
};

void PrintTo(const DoubleClickCase& c, std::ostream* os) { *os << '"' << c.text << "\" at " << c.index; }

class EditDoubleClick : public EditControl, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(EditDoubleClick, SelectsTheWordWithTheSpacesAfterIt) {
    SetWindowTextA(edit_, GetParam().text.c_str());
    OnUserDoubleClickedText(edit_, GetParam().index);
    EXPECT_EQ(Selection(), std::make_pair(GetParam().start, GetParam().end));
}

INSTANTIATE_TEST_SUITE_P(Words, EditDoubleClick,
                         ::testing::Values(DoubleClickCase{"12:30 abc", 1, 0, 6},     // punctuation is part of it
                                           DoubleClickCase{"12:30 abc", 7, 6, 9},     // the last word
                                           DoubleClickCase{"ab   cd", 3, 2, 5},       // on the spaces: them alone
                                           DoubleClickCase{"12:30  abc", 10, 7, 10},  // past the end
                                           DoubleClickCase{"", 0, 0, 0}));

// Which entries of the context menu can be picked, in the order Undo, Cut,
// Copy, Paste, Delete, Select All.
struct MenuCase {
    std::string name;
    std::string keys;
    std::string clipboard;
    std::vector<bool> enabled;
};

void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }

class EditMenu : public EditControl, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(EditMenu, EnablesWhatCanAct) {
    backend_.SetClipboardText(GetParam().clipboard);
    PlayKeys(GetParam().keys);
    OnUserOpenedContextMenu(edit_, 300, 200);
    std::vector<bool> enabled;
    for (const PopupMenuItem& item : backend_.shown) {
        if (item.text != nullptr) enabled.push_back(item.enabled);
    }
    EXPECT_EQ(enabled, GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    States, EditMenu,
    ::testing::ValuesIn(std::vector<MenuCase>{
        {"EmptyBox", "", "", {false, false, false, false, false, false}},
        {"TypedTextNoSelection", "12", "", {true, false, false, false, false, true}},
        {"AllSelected", "12{S-Home}", "", {true, true, true, false, true, false}},
        {"PartSelected", "12{S-Left}", "", {true, true, true, false, true, true}},
        {"ClipboardHoldsText", "", "5", {false, false, false, true, false, false}},
    }),
    [](const ::testing::TestParamInfo<MenuCase>& info) { return info.param.name; });

TEST_F(EditControl, MenuHasTheStandardEntriesWithTheirUnderlines) {
    OnUserOpenedContextMenu(edit_, 0, 0);
    std::vector<std::string> texts;
    for (const PopupMenuItem& item : backend_.shown) texts.push_back(item.text != nullptr ? item.text : "-");
    EXPECT_EQ(texts, (std::vector<std::string>{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-",
                                               "Select &All"}));
}

TEST_F(EditControl, PickedEntriesActAndARightClickFocusesTheBox) {
    HWND other = CreateChild(window_, "EDIT", "", 0, 1011);
    PlayKeys("12:30");
    SetFocus(other);
    backend_.answer = EM_SETSEL;  // Select All
    OnUserOpenedContextMenu(edit_, 10, 10);
    EXPECT_EQ(GetFocus(), edit_);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{5}));
    backend_.answer = WM_CLEAR;  // Delete
    OnUserOpenedContextMenu(edit_, 10, 10);
    EXPECT_EQ(Text(), "");
    backend_.answer = WM_UNDO;
    OnUserOpenedContextMenu(edit_, 10, 10);
    EXPECT_EQ(Text(), "12:30");
}

}  // namespace
