// A click on convert to the result shown in the frame box, on a real display:
// the button's callback, MainWndProc, the conversion, the frame box's text
// and the redraw of what changed.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>

#include <cstring>

#include "fltk_backend.h"
#include "main_window.h"
#include "resource.h"
#include "window_records.h"

struct PlatformInstance {};

namespace {

template <class Widget>
Widget* WidgetOf(HWND window) {
    return static_cast<Widget*>(static_cast<Fl_Widget*>(window->widget));
}

void BM_ConvertClickToFrameBox(benchmark::State& state) {
    static FltkBackend backend;
    static PlatformInstance instance;
    SetWindowBackend(&backend);
    g_hInstance = &instance;
    RegisterMainWindowClass(g_hInstance);
    HWND window = CreateMainWindow(g_hInstance);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    auto* convert = WidgetOf<Fl_Button>(GetDlgItem(window, IDC_CONVERT));
    auto* frame = WidgetOf<Fl_Input>(GetDlgItem(window, IDC_FRAME));
    SendDlgItemMessageA(window, IDC_FPS, LB_SETCURSEL, 2, 0);
    const char* times[] = {"0:10", "1:02:03.5"};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SetDlgItemTextA(window, IDC_TIME, times[i]);
        state.ResumeTiming();
        convert->do_callback();
        Fl::flush();
        i ^= 1;
    }
    if (std::strcmp(frame->value(), "300.700") != 0 && std::strcmp(frame->value(), "111594.295") != 0) {
        state.SkipWithError("the frame box does not show the result");
    }
}
BENCHMARK(BM_ConvertClickToFrameBox)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
