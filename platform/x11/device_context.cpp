// A window's device context stands for the window wherever GDI and WGL take one.
#include "platform/x11/display.h"
#include "platform/x11/window.h"

#include <GL/glx.h>

HDC WINAPI GetDC(HWND window) {
    return x11::liveWindow(window) ? &window->deviceContext : nullptr;
}

int WINAPI ReleaseDC(HWND window, HDC deviceContext) {
    return x11::liveWindow(window) && deviceContext == &window->deviceContext ? 1 : 0;
}

BOOL WINAPI SwapBuffers(HDC deviceContext) {
    HWND window = x11::windowOfDeviceContext(deviceContext);
    if (!window || !window->pixelFormat)
        return FALSE;
    glXSwapBuffers(x11::display(), window->handle);
    return TRUE;
}
