// main() for the Linux build: puts the window system on FLTK and calls the
// program's WinMain as Windows would.
#include <windows.h>

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <cstdio>
#include <cstring>
#include <string>

#include "fltk_backend.h"
#include "program_icon.h"

struct PlatformInstance {};

namespace {

const char* ProgramName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

}  // namespace

int main(int argc, char** argv) {
    const char* program = ProgramName(argc > 0 ? argv[0] : "pelvoro");
    // Without a display there is no window to open: say so in the program's
    // own words rather than the toolkit's.
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        const char* name = XDisplayName(nullptr);
        if (name[0] == '\0') {
            std::fprintf(stderr, "%s: cannot open the display: DISPLAY is not set\n", program);
        } else {
            std::fprintf(stderr, "%s: cannot open the display \"%s\"\n", program, name);
        }
        return 1;
    }
    fl_open_display(display);
    const Fl_RGB_Image icon(g_programIcon.rgba, g_programIcon.width, g_programIcon.height, 4);
    Fl_Window::default_icon(&icon);

    static PlatformInstance instance;
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    FltkBackend backend(program);
    SetWindowBackend(&backend);
    const int exitCode = WinMain(&instance, nullptr, commandLine.data(), SW_SHOWNORMAL);
    ReleaseAllWindows();
    SetWindowBackend(nullptr);
    return exitCode;
}
