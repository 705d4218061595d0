#include "driver/process.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

int exitCodeOf(const std::optional<ProcessExit>& exit) {
    return exit && WIFEXITED(exit->status) ? WEXITSTATUS(exit->status) : -1;
}

TEST(ProcessTest, ChildGetsTheOverriddenEnvironmentAndOnlyTheInheritedDescriptor) {
    setenv("BENCH_PROCESS_TEST", "driver's", 1);
    int kept[2];
    int closed[2];
    ASSERT_EQ(pipe2(kept, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(closed, O_CLOEXEC), 0);
    SpawnOptions options;
    options.environment = {"BENCH_PROCESS_TEST=child's"};
    options.inheritedFd = kept[1];
    const std::string script = "test \"$BENCH_PROCESS_TEST\" = \"child's\" || exit 1; "
                               "test -e /proc/self/fd/" +
                               std::to_string(kept[1]) +
                               " || exit 2; "
                               "test ! -e /proc/self/fd/" +
                               std::to_string(closed[1]) + " || exit 3";
    const pid_t pid = spawnProcess({"sh", "-c", script}, options);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(exitCodeOf(waitForExit(pid, 5000)), 0);
    for (int fd : {kept[0], kept[1], closed[0], closed[1]})
        close(fd);
    unsetenv("BENCH_PROCESS_TEST");
}

TEST(ProcessTest, WaitingGivesUpOnARunningChildWhichCanThenBeStopped) {
    const pid_t pid = spawnProcess({"sleep", "30"}, SpawnOptions{});
    ASSERT_GT(pid, 0);
    EXPECT_FALSE(waitForExit(pid, 100));
    stopProcess(pid);
    EXPECT_EQ(kill(pid, 0), -1); // reaped: the id no longer names a process of ours
}

TEST(ProcessTest, ACommandThatCannotBeFoundExitsWith127) {
    const pid_t pid = spawnProcess({"/nonexistent/program"}, SpawnOptions{});
    ASSERT_GT(pid, 0);
    EXPECT_EQ(exitCodeOf(waitForExit(pid, 5000)), 127);
}

} // namespace
