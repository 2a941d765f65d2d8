// Asks an X window's program whether it answers, the way a window manager does: a _NET_WM_PING
// that the program's event loop sends back to the root window. The X server alone never answers
// it, so an answer proves that the program handles its events. Also closes a window as its frame's
// close button does.
//   x-answers ping WINDOW MILLISECONDS   exit 0 when answered in time, 1 when not
//   x-answers close WINDOW               asks the window to close (WM_DELETE_WINDOW)
#include <X11/Xlib.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

void sendProtocol(Display* display, Window window, Atom protocol, long stamp) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(protocol);
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

bool answers(Display* display, Window window, int milliseconds) {
    const Window root = DefaultRootWindow(display);
    // Only one client may select redirection on the root window; without a window manager, as
    // under Xvfb, that is this one. The answer is sent there with this mask.
    XSelectInput(display, root, SubstructureNotifyMask | SubstructureRedirectMask);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    const long stamp = static_cast<long>(std::rand() & 0x7fffffff);
    sendProtocol(display, window, ping, stamp);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == ping &&
                event.xclient.data.l[1] == stamp)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: x-answers ping WINDOW MILLISECONDS | close WINDOW\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("x-answers: no X display\n", stderr);
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    std::srand(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    const Window window = std::strtoul(argv[2], nullptr, 0);
    int status = 0;
    if (std::strcmp(argv[1], "ping") == 0 && argc == 4)
        status = answers(display, window, std::atoi(argv[3])) ? 0 : 1;
    else if (std::strcmp(argv[1], "close") == 0)
        sendProtocol(display, window, XInternAtom(display, "WM_DELETE_WINDOW", False), CurrentTime);
    else
        status = 2;
    XCloseDisplay(display);
    return status;
}
