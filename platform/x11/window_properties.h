// What a top-level window tells the window manager about itself, and what the manager answers in
// properties of its own.
#ifndef TALVO_PLATFORM_X11_WINDOW_PROPERTIES_H
#define TALVO_PLATFORM_X11_WINDOW_PROPERTIES_H

#include "platform/platform.h"

#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace x11 {

// The title, both as _NET_WM_NAME and as the older WM_NAME.
void setTitle(Window window, const std::string& utf8Title);
void setClassHint(Window window, const char* className);
// Asks for WM_DELETE_WINDOW instead of being killed when the user closes the window.
void setCloseProtocol(Window window);
// Title bar, system menu, minimise and maximise boxes and sizing border as the window style asks.
void setDecorations(Window window, DWORD style);
// The position is the frame's top-left corner, as the user asked for it; a fixed size can be
// neither resized nor maximised.
void setPlacement(Window window, int x, int y, int width, int height, bool fixedSize);

// The 32-bit items of a property of the given type; empty when it is not set.
std::vector<unsigned long> readProperty(Window window, Atom property, Atom type);
// Maximised both ways, as the window manager keeps it in _NET_WM_STATE.
bool isMaximised(Window window);

} // namespace x11

#endif
