#include "core/cursor_resource.h"

// A cursor handle points to the cursor's entry in the table.
struct HICON__ {
    WORD id;
};

namespace x11 {
namespace {

HICON__ systemCursors[] = {{32512}, {32513}, {32514}, {32515}, {32516}, {32642}, {32643},
                           {32644}, {32645}, {32646}, {32648}, {32649}, {32650}, {32651}};

} // namespace

WORD systemCursorId(HCURSOR cursor) {
    for (const HICON__& each : systemCursors)
        if (cursor == &each)
            return each.id;
    return 0;
}

} // namespace x11

// A program carries no cursor resources of its own here, so only the system's cursors (no module)
// can be loaded; for any other, no cursors are found at all, as Wine answers.
HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR cursorName) {
    if (!instance && IS_INTRESOURCE(cursorName))
        for (HICON__& each : x11::systemCursors)
            if (each.id == reinterpret_cast<ULONG_PTR>(cursorName))
                return &each;
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}
