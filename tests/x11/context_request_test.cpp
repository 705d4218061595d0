#include <gtest/gtest.h>

#include "gl/context_request.h"

#include <GL/glx.h>

namespace {

const x11::ContextCreationOffers everything = {true, true};
const x11::ContextCreationOffers versionsAlone = {false, false};

std::vector<int> glxOf(std::vector<int> attributes,
                       const x11::ContextCreationOffers& offers = everything) {
    attributes.push_back(0);
    const x11::ContextRequest request = x11::contextRequestOf(attributes.data(), offers);
    EXPECT_EQ(request.refusal, DWORD(ERROR_SUCCESS));
    return request.glxAttributes;
}

DWORD refusalOf(std::vector<int> attributes, const x11::ContextCreationOffers& offers) {
    attributes.push_back(0);
    return x11::contextRequestOf(attributes.data(), offers).refusal;
}

const int major = WGL_CONTEXT_MAJOR_VERSION_ARB, minor = WGL_CONTEXT_MINOR_VERSION_ARB;
const int flags = WGL_CONTEXT_FLAGS_ARB, profile = WGL_CONTEXT_PROFILE_MASK_ARB;
const int reset = WGL_CONTEXT_RESET_NOTIFICATION_STRATEGY_ARB;

// GL 1.0 and up when nothing is asked; a profile only from 3.2, where profiles begin; the last of
// an attribute given twice.
TEST(ContextRequest, PutsWhatIsAskedInGlxTermsWithWglsDefaults) {
    EXPECT_EQ(x11::contextRequestOf(nullptr, everything).glxAttributes,
              (std::vector<int>{GLX_CONTEXT_MAJOR_VERSION_ARB, 1, GLX_CONTEXT_MINOR_VERSION_ARB, 0,
                                GLX_CONTEXT_FLAGS_ARB, 0, GLX_RENDER_TYPE, GLX_RGBA_TYPE, None}));
    const std::vector<int> core = glxOf({major, 3, minor, 3, profile, 1});
    EXPECT_EQ(
        std::vector<int>(core.end() - 3, core.end()),
        (std::vector<int>{GLX_CONTEXT_PROFILE_MASK_ARB, GLX_CONTEXT_CORE_PROFILE_BIT_ARB, None}));
    EXPECT_EQ(glxOf({major, 2, minor, 1, profile, 1}).size(), 9u) << "no profile below 3.2";
    EXPECT_EQ(glxOf({major, 4, major, 3})[1], 3);
}

// Robust contexts where GLX makes them; elsewhere their attribute and flag are unknown.
TEST(ContextRequest, AsksForRobustnessOnlyWhereGlxOffersIt) {
    const std::vector<int> robust =
        glxOf({flags, WGL_CONTEXT_ROBUST_ACCESS_BIT_ARB, reset, WGL_LOSE_CONTEXT_ON_RESET_ARB});
    EXPECT_EQ(robust[5], GLX_CONTEXT_ROBUST_ACCESS_BIT_ARB);
    EXPECT_EQ(std::vector<int>(robust.end() - 3, robust.end()),
              (std::vector<int>{GLX_CONTEXT_RESET_NOTIFICATION_STRATEGY_ARB,
                                GLX_LOSE_CONTEXT_ON_RESET_ARB, None}));
    EXPECT_EQ(refusalOf({reset, 0x1234}, everything), DWORD(ERROR_INVALID_PARAMETER));
    for (int attribute : {flags, reset, profile})
        EXPECT_EQ(refusalOf({attribute, attribute == flags ? WGL_CONTEXT_ROBUST_ACCESS_BIT_ARB : 1},
                            versionsAlone),
                  DWORD(ERROR_INVALID_PARAMETER))
            << std::hex << attribute;
    EXPECT_EQ(refusalOf({WGL_CONTEXT_LAYER_PLANE_ARB, 1}, everything),
              DWORD(ERROR_INVALID_PARAMETER))
        << "the main plane is the only one";
}

} // namespace
