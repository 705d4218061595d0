#include "gl/drawable_size.h"

#include "core/window_record.h"
#include "gl/gl_state.h"
#include "xlib/connection.h"

#include <X11/Xlib.h>
#include <dlfcn.h>

#include <climits>

namespace x11 {
namespace {

// The largest frame, as the renderer told it; until it could be asked, the screen's size, which
// GL requires every renderer to take.
DrawableSize largestFrame() {
    if (gl.largestFrame[0] > 0)
        return {gl.largestFrame[0], gl.largestFrame[1]};
    return {DisplayWidth(display(), screen()), DisplayHeight(display(), screen())};
}

} // namespace

// Within the largest viewport, and an image of 32-bit pixels that the GL driver and Xlib can size
// in the 32-bit arithmetic they size images with.
DrawableSize drawableSizeFor(int clientWidth, int clientHeight) {
    const DrawableSize largest = largestFrame();
    const long long imageBytes = 4LL * clientWidth * clientHeight;
    if (clientWidth <= largest.width && clientHeight <= largest.height && imageBytes <= INT_MAX)
        return {clientWidth, clientHeight};
    return {1, 1};
}

void fitDrawable(HWND window) {
    GlSurface* surface = surfaceOf(window);
    if (!surface || !surface->drawable)
        return;
    const WindowRecord& record = *findWindow(window);
    const DrawableSize size = drawableSizeFor(record.clientWidth, record.clientHeight);
    if (size.width == surface->width && size.height == surface->height)
        return;
    surface->width = size.width;
    surface->height = size.height;
    XResizeWindow(display(), surface->drawable, static_cast<unsigned>(size.width),
                  static_cast<unsigned>(size.height));
}

void learnRendererLimits() {
    if (gl.largestFrame[0] == 0)
        glGetIntegerv(GL_MAX_VIEWPORT_DIMS, gl.largestFrame);
}

} // namespace x11

// XGetGeometry as the layer provides it to every program built on it, which the GL driver finds
// before Xlib's (the library's package links it in, and exports it). A workaround for the flaw of
// one function: swrastGetDrawableInfo, in Mesa's software-rendering GLX loader (drisw_glx.c),
// sizes the buffers it draws into by XGetGeometry's answer and ignores the answer's status. For a
// window another client has just destroyed the server refuses the request, and a frame of
// whatever size uninitialised memory holds is drawn: seconds and gigabytes. So the answer is
// cleared first, and a refused request reads 0 by 0. A window's GL drawable reads the size the
// guard gave it, whatever another client may have done to it since.
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
    const x11::GlSurface* surface = x11::surfaceOf(x11::windowOfDrawable(drawable));
    if (answered && surface) {
        *width = static_cast<unsigned>(surface->width);
        *height = static_cast<unsigned>(surface->height);
    }
    return answered;
}
