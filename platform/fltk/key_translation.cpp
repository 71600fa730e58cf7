#include "key_translation.h"

#include <FL/Fl.H>

#include <set>

namespace {

// US keyboard positions of the punctuation keys (VK_OEM_*).
UINT PunctuationKey(int key) {
    switch (key) {
    case ';': return 0xBA;
    case '=': return 0xBB;
    case ',': return 0xBC;
    case '-': return 0xBD;
    case '.': return 0xBE;
    case '/': return 0xBF;
    case '`': return 0xC0;
    case '[': return 0xDB;
    case '\\': return 0xDC;
    case ']': return 0xDD;
    case '\'': return 0xDE;
    default: return 0;
    }
}

UINT VirtualKeyOf(int key) {
    if (key >= 'a' && key <= 'z') return static_cast<UINT>(key - 'a' + 'A');
    if (key >= '0' && key <= '9') return static_cast<UINT>(key);
    if (key >= FL_KP + '0' && key <= FL_KP + '9') return static_cast<UINT>(0x60 + key - (FL_KP + '0'));
    if (key > FL_F && key <= FL_F + 24) return static_cast<UINT>(VK_F1 + key - FL_F - 1);
    switch (key) {
    case FL_BackSpace: return VK_BACK;
    case FL_Tab: return VK_TAB;
    case FL_Enter:
    case FL_KP_Enter: return VK_RETURN;
    case FL_Escape: return VK_ESCAPE;
    case ' ': return VK_SPACE;
    case FL_Page_Up: return VK_PRIOR;
    case FL_Page_Down: return VK_NEXT;
    case FL_End: return VK_END;
    case FL_Home: return VK_HOME;
    case FL_Left: return VK_LEFT;
    case FL_Up: return VK_UP;
    case FL_Right: return VK_RIGHT;
    case FL_Down: return VK_DOWN;
    case FL_Insert: return VK_INSERT;
    case FL_Delete: return VK_DELETE;
    case FL_Shift_L:
    case FL_Shift_R: return VK_SHIFT;
    case FL_Control_L:
    case FL_Control_R: return VK_CONTROL;
    case FL_Alt_L:
    case FL_Alt_R: return VK_MENU;
    case FL_KP + '.': return 0x6E;  // VK_DECIMAL
    default: break;
    }
    const UINT punctuation = PunctuationKey(key);
    return punctuation != 0 ? punctuation : 0xDF;  // VK_OEM_8: a key of another layout
}

// FLTK's text is UTF-8; the ANSI code page holds ASCII and, for our
// purposes, Latin-1 above it.
char AnsiCharacter(const char* text, int length) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    if (length == 1 && bytes[0] < 0x80) return static_cast<char>(bytes[0]);
    if (length == 2 && (bytes[0] == 0xC2 || bytes[0] == 0xC3) && (bytes[1] & 0xC0) == 0x80) {
        return static_cast<char>(((bytes[0] & 0x03) << 6) | (bytes[1] & 0x3F));
    }
    return '\0';
}

char CharacterOf(UINT virtualKey, BYTE modifiers) {
    switch (virtualKey) {
    case VK_BACK: return (modifiers & kControlHeld) != 0 ? '\x7F' : '\b';
    case VK_TAB: return '\t';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return '\x1B';
    default: break;
    }
    if ((modifiers & kControlHeld) != 0) {
        // Ctrl with a letter types its control character; with other keys nothing.
        return virtualKey >= 'A' && virtualKey <= 'Z' ? static_cast<char>(virtualKey - 'A' + 1) : '\0';
    }
    return AnsiCharacter(Fl::event_text(), Fl::event_length());
}

}  // namespace

KeyEvent TranslateCurrentKey(bool pressed) {
    static std::set<int> held;  // X repeats a held key as further presses
    const int key = Fl::event_key();
    const bool repeat = pressed && !held.insert(key).second;
    if (!pressed) held.erase(key);
    const int state = Fl::event_state();
    BYTE modifiers = 0;
    if ((state & FL_SHIFT) != 0) modifiers |= kShiftHeld;
    if ((state & FL_CTRL) != 0) modifiers |= kControlHeld;
    if ((state & FL_ALT) != 0) modifiers |= kAltHeld;
    const UINT virtualKey = VirtualKeyOf(key);
    return KeyEvent{virtualKey, pressed, repeat, modifiers, pressed ? CharacterOf(virtualKey, modifiers) : '\0'};
}
