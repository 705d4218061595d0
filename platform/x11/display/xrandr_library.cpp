#include "display/xrandr_library.h"

#include "xlib/connection.h"
#include "xlib/loaded_library.h"

namespace x11 {
namespace {

struct XrandrLibraryState {
    Loading loading = Loading::notTried;
    XrandrLibrary functions = {};
} library;

bool loadFunctions() {
    void* xrandr = dlopen("libXrandr.so.2", RTLD_NOW | RTLD_LOCAL);
    XrandrLibrary& loaded = library.functions;
    return xrandr && findFunction(xrandr, "XRRQueryExtension", loaded.queryExtension) &&
           findFunction(xrandr, "XRRQueryVersion", loaded.queryVersion) &&
           findFunction(xrandr, "XRRGetScreenResourcesCurrent", loaded.getScreenResourcesCurrent) &&
           findFunction(xrandr, "XRRFreeScreenResources", loaded.freeScreenResources) &&
           findFunction(xrandr, "XRRGetOutputPrimary", loaded.getOutputPrimary) &&
           findFunction(xrandr, "XRRGetOutputInfo", loaded.getOutputInfo) &&
           findFunction(xrandr, "XRRFreeOutputInfo", loaded.freeOutputInfo) &&
           findFunction(xrandr, "XRRGetCrtcInfo", loaded.getCrtcInfo) &&
           findFunction(xrandr, "XRRFreeCrtcInfo", loaded.freeCrtcInfo) &&
           findFunction(xrandr, "XRRSetCrtcConfig", loaded.setCrtcConfig) &&
           findFunction(xrandr, "XRRSetScreenSize", loaded.setScreenSize);
}

bool serverSetsOutputModes() {
    int eventBase, errorBase, major = 0, minor = 0;
    const XrandrLibrary& functions = library.functions;
    return functions.queryExtension(display(), &eventBase, &errorBase) &&
           functions.queryVersion(display(), &major, &minor) &&
           (major > 1 || (major == 1 && minor >= 2));
}

} // namespace

const XrandrLibrary* xrandrLibrary() {
    if (library.loading == Loading::notTried)
        library.loading = display() && loadFunctions() && serverSetsOutputModes() ? Loading::loaded
                                                                                  : Loading::failed;
    return library.loading == Loading::loaded ? &library.functions : nullptr;
}

} // namespace x11
