#ifndef PELVORO_WINDOW_CONTROL_TABLE_H
#define PELVORO_WINDOW_CONTROL_TABLE_H

#include <windows.h>

// One child control of the main window; positions are client coordinates.
struct ControlSpec {
    int id;
    const char* className;
    const char* text;
    DWORD style;  // besides WS_CHILD and WS_VISIBLE
    int x;
    int y;
    int width;
    int height;
};

// In creation order.
constexpr int kControlCount = 9;
extern const ControlSpec g_controlSpecs[kControlCount];

// A text the window paints on its client area.
struct PaintedLabel {
    const char* text;
    int x;
    int y;
};

extern const PaintedLabel g_paintedLabels[];
extern const int g_paintedLabelCount;

#endif
