// Where a window's GL context draws: to the window, or, while the window is larger than the GL
// renderer takes (any client may size any window as it likes), to the window's stand-in, a window
// of one pixel that is never shown. The context's state goes along; a frame drawn to the stand-in
// is never presented.
#ifndef TALVO_PLATFORM_X11_RENDER_TARGET_H
#define TALVO_PLATFORM_X11_RENDER_TARGET_H

#include "platform/x11/window.h"

namespace x11 {

// Within the renderer's largest viewport, and an image of 32-bit pixels that the GL driver and
// Xlib can size in the 32-bit arithmetic they size images with.
bool rendererTakes(const HWND__& window, int width, int height);
bool drawsToStandIn(const HWND__& window);
// The context current on the window moves to its stand-in, made on first need.
void drawToStandIn(HWND window);
// The context current on the window's stand-in moves back to the window, and the GL driver sizes
// its buffers for the window afresh (which it does otherwise only after a frame is presented).
void drawToWindow(HWND window);

} // namespace x11

#endif
