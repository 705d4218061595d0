#include "tests/x11/observer.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

Observer::Observer() : connection(XOpenDisplay(nullptr)) {}

Observer::~Observer() {
    if (connection)
        XCloseDisplay(connection);
}

std::vector<unsigned long> Observer::items(Window window, const char* name, int format) {
    Atom type;
    int actualFormat;
    unsigned long count;
    unsigned long after;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(connection, window, XInternAtom(connection, name, False), 0, 4096, False,
                           AnyPropertyType, &type, &actualFormat, &count, &after,
                           &data) == Success &&
        data && actualFormat == format) {
        // Xlib hands 32-bit items over as longs.
        for (unsigned long i = 0; i < count; ++i)
            values.push_back(format == 8 ? data[i] : reinterpret_cast<unsigned long*>(data)[i]);
    }
    if (data)
        XFree(data);
    return values;
}

std::string Observer::textProperty(Window window, const char* name) {
    const std::vector<unsigned long> bytes = items(window, name, 8);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<unsigned long> Observer::longProperty(Window window, const char* name) {
    return items(window, name, 32);
}

Geometry Observer::clientGeometry(Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(connection, window, &attributes);
    int x = 0;
    int y = 0;
    Window child;
    XTranslateCoordinates(connection, window, DefaultRootWindow(connection), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

Geometry Observer::frameGeometry(Window window) {
    const Geometry client = clientGeometry(window);
    const std::vector<unsigned long> frame = longProperty(window, "_NET_FRAME_EXTENTS");
    if (frame.size() != 4)
        return client;
    const int left = static_cast<int>(frame[0]);
    const int right = static_cast<int>(frame[1]);
    const int top = static_cast<int>(frame[2]);
    const int bottom = static_cast<int>(frame[3]);
    return {client.x - left, client.y - top, client.width + left + right,
            client.height + top + bottom};
}

bool Observer::isViewable(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(connection, window, &attributes) &&
           attributes.map_state == IsViewable;
}

bool Observer::exists(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(connection, window, &attributes) != 0;
}

Window Observer::findWindowWith(Window parent, Atom property) {
    Window root;
    Window grandparent;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = None;
    if (!XQueryTree(connection, parent, &root, &grandparent, &children, &count))
        return None;
    for (unsigned int i = 0; i < count && !found; ++i) {
        int propertyCount = 0;
        Atom* properties = XListProperties(connection, children[i], &propertyCount);
        for (int p = 0; p < propertyCount; ++p)
            if (properties[p] == property && isViewable(children[i]))
                found = children[i];
        if (properties)
            XFree(properties);
        if (!found)
            found = findWindowWith(children[i], property);
    }
    if (children)
        XFree(children);
    return found;
}

Window Observer::waitForWindowWith(const char* property, double seconds) {
    const Atom atom = XInternAtom(connection, property, False);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        XSync(connection, False);
        if (Window found = findWindowWith(DefaultRootWindow(connection), atom))
            return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return None;
}

int runTool(const std::string& command) {
    return std::system((command + " >/dev/null").c_str());
}

std::string hex(Window window) {
    char text[32];
    std::snprintf(text, sizeof(text), "0x%lx", window);
    return text;
}
