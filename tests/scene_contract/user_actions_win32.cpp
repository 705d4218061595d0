#include "tests/scene_contract/user_actions.h"

#include <cstdlib>
#include <vector>

// Wine starts a Unix program named by its Unix path, without a process to wait for.
void perform(const std::string& xdotoolArguments) {
    std::string commandLine = "/usr/bin/xdotool " + xdotoolArguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        std::abort();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

std::string titleOf(HWND window) {
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof(utf8), nullptr, nullptr);
    return utf8;
}
