// The Linux window layer's own cost, with no display: opening the converter
// window (the window and its nine controls) and moving messages through the
// queue.
#include <benchmark/benchmark.h>

#include <windows.h>

#include "main_window.h"
#include "window_system_testing.h"

namespace {

constexpr int kQueuedMessages = 100000;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        ++*reinterpret_cast<long*>(lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void BM_OpenConverterWindow(benchmark::State& state) {
    ResetWindowSystem();
    RegisterMainWindowClass(nullptr);
    for (auto _ : state) {
        HWND window = CreateMainWindow(nullptr);
        benchmark::DoNotOptimize(window);
        state.PauseTiming();
        DestroyWindow(window);
        MSG quit;
        GetMessageA(&quit, nullptr, 0, 0);  // the quit posted by WM_DESTROY
        state.ResumeTiming();
    }
    ResetWindowSystem();
}
BENCHMARK(BM_OpenConverterWindow);

void BM_PostAndDispatch100000Messages(benchmark::State& state) {
    ResetWindowSystem();
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = CountingProcedure;
    windowClass.lpszClassName = "Counting";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, "Counting", "", WS_CAPTION, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    long dispatched = 0;
    for (auto _ : state) {
        for (int i = 0; i < kQueuedMessages; ++i) PostMessageA(window, WM_USER, 0, reinterpret_cast<LPARAM>(&dispatched));
        PostQuitMessage(0);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    }
    if (dispatched != static_cast<long>(state.iterations()) * kQueuedMessages) state.SkipWithError("messages lost");
    state.SetItemsProcessed(dispatched);
    ResetWindowSystem();
}
BENCHMARK(BM_PostAndDispatch100000Messages)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
