#ifndef PELVORO_PLATFORM_CORE_WINDOW_SYSTEM_TESTING_H
#define PELVORO_PLATFORM_CORE_WINDOW_SYSTEM_TESTING_H

#include <windows.h>

#include <functional>
#include <string>

// Seams for tests that drive windows without a person in front of them.

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
    bool ownerEnabled;  // whether the owner could take input while the box was open
};

// Answers every MessageBoxA instead of showing a dialog; an empty handler
// restores the real dialog.
void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler);

// Destroys every window, forgets the application's classes, empties the
// queue and clears a posted quit, as at process start.
void ResetWindowSystem();

#endif
