#include "gl/wgl_context.h"

#include "core/device_context.h"
#include "gl/drawable_size.h"
#include "gl/glx_extensions.h"
#include "xlib/connection.h"
#include "xlib/error_trap.h"

namespace x11 {
namespace {

// With nothing current there is nothing to detach, and no need of the display for it.
bool detachCurrent(const char* call) {
    if (!glXGetCurrentContext())
        return true;
    ErrorTrap trap(call);
    const bool detached = glXMakeCurrent(display(), None, nullptr) && !trap.failed();
    if (detached)
        gl.currentDeviceContext = nullptr;
    return detached;
}

HGLRC currentContextHandle() {
    const GLXContext current = glXGetCurrentContext();
    for (HGLRC handle : gl.contexts.handles())
        if (current && gl.contexts.find(handle)->context == current)
            return handle;
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

ContextRecord* currentContextRecord() {
    return gl.contexts.find(currentContextHandle());
}

void moveCurrentContextOff(GLXDrawable drawable) {
    ContextRecord* record = currentContextRecord();
    if (!drawable || !record || glXGetCurrentDrawable() != drawable)
        return;
    ErrorTrap trap("moving a GL context off its window");
    glXMakeCurrent(display(), standInOf(*record), record->context);
}

// Direct rendering where the server and driver allow it; the driver falls back otherwise.
GLXContext makeGlxContext(const ContextRecord& record, GLXContext share) {
    if (record.glxAttributes.empty())
        return glXCreateNewContext(display(), record.config, GLX_RGBA_TYPE, share, True);
    static const auto createWithAttributes =
        glxFunction<PFNGLXCREATECONTEXTATTRIBSARBPROC>("glXCreateContextAttribsARB");
    return createWithAttributes(display(), record.config, share, True, record.glxAttributes.data());
}

HGLRC addContext(const ContextRecord& record) {
    HGLRC renderContext = gl.contexts.add(record);
    if (!renderContext)
        glXDestroyContext(display(), record.context);
    return renderContext;
}

} // namespace x11

using x11::gl;

HGLRC WINAPI wglCreateContext(HDC deviceContext) {
    HWND window = x11::windowOfDeviceContext(deviceContext);
    const x11::GlSurface* surface = x11::surfaceOf(window);
    if (!surface) {
        SetLastError(window ? ERROR_INVALID_PIXEL_FORMAT : ERROR_INVALID_HANDLE);
        return nullptr;
    }
    x11::ContextRecord record = {};
    record.config = surface->config;
    record.pixelFormat = surface->pixelFormat;
    x11::ErrorTrap trap("wglCreateContext");
    record.context = x11::makeGlxContext(record, nullptr);
    if (trap.failed() || !record.context) {
        if (record.context)
            glXDestroyContext(x11::display(), record.context);
        return nullptr;
    }
    return x11::addContext(record);
}

// A null context detaches the current one, whatever the device context; with none current, only
// a device context is taken for success. A context draws only to windows of its pixel format, and
// a window another client destroyed takes none. The first context made current tells what the
// renderer takes.
BOOL WINAPI wglMakeCurrent(HDC deviceContext, HGLRC renderContext) {
    if (!renderContext && !glXGetCurrentContext() && !deviceContext) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!renderContext)
        return x11::detachCurrent("wglMakeCurrent") ? TRUE : FALSE;
    HWND window = x11::windowOfDeviceContext(deviceContext);
    const x11::GlSurface* surface = x11::surfaceOf(window);
    x11::ContextRecord* record = gl.contexts.find(renderContext);
    if (!surface || !surface->drawable || !record) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (surface->pixelFormat != record->pixelFormat) {
        SetLastError(ERROR_INVALID_PIXEL_FORMAT);
        return FALSE;
    }
    x11::ErrorTrap trap("wglMakeCurrent");
    const bool current = glXMakeCurrent(x11::display(), surface->drawable, record->context);
    if (!current || trap.failed())
        return FALSE;
    record->beenCurrent = true;
    gl.currentDeviceContext = deviceContext;
    x11::learnRendererLimits();
    x11::fitDrawable(window);
    return TRUE;
}

// Deleting the current context detaches it first, as Windows does.
BOOL WINAPI wglDeleteContext(HGLRC renderContext) {
    const x11::ContextRecord* record = gl.contexts.find(renderContext);
    if (!record) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (glXGetCurrentContext() == record->context && !x11::detachCurrent("wglDeleteContext"))
        return FALSE;
    glXDestroyContext(x11::display(), record->context);
    x11::releaseStandIn(*record);
    gl.contexts.remove(renderContext);
    return TRUE;
}

HGLRC WINAPI wglGetCurrentContext() {
    return x11::currentContextHandle();
}

// The device context it was made current with, even one released since, as Windows keeps it.
HDC WINAPI wglGetCurrentDC() {
    return glXGetCurrentContext() ? gl.currentDeviceContext : nullptr;
}

// GLX shares objects only between contexts made so, so the destination is made again in the
// source's share group. That is sound only while it holds no objects of its own: so never once it
// has been current, and never once it shares with another.
BOOL WINAPI wglShareLists(HGLRC source, HGLRC destination) {
    x11::ContextRecord* from = gl.contexts.find(source);
    x11::ContextRecord* to = gl.contexts.find(destination);
    if (!from || !to) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (from == to || to->beenCurrent || to->sharing)
        return FALSE;
    x11::ErrorTrap trap("wglShareLists");
    const GLXContext remade = x11::makeGlxContext(*to, from->context);
    if (trap.refusal() != Success || !remade) {
        if (remade)
            glXDestroyContext(x11::display(), remade);
        return FALSE;
    }
    glXDestroyContext(x11::display(), to->context);
    to->context = remade;
    from->sharing = to->sharing = true;
    return TRUE;
}
