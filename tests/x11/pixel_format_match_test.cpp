#include <gtest/gtest.h>

#include "gl/pixel_format_match.h"

namespace {

PIXELFORMATDESCRIPTOR asking(BYTE colorBits, BYTE alphaBits, BYTE depthBits, BYTE stencilBits,
                             BYTE accumBits = 0, BYTE auxBuffers = 0) {
    PIXELFORMATDESCRIPTOR request = {};
    request.cColorBits = colorBits;
    request.cAlphaBits = alphaBits;
    request.cDepthBits = depthBits;
    request.cStencilBits = stencilBits;
    request.cAccumBits = accumBits;
    request.cAuxBuffers = auxBuffers;
    return request;
}

x11::MatchDistance distanceOf(int colorBits, int alphaBits, int depthBits, int stencilBits,
                              bool caveat = false) {
    return x11::matchDistance({colorBits, alphaBits, depthBits, stencilBits, 0, 0, caveat},
                              asking(16, 0, 16, 0));
}

TEST(PixelFormatMatch, EnoughBitsFirstThenNoUnaskedBuffersThenFewestExtraBits) {
    EXPECT_LT(distanceOf(24, 8, 32, 8), distanceOf(24, 0, 0, 0)) << "a depth buffer is a must";
    EXPECT_LT(distanceOf(24, 0, 24, 0), distanceOf(24, 0, 16, 8)) << "no stencil not asked for";
    EXPECT_LT(distanceOf(24, 0, 16, 0), distanceOf(24, 0, 24, 0));
    EXPECT_LT(distanceOf(24, 0, 16, 0), distanceOf(24, 8, 16, 0)) << "nor alpha";
    EXPECT_LT(distanceOf(16, 0, 16, 0), distanceOf(24, 0, 16, 0));
    EXPECT_LT(distanceOf(24, 8, 24, 0), distanceOf(16, 0, 16, 0, true)) << "nor a slow one";
}

// ChoosePixelFormat stops reading a configuration once this make-up, filled in so far, is no
// closer than the best: a field that did not start at the asked value would rule out the winner.
TEST(PixelFormatMatch, WhatIsAskedForIsAtDistanceZero) {
    const PIXELFORMATDESCRIPTOR request = asking(24, 8, 24, 8, 64, 2);
    EXPECT_FALSE(x11::MatchDistance{} < x11::matchDistance(x11::makeUpAskedFor(request), request));
}

} // namespace
