#include "gl/context_request.h"

#include <GL/glx.h>

#include <optional>

namespace x11 {
namespace {

struct Asked {
    int major = 1;
    int minor = 0;
    int layerPlane = 0;
    int flags = 0;
    std::optional<int> profile;
    int resetNotification = 0; // none asked
};

// The versions of GL there are: 1.0 to 1.5, 2.0 and 2.1, 3.0 to 3.3, 4.0 to 4.6.
bool isGlVersion(int major, int minor) {
    const int lastMinor[] = {0, 5, 1, 3, 6};
    return major >= 1 && major <= 4 && minor >= 0 && minor <= lastMinor[major];
}

// Reads the pairs; the last value of an attribute given twice counts. False for a name the
// extensions offered do not define.
bool read(const int* attributes, const ContextCreationOffers& offers, Asked& asked) {
    for (const int* pair = attributes; pair && pair[0]; pair += 2) {
        const int value = pair[1];
        if (pair[0] == WGL_CONTEXT_MAJOR_VERSION_ARB)
            asked.major = value;
        else if (pair[0] == WGL_CONTEXT_MINOR_VERSION_ARB)
            asked.minor = value;
        else if (pair[0] == WGL_CONTEXT_LAYER_PLANE_ARB)
            asked.layerPlane = value;
        else if (pair[0] == WGL_CONTEXT_FLAGS_ARB)
            asked.flags = value;
        else if (pair[0] == WGL_CONTEXT_PROFILE_MASK_ARB && offers.profiles)
            asked.profile = value;
        else if (pair[0] == WGL_CONTEXT_RESET_NOTIFICATION_STRATEGY_ARB && offers.robustness)
            asked.resetNotification = value;
        else
            return false;
    }
    return true;
}

DWORD refusalOf(const Asked& asked, const ContextCreationOffers& offers) {
    const int knownFlags = WGL_CONTEXT_DEBUG_BIT_ARB | WGL_CONTEXT_FORWARD_COMPATIBLE_BIT_ARB |
                           (offers.robustness ? WGL_CONTEXT_ROBUST_ACCESS_BIT_ARB : 0);
    const bool knownResetNotification = asked.resetNotification == 0 ||
                                        asked.resetNotification == WGL_NO_RESET_NOTIFICATION_ARB ||
                                        asked.resetNotification == WGL_LOSE_CONTEXT_ON_RESET_ARB;
    // The main plane is the only one there is.
    if (asked.layerPlane != 0 || (asked.flags & ~knownFlags) || !knownResetNotification)
        return ERROR_INVALID_PARAMETER;
    if (asked.profile && *asked.profile != WGL_CONTEXT_CORE_PROFILE_BIT_ARB &&
        *asked.profile != WGL_CONTEXT_COMPATIBILITY_PROFILE_BIT_ARB)
        return ERROR_INVALID_PROFILE_ARB;
    // Forward-compatible contexts leave out what a version deprecates, which began with 3.0.
    const bool forwardCompatible = asked.flags & WGL_CONTEXT_FORWARD_COMPATIBLE_BIT_ARB;
    if (!isGlVersion(asked.major, asked.minor) || (forwardCompatible && asked.major < 3))
        return ERROR_INVALID_VERSION_ARB;
    return ERROR_SUCCESS;
}

// The WGL tokens of flags, profiles and reset notification have the same values as GLX's.
std::vector<int> glxAttributesOf(const Asked& asked) {
    // clang-format off
    std::vector<int> glx = {GLX_CONTEXT_MAJOR_VERSION_ARB, asked.major,
                            GLX_CONTEXT_MINOR_VERSION_ARB, asked.minor,
                            GLX_CONTEXT_FLAGS_ARB,         asked.flags,
                            GLX_RENDER_TYPE,               GLX_RGBA_TYPE};
    // clang-format on
    // Profiles begin with 3.2; below it the version alone says what the context has.
    if (asked.major * 10 + asked.minor >= 32 && asked.profile)
        glx.insert(glx.end(), {GLX_CONTEXT_PROFILE_MASK_ARB, *asked.profile});
    if (asked.resetNotification)
        glx.insert(glx.end(),
                   {GLX_CONTEXT_RESET_NOTIFICATION_STRATEGY_ARB, asked.resetNotification});
    glx.push_back(None);
    return glx;
}

} // namespace

ContextRequest contextRequestOf(const int* attributes, const ContextCreationOffers& offers) {
    Asked asked;
    if (!read(attributes, offers, asked))
        return {ERROR_INVALID_PARAMETER, {}};
    const DWORD refusal = refusalOf(asked, offers);
    if (refusal != ERROR_SUCCESS)
        return {refusal, {}};
    return {ERROR_SUCCESS, glxAttributesOf(asked)};
}

} // namespace x11
