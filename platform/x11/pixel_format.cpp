// Pixel formats are the server's GLX frame-buffer configurations, numbered from 1 in the order the
// server lists them.
#include "platform/x11/display.h"
#include "platform/x11/pixel_format_match.h"
#include "platform/x11/window.h"

#include <GL/glx.h>

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
    x11::MatchDistance bestDistance;
    for (int i = 0; i < configs.count; ++i) {
        if (!x11::canServe(configs.list[i], *request))
            continue;
        const x11::MatchDistance distance =
            x11::matchDistance(x11::makeUpOf(configs.list[i]), *request);
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
