// SwapBuffers: the back buffer of a device context's window presented.
#include "core/device_context.h"
#include "gl/gl_surface.h"
#include "xlib/connection.h"

// Only a window that has a pixel format and is still there: another client may have destroyed
// it.
BOOL WINAPI SwapBuffers(HDC deviceContext) {
    const x11::GlSurface* surface = x11::surfaceOf(x11::windowOfDeviceContext(deviceContext));
    if (!surface || !surface->drawable) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    glXSwapBuffers(x11::display(), surface->drawable);
    return TRUE;
}
