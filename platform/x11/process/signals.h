// The process's signals. Those by which the session (a terminal, a service manager, kill) asks
// the program to end ask it to close, as when the user closes its windows.
#ifndef TALVO_PLATFORM_X11_PROCESS_SIGNALS_H
#define TALVO_PLATFORM_X11_PROCESS_SIGNALS_H

#include <initializer_list>

namespace x11 {

// Sets `handler` for each of the signals, with the sigaction flags given.
void handleSignals(std::initializer_list<int> signals, void (*handler)(int), int flags);

// From here on SIGTERM, SIGINT and SIGHUP each ask for a close the first time; the same signal
// again ends the program at once, as it did before (for one that does not get to its messages).
// SIGPIPE is ignored: a write to a pipe that no one reads fails, and the program carries on. Only
// signals whose handling is still the default are taken: a program keeps a handler of its own,
// whether it set it before (in a static constructor) or sets it after.
void takeSessionSignals();
// Whether a close was asked for since the last call.
bool takeCloseRequest();
// Whether a close was asked for and not yet taken.
bool closeRequestPending();
// A descriptor that turns readable when a close is asked for from now on, for a wait to watch
// beside the X connection: made on the first call, -1 when it cannot be. The waiter reads what
// it holds before waiting on it again.
int closeRequestDescriptor();

} // namespace x11

#endif
