#ifndef PELVORO_TESTS_PLATFORM_FLTK_FIXTURE_H
#define PELVORO_TESTS_PLATFORM_FLTK_FIXTURE_H

#include <windows.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fltk_backend.h"
#include "key_script.h"
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

    // A key as the user presses and releases it, delivered the way FLTK
    // delivers X events, then the program's loop reads what it posted.
    static void PressKey(Fl_Window* window, int key, const char* text = "", int state = 0) {
        Fl::e_keysym = key;
        Fl::e_text = const_cast<char*>(text);
        Fl::e_length = static_cast<int>(std::char_traits<char>::length(text));
        Fl::e_state = state;
        Fl::handle(FL_KEYBOARD, window);
        Fl::e_text = const_cast<char*>("");
        Fl::e_length = 0;
        Fl::handle(FL_KEYUP, window);
        Fl::e_state = 0;
        PumpMessages();
    }

    // Printable ASCII typed key by key.
    static void TypeKeys(Fl_Window* window, const std::string& text) {
        for (char c : text) {
            const char typed[2] = {c, '\0'};
            PressKey(window, static_cast<unsigned char>(c), typed);
        }
    }

    // A press and release of a mouse button at a point of the window.
    static void ClickAt(Fl_Window* window, int x, int y, int button = FL_LEFT_MOUSE) {
        Fl::e_x = x;
        Fl::e_y = y;
        Fl::e_x_root = window->x_root() + x;
        Fl::e_y_root = window->y_root() + y;
        Fl::e_keysym = FL_Button + button;
        Fl::e_clicks = 0;
        Fl::e_is_click = 1;
        Fl::e_state = FL_BUTTON(button);
        Fl::handle(FL_PUSH, window);
        Fl::handle(FL_RELEASE, window);
        Fl::e_state = 0;
        PumpMessages();
    }

    std::vector<MessageBoxCall> messageBoxes_;
};

#endif
