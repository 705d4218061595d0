#include "frame_counter.h"

#include <csignal>
#include <cstdlib>
#include <unistd.h>

#include "clocks.h"
#include "frame_tally.h"

namespace {

FrameTally tally;
int reportFd = STDERR_FILENO;

Instant readInstant() {
    return {monotonicNanoseconds(), nanosecondsOn(CLOCK_PROCESS_CPUTIME_ID)};
}

void onSpanStartSignal(int) {
    tally.requestSpanStart();
}
void onSpanEndSignal(int) {
    tally.requestSpanEnd();
}

void handleSignal(int signalNumber, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART; // the program's own blocking calls carry on as if untouched
    sigemptyset(&action.sa_mask);
    sigaction(signalNumber, &action, nullptr);
}

// Runs as the program (or, preloaded, the library) is loaded, before the program's first frame.
__attribute__((constructor)) void installFrameCounter() {
    if (const char* fd = std::getenv("FRAME_COUNTER_FD"))
        reportFd = std::atoi(fd);
    handleSignal(SIGUSR1, onSpanStartSignal);
    handleSignal(SIGUSR2, onSpanEndSignal);
}

} // namespace

extern "C" void frameCounterPresented() {
    if (!tally.framePresented(readInstant))
        return;
    char line[160];
    const std::size_t length = formatFrameReport(tally.report(), line, sizeof line);
    // One write of a short line: the driver reads it whole, and nothing waits for exit. If the
    // driver has gone, the line is lost and the program runs on unmeasured.
    [[maybe_unused]] const ssize_t written = write(reportFd, line, length);
}
