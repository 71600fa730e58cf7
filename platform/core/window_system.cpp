#include "window_records.h"
#include "window_system_testing.h"

namespace {

// Without a toolkit nothing is drawn and nothing can arrive from outside.
class HeadlessBackend : public WindowBackend {
public:
    void CreateWidget(HWND) override {}
    void DestroyWidget(HWND) override {}
    void ShowWidget(HWND, int) override {}
    void PaintNow(HWND window) override { OnPaintRequested(window); }
    void Invalidate(HWND) override {}
    void TextChanged(HWND) override {}
    void ListChanged(HWND) override {}
    void CheckChanged(HWND) override {}
    void EnabledChanged(HWND) override {}
    void FocusChanged(HWND) override {}
    void FillBackground(HDC, COLORREF) override {}
    void DrawText(HDC, int, int, const char*, int) override {}
    int RunMessageBox(HWND, const char*, const char*, UINT) override { return IDOK; }
    bool WaitForEvents() override { return false; }
};

HeadlessBackend g_headlessBackend;

}  // namespace

WindowSystemState& WindowSystem() {
    static WindowSystemState state = [] {
        WindowSystemState initial;
        initial.backend = &g_headlessBackend;
        return initial;
    }();
    static bool systemClassesRegistered = false;
    if (!systemClassesRegistered) {
        systemClassesRegistered = true;
        RegisterSystemClasses();
    }
    return state;
}

WindowBackend& Backend() { return *WindowSystem().backend; }

void SetWindowBackend(WindowBackend* backend) {
    WindowSystem().backend = backend != nullptr ? backend : &g_headlessBackend;
}

PlatformWindow* LiveWindow(HWND window) {
    if (window == nullptr) return nullptr;
    const auto& live = WindowSystem().liveWindows;
    return live.count(window) != 0 ? window : nullptr;
}

void ResetWindowSystem() {
    WindowSystemState& state = WindowSystem();
    // Top-level windows take their children with them.
    while (!state.liveWindows.empty()) {
        PlatformWindow* window = *state.liveWindows.begin();
        while (window->parent != nullptr) window = window->parent;
        DestroyWindow(window);
    }
    state.postedMessages.clear();
    state.quitPosted = false;
    state.quitCode = 0;
    state.focus = nullptr;
    state.active = nullptr;
    auto& classes = state.classes;
    for (auto it = classes.begin(); it != classes.end();) {
        it = (*it)->system ? it + 1 : classes.erase(it);
    }
    SetMessageBoxHandler(nullptr);
}

void ReleaseAllWindows() {
    WindowSystemState& state = WindowSystem();
    for (PlatformWindow* window : state.liveWindows) {
        if (window->parent == nullptr) Backend().DestroyWidget(window);
    }
    for (PlatformWindow* window : state.liveWindows) delete window;
    state.liveWindows.clear();
    state.postedMessages.clear();
    state.focus = nullptr;
    state.active = nullptr;
}
