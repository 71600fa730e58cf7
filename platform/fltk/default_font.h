#ifndef PELVORO_PLATFORM_FLTK_DEFAULT_FONT_H
#define PELVORO_PLATFORM_FLTK_DEFAULT_FONT_H

#include <FL/Enumerations.H>

// The window system's default font: controls, painted text and message boxes
// all use it, as no window sets a font of its own.
constexpr Fl_Font kDefaultFont = FL_HELVETICA;
constexpr Fl_Fontsize kDefaultFontSize = 14;

#endif
