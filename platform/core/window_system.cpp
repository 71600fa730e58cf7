#include "window_records.h"
#include "window_system_testing.h"

namespace {

HeadlessBackend g_headlessBackend;

}  // namespace

void HeadlessBackend::PaintNow(HWND window) { OnPaintRequested(window); }

void HeadlessBackend::RequestClipboardText(HWND edit) { OnClipboardTextArrived(edit, clipboard_.c_str()); }

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

PlatformWindow* TopLevelOf(PlatformWindow* window) {
    while (window != nullptr && window->parent != nullptr) window = window->parent;
    return window;
}

void NotifyParent(PlatformWindow* control, WORD code) {
    if (control->parent == nullptr) return;
    SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code), reinterpret_cast<LPARAM>(control));
}

void ResetWindowSystem() {
    WindowSystemState& state = WindowSystem();
    // Top-level windows take their children with them.
    while (!state.liveWindows.empty()) {
        DestroyWindow(TopLevelOf(*state.liveWindows.begin()));
    }
    state.postedMessages.clear();
    state.inputMessages.clear();
    state.keyModifiers = 0;
    state.lastKeyDown = {};
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
    state.inputMessages.clear();
    state.focus = nullptr;
    state.active = nullptr;
}
