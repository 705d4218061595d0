// What the GL part keeps, in one place: each window's GL surface, the rendering contexts with their
// handles, and the largest frame the GL renderer takes.
#ifndef TALVO_PLATFORM_X11_GL_GL_STATE_H
#define TALVO_PLATFORM_X11_GL_GL_STATE_H

#include "core/handle_table.h"
#include "gl/gl_surface.h"
#include "platform/platform.h"

#include <GL/glx.h>

#include <unordered_map>

namespace x11 {

struct ContextRecord {
    GLXContext context;
    GLXFBConfig config;
    // What the context draws to once the window it drew to has gone: a window of one pixel,
    // never shown, made when first needed; None before.
    Window standIn;
    Colormap standInColormap;
};

struct GlState {
    std::unordered_map<HWND, GlSurface> surfaces;
    HandleTable<HGLRC, ContextRecord> contexts;
    // Width and height, once a context has been current and the renderer could be asked; 0 before.
    int largestFrame[2] = {};
};

extern GlState gl;

} // namespace x11

#endif
