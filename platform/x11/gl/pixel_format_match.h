// How closely a frame buffer's make-up matches a pixel-format request.
#ifndef TALVO_PLATFORM_X11_GL_PIXEL_FORMAT_MATCH_H
#define TALVO_PLATFORM_X11_GL_PIXEL_FORMAT_MATCH_H

#include "platform/platform.h"

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

// How far a frame buffer is from a request. Smaller is closer, compared part by part in the order
// below: each part only decides between frame buffers equal in the parts before it.
struct MatchDistance {
    int missingBits;    // colour, alpha, depth, stencil and accumulation bits asked for and lacking
    int unaskedBuffers; // stencil, accumulation and auxiliary buffers nobody asked for
    int caveats;        // 1 when the driver says it is slow or not conformant
    int extraBits;      // colour, alpha and depth bits beyond what was asked
};
bool operator<(const MatchDistance& nearer, const MatchDistance& farther);

MatchDistance matchDistance(const FrameBufferMakeUp& makeUp, const PIXELFORMATDESCRIPTOR& request);

// The make-up `request` asks for, at distance zero from it. Each part of the distance adds up
// terms of one field each, none below zero, and each zero at the asked value; so as a frame
// buffer's fields are read into this make-up one by one its distance only grows, and on the way
// it is the least the frame buffer's own distance can turn out to be.
FrameBufferMakeUp makeUpAskedFor(const PIXELFORMATDESCRIPTOR& request);

} // namespace x11

#endif
