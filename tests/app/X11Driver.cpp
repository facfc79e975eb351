// Drives the real program on an X server (Xvfb) the way a user would, for the smoke test and the start-up
// measurement:
//   qingtan-x11-driver PROGRAM WINDOW_TITLE
// starts PROGRAM, waits until a window with that title is viewable and prints how long that took, then closes
// the window through its close button's message (WM_DELETE_WINDOW) and waits for the program to end. Exits with
// the program's status, or 3 when the window never appeared or the program did not end.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Windows come and go while the tree is walked; a request about one that has just gone is not an error here.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}
constexpr auto kPatience = std::chrono::seconds(60);

std::string windowTitle(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &remaining,
                           &data) == Success &&
        data) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return title;
}

std::optional<Window> findViewable(Display* display, Window parent, const std::string& title) {
    Window root = 0;
    Window ignored = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &ignored, &children, &count)) {
        return std::nullopt;
    }
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            windowTitle(display, children[i]) == title) {
            found = children[i];
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

void requestClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

std::optional<int> waitForExit(pid_t child, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qingtan-x11-driver PROGRAM WINDOW_TITLE\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "qingtan-x11-driver: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreError);
    const std::string title = argv[2];

    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        std::perror("exec");
        _exit(127);
    }

    std::optional<Window> window;
    while (!window && Clock::now() - started < kPatience) {
        window = findViewable(display, DefaultRootWindow(display), title);
        if (!window) {
            if (waitpid(child, nullptr, WNOHANG) == child) {
                std::fprintf(stderr, "qingtan-x11-driver: the program ended before showing its window\n");
                return 3;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    if (!window) {
        std::fprintf(stderr, "qingtan-x11-driver: no window titled \"%s\" appeared\n", title.c_str());
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 3;
    }
    const auto shownAfter = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
    std::printf("window shown after %lld ms\n", static_cast<long long>(shownAfter.count()));
    std::fflush(stdout);

    requestClose(display, *window);
    const std::optional<int> status = waitForExit(child, Clock::now() + kPatience);
    XCloseDisplay(display);
    if (!status) {
        std::fprintf(stderr, "qingtan-x11-driver: the program did not end after its window was closed\n");
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 3;
    }
    return *status;
}
