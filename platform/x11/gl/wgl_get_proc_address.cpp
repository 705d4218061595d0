// wglGetProcAddress: for the current context, the functions of the WGL extensions the layer offers
// and the GL functions past GL 1.1 that the context has.
#include "gl/gl_functions.h"
#include "gl/wgl_extension_functions.h"
#include "gl/wgl_extensions.h"

#include <GL/glx.h>

#include <cstring>

namespace x11 {
namespace {

template <typename Function> PROC asProc(Function function) {
    return reinterpret_cast<PROC>(reinterpret_cast<void (*)()>(function));
}

struct WglFunction {
    const char* name;
    const char* extension; // that brings it
    PROC function;
};

const WglFunction wglFunctions[] = {
    {"wglChoosePixelFormatARB", "WGL_ARB_pixel_format", asProc(wglChoosePixelFormatARB)},
    {"wglCreateContextAttribsARB", "WGL_ARB_create_context", asProc(wglCreateContextAttribsARB)},
    {"wglGetExtensionsStringARB", "WGL_ARB_extensions_string", asProc(wglGetExtensionsStringARB)},
    {"wglGetExtensionsStringEXT", "WGL_EXT_extensions_string", asProc(wglGetExtensionsStringEXT)},
    {"wglGetPixelFormatAttribfvARB", "WGL_ARB_pixel_format", asProc(wglGetPixelFormatAttribfvARB)},
    {"wglGetPixelFormatAttribivARB", "WGL_ARB_pixel_format", asProc(wglGetPixelFormatAttribivARB)},
    {"wglGetSwapIntervalEXT", "WGL_EXT_swap_control", asProc(wglGetSwapIntervalEXT)},
    {"wglSwapIntervalEXT", "WGL_EXT_swap_control", asProc(wglSwapIntervalEXT)},
};

PROC wglFunction(const char* name) {
    for (const WglFunction& each : wglFunctions)
        if (std::strcmp(each.name, name) == 0)
            return wglOffers(each.extension) ? each.function : nullptr;
    return nullptr;
}

} // namespace
} // namespace x11

PROC WINAPI wglGetProcAddress(LPCSTR name) {
    if (!name || !glXGetCurrentContext())
        return nullptr;
    if (std::strncmp(name, "wgl", 3) == 0)
        return x11::wglFunction(name);
    return x11::glFunctionOfCurrentContext(name);
}
