#include "platform/x11/render_target.h"

#include "platform/x11/display.h"

#include <GL/glx.h>

#include <climits>

namespace x11 {
namespace {

Window standInFor(HWND window) {
    if (window->standIn)
        return window->standIn;
    XVisualInfo* visual = glXGetVisualFromFBConfig(display(), window->frameBufferConfig);
    if (!visual)
        return None;
    XSetWindowAttributes attributes = {};
    attributes.colormap = window->colormap;
    const unsigned long valueMask = CWBorderPixel | (window->colormap ? CWColormap : 0);
    window->standIn = XCreateWindow(display(), rootWindow(), 0, 0, 1, 1, 0, visual->depth,
                                    InputOutput, visual->visual, valueMask, &attributes);
    XFree(visual);
    return window->standIn;
}

void moveContext(GLXDrawable from, GLXDrawable to) {
    const GLXContext context = glXGetCurrentContext();
    if (context && from && to && glXGetCurrentDrawable() == from)
        glXMakeCurrent(display(), to, context);
}

} // namespace

bool rendererTakes(const HWND__& window, int width, int height) {
    const long long imageBytes = 4LL * width * height;
    return width <= window.largestFrame[0] && height <= window.largestFrame[1] &&
           imageBytes <= INT_MAX;
}

bool drawsToStandIn(const HWND__& window) {
    return window.standIn && glXGetCurrentDrawable() == window.standIn;
}

void drawToStandIn(HWND window) {
    if (glXGetCurrentDrawable() == window->handle)
        moveContext(window->handle, standInFor(window));
}

void drawToWindow(HWND window) {
    moveContext(window->standIn, window->handle);
}

} // namespace x11
