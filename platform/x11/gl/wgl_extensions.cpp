// GL functions past 1.1 and the WGL extensions for the current context: the extensions string
// and the swap interval, on GLX's swap-control extensions.
#include "gl/gl_surface.h"
#include "xlib/connection.h"
#include "xlib/error_trap.h"

#include <GL/glx.h>

#include <cstring>

namespace x11 {
namespace {

// Whether the server and the driver both offer a GLX extension.
bool glxOffers(const char* extension) {
    const char* offered = glXQueryExtensionsString(display(), screen());
    const std::size_t length = std::strlen(extension);
    for (const char* at = offered; at && (at = std::strstr(at, extension)); at += length)
        if ((at == offered || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

// The surface the current context draws to, if it is a window's.
GlSurface* currentSurface() {
    return glXGetCurrentContext() ? surfaceOf(windowOfDrawable(glXGetCurrentDrawable())) : nullptr;
}

// GLX_EXT_swap_control sets the interval of a window, GLX_MESA_swap_control of the current
// context. With neither, swaps do not wait for the display in the first place: the interval is
// kept, and has no effect.
bool applySwapInterval(const GlSurface& surface, int interval) {
    if (glxOffers("GLX_EXT_swap_control")) {
        const auto setInterval = reinterpret_cast<PFNGLXSWAPINTERVALEXTPROC>(
            glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXSwapIntervalEXT")));
        ErrorTrap trap("wglSwapIntervalEXT");
        setInterval(display(), surface.drawable, interval);
        return !trap.failed();
    }
    if (glxOffers("GLX_MESA_swap_control")) {
        const auto setInterval = reinterpret_cast<PFNGLXSWAPINTERVALMESAPROC>(
            glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXSwapIntervalMESA")));
        return interval >= 0 && setInterval(static_cast<unsigned>(interval)) == 0;
    }
    return true;
}

// A negative interval (swap late rather than wait for the next frame) is for displays that can
// tear.
BOOL WINAPI setSwapInterval(int interval) {
    GlSurface* surface = currentSurface();
    if (!surface || (interval < 0 && !glxOffers("GLX_EXT_swap_control_tear")))
        return FALSE;
    if (!applySwapInterval(*surface, interval))
        return FALSE;
    surface->swapInterval = interval;
    return TRUE;
}

int WINAPI swapInterval() {
    const GlSurface* surface = currentSurface();
    return surface ? surface->swapInterval : 0;
}

const char* WINAPI extensionsString() {
    return glxOffers("GLX_EXT_swap_control_tear")
               ? "WGL_EXT_extensions_string WGL_EXT_swap_control WGL_EXT_swap_control_tear"
               : "WGL_EXT_extensions_string WGL_EXT_swap_control";
}

template <typename Function> PROC asProc(Function function) {
    return reinterpret_cast<PROC>(reinterpret_cast<void (*)()>(function));
}

} // namespace
} // namespace x11

// WGL names are the layer's own; GL names go to GLX, which (unlike Windows) also answers for the
// 1.1 functions and, with a stub, for names the driver does not know.
PROC WINAPI wglGetProcAddress(LPCSTR name) {
    if (!name || !glXGetCurrentContext())
        return nullptr;
    if (std::strncmp(name, "wgl", 3) != 0)
        return reinterpret_cast<PROC>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
    if (std::strcmp(name, "wglGetExtensionsStringEXT") == 0)
        return x11::asProc(x11::extensionsString);
    if (std::strcmp(name, "wglSwapIntervalEXT") == 0)
        return x11::asProc(x11::setSwapInterval);
    if (std::strcmp(name, "wglGetSwapIntervalEXT") == 0)
        return x11::asProc(x11::swapInterval);
    return nullptr;
}
