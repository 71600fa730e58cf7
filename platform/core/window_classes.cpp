// Class registration and the stock icons and cursors.
#include <strings.h>

#include "window_records.h"

// Stock resources are identified by their numeric names; a handle only has
// to be distinct and stable for each.
struct PlatformIcon {
    UINT_PTR resource;
};
struct PlatformCursor {
    UINT_PTR resource;
};

namespace {

PlatformIcon g_stockIcons[] = {{32512}, {32513}, {32514}, {32515}, {32516}, {32517}};
PlatformCursor g_stockCursors[] = {{32512}, {32513}};

bool IsIntegerResource(LPCSTR name) { return (reinterpret_cast<UINT_PTR>(name) >> 16) == 0; }

template <class Resource, std::size_t Count>
Resource* FindStock(Resource (&stock)[Count], LPCSTR name) {
    for (Resource& resource : stock) {
        if (resource.resource == reinterpret_cast<UINT_PTR>(name)) return &resource;
    }
    return nullptr;
}

}  // namespace

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    // Only the stock icons: the program's own icon is for the file manager.
    if (instance != nullptr || !IsIntegerResource(name)) return nullptr;
    return FindStock(g_stockIcons, name);
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance != nullptr || !IsIntegerResource(name)) return nullptr;
    return FindStock(g_stockCursors, name);
}

const WindowClassRecord* FindWindowClass(const char* name) {
    if (name == nullptr) return nullptr;
    for (const auto& record : WindowSystem().classes) {
        if (strcasecmp(record->name.c_str(), name) == 0) return record.get();
    }
    return nullptr;
}

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA) ||
        windowClass->lpfnWndProc == nullptr || windowClass->lpszClassName == nullptr ||
        windowClass->lpszClassName[0] == '\0' || FindWindowClass(windowClass->lpszClassName) != nullptr) {
        return 0;
    }
    auto record = std::make_unique<WindowClassRecord>();
    record->name = windowClass->lpszClassName;
    record->style = windowClass->style;
    record->procedure = windowClass->lpfnWndProc;
    record->instance = windowClass->hInstance;
    record->icon = windowClass->hIcon;
    record->smallIcon = windowClass->hIconSm;
    record->cursor = windowClass->hCursor;
    record->background = windowClass->hbrBackground;
    auto& classes = WindowSystem().classes;
    classes.push_back(std::move(record));
    // Atoms of registered classes start at 0xC000.
    return static_cast<ATOM>(0xC000 + classes.size() - 1);
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE) {
    auto& state = WindowSystem();
    const WindowClassRecord* record = FindWindowClass(className);
    if (record == nullptr || record->system) return FALSE;
    for (PlatformWindow* window : state.liveWindows) {
        if (window->windowClass == record) return FALSE;  // still in use
    }
    for (auto it = state.classes.begin(); it != state.classes.end(); ++it) {
        if (it->get() == record) {
            state.classes.erase(it);
            break;
        }
    }
    return TRUE;
}

void RegisterSystemClasses() {
    struct SystemClass {
        const char* name;
        WNDPROC procedure;
    };
    const SystemClass systemClasses[] = {
        {"EDIT", EditProcedure},
        {"LISTBOX", ListBoxProcedure},
        {"BUTTON", ButtonProcedure},
    };
    for (const SystemClass& systemClass : systemClasses) {
        auto record = std::make_unique<WindowClassRecord>();
        record->name = systemClass.name;
        record->procedure = systemClass.procedure;
        record->cursor = LoadCursorA(nullptr, IDC_ARROW);
        record->system = true;
        WindowSystem().classes.push_back(std::move(record));
    }
}
