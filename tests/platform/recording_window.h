#ifndef PELVORO_TESTS_PLATFORM_RECORDING_WINDOW_H
#define PELVORO_TESTS_PLATFORM_RECORDING_WINDOW_H

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "window_records.h"
#include "window_system_testing.h"

// A window class whose procedure records every message it receives and
// leaves the rest to DefWindowProcA, for tests of the window system itself.
class WindowSystemTest : public ::testing::Test {
protected:
    static constexpr const char* kClassName = "Recording Window";

    void SetUp() override {
        ResetWindowSystem();
        current_ = this;
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = Record;
        windowClass.lpszClassName = kClassName;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        ASSERT_NE(RegisterClassExA(&windowClass), 0);
    }

    void TearDown() override {
        ResetWindowSystem();
        current_ = nullptr;
    }

    HWND CreateMainWindow() {
        return CreateWindowExA(0, kClassName, "Main", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                               400, 410, nullptr, nullptr, nullptr, nullptr);
    }

    HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int id) {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 100, 20, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    std::vector<MSG> MessagesOf(UINT message) const {
        std::vector<MSG> found;
        for (const MSG& m : received_) {
            if (m.message == message) found.push_back(m);
        }
        return found;
    }

    std::vector<MSG> received_;
    // Runs inside the procedure, before DefWindowProcA, when set.
    std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)> handler_;

private:
    static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        current_->received_.push_back(MSG{window, message, wParam, lParam, 0, {0, 0}});
        LRESULT result = 0;
        if (current_->handler_ && current_->handler_(window, message, wParam, lParam, &result)) return result;
        return DefWindowProcA(window, message, wParam, lParam);
    }

    static inline WindowSystemTest* current_ = nullptr;
};

#endif
