// Starts a program and measures, from the X server's side, how long it takes
// until its window is mapped and painted: the time of the last drawing into
// any of its top-level windows before it goes quiet. Also reports its peak
// memory. The program is then ended.
//
// Usage: startup_timer RUNS PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
// Shorter than a caret blink, longer than any gap in a first paint.
constexpr auto kQuiet = std::chrono::milliseconds(250);
constexpr auto kGiveUp = std::chrono::seconds(60);

long PeakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

struct Run {
    double mappedMs = -1;
    double paintedMs = -1;
    long peakKiB = -1;
};

Run TimeOneStart(Display* display, int damageEventBase, char** command) {
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);
    Run run;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    Clock::time_point lastPaint;
    bool mapped = false;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const auto since = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            } else if (event.type == MapNotify && !mapped && event.xmap.event == root) {
                mapped = true;
                run.mappedMs = since;
            } else if (event.type == damageEventBase + XDamageNotify) {
                auto& damage = reinterpret_cast<XDamageNotifyEvent&>(event);
                XDamageSubtract(display, damage.damage, None, None);
                if (mapped) {
                    run.paintedMs = since;
                    lastPaint = Clock::now();
                }
            }
        }
        const Clock::time_point now = Clock::now();
        if (run.paintedMs >= 0 && now - lastPaint >= kQuiet) break;
        if (now - start >= kGiveUp) break;
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 20);
    }
    run.peakKiB = PeakResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XSelectInput(display, root, NoEventMask);
    return run;
}

// Some windows cannot be watched (input-only ones); that is no failure here.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_timer RUNS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    int damageEventBase = 0;
    int damageErrorBase = 0;
    if (display == nullptr || !XDamageQueryExtension(display, &damageEventBase, &damageErrorBase)) {
        std::fprintf(stderr, "startup_timer: needs an X display with the DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXErrors);
    std::vector<double> mapped;
    std::vector<double> painted;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        const Run run = TimeOneStart(display, damageEventBase, argv + 2);
        if (run.paintedMs < 0) {
            std::fprintf(stderr, "startup_timer: %s never painted a window\n", argv[2]);
            return 1;
        }
        mapped.push_back(run.mappedMs);
        painted.push_back(run.paintedMs);
        peak = std::max(peak, run.peakKiB);
    }
    std::printf("%s: median of %d starts: mapped %.1f ms, painted %.1f ms; peak RSS %ld KiB\n", argv[2], runs,
                Median(mapped), Median(painted), peak);
    return 0;
}
