// SPDX-License-Identifier: MIT
// Starts a program and ends it the moment its first window is mapped on the X display: run under
// a timer, it measures how long a program takes to show its window. Under a virtual X server
// with no window manager, a top-level window is mapped straight onto the root window.
// Usage: mapped PROGRAM [ARGUMENT ...]
#include <X11/Xlib.h>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: mapped PROGRAM [ARGUMENT ...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("mapped: cannot open the display\n", stderr);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    XEvent event {};
    do
        XNextEvent(display, &event);
    while (event.type != MapNotify);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return 0;
}
