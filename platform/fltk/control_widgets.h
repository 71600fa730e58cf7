#ifndef PELVORO_PLATFORM_FLTK_CONTROL_WIDGETS_H
#define PELVORO_PLATFORM_FLTK_CONTROL_WIDGETS_H

#include <windows.h>

#include <FL/Fl_Widget.H>

// The FLTK widget that shows one window record, made for its control kind,
// and kept in step with the record by the functions below.
Fl_Widget* MakeControlWidget(HWND control, int x, int y);

void ShowControlText(HWND control);
void ShowControlSelection(HWND control);
void ShowControlList(HWND control);
void ShowControlCheck(HWND control);

// Every widget of ours carries its window in user_data(); null once the
// window is gone and the widget waits for deferred deletion.
inline HWND WindowOfWidget(Fl_Widget* widget) { return static_cast<HWND>(widget->user_data()); }

#endif
