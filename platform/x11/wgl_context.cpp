// GL rendering contexts are GLX contexts of the window's frame-buffer configuration.
#include "platform/x11/display.h"
#include "platform/x11/window.h"

#include <GL/glx.h>

#include <algorithm>
#include <vector>

struct HGLRC__ {
    GLXContext context;
};

namespace x11 {
namespace {

std::vector<HGLRC> liveContexts;

bool isLive(HGLRC renderContext) {
    return std::find(liveContexts.begin(), liveContexts.end(), renderContext) != liveContexts.end();
}

// With nothing current there is nothing to detach, and no need of the display for it.
bool detachCurrent(const char* call) {
    if (!glXGetCurrentContext())
        return true;
    ErrorTrap trap(call);
    const bool detached = glXMakeCurrent(display(), None, nullptr);
    return detached && !trap.failed();
}

} // namespace

} // namespace x11

// Direct rendering where the server and driver allow it; the driver falls back otherwise.
HGLRC WINAPI wglCreateContext(HDC deviceContext) {
    HWND window = x11::windowOfDeviceContext(deviceContext);
    if (!window || !window->pixelFormat)
        return nullptr;
    x11::ErrorTrap trap("wglCreateContext");
    const GLXContext context = glXCreateNewContext(x11::display(), window->frameBufferConfig,
                                                   GLX_RGBA_TYPE, nullptr, True);
    if (trap.failed() || !context) {
        if (context)
            glXDestroyContext(x11::display(), context);
        return nullptr;
    }
    HGLRC renderContext = new HGLRC__{context};
    x11::liveContexts.push_back(renderContext);
    return renderContext;
}

// A null context detaches the current one, whatever the device context. A window another
// client destroyed takes none.
BOOL WINAPI wglMakeCurrent(HDC deviceContext, HGLRC renderContext) {
    if (!renderContext)
        return x11::detachCurrent("wglMakeCurrent") ? TRUE : FALSE;
    HWND window = x11::windowOfDeviceContext(deviceContext);
    if (!window || window->gone || !x11::isLive(renderContext))
        return FALSE;
    x11::ErrorTrap trap("wglMakeCurrent");
    const bool current = glXMakeCurrent(x11::display(), window->handle, renderContext->context);
    if (!current || trap.failed())
        return FALSE;
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, window->largestFrame);
    return TRUE;
}

// Deleting the current context detaches it first, as Windows does.
BOOL WINAPI wglDeleteContext(HGLRC renderContext) {
    if (!x11::isLive(renderContext))
        return FALSE;
    if (glXGetCurrentContext() == renderContext->context && !x11::detachCurrent("wglDeleteContext"))
        return FALSE;
    glXDestroyContext(x11::display(), renderContext->context);
    x11::liveContexts.erase(
        std::find(x11::liveContexts.begin(), x11::liveContexts.end(), renderContext));
    delete renderContext;
    return TRUE;
}
