#include "program_run.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "clocks.h"
#include "frame_report.h"
#include "process.h"

namespace {

const int windowTimeoutMs = 30000; // a first start on a fresh machine builds caches
const int maximiseTimeoutMs = 5000;
const int reportTimeoutMs = 5000;
const int exitTimeoutMs = 5000;
// Time for the program to settle after its window appears or is resized, before measuring.
const auto settleTime = std::chrono::milliseconds(500);

// A started program and the pipe its frame counter reports on; ended and reaped if the run
// stops early.
class RunningProgram {
  public:
    RunningProgram(const BenchProgram& program, const RunSettings& settings) {
        int reportPipe[2];
        if (pipe2(reportPipe, O_CLOEXEC) != 0)
            return;
        reportFd = reportPipe[0];
        SpawnOptions options;
        options.inheritedFd = reportPipe[1];
        options.environment = {"FRAME_COUNTER_FD=" + std::to_string(reportPipe[1])};
        if (program.preloadFrameCounter)
            options.environment.push_back("LD_PRELOAD=" + settings.frameCounterLibrary);
        startNs = monotonicNanoseconds();
        pid = spawnProcess({program.path}, options);
        close(reportPipe[1]);
    }
    ~RunningProgram() {
        if (pid > 0)
            stopProcess(pid);
        if (reportFd >= 0)
            close(reportFd);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return pid > 0; }
    std::int64_t startedAtNs() const { return startNs; }
    void signal(int signalNumber) const { kill(pid, signalNumber); }

    std::optional<FrameReport> readReport() const {
        std::string line;
        pollfd readable = {reportFd, POLLIN, 0};
        char c;
        while (poll(&readable, 1, reportTimeoutMs) == 1 && read(reportFd, &c, 1) == 1) {
            line += c;
            if (c == '\n')
                return parseFrameReport(line);
        }
        return std::nullopt;
    }

    std::optional<ProcessExit> awaitExit() {
        std::optional<ProcessExit> exit = waitForExit(pid, exitTimeoutMs);
        if (exit)
            pid = -1; // reaped
        return exit;
    }

  private:
    pid_t pid = -1;
    int reportFd = -1;
    std::int64_t startNs = 0;
};

double millisecondsBetween(std::int64_t fromNs, std::int64_t toNs) {
    return static_cast<double>(toNs - fromNs) / 1e6;
}

RunSample sampleFrom(const FrameReport& report, const ProcessExit& exit, std::int64_t startNs,
                     std::int64_t closeNs, ClientSize size) {
    RunSample sample;
    sample.framesPerSecond =
        static_cast<double>(report.spanFrames) * 1e9 / static_cast<double>(report.spanNs);
    sample.startupMs = millisecondsBetween(startNs, report.firstFrameNs);
    sample.closeMs = millisecondsBetween(closeNs, exit.exitNs);
    sample.peakResidentMiB = static_cast<double>(exit.peakResidentKiB) / 1024.0;
    sample.cpuMicrosPerFrame =
        static_cast<double>(report.spanCpuNs) / 1e3 / static_cast<double>(report.spanFrames);
    sample.clientSize = size;
    sample.colorBits = report.colorBits;
    sample.depthBits = report.depthBits;
    return sample;
}

// Lets the program settle at its size, then marks a span of frames and returns its report.
std::optional<FrameReport> measureSpan(const RunningProgram& running, double seconds) {
    std::this_thread::sleep_for(settleTime);
    running.signal(SIGUSR1);
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    running.signal(SIGUSR2);
    return running.readReport();
}

bool exitedNormally(const ProcessExit& exit) {
    return WIFEXITED(exit.status) && WEXITSTATUS(exit.status) == 0;
}

std::optional<RunSample> failure(std::string& error, const std::string& why) {
    error = why;
    return std::nullopt;
}

} // namespace

std::optional<RunSample> runProgram(const BenchProgram& program, const RunSettings& settings,
                                    std::string& error) {
    Display* display = settings.display;
    // The window found below must be this run's, not one an earlier run left on its way out.
    if (!waitForNoClientWindow(display, windowTimeoutMs))
        return failure(error, "a window of the previous run is still open");
    RunningProgram running(program, settings);
    if (!running.started())
        return failure(error, "could not start " + std::string(program.path));

    const Window window = waitForClientWindow(display, windowTimeoutMs);
    if (window == None)
        return failure(error, "no window appeared");
    if (settings.maximised && !maximise(display, window, settings.screenSize, maximiseTimeoutMs))
        return failure(error, "the window did not maximise to fill the screen");
    const ClientSize size = clientSizeOf(display, window);
    const std::optional<FrameReport> report = measureSpan(running, settings.spanSeconds);
    if (!report)
        return failure(error, "no frame report (did the frame counter load?)");

    requestClose(display, window);
    const std::int64_t closeNs = monotonicNanoseconds();
    const std::optional<ProcessExit> exit = running.awaitExit();
    if (!exit)
        return failure(error, "did not exit after the close request");
    if (!exitedNormally(*exit))
        return failure(error, "exited abnormally (status " + std::to_string(exit->status) + ")");
    return sampleFrom(*report, *exit, running.startedAtNs(), closeNs, size);
}
