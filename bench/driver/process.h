// The driver's child processes: started with an environment of their own, tied to the driver's
// life, and waited for with a deadline and their resource use.
#ifndef TALVO_BENCH_PROCESS_H
#define TALVO_BENCH_PROCESS_H

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct SpawnOptions {
    std::vector<std::string> environment; // NAME=value, over the driver's own environment
    int inheritedFd = -1; // stays open in the child; every other descriptor of ours is closed
    bool quiet = false;   // standard output and error go to /dev/null
};

// Starts `command` (looked up on PATH) and returns its process id, or -1. The child is sent
// SIGTERM if the driver dies first, so an interrupted benchmark leaves nothing running.
pid_t spawnProcess(const std::vector<std::string>& command, const SpawnOptions& options);

struct ProcessExit {
    int status;           // as waitpid reports it
    std::int64_t exitNs;  // CLOCK_MONOTONIC, taken as soon as the kernel reports the exit
    long peakResidentKiB; // the largest resident set the process had
};

// Waits at most `timeoutMs` for `pid` to exit and reaps it; nothing if it is still running.
std::optional<ProcessExit> waitForExit(pid_t pid, int timeoutMs);

// Ends `pid`: SIGTERM, then SIGKILL if it has not gone within a second; reaps it either way.
void stopProcess(pid_t pid);

#endif
