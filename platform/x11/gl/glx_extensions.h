// The GLX extensions the server and the GL driver both offer, and the functions they bring.
#ifndef TALVO_PLATFORM_X11_GL_GLX_EXTENSIONS_H
#define TALVO_PLATFORM_X11_GL_GLX_EXTENSIONS_H

#include <GL/glx.h>

namespace x11 {

bool glxOffers(const char* extension);

// A function of a GLX extension, as the GL library gives it.
template <typename Function> Function glxFunction(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

} // namespace x11

#endif
