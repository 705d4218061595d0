// The floor: a window and a GL context straight from Xlib and GLX, and a loop that does the
// frame's work and nothing else. The frame counter is preloaded onto its glXSwapBuffers.
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>

namespace {

const int clientWidth = 640;
const int clientHeight = 480;
const int depthBits = 16;

int configAttribute(Display* display, GLXFBConfig config, int attribute) {
    int value = 0;
    glXGetFBConfigAttrib(display, config, attribute, &value);
    return value;
}

// The program's pixel format: double-buffered RGBA, a 16-bit depth buffer, no stencil, and of
// those the one with no caveat, the fewest colour bits and no multisampling. glXChooseFBConfig
// sorts by exactly these, but deeper depth buffers first: the first configuration with 16 depth
// bits and no stencil is it, and only those before it are looked at.
bool chooseConfig(Display* display, GLXFBConfig* chosen) {
    const int request[] = {GLX_DRAWABLE_TYPE,
                           GLX_WINDOW_BIT,
                           GLX_RENDER_TYPE,
                           GLX_RGBA_BIT,
                           GLX_X_RENDERABLE,
                           True,
                           GLX_DOUBLEBUFFER,
                           True,
                           GLX_DEPTH_SIZE,
                           depthBits,
                           None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), request, &count);
    bool found = false;
    for (int i = 0; i < count && !found; ++i) {
        found = configAttribute(display, configs[i], GLX_DEPTH_SIZE) == depthBits &&
                configAttribute(display, configs[i], GLX_STENCIL_SIZE) == 0;
        if (found)
            *chosen = configs[i];
    }
    if (configs)
        XFree(configs);
    return found;
}

Window createWindow(Display* display, XVisualInfo* visual) {
    const Window root = RootWindow(display, visual->screen);
    XSetWindowAttributes attributes = {};
    attributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    const Window window =
        XCreateWindow(display, root, 0, 0, clientWidth, clientHeight, 0, visual->depth, InputOutput,
                      visual->visual, CWColormap, &attributes);
    XStoreName(display, window, "raw GLX");
    return window;
}

// Takes every waiting event without blocking; false once the window manager asks to close.
bool pollEvents(Display* display, Atom deleteWindow) {
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage &&
            static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow)
            return false;
    }
    return true;
}

} // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "raw GLX: no display\n");
        return 1;
    }
    GLXFBConfig config;
    if (!chooseConfig(display, &config)) {
        std::fprintf(stderr, "raw GLX: no double-buffered RGBA config with a depth buffer\n");
        return 1;
    }
    XVisualInfo* visual = glXGetVisualFromFBConfig(display, config);
    const Window window = createWindow(display, visual);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XMapWindow(display, window);
    const GLXContext context = glXCreateNewContext(display, config, GLX_RGBA_TYPE, nullptr, True);
    glXMakeCurrent(display, window, context);

    while (pollEvents(display, deleteWindow)) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glXSwapBuffers(display, window);
    }

    glXMakeCurrent(display, None, nullptr);
    glXDestroyContext(display, context);
    XDestroyWindow(display, window);
    XFree(visual);
    XCloseDisplay(display);
    return 0;
}
