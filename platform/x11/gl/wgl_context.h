// GL rendering contexts: GLX contexts of a window's frame-buffer configuration.
#ifndef TALVO_PLATFORM_X11_GL_WGL_CONTEXT_H
#define TALVO_PLATFORM_X11_GL_WGL_CONTEXT_H

#include "gl/gl_state.h"
#include "platform/platform.h"

#include <GL/glx.h>

namespace x11 {

// The context current on that drawable, if any, draws to its stand-in from now on: the drawable is
// going away, and no GL call may reach it once it has.
void moveCurrentContextOff(GLXDrawable drawable);
// The record of the thread's current context; null with none.
ContextRecord* currentContextRecord();
// A GLX context made as `record` says (its configuration and attributes), sharing objects with
// `share` unless null. Made inside the caller's error trap, which tells whether GLX refused.
GLXContext makeGlxContext(const ContextRecord& record, GLXContext share);
// A handle for a new context; null, with the context destroyed, once every handle is taken.
HGLRC addContext(const ContextRecord& record);

} // namespace x11

#endif
