// What an attribute list of wglCreateContextAttribsARB asks for, checked as WGL_ARB_create_context
// and its profile and robustness extensions define it, in the terms of GLX_ARB_create_context.
#ifndef TALVO_PLATFORM_X11_GL_CONTEXT_REQUEST_H
#define TALVO_PLATFORM_X11_GL_CONTEXT_REQUEST_H

#include "platform/platform.h"

#include <vector>

namespace x11 {

// The parts of context creation GLX offers beyond versions and flags.
struct ContextCreationOffers {
    bool profiles;   // GLX_ARB_create_context_profile
    bool robustness; // GLX_ARB_create_context_robustness
};

struct ContextRequest {
    DWORD refusal;                  // ERROR_SUCCESS, or the error code WGL gives for the list
    std::vector<int> glxAttributes; // for glXCreateContextAttribsARB, ended by None
};

// `attributes` is a list of name and value pairs ended by 0, or null for the defaults: GL 1.0 and
// up, in the compatibility profile below 3.2 and the core profile from 3.2.
ContextRequest contextRequestOf(const int* attributes, const ContextCreationOffers& offers);

} // namespace x11

#endif
