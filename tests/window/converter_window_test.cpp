// gtest first: X11's headers, which fl_draw.H brings in, define None.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../platform/fltk_fixture.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/fl_draw.H>

#include "main_window.h"
#include "resource.h"
#include "top_level_window.h"

struct PlatformInstance {};

namespace {

// The converter window on screen, driven through its controls' widgets as
// a user drives them: what the widget does then reaches MainWndProc as the
// same Win32 messages a real click or keystroke would.
class ConverterWindow : public FltkTest {
protected:
    void SetUp() override {
        FltkTest::SetUp();
        static PlatformInstance instance;
        g_hInstance = &instance;
        ASSERT_NE(RegisterMainWindowClass(g_hInstance), 0);
        window_ = CreateMainWindow(g_hInstance);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        UpdateWindow(window_);
        Fl::check();
    }

    HWND Control(int id) { return GetDlgItem(window_, id); }

    TopLevelWindow* Top() { return WidgetOf<TopLevelWindow>(window_); }

    // Replaces the time box's text as a user does: a click into it, Home and
    // Shift+End, then typing; text that no key types (control characters,
    // other code pages) comes through the clipboard with Ctrl+V.
    void Type(const std::string& text) {
        ClickAt(Top(), 150, 42);
        PressKey(Top(), FL_Home);
        PressKey(Top(), FL_End, "", FL_SHIFT);
        const bool typable = std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
        if (text.empty()) {
            PressKey(Top(), FL_BackSpace, "\b");
        } else if (typable) {
            TypeKeys(Top(), text);
        } else {
            Backend().SetClipboardText(text);
            PressKey(Top(), 'v', "\x16", FL_CTRL);
        }
    }

    // A click on the rate list, Home, and Down to the entry.
    void SelectRate(int index) {
        ClickAt(Top(), 100, 80);
        PressKey(Top(), FL_Home);
        for (int i = 0; i < index; ++i) PressKey(Top(), FL_Down);
    }

    void Click(int id) {
        auto* button = WidgetOf<Fl_Button>(Control(id));
        if (button->type() == FL_TOGGLE_BUTTON) button->value(!button->value());  // as FLTK does on a click
        button->do_callback();
    }

    std::string FrameBox() {
        char text[256];
        GetDlgItemTextA(window_, IDC_FRAME, text, sizeof text);
        // What the user sees must be what the program holds.
        EXPECT_STREQ(WidgetOf<Fl_Input>(Control(IDC_FRAME))->value(), text);
        return text;
    }

    bool Checked(int id) { return SendDlgItemMessageA(window_, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    HWND window_ = nullptr;
};

TEST_F(ConverterWindow, OpensReadyForTyping) {
    EXPECT_EQ(GetFocus(), Control(IDC_TIME));
    EXPECT_EQ(Fl::focus(), WidgetOf<Fl_Widget>(Control(IDC_TIME)));
    EXPECT_TRUE(Checked(IDC_FIRSTFRAME_1));
    EXPECT_FALSE(Checked(IDC_FIRSTFRAME_0));
    EXPECT_EQ(SendDlgItemMessageA(window_, IDC_FPS, LB_GETCURSEL, 0, 0), LB_ERR);

    ASSERT_EQ(SendDlgItemMessageA(window_, IDC_FPS, LB_GETCOUNT, 0, 0), 8);
    const char* labels[] = {"23.976", "24", "29.97", "30", "59.94", "60", "119.88", "120"};
    for (int i = 0; i < 8; ++i) {
        char label[16];
        SendDlgItemMessageA(window_, IDC_FPS, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(label));
        EXPECT_STREQ(label, labels[i]);
    }

    auto* top = WidgetOf<TopLevelWindow>(window_);
    EXPECT_STREQ(top->label(), "Pelvoro");
    EXPECT_STREQ(top->xclass(), "Diag Test");
    EXPECT_STREQ(WidgetOf<Fl_Widget>(Control(IDC_FIRSTFRAME_GROUP))->label(), "Num of 1st frame");
    EXPECT_STREQ(WidgetOf<Fl_Widget>(Control(IDC_CONVERT))->label(), "convert");
}

TEST_F(ConverterWindow, EveryControlLiesInsideTheClientArea) {
    auto* top = WidgetOf<TopLevelWindow>(window_);
    int controls = 0;
    for (int id : {IDC_TIME, IDC_FPS, IDC_FIRSTFRAME_GROUP, IDC_FIRSTFRAME_0, IDC_FIRSTFRAME_1, IDC_CONVERT,
                   IDC_FRAME, IDC_QUIT, IDC_ABOUT}) {
        auto* widget = WidgetOf<Fl_Widget>(Control(id));
        ASSERT_NE(widget, nullptr) << id;
        EXPECT_TRUE(widget->visible()) << id;
        EXPECT_LE(widget->x() + widget->w(), top->w()) << id;
        EXPECT_LE(widget->y() + widget->h(), top->h()) << id;
        ++controls;
    }
    EXPECT_EQ(top->children(), controls);
}

TEST_F(ConverterWindow, CannotBeResized) {
    auto* top = WidgetOf<TopLevelWindow>(window_);
    const int width = top->w();
    const int height = top->h();
    top->resize(top->x(), top->y(), width + 100, height + 50);
    EXPECT_EQ(top->w(), width);
    EXPECT_EQ(top->h(), height);
}

struct ConvertCase {
    std::string name;
    std::string time;
    int rate;  // -1: none selected
    bool clickZero;
    const char* frameText;  // null when a message box is expected
    const char* message;
};

void PrintTo(const ConvertCase& c, std::ostream* os) { *os << c.name; }

class Convert : public ConverterWindow, public ::testing::WithParamInterface<ConvertCase> {};

TEST_P(Convert, ShowsTheFrameOrTheMessage) {
    const ConvertCase& c = GetParam();
    Type(c.time);
    if (c.rate >= 0) SelectRate(c.rate);
    if (c.clickZero) Click(IDC_FIRSTFRAME_0);
    Click(IDC_CONVERT);
    if (c.frameText != nullptr) {
        EXPECT_TRUE(messageBoxes_.empty());
        EXPECT_EQ(FrameBox(), c.frameText);
    } else {
        ASSERT_EQ(messageBoxes_.size(), 1u);
        EXPECT_EQ(messageBoxes_[0].text, c.message);
        EXPECT_EQ(messageBoxes_[0].caption, "error");
        EXPECT_EQ(messageBoxes_[0].type, static_cast<UINT>(MB_OK));
        EXPECT_EQ(messageBoxes_[0].owner, window_);
        EXPECT_FALSE(messageBoxes_[0].ownerEnabled);
        EXPECT_EQ(FrameBox(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Convert,
    ::testing::ValuesIn(std::vector<ConvertCase>{
        {"FirstFrameOne", "0:10", 2, false, "300.700", nullptr},
        {"FirstFrameZero", "0:10", 2, true, "299.700", nullptr},
        {"HoursMinutesSeconds", "1:02:03.5", 4, false, "223187.590", nullptr},
        {"LastRate", "0.001", 7, true, "0.120", nullptr},
        {"NoRateSelected", "0:10", -1, false, nullptr, "invalid fps value"},
        {"EmptyTimeNoRate", "", -1, false, nullptr, "syntax error (0): the first character is not number"},
        {"TooManyColons", "1:02:56:201", 2, false, nullptr, "syntax error (4): too many colons, e.g. 1:02:56:201"},
        {"DigitLimits", "123:00:00.1234", 1, false, nullptr, "syntax error (5) : hour part : milli-sec part "},
        // Only the first 199 characters of the time box take part.
        {"LongPasteCut", "5" + std::string(198, ' ') + "x" + std::string(9800, 'x'), 1, false, "121.000", nullptr},
        {"LongDigits", std::string(10000, '7'), 1, false, nullptr, "syntax error (1): too long strings"},
        {"ControlCharacter", "1\x01", 1, false, nullptr, "syntax error (3): wrong character after second part"},
        {"NonAscii", "\xE5\x8D\x81\xE7\xA7\x92", 1, false, nullptr,
         "syntax error (0): the first character is not number"},
        {"TabEndsTheSeconds", "12\tseconds", 1, false, "289.000", nullptr},
    }),
    [](const ::testing::TestParamInfo<ConvertCase>& info) { return info.param.name; });

TEST_F(ConverterWindow, FailureKeepsThePreviousResultAndTheInputs) {
    Type("0:10");
    SelectRate(2);
    Click(IDC_CONVERT);
    ASSERT_EQ(FrameBox(), "300.700");
    Type("0:1x");
    Click(IDC_CONVERT);
    ASSERT_EQ(messageBoxes_.size(), 1u);
    EXPECT_EQ(FrameBox(), "300.700");
    EXPECT_EQ(SendDlgItemMessageA(window_, IDC_FPS, LB_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(Checked(IDC_FIRSTFRAME_1));
    // The caret is back in the time box once the box is dismissed.
    EXPECT_EQ(GetFocus(), Control(IDC_TIME));
}

TEST_F(ConverterWindow, RadioButtonsChooseTheFirstFrameNumber) {
    Type("0:10");
    SelectRate(2);
    Click(IDC_FIRSTFRAME_0);
    EXPECT_TRUE(Checked(IDC_FIRSTFRAME_0));
    EXPECT_FALSE(Checked(IDC_FIRSTFRAME_1));
    EXPECT_FALSE(WidgetOf<Fl_Button>(Control(IDC_FIRSTFRAME_1))->value());
    Click(IDC_CONVERT);
    EXPECT_EQ(FrameBox(), "299.700");
    Click(IDC_FIRSTFRAME_1);
    Click(IDC_FIRSTFRAME_1);  // clicking a checked one keeps it checked
    EXPECT_TRUE(Checked(IDC_FIRSTFRAME_1));
    EXPECT_TRUE(WidgetOf<Fl_Button>(Control(IDC_FIRSTFRAME_1))->value());
    EXPECT_FALSE(Checked(IDC_FIRSTFRAME_0));
    Click(IDC_CONVERT);
    EXPECT_EQ(FrameBox(), "300.700");
}

TEST_F(ConverterWindow, RepeatedClicksGiveTheSameAnswerEachTime) {
    Type("1:02:03.5");
    SelectRate(0);
    for (int i = 0; i < 500; ++i) {
        Click(IDC_CONVERT);
        Fl::check();
    }
    EXPECT_EQ(FrameBox(), "89275.636");
    Type("");
    for (int i = 0; i < 300; ++i) Click(IDC_CONVERT);
    EXPECT_EQ(messageBoxes_.size(), 300u);
    EXPECT_EQ(FrameBox(), "89275.636");
}

TEST_F(ConverterWindow, TabEnterAndEscapeDoNothingInTheTimeBox) {
    SelectRate(2);
    Type("0:1");
    for (int key : {FL_Tab, FL_Enter, FL_Escape}) {
        const char text[2] = {static_cast<char>(key & 0x7F), '\0'};
        PressKey(Top(), key, text);
        EXPECT_EQ(GetFocus(), Control(IDC_TIME));
        EXPECT_EQ(Fl::focus(), WidgetOf<Fl_Widget>(Control(IDC_TIME)));
    }
    // Typing goes on in the same box after them.
    TypeKeys(Top(), "0");
    EXPECT_STREQ(WidgetOf<Fl_Input>(Control(IDC_TIME))->value(), "0:10");
    EXPECT_EQ(FrameBox(), "");
    EXPECT_TRUE(messageBoxes_.empty());
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(ConverterWindow, TypingReachesTheConversion) {
    SelectRate(1);
    Type("5.5");
    Click(IDC_CONVERT);
    EXPECT_EQ(FrameBox(), "133.000");
}

// Whatever box had the caret, coming back to the window puts it in the
// time box: through X focus leaving and returning, and through a click on
// another box first.
TEST_F(ConverterWindow, ComingBackPutsTheCaretInTheTimeBox) {
    Type("12");
    ClickAt(Top(), 150, 270);  // the frame box
    ASSERT_EQ(GetFocus(), Control(IDC_FRAME));
    Fl::handle(FL_UNFOCUS, Top());
    Fl::focus(WidgetOf<Fl_Widget>(Control(IDC_FRAME)));  // as FLTK remembers it
    Fl::handle(FL_FOCUS, Top());
    EXPECT_EQ(GetFocus(), Control(IDC_TIME));
    EXPECT_EQ(Fl::focus(), WidgetOf<Fl_Widget>(Control(IDC_TIME)));
    PressKey(Top(), FL_End);
    TypeKeys(Top(), "7");
    char text[16];
    GetDlgItemTextA(window_, IDC_TIME, text, sizeof text);
    EXPECT_STREQ(text, "127");
    EXPECT_EQ(FrameBox(), "");
}

TEST_F(ConverterWindow, AltF4ClosesTheWindowAndEndsTheLoopWithZero) {
    Type("12");
    PressKey(Top(), FL_F + 4, "", FL_ALT);
    EXPECT_FALSE(IsWindow(window_));
    MSG message;
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(ConverterWindow, AboutShowsTheVersionAndHowToUseIt) {
    Click(IDC_ABOUT);
    ASSERT_EQ(messageBoxes_.size(), 1u);
    const MessageBoxCall& about = messageBoxes_[0];
    EXPECT_EQ(about.caption, "Diag Test");
    EXPECT_EQ(about.type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(about.owner, window_);
    // Each further line after a blank line, indented by a tab, and short
    // enough to stand alone.
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = about.text.find('\n', start);
        lines.push_back(about.text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Pelvoro V1.00");
    for (std::size_t i = 1; i < lines.size(); i += 2) {
        EXPECT_EQ(lines[i], "") << "line " << i;
        ASSERT_LT(i + 1, lines.size());
        EXPECT_EQ(lines[i + 1].substr(0, 1), "\t") << lines[i + 1];
        EXPECT_LE(lines[i + 1].size(), 60u) << lines[i + 1];
    }
    EXPECT_EQ(FrameBox(), "");
}

TEST_F(ConverterWindow, QuitDestroysTheControlsAndEndsTheLoopWithZero) {
    HWND controls[] = {Control(IDC_TIME), Control(IDC_CONVERT), Control(IDC_QUIT), Control(IDC_ABOUT)};
    Click(IDC_QUIT);
    for (HWND control : controls) EXPECT_FALSE(IsWindow(control));
    EXPECT_TRUE(IsWindow(window_));  // the window goes with the process
    MSG message;
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.wParam, 0u);
    Fl::check();  // the Quit button's widget is deleted after its own callback
    EXPECT_EQ(WidgetOf<TopLevelWindow>(window_)->children(), 0);
}

TEST_F(ConverterWindow, CloseBoxEndsTheLoopWithZero) {
    WidgetOf<TopLevelWindow>(window_)->do_callback();
    EXPECT_FALSE(IsWindow(window_));
    MSG message;
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(ConverterWindow, PaintsTheLabelsOnTheButtonFace) {
    auto* top = WidgetOf<TopLevelWindow>(window_);
    top->wait_for_expose();
    top->redraw();
    Fl::flush();
    top->make_current();
    const int width = top->w();
    const int height = top->h();
    std::vector<uchar> pixels(static_cast<std::size_t>(width * height * 3));
    fl_read_image(pixels.data(), 0, 0, width, height);
    auto pixel = [&](int x, int y) {
        const uchar* p = &pixels[static_cast<std::size_t>((y * width + x) * 3)];
        return RGB(p[0], p[1], p[2]);
    };
    EXPECT_EQ(pixel(5, 5), GetSysColor(COLOR_BTNFACE));
    // Each label's cell has ink in it, drawn on the button face.
    struct Label {
        int x;
        int y;
    };
    for (Label label : {Label{30, 33}, Label{250, 78}, Label{315, 260}}) {
        int ink = 0;
        for (int y = label.y; y < label.y + 14; ++y) {
            for (int x = label.x; x < label.x + 24; ++x) {
                if (GetRValue(pixel(x, y)) < 100) ++ink;
            }
        }
        EXPECT_GT(ink, 10) << "label at " << label.x << "," << label.y;
        EXPECT_EQ(pixel(label.x - 2, label.y + 2), GetSysColor(COLOR_BTNFACE));
    }
}

}  // namespace
