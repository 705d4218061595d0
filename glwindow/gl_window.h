// The application's one window: window class, window, device context, GL rendering context,
// the fixed GL state and projection, the frame cycle and the frame timing a scene reads.
#ifndef TALVO_GLWINDOW_GL_WINDOW_H
#define TALVO_GLWINDOW_GL_WINDOW_H

#include "platform/platform.h"

#include <cstdint>

// The millisecond clock behind the frame timing: timeGetTime's 32-bit readings extended past their
// wrap, so that differences stay exact.
struct FrameClock {
    bool started = false;
    DWORD lastReading = 0;
    std::uint64_t milliseconds = 0;       // the extended count at the last reading
    std::uint64_t sampleMilliseconds = 0; // the extended count at the last frames-per-second sample
};

class GlWindow {
  public:
    // Shows `text` in a modal warning box owned by the window (if any), captioned with the title.
    // The text is read in Windows-1254, the code page of the system's texts, on every platform;
    // the caption as the window's title is.
    void warn(const char* text);

    // Registers the class, creates the window, sets up GL and shows the window. 1 on success,
    // 0 after the failure has been shown; what was acquired up to the failure is kept.
    int create(HINSTANCE moduleInstance, int outerWidth, int outerHeight, const char* windowTitle,
               const char* windowClassName, int showCommand);
    // Releases context, device context, window and class, in that order; a failed step is
    // shown and the rest still run.
    void destroy();

    int setupGl(int viewWidth, int viewHeight);
    int createContext(int depthBits, int colorBits);
    int initGlState(int viewWidth, int viewHeight);
    // Fits viewport and projection to a client area; needs the context current.
    void resize(int clientWidth, int clientHeight);

    // One frame: beginFrame clears and resets the model-view matrix, the scene draws, and
    // endFrame presents the back buffer and updates the timing fields.
    void beginFrame();
    void endFrame();
    void updateTiming();

    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    HDC deviceContext = nullptr;
    HGLRC renderContext = nullptr;
    int width = 0; // requested outer size, kept as given
    int height = 0;

    // Frame timing, in seconds unless said otherwise.
    float fpsTime = 0;       // clock time of the last frames-per-second sample
    float lastFrameTime = 0; // clock time of the previous frame's end
    float currentTime = 0;   // clock time of this frame's end
    float frameCount = 0;    // frames ended since the last sample
    float deltaTime = 0;     // time from the previous frame's end to this one's
    float fps = 0;           // frames counted in the last completed sample interval

    static const int nameCapacity = 150;
    char className[nameCapacity] = {};
    char title[nameCapacity] = {};

    FrameClock frameClock;
};

// A program on the window brings these: the one window, and the window procedure its class is
// registered with. WinMain, the program's entry, is declared by the platform.
extern GlWindow theWindow;
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
