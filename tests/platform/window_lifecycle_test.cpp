#include <gtest/gtest.h>

#include "recording_window.h"

namespace {

using WindowLifecycle = WindowSystemTest;

TEST_F(WindowLifecycle, RegisterClassRejectsDuplicatesAndMissingProcedures) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "recording WINDOW";  // names compare without case
    EXPECT_EQ(RegisterClassExA(&windowClass), 0);

    windowClass.lpszClassName = "Another";
    windowClass.lpfnWndProc = nullptr;
    EXPECT_EQ(RegisterClassExA(&windowClass), 0);

    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.cbSize = 0;
    EXPECT_EQ(RegisterClassExA(&windowClass), 0);

    windowClass.cbSize = sizeof windowClass;
    EXPECT_NE(RegisterClassExA(&windowClass), 0);
}

TEST_F(WindowLifecycle, CreateDeliversCreateBeforeReturning) {
    HWND createdInside = nullptr;
    handler_ = [&](HWND window, UINT message, WPARAM, LPARAM lParam, LRESULT*) {
        if (message == WM_CREATE) {
            createdInside = window;
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            EXPECT_STREQ(create->lpszName, "Main");
            EXPECT_EQ(create->cx, 400);
        }
        return false;
    };
    HWND window = CreateMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(createdInside, window);
    ASSERT_EQ(MessagesOf(WM_CREATE).size(), 1u);
    char title[16];
    EXPECT_EQ(GetWindowTextA(window, title, sizeof title), 4);
    EXPECT_STREQ(title, "Main");
}

TEST_F(WindowLifecycle, CreateFailsForUnknownClassOrRefusedCreate) {
    EXPECT_EQ(CreateWindowExA(0, "No Such Class", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    handler_ = [](HWND, UINT message, WPARAM, LPARAM, LRESULT* result) {
        *result = -1;
        return message == WM_CREATE;
    };
    EXPECT_EQ(CreateMainWindow(), nullptr);
    EXPECT_EQ(MessagesOf(WM_DESTROY).size(), 1u);
}

TEST_F(WindowLifecycle, ClientAreaExcludesFrameAndCaptionAndHoldsTheControls) {
    HWND window = CreateMainWindow();
    RECT client;
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_LT(client.right, 400);
    EXPECT_LT(client.bottom, 410);
    // The farthest corners of the converter's controls.
    EXPECT_GE(client.right, 80 + 256);
    EXPECT_GE(client.bottom, 314 + 34);
}

TEST_F(WindowLifecycle, ChildIdComesFromTheMenuArgument) {
    HWND window = CreateMainWindow();
    HWND edit = CreateChild(window, "EDIT", "", WS_BORDER, 1001);
    HWND button = CreateChild(window, "button", "go", 0, 1010);  // class names ignore case
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetDlgItem(window, 1001), edit);
    EXPECT_EQ(GetDlgItem(window, 1010), button);
    EXPECT_EQ(GetDlgItem(window, 1002), nullptr);
    EXPECT_EQ(GetDlgCtrlID(button), 1010);
    EXPECT_EQ(GetParent(edit), window);
}

TEST_F(WindowLifecycle, ChildNeedsALiveParent) {
    EXPECT_EQ(CreateChild(nullptr, "EDIT", "", 0, 1), nullptr);
}

TEST_F(WindowLifecycle, DestroyingAControlRemovesOnlyIt) {
    HWND window = CreateMainWindow();
    HWND edit = CreateChild(window, "EDIT", "", 0, 1001);
    HWND button = CreateChild(window, "BUTTON", "Quit", 0, 1020);
    EXPECT_TRUE(DestroyWindow(edit));
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(GetDlgItem(window, 1001), nullptr);
    EXPECT_EQ(GetDlgItem(window, 1020), button);
    EXPECT_TRUE(MessagesOf(WM_DESTROY).empty());  // the main window lives on
    EXPECT_FALSE(DestroyWindow(edit));            // a stale handle is refused, not used
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(WindowLifecycle, CloseGoesThroughDefWindowProcToDestroy) {
    HWND window = CreateMainWindow();
    HWND edit = CreateChild(window, "EDIT", "", 0, 1001);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(MessagesOf(WM_DESTROY).size(), 1u);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(edit));
}

TEST_F(WindowLifecycle, StockIconsAndCursorsHaveStableHandles) {
    HICON application = LoadIconA(nullptr, IDI_APPLICATION);
    HICON logo = LoadIconA(nullptr, IDI_WINLOGO);
    ASSERT_NE(application, nullptr);
    ASSERT_NE(logo, nullptr);
    EXPECT_NE(application, logo);
    EXPECT_EQ(LoadIconA(nullptr, IDI_APPLICATION), application);
    EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
}

TEST_F(WindowLifecycle, ShowWindowActivatesAndDefaultFocusGoesToTheWindow) {
    HWND window = CreateMainWindow();
    EXPECT_FALSE(ShowWindow(window, SW_SHOWNORMAL));
    EXPECT_TRUE(IsWindowVisible(window));
    ASSERT_EQ(MessagesOf(WM_ACTIVATE).size(), 1u);
    ASSERT_EQ(MessagesOf(WM_SETFOCUS).size(), 1u);
    EXPECT_EQ(GetFocus(), window);
    EXPECT_TRUE(ShowWindow(window, SW_SHOWNORMAL));  // was visible already
    EXPECT_EQ(MessagesOf(WM_SETFOCUS).size(), 1u);
}

TEST_F(WindowLifecycle, ReactivationGivesTheWindowFocusAgain) {
    HWND window = CreateMainWindow();
    HWND edit = CreateChild(window, "EDIT", "", 0, 1001);
    ShowWindow(window, SW_SHOWNORMAL);
    SetFocus(edit);
    received_.clear();
    // The user switches to another program and back.
    MessageBoxA(window, "x", "y", MB_OK);
    ASSERT_EQ(MessagesOf(WM_SETFOCUS).size(), 1u);
    EXPECT_EQ(GetFocus(), window);
}

TEST_F(WindowLifecycle, SetFocusSendsKillAndSetFocus) {
    HWND window = CreateMainWindow();
    HWND first = CreateChild(window, "EDIT", "", 0, 1);
    HWND second = CreateChild(window, "EDIT", "", 0, 2);
    SetFocus(first);
    received_.clear();
    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(GetFocus(), second);
    // The parent hears of it through the edit controls' notifications.
    const auto commands = MessagesOf(WM_COMMAND);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(1, EN_KILLFOCUS));
    EXPECT_EQ(commands[1].wParam, MAKEWPARAM(2, EN_SETFOCUS));
}

}  // namespace
