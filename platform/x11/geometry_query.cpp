// XGetGeometry as the program provides it to every library in its process. The GL driver's X
// loader asks the server for the size of the window it draws to with XGetGeometry, and sizes its
// buffers by the answer:
// - even when the server refused the request, as it does for a window another client has just
//   destroyed: it then draws a frame of whatever size uninitialised memory holds, which can take
//   seconds and gigabytes. The answer is cleared first, so a refused request reads 0 × 0.
// - when another client has just made the window larger than the renderer takes, before the
//   layer has read the news and moved the drawing to the window's stand-in: a frame of 32767 ×
//   32767 takes gigabytes and seconds too. Such a window reads 0 × 0 as well; its frames are
//   not presented. (What the renderer takes is known once a context has been made current.)
#include "platform/x11/render_target.h"
#include "platform/x11/window.h"

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
    const Status answered =
        libraryQuery(display, drawable, root, x, y, width, height, border, depth);
    const HWND window = x11::windowOfXWindow(drawable);
    if (window && window->largestFrame[0] &&
        !x11::rendererTakes(*window, static_cast<int>(*width), static_cast<int>(*height)))
        *width = *height = 0;
    return answered;
}
