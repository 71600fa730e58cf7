#ifndef PELVORO_TESTS_PLATFORM_FLTK_FIXTURE_H
#define PELVORO_TESTS_PLATFORM_FLTK_FIXTURE_H

#include <windows.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fltk_backend.h"
#include "window_records.h"
#include "window_system_testing.h"

// Windows on a real X display (the test command starts Xvfb), with message
// boxes answered by the test.
class FltkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "these tests need an X display";
        ResetWindowSystem();
        SetWindowBackend(&Backend());
        SetMessageBoxHandler([this](const MessageBoxCall& call) {
            messageBoxes_.push_back(call);
            return IDOK;
        });
    }

    void TearDown() override {
        ResetWindowSystem();
        SetWindowBackend(nullptr);
        Fl::check();  // lets FLTK delete the widgets of destroyed windows
    }

    static FltkBackend& Backend() {
        static FltkBackend backend;
        return backend;
    }

    template <class Widget>
    static Widget* WidgetOf(HWND window) {
        return static_cast<Widget*>(static_cast<Fl_Widget*>(window->widget));
    }

    // A key as the user presses it, delivered the way FLTK delivers X events.
    static void PressKey(Fl_Window* window, int key, const char* text = "") {
        Fl::e_keysym = key;
        Fl::e_text = const_cast<char*>(text);
        Fl::e_length = static_cast<int>(std::char_traits<char>::length(text));
        Fl::e_state = 0;
        Fl::handle(FL_KEYBOARD, window);
    }

    std::vector<MessageBoxCall> messageBoxes_;
};

#endif
