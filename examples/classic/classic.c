/* A GL program as the classic Win32 tutorials write one, in C, in one source for Windows and for
 * Linux: it asks at the start whether to run full screen, keeps the keys' state in an array the
 * window procedure fills, rests while minimised, and draws a turning coloured quad in GL 1.1. F1
 * switches between a window and full screen by making the window and its context again; Escape
 * ends it. */
#include <windows.h>
#include <GL/gl.h>

#define CLIENT_WIDTH 640
#define CLIENT_HEIGHT 480
#define MILLISECONDS_A_TURN 4000

static const char className[] = "Classic";
static const char title[] = "Classic";

static HINSTANCE instance;
static HWND window;
static HDC deviceContext;
static HGLRC glContext;
static BOOL keys[256];     /* down or up, by virtual key, as WM_KEYDOWN and WM_KEYUP leave them */
static BOOL active = TRUE; /* false while minimised: nothing is seen, so nothing is drawn */
static BOOL fullScreen;

static void fitViewport(int width, int height) {
    const double aspect = height > 0 ? (double)width / height : 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-aspect, aspect, -1, 1, -1, 1); /* the quad keeps its shape whatever the window's */
    glMatrixMode(GL_MODELVIEW);
}

static void drawQuad(DWORD milliseconds) {
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glRotated(360.0 * (milliseconds % MILLISECONDS_A_TURN) / MILLISECONDS_A_TURN, 0, 0, 1);
    glBegin(GL_QUADS);
    glColor3f(1, 0, 0), glVertex2f(-0.6f, -0.6f);
    glColor3f(0, 1, 0), glVertex2f(0.6f, -0.6f);
    glColor3f(0, 0, 1), glVertex2f(0.6f, 0.6f);
    glColor3f(1, 1, 0), glVertex2f(-0.6f, 0.6f);
    glEnd();
}

/* Undoes whatever part of makeWindow was done, in the reverse order, so that it also cleans up
 * after a failure half-way. */
static void destroyWindow(void) {
    if (fullScreen) {
        ChangeDisplaySettingsA(NULL, 0); /* the session's own mode back */
        ShowCursor(TRUE);
    }
    if (glContext) {
        wglMakeCurrent(NULL, NULL);
        wglDeleteContext(glContext);
        glContext = NULL;
    }
    if (deviceContext) {
        ReleaseDC(window, deviceContext);
        deviceContext = NULL;
    }
    if (window) {
        DestroyWindow(window);
        window = NULL;
    }
}

static BOOL fail(const char* text) {
    destroyWindow();
    MessageBoxA(NULL, text, title, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

/* Full screen is the display's mode as it is, set for the program alone (CDS_FULLSCREEN), with a
 * pop-up as large as the screen and no cursor over it; a window has a frame around a client area of
 * CLIENT_WIDTH x CLIENT_HEIGHT. */
static BOOL makeWindow(void) {
    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD extendedStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
    RECT frame = {0, 0, CLIENT_WIDTH, CLIENT_HEIGHT};
    PIXELFORMATDESCRIPTOR request = {0};
    int format;

    if (fullScreen) {
        DEVMODEA mode = {0};
        mode.dmSize = sizeof mode;
        if (!EnumDisplaySettingsA(NULL, ENUM_CURRENT_SETTINGS, &mode) ||
            ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) {
            fullScreen = FALSE;
            return fail("The display could not be taken for full screen.");
        }
        style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        extendedStyle = WS_EX_APPWINDOW;
        frame.right = (LONG)mode.dmPelsWidth;
        frame.bottom = (LONG)mode.dmPelsHeight;
        ShowCursor(FALSE);
    }
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle); /* the frame around the client area */
    window = CreateWindowExA(extendedStyle, className, title, style, 0, 0, frame.right - frame.left,
                             frame.bottom - frame.top, NULL, NULL, instance, NULL);
    if (!window)
        return fail("The window could not be made.");
    deviceContext = GetDC(window);
    request.nSize = sizeof request;
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = 24;
    request.iLayerType = PFD_MAIN_PLANE;
    format = deviceContext ? ChoosePixelFormat(deviceContext, &request) : 0;
    if (!format || !SetPixelFormat(deviceContext, format, &request))
        return fail("No pixel format for GL could be set.");
    glContext = wglCreateContext(deviceContext);
    if (!glContext || !wglMakeCurrent(deviceContext, glContext))
        return fail("No GL context could be made.");

    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window); /* a little above the others, and the keys coming to it */
    SetFocus(window);
    GetClientRect(window, &frame); /* WM_SIZE may have come before the context was current */
    fitViewport(frame.right, frame.bottom);
    return TRUE;
}

static LRESULT CALLBACK windowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        active = !HIWORD(wParam); /* the high word is set while minimised */
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER)
            return 0; /* no screen saver, nor the display put to sleep, while it runs */
        break;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
        keys[wParam & 0xFF] = TRUE;
        return 0;
    case WM_KEYUP:
        keys[wParam & 0xFF] = FALSE;
        return 0;
    case WM_SIZE:
        /* On X11 the window manager takes the focus away before it minimises the window, so the
         * deactivation does not say minimised (under Wine as well): the size does. */
        active = wParam != SIZE_MINIMIZED;
        fitViewport(LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR commandLine, int show) {
    WNDCLASSA windowClass = {0};
    MSG message = {0};
    BOOL done = FALSE;
    int answer;
    (void)hPrevInstance; /* always null */
    (void)commandLine;
    (void)show; /* the window is shown as the start's answer asks */

    instance = hInstance;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC; /* a device context of its own for GL */
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.lpszClassName = className;
    if (!RegisterClassA(&windowClass)) {
        MessageBoxA(NULL, "The window class could not be registered.", title,
                    MB_OK | MB_ICONEXCLAMATION);
        return 1;
    }
    answer = MessageBoxA(NULL, "Would you like to run in full screen?", "Start full screen?",
                         MB_YESNO | MB_ICONQUESTION);
    if (!answer)
        return 1; /* no box could be shown, so no question answered */
    fullScreen = answer == IDYES;
    if (!makeWindow())
        return 1;

    while (!done) {
        if (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                done = TRUE;
            } else {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        } else if (!active) {
            WaitMessage(); /* minimised: no frames until a message comes */
        } else if (keys[VK_ESCAPE]) {
            PostQuitMessage(0);
        } else if (keys[VK_F1]) {
            keys[VK_F1] = FALSE; /* its WM_KEYUP goes to the window destroyed */
            destroyWindow();
            fullScreen = !fullScreen;
            if (!makeWindow())
                return 1;
        } else {
            drawQuad(GetTickCount());
            SwapBuffers(deviceContext);
        }
    }
    destroyWindow();
    return (int)message.wParam;
}
