#include "tests/fake/fake_platform.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <map>

// The records behind the fake's handles: only their addresses matter. <windows.h> defines its
// own.
#ifndef _WIN32
struct HINSTANCE__ {};
struct HWND__ {};
struct HDC__ {};
struct HGLRC__ {};
struct HICON__ {};
#endif

namespace {

HINSTANCE__ instanceRecord;
HWND__ windowRecord;
HDC__ deviceContextRecord;
HGLRC__ renderContextRecord;
HICON__ iconRecord;
HICON__ cursorRecord;

struct Failure {
    std::string name;
    int occurrence;
};

std::vector<Failure> failures;
std::map<std::string, int> callCounts;
std::deque<MSG> queue;
bool quitPosted = false;
int emptyPolls = 0;
WNDPROC windowProcedure = nullptr;
bool windowAlive = false;
bool windowShown = false;
int clientWidth = 0;
int clientHeight = 0;

std::string describe(const void* handle) {
    if (!handle)
        return "null";
    if (handle == fake::instance)
        return "instance";
    if (handle == fake::window)
        return "window";
    if (handle == fake::deviceContext)
        return "dc";
    if (handle == fake::renderContext)
        return "rc";
    char text[32];
    std::snprintf(text, sizeof text, "%p", handle);
    return text;
}

std::string describe(const char* text) {
    if (!text)
        return "null";
    if (IS_INTRESOURCE(text))
        return "#" + std::to_string(reinterpret_cast<DWORD_PTR>(text));
    return '"' + std::string(text) + '"';
}

std::string describe(long long number) {
    return std::to_string(number);
}

std::string hex(unsigned long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%lx", value);
    return text;
}

// Records the call and says whether it is the one a test asked to fail.
bool record(const std::string& name, const std::vector<std::string>& arguments) {
    std::string call = name + "(";
    for (size_t i = 0; i < arguments.size(); ++i)
        call += (i ? ", " : "") + arguments[i];
    fake::calls.push_back(call + ")");
    const int count = ++callCounts[name];
    return std::any_of(failures.begin(), failures.end(), [&](const Failure& failure) {
        return failure.name == name && failure.occurrence == count;
    });
}

LRESULT sendToWindow(UINT message, WPARAM wParam, LPARAM lParam) {
    return windowProcedure ? windowProcedure(fake::window, message, wParam, lParam) : 0;
}

} // namespace

namespace fake {

const HINSTANCE instance = &instanceRecord;
const HWND window = &windowRecord;
const HDC deviceContext = &deviceContextRecord;
const HGLRC renderContext = &renderContextRecord;
const HICON icon = &iconRecord;
const HCURSOR arrowCursor = &cursorRecord;

std::vector<std::string> calls;
std::vector<WarningBox> boxes;
WNDCLASSEXA registeredClass;
std::string registeredClassName;
std::vector<PIXELFORMATDESCRIPTOR> pixelFormatRequests;
DWORD clockMilliseconds;
std::function<void(int)> onEmptyPoll;

void reset() {
    calls.clear();
    boxes.clear();
    registeredClass = {};
    registeredClassName.clear();
    pixelFormatRequests.clear();
    clockMilliseconds = 0;
    onEmptyPoll = nullptr;
    failures.clear();
    callCounts.clear();
    queue.clear();
    quitPosted = false;
    emptyPolls = 0;
    windowProcedure = nullptr;
    windowAlive = false;
    windowShown = false;
}

void failCall(const std::string& name, int occurrence) {
    failures.push_back({name, callCounts[name] + occurrence});
}

void post(UINT message, WPARAM wParam, LPARAM lParam) {
    MSG queued = {};
    queued.hwnd = window;
    queued.message = message;
    queued.wParam = wParam;
    queued.lParam = lParam;
    queue.push_back(queued);
}

std::vector<std::string> callsNamed(const std::vector<std::string>& names) {
    std::vector<std::string> matching;
    for (const std::string& call : calls) {
        const std::string name = call.substr(0, call.find('('));
        if (std::find(names.begin(), names.end(), name) != names.end())
            matching.push_back(call);
    }
    return matching;
}

} // namespace fake

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (record("RegisterClassExA", {describe(windowClass->lpszClassName)}))
        return 0;
    fake::registeredClass = *windowClass;
    fake::registeredClassName = windowClass->lpszClassName;
    windowProcedure = windowClass->lpfnWndProc;
    return 0xC001;
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE moduleInstance) {
    return record("UnregisterClassA", {describe(className), describe(moduleInstance)}) ? FALSE
                                                                                       : TRUE;
}

HICON WINAPI LoadIconA(HINSTANCE moduleInstance, LPCSTR iconName) {
    // The application has no icon resource of its own, so asking it for one finds nothing.
    if (record("LoadIconA", {describe(moduleInstance), describe(iconName)}) || moduleInstance)
        return nullptr;
    return fake::icon;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE moduleInstance, LPCSTR cursorName) {
    if (record("LoadCursorA", {describe(moduleInstance), describe(cursorName)}))
        return nullptr;
    return fake::arrowCursor;
}

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE moduleInstance, LPVOID param) {
    if (record("CreateWindowExA",
               {hex(exStyle), describe(className), describe(windowName), hex(style), describe(x),
                describe(y), describe(width), describe(height), describe(parent), describe(menu),
                describe(moduleInstance), describe(param)}))
        return nullptr;
    windowAlive = true;
    clientWidth = width - fake::frameWidth;
    clientHeight = height - fake::frameHeight;
    return fake::window;
}

BOOL WINAPI ShowWindow(HWND shown, int showCommand) {
    if (record("ShowWindow", {describe(shown), describe(showCommand)}))
        return FALSE;
    if (!windowShown) {
        windowShown = true;
        sendToWindow(WM_SIZE, SIZE_RESTORED, MAKELPARAM(clientWidth, clientHeight));
    }
    return FALSE; // the window was hidden before
}

BOOL WINAPI UpdateWindow(HWND updated) {
    return record("UpdateWindow", {describe(updated)}) ? FALSE : TRUE;
}

BOOL WINAPI DestroyWindow(HWND destroyed) {
    if (record("DestroyWindow", {describe(destroyed)}) || !windowAlive || destroyed != fake::window)
        return FALSE;
    sendToWindow(WM_DESTROY, 0, 0);
    windowAlive = false;
    return TRUE;
}

HDC WINAPI GetDC(HWND owner) {
    return record("GetDC", {describe(owner)}) ? nullptr : fake::deviceContext;
}

int WINAPI ReleaseDC(HWND owner, HDC released) {
    return record("ReleaseDC", {describe(owner), describe(released)}) ? 0 : 1;
}

BOOL WINAPI PeekMessageA(LPMSG message, HWND filterWindow, UINT filterMin, UINT filterMax,
                         UINT removeMessage) {
    record("PeekMessageA", {describe(filterWindow), describe(filterMin), describe(filterMax),
                            describe(removeMessage)});
    if (!queue.empty()) {
        *message = queue.front();
        if (removeMessage & PM_REMOVE)
            queue.pop_front();
        return TRUE;
    }
    // As on Win32, the quit request comes only once the posted messages are gone.
    if (quitPosted) {
        *message = {};
        message->message = WM_QUIT;
        if (removeMessage & PM_REMOVE)
            quitPosted = false;
        return TRUE;
    }
    if (fake::onEmptyPoll)
        fake::onEmptyPoll(++emptyPolls);
    return FALSE;
}

BOOL WINAPI TranslateMessage(const MSG* message) {
    record("TranslateMessage", {hex(message->message)});
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    record("DispatchMessageA", {hex(message->message)});
    return message->hwnd == fake::window
               ? sendToWindow(message->message, message->wParam, message->lParam)
               : 0;
}

LRESULT WINAPI DefWindowProcA(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    record("DefWindowProcA",
           {describe(target), hex(message), describe(static_cast<long long>(wParam)),
            describe(static_cast<long long>(lParam))});
    return fake::defaultWindowProcResult;
}

void WINAPI PostQuitMessage(int exitCode) {
    record("PostQuitMessage", {describe(exitCode)});
    quitPosted = true;
}

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    record("MessageBoxA", {describe(owner), describe(text), describe(caption), hex(type)});
    fake::boxes.push_back({owner, text, caption, type});
    return 1; // IDOK
}

int WINAPI ChoosePixelFormat(HDC target, const PIXELFORMATDESCRIPTOR* request) {
    fake::pixelFormatRequests.push_back(*request);
    return record("ChoosePixelFormat", {describe(target)}) ? 0 : fake::chosenFormat;
}

BOOL WINAPI SetPixelFormat(HDC target, int format, const PIXELFORMATDESCRIPTOR* request) {
    fake::pixelFormatRequests.push_back(*request);
    return record("SetPixelFormat", {describe(target), describe(format)}) ? FALSE : TRUE;
}

BOOL WINAPI SwapBuffers(HDC target) {
    return record("SwapBuffers", {describe(target)}) ? FALSE : TRUE;
}

HGLRC WINAPI wglCreateContext(HDC target) {
    return record("wglCreateContext", {describe(target)}) ? nullptr : fake::renderContext;
}

BOOL WINAPI wglMakeCurrent(HDC target, HGLRC context) {
    return record("wglMakeCurrent", {describe(target), describe(context)}) ? FALSE : TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC context) {
    return record("wglDeleteContext", {describe(context)}) ? FALSE : TRUE;
}

DWORD WINAPI timeGetTime() {
    record("timeGetTime", {});
    return fake::clockMilliseconds;
}
