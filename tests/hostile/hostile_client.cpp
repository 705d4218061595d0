// Another client of the display, doing to a window what xdotool cannot: one action a run, on a
// window given by its id. The tests play it against the program to see that it survives.
//   hostile configure WINDOW WIDTH HEIGHT          a synthetic ConfigureNotify with that size
//   hostile flood WINDOW SECONDS                   WM_STATE changes, 20,000 a second
//   hostile destroy WINDOW                         a synthetic DestroyNotify
//   hostile moves WINDOW SECONDS PER_SECOND        synthetic pointer moves
//   hostile manager KIND [LEFT RIGHT TOP BOTTOM]   a window manager, until it is killed
// The manager answers frame-extents requests with the extents given, printing "request" for each
// (and "ready" once it is one). KIND is how its check window stands: live; dead (destroyed);
// unconfirmed (it does not name itself as the check window); nameless (it has no _NET_WM_NAME).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

Display* display;

Atom atom(const char* name) {
    return XInternAtom(display, name, False);
}

void setLongs(Window window, const char* property, Atom type, const long* values, int count) {
    XChangeProperty(display, window, atom(property), type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values), count);
}

// Calls `send` with 0, 1, 2, ... PER_SECOND times a second for SECONDS, in ticks of 10 ms.
template <typename Send> void paced(long seconds, long perSecond, Send send) {
    const auto start = std::chrono::steady_clock::now();
    long n = 0;
    for (auto tick = start; tick < start + std::chrono::seconds(seconds);) {
        while (n < perSecond * ((tick - start) / std::chrono::milliseconds(10) + 1) / 100)
            send(n++);
        XFlush(display);
        std::this_thread::sleep_until(tick += std::chrono::milliseconds(10));
    }
}

// WM_STATE is what the program reads back when it changes; it stays normal throughout.
void flood(Window window, long seconds) {
    const long normal[] = {NormalState, None};
    paced(seconds, 20000, [&](long) { setLongs(window, "WM_STATE", atom("WM_STATE"), normal, 2); });
}

// Pointer moves over the window, back and forth along a line.
void moves(Window window, long seconds, long perSecond) {
    XEvent event = {};
    event.xmotion.type = MotionNotify;
    event.xmotion.window = window;
    event.xmotion.y = event.xmotion.y_root = 10;
    event.xmotion.same_screen = True;
    paced(seconds, perSecond, [&](long n) {
        event.xmotion.x = event.xmotion.x_root = static_cast<int>(10 + n % 100);
        XSendEvent(display, window, False, PointerMotionMask, &event);
    });
}

void manager(const std::string& kind, const long extents[4]) {
    const Window root = DefaultRootWindow(display);
    const long check = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    if (kind != "unconfirmed")
        setLongs(check, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, &check, 1);
    if (kind != "nameless")
        XChangeProperty(display, check, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>("hostile"), 7);
    if (kind == "dead")
        XDestroyWindow(display, check);
    setLongs(root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, &check, 1);
    const long request = atom("_NET_REQUEST_FRAME_EXTENTS");
    setLongs(root, "_NET_SUPPORTED", XA_ATOM, &request, 1);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    for (XEvent event;;) {
        std::fflush(stdout);
        XNextEvent(display, &event);
        if (event.type == ClientMessage &&
            static_cast<long>(event.xclient.message_type) == request) {
            std::printf("request\n");
            setLongs(event.xclient.window, "_NET_FRAME_EXTENTS", XA_CARDINAL, extents, 4);
            XFlush(display);
        }
    }
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0; // the window may go away under any action
}

} // namespace

int main(int argumentCount, char** arguments) {
    display = XOpenDisplay(nullptr);
    if (!display || argumentCount < 3)
        return 2;
    XSetErrorHandler(ignoreErrors);
    const std::string action = arguments[1];
    const Window window = std::strtoul(arguments[2], nullptr, 0);
    long numbers[4] = {};
    for (int i = 3; i < argumentCount && i < 7; ++i)
        numbers[i - 3] = std::strtol(arguments[i], nullptr, 0);
    XEvent event = {};
    if (action == "configure") {
        event.xconfigure.type = ConfigureNotify;
        event.xconfigure.event = event.xconfigure.window = window;
        event.xconfigure.width = static_cast<int>(numbers[0]);
        event.xconfigure.height = static_cast<int>(numbers[1]);
        XSendEvent(display, window, False, StructureNotifyMask, &event);
    } else if (action == "destroy") {
        event.xdestroywindow.type = DestroyNotify;
        event.xdestroywindow.event = event.xdestroywindow.window = window;
        XSendEvent(display, window, False, StructureNotifyMask, &event);
    } else if (action == "flood") {
        flood(window, numbers[0]);
    } else if (action == "moves") {
        moves(window, numbers[0], numbers[1]);

    } else if (action == "manager") {
        manager(arguments[2], numbers);
    } else {
        return 2;
    }
    XSync(display, False);
    return 0;
}
