// Another client of the display, doing to a window what any X client may: one action a run, on a
// window given by its id. The tests play it against the program to see that the program survives.
//   hostile destroy|unmap|close WINDOW
//   hostile resize|configure WINDOW WIDTH HEIGHT   configure: a synthetic ConfigureNotify only
//   hostile flood WINDOW SECONDS                   property changes, from two connections
//   hostile manager KIND [L R T B]                 a window manager that answers frame-extents
//                                                  requests with L R T B, until it is killed
//   hostile cut-off STEP_MS COUNT                  the display, cut off from each client in turn
// The manager's KIND is how its check window stands: live; dead (destroyed); unconfirmed (it does
// not name itself as the check window); nameless (it has no _NET_WM_NAME).
// cut-off serves as a display of its own, which it prints, and relays each client's connection to
// the real one until it drops it, the n-th client's n times STEP_MS after it connected: to that
// client, as if the server had died then. It ends after COUNT clients.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

Display* display;

Atom atom(const char* name) {
    return XInternAtom(display, name, False);
}

void setLongs(Window window, const char* property, Atom type, const long* values, int count) {
    XChangeProperty(display, window, atom(property), type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values), count);
}

void sendMessage(Window window, const char* type, long argument) {
    XEvent message = {};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = atom(type);
    message.xclient.format = 32;
    message.xclient.data.l[0] = argument;
    XSendEvent(display, window, False, NoEventMask, &message);
}

void sendConfigure(Window window, int width, int height) {
    XEvent configure = {};
    configure.xconfigure.type = ConfigureNotify;
    configure.xconfigure.event = configure.xconfigure.window = window;
    configure.xconfigure.width = width;
    configure.xconfigure.height = height;
    XSendEvent(display, window, False, StructureNotifyMask, &configure);
}

// Changes WM_STATE of the window, which the program reads back on a change, 20,000 times a second
// from each of two connections, until the time is up. The state stays normal throughout.
void flood(Window window, double seconds) {
    const bool child = fork() == 0;
    if (child)
        display = XOpenDisplay(nullptr); // a connection of its own
    const Atom state = atom("WM_STATE");
    const long normal[] = {NormalState, None};
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    for (auto tick = Clock::now(); tick < end; tick += std::chrono::milliseconds(10)) {
        for (int i = 0; i < 200; ++i)
            XChangeProperty(display, window, state, state, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(normal), 2);
        XFlush(display);
        std::this_thread::sleep_until(tick);
    }
    XSync(display, False);
    if (child)
        _exit(0);
}

// Prints "ready" once it runs as a manager, and "request" for each frame-extents request.
void manager(const char* kind, const long extents[4]) {
    const Window root = DefaultRootWindow(display);
    const Window check = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    if (std::strcmp(kind, "unconfirmed") != 0)
        setLongs(check, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW,
                 reinterpret_cast<const long*>(&check), 1);
    if (std::strcmp(kind, "nameless") != 0)
        XChangeProperty(display, check, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>("hostile"), 7);
    setLongs(root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, reinterpret_cast<const long*>(&check), 1);
    const long supported[] = {static_cast<long>(atom("_NET_REQUEST_FRAME_EXTENTS"))};
    setLongs(root, "_NET_SUPPORTED", XA_ATOM, supported, 1);
    if (std::strcmp(kind, "dead") == 0)
        XDestroyWindow(display, check);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);

    const Atom request = atom("_NET_REQUEST_FRAME_EXTENTS");
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != ClientMessage || event.xclient.message_type != request)
            continue;
        std::printf("request\n");
        std::fflush(stdout);
        setLongs(event.xclient.window, "_NET_FRAME_EXTENTS", XA_CARDINAL, extents, 4);
        XFlush(display);
    }
}

// The abstract socket a local display listens on, and the length of its address.
struct DisplayAddress {
    sockaddr_un address = {AF_UNIX, {}};
    socklen_t length;
    explicit DisplayAddress(int number) {
        const int name = std::snprintf(address.sun_path + 1, sizeof(address.sun_path) - 1,
                                       "/tmp/.X11-unix/X%d", number);
        length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name);
    }
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

struct Relay {
    int client;
    int server;
    Clock::time_point end;
};

// Copies what one side has to the other; false when that side has closed.
bool forward(int from, int to) {
    char buffer[65536];
    const ssize_t length = read(from, buffer, sizeof(buffer));
    return length > 0 && write(to, buffer, length) == length;
}

void cutOff(long stepMilliseconds, int count) {
    const int realDisplay = std::atoi(std::strchr(DisplayString(display), ':') + 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    int number = 500; // a number no display holds: its lock file is ours, as servers take them
    for (;; ++number) {
        const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        const int lockFile = open(lock.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        const DisplayAddress address(number);
        if (lockFile >= 0 && bind(listener, address.get(), address.length) == 0) {
            dprintf(lockFile, "%10d\n", getpid()); // as a server writes it
            close(lockFile);
            break;
        }
        if (lockFile >= 0)
            unlink(lock.c_str());
    }
    listen(listener, 8);
    std::printf("%d\n", number);
    std::fflush(stdout);

    std::vector<Relay> relays;
    for (int accepted = 0; accepted < count || !relays.empty();) {
        std::vector<pollfd> watched = {{listener, POLLIN, 0}};
        for (const Relay& relay : relays) {
            watched.push_back({relay.client, POLLIN, 0});
            watched.push_back({relay.server, POLLIN, 0});
        }
        poll(watched.data(), watched.size(), 1);
        for (size_t i = relays.size(); i-- > 0;) {
            const Relay& relay = relays[i];
            const bool open = (!(watched[1 + 2 * i].revents & (POLLIN | POLLHUP)) ||
                               forward(relay.client, relay.server)) &&
                              (!(watched[2 + 2 * i].revents & (POLLIN | POLLHUP)) ||
                               forward(relay.server, relay.client));
            if (!open || Clock::now() >= relay.end) {
                close(relay.client);
                close(relay.server);
                relays.erase(relays.begin() + i);
            }
        }
        if (watched[0].revents & POLLIN) {
            const int client = accept(listener, nullptr, nullptr);
            const int server = socket(AF_UNIX, SOCK_STREAM, 0);
            const DisplayAddress address(realDisplay);
            connect(server, address.get(), address.length);
            const auto lifetime = std::chrono::milliseconds(stepMilliseconds * accepted++);
            relays.push_back({client, server, Clock::now() + lifetime});
        }
    }
    unlink(("/tmp/.X" + std::to_string(number) + "-lock").c_str());
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

int main(int argumentCount, char** arguments) {
    display = XOpenDisplay(nullptr);
    if (!display || argumentCount < 3) {
        std::fprintf(stderr, "usage: hostile ACTION WINDOW|KIND [ARGUMENTS]\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors); // the window may go away under any action
    const std::string action = arguments[1];
    const Window window = std::strtoul(arguments[2], nullptr, 0);
    auto number = [&](int i) {
        return i < argumentCount ? std::strtol(arguments[i], nullptr, 0) : 0;
    };
    if (action == "destroy")
        XDestroyWindow(display, window);
    else if (action == "unmap")
        XUnmapWindow(display, window);
    else if (action == "close")
        sendMessage(window, "WM_PROTOCOLS", static_cast<long>(atom("WM_DELETE_WINDOW")));
    else if (action == "resize")
        XResizeWindow(display, window, number(3), number(4));
    else if (action == "configure")
        sendConfigure(window, number(3), number(4));
    else if (action == "flood")
        flood(window, number(3));
    else if (action == "manager") {
        const long extents[4] = {number(3), number(4), number(5), number(6)};
        manager(arguments[2], extents);
    } else if (action == "cut-off")
        cutOff(number(2), number(3));
    else
        return 2;
    XSync(display, False);
    return 0;
}
