// What Win32 keeps of a window whatever draws it, and the handles windows are known by. The
// window's X side belongs to window/, its GL side to gl/.
#ifndef TALVO_PLATFORM_X11_CORE_WINDOW_RECORD_H
#define TALVO_PLATFORM_X11_CORE_WINDOW_RECORD_H

#include "core/update_region.h"
#include "core/window_class.h"
#include "platform/platform.h"

#include <string>
#include <vector>

namespace x11 {

struct WindowRecord {
    WindowClass* windowClass;
    WNDPROC procedure; // the class's, until SetWindowLongPtrA replaces it
    std::string title; // as the caller gave it, in Windows-1254
    DWORD style;       // as Win32 keeps it: WS_VISIBLE while shown; WS_MINIMIZE is `iconic`
    DWORD exStyle;
    HINSTANCE instance;
    LONG_PTR userData; // GWLP_USERDATA
    int x;             // the outer position asked for
    int y;
    int clientWidth; // as the window system last reported it
    int clientHeight;
    int reportedWidth; // as the window procedure was last told it, -1 before the first time
    int reportedHeight;
    bool shown;           // ShowWindow has shown it once
    bool iconic;          // minimised
    bool beingDestroyed;  // DestroyWindow has begun
    HDC ownDeviceContext; // CS_OWNDC: the window's one device context, once GetDC made it
    UpdateRegion update;  // what WM_PAINT is to paint
};

// A window is live from its creation until it is destroyed; its handle is never given to another.
// Null once every handle is taken.
HWND addWindow(const WindowRecord& record);
void removeWindow(HWND window);
// The window's record; null for a window destroyed, or a handle that never was one.
WindowRecord* findWindow(HWND window);
// The same, for a call that fails on any other handle as Win32 does: with
// ERROR_INVALID_WINDOW_HANDLE.
WindowRecord* windowForCall(HWND window);
std::vector<HWND> liveWindows();

} // namespace x11

#endif
