#include "tests/scene_contract/user_actions.h"

#include "platform/x11/window.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <string>

// In the background of a shell that ends at once, so the test waits for neither.
void perform(const std::string& xdotoolArguments) {
    const std::string command = "xdotool " + xdotoolArguments + " &";
    if (std::system(command.c_str()) != 0)
        std::abort();
}

// Read on a connection of the test's own, as the window manager reads it.
std::string titleOf(HWND window) {
    Display* display = XOpenDisplay(nullptr);
    Atom type;
    int format;
    unsigned long count;
    unsigned long after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window->handle, XInternAtom(display, "_NET_WM_NAME", False), 0,
                           1024, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success &&
        data)
        title.assign(reinterpret_cast<char*>(data), count);
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return title;
}
