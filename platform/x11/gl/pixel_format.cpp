// ChoosePixelFormat and SetPixelFormat, on the server's GLX configurations
// (gl/frame_buffer_configs.h).
#include "core/device_context.h"
#include "gl/frame_buffer_configs.h"
#include "gl/gl_surface.h"
#include "gl/pixel_format_match.h"
#include "xlib/connection.h"

#include <GL/glx.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace x11 {
namespace {

// Reads one part of a configuration's make-up.
using MakeUpStep = void (*)(GLXFBConfig, FrameBufferMakeUp&);

// Each glXGetFBConfigAttrib call costs the GL library a search of its whole list for the
// configuration, so a configuration is read only until it is sure to lose. Single attributes come
// first, in the order they most often rule a configuration out, sums of several last.
const MakeUpStep makeUpSteps[] = {
    [](GLXFBConfig config, FrameBufferMakeUp& makeUp) {
        makeUp.depthBits = configAttribute(config, GLX_DEPTH_SIZE);
    },
    [](GLXFBConfig config, FrameBufferMakeUp& makeUp) {
        makeUp.alphaBits = configAttribute(config, GLX_ALPHA_SIZE);
    },
    [](GLXFBConfig config, FrameBufferMakeUp& makeUp) {
        makeUp.colorBits = configAttribute(config, GLX_RED_SIZE) +
                           configAttribute(config, GLX_GREEN_SIZE) +
                           configAttribute(config, GLX_BLUE_SIZE);
    },
    [](GLXFBConfig config, FrameBufferMakeUp& makeUp) {
        makeUp.stencilBits = configAttribute(config, GLX_STENCIL_SIZE);
    },
    [](GLXFBConfig config, FrameBufferMakeUp& makeUp) {
        makeUp.caveat = configAttribute(config, GLX_CONFIG_CAVEAT) != GLX_NONE;
    },
    [](GLXFBConfig config, FrameBufferMakeUp& makeUp) {
        makeUp.auxBuffers = configAttribute(config, GLX_AUX_BUFFERS);
    },
    [](GLXFBConfig config, FrameBufferMakeUp& makeUp) {
        makeUp.accumBits = configAttribute(config, GLX_ACCUM_RED_SIZE) +
                           configAttribute(config, GLX_ACCUM_GREEN_SIZE) +
                           configAttribute(config, GLX_ACCUM_BLUE_SIZE) +
                           configAttribute(config, GLX_ACCUM_ALPHA_SIZE);
    },
};

// How far `config` is from `request`, if it is closer than `closest` (or there is none); nothing
// as soon as the parts read so far put it no closer.
std::optional<MatchDistance> distanceIfCloser(GLXFBConfig config,
                                              const PIXELFORMATDESCRIPTOR& request,
                                              const MatchDistance* closest) {
    FrameBufferMakeUp makeUp = makeUpAskedFor(request);
    MatchDistance distance = {};
    for (MakeUpStep readPart : makeUpSteps) {
        readPart(config, makeUp);
        distance = matchDistance(makeUp, request);
        if (closest && !(distance < *closest))
            return std::nullopt;
    }
    return distance;
}

// Those that can serve a window as `request` asks: drawable to a window, RGBA, on the main plane,
// not stereo, double-buffered if asked. GLX filters them in one call; asking glXGetFBConfigAttrib
// the same of every configuration instead is slow, as the GL library looks up each configuration
// it is given in its whole list, and that took milliseconds of start-up.
std::vector<int> windowFilterFor(const PIXELFORMATDESCRIPTOR& request) {
    const int dontCare = static_cast<int>(GLX_DONT_CARE);
    const int doubleBuffer = (request.dwFlags & PFD_DOUBLEBUFFER) ? True : dontCare;
    // clang-format off
    return {GLX_DRAWABLE_TYPE,    GLX_WINDOW_BIT,
            GLX_RENDER_TYPE,      GLX_RGBA_BIT,
            GLX_X_RENDERABLE,     True,
            GLX_LEVEL,            0,
            GLX_STEREO,           False,
            GLX_DOUBLEBUFFER,     doubleBuffer,
            GLX_TRANSPARENT_TYPE, dontCare, // GLX leaves transparent ones out unless told
            None};
    // clang-format on
}

struct NumberedConfig {
    int format;
    GLXFBConfig config;
};

// The configurations of `some` in the order of `all`, numbered by it. GLX gives a configuration
// the same handle in every list it returns.
std::vector<NumberedConfig> inServerOrder(const FrameBufferConfigs& some,
                                          const FrameBufferConfigs& all) {
    std::vector<GLXFBConfig> sought(some.list, some.list + some.count);
    const std::less<GLXFBConfig> before;
    std::sort(sought.begin(), sought.end(), before);
    std::vector<NumberedConfig> numbered;
    for (int i = 0; i < all.count; ++i)
        if (std::binary_search(sought.begin(), sought.end(), all.list[i], before))
            numbered.push_back({i + 1, all.list[i]});
    return numbered;
}

} // namespace

} // namespace x11

// The closest match; among equally close ones, the first in the server's order. Taken in that
// order, a configuration wins only by being closer than every one before it.
int WINAPI ChoosePixelFormat(HDC deviceContext, const PIXELFORMATDESCRIPTOR* request) {
    if (!x11::windowOfDeviceContext(deviceContext)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!request)
        return 0;
    const x11::FrameBufferConfigs& all = x11::serverConfigs();
    if (all.count == 0)
        return 0;
    const x11::FrameBufferConfigs candidates(x11::windowFilterFor(*request).data());
    int best = 0;
    x11::MatchDistance bestDistance = {};
    for (const x11::NumberedConfig& candidate : x11::inServerOrder(candidates, all)) {
        const std::optional<x11::MatchDistance> distance =
            x11::distanceIfCloser(candidate.config, *request, best ? &bestDistance : nullptr);
        if (!distance || !x11::hasColorVisual(candidate.config))
            continue;
        best = candidate.format;
        bestDistance = *distance;
    }
    return best;
}

// A window takes one pixel format for its life; setting the one it has again changes nothing.
BOOL WINAPI SetPixelFormat(HDC deviceContext, int format, const PIXELFORMATDESCRIPTOR*) {
    HWND window = x11::windowOfDeviceContext(deviceContext);
    if (!window) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (const x11::GlSurface* surface = x11::surfaceOf(window))
        return surface->pixelFormat == format ? TRUE : FALSE;
    const GLXFBConfig config = x11::configOfPixelFormat(format);
    return config && x11::createSurface(window, format, config) ? TRUE : FALSE;
}
