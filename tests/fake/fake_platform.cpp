#include "tests/fake/fake_platform.h"

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <deque>
#include <map>
#include <tuple>
#include <type_traits>
#include <utility>

namespace {

// What the fake's handles point to; only the addresses matter.
char handleRecords[5];

// What the window system holds: classes, the one window, its pixel format, the one context and
// the thread's queue; and the calls a test asked to fail.
struct State {
    std::map<std::string, WNDPROC> classes;
    std::string windowClass; // empty while there is no window
    bool windowShown = false;
    int pixelFormat = 0;
    bool contextAlive = false;
    std::deque<MSG> queue;
    bool quitPosted = false;
    int quitCode = 0;
    int emptyPolls = 0;
    std::map<std::string, int> callCounts;
    std::multimap<std::string, int> failures; // name, the count of the call that fails
} state;

// Signed numbers in decimal; unsigned ones, which are styles, flags and messages, in hexadecimal.
template <typename Number>
std::enable_if_t<std::is_integral_v<Number>, std::string> describe(Number number) {
    char text[24];
    std::snprintf(text, sizeof text, std::is_signed_v<Number> ? "%lld" : "0x%llx",
                  static_cast<long long>(number));
    return text;
}

std::string describe(const char* text) {
    if (!text)
        return "null";
    if (IS_INTRESOURCE(text))
        return "#" + std::to_string(reinterpret_cast<DWORD_PTR>(text));
    return '"' + std::string(text) + '"';
}

std::string describe(const void* handle) {
    const std::pair<const void*, const char*> names[] = {
        {nullptr, "null"},           {fake::instance, "instance"}, {fake::window, "window"},
        {fake::deviceContext, "dc"}, {fake::renderContext, "rc"},  {fake::arrowCursor, "arrow"}};
    for (const auto& [named, name] : names)
        if (handle == named)
            return name;
    return "other";
}

// A class by what a window of it gets: name, style, procedure, instance, cursor and background
// brush.
std::string describe(const WNDCLASSEXA* windowClass) {
    return describe(windowClass->lpszClassName) + ", " + describe(windowClass->style) + ", " +
           (windowClass->lpfnWndProc ? "procedure" : "null") + ", " +
           describe(windowClass->hInstance) + ", " + describe(windowClass->hCursor) + ", " +
           describe(windowClass->hbrBackground);
}

// A request by its size, version, flags, pixel type, colour and depth bits; any other field set
// shows as "more".
std::string describe(const PIXELFORMATDESCRIPTOR* request) {
    PIXELFORMATDESCRIPTOR rest = *request;
    rest.nSize = rest.nVersion = rest.dwFlags = rest.iPixelType = 0;
    rest.cColorBits = rest.cDepthBits = 0;
    const PIXELFORMATDESCRIPTOR none = {};
    return "{" + describe(request->nSize) + ", " + describe(request->nVersion) + ", " +
           describe(request->dwFlags) + ", " + describe(request->iPixelType) + ", " +
           describe(request->cColorBits) + ", " + describe(request->cDepthBits) +
           (std::memcmp(&rest, &none, sizeof rest) ? ", more}" : "}");
}

// Records the call and says whether it is the one a test asked to fail.
template <typename... Arguments>
bool failing(const char* name, const std::tuple<Arguments...>& arguments) {
    std::string listed;
    std::apply(
        [&](auto... each) { ((listed += (listed.empty() ? "" : ", ") + describe(each)), ...); },
        arguments);
    fake::calls.push_back(std::string(name) + "(" + listed + ")");
    const int count = ++state.callCounts[name];
    const auto [first, last] = state.failures.equal_range(name);
    return std::any_of(first, last, [&](const auto& failure) { return failure.second == count; });
}

bool isTheWindow(HWND window) {
    return !state.windowClass.empty() && window == fake::window;
}

LRESULT sendToWindow(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return state.classes[state.windowClass](fake::window, message, wParam, lParam);
}

} // namespace

namespace fake {

const HINSTANCE instance = reinterpret_cast<HINSTANCE>(&handleRecords[0]);
const HWND window = reinterpret_cast<HWND>(&handleRecords[1]);
const HDC deviceContext = reinterpret_cast<HDC>(&handleRecords[2]);
const HGLRC renderContext = reinterpret_cast<HGLRC>(&handleRecords[3]);
const HCURSOR arrowCursor = reinterpret_cast<HCURSOR>(&handleRecords[4]);

std::vector<std::string> calls;
std::vector<WarningBox> boxes;
std::array<int, 4> windowRect;
DWORD clockMilliseconds;
std::function<void(int)> onEmptyPoll;

void reset() {
    state = State();
    calls.clear();
    boxes.clear();
    clockMilliseconds = 0;
    onEmptyPoll = nullptr;
}

void failCall(const std::string& name, int occurrence) {
    state.failures.emplace(name, state.callCounts[name] + occurrence);
}

LPARAM clientSize() {
    return MAKELPARAM(windowRect[2] - frameWidth, windowRect[3] - frameHeight);
}

void post(UINT message, WPARAM wParam, LPARAM lParam) {
    state.queue.push_back({window, message, wParam, lParam, 0, {}});
}

std::vector<std::string> callsNamed(const std::vector<std::string>& names) {
    std::vector<std::string> matching;
    for (const std::string& call : calls)
        if (std::find(names.begin(), names.end(), call.substr(0, call.find('('))) != names.end())
            matching.push_back(call);
    return matching;
}

} // namespace fake

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    return failing("RegisterClassExA", std::make_tuple(windowClass)) ||
                   !state.classes.emplace(windowClass->lpszClassName, windowClass->lpfnWndProc)
                        .second
               ? 0
               : 0xC001;
}

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    if (failing("CreateWindowExA", std::make_tuple(exStyle, className, windowName, style, x, y,
                                                   width, height, parent, menu, instance, param)) ||
        !state.classes.count(className) || !state.windowClass.empty())
        return nullptr;
    state.windowClass = className;
    state.windowShown = false;
    state.pixelFormat = 0;
    fake::windowRect = {x, y, width, height};
    return fake::window;
}

// The first show tells the window its client area at once.
BOOL WINAPI ShowWindow(HWND window, int showCommand) {
    if (!failing("ShowWindow", std::make_tuple(window, showCommand)) && isTheWindow(window) &&
        !std::exchange(state.windowShown, true))
        sendToWindow(WM_SIZE, SIZE_RESTORED, fake::clientSize());
    return FALSE;
}

// The quit request comes only once the posted messages are gone, and only once.
BOOL WINAPI PeekMessageA(LPMSG message, HWND window, UINT first, UINT last, UINT removeMessage) {
    failing("PeekMessageA", std::make_tuple(window, first, last, removeMessage));
    const bool removing = removeMessage & PM_REMOVE;
    if (!state.queue.empty()) {
        *message = state.queue.front();
        if (removing)
            state.queue.pop_front();
        return TRUE;
    }
    if (state.quitPosted) {
        *message = {nullptr, WM_QUIT, static_cast<WPARAM>(state.quitCode), 0, 0, {}};
        state.quitPosted = !removing;
        return TRUE;
    }
    if (fake::onEmptyPoll)
        fake::onEmptyPoll(++state.emptyPolls);
    return FALSE;
}

// A window takes one pixel format for its life.
BOOL WINAPI SetPixelFormat(HDC deviceContext, int format, const PIXELFORMATDESCRIPTOR* request) {
    if (failing("SetPixelFormat", std::make_tuple(deviceContext, format, request)) ||
        (state.pixelFormat && state.pixelFormat != format))
        return FALSE;
    state.pixelFormat = format;
    return TRUE;
}

// The calls whose work is one expression, one entry each: result type, name and parameters, the
// arguments the call is recorded with, and the expression, which gives the result; a call a test
// made fail does nothing and gives its type's zero.
#define FAKE_CALL(Result, name, parameters, recorded, answer)                                      \
    Result WINAPI name parameters {                                                                \
        return failing(#name, std::make_tuple recorded) ? Result() : Result(answer);               \
    }

// A class stays while a window of it lives.
FAKE_CALL(BOOL, UnregisterClassA, (LPCSTR name, HINSTANCE instance), (name, instance),
          state.windowClass != name && state.classes.erase(name))
// The application has no icon resource of its own.
FAKE_CALL(HICON, LoadIconA, (HINSTANCE instance, LPCSTR name), (instance, name), nullptr)
FAKE_CALL(HCURSOR, LoadCursorA, (HINSTANCE instance, LPCSTR name), (instance, name),
          fake::arrowCursor)
FAKE_CALL(BOOL, UpdateWindow, (HWND window), (window), isTheWindow(window))
FAKE_CALL(HDC, GetDC, (HWND window), (window), isTheWindow(window) ? fake::deviceContext : nullptr)
FAKE_CALL(int, ReleaseDC, (HWND window, HDC dc), (window, dc),
          isTheWindow(window) && dc == fake::deviceContext)
FAKE_CALL(BOOL, TranslateMessage, (const MSG* message), (message->message), FALSE)
FAKE_CALL(LRESULT, DispatchMessageA, (const MSG* message), (message->message),
          isTheWindow(message->hwnd)
              ? sendToWindow(message->message, message->wParam, message->lParam)
              : 0)
FAKE_CALL(BOOL, SwapBuffers, (HDC dc), (dc), state.pixelFormat != 0)
FAKE_CALL(BOOL, wglMakeCurrent, (HDC dc, HGLRC context), (dc, context),
          !context || state.contextAlive)
FAKE_CALL(BOOL, wglDeleteContext, (HGLRC context), (context),
          std::exchange(state.contextAlive, false))
FAKE_CALL(DWORD, timeGetTime, (), (), fake::clockMilliseconds)
FAKE_CALL(BOOL, DestroyWindow, (HWND window), (window),
          isTheWindow(window) && (sendToWindow(WM_DESTROY), state.windowClass.clear(), true))
// A close request the window procedure passes on closes the window; what else is passed on
// succeeds (the title is set).
FAKE_CALL(LRESULT, DefWindowProcA, (HWND window, UINT message, WPARAM wParam, LPARAM lParam),
          (window, message, wParam, lParam), message == WM_CLOSE ? (DestroyWindow(window), 0) : 1)
FAKE_CALL(void, PostQuitMessage, (int exitCode), (exitCode),
          (state.quitPosted = true, state.quitCode = exitCode))
FAKE_CALL(int, MessageBoxA, (HWND owner, LPCSTR text, LPCSTR caption, UINT type),
          (owner, text, caption, type), (fake::boxes.push_back({owner, text, caption, type}), IDOK))
FAKE_CALL(int, ChoosePixelFormat, (HDC dc, const PIXELFORMATDESCRIPTOR* request), (dc, request),
          fake::chosenFormat)
FAKE_CALL(HGLRC, wglCreateContext, (HDC dc), (dc),
          state.pixelFormat ? (state.contextAlive = true, fake::renderContext) : nullptr)

// What scene code calls beyond the program. The fake has no keyboard, no GL and a millisecond
// clock: no key is ever down, no GL function is found, and the performance counter counts the
// clock's milliseconds.
FAKE_CALL(SHORT, GetKeyState, (int key), (key), 0)
FAKE_CALL(SHORT, GetAsyncKeyState, (int key), (key), 0)
FAKE_CALL(PROC, wglGetProcAddress, (LPCSTR name), (name), nullptr)
#ifndef _WIN32 // kernel32's own counter stays in the Windows build, whose contract is Win32's
FAKE_CALL(BOOL, QueryPerformanceFrequency, (LARGE_INTEGER * frequency), (frequency),
          (frequency->QuadPart = 1000, TRUE))
FAKE_CALL(BOOL, QueryPerformanceCounter, (LARGE_INTEGER * count), (count),
          (count->QuadPart = fake::clockMilliseconds, TRUE))
#endif
FAKE_CALL(BOOL, GetClientRect, (HWND window, LPRECT rect), (window, rect),
          isTheWindow(window) &&
              (*rect = {0, 0, LOWORD(fake::clientSize()), HIWORD(fake::clientSize())}, true))
// The title goes through the window procedure, which answers for it.
FAKE_CALL(BOOL, SetWindowTextA, (HWND window, LPCSTR text), (window, text),
          isTheWindow(window) && sendToWindow(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)))
