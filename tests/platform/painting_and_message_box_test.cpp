#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_window.h"
#include "window_backend.h"

namespace {

// Records what the window system asks a toolkit to draw.
class DrawingRecorder : public HeadlessBackend {
public:
    struct Text {
        int x;
        int y;
        std::string text;
        COLORREF background;
    };

    void FillBackground(HDC, COLORREF color) override { fills.push_back(color); }
    void DrawText(HDC dc, int x, int y, const char* text, int length) override {
        texts.push_back(Text{x, y, std::string(text, static_cast<std::size_t>(length)), GetBkColor(dc)});
    }

    std::vector<COLORREF> fills;
    std::vector<Text> texts;
};

class Painting : public WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        SetWindowBackend(&recorder_);
    }
    void TearDown() override {
        WindowSystemTest::TearDown();
        SetWindowBackend(nullptr);
    }
    DrawingRecorder recorder_;
};

TEST_F(Painting, PaintFillsWithTheClassBrushThenDrawsTheProceduresText) {
    HWND window = CreateMainWindow();
    handler_ = [](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT*) {
        if (message != WM_PAINT) return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        EXPECT_EQ(SetBkColor(dc, GetSysColor(COLOR_BTNFACE)), RGB(255, 255, 255));
        TextOutA(dc, 30, 33, "time", 4);
        EndPaint(hwnd, &paint);
        return true;
    };
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    ASSERT_EQ(recorder_.fills.size(), 1u);
    EXPECT_EQ(recorder_.fills[0], GetSysColor(COLOR_BTNFACE));
    ASSERT_EQ(recorder_.texts.size(), 1u);
    EXPECT_EQ(recorder_.texts[0].text, "time");
    EXPECT_EQ(recorder_.texts[0].x, 30);
    EXPECT_EQ(recorder_.texts[0].background, GetSysColor(COLOR_BTNFACE));
}

TEST_F(Painting, TextOutOutsidePaintingDrawsNothing) {
    HWND window = CreateMainWindow();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    EndPaint(window, &paint);
    EXPECT_FALSE(TextOutA(dc, 0, 0, "late", 4));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "none", 4));
    EXPECT_TRUE(recorder_.texts.empty());
}

TEST_F(Painting, HiddenWindowIsNotPaintedByUpdate) {
    HWND window = CreateMainWindow();
    UpdateWindow(window);
    EXPECT_TRUE(MessagesOf(WM_PAINT).empty());
}

using MessageBoxes = WindowSystemTest;

TEST_F(MessageBoxes, HandlerSeesTheBoxWhileItsOwnerIsDisabled) {
    HWND window = CreateMainWindow();
    HWND edit = CreateChild(window, "EDIT", "", 0, 1001);
    ShowWindow(window, SW_SHOWNORMAL);
    std::vector<MessageBoxCall> calls;
    SetMessageBoxHandler([&](const MessageBoxCall& call) {
        calls.push_back(call);
        return IDOK;
    });
    EXPECT_EQ(MessageBoxA(edit, "invalid fps value", "error", MB_OK), IDOK);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, edit);
    EXPECT_EQ(calls[0].text, "invalid fps value");
    EXPECT_EQ(calls[0].caption, "error");
    EXPECT_EQ(calls[0].type, static_cast<UINT>(MB_OK));
    EXPECT_FALSE(calls[0].ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(window));
}

TEST_F(MessageBoxes, OwnerIgnoresItsCloseBoxWhileTheBoxIsOpen) {
    HWND window = CreateMainWindow();
    SetMessageBoxHandler([&](const MessageBoxCall&) {
        OnCloseRequested(window);
        return IDOK;
    });
    MessageBoxA(window, "text", "caption", MB_OK);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(MessagesOf(WM_CLOSE).empty());
}

}  // namespace
