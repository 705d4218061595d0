// The GL half of creation: pixel format, rendering context, fixed GL state and the projection
// that follows the window's size.
#include "glwindow/gl_window.h"

namespace {

const int depthBufferBits = 16;
const int colorBufferBits = 16;

const double fieldOfViewDegrees = 50.0;
const double nearPlane = 1.0;
const double farPlane = 1500.0;

// A window-drawable, GL-capable, double-buffered RGBA surface with the given bit counts and
// no stencil, accumulation or auxiliary buffers.
PIXELFORMATDESCRIPTOR pixelFormatRequestFor(int depthBits, int colorBits) {
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = static_cast<BYTE>(colorBits);
    request.cDepthBits = static_cast<BYTE>(depthBits);
    request.iLayerType = PFD_MAIN_PLANE;
    return request;
}

} // namespace

int GlWindow::setupGl(int viewWidth, int viewHeight) {
    if (!createContext(depthBufferBits, colorBufferBits))
        return 0;
    return initGlState(viewWidth, viewHeight) ? 1 : 0;
}

int GlWindow::createContext(int depthBits, int colorBits) {
    const PIXELFORMATDESCRIPTOR pixelFormatRequest = pixelFormatRequestFor(depthBits, colorBits);

    deviceContext = GetDC(window);
    if (!deviceContext) {
        warn("OpenGL hatasi Opengl Context aygiti olusuturulamadi.");
        return 0;
    }
    const int format = ChoosePixelFormat(deviceContext, &pixelFormatRequest);
    if (!format) {
        warn("Suitable PikselFormat bulunamadi!");
        return 0;
    }
    if (!SetPixelFormat(deviceContext, format, &pixelFormatRequest)) {
        warn("PikselFormat ayarlanamadi!");
        return 0;
    }
    renderContext = wglCreateContext(deviceContext);
    if (!renderContext) {
        warn("OpenGL rendering context olusturulamadi!");
        return 0;
    }
    if (!wglMakeCurrent(deviceContext, renderContext)) {
        warn("OpenGL rendering context aktif hale getirilemedi.");
        return 0;
    }
    return 1;
}

int GlWindow::initGlState(int viewWidth, int viewHeight) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glShadeModel(GL_SMOOTH);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    resize(viewWidth, viewHeight);
    return 1;
}

// Leaves the model-view matrix current: the frame cycle loads its identity without selecting it.
void GlWindow::resize(int clientWidth, int clientHeight) {
    if (clientHeight == 0)
        clientHeight = 1; // a minimised window; also keeps the aspect ratio finite
    glViewport(0, 0, clientWidth, clientHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfViewDegrees, static_cast<double>(clientWidth) / clientHeight, nearPlane,
                   farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
