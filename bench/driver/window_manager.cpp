#include "window_manager.h"

#include <X11/Xatom.h>
#include <poll.h>
#include <vector>

#include "clocks.h"

namespace {

const long sourceIndicationPager = 2;
const long netWmStateAdd = 1;

int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

// Sleeps until an event arrives or the deadline passes; events only wake the waiter, every
// condition is read back from the server.
bool awaitEvents(Display* display, std::int64_t deadlineNs) {
    if (XPending(display)) {
        XEvent event;
        while (XPending(display))
            XNextEvent(display, &event);
        return true;
    }
    const std::int64_t remainingNs = deadlineNs - monotonicNanoseconds();
    if (remainingNs <= 0)
        return false;
    pollfd connection = {ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(remainingNs / 1000000 + 1));
    return true;
}

template <typename Condition> bool waitUntil(Display* display, int timeoutMs, Condition condition) {
    const std::int64_t deadlineNs = monotonicNanoseconds() + std::int64_t{timeoutMs} * 1000000;
    while (!condition()) {
        if (!awaitEvents(display, deadlineNs))
            return false;
    }
    return true;
}

std::vector<Window> windowListOnRoot(Display* display, const char* property) {
    Atom type;
    int format;
    unsigned long count;
    unsigned long remaining;
    unsigned char* data = nullptr;
    std::vector<Window> windows;
    if (XGetWindowProperty(display, DefaultRootWindow(display),
                           XInternAtom(display, property, False), 0, 1024, False, XA_WINDOW, &type,
                           &format, &count, &remaining, &data) == Success &&
        format == 32) {
        const auto* ids = reinterpret_cast<const unsigned long*>(data);
        windows.assign(ids, ids + count);
    }
    if (data)
        XFree(data);
    return windows;
}

void sendToRoot(Display* display, Window window, const char* messageType, long a, long b, long c,
                long d) {
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, messageType, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = a;
    event.xclient.data.l[1] = b;
    event.xclient.data.l[2] = c;
    event.xclient.data.l[3] = d;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

} // namespace

void prepareConnection(Display* display) {
    XSetErrorHandler(ignoreError);
    // The root's property changes announce the window manager and every window it manages.
    XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
}

Window waitForClientWindow(Display* display, int timeoutMs) {
    std::vector<Window> clients;
    waitUntil(display, timeoutMs, [display, &clients] {
        clients = windowListOnRoot(display, "_NET_CLIENT_LIST");
        return !clients.empty();
    });
    return clients.empty() ? None : clients.front();
}

bool waitForNoClientWindow(Display* display, int timeoutMs) {
    return waitUntil(display, timeoutMs,
                     [display] { return windowListOnRoot(display, "_NET_CLIENT_LIST").empty(); });
}

ClientSize clientSizeOf(Display* display, Window window) {
    Window root;
    int x, y;
    unsigned int width = 0, height = 0, border, depth;
    if (!XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth))
        return {0, 0};
    return {static_cast<int>(width), static_cast<int>(height)};
}

bool maximise(Display* display, Window window, ClientSize expected, int timeoutMs) {
    XSelectInput(display, window, StructureNotifyMask); // its resizes wake the wait below
    sendToRoot(display, window, "_NET_WM_STATE", netWmStateAdd,
               static_cast<long>(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False)),
               static_cast<long>(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False)),
               sourceIndicationPager);
    return waitUntil(display, timeoutMs, [display, window, expected] {
        const ClientSize size = clientSizeOf(display, window);
        return size.width == expected.width && size.height == expected.height;
    });
}

void requestClose(Display* display, Window window) {
    sendToRoot(display, window, "_NET_CLOSE_WINDOW", CurrentTime, sourceIndicationPager, 0, 0);
    XFlush(display);
}
