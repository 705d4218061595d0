// What the GL part keeps, in one place: each window's GL surface, the rendering contexts with their
// handles and the device context of the current one, and the largest frame the GL renderer takes.
#ifndef TALVO_PLATFORM_X11_GL_GL_STATE_H
#define TALVO_PLATFORM_X11_GL_GL_STATE_H

#include "core/handle_table.h"
#include "gl/gl_surface.h"
#include "platform/platform.h"

#include <GL/glx.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace x11 {

struct ContextRecord {
    GLXContext context;
    GLXFBConfig config;
    int pixelFormat;
    // How it was made, to make it again when wglShareLists puts it in another's share group: with
    // these attributes of glXCreateContextAttribsARB, or with glXCreateNewContext when empty.
    std::vector<int> glxAttributes;
    bool beenCurrent; // it may hold objects since, and is not made again
    bool sharing;     // it shares objects with another context
    // What the context draws to once the window it drew to has gone: a window of one pixel,
    // never shown, made when first needed; None before.
    Window standIn;
    Colormap standInColormap;
    // What wglGetProcAddress asks of the context, read when it first asks: its GL version
    // (major * 10 + minor; 0 before) and its extensions, sorted.
    int glVersion;
    std::vector<std::string> glExtensions;
};

struct GlState {
    std::unordered_map<HWND, GlSurface> surfaces;
    HandleTable<HGLRC, ContextRecord> contexts;
    HDC currentDeviceContext = nullptr; // as the current context was last made current with
    // Width and height, once a context has been current and the renderer could be asked; 0 before.
    int largestFrame[2] = {};
};

extern GlState gl;

} // namespace x11

#endif
