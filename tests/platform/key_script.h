#ifndef PELVORO_TESTS_PLATFORM_KEY_SCRIPT_H
#define PELVORO_TESTS_PLATFORM_KEY_SCRIPT_H

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "window_records.h"

// Plays keys as a user types them, then runs the program's message loop
// over what they posted. Plain characters are typed; a name in braces is a
// key, with S-, C- and A- for Shift, Ctrl and Alt held: "ab{BS}{C-z}".
inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

inline void PressAndRelease(UINT virtualKey, char character, BYTE modifiers) {
    OnUserKey(KeyEvent{virtualKey, true, false, modifiers, character});
    OnUserKey(KeyEvent{virtualKey, false, false, modifiers, '\0'});
}

inline void PlayKeys(const std::string& script) {
    static const std::map<std::string, std::pair<UINT, char>> named{
        {"BS", {VK_BACK, '\b'}},     {"Enter", {VK_RETURN, '\r'}}, {"Tab", {VK_TAB, '\t'}},
        {"Esc", {VK_ESCAPE, 0x1B}},  {"Left", {VK_LEFT, 0}},       {"Right", {VK_RIGHT, 0}},
        {"Up", {VK_UP, 0}},          {"Down", {VK_DOWN, 0}},       {"Home", {VK_HOME, 0}},
        {"End", {VK_END, 0}},        {"PgUp", {VK_PRIOR, 0}},      {"PgDn", {VK_NEXT, 0}},
        {"Del", {VK_DELETE, 0}},     {"Ins", {VK_INSERT, 0}},      {"F4", {VK_F4, 0}},
        {"Space", {VK_SPACE, ' '}},
    };
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] != '{') {
            const char c = script[i];
            const UINT key = c >= 'a' && c <= 'z' ? static_cast<UINT>(c - 'a' + 'A') : static_cast<UINT>(c);
            PressAndRelease(key, c, 0);
            continue;
        }
        const std::size_t close = script.find('}', i);
        std::string name = script.substr(i + 1, close - i - 1);
        i = close;
        BYTE modifiers = 0;
        while (name.size() > 2 && name[1] == '-') {
            modifiers |= name[0] == 'S' ? kShiftHeld : name[0] == 'C' ? kControlHeld : kAltHeld;
            name.erase(0, 2);
        }
        if (name.size() == 1) {  // Ctrl with a letter types its control character
            const char letter = name[0];
            const char typed = (modifiers & kControlHeld) != 0 ? static_cast<char>(letter - 'a' + 1) : letter;
            PressAndRelease(static_cast<UINT>(letter - 'a' + 'A'), typed, modifiers);
            continue;
        }
        const auto found = named.find(name);
        ASSERT_NE(found, named.end()) << name;
        PressAndRelease(found->second.first, found->second.second, modifiers);
    }
    PumpMessages();
}

#endif
