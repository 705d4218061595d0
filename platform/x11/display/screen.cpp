#include "display/screen.h"

#include "xlib/connection.h"
#include "xlib/window_properties.h"

#include <X11/Xatom.h>

namespace x11 {

// Asked of the server: Xlib keeps the size the screen had when the connection opened.
RECT screenArea() {
    XWindowAttributes root = {};
    XGetWindowAttributes(display(), rootWindow(), &root);
    return {0, 0, root.width, root.height};
}

RECT workArea() {
    const std::vector<unsigned long> area =
        readProperty(programConnection(), rootWindow(), atoms().netWorkarea, XA_CARDINAL);
    if (area.size() < 4)
        return screenArea();
    const LONG left = static_cast<LONG>(area[0]), top = static_cast<LONG>(area[1]);
    return {left, top, left + static_cast<LONG>(area[2]), top + static_cast<LONG>(area[3])};
}

} // namespace x11
