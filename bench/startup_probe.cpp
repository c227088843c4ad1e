// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the current X display and measures how long it takes
// until its first top-level window is mapped, and its peak resident memory
// once that window has painted. Prints "<milliseconds> <peak KiB>".
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long PeakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

bool WaitForMap(Display* display, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    const bool mapped = WaitForMap(display, std::chrono::seconds(20));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Let the first frame paint before reading the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long peak = PeakResidentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "%s mapped no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(elapsed).count(), peak);
    return 0;
}
