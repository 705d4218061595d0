// XRandR, loaded when a program first asks for the display's modes rather than with the program: a
// program that never does never pays for it.
#ifndef TALVO_PLATFORM_X11_DISPLAY_XRANDR_LIBRARY_H
#define TALVO_PLATFORM_X11_DISPLAY_XRANDR_LIBRARY_H

#include <X11/extensions/Xrandr.h>

namespace x11 {

// The functions the display uses, named as in the library without its prefix.
struct XrandrLibrary {
    decltype(&XRRQueryExtension) queryExtension;
    decltype(&XRRQueryVersion) queryVersion;
    decltype(&XRRGetScreenResourcesCurrent) getScreenResourcesCurrent;
    decltype(&XRRFreeScreenResources) freeScreenResources;
    decltype(&XRRGetOutputPrimary) getOutputPrimary;
    decltype(&XRRGetOutputInfo) getOutputInfo;
    decltype(&XRRFreeOutputInfo) freeOutputInfo;
    decltype(&XRRGetCrtcInfo) getCrtcInfo;
    decltype(&XRRFreeCrtcInfo) freeCrtcInfo;
    decltype(&XRRSetCrtcConfig) setCrtcConfig;
    decltype(&XRRSetScreenSize) setScreenSize;
};

// Loaded on the first call and kept, where the library has every function and the program's
// server has RandR 1.2 or later, which sets modes on outputs; null otherwise, then and on every
// later call.
const XrandrLibrary* xrandrLibrary();

} // namespace x11

#endif
