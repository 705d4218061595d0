// Painting as Win32 asks for it: each window's update region, which the layer and the program
// invalidate, and WM_PAINT, which the message loop gets for a visible window with something to
// paint once nothing else is waiting, until BeginPaint or ValidateRect validates it.
#ifndef TALVO_PLATFORM_X11_CORE_PAINT_H
#define TALVO_PLATFORM_X11_CORE_PAINT_H

#include "core/message_queue.h"
#include "core/window_record.h"

namespace x11 {

// All of the client area is to be painted, background first: the window has just been shown.
void invalidateClientArea(WindowRecord& window);
// The client area changed size from the one given: what it gained is to be painted, or all of it
// for a class with CS_HREDRAW (a new width) or CS_VREDRAW (a new height).
void invalidateResizedClientArea(WindowRecord& window, int oldWidth, int oldHeight);
// WM_PAINT for the first window the filter lets through that has something to paint; false when
// there is none. It is left for the next poll, whatever the filter asks, until painted.
bool takePaintMessage(const MessageFilter& filter, MSG* message);

} // namespace x11

#endif
