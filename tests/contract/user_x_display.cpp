// The user of a provider whose windows are X windows: the X11 layer, and Win32 under Wine. The
// user acts through the window manager (x_user.sh); what only Windows can tell is asked of it.
#include "tests/contract/user.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace user {

const bool seesGlAndClock = true;

namespace {

const char answeredBoxFile[] = "answered_box.txt";
std::thread boxWatcher;

#ifdef _WIN32
// Under Wine a Unix program starts like a Windows one, from its path on drive Z:, but Windows
// cannot wait for it to end: it leaves its exit status in a file.
int runUser(const std::string& arguments) {
    const char statusFile[] = "user_status.txt";
    std::remove(statusFile);
    std::string commandLine =
        "Z:\\bin\\sh -c \"sh " X_USER_SCRIPT " " + arguments + "; echo $? >" + statusFile + "\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    int status = -1;
    for (int poll = 0; poll < 3000 && !(std::ifstream(statusFile) >> status); ++poll)
        Sleep(10);
    return status;
}

// The box keeps its text in a control of its own, which X does not see.
std::string boxText;
std::string textOfNextBox() {
    char text[256] = {};
    for (int poll = 0; poll < 2000 && !*text; ++poll, Sleep(5))
        if (HWND box = FindWindowA("#32770", boxCaption))
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}
#else
int runUser(const std::string& arguments) {
    return std::system(("sh " X_USER_SCRIPT " " + arguments).c_str());
}
#endif

void act(const std::string& action) {
    EXPECT_EQ(runUser(action + " " + windowTitle), 0) << action;
}

} // namespace

std::array<int, 4> outerRect(HWND window) {
#ifdef _WIN32
    RECT rect;
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
#else
    (void)window;
    std::array<int, 4> rect = {};
    EXPECT_EQ(runUser(std::string("outer-rect ") + windowTitle + " >outer_rect.txt"), 0);
    std::ifstream("outer_rect.txt") >> rect[0] >> rect[1] >> rect[2] >> rect[3];
    return rect;
#endif
}

void minimise(HWND) {
    act("minimise");
}

void restore(HWND) {
    act("restore");
}

void maximise(HWND window) {
#ifdef _WIN32
    // openbox offers no maximising for a Windows window without a sizing border; this is what
    // the maximise button of Windows' own title bar sends.
    PostMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
#else
    (void)window;
    act("maximise");
#endif
}

void close(HWND) {
    act("close");
}

void answerNextBox(const char* key) {
    boxWatcher = std::thread([key] {
#ifdef _WIN32
        boxText = textOfNextBox();
#endif
        runUser(std::string("answer-box ") + key + " " + answeredBoxFile + " " + windowTitle);
    });
}

Box answeredBox() {
    boxWatcher.join();
    Box box;
    std::string owners;
    std::ifstream answered(answeredBoxFile);
    std::getline(answered, box.caption);
    std::getline(answered, box.text);
    std::getline(answered, owners);
    box.owned = owners == "1";
#ifdef _WIN32
    box.text = boxText;
#endif
    return box;
}

} // namespace user
