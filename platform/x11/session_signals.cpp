#include "platform/x11/session_signals.h"

#include <csignal>
#include <initializer_list>

namespace x11 {
namespace {

volatile std::sig_atomic_t closeRequested = 0;

void requestClose(int) {
    closeRequested = 1;
}

} // namespace

void takeSessionSignals() {
    struct sigaction request = {};
    request.sa_handler = requestClose;
    sigemptyset(&request.sa_mask);
    request.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &request, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool takeCloseRequest() {
    if (!closeRequested)
        return false;
    closeRequested = 0;
    return true;
}

} // namespace x11
