// Pixel formats are the server's GLX frame-buffer configurations, numbered from 1 in the order the
// server lists them.
#include "platform/x11/display.h"
#include "platform/x11/window.h"

#include <GL/glx.h>

#include <tuple>

namespace x11 {
namespace {

int configAttribute(GLXFBConfig config, int attribute) {
    int value = 0;
    glXGetFBConfigAttrib(display(), config, attribute, &value);
    return value;
}

// Drawable to a window through a visual of its own, RGBA, on the main plane, not stereo.
bool canServe(GLXFBConfig config, const PIXELFORMATDESCRIPTOR& request) {
    const bool doubleBuffered = configAttribute(config, GLX_DOUBLEBUFFER) != 0;
    const int visualType = configAttribute(config, GLX_X_VISUAL_TYPE);
    return (configAttribute(config, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT) &&
           (configAttribute(config, GLX_RENDER_TYPE) & GLX_RGBA_BIT) &&
           configAttribute(config, GLX_X_RENDERABLE) && configAttribute(config, GLX_VISUAL_ID) &&
           (visualType == GLX_TRUE_COLOR || visualType == GLX_DIRECT_COLOR) &&
           configAttribute(config, GLX_LEVEL) == 0 && !configAttribute(config, GLX_STEREO) &&
           (!(request.dwFlags & PFD_DOUBLEBUFFER) || doubleBuffered);
}

// How far a configuration is from the request; tuples compare in order, so each part matters only
// between configurations equal in the parts before it: first the bits missing from what was asked,
// then buffers that were not asked for, then driver caveats, then the bits beyond what was asked.
std::tuple<int, int, int, int> distance(GLXFBConfig config, const PIXELFORMATDESCRIPTOR& request) {
    const int colorBits = configAttribute(config, GLX_RED_SIZE) +
                          configAttribute(config, GLX_GREEN_SIZE) +
                          configAttribute(config, GLX_BLUE_SIZE);
    const int alphaBits = configAttribute(config, GLX_ALPHA_SIZE);
    const int depthBits = configAttribute(config, GLX_DEPTH_SIZE);
    const int stencilBits = configAttribute(config, GLX_STENCIL_SIZE);
    const int accumBits = configAttribute(config, GLX_ACCUM_RED_SIZE) +
                          configAttribute(config, GLX_ACCUM_GREEN_SIZE) +
                          configAttribute(config, GLX_ACCUM_BLUE_SIZE) +
                          configAttribute(config, GLX_ACCUM_ALPHA_SIZE);
    const int auxBuffers = configAttribute(config, GLX_AUX_BUFFERS);

    const auto missing = [](int have, int asked) { return have < asked ? asked - have : 0; };
    const auto extra = [](int have, int asked) { return have > asked ? have - asked : 0; };
    const int missingBits =
        missing(colorBits, request.cColorBits) + missing(alphaBits, request.cAlphaBits) +
        missing(depthBits, request.cDepthBits) + missing(stencilBits, request.cStencilBits) +
        missing(accumBits, request.cAccumBits);
    const int unaskedBuffers = (stencilBits && !request.cStencilBits) +
                               (accumBits && !request.cAccumBits) +
                               (auxBuffers > request.cAuxBuffers);
    const int caveat = configAttribute(config, GLX_CONFIG_CAVEAT) != GLX_NONE;
    const int extraBits = extra(colorBits, request.cColorBits) +
                          extra(alphaBits, request.cAlphaBits) +
                          extra(depthBits, request.cDepthBits);
    return {missingBits, unaskedBuffers, caveat, extraBits};
}

// The server's configurations; none on a display without GLX.
struct FrameBufferConfigs {
    FrameBufferConfigs() {
        if (display() && glXQueryExtension(display(), nullptr, nullptr))
            list = glXGetFBConfigs(display(), screen(), &count);
    }
    FrameBufferConfigs(const FrameBufferConfigs&) = delete;
    FrameBufferConfigs& operator=(const FrameBufferConfigs&) = delete;
    ~FrameBufferConfigs() {
        if (list)
            XFree(list);
    }
    GLXFBConfig* list = nullptr;
    int count = 0;
};

} // namespace

} // namespace x11

int WINAPI ChoosePixelFormat(HDC deviceContext, const PIXELFORMATDESCRIPTOR* request) {
    if (!x11::windowOfDeviceContext(deviceContext) || !request)
        return 0;
    const x11::FrameBufferConfigs configs;
    int best = 0;
    std::tuple<int, int, int, int> bestDistance;
    for (int i = 0; i < configs.count; ++i) {
        if (!x11::canServe(configs.list[i], *request))
            continue;
        const auto distance = x11::distance(configs.list[i], *request);
        if (!best || distance < bestDistance) {
            best = i + 1;
            bestDistance = distance;
        }
    }
    return best;
}

// A window takes one pixel format for its life; setting the one it has again changes nothing.
BOOL WINAPI SetPixelFormat(HDC deviceContext, int format, const PIXELFORMATDESCRIPTOR*) {
    HWND window = x11::windowOfDeviceContext(deviceContext);
    if (!window)
        return FALSE;
    if (window->pixelFormat)
        return window->pixelFormat == format ? TRUE : FALSE;
    const x11::FrameBufferConfigs configs;
    if (format < 1 || format > configs.count)
        return FALSE;
    const GLXFBConfig config = configs.list[format - 1];
    XVisualInfo* visual = glXGetVisualFromFBConfig(x11::display(), config);
    if (!visual)
        return FALSE;
    const bool given = x11::recreateWithVisual(window, *visual);
    XFree(visual);
    if (!given)
        return FALSE;
    window->pixelFormat = format;
    window->frameBufferConfig = config;
    return TRUE;
}
