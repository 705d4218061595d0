#include "core/message_queue.h"

#include "core/core_state.h"
#include "core/queue_status.h"

#include <algorithm>

namespace x11 {
namespace {

// Windows' own bound on what a thread's queue holds.
constexpr std::size_t queueLimit = 10000;
// PeekMessageA's window filter for the thread's own messages alone, those of no window.
const HWND threadMessagesOnly = reinterpret_cast<HWND>(-1);

bool inRange(UINT message, const MessageFilter& filter) {
    const bool anyMessage = filter.first == 0 && filter.last == 0;
    return anyMessage || (message >= filter.first && message <= filter.last);
}

bool isInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

bool isSameMessage(const MSG& one, const MSG& other) {
    return one.hwnd == other.hwnd && one.message == other.message && one.wParam == other.wParam &&
           one.lParam == other.lParam && one.time == other.time;
}

// The pointer's moves are told as where it is now: one that comes right behind another of the
// same window replaces it. (A program's own posted moves stay apart, as on Windows.)
bool foldsIntoLast(const MSG& move) {
    return move.message == WM_MOUSEMOVE && !core.posted.empty() && core.posted.back().pointerMove &&
           core.posted.back().message.hwnd == move.hwnd;
}

// Whether the queue has room for what the window system tells, made where it is full by dropping
// the oldest input: stale input is the least loss.
bool roomForEvent() {
    if (core.posted.size() < queueLimit)
        return true;
    const auto oldest =
        std::find_if(core.posted.begin(), core.posted.end(),
                     [](const QueuedMessage& queued) { return isInput(queued.message.message); });
    if (oldest == core.posted.end())
        return false;
    core.posted.erase(oldest);
    return true;
}

// Posts ahead of everything queued, as Windows takes posted messages before input: the characters
// TranslateMessage makes of a key come right after the key.
void postMessageNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    messageQueued(message);
    core.posted.push_front({{window, message, wParam, lParam, timeGetTime(), {}}, {}, false});
}

} // namespace

bool filterLets(const MessageFilter& filter, HWND window, UINT message) {
    const bool windowLet =
        filter.window == threadMessagesOnly ? !window : !filter.window || window == filter.window;
    return windowLet && inRange(message, filter);
}

bool isThreadMessagesFilter(HWND window) {
    return window == threadMessagesOnly;
}

bool postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (core.posted.size() >= queueLimit)
        return false;
    messageQueued(message);
    core.posted.push_back({{window, message, wParam, lParam, timeGetTime(), {}}, {}, false});
    return true;
}

void postEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
               const std::string& characters) {
    const MSG event = {window, message, wParam, lParam, timeGetTime(), {}};
    if (foldsIntoLast(event))
        core.posted.back().message = event;
    else if (roomForEvent())
        core.posted.push_back({event, characters, message == WM_MOUSEMOVE});
    else
        return; // dropped: nothing new to wake a wait for
    messageQueued(message);
}

std::size_t queuedCount() {
    return core.posted.size();
}

bool takePostedMessage(const MessageFilter& filter, MSG* message, std::size_t from) {
    const auto first =
        core.posted.begin() + static_cast<std::ptrdiff_t>(std::min(from, core.posted.size()));
    const auto found = std::find_if(first, core.posted.end(), [&](const QueuedMessage& posted) {
        return filterLets(filter, posted.message.hwnd, posted.message.message);
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
    if (!core.quitPosted)
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
