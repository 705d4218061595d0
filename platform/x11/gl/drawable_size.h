// The guard against windows larger than the GL renderer takes. Any client may size any window as it
// likes, and the GL driver sizes its buffers by the size of the X window it draws to: a frame of
// 32767 by 32767 pixels takes gigabytes and seconds. So the size of a window's GL drawable is the
// GL part's own: the window's client size while the renderer takes it, one pixel otherwise (the
// window then shows no frame until it is small enough again). Other clients size the top-level,
// not the drawable; and the GL driver is told that size, whatever the server says (see the
// XGetGeometry below, in drawable_size.cpp).
#ifndef TALVO_PLATFORM_X11_GL_DRAWABLE_SIZE_H
#define TALVO_PLATFORM_X11_GL_DRAWABLE_SIZE_H

#include "platform/platform.h"

namespace x11 {

struct DrawableSize {
    int width;
    int height;
};

// The size of the drawable of a window with that client size.
DrawableSize drawableSizeFor(int clientWidth, int clientHeight);
// Fits the window's drawable to its client size: after the client size changed, or the renderer
// could be asked what it takes.
void fitDrawable(HWND window);
// Asks the current context's renderer for the largest frame it takes, the first time one is
// current.
void learnRendererLimits();

} // namespace x11

#endif
