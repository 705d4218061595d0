#include "tests/contract/contract.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <thread>
#include <utility>

namespace contract {

std::vector<Received> received;
MSG lastSize;
bool refuseSetText = false;

const std::vector<UINT> keyMessages = {WM_KEYDOWN,    WM_KEYUP,    WM_CHAR,
                                       WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR};
const std::vector<UINT> keyUps = {WM_KEYUP, WM_SYSKEYUP};
const std::vector<UINT> mouseMessages = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                                         WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEWHEEL};
const std::vector<UINT> focusMessages = {WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS};

namespace {

bool isInput(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_SYSCHAR) ||
           (message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL);
}

} // namespace

LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int key = static_cast<int>(wParam);
    received.push_back(
        {window, message, wParam, lParam, isInput(message) && GetKeyState(VK_SHIFT) < 0,
         isInput(message) && GetKeyState(key) < 0, isInput(message) && GetAsyncKeyState(key) < 0,
         isInput(message) && GetKeyState(VK_CAPITAL) & 1,
         message == WM_SETTEXT ? reinterpret_cast<const char*>(lParam) : ""});
    if (message == WM_SIZE)
        lastSize = {window, message, wParam, lParam, 0, {}};
    if (message == WM_CLOSE || (message == WM_SETTEXT && refuseSetText))
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

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

bool eventually(const std::function<bool()>& condition, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (; !condition(); std::this_thread::sleep_for(std::chrono::milliseconds(2)))
        if (std::chrono::steady_clock::now() > end)
            return false;
    return true;
}

bool pumpUntil(const std::function<bool()>& condition, double seconds) {
    return eventually(
        [&] {
            for (MSG message; !condition() && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            return condition();
        },
        seconds);
}

std::vector<Received> receivedOf(const std::vector<UINT>& messages) {
    std::vector<Received> found;
    std::copy_if(
        received.begin(), received.end(), std::back_inserter(found), [&](const Received& each) {
            return std::find(messages.begin(), messages.end(), each.message) != messages.end();
        });
    return found;
}

bool gets(UINT message, std::optional<WPARAM> wParam) {
    const std::vector<Received> found = receivedOf({message});
    return std::any_of(found.begin(), found.end(),
                       [&](const Received& each) { return !wParam || each.wParam == *wParam; });
}

bool lastSizeIs(WPARAM kind, LPARAM size) {
    return lastSize.message && lastSize.wParam == kind && lastSize.lParam == size;
}

const char* messageName(UINT message) {
    const char* const keys[] = {"keydown",    "keyup",    "char",   "",
                                "syskeydown", "syskeyup", "syschar"};
    const char* const mouse[] = {
        "mousemove", "lbuttondown", "lbuttonup", "", "rbuttondown", "rbuttonup",
        "",          "mbuttondown", "mbuttonup", "", "mousewheel"};
    const std::pair<UINT, const char*> windowMessages[] = {
        {WM_CREATE, "create"},
        {WM_DESTROY, "destroy"},
        {WM_SIZE, "size"},
        {WM_ACTIVATE, "activate"},
        {WM_SETFOCUS, "setfocus"},
        {WM_KILLFOCUS, "killfocus"},
        {WM_PAINT, "paint"},
        {WM_CLOSE, "close"},
        {WM_SHOWWINDOW, "showwindow"},
        {WM_WINDOWPOSCHANGED, "windowposchanged"},
        {WM_NCCREATE, "nccreate"},
        {WM_NCDESTROY, "ncdestroy"},
        {WM_SYSCOMMAND, "syscommand"},
        {WM_DISPLAYCHANGE, "displaychange"}};
    if (message - WM_KEYDOWN <= WM_SYSCHAR - WM_KEYDOWN)
        return keys[message - WM_KEYDOWN];
    if (message - WM_MOUSEMOVE <= WM_MOUSEWHEEL - WM_MOUSEMOVE)
        return mouse[message - WM_MOUSEMOVE];
    for (const auto& [number, name] : windowMessages)
        if (number == message)
            return name;
    return "other";
}

std::string names(const std::vector<Received>& messages) {
    std::string lines;
    for (const Received& each : messages)
        lines += std::string(lines.empty() ? "" : " ") + messageName(each.message);
    return lines;
}

std::string describe(const std::vector<Received>& messages) {
    std::string lines;
    for (const Received& each : messages)
        lines += describe(each.message, each.wParam, each.lParam);
    return lines;
}

PIXELFORMATDESCRIPTOR programsRequest() {
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof request;
    request.nVersion = 1;
    request.dwFlags = 0x25;
    request.cColorBits = request.cDepthBits = 16;
    return request;
}

GLint glInteger(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

std::string play(const std::string& actions, const std::vector<UINT>& awaited, std::size_t count,
                 const std::vector<UINT>& described) {
    received.clear();
    user::play(actions);
    pumpUntil([&] { return receivedOf(awaited).size() >= count; });
    pumpUntil([] { return false; }, 0.3);
    return describe(receivedOf(described));
}

void WindowContract::SetUp() {
    received.clear();
    lastSize = {};
    refuseSetText = false;
    ASSERT_NE(registerClass("Sozlesme"), 0);
    ASSERT_NE(window = createWindow("Sozlesme"), nullptr);
}

void WindowContract::TearDown() {
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA("Sozlesme", nullptr));
}

LPARAM WindowContract::show() {
    ShowWindow(window, SW_SHOWNORMAL);
    return lastSize.lParam;
}

// Win32 activates a window as it is shown, while the window manager gives it the keyboard a little
// later: a key pressed between the two goes elsewhere. A key that reaches it shows that the
// keyboard has come. (Escape: under Wine, the key that last closed a warning box stays down for the
// thread until it is next released in one of its windows.)
void InputContract::SetUp() {
    WindowContract::SetUp();
    if (!user::atAScreen)
        GTEST_SKIP() << "the fake has no keyboard, mouse or second window";
    show();
    pumpUntil([&] { return gets(WM_SETFOCUS); });
    focusOnShowing = receivedOf(focusMessages);
    for (int attempt = 0; attempt < 20; ++attempt) {
        user::play("key Escape");
        if (pumpUntil([&] { return gets(WM_KEYUP, VK_ESCAPE); }, 0.5))
            break;
    }
    received.clear();
}

} // namespace contract
