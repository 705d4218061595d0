// Pixel formats are the server's GLX frame-buffer configurations, numbered from 1 in the order the
// server lists them.
#include "platform/x11/display.h"
#include "platform/x11/pixel_format_match.h"
#include "platform/x11/window.h"
#include "platform/x11/window_lifetime.h"

#include <GL/glx.h>

namespace x11 {
namespace {

int configAttribute(GLXFBConfig config, int attribute) {
    int value = 0;
    glXGetFBConfigAttrib(display(), config, attribute, &value);
    return value;
}

// A visual of its own that shows RGB values as they are. GLX cannot filter on two visual types
// at once, so this part of "can serve a window" is checked here.
bool hasColorVisual(GLXFBConfig config) {
    const int visualType = configAttribute(config, GLX_X_VISUAL_TYPE);
    return visualType == GLX_TRUE_COLOR || visualType == GLX_DIRECT_COLOR;
}

FrameBufferMakeUp makeUpOf(GLXFBConfig config) {
    FrameBufferMakeUp makeUp;
    makeUp.colorBits = configAttribute(config, GLX_RED_SIZE) +
                       configAttribute(config, GLX_GREEN_SIZE) +
                       configAttribute(config, GLX_BLUE_SIZE);
    makeUp.alphaBits = configAttribute(config, GLX_ALPHA_SIZE);
    makeUp.depthBits = configAttribute(config, GLX_DEPTH_SIZE);
    makeUp.stencilBits = configAttribute(config, GLX_STENCIL_SIZE);
    makeUp.accumBits = configAttribute(config, GLX_ACCUM_RED_SIZE) +
                       configAttribute(config, GLX_ACCUM_GREEN_SIZE) +
                       configAttribute(config, GLX_ACCUM_BLUE_SIZE) +
                       configAttribute(config, GLX_ACCUM_ALPHA_SIZE);
    makeUp.auxBuffers = configAttribute(config, GLX_AUX_BUFFERS);
    makeUp.caveat = configAttribute(config, GLX_CONFIG_CAVEAT) != GLX_NONE;
    return makeUp;
}

// A list of configurations from GLX, or none on a display without GLX.
class FrameBufferConfigs {
  public:
    // All of the server's, in its order: the pixel format numbers.
    FrameBufferConfigs() {
        if (hasGlx())
            list = glXGetFBConfigs(display(), screen(), &count);
    }
    // Those that can serve a window as `request` asks: drawable to a window, RGBA, on the main
    // plane, not stereo, double-buffered if asked. GLX filters them in one call; asking
    // glXGetFBConfigAttrib the same of every configuration instead is slow, as the GL library
    // looks up each configuration it is given in its whole list, and that took milliseconds of
    // start-up.
    explicit FrameBufferConfigs(const PIXELFORMATDESCRIPTOR& request) {
        const int dontCare = static_cast<int>(GLX_DONT_CARE);
        const int doubleBuffer = (request.dwFlags & PFD_DOUBLEBUFFER) ? True : dontCare;
        // clang-format off
        const int filter[] = {
            GLX_DRAWABLE_TYPE,    GLX_WINDOW_BIT,
            GLX_RENDER_TYPE,      GLX_RGBA_BIT,
            GLX_X_RENDERABLE,     True,
            GLX_LEVEL,            0,
            GLX_STEREO,           False,
            GLX_DOUBLEBUFFER,     doubleBuffer,
            GLX_TRANSPARENT_TYPE, dontCare, // GLX leaves transparent ones out unless told
            None};
        // clang-format on
        if (hasGlx())
            list = glXChooseFBConfig(display(), screen(), filter, &count);
    }
    FrameBufferConfigs(const FrameBufferConfigs&) = delete;
    FrameBufferConfigs& operator=(const FrameBufferConfigs&) = delete;
    ~FrameBufferConfigs() {
        if (list)
            XFree(list);
    }

    // The one-based number of `config` in this list, or 0. GLX gives a configuration the same
    // handle in every list it returns.
    int numberOf(GLXFBConfig config) const {
        for (int i = 0; i < count; ++i)
            if (list[i] == config)
                return i + 1;
        return 0;
    }

    GLXFBConfig* list = nullptr;
    int count = 0;

  private:
    static bool hasGlx() { return display() && glXQueryExtension(display(), nullptr, nullptr); }
};

} // namespace

} // namespace x11

// The closest match; among equally close ones, the first in the server's order.
int WINAPI ChoosePixelFormat(HDC deviceContext, const PIXELFORMATDESCRIPTOR* request) {
    if (!x11::windowOfDeviceContext(deviceContext) || !request)
        return 0;
    const x11::FrameBufferConfigs all;
    const x11::FrameBufferConfigs candidates(*request);
    int best = 0;
    x11::MatchDistance bestDistance = {};
    for (int i = 0; i < candidates.count; ++i) {
        const GLXFBConfig config = candidates.list[i];
        if (!x11::hasColorVisual(config))
            continue;
        const x11::MatchDistance distance = x11::matchDistance(x11::makeUpOf(config), *request);
        if (best && bestDistance < distance)
            continue;
        const int format = all.numberOf(config);
        if (format && (!best || distance < bestDistance || format < best)) {
            best = format;
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
