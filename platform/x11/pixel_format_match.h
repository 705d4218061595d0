// How closely a frame buffer's make-up matches a pixel-format request.
#ifndef TALVO_PLATFORM_X11_PIXEL_FORMAT_MATCH_H
#define TALVO_PLATFORM_X11_PIXEL_FORMAT_MATCH_H

#include "platform/platform.h"

#include <tuple>

namespace x11 {

struct FrameBufferMakeUp {
    int colorBits; // red, green and blue together
    int alphaBits;
    int depthBits;
    int stencilBits;
    int accumBits;
    int auxBuffers;
    bool caveat; // slow or not conformant, as the driver says
};

// Smaller is closer. Tuples compare part by part, so each part only decides between frame
// buffers equal in the parts before it.
using MatchDistance = std::tuple<int, int, int, int>;
MatchDistance matchDistance(const FrameBufferMakeUp& makeUp, const PIXELFORMATDESCRIPTOR& request);

} // namespace x11

#endif
