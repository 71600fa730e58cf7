#ifndef PELVORO_WINDOW_RESOURCE_H
#define PELVORO_WINDOW_RESOURCE_H

// Resources
#define IDI_PELVORO 101

// Controls of the main window
#define IDC_TIME 1001
#define IDC_FPS 1002
#define IDC_FIRSTFRAME_GROUP 1005
#define IDC_FIRSTFRAME_0 1006
#define IDC_FIRSTFRAME_1 1007
#define IDC_CONVERT 1010
#define IDC_FRAME 1011
#define IDC_QUIT 1020
#define IDC_ABOUT 1021

#endif
