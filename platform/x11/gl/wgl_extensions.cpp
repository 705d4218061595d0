#include "gl/wgl_extensions.h"

#include "core/device_context.h"
#include "gl/glx_extensions.h"
#include "gl/wgl_extension_functions.h"

#include <cstring>
#include <string>

namespace x11 {
namespace {

struct WglExtension {
    const char* name;
    // The GLX extensions it is made of, either of which will do; offered on every display when
    // there is none. Swaps that wait for the display are kept as asked even where GLX cannot make
    // them wait, as they then never waited in the first place.
    const char* madeOf;
    const char* orMadeOf;
};

const WglExtension wglExtensions[] = {
    {"WGL_ARB_create_context", "GLX_ARB_create_context", nullptr},
    {"WGL_ARB_create_context_profile", "GLX_ARB_create_context_profile", nullptr},
    {"WGL_ARB_create_context_robustness", "GLX_ARB_create_context_robustness", nullptr},
    {"WGL_ARB_extensions_string", nullptr, nullptr},
    {"WGL_ARB_framebuffer_sRGB", "GLX_ARB_framebuffer_sRGB", "GLX_EXT_framebuffer_sRGB"},
    {"WGL_ARB_multisample", "GLX_ARB_multisample", nullptr},
    {"WGL_ARB_pixel_format", nullptr, nullptr},
    {"WGL_EXT_extensions_string", nullptr, nullptr},
    {"WGL_EXT_framebuffer_sRGB", "GLX_ARB_framebuffer_sRGB", "GLX_EXT_framebuffer_sRGB"},
    {"WGL_EXT_swap_control", nullptr, nullptr},
    {"WGL_EXT_swap_control_tear", "GLX_EXT_swap_control_tear", nullptr},
};

bool isOffered(const WglExtension& extension) {
    return !extension.madeOf || glxOffers(extension.madeOf) ||
           (extension.orMadeOf && glxOffers(extension.orMadeOf));
}

// The list, separated by spaces, as both extensions-string extensions give it. The server's
// extensions stay as they are while the program's connection lasts, so it is made once.
const std::string& offeredList() {
    static const std::string list = [] {
        std::string names;
        for (const WglExtension& extension : wglExtensions)
            if (isOffered(extension))
                names += (names.empty() ? "" : " ") + std::string(extension.name);
        return names;
    }();
    return list;
}

} // namespace

bool wglOffers(const char* name) {
    for (const WglExtension& extension : wglExtensions)
        if (std::strcmp(extension.name, name) == 0)
            return isOffered(extension);
    return false;
}

// Null for a device context that is none, with the error Windows gives.
const char* WINAPI wglGetExtensionsStringARB(HDC deviceContext) {
    if (!windowOfDeviceContext(deviceContext)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return offeredList().c_str();
}

const char* WINAPI wglGetExtensionsStringEXT() {
    return offeredList().c_str();
}

} // namespace x11
