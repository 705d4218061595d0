#include "tests/support/glx_context.h"

#include <GL/glx.h>

struct GlxContext::Resources {
    Display* display = nullptr;
    Window window = 0;
    Colormap colormap = 0;
    GLXContext context = nullptr;
};

GlxContext::GlxContext(int width, int height) : resources(new Resources) {
    Resources& r = *resources;
    r.display = XOpenDisplay(nullptr);
    if (!r.display)
        return;
    int attributes[] = {
        GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 1,   GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE,
        1,        GLX_DEPTH_SIZE,   16,           None};
    XVisualInfo* visual = glXChooseVisual(r.display, DefaultScreen(r.display), attributes);
    if (!visual)
        return;
    const Window root = RootWindow(r.display, visual->screen);
    r.colormap = XCreateColormap(r.display, root, visual->visual, AllocNone);
    XSetWindowAttributes windowAttributes = {};
    windowAttributes.colormap = r.colormap;
    r.window = XCreateWindow(r.display, root, 0, 0, width, height, 0, visual->depth, InputOutput,
                             visual->visual, CWColormap, &windowAttributes);
    XMapWindow(r.display, r.window);
    r.context = glXCreateContext(r.display, visual, nullptr, True);
    XFree(visual);
    if (r.context && !glXMakeCurrent(r.display, r.window, r.context)) {
        glXDestroyContext(r.display, r.context);
        r.context = nullptr;
    }
}

GlxContext::~GlxContext() {
    Resources& r = *resources;
    if (r.display) {
        if (r.context) {
            glXMakeCurrent(r.display, None, nullptr);
            glXDestroyContext(r.display, r.context);
        }
        if (r.window)
            XDestroyWindow(r.display, r.window);
        if (r.colormap)
            XFreeColormap(r.display, r.colormap);
        XCloseDisplay(r.display);
    }
    delete resources;
}

bool GlxContext::isCurrent() const {
    return resources->context != nullptr;
}
