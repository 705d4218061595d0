// Entry point and main loop: bring the window up, alternate message delivery with frames until
// the quit request arrives, then tear the window down.
#include "glwindow/gl_window.h"

GlWindow theWindow;

namespace {

const int windowWidth = 640;
const int windowHeight = 480;
const char windowTitle[] = "www.talvo.example - OpenGL";
const char windowClassName[] = "TALVO pencere";

const int exitNormal = 0;
const int exitStartFailed = 1;

// Never waits: a pass either delivers one message or, when the queue is empty, runs one frame,
// so frames run back to back whenever the window system has nothing to say.
void runMessageLoop() {
    MSG message;
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            theWindow.beginFrame();
            theWindow.endFrame();
        }
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!theWindow.create(instance, windowWidth, windowHeight, windowTitle, windowClassName,
                          showCommand)) {
        theWindow.warn("Program acilamadi!");
        return exitStartFailed;
    }
    runMessageLoop();
    theWindow.destroy();
    return exitNormal;
}
