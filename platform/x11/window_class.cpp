// Window classes, and the icon and cursor resources a class may name.
#include "platform/x11/window_class.h"

#include <list>
#include <strings.h>

namespace x11 {
namespace {

// A list, so the records the windows point to stay where they are while others come and go.
std::list<WindowClass> registeredClasses;

// Class atoms are numbered from the start of the range Windows gives registered classes.
const ATOM firstClassAtom = 0xC000;
ATOM nextClassAtom = firstClassAtom;

} // namespace

WindowClass* findWindowClass(const char* name) {
    if (!name)
        return nullptr;
    for (WindowClass& windowClass : registeredClasses)
        if (strcasecmp(windowClass.name.c_str(), name) == 0)
            return &windowClass;
    return nullptr;
}

} // namespace x11

using x11::findWindowClass;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !*windowClass->lpszClassName ||
        findWindowClass(windowClass->lpszClassName))
        return 0;
    x11::registeredClasses.push_back({windowClass->lpszClassName, windowClass->lpfnWndProc, 0});
    return x11::nextClassAtom++;
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE) {
    x11::WindowClass* windowClass = findWindowClass(className);
    if (!windowClass || windowClass->windowCount > 0)
        return FALSE;
    x11::registeredClasses.remove_if(
        [windowClass](const x11::WindowClass& each) { return &each == windowClass; });
    return TRUE;
}

// The program carries no icon resources, and a class without a cursor shows the one the desktop
// has set on the root window, which is its arrow.
HICON WINAPI LoadIconA(HINSTANCE, LPCSTR) {
    return nullptr;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR) {
    return nullptr;
}
