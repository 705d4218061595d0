// wglCreateContextAttribsARB: contexts of a GL version, profile and flags, on
// GLX_ARB_create_context.
#include "core/device_context.h"
#include "gl/context_request.h"
#include "gl/glx_extensions.h"
#include "gl/wgl_context.h"
#include "gl/wgl_extension_functions.h"
#include "xlib/connection.h"
#include "xlib/error_trap.h"

namespace x11 {
namespace {

// What GLX's refusal of a context stands for in WGL's terms: the two extensions name their
// failures alike. The attributes are checked before GLX sees them, so what GLX refuses is mostly
// what the driver lacks: a version (GLXBadFBConfig, as WGL names it for the pixel format) or a
// profile.
DWORD refusalInWglTerms(unsigned char glxError) {
    const int badFbConfig = 9, badProfile = 13; // numbered from GLX's first error
    int errorBase = 0, eventBase = 0;
    glXQueryExtension(display(), &errorBase, &eventBase);
    if (glxError == errorBase + badFbConfig)
        return ERROR_INVALID_PIXEL_FORMAT;
    if (glxError == errorBase + badProfile)
        return ERROR_INVALID_PROFILE_ARB;
    if (glxError == BadMatch)
        return ERROR_INVALID_VERSION_ARB;
    if (glxError == BadValue)
        return ERROR_INVALID_PARAMETER;
    if (glxError == BadAlloc)
        return ERROR_NO_SYSTEM_RESOURCES;
    return ERROR_INVALID_OPERATION;
}

// Null, with the error set, when GLX refuses.
GLXContext madeForRequest(const ContextRecord& record, GLXContext share) {
    ErrorTrap trap("wglCreateContextAttribsARB");
    const GLXContext context = makeGlxContext(record, share);
    const unsigned char refusal = trap.refusal();
    if (refusal == Success && context)
        return context;
    if (context)
        glXDestroyContext(display(), context);
    SetLastError(refusalInWglTerms(refusal));
    return nullptr;
}

} // namespace

// Checked in the order the failures are most telling: the device context, the attributes, the
// share context, the pixel format; then what the GL driver says.
HGLRC WINAPI wglCreateContextAttribsARB(HDC deviceContext, HGLRC share, const int* attributes) {
    HWND window = windowOfDeviceContext(deviceContext);
    if (!window) {
        SetLastError(ERROR_DC_NOT_FOUND);
        return nullptr;
    }
    const ContextCreationOffers offers = {glxOffers("GLX_ARB_create_context_profile"),
                                          glxOffers("GLX_ARB_create_context_robustness")};
    const ContextRequest request = contextRequestOf(attributes, offers);
    const ContextRecord* shared = gl.contexts.find(share);
    const GlSurface* surface = surfaceOf(window);
    const DWORD refusal = request.refusal != ERROR_SUCCESS ? request.refusal
                          : share && !shared               ? ERROR_INVALID_OPERATION
                          : !surface                       ? ERROR_INVALID_PIXEL_FORMAT
                                                           : ERROR_SUCCESS;
    if (refusal != ERROR_SUCCESS) {
        SetLastError(refusal);
        return nullptr;
    }
    ContextRecord record = {};
    record.config = surface->config;
    record.pixelFormat = surface->pixelFormat;
    record.glxAttributes = request.glxAttributes;
    record.sharing = shared != nullptr;
    record.context = madeForRequest(record, shared ? shared->context : nullptr);
    if (!record.context)
        return nullptr;
    if (shared)
        gl.contexts.find(share)->sharing = true;
    return addContext(record);
}

} // namespace x11
