#include "core/message_queue.h"

#include "core/core_state.h"
#include "core/queue_status.h"

#include <algorithm>

namespace x11 {
namespace {

bool inRange(UINT message, const MessageFilter& filter) {
    const bool anyMessage = filter.first == 0 && filter.last == 0;
    return anyMessage || (message >= filter.first && message <= filter.last);
}

bool isSameMessage(const MSG& one, const MSG& other) {
    return one.hwnd == other.hwnd && one.message == other.message && one.wParam == other.wParam &&
           one.lParam == other.lParam && one.time == other.time;
}

// Posts ahead of everything queued, as Windows takes posted messages before input: the characters
// TranslateMessage makes of a key come right after the key.
void postMessageNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    messageQueued(message);
    core.posted.push_front({{window, message, wParam, lParam, timeGetTime(), {}}, {}});
}

} // namespace

bool filterLets(const MessageFilter& filter, HWND window, UINT message) {
    return (!filter.window || window == filter.window) && inRange(message, filter);
}

void postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 const std::string& characters) {
    messageQueued(message);
    core.posted.push_back({{window, message, wParam, lParam, timeGetTime(), {}}, characters});
}

bool takePostedMessage(const MessageFilter& filter, MSG* message) {
    const auto found =
        std::find_if(core.posted.begin(), core.posted.end(), [&](const QueuedMessage& posted) {
            return (!filter.window || posted.message.hwnd == filter.window) &&
                   inRange(posted.message.message, filter);
        });
    if (found == core.posted.end())
        return false;
    *message = found->message;
    if (filter.removeMessage & PM_REMOVE) {
        if (message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN)
            core.lastKeyDown = *found; // the one TranslateMessage makes characters of
        core.posted.erase(found);
    }
    return true;
}

bool takeQuitMessage(const MessageFilter& filter, MSG* message) {
    if (!core.quitPosted || !inRange(WM_QUIT, filter))
        return false;
    *message = {nullptr, WM_QUIT, static_cast<WPARAM>(core.quitExitCode), 0, timeGetTime(), {}};
    if (filter.removeMessage & PM_REMOVE)
        core.quitPosted = false;
    return true;
}

void discardMessagesFor(HWND window) {
    core.posted.erase(std::remove_if(core.posted.begin(), core.posted.end(),
                                     [window](const QueuedMessage& posted) {
                                         return posted.message.hwnd == window;
                                     }),
                      core.posted.end());
}

} // namespace x11

using x11::core;

void WINAPI PostQuitMessage(int exitCode) {
    x11::messageQueued(WM_QUIT);
    core.quitPosted = true;
    core.quitExitCode = exitCode;
}

// Posts the characters of the key-down last taken from the queue, once, as WM_CHAR (WM_SYSCHAR
// for a system key), ahead of anything queued. Other messages type nothing. As on Windows, the
// answer says whether it was a key message, not whether it typed anything.
BOOL WINAPI TranslateMessage(const MSG* message) {
    if (!message || message->message < WM_KEYDOWN || message->message > WM_SYSKEYUP ||
        message->message == WM_CHAR)
        return FALSE;
    x11::QueuedMessage& taken = core.lastKeyDown;
    if (!x11::isSameMessage(taken.message, *message))
        return TRUE;
    const UINT characterMessage = message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    for (auto character = taken.characters.rbegin(); character != taken.characters.rend();
         ++character)
        x11::postMessageNext(message->hwnd, characterMessage,
                             static_cast<unsigned char>(*character), message->lParam);
    taken = {};
    return TRUE;
}
