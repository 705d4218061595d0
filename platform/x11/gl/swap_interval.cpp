// The swap interval of WGL_EXT_swap_control and WGL_EXT_swap_control_tear, on GLX's swap-control
// extensions.
#include "gl/gl_surface.h"
#include "gl/glx_extensions.h"
#include "gl/wgl_extension_functions.h"
#include "gl/wgl_extensions.h"
#include "xlib/connection.h"
#include "xlib/error_trap.h"

namespace x11 {
namespace {

// The surface the current context draws to, if it is a window's.
GlSurface* currentSurface() {
    return glXGetCurrentContext() ? surfaceOf(windowOfDrawable(glXGetCurrentDrawable())) : nullptr;
}

// GLX_EXT_swap_control sets the interval of a window, GLX_MESA_swap_control of the current
// context. With neither, swaps do not wait for the display in the first place: the interval is
// kept, and has no effect.
bool applySwapInterval(const GlSurface& surface, int interval) {
    if (glxOffers("GLX_EXT_swap_control")) {
        const auto setInterval = glxFunction<PFNGLXSWAPINTERVALEXTPROC>("glXSwapIntervalEXT");
        ErrorTrap trap("wglSwapIntervalEXT");
        setInterval(display(), surface.drawable, interval);
        return !trap.failed();
    }
    if (glxOffers("GLX_MESA_swap_control")) {
        const auto setInterval = glxFunction<PFNGLXSWAPINTERVALMESAPROC>("glXSwapIntervalMESA");
        return interval >= 0 && setInterval(static_cast<unsigned>(interval)) == 0;
    }
    return true;
}

} // namespace

// A negative interval (swap late rather than wait for the next frame) is for displays that can
// tear.
BOOL WINAPI wglSwapIntervalEXT(int interval) {
    GlSurface* surface = currentSurface();
    if (!surface || (interval < 0 && !wglOffers("WGL_EXT_swap_control_tear")))
        return FALSE;
    if (!applySwapInterval(*surface, interval))
        return FALSE;
    surface->swapInterval = interval;
    return TRUE;
}

int WINAPI wglGetSwapIntervalEXT() {
    const GlSurface* surface = currentSurface();
    return surface ? surface->swapInterval : 0;
}

} // namespace x11
