// Times programs from process start to their first top-level window mapped on the X display
// named by DISPLAY. The root window's substructure events report the map the moment the
// server performs it, so the figure has no polling delay in it. The programs are started in
// turn, run after run, so that both see the same machine load; each is ended with SIGTERM once
// its window is mapped.
//
// Usage: window_start_timer <runs> <program> [<program> ...]
#include <X11/Xlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr auto kWindowTimeout = std::chrono::seconds(30);

// Starts the program and waits for the first window mapped as a child of the root window.
// Returns a negative time when the program ends or times out without one.
double TimeToWindowMapped(Display& display, const std::string& program) {
    const Window root = DefaultRootWindow(&display);
    XSelectInput(&display, root, SubstructureNotifyMask);
    XSync(&display, True);

    std::vector<char*> arguments{const_cast<char*>(program.c_str()), nullptr};
    pid_t child = 0;
    const Clock::time_point start = Clock::now();
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environ) != 0) {
        std::perror(program.c_str());
        return -1;
    }

    double elapsed = -1;
    const int connection = ConnectionNumber(&display);
    while (Clock::now() - start < kWindowTimeout) {
        if (XPending(&display) == 0) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(connection, &readable);
            timeval tick{0, 100000};
            select(connection + 1, &readable, nullptr, nullptr, &tick);
            if (waitpid(child, nullptr, WNOHANG) == child) {
                child = 0;
                break;
            }
            continue;
        }
        XEvent event;
        XNextEvent(&display, &event);
        if (event.type == MapNotify && event.xmap.event == root) {
            elapsed = Milliseconds(Clock::now() - start).count();
            break;
        }
    }

    XSelectInput(&display, root, NoEventMask);
    if (child != 0) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <runs> <program> [<program> ...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::string> programs(argv + 2, argv + argc);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr || runs < 1) {
        std::fprintf(stderr, "needs an X display in DISPLAY and at least one run\n");
        return 2;
    }

    std::vector<std::vector<double>> times(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const double elapsed = TimeToWindowMapped(*display, programs[i]);
            if (elapsed < 0) {
                std::fprintf(stderr, "%s showed no window\n", programs[i].c_str());
                return 1;
            }
            times[i].push_back(elapsed);
        }
    }
    XCloseDisplay(display);

    for (std::size_t i = 0; i < programs.size(); ++i) {
        std::printf("start-up to window mapped, %s: median %.1f ms, min %.1f ms over %d runs\n",
                    programs[i].c_str(), Median(times[i]),
                    *std::min_element(times[i].begin(), times[i].end()), runs);
    }
    for (std::size_t i = 1; i < programs.size(); ++i) {
        std::printf("start-up ratio (%s / %s, medians): %.2f\n", programs[0].c_str(),
                    programs[i].c_str(), Median(times[0]) / Median(times[i]));
    }
    return 0;
}
