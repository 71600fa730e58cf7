// main() for the Linux build: puts the window system on FLTK and calls the
// program's WinMain as Windows would.
#include <windows.h>

#include <string>

#include "fltk_backend.h"

struct PlatformInstance {};

int main(int argc, char** argv) {
    static PlatformInstance instance;
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    FltkBackend backend;
    SetWindowBackend(&backend);
    const int exitCode = WinMain(&instance, nullptr, commandLine.data(), SW_SHOWNORMAL);
    ReleaseAllWindows();
    SetWindowBackend(nullptr);
    return exitCode;
}
