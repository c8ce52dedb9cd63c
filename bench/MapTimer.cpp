// Starts a program on the X display and reports how long it takes until its
// first top-level window is mapped; then, once it has had time to settle,
// its resident memory and the processor time it has used, and ends it.
//   map_timer SETTLE_MILLISECONDS PROGRAM [ARGUMENTS...]
// Prints one line: map_ms=... rss_kb=... cpu_ms=... map_cpu_ms=..., the
// last the processor time used up to the map, which the load of the machine
// disturbs less than the time on the clock.
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int MapTimeoutMilliseconds = 20000;

// Waits for a window made by anyone on the display to be mapped; only the
// measured program runs there.
bool waitForMap(Display* display)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(MapTimeoutMilliseconds);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        poll(&connection, 1, 10);
    }
    return false;
}

long residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Processor time of all the program's threads so far.
double processorMilliseconds(pid_t pid)
{
    std::error_code error;
    long long nanoseconds = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    return error ? -1 : static_cast<double>(nanoseconds) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::cerr << "usage: map_timer SETTLE_MILLISECONDS PROGRAM [ARGUMENTS...]\n";
        return 2;
    }
    const int settle = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::cerr << "map_timer: cannot open the display\n";
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("map_timer: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("map_timer: exec");
        _exit(127);
    }
    const bool mapped = waitForMap(display);
    const double mapMilliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpuAtMap = processorMilliseconds(child);
    if (mapped)
        std::this_thread::sleep_for(std::chrono::milliseconds(settle));
    const long rss = residentKilobytes(child);
    const double cpu = processorMilliseconds(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::cerr << "map_timer: no window was mapped\n";
        return 1;
    }
    std::printf("map_ms=%.1f rss_kb=%ld cpu_ms=%.1f map_cpu_ms=%.1f\n", mapMilliseconds, rss, cpu, cpuAtMap);
    return 0;
}
