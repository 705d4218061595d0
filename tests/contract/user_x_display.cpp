// The user of a provider whose windows are X windows: the X11 layer, and Win32 under Wine. The
// user acts through the window manager (x_user.sh); what only Windows can tell is asked of it.
#include "tests/contract/user.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "window/x_window.h"

#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <thread>

namespace user {

const bool seesGlAndClock = true;
const bool atAScreen = true;

namespace {

// The user's tools are shell scripts. Under Wine a Unix program starts like a Windows one, from
// its path on drive Z:, but Windows cannot wait for it to end: it leaves its exit status in a file.
int runUser(const std::string& arguments) {
    const std::string command = "sh " X_USER_SCRIPT " " + arguments;
#ifdef _WIN32
    const char statusFile[] = "user_status.txt";
    std::remove(statusFile);
    if (WinExec(("Z:\\bin\\sh -c \"" + command + "; echo $? >" + statusFile + "\"").c_str(),
                SW_HIDE) <= 31) // 0 to 31 are its error codes
        return -1;
    int status = -1;
    for (int poll = 0; poll < 3000 && !(std::ifstream(statusFile) >> status); ++poll)
        Sleep(10);
    return status;
#else
    return std::system(command.c_str());
#endif
}

} // namespace

void act(HWND window, const std::string& action) {
#ifdef _WIN32
    // openbox offers no maximising for a Windows window without a sizing border; this is what
    // the maximise button of Windows' own title bar sends.
    if (action == "maximise")
        return (void)PostMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
#endif
    (void)window;
    EXPECT_EQ(runUser(action + " " + windowTitle), 0) << action;
}

Box answer(const char* key, const std::function<void()>& showBox) {
    const char answered[] = "answered_box.txt";
    std::remove(answered);
    Box box;
    std::thread user([&] {
#ifdef _WIN32
        // The box keeps its text in a control of its own, which X does not see.
        char text[256] = {};
        for (int poll = 0; poll < 2000 && !*text; ++poll, Sleep(5))
            if (HWND shown = FindWindowA("#32770", boxCaption))
                GetDlgItemTextA(shown, 0xFFFF, text, sizeof text);
        box.text = text;
#endif
        runUser(std::string("answer-box ") + key + " " + answered + " " + windowTitle);
    });
    showBox();
    user.join();
    std::string text, owners;
    std::ifstream seen(answered);
    std::getline(std::getline(std::getline(seen, box.caption), text), owners);
    box.text += text; // where X shows it
    box.owned = owners == "1";
    return box;
}

void play(const std::string& actions) {
    EXPECT_EQ(runUser("play " + actions), 0) << actions;
}

void addDisplayMode(int width, int height) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    EXPECT_EQ(runUser("add-mode " + size), 0) << size;
}

bool showsFullScreen(HWND) {
    return runUser(std::string("full-screen ") + windowTitle) == 0;
}

void useKeyboardLayout(const char* layout) {
    EXPECT_EQ(runUser(std::string("layout ") + layout), 0) << layout;
}

#ifdef _WIN32
// Windows keeps the title in UTF-16, as Wine hands it to X.
std::string title(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}
#else
// Read on a connection of the user's own, as the window manager reads it.
std::string title(HWND window) {
    Display* display = XOpenDisplay(nullptr);
    XTextProperty name = {};
    std::string text;
    if (XGetTextProperty(display, x11::xWindowOf(window)->handle, &name,
                         XInternAtom(display, "_NET_WM_NAME", False))) {
        text.assign(reinterpret_cast<char*>(name.value), name.nitems);
        XFree(name.value);
    }
    XCloseDisplay(display);
    return text;
}
#endif

#ifndef _WIN32
int runAfresh(const char* testName) {
    char path[4096] = {};
    if (readlink("/proc/self/exe", path, sizeof path - 1) < 0)
        return -1;
    const int status = std::system(
        ('"' + std::string(path) + "\" --gtest_also_run_disabled_tests --gtest_filter=" + testName)
            .c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

} // namespace user
