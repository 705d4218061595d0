// The message queue. Messages posted by the layer wait here; X events are read only when the
// queue is empty, and each becomes at most a few messages, so a poll never waits.
#include "platform/x11/message_queue.h"

#include "platform/x11/display.h"
#include "platform/x11/event_translation.h"
#include "platform/x11/window.h"
#include "platform/x11/window_properties.h"

#include <algorithm>
#include <deque>

namespace x11 {
namespace {

std::deque<MSG> postedMessages;
bool quitPosted = false;
int quitExitCode = 0;

bool matches(const MSG& message, HWND window, UINT filterMin, UINT filterMax) {
    const bool anyMessage = filterMin == 0 && filterMax == 0;
    return (!window || message.hwnd == window) &&
           (anyMessage || (message.message >= filterMin && message.message <= filterMax));
}

bool takePosted(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeMessage) {
    const auto found =
        std::find_if(postedMessages.begin(), postedMessages.end(), [&](const MSG& posted) {
            return matches(posted, window, filterMin, filterMax);
        });
    if (found == postedMessages.end())
        return false;
    *message = *found;
    if (removeMessage & PM_REMOVE)
        postedMessages.erase(found);
    return true;
}

// The quit request comes only once nothing else is waiting, and for any window filter.
bool takeQuit(MSG* message, UINT filterMin, UINT filterMax, UINT removeMessage) {
    if (!quitPosted)
        return false;
    const MSG quit = {nullptr, WM_QUIT, static_cast<WPARAM>(quitExitCode), 0, timeGetTime(), {}};
    if (!matches(quit, nullptr, filterMin, filterMax))
        return false;
    *message = quit;
    if (removeMessage & PM_REMOVE)
        quitPosted = false;
    return true;
}

} // namespace

void postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    postedMessages.push_back({window, message, wParam, lParam, timeGetTime(), {}});
}

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC procedure = window->windowClass->procedure;
    return procedure ? procedure(window, message, wParam, lParam)
                     : DefWindowProcA(window, message, wParam, lParam);
}

void discardMessagesFor(HWND window) {
    postedMessages.erase(
        std::remove_if(postedMessages.begin(), postedMessages.end(),
                       [window](const MSG& posted) { return posted.hwnd == window; }),
        postedMessages.end());
}

void reportClientSize(HWND window, bool sendNow) {
    const int width = window->iconic ? 0 : window->clientWidth;
    const int height = window->iconic ? 0 : window->clientHeight;
    if (width == window->reportedWidth && height == window->reportedHeight)
        return;
    window->reportedWidth = width;
    window->reportedHeight = height;
    const WPARAM kind = window->iconic                ? SIZE_MINIMIZED
                        : isMaximised(window->handle) ? SIZE_MAXIMIZED
                                                      : SIZE_RESTORED;
    const LPARAM size = MAKELPARAM(width, height);
    if (sendNow)
        sendMessage(window, WM_SIZE, kind, size);
    else
        postMessage(window, WM_SIZE, kind, size);
}

} // namespace x11

BOOL WINAPI PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax,
                         UINT removeMessage) {
    if (x11::takePosted(message, window, filterMin, filterMax, removeMessage))
        return TRUE;
    if (Display* connection = x11::display()) {
        while (XPending(connection)) {
            XEvent event;
            XNextEvent(connection, &event);
            x11::translateEvent(event);
            if (x11::takePosted(message, window, filterMin, filterMax, removeMessage))
                return TRUE;
        }
    }
    return x11::takeQuit(message, filterMin, filterMax, removeMessage);
}

BOOL WINAPI TranslateMessage(const MSG*) {
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    if (!message || !x11::liveWindow(message->hwnd))
        return 0;
    return x11::sendMessage(message->hwnd, message->message, message->wParam, message->lParam);
}

// A close request the window procedure passes on closes the window.
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE)
        DestroyWindow(window);
    return 0;
}

void WINAPI PostQuitMessage(int exitCode) {
    x11::quitPosted = true;
    x11::quitExitCode = exitCode;
}
