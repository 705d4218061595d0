#include "tests/scene_contract/scene_window.h"

#include "tests/scene_contract/user_actions.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

const char className[] = "TALVO scene contract";
std::vector<Received> recorded;

bool isKeyMessage(UINT message) {
    return message >= WM_KEYDOWN && message <= WM_SYSCHAR;
}

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Received each = {window, message, wParam, lParam, GetKeyState(VK_SHIFT) < 0, false, false, {}};
    if (isKeyMessage(message)) {
        each.keyHeld = GetKeyState(static_cast<int>(wParam)) < 0;
        each.keyHeldNow = GetAsyncKeyState(static_cast<int>(wParam)) < 0;
    }
    if (message == WM_SETTEXT)
        each.text = reinterpret_cast<const char*>(lParam);
    recorded.push_back(each);
    if (message == WM_CLOSE || (message == WM_SETTEXT && !SceneWindow::passSetText))
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createWindow() {
    return CreateWindowExA(0, className, "scene contract",
                           WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0, 640,
                           480, nullptr, nullptr, nullptr, nullptr);
}

const char* nameOf(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return "keydown";
    case WM_KEYUP:
        return "keyup";
    case WM_CHAR:
        return "char";
    case WM_SYSKEYDOWN:
        return "syskeydown";
    case WM_SYSKEYUP:
        return "syskeyup";
    case WM_SYSCHAR:
        return "syschar";
    case WM_MOUSEMOVE:
        return "mousemove";
    case WM_LBUTTONDOWN:
        return "lbuttondown";
    case WM_LBUTTONUP:
        return "lbuttonup";
    case WM_RBUTTONDOWN:
        return "rbuttondown";
    case WM_RBUTTONUP:
        return "rbuttonup";
    case WM_MBUTTONDOWN:
        return "mbuttondown";
    case WM_MBUTTONUP:
        return "mbuttonup";
    case WM_MOUSEWHEEL:
        return "mousewheel";
    default:
        return "other";
    }
}

} // namespace

bool SceneWindow::passSetText = true;

SceneWindow::SceneWindow() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = recordingProc;
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
    recorded.clear();
    passSetText = true;
    window = createWindow();
    ShowWindow(window, SW_SHOWNORMAL);
    pumpUntil([&] { return !received({WM_SETFOCUS}).empty(); });
    waitForKeyboard();
}

// Win32 activates a window as it is shown, while the window manager gives it the keyboard a
// little later: a key pressed between the two goes elsewhere. A key that reaches it shows that
// the keyboard has come.
void SceneWindow::waitForKeyboard() {
    const std::size_t before = recorded.size();
    for (int attempt = 0; attempt < 20; ++attempt) {
        perform("key shift");
        if (pumpUntil([&] { return gets(WM_KEYUP, VK_SHIFT); }, 0.5))
            break;
    }
    recorded.resize(before);
}

SceneWindow::~SceneWindow() {
    DestroyWindow(window);
    UnregisterClassA(className, nullptr);
}

HWND SceneWindow::createAnother() {
    return createWindow();
}

bool SceneWindow::pumpUntil(const std::function<bool()>& done, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    return true;
}

void SceneWindow::pumpFor(double seconds) {
    pumpUntil([] { return false; }, seconds);
}

bool SceneWindow::gets(UINT message, WPARAM wParam) const {
    for (const Received& each : recorded)
        if (each.message == message && each.wParam == wParam)
            return true;
    return false;
}

std::vector<Received> SceneWindow::received(std::initializer_list<UINT> messages) const {
    std::vector<Received> found;
    for (const Received& each : recorded)
        for (UINT message : messages)
            if (each.message == message)
                found.push_back(each);
    return found;
}

void SceneWindow::forget() {
    recorded.clear();
}

std::string describe(UINT message, WPARAM wParam, LPARAM lParam) {
    char line[96];
    std::snprintf(line, sizeof line, "%s 0x%llX 0x%llX\n", nameOf(message),
                  static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam));
    return line;
}

std::string describe(const std::vector<Received>& messages) {
    std::string lines;
    for (const Received& each : messages)
        lines += describe(each.message, each.wParam, each.lParam);
    return lines;
}
