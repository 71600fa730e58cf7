#include "control_table.h"

#include "resource.h"

const ControlSpec g_controlSpecs[kControlCount] = {
    {IDC_TIME, "EDIT", "", WS_BORDER | ES_AUTOHSCROLL, 80, 28, 220, 28},
    {IDC_FPS, "LISTBOX", "", WS_VSCROLL | WS_TABSTOP | LBS_DISABLENOSCROLL | LBS_NOINTEGRALHEIGHT, 80, 72,
     145, 46},
    {IDC_FIRSTFRAME_GROUP, "BUTTON", "Num of 1st frame", BS_GROUPBOX, 80, 134, 256, 54},
    {IDC_FIRSTFRAME_0, "BUTTON", "0", BS_AUTORADIOBUTTON, 160, 158, 36, 20},
    {IDC_FIRSTFRAME_1, "BUTTON", "1", BS_AUTORADIOBUTTON, 240, 158, 36, 20},
    {IDC_CONVERT, "BUTTON", "convert", BS_PUSHBUTTON, 150, 204, 116, 36},
    {IDC_FRAME, "EDIT", "", WS_BORDER | ES_AUTOHSCROLL, 80, 256, 220, 28},
    {IDC_QUIT, "BUTTON", "Quit", BS_PUSHBUTTON, 270, 314, 80, 34},
    {IDC_ABOUT, "BUTTON", "About", BS_PUSHBUTTON, 50, 314, 80, 34},
};

const PaintedLabel g_paintedLabels[] = {
    {"time", 30, 33},
    {"fps", 250, 78},
    {"frame", 315, 260},
};
const int g_paintedLabelCount = sizeof g_paintedLabels / sizeof g_paintedLabels[0];
