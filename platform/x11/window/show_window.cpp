// Show states. A window not yet mapped gets its state as a hint for the window manager; a mapped
// one asks the manager to change it. The window procedure hears of it as on Windows: a window that
// was hidden gets WM_SHOWWINDOW, is activated (unless the command says otherwise) and gets
// WM_WINDOWPOSCHANGED, and, shown the first time, its client size (WM_SIZE), all before
// ShowWindow returns.
#include "core/activation.h"
#include "core/paint.h"
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "window/client_size.h"
#include "window/foreground.h"
#include "window/window_position.h"
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
        XChangeProperty(connection, window, atoms().netWmState, XA_ATOM, 32, PropModeAppend,
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

// The commands that activate the window, and those that minimise it and so pass the activation on
// (to the next window, maybe another program's).
bool activates(int showCommand) {
    switch (showCommand) {
    case SW_SHOWNORMAL:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMAXIMIZED:
    case SW_SHOW:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
        return true;
    default:
        return false;
    }
}

bool passesActivationOn(int showCommand) {
    return showCommand == SW_MINIMIZE || showCommand == SW_SHOWMINNOACTIVE;
}

const UINT unmoved = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

BOOL hide(HWND window, WindowRecord& record) {
    if (!(record.style & WS_VISIBLE))
        return FALSE;
    sendMessage(window, WM_SHOWWINDOW, FALSE, 0);
    if (WindowRecord* still = findWindow(window)) {
        still->style &= ~WS_VISIBLE;
        still->update.clear();
        changeState(xWindowOf(window)->handle, ShowState::hidden);
        sendWindowPosChanged(window, nullptr, SWP_HIDEWINDOW | unmoved);
    }
    if (activeWindow() == window)
        activateWindow(nextActiveWindow(window), Delivery::sent);
    return TRUE;
}

void map(HWND window, WindowRecord& record, ShowState state) {
    const Window handle = xWindowOf(window)->handle;
    if (record.shown) {
        changeState(handle, state);
        return;
    }
    setInitialState(handle, state);
    XMapWindow(display(), handle);
    record.shown = true;
    record.iconic = state == ShowState::minimised;
}

} // namespace

} // namespace x11

// Returns whether the window was visible before, as Windows does; a minimised window is visible.
// A window procedure may destroy its window while it hears of it: what follows is then left out.
BOOL WINAPI ShowWindow(HWND window, int showCommand) {
    using namespace x11;
    WindowRecord* record = windowForCall(window);
    if (!record)
        return FALSE;
    const ShowState state = showStateFor(showCommand);
    if (state == ShowState::hidden) {
        const BOOL wasVisible = hide(window, *record);
        XFlush(display());
        return wasVisible;
    }
    const bool wasVisible = record->style & WS_VISIBLE;
    const bool firstShow = !record->shown;
    if (!wasVisible)
        sendMessage(window, WM_SHOWWINDOW, TRUE, 0);
    if (!(record = findWindow(window)))
        return wasVisible ? TRUE : FALSE;
    record->style |= WS_VISIBLE;
    map(window, *record, state);
    XFlush(display());
    if (activates(showCommand))
        activateWindow(window, Delivery::sent);
    else if (passesActivationOn(showCommand) && activeWindow() == window)
        activateWindow(nullptr, Delivery::sent);
    if (!wasVisible && (record = findWindow(window))) {
        invalidateClientArea(*record);
        sendWindowPosChanged(window, nullptr, SWP_SHOWWINDOW | unmoved);
    }
    if (firstShow)
        sendClientSize(window);
    return wasVisible ? TRUE : FALSE;
}
