// XGetGeometry as the program provides it to every library in its process. The GL driver's X
// loader asks the server for the size of the window it draws to with XGetGeometry, and uses the
// answer even when the server refused the request, as it does for a window another client has
// just destroyed: it then draws a frame of whatever size uninitialised memory holds, which can
// take seconds and gigabytes. This one clears the answer first, so a refused request reads 0 × 0.
#include <X11/Xlib.h>
#include <dlfcn.h>

extern "C" Status XGetGeometry(Display* display, Drawable drawable, Window* root, int* x, int* y,
                               unsigned int* width, unsigned int* height, unsigned int* border,
                               unsigned int* depth) {
    static const auto libraryQuery =
        reinterpret_cast<decltype(&XGetGeometry)>(dlsym(RTLD_NEXT, "XGetGeometry"));
    *root = None;
    *x = *y = 0;
    *width = *height = *border = *depth = 0;
    return libraryQuery(display, drawable, root, x, y, width, height, border, depth);
}
