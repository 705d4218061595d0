// What the pointer's side of the input part keeps, in one place: the cursor shown over the
// program's windows, the window holding the mouse capture, and the rectangle the pointer is kept
// in. (The keyboard keeps its own, in keyboard.cpp.)
#ifndef TALVO_PLATFORM_X11_INPUT_POINTER_STATE_H
#define TALVO_PLATFORM_X11_INPUT_POINTER_STATE_H

#include "platform/platform.h"

#include <X11/Xlib.h>

#include <map>
#include <unordered_map>

namespace x11 {

struct PointerState {
    int displayCount = 0;            // ShowCursor's: the cursor shows while it is 0 or more
    HCURSOR shape = nullptr;         // SetCursor's
    bool shapeChosen = false;        // until SetCursor is first called, the desktop's cursor shows
    std::map<WORD, Cursor> xCursors; // the system cursors made so far, by IDC_ number
    Cursor blank = None;             // made when first needed
    std::unordered_map<Window, Cursor> defined; // what each of the program's X windows shows
    HWND capture = nullptr;
    bool clipped = false;
    RECT clip = {};
    Window clipWindow = None; // the grab keeps the pointer in it
};

extern PointerState pointer;

} // namespace x11

#endif
