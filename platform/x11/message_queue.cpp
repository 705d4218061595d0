#include "platform/x11/message_queue.h"

#include <algorithm>
#include <deque>

namespace x11 {
namespace {

std::deque<MSG> postedMessages;
bool quitPosted = false;
int quitExitCode = 0;

bool inRange(UINT message, const MessageFilter& filter) {
    const bool anyMessage = filter.first == 0 && filter.last == 0;
    return anyMessage || (message >= filter.first && message <= filter.last);
}

} // namespace

MSG postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    postedMessages.push_back({window, message, wParam, lParam, timeGetTime(), {}});
    return postedMessages.back();
}

void postMessageNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    postedMessages.push_front({window, message, wParam, lParam, timeGetTime(), {}});
}

bool takePostedMessage(const MessageFilter& filter, MSG* message) {
    const auto found =
        std::find_if(postedMessages.begin(), postedMessages.end(), [&](const MSG& posted) {
            return (!filter.window || posted.hwnd == filter.window) &&
                   inRange(posted.message, filter);
        });
    if (found == postedMessages.end())
        return false;
    *message = *found;
    if (filter.removeMessage & PM_REMOVE)
        postedMessages.erase(found);
    return true;
}

bool takeQuitMessage(const MessageFilter& filter, MSG* message) {
    if (!quitPosted || !inRange(WM_QUIT, filter))
        return false;
    *message = {nullptr, WM_QUIT, static_cast<WPARAM>(quitExitCode), 0, timeGetTime(), {}};
    if (filter.removeMessage & PM_REMOVE)
        quitPosted = false;
    return true;
}

void discardMessagesFor(HWND window) {
    postedMessages.erase(
        std::remove_if(postedMessages.begin(), postedMessages.end(),
                       [window](const MSG& posted) { return posted.hwnd == window; }),
        postedMessages.end());
}

} // namespace x11

void WINAPI PostQuitMessage(int exitCode) {
    x11::quitPosted = true;
    x11::quitExitCode = exitCode;
}
