#include "tests/x11/recording_window.h"

#include "platform/x11/window.h"

#include <chrono>
#include <thread>

namespace {

std::vector<RecordedMessage> recorded;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    recorded.push_back({message, wParam, lParam});
    if (message == WM_CLOSE)
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

const char RecordingWindow::className[] = "TALVO test";
const char RecordingWindow::title[] = "Kay\xFDt pencere\xFE";

RecordingWindow::RecordingWindow() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = recordingProc;
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
    window = CreateWindowExA(0, className, title,
                             WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0, 640,
                             480, nullptr, nullptr, nullptr, nullptr);
    recorded.clear();
}

RecordingWindow::~RecordingWindow() {
    DestroyWindow(window);
    UnregisterClassA(className, nullptr);
}

Window RecordingWindow::xWindow() const {
    return window->handle;
}

const std::vector<RecordedMessage>& RecordingWindow::messages() const {
    return recorded;
}

void RecordingWindow::forgetMessages() {
    recorded.clear();
}

bool RecordingWindow::pumpUntil(const std::function<bool()>& done, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

bool RecordingWindow::lastSize(RecordedMessage* size) const {
    for (auto it = recorded.rbegin(); it != recorded.rend(); ++it)
        if (it->message == WM_SIZE) {
            *size = *it;
            return true;
        }
    return false;
}

bool RecordingWindow::received(UINT message) const {
    for (const RecordedMessage& each : recorded)
        if (each.message == message)
            return true;
    return false;
}
