// The thread's queue of posted messages and its quit request. It keeps and hands out messages and
// knows nothing of where they come from. A key-down carries in its entry the characters it types,
// which TranslateMessage posts once the key-down has been taken. Like Windows' queue it holds at
// most 10,000 messages, and the pointer's moves fold into the latest, so that what a message
// filter leaves behind stays bounded; the program's posts are refused past that, input and the
// window system's news are not.
#ifndef TALVO_PLATFORM_X11_CORE_MESSAGE_QUEUE_H
#define TALVO_PLATFORM_X11_CORE_MESSAGE_QUEUE_H

#include "platform/platform.h"

#include <string>

namespace x11 {

// What PeekMessageA asks for: the messages of one window (null for any), in a range of message
// numbers (0 to 0 for any), taken off the queue or left there (PM_REMOVE or not).
struct MessageFilter {
    HWND window;
    UINT first;
    UINT last;
    UINT removeMessage;
};

// Whether the filter lets a message of that window and number through.
bool filterLets(const MessageFilter& filter, HWND window, UINT message);
// Whether a window to filter on is (HWND)-1, which lets through only the thread's own messages,
// those of no window.
bool isThreadMessagesFilter(HWND window);
// Posts what the program posts behind everything queued; false when the queue is full.
bool postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Posts what the window system tells behind everything queued: input (a key-down with the
// characters, in Windows-1254, it types), sizes, close requests, focus. A WM_MOUSEMOVE right
// behind another of the same window takes its place. When the queue is full, the oldest input
// makes room, as stale input is the least loss; with none, the message is dropped.
void postEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
               const std::string& characters = {});
// The number of messages queued, for takePostedMessage to look only at those that came since.
std::size_t queuedCount();
// The oldest posted message the filter lets through, among those from the one at index `from`
// on; false when there is none.
bool takePostedMessage(const MessageFilter& filter, MSG* message, std::size_t from = 0);
// WM_QUIT once PostQuitMessage has asked for it, whatever the filter; false otherwise. It comes
// only once nothing else is waiting, so it is asked for after everything else.
bool takeQuitMessage(const MessageFilter& filter, MSG* message);
// Drops what is still queued for a window that is going away.
void discardMessagesFor(HWND window);

} // namespace x11

#endif
