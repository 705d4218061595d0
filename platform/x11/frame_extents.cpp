#include "platform/x11/frame_extents.h"

#include "platform/x11/display.h"
#include "platform/x11/window_properties.h"

#include <X11/Xatom.h>

#include <poll.h>

#include <algorithm>
#include <chrono>

namespace x11 {
namespace {

// Only a manager that lists the request among those it supports is asked, and it answers at once.
// One that is still starting up may drop a request unanswered, so it is asked again until then.
const std::chrono::milliseconds answerTimeout(2000);
const std::chrono::milliseconds requestInterval(250);
// Xlib may already have read the answer off the socket into its buffers while checking the queue,
// and then the socket stays quiet: waiting on it is cut into short slices.
const std::chrono::milliseconds socketWaitSlice(5);

Bool isFrameExtentsChange(Display*, XEvent* event, XPointer window) {
    return event->type == PropertyNotify &&
           event->xproperty.window == *reinterpret_cast<Window*>(window) &&
           event->xproperty.atom == atoms().netFrameExtents;
}

void requestFrameExtents(Window window) {
    sendWindowManagerRequest(programConnection(), window, atoms().netRequestFrameExtents, {});
    XFlush(display());
}

// Takes the answer from the queue, leaving every other event there, in order.
bool awaitFrameExtents(Window window) {
    Display* connection = display();
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + answerTimeout;
    auto nextRequest = start;
    XEvent event;
    for (;;) {
        if (std::chrono::steady_clock::now() >= nextRequest) {
            requestFrameExtents(window);
            nextRequest += requestInterval;
        }
        if (XCheckIfEvent(connection, &event, isFrameExtentsChange,
                          reinterpret_cast<XPointer>(&window)))
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        pollfd connectionReadable = {ConnectionNumber(connection), POLLIN, 0};
        poll(&connectionReadable, 1, static_cast<int>(socketWaitSlice.count()));
    }
}

// A manager that follows the desktop conventions names its check window on the root, and lists
// the requests it answers.
bool managerAnswersRequests() {
    const Connection& program = programConnection();
    if (readProperty(program, rootWindow(), atoms().netSupportingWmCheck, XA_WINDOW).empty())
        return false;
    const std::vector<unsigned long> supported =
        readProperty(program, rootWindow(), atoms().netSupported, XA_ATOM);
    return std::find(supported.begin(), supported.end(), atoms().netRequestFrameExtents) !=
           supported.end();
}

} // namespace

FrameExtents frameExtentsOf(Window window) {
    FrameExtents extents = {};
    if (!managerAnswersRequests() || !awaitFrameExtents(window))
        return extents;
    const std::vector<unsigned long> sides =
        readProperty(programConnection(), window, atoms().netFrameExtents, XA_CARDINAL);
    if (sides.size() == 4)
        extents = {static_cast<int>(sides[0]), static_cast<int>(sides[1]),
                   static_cast<int>(sides[2]), static_cast<int>(sides[3])};
    return extents;
}

} // namespace x11
