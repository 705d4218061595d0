#include "platform/x11/process_signals.h"

#include <csignal>

namespace x11 {
namespace {

volatile std::sig_atomic_t closeRequested = 0;

void requestClose(int) {
    closeRequested = 1;
}

} // namespace

void handleSignals(std::initializer_list<int> signals, void (*handler)(int), int flags) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    for (int signal : signals)
        sigaction(signal, &action, nullptr);
}

void takeSessionSignals() {
    handleSignals({SIGTERM, SIGINT, SIGHUP}, requestClose, SA_RESTART | SA_RESETHAND);
    std::signal(SIGPIPE, SIG_IGN);
}

bool takeCloseRequest() {
    if (!closeRequested)
        return false;
    closeRequested = 0;
    return true;
}

} // namespace x11
