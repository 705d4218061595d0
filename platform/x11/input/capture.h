// The mouse capture: the window that takes the mouse's messages wherever the pointer is.
#ifndef TALVO_PLATFORM_X11_INPUT_CAPTURE_H
#define TALVO_PLATFORM_X11_INPUT_CAPTURE_H

#include "platform/platform.h"

namespace x11 {

// A window going away lets go of the capture, telling itself so first.
void releaseCaptureOf(HWND window);

} // namespace x11

#endif
