// Device contexts: a window's stand-in wherever GDI and WGL take one. Each GetDC gives a device
// context of its own, which lasts until ReleaseDC releases it or its window is destroyed.
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
