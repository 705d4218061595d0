// Window classes, and the icon resources a class may name.
#include "core/window_class.h"

#include "core/core_state.h"

#include <strings.h>

namespace x11 {

WindowClass* findWindowClass(const char* name) {
    if (!name)
        return nullptr;
    for (WindowClass& windowClass : core.classes)
        if (strcasecmp(windowClass.name.c_str(), name) == 0)
            return &windowClass;
    return nullptr;
}

} // namespace x11

using x11::core;
using x11::findWindowClass;

// Class atoms are numbered from the start of the range Windows gives registered classes.
ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !*windowClass->lpszClassName ||
        findWindowClass(windowClass->lpszClassName))
        return 0;
    core.classes.push_back({windowClass->lpszClassName, windowClass->style,
                            windowClass->lpfnWndProc, windowClass->hCursor, 0});
    return static_cast<ATOM>(x11::firstClassAtom + core.classesRegistered++);
}

// The same class without a small icon.
ATOM WINAPI RegisterClassA(const WNDCLASSA* windowClass) {
    if (!windowClass)
        return 0;
    const WNDCLASSEXA extended = {
        sizeof(WNDCLASSEXA),       windowClass->style,         windowClass->lpfnWndProc,
        windowClass->cbClsExtra,   windowClass->cbWndExtra,    windowClass->hInstance,
        windowClass->hIcon,        windowClass->hCursor,       windowClass->hbrBackground,
        windowClass->lpszMenuName, windowClass->lpszClassName, nullptr};
    return RegisterClassExA(&extended);
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE) {
    x11::WindowClass* windowClass = findWindowClass(className);
    if (!windowClass || windowClass->windowCount > 0)
        return FALSE;
    core.classes.remove_if(
        [windowClass](const x11::WindowClass& each) { return &each == windowClass; });
    return TRUE;
}

// The program carries no icon resources.
HICON WINAPI LoadIconA(HINSTANCE, LPCSTR) {
    return nullptr;
}
