#include "gl/wgl_context.h"

#include "core/device_context.h"
#include "gl/drawable_size.h"
#include "gl/gl_state.h"
#include "xlib/connection.h"
#include "xlib/error_trap.h"

namespace x11 {
namespace {

// With nothing current there is nothing to detach, and no need of the display for it.
bool detachCurrent(const char* call) {
    if (!glXGetCurrentContext())
        return true;
    ErrorTrap trap(call);
    const bool detached = glXMakeCurrent(display(), None, nullptr);
    return detached && !trap.failed();
}

ContextRecord* currentContext() {
    const GLXContext current = glXGetCurrentContext();
    for (HGLRC handle : gl.contexts.handles())
        if (gl.contexts.find(handle)->context == current)
            return gl.contexts.find(handle);
    return nullptr;
}

Window standInOf(ContextRecord& record) {
    if (record.standIn)
        return record.standIn;
    XVisualInfo* visual = glXGetVisualFromFBConfig(display(), record.config);
    if (!visual)
        return None;
    XSetWindowAttributes attributes = {};
    attributes.colormap = record.standInColormap =
        XCreateColormap(display(), rootWindow(), visual->visual, AllocNone);
    record.standIn =
        XCreateWindow(display(), rootWindow(), 0, 0, 1, 1, 0, visual->depth, InputOutput,
                      visual->visual, CWBorderPixel | CWColormap, &attributes);
    XFree(visual);
    return record.standIn;
}

void releaseStandIn(const ContextRecord& record) {
    if (!record.standIn)
        return;
    XDestroyWindow(display(), record.standIn);
    XFreeColormap(display(), record.standInColormap);
}

} // namespace

void moveCurrentContextOff(GLXDrawable drawable) {
    ContextRecord* record = currentContext();
    if (!drawable || !record || glXGetCurrentDrawable() != drawable)
        return;
    ErrorTrap trap("moving a GL context off its window");
    glXMakeCurrent(display(), standInOf(*record), record->context);
}

} // namespace x11

using x11::gl;

// Direct rendering where the server and driver allow it; the driver falls back otherwise.
HGLRC WINAPI wglCreateContext(HDC deviceContext) {
    const x11::GlSurface* surface = x11::surfaceOf(x11::windowOfDeviceContext(deviceContext));
    if (!surface)
        return nullptr;
    x11::ErrorTrap trap("wglCreateContext");
    const GLXContext context =
        glXCreateNewContext(x11::display(), surface->config, GLX_RGBA_TYPE, nullptr, True);
    if (trap.failed() || !context) {
        if (context)
            glXDestroyContext(x11::display(), context);
        return nullptr;
    }
    HGLRC renderContext = gl.contexts.add({context, surface->config, None, None});
    if (!renderContext)
        glXDestroyContext(x11::display(), context);
    return renderContext;
}

// A null context detaches the current one, whatever the device context. A window another
// client destroyed takes none. The first context made current tells what the renderer takes.
BOOL WINAPI wglMakeCurrent(HDC deviceContext, HGLRC renderContext) {
    if (!renderContext)
        return x11::detachCurrent("wglMakeCurrent") ? TRUE : FALSE;
    HWND window = x11::windowOfDeviceContext(deviceContext);
    const x11::GlSurface* surface = x11::surfaceOf(window);
    const x11::ContextRecord* record = gl.contexts.find(renderContext);
    if (!surface || !surface->drawable || !record)
        return FALSE;
    x11::ErrorTrap trap("wglMakeCurrent");
    const bool current = glXMakeCurrent(x11::display(), surface->drawable, record->context);
    if (!current || trap.failed())
        return FALSE;
    x11::learnRendererLimits();
    x11::fitDrawable(window);
    return TRUE;
}

// Deleting the current context detaches it first, as Windows does.
BOOL WINAPI wglDeleteContext(HGLRC renderContext) {
    const x11::ContextRecord* record = gl.contexts.find(renderContext);
    if (!record)
        return FALSE;
    if (glXGetCurrentContext() == record->context && !x11::detachCurrent("wglDeleteContext"))
        return FALSE;
    glXDestroyContext(x11::display(), record->context);
    x11::releaseStandIn(*record);
    gl.contexts.remove(renderContext);
    return TRUE;
}
