#include "virtual_display.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "process.h"
#include "window_manager.h"

namespace {

const int serverStartTimeoutMs = 10000;
const int windowManagerStartTimeoutMs = 10000;

// Xvfb -displayfd writes the display number it chose, then a newline, once it accepts clients.
std::string readDisplayNumber(int fd) {
    std::string number;
    pollfd readable = {fd, POLLIN, 0};
    char c;
    while (poll(&readable, 1, serverStartTimeoutMs) == 1 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return number;
}

} // namespace

VirtualDisplay::~VirtualDisplay() {
    if (windowManager > 0)
        stopProcess(windowManager);
    if (display)
        XCloseDisplay(display);
    if (server > 0)
        stopProcess(server);
}

bool VirtualDisplay::start(int width, int height, const std::string& windowManagerConfig,
                           std::string& error) {
    return startServer(width, height, error) && startWindowManager(windowManagerConfig, error);
}

bool VirtualDisplay::startServer(int width, int height, std::string& error) {
    int displayPipe[2];
    if (pipe2(displayPipe, O_CLOEXEC) != 0) {
        error = "no pipe for Xvfb's display number";
        return false;
    }
    SpawnOptions options;
    options.inheritedFd = displayPipe[1];
    options.quiet = true;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    server = spawnProcess({"Xvfb", "-displayfd", std::to_string(displayPipe[1]), "-screen", "0",
                           screen, "-nolisten", "tcp"},
                          options);
    close(displayPipe[1]);
    const std::string number = readDisplayNumber(displayPipe[0]);
    close(displayPipe[0]);
    if (server < 0 || number.empty()) {
        error = "Xvfb did not start (is the xvfb package installed?)";
        return false;
    }
    displayName = ":" + number;
    display = XOpenDisplay(displayName.c_str());
    if (!display) {
        error = "cannot connect to Xvfb on " + displayName;
        return false;
    }
    prepareConnection(display);
    return true;
}

bool VirtualDisplay::startWindowManager(const std::string& config, std::string& error) {
    SpawnOptions options;
    options.environment = {"DISPLAY=" + displayName};
    options.quiet = true;
    windowManager = spawnProcess({"openbox", "--sm-disable", "--config-file", config}, options);
    if (windowManager < 0 || !waitForWindowManager(display, windowManagerStartTimeoutMs)) {
        error = "openbox did not start (is the openbox package installed?)";
        return false;
    }
    return true;
}
