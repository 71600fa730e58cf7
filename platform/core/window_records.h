#ifndef PELVORO_PLATFORM_CORE_WINDOW_RECORDS_H
#define PELVORO_PLATFORM_CORE_WINDOW_RECORDS_H

#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "edit_buffer.h"
#include "window_backend.h"

struct WindowClassRecord {
    std::string name;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    bool system = false;  // EDIT, LISTBOX, BUTTON: always there
};

// The state GDI keeps for one painting pass.
struct PlatformDeviceContext {
    HWND window = nullptr;
    COLORREF backgroundColor = RGB(255, 255, 255);
    bool painting = false;
};

enum class ControlKind { NotAControl, Edit, ListBox, PushButton, RadioButton, CheckBox, GroupBox };

struct PlatformWindow {
    const WindowClassRecord* windowClass = nullptr;
    WNDPROC procedure = nullptr;
    PlatformWindow* parent = nullptr;
    std::vector<PlatformWindow*> children;  // creation order
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    bool destroying = false;
    ControlKind kind = ControlKind::NotAControl;
    EditBuffer edit;                 // edit control text, selection and undo
    std::vector<std::string> items;  // list box entries
    int selection = LB_ERR;          // list box selection
    int caretIndex = 0;              // list box entry with the focus rectangle
    int topIndex = 0;                // list box entry shown first
    int check = BST_UNCHECKED;       // radio button and check box state
    bool pushed = false;             // button held down by the Space key
    PlatformDeviceContext paintContext;
    void* widget = nullptr;          // the backend's, for this window
};

// Everything the window system holds for the one GUI thread.
struct WindowSystemState {
    std::vector<std::unique_ptr<WindowClassRecord>> classes;
    std::unordered_set<PlatformWindow*> liveWindows;
    std::deque<MSG> postedMessages;
    // Keyboard and wheel input waits behind posted messages, as in the
    // system's own input queue. Each key message carries the modifiers held
    // at the time and the character it types, for GetKeyState and
    // TranslateMessage once it is read.
    struct InputMessage {
        MSG message;
        BYTE modifiers;
        char character;
    };
    std::deque<InputMessage> inputMessages;
    BYTE keyModifiers = 0;    // those of the key message read last
    InputMessage lastKeyDown{};  // the key press read last, until translated
    bool quitPosted = false;
    int quitCode = 0;
    HWND focus = nullptr;
    HWND active = nullptr;
    WindowBackend* backend = nullptr;
};

WindowSystemState& WindowSystem();
WindowBackend& Backend();

// The record behind a handle, or null when the handle names no live window.
PlatformWindow* LiveWindow(HWND window);

// The window's top-level ancestor, the window itself when it has no parent.
PlatformWindow* TopLevelOf(PlatformWindow* window);

const WindowClassRecord* FindWindowClass(const char* name);
void RegisterSystemClasses();

// What a toolkit reports; each behaves as the matching user action on Windows.
enum : BYTE { kShiftHeld = 1, kControlHeld = 2, kAltHeld = 4 };
struct KeyEvent {
    UINT virtualKey;
    bool pressed;    // false on release
    bool repeat;     // held down: the key was already down
    BYTE modifiers;  // kShiftHeld, kControlHeld, kAltHeld
    char character;  // what the key types in the ANSI code page, 0 for none
};
void OnUserKey(const KeyEvent& key);
void OnUserTurnedWheel(int delta);  // WHEEL_DELTA a notch, positive away from the user
void OnUserPressedControl(HWND control);  // a mouse button went down on it
void OnUserSelectedText(HWND edit, int anchor, int caret);
void OnUserDoubleClickedText(HWND edit, int index);
void OnUserOpenedContextMenu(HWND control, int screenX, int screenY);
void OnClipboardTextArrived(HWND edit, const char* text);
void OnUserSelectedEntry(HWND listBox, int index);
void OnUserScrolledList(HWND listBox, int topIndex);
void OnUserClickedButton(HWND button);
void OnWindowActivated(HWND topLevel);
void OnWindowDeactivated(HWND topLevel);
void OnCloseRequested(HWND topLevel);
void OnPaintRequested(HWND window);

// Control class procedures.
LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void NotifyParent(PlatformWindow* control, WORD code);
bool IsKeyMessage(UINT message);

#endif
