#include "tests/contract/contract_window.h"

#include "tests/contract/user.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

std::vector<Received> recorded;
MSG lastSizeMessage; // the last WM_SIZE received
bool setTextPassed = true;

bool isInputMessage(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_SYSCHAR) ||
           (message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL);
}

// Closing is the window procedure's decision: this one leaves the window open.
LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Received each = {window, message, wParam, lParam, false, false, false, {}};
    if (isInputMessage(message)) {
        each.shiftHeld = GetKeyState(VK_SHIFT) < 0;
        each.keyHeld = GetKeyState(static_cast<int>(wParam)) < 0;
        each.keyHeldNow = GetAsyncKeyState(static_cast<int>(wParam)) < 0;
    }
    if (message == WM_SETTEXT)
        each.text = reinterpret_cast<const char*>(lParam);
    if (message == WM_SIZE)
        lastSizeMessage = {window, message, wParam, lParam, 0, {}};
    recorded.push_back(each);
    if (message == WM_CLOSE || (message == WM_SETTEXT && !setTextPassed))
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

const char className[] = "Sozlesme";

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

ATOM registerClass(const char* name) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = recordingProcedure;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

HWND createWindow(const char* className) {
    return CreateWindowExA(0, className, user::windowTitle, 0xCB0000, 0, 0, 640, 480, nullptr,
                           nullptr, nullptr, nullptr);
}

bool eventually(const std::function<bool()>& condition) {
    for (int poll = 0; poll < 5000;
         ++poll, std::this_thread::sleep_for(std::chrono::milliseconds(2)))
        if (condition())
            return true;
    return false;
}

bool pumpUntil(const std::function<bool()>& condition, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
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

void pumpFor(double seconds) {
    pumpUntil([] { return false; }, seconds);
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

void WindowContract::SetUp() {
    recorded.clear();
    lastSizeMessage = {};
    setTextPassed = true;
    ASSERT_NE(registerClass(className), 0);
    ASSERT_NE(window = createWindow(className), nullptr);
}

void WindowContract::TearDown() {
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA(className, nullptr));
}

LPARAM WindowContract::show() {
    ShowWindow(window, SW_SHOWNORMAL);
    return lastSizeMessage.lParam;
}

HWND WindowContract::createAnother() {
    return createWindow(className);
}

std::vector<Received> WindowContract::received(const std::vector<UINT>& messages) const {
    std::vector<Received> found;
    for (const Received& each : recorded)
        for (UINT message : messages)
            if (each.message == message)
                found.push_back(each);
    return found;
}

bool WindowContract::gets(UINT message, WPARAM wParam) const {
    for (const Received& each : recorded)
        if (each.message == message && each.wParam == wParam)
            return true;
    return false;
}

bool WindowContract::receivedAny(UINT message) const {
    return !received({message}).empty();
}

void WindowContract::forget() {
    recorded.clear();
}

bool WindowContract::lastSizeIs(WPARAM kind, LPARAM size) const {
    return lastSizeMessage.message && lastSizeMessage.wParam == kind &&
           lastSizeMessage.lParam == size;
}

const MSG& WindowContract::lastSize() const {
    return lastSizeMessage;
}

void WindowContract::refuseSetText() {
    setTextPassed = false;
}
