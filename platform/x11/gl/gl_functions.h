// GL functions past GL 1.1, as Windows' wglGetProcAddress finds them: those of the GL versions and
// extensions the current context has. The GL library exports the functions of GL 1.0 and 1.1
// itself, and wglGetProcAddress does not answer for them, nor for names no GL version or extension
// has (GLX's glXGetProcAddress answers every name with a function).
#ifndef TALVO_PLATFORM_X11_GL_GL_FUNCTIONS_H
#define TALVO_PLATFORM_X11_GL_GL_FUNCTIONS_H

#include "platform/platform.h"

namespace x11 {

// The function of that name if the current context has it; null otherwise.
PROC glFunctionOfCurrentContext(const char* name);

} // namespace x11

#endif
