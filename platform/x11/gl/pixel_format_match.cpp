#include "gl/pixel_format_match.h"

#include <tuple>

namespace x11 {
namespace {

int missing(int have, int asked) {
    return have < asked ? asked - have : 0;
}
int extra(int have, int asked) {
    return have > asked ? have - asked : 0;
}

} // namespace

bool operator<(const MatchDistance& nearer, const MatchDistance& farther) {
    return std::tie(nearer.missingBits, nearer.unaskedBuffers, nearer.caveats, nearer.extraBits) <
           std::tie(farther.missingBits, farther.unaskedBuffers, farther.caveats,
                    farther.extraBits);
}

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

FrameBufferMakeUp makeUpAskedFor(const PIXELFORMATDESCRIPTOR& request) {
    return {request.cColorBits,
            request.cAlphaBits,
            request.cDepthBits,
            request.cStencilBits,
            request.cAccumBits,
            request.cAuxBuffers,
            false};
}

} // namespace x11
