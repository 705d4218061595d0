// What a top-level window tells the window manager about itself, what it asks of the manager, and
// what the manager answers in properties of its own. Each call takes the connection it is made on.
#ifndef TALVO_PLATFORM_X11_XLIB_WINDOW_PROPERTIES_H
#define TALVO_PLATFORM_X11_XLIB_WINDOW_PROPERTIES_H

#include "platform/platform.h"
#include "xlib/connection.h"

#include <X11/Xlib.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace x11 {

// The title, both as _NET_WM_NAME and as the older WM_NAME.
void setTitle(const Connection& connection, Window window, const std::string& utf8Title);
void setClassHint(const Connection& connection, Window window, const char* className);
// Asks for WM_DELETE_WINDOW instead of being killed when the user closes the window.
void setCloseProtocol(const Connection& connection, Window window);
// The window styles setDecorations reads.
const DWORD decoratingStyles =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
// Title bar, system menu, minimise and maximise boxes, border and sizing border as the window
// style asks; a pop-up window without a border has none.
void setDecorations(const Connection& connection, Window window, DWORD style);
// The position is the frame's top-left corner, as the user asked for it; with none, the window
// manager places the window. The window grows no larger than the screen (window managers let
// other clients size it otherwise as they like).
void setPlacement(const Connection& connection, Window window, const POINT* position);
// The same, with a size the window can be neither resized nor maximised from.
void setFixedPlacement(const Connection& connection, Window window, int x, int y, int width,
                       int height);

// A request of the desktop conventions about a window, with up to five 32-bit arguments: a
// client message to the root window, where the manager listens for them. Not flushed.
void sendWindowManagerRequest(const Connection& connection, Window window, Atom request,
                              std::initializer_list<long> arguments);

// The 32-bit items of a property of the given type; empty when it is not set.
std::vector<unsigned long> readProperty(const Connection& connection, Window window, Atom property,
                                        Atom type);
// Whether the window has the property, of any type; false for a window that does not exist.
bool hasProperty(const Connection& connection, Window window, Atom property);
// Maximised both ways, as the window manager keeps it in _NET_WM_STATE.
bool isMaximised(const Connection& connection, Window window);

} // namespace x11

#endif
