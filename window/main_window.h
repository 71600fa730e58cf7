#ifndef PELVORO_WINDOW_MAIN_WINDOW_H
#define PELVORO_WINDOW_MAIN_WINDOW_H

#include <windows.h>

extern HINSTANCE g_hInstance;

extern const char kMainWindowClass[];
extern const char kMainWindowTitle[];
extern const char kAboutText[];

// Registers the window class; zero when registration failed.
ATOM RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window, whose controls come into being during creation.
HWND CreateMainWindow(HINSTANCE instance);

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif
