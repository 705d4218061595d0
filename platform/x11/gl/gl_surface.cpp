#include "gl/gl_surface.h"

#include "core/window_record.h"
#include "gl/drawable_size.h"
#include "gl/gl_state.h"
#include "gl/wgl_context.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/error_trap.h"

namespace x11 {
namespace {

// No background, as the top-level: GL paints all of it. It asks for no events: input goes on to
// the top-level, where the window's events are read.
Window createDrawable(Window parent, const XVisualInfo& visual, Colormap colormap, int width,
                      int height) {
    XSetWindowAttributes attributes = {};
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    attributes.colormap = colormap;
    return XCreateWindow(display(), parent, 0, 0, static_cast<unsigned>(width),
                         static_cast<unsigned>(height), 0, visual.depth, InputOutput, visual.visual,
                         CWBackPixmap | CWBorderPixel | CWColormap, &attributes);
}

} // namespace

GlSurface* surfaceOf(HWND window) {
    const auto found = gl.surfaces.find(window);
    return found == gl.surfaces.end() ? nullptr : &found->second;
}

HWND windowOfDrawable(GLXDrawable drawable) {
    for (auto& [window, surface] : gl.surfaces)
        if (surface.drawable == drawable && drawable != None)
            return window;
    return nullptr;
}

bool createSurface(HWND window, int pixelFormat, GLXFBConfig config) {
    XVisualInfo* visual = glXGetVisualFromFBConfig(display(), config);
    if (!visual)
        return false;
    const WindowRecord& record = *findWindow(window);
    const DrawableSize size = drawableSizeFor(record.clientWidth, record.clientHeight);
    ErrorTrap trap("SetPixelFormat");
    const Colormap colormap = XCreateColormap(display(), rootWindow(), visual->visual, AllocNone);
    const Window drawable =
        createDrawable(xWindowOf(window)->handle, *visual, colormap, size.width, size.height);
    XMapWindow(display(), drawable);
    XFree(visual);
    if (trap.failed()) {
        XDestroyWindow(display(), drawable);
        XFreeColormap(display(), colormap);
        return false;
    }
    const int swapInterval = 1; // synchronised to the display, as a GL context starts
    gl.surfaces[window] = {pixelFormat, config,      drawable,    colormap,
                           size.width,  size.height, swapInterval};
    return true;
}

void surfaceGone(HWND window) {
    GlSurface* surface = surfaceOf(window);
    if (!surface)
        return;
    moveCurrentContextOff(surface->drawable);
    surface->drawable = None;
}

void releaseSurface(HWND window) {
    GlSurface* surface = surfaceOf(window);
    if (!surface)
        return;
    moveCurrentContextOff(surface->drawable);
    XFreeColormap(display(), surface->colormap); // the drawable goes with its parent
    gl.surfaces.erase(window);
}

} // namespace x11
