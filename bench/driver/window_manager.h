// Asking the window manager to act on a program's window, the way a task bar or pager does
// (EWMH), and waiting for the outcome on the driver's own X connection.
#ifndef TALVO_BENCH_WINDOW_MANAGER_H
#define TALVO_BENCH_WINDOW_MANAGER_H

#include <X11/Xlib.h>

struct ClientSize {
    int width;
    int height;
};

// Sets up `display` for the functions below: X errors about windows that have just gone are
// expected while programs come and go, and must not end the driver.
void prepareConnection(Display* display);

// The one window the window manager manages, once there is one; None if none came in time. The
// benchmark runs one program at a time, so that window is the program's.
Window waitForClientWindow(Display* display, int timeoutMs);

// True once the window manager manages no window: the last program's window is gone.
bool waitForNoClientWindow(Display* display, int timeoutMs);

ClientSize clientSizeOf(Display* display, Window window);

// Asks for the window to be maximised and waits until its client area has the given size.
bool maximise(Display* display, Window window, ClientSize expected, int timeoutMs);

// Sends the close request (what the close button of a frame sends) and flushes it to the server.
void requestClose(Display* display, Window window);

#endif
