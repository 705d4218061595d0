#include "xlib/frame_extents.h"

#include "xlib/connection.h"
#include "xlib/window_properties.h"
#include "xlib/xlib_state.h"

#include <X11/Xatom.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdint>

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
// the requests it answers. The check window names itself as such too, and carries the manager's
// name: a window that does not is one left from a manager gone (or another window that got its
// number since), and no one would answer.
bool managerAnswersRequests() {
    const Connection& program = programConnection();
    const std::vector<unsigned long> check =
        readProperty(program, rootWindow(), atoms().netSupportingWmCheck, XA_WINDOW);
    if (check.size() != 1 ||
        readProperty(program, check[0], atoms().netSupportingWmCheck, XA_WINDOW) != check ||
        !hasProperty(program, check[0], atoms().netWmName))
        return false;
    const std::vector<unsigned long> supported =
        readProperty(program, rootWindow(), atoms().netSupported, XA_ATOM);
    return std::find(supported.begin(), supported.end(), atoms().netRequestFrameExtents) !=
           supported.end();
}

// The four sides leave a client area: together narrower and lower than the outer size. Each is the
// 32-bit cardinal the property holds (Xlib may hand it over sign-extended), summed in a wider type.
bool leavesClientArea(const std::vector<unsigned long>& sides, int outerWidth, int outerHeight) {
    if (sides.size() != 4)
        return false;
    long long side[4];
    for (int i = 0; i < 4; ++i)
        side[i] = static_cast<uint32_t>(sides[i]);
    return side[0] + side[1] < outerWidth && side[2] + side[3] < outerHeight;
}

// Large enough for any frame to leave it a client area.
const int probeSize = 1000;

} // namespace

FrameExtents frameExtentsOfStyle(DWORD style) {
    const DWORD look = style & decoratingStyles;
    for (const StyleFrame& known : xlib.styleFrames)
        if (known.style == look)
            return known.frame;
    XSetWindowAttributes attributes = {};
    attributes.event_mask = PropertyChangeMask; // the manager's answer
    const Window probe =
        XCreateWindow(display(), rootWindow(), 0, 0, probeSize, probeSize, 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWEventMask, &attributes);
    setDecorations(programConnection(), probe, look);
    const FrameExtents frame = frameExtentsOf(probe, probeSize, probeSize);
    XDestroyWindow(display(), probe);
    xlib.styleFrames.push_back({look, frame});
    return frame;
}

FrameExtents frameExtentsOf(Window window, int outerWidth, int outerHeight) {
    if (!managerAnswersRequests() || !awaitFrameExtents(window))
        return {};
    const std::vector<unsigned long> sides =
        readProperty(programConnection(), window, atoms().netFrameExtents, XA_CARDINAL);
    if (!leavesClientArea(sides, outerWidth, outerHeight))
        return {};
    return {static_cast<int>(sides[0]), static_cast<int>(sides[1]), static_cast<int>(sides[2]),
            static_cast<int>(sides[3])};
}

} // namespace x11
