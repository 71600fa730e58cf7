#ifndef PELVORO_PLATFORM_FLTK_KEY_TRANSLATION_H
#define PELVORO_PLATFORM_FLTK_KEY_TRANSLATION_H

#include "window_records.h"

// The key of the FLTK event being handled (FL_KEYBOARD or FL_KEYUP) as the
// window system sees it: a virtual key, the modifiers, and the character it
// types in the ANSI code page.
KeyEvent TranslateCurrentKey(bool pressed);

#endif
