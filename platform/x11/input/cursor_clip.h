// The rectangle ClipCursor keeps the pointer in: the X server keeps it there with a pointer grab
// confined to a window of that rectangle, while the program has the keyboard.
#ifndef TALVO_PLATFORM_X11_INPUT_CURSOR_CLIP_H
#define TALVO_PLATFORM_X11_INPUT_CURSOR_CLIP_H

#include "platform/platform.h"

namespace x11 {

// The point moved into the rectangle the pointer is kept in, the screen's when it is not clipped.
POINT clippedPoint(POINT point);
// The program lost the keyboard to another's window: the pointer goes free, as Windows frees it
// when another window comes to the foreground.
void releaseCursorClip();

} // namespace x11

#endif
