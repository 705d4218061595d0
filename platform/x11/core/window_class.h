// The window classes registered by this process.
#ifndef TALVO_PLATFORM_X11_CORE_WINDOW_CLASS_H
#define TALVO_PLATFORM_X11_CORE_WINDOW_CLASS_H

#include "platform/platform.h"

#include <string>

namespace x11 {

struct WindowClass {
    std::string name;
    UINT style; // CS_OWNDC, CS_HREDRAW, CS_VREDRAW
    WNDPROC procedure;
    HCURSOR cursor;  // set over its windows' client areas by the default window procedure
    int windowCount; // live windows of the class, which keep it from being unregistered
};

// The registered class of that name, or null. Names compare without regard to ASCII case.
WindowClass* findWindowClass(const char* name);

} // namespace x11

#endif
