// Everything the Win32 rules keep, in one place: the windows and device contexts with their
// handles, the registered classes, the thread's message queue, its active window and focus, its
// key state and its last error.
#ifndef TALVO_PLATFORM_X11_CORE_CORE_STATE_H
#define TALVO_PLATFORM_X11_CORE_CORE_STATE_H

#include "core/handle_table.h"
#include "core/window_class.h"
#include "core/window_record.h"
#include "platform/platform.h"

#include <deque>
#include <list>
#include <string>

namespace x11 {

struct DeviceContextRecord {
    HWND window;
};

// A posted message; a key-down with the characters (Windows-1254) that it types. A pointer move
// the window system told of may be replaced by the next.
struct QueuedMessage {
    MSG message;
    std::string characters;
    bool pointerMove;
};

// Alt or F10 pressed with no other key since: released, it asks for the menu (SC_KEYMENU).
enum class MenuKey { none, alt, f10 };

// Class atoms are numbered from the start of the range Windows gives registered classes.
const ATOM firstClassAtom = 0xC000;

struct CoreState {
    HandleTable<HWND, WindowRecord> windows;
    HandleTable<HDC, DeviceContextRecord> deviceContexts;
    std::list<WindowClass> classes; // a list: windows point to their class's record
    int classesRegistered = 0;
    std::deque<QueuedMessage> posted;
    QueuedMessage lastKeyDown = {}; // the key-down last taken off the queue, until translated
    bool quitPosted = false;
    int quitExitCode = 0;
    DWORD newMessageKinds = 0; // QS_ bits of what was queued since the thread last looked
    HWND activeWindow = nullptr;
    HWND focusWindow = nullptr;
    BYTE keyStates[256] = {}; // by virtual key, as GetKeyState reads them
    MenuKey menuKey = MenuKey::none;
    DWORD lastError = 0;
};

extern CoreState core;

} // namespace x11

#endif
