#include "platform/x11/pixel_format_match.h"

namespace x11 {
namespace {

int missing(int have, int asked) {
    return have < asked ? asked - have : 0;
}
int extra(int have, int asked) {
    return have > asked ? have - asked : 0;
}

} // namespace

// First the bits missing from what was asked, then buffers that were not asked for at all, then
// the driver's caveats, then the bits beyond what was asked.
MatchDistance matchDistance(const FrameBufferMakeUp& makeUp, const PIXELFORMATDESCRIPTOR& request) {
    const int missingBits = missing(makeUp.colorBits, request.cColorBits) +
                            missing(makeUp.alphaBits, request.cAlphaBits) +
                            missing(makeUp.depthBits, request.cDepthBits) +
                            missing(makeUp.stencilBits, request.cStencilBits) +
                            missing(makeUp.accumBits, request.cAccumBits);
    const int unaskedBuffers = (makeUp.stencilBits && !request.cStencilBits) +
                               (makeUp.accumBits && !request.cAccumBits) +
                               (makeUp.auxBuffers > request.cAuxBuffers);
    const int extraBits = extra(makeUp.colorBits, request.cColorBits) +
                          extra(makeUp.alphaBits, request.cAlphaBits) +
                          extra(makeUp.depthBits, request.cDepthBits);
    return {missingBits, unaskedBuffers, makeUp.caveat ? 1 : 0, extraBits};
}

} // namespace x11
