// A recording stand-in for the window system, linked in place of the real one. It logs every
// call with its arguments, can make any one call fail, and otherwise behaves as Win32 does where
// the system relies on it; the contract suite (tests/contract) holds it to that, as it holds the
// real providers.
#ifndef TALVO_TESTS_FAKE_FAKE_PLATFORM_H
#define TALVO_TESTS_FAKE_FAKE_PLATFORM_H

#include "platform/platform.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace fake {

struct WarningBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// The handles the fake hands out, and the module instance the tests pass in.
extern const HINSTANCE instance;
extern const HWND window;
extern const HDC deviceContext;
extern const HGLRC renderContext;
extern const HCURSOR arrowCursor;

// The window's frame, so that the client area is smaller than the outer size.
const int frameWidth = 16;
const int frameHeight = 39;
// What the fake's ChoosePixelFormat answers.
const int chosenFormat = 7;

// Every call in order, as "Name(arg, ...)": handles by the names above, texts quoted, unsigned
// numbers (styles, flags, messages) in hexadecimal, class records and pixel-format requests by
// their fields.
extern std::vector<std::string> calls;
extern std::vector<WarningBox> boxes;
// The outer rectangle the window was created with: x, y, width, height; and its client size, as
// WM_SIZE gives it.
extern std::array<int, 4> windowRect;
LPARAM clientSize();
// What timeGetTime answers.
extern DWORD clockMilliseconds;
// Called whenever PeekMessageA finds the queue empty, so a test can end a loop that never waits.
extern std::function<void(int emptyPolls)> onEmptyPoll;

// Forgets all calls, messages, classes, windows and failures.
void reset();
// Makes the nth call (counted from 1, from now on) of the named operation fail.
void failCall(const std::string& name, int occurrence = 1);
// Queues a message for the window as the window system would.
void post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The recorded calls whose names are among `names`, in order.
std::vector<std::string> callsNamed(const std::vector<std::string>& names);

} // namespace fake

#endif
