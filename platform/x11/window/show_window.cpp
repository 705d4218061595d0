// Show states. A window not yet mapped gets its state as a hint for the window manager; a mapped
// one asks the manager to change it.
#include "core/window_record.h"
#include "window/client_size.h"
#include "window/x_window.h"
#include "xlib/connection.h"
#include "xlib/window_properties.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace x11 {
namespace {

enum class ShowState { hidden, normal, minimised, maximised };

ShowState showStateFor(int showCommand) {
    switch (showCommand) {
    case SW_HIDE:
        return ShowState::hidden;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        return ShowState::minimised;
    case SW_SHOWMAXIMIZED:
        return ShowState::maximised;
    default:
        return ShowState::normal;
    }
}

void setInitialState(Window window, ShowState state) {
    Display* connection = display();
    XWMHints hints = {};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = state == ShowState::minimised ? IconicState : NormalState;
    XSetWMHints(connection, window, &hints);
    if (state == ShowState::maximised) {
        const Atom maximised[] = {atoms().netWmStateMaximizedVert, atoms().netWmStateMaximizedHorz};
        XChangeProperty(connection, window, atoms().netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(maximised), 2);
    }
}

// The _NET_WM_STATE request of the desktop conventions: its first argument adds the states or
// removes them.
enum class StateChange : long { remove = 0, add = 1 };

void requestMaximised(Window window, StateChange change) {
    sendWindowManagerRequest(programConnection(), window, atoms().netWmState,
                             {static_cast<long>(change),
                              static_cast<long>(atoms().netWmStateMaximizedVert),
                              static_cast<long>(atoms().netWmStateMaximizedHorz)});
}

void changeState(Window window, ShowState state) {
    Display* connection = display();
    switch (state) {
    case ShowState::hidden:
        XWithdrawWindow(connection, window, screen());
        break;
    case ShowState::minimised:
        XIconifyWindow(connection, window, screen());
        break;
    case ShowState::maximised:
    case ShowState::normal:
        XMapWindow(connection, window);
        requestMaximised(window,
                         state == ShowState::maximised ? StateChange::add : StateChange::remove);
        break;
    }
}

bool isMapped(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display(), window, &attributes) &&
           attributes.map_state != IsUnmapped;
}

} // namespace

} // namespace x11

// Returns whether the window was visible before, as Windows does; a minimised window is visible.
BOOL WINAPI ShowWindow(HWND window, int showCommand) {
    x11::WindowRecord* record = x11::findWindow(window);
    if (!record)
        return FALSE;
    const Window handle = x11::xWindowOf(window)->handle;
    const x11::ShowState state = x11::showStateFor(showCommand);
    const bool wasVisible = record->shown && (record->iconic || x11::isMapped(handle));
    if (state == x11::ShowState::hidden) {
        if (record->shown)
            x11::changeState(handle, state);
    } else if (!record->shown) {
        x11::setInitialState(handle, state);
        XMapWindow(x11::display(), handle);
        record->shown = true;
        record->iconic = state == x11::ShowState::minimised;
        x11::sendClientSize(window);
    } else {
        x11::changeState(handle, state);
    }
    XFlush(x11::display());
    return wasVisible ? TRUE : FALSE;
}

// The layer paints nothing itself, so there is never anything to update.
BOOL WINAPI UpdateWindow(HWND window) {
    return x11::findWindow(window) ? TRUE : FALSE;
}
