// A window's device context stands for the window wherever GDI and WGL take one.
#include "platform/x11/display.h"
#include "platform/x11/window.h"
#include "platform/x11/render_target.h"

#include <GL/glx.h>

#include <algorithm>

namespace x11 {
namespace {

// What a frame may have been drawn at. The GL driver sized its buffers for the window by asking
// the server at some moment since it last sized them, so at one of the sizes the window has had
// since: those the message pump has read, and those the server has sent and the pump has not read
// yet. And if the server has told of the window's destruction, there was no window to draw to.
struct FrameBounds {
    Window window;
    bool destroyed;
    int width;
    int height;
};

Bool noteUnreadNews(Display*, XEvent* event, XPointer argument) {
    FrameBounds* bounds = reinterpret_cast<FrameBounds*>(argument);
    if (event->xany.window == bounds->window && event->type == DestroyNotify)
        bounds->destroyed = true;
    if (event->xany.window == bounds->window && event->type == ConfigureNotify &&
        !event->xconfigure.send_event) {
        bounds->width = std::max(bounds->width, event->xconfigure.width);
        bounds->height = std::max(bounds->height, event->xconfigure.height);
    }
    return False; // every event stays for the pump
}

FrameBounds frameBoundsOf(const HWND__& window) {
    FrameBounds bounds = {window.handle, false,
                          std::max(window.clientWidth, window.largestSinceSized[0]),
                          std::max(window.clientHeight, window.largestSinceSized[1])};
    XEvent none;
    XCheckIfEvent(display(), &none, noteUnreadNews, reinterpret_cast<XPointer>(&bounds));
    return bounds;
}

} // namespace
} // namespace x11

HDC WINAPI GetDC(HWND window) {
    return x11::liveWindow(window) ? &window->deviceContext : nullptr;
}

int WINAPI ReleaseDC(HWND window, HDC deviceContext) {
    return x11::liveWindow(window) && deviceContext == &window->deviceContext ? 1 : 0;
}

// Any client may size or destroy any window: a frame is presented only to a window that is still
// there, and only if the renderer takes it at every size it may have been drawn at. The context
// of a window too large draws to the window's stand-in until the window is small enough again.
BOOL WINAPI SwapBuffers(HDC deviceContext) {
    HWND window = x11::windowOfDeviceContext(deviceContext);
    if (!window || !window->pixelFormat || window->gone)
        return FALSE;
    const x11::FrameBounds frame = x11::frameBoundsOf(*window);
    if (frame.destroyed)
        return FALSE;
    const bool fits = x11::rendererTakes(*window, frame.width, frame.height);
    const bool presented = fits && !x11::drawsToStandIn(*window);
    if (presented)
        glXSwapBuffers(x11::display(), window->handle);
    else if (fits)
        x11::drawToWindow(window);
    else
        x11::drawToStandIn(window);
    window->largestSinceSized[0] = window->clientWidth;
    window->largestSinceSized[1] = window->clientHeight;
    return presented ? TRUE : FALSE;
}
