// The WGL extensions the layer offers: each one where GLX offers what it is made of.
#ifndef TALVO_PLATFORM_X11_GL_WGL_EXTENSIONS_H
#define TALVO_PLATFORM_X11_GL_WGL_EXTENSIONS_H

namespace x11 {

bool wglOffers(const char* extension);

} // namespace x11

#endif
