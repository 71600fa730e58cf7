// The converter window: its class, its controls and its window procedure.
#include "main_window.h"

#include <cstring>

#include "control_table.h"
#include "conversion_request.h"
#include "frame_rates.h"
#include "resource.h"
#include "time_text_parser.h"

HINSTANCE g_hInstance = nullptr;

const char kMainWindowClass[] = "Diag Test";
const char kMainWindowTitle[] = "Pelvoro";
const char kAboutText[] =
    "Pelvoro V1.00\n"
    "\n\tConverts a playing time to a frame number.\n"
    "\n\tType the time as hours:minutes:seconds.fraction.\n"
    "\n\tPick a frame rate and the number of the first frame.\n"
    "\n\tThen press convert.";

namespace {

constexpr int kWindowWidth = 400;
constexpr int kWindowHeight = 410;

// Handles of the controls, in the order of the control table.
HWND g_controls[kControlCount];

HWND ControlWindow(int id) {
    for (int i = 0; i < kControlCount; ++i) {
        if (g_controlSpecs[i].id == id) return g_controls[i];
    }
    return nullptr;
}

void OnCreate(HWND hwnd) {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlSpec& spec = g_controlSpecs[i];
        g_controls[i] = CreateWindowExA(0, spec.className, spec.text, WS_CHILD | WS_VISIBLE | spec.style, spec.x,
                                        spec.y, spec.width, spec.height, hwnd,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), g_hInstance,
                                        nullptr);
    }
    HWND rateList = ControlWindow(IDC_FPS);
    for (int i = 0; i < g_frameRateCount; ++i) {
        SendMessageA(rateList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(g_frameRateLabels[i]));
    }
    SendMessageA(ControlWindow(IDC_FIRSTFRAME_0), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(ControlWindow(IDC_FIRSTFRAME_1), BM_SETCHECK, BST_CHECKED, 0);
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    for (int i = 0; i < g_paintedLabelCount; ++i) {
        const PaintedLabel& label = g_paintedLabels[i];
        TextOutA(dc, label.x, label.y, label.text, static_cast<int>(std::strlen(label.text)));
    }
    EndPaint(hwnd, &paint);
}

void OnConvert(HWND hwnd) {
    char timeText[kTimeTextCapacity];
    GetDlgItemTextA(hwnd, IDC_TIME, timeText, sizeof timeText);
    const LRESULT selection = SendDlgItemMessageA(hwnd, IDC_FPS, LB_GETCURSEL, 0, 0);
    const int rateIndex = selection == LB_ERR ? kNoRateSelected : static_cast<int>(selection);
    const bool firstFrameZero = SendDlgItemMessageA(hwnd, IDC_FIRSTFRAME_0, BM_GETCHECK, 0, 0) == BST_CHECKED;

    const ConversionOutcome outcome = RunConversion(timeText, rateIndex, firstFrameZero);
    if (outcome.ok()) {
        SetDlgItemTextA(hwnd, IDC_FRAME, outcome.result.text);
    } else {
        MessageBoxA(hwnd, outcome.errorMessage, "error", MB_OK);
    }
}

void OnQuit() {
    for (HWND& control : g_controls) {
        DestroyWindow(control);
        control = nullptr;
    }
    PostQuitMessage(0);
}

void OnCommand(HWND hwnd, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDC_CONVERT:
        OnConvert(hwnd);
        break;
    case IDC_QUIT:
        OnQuit();
        break;
    case IDC_ABOUT:
        MessageBoxA(hwnd, kAboutText, kMainWindowClass, MB_OK);
        break;
    default:
        break;  // notifications of the edit boxes, the list and the radio buttons
    }
}

}  // namespace

ATOM RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconA(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&windowClass);
}

HWND CreateMainWindow(HINSTANCE instance) {
    return CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, nullptr, instance,
                           nullptr);
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SETFOCUS:
        SetFocus(ControlWindow(IDC_TIME));
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_COMMAND:
        OnCommand(hwnd, wParam);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
