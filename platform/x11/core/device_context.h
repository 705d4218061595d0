// Device contexts: a window's stand-in wherever GDI and WGL take one. A window of a class with
// CS_OWNDC has one for life, which GetDC gives each time and ReleaseDC leaves as it is; any other
// window gets a device context of its own from each GetDC, which lasts until ReleaseDC releases it
// or its window is destroyed.
#ifndef TALVO_PLATFORM_X11_CORE_DEVICE_CONTEXT_H
#define TALVO_PLATFORM_X11_CORE_DEVICE_CONTEXT_H

#include "platform/platform.h"

namespace x11 {

// The live window a device context not yet released stands for; null otherwise.
HWND windowOfDeviceContext(HDC deviceContext);
// Releases every device context of a window that is going away.
void releaseDeviceContextsOf(HWND window);

} // namespace x11

#endif
