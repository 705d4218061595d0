// GL rendering contexts: GLX contexts of a window's frame-buffer configuration.
#ifndef TALVO_PLATFORM_X11_GL_WGL_CONTEXT_H
#define TALVO_PLATFORM_X11_GL_WGL_CONTEXT_H

#include <GL/glx.h>

namespace x11 {

// The context current on that drawable, if any, draws to its stand-in from now on: the drawable is
// going away, and no GL call may reach it once it has.
void moveCurrentContextOff(GLXDrawable drawable);

} // namespace x11

#endif
