// A window's GL side: the pixel format it took, and the X window GL draws to. That is a child of
// the window's top-level with the visual of the pixel format, made when the format is set: the
// top-level keeps the screen's visual, and its id, for life. The child's size is the GL part's own
// to set (gl/drawable_size.h), whatever size other clients give the top-level.
#ifndef TALVO_PLATFORM_X11_GL_GL_SURFACE_H
#define TALVO_PLATFORM_X11_GL_GL_SURFACE_H

#include "platform/platform.h"

#include <GL/glx.h>

namespace x11 {

struct GlSurface {
    int pixelFormat;
    GLXFBConfig config;
    Window drawable; // None once the window's X window is gone
    Colormap colormap;
    int width; // the drawable's size, as set here
    int height;
    int swapInterval; // frames a buffer swap waits for, as wglSwapIntervalEXT last set it
};

// The surface of a window that has a pixel format; null otherwise.
GlSurface* surfaceOf(HWND window);
// The window whose surface draws to that drawable; null otherwise.
HWND windowOfDrawable(GLXDrawable drawable);
// Gives a window that has none its surface, with the pixel format's configuration; false when the
// server refuses.
bool createSurface(HWND window, int pixelFormat, GLXFBConfig config);
// Another client destroyed the window's X window, and the surface with it: a context that drew to
// it draws to its stand-in from now on, and nothing is presented any more.
void surfaceGone(HWND window);
// The window is being destroyed: a context that draws to its surface moves to its stand-in, and
// the surface goes.
void releaseSurface(HWND window);

} // namespace x11

#endif
