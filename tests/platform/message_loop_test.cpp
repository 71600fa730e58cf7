#include <gtest/gtest.h>

#include "recording_window.h"

namespace {

using MessageLoop = WindowSystemTest;

TEST_F(MessageLoop, PostedMessagesArriveInOrderThenTheQuitMessage) {
    HWND window = CreateMainWindow();
    PostMessageA(window, WM_USER + 1, 10, 0);
    PostQuitMessage(7);
    PostMessageA(window, WM_USER + 2, 20, 0);

    MSG message;
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 1));
    DispatchMessageA(&message);
    // The quit message waits until nothing else is queued.
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 2));
    DispatchMessageA(&message);
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);

    ASSERT_EQ(MessagesOf(WM_USER + 1).size(), 1u);
    EXPECT_EQ(MessagesOf(WM_USER + 2)[0].wParam, 20u);
}

TEST_F(MessageLoop, WithNothingToWaitForGetMessageFailsInsteadOfHanging) {
    MSG message;
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), -1);
}

TEST_F(MessageLoop, MessagesForADestroyedWindowAreDropped) {
    HWND window = CreateMainWindow();
    HWND edit = CreateChild(window, "EDIT", "", 0, 1);
    PostMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
    DestroyWindow(edit);
    PostQuitMessage(0);
    MSG message;
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(PostMessageA(edit, WM_USER, 0, 0), FALSE);
}

TEST_F(MessageLoop, SendCallsTheProcedureAtOnce) {
    HWND window = CreateMainWindow();
    handler_ = [](HWND, UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
        *result = static_cast<LRESULT>(wParam * 2);
        return message == WM_USER;
    };
    EXPECT_EQ(SendMessageA(window, WM_USER, 21, 0), 42);
}

TEST_F(MessageLoop, QuitFromAWindowProcedureEndsTheLoop) {
    HWND window = CreateMainWindow();
    handler_ = [](HWND, UINT message, WPARAM, LPARAM, LRESULT*) {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return false;
    };
    PostMessageA(window, WM_CLOSE, 0, 0);
    MSG message;
    int dispatched = 0;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        DispatchMessageA(&message);
        ++dispatched;
    }
    EXPECT_EQ(got, FALSE);
    EXPECT_EQ(dispatched, 1);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
