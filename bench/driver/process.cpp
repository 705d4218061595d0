#include "process.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "clocks.h"

extern char** environ;

namespace {

std::string nameOf(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

// The driver's environment with `overrides` put in place of entries of the same name.
std::vector<std::string> environmentWith(const std::vector<std::string>& overrides) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string name = nameOf(*entry);
        bool overridden = false;
        for (const std::string& override : overrides)
            overridden = overridden || nameOf(override) == name;
        if (!overridden)
            environment.push_back(*entry);
    }
    environment.insert(environment.end(), overrides.begin(), overrides.end());
    return environment;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& string : strings)
        pointers.push_back(string.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Between fork and exec: only async-signal-safe calls.
[[noreturn]] void becomeChild(pid_t parent, char** argv, char** envp, const SpawnOptions& options) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent)
        _exit(127); // the driver died before the line above took effect
    if (options.quiet) {
        const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
    }
    if (options.inheritedFd >= 0)
        fcntl(options.inheritedFd, F_SETFD, 0);
    execvpe(argv[0], argv, envp);
    _exit(127);
}

} // namespace

pid_t spawnProcess(const std::vector<std::string>& command, const SpawnOptions& options) {
    std::vector<std::string> arguments = command;
    std::vector<std::string> environment = environmentWith(options.environment);
    std::vector<char*> argv = pointersTo(arguments);
    std::vector<char*> envp = pointersTo(environment);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0)
        becomeChild(parent, argv.data(), envp.data(), options);
    return pid;
}

std::optional<ProcessExit> waitForExit(pid_t pid, int timeoutMs) {
    // A pidfd turns readable the moment the process exits, so the exit time is not rounded up
    // to a polling interval.
    const int pidFd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidFd < 0)
        return std::nullopt;
    pollfd exited = {pidFd, POLLIN, 0};
    const int ready = poll(&exited, 1, timeoutMs);
    const std::int64_t exitNs = monotonicNanoseconds();
    close(pidFd);
    if (ready != 1)
        return std::nullopt;
    int status = 0;
    rusage usage = {};
    if (wait4(pid, &status, 0, &usage) != pid)
        return std::nullopt;
    return ProcessExit{status, exitNs, usage.ru_maxrss};
}

void stopProcess(pid_t pid) {
    kill(pid, SIGTERM);
    if (waitForExit(pid, 1000))
        return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
