#include "frame_counter.h"

#include <GL/gl.h>
#include <csignal>
#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>

#include "clocks.h"
#include "frame_tally.h"

namespace {

FrameTally tally;
int reportFd = STDERR_FILENO;
int colorBits = -1; // not read yet
int depthBits = 0;

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

// The frame buffer the current context draws into. Looked up when first needed: preloaded, the
// counter must not load libGL ahead of the program, and by the first frame the program has.
void readFrameBufferBits() {
    using GetIntegerv = void (*)(GLenum, GLint*);
    const auto getIntegerv = reinterpret_cast<GetIntegerv>(dlsym(RTLD_DEFAULT, "glGetIntegerv"));
    GLint red = 0, green = 0, blue = 0, depth = 0;
    if (getIntegerv) {
        getIntegerv(GL_RED_BITS, &red);
        getIntegerv(GL_GREEN_BITS, &green);
        getIntegerv(GL_BLUE_BITS, &blue);
        getIntegerv(GL_DEPTH_BITS, &depth);
    }
    colorBits = red + green + blue;
    depthBits = depth;
}

} // namespace

extern "C" void frameCounterPresented() {
    const bool spanEnded = tally.framePresented(readInstant);
    if (colorBits < 0)
        readFrameBufferBits(); // after the first frame's time is taken, so it is not counted
    if (!spanEnded)
        return;
    FrameReport report = tally.report();
    report.colorBits = colorBits;
    report.depthBits = depthBits;
    char line[160];
    const std::size_t length = formatFrameReport(report, line, sizeof line);
    // One write of a short line: the driver reads it whole, and nothing waits for exit. If the
    // driver has gone, the line is lost and the program runs on unmeasured.
    [[maybe_unused]] const ssize_t written = write(reportFd, line, length);
}
