// A program of one's own on the window: a lit cube turning at a steady speed whatever the frame
// rate, the frame rate in the title once a second, the mouse to turn the cube, V to switch
// waiting for the display on and off, Escape to close. It brings the three things the library
// leaves to a program: theWindow, windowProc and WinMain.
#include "cube.h"

#include "glwindow/gl_window.h"

#include <cmath>
#include <cstdio>

GlWindow theWindow;

namespace {

const char title[] = "Turning cube";
const double spinDegreesPerSecond = 60.0;
const double dragDegreesPerPixel = 0.5;

// Animation time accumulates the frames' deltaTime in a double: currentTime, a float of seconds
// since system start, steps by 8 ms after a day of uptime.
double spin = 0.0;
double yaw = 0.0;
double pitch = 20.0;
POINT dragFrom = {};

PFNWGLSWAPINTERVALEXTPROC setSwapInterval = nullptr;
PFNWGLGETSWAPINTERVALEXTPROC swapInterval = nullptr;
float lastSample = -1.0f; // fpsTime of the frame rate last shown

template <typename Function> Function glFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

const char* waitingState() {
    if (!swapInterval)
        return "not offered";
    return swapInterval() ? "on" : "off";
}

void showFrameRate() {
    char text[128];
    std::snprintf(text, sizeof text, "%s - %.0f fps - waiting for the display (V): %s", title,
                  theWindow.fps, waitingState());
    SetWindowTextA(theWindow.window, text);
}

void drawFrame() {
    spin = std::fmod(spin + spinDegreesPerSecond * theWindow.deltaTime, 360.0);
    drawCube(spin, yaw, pitch);
}

void drag(LPARAM position) {
    const POINT to = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    yaw += (to.x - dragFrom.x) * dragDegreesPerPixel;
    pitch += (to.y - dragFrom.y) * dragDegreesPerPixel;
    dragFrom = to;
}

void switchWaiting() {
    if (setSwapInterval && swapInterval) {
        setSwapInterval(swapInterval() ? 0 : 1);
        showFrameRate();
    }
}

} // namespace

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        theWindow.resize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            PostQuitMessage(0);
        else if (wParam == 'V' && !(lParam & (KF_REPEAT << 16)))
            switchWaiting();
        return 0;
    case WM_LBUTTONDOWN:
        dragFrom = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            drag(lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!theWindow.create(instance, 640, 480, title, "Turning cube", showCommand))
        return 1;
    setUpLighting();
    setSwapInterval = glFunction<PFNWGLSWAPINTERVALEXTPROC>("wglSwapIntervalEXT");
    swapInterval = glFunction<PFNWGLGETSWAPINTERVALEXTPROC>("wglGetSwapIntervalEXT");
    MSG message;
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                break;
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        theWindow.beginFrame();
        drawFrame(); // the scene goes between beginFrame and endFrame
        theWindow.endFrame();
        if (theWindow.fpsTime != lastSample && theWindow.fps > 0) { // a new sample
            lastSample = theWindow.fpsTime;
            showFrameRate();
        }
    }
    theWindow.destroy();
    return 0;
}
