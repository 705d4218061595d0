#include "display/xrandr_library.h"

#include "xlib/connection.h"

#include <dlfcn.h>

namespace x11 {
namespace {

enum class Loading { notTried, loaded, failed };
struct XrandrLibraryState {
    Loading loading = Loading::notTried;
    XrandrLibrary functions = {};
} library;

template <typename Function> bool find(void* handle, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(dlsym(handle, name));
    return function != nullptr;
}

bool loadFunctions() {
    void* xrandr = dlopen("libXrandr.so.2", RTLD_NOW | RTLD_LOCAL);
    XrandrLibrary& loaded = library.functions;
    return xrandr && find(xrandr, "XRRQueryExtension", loaded.queryExtension) &&
           find(xrandr, "XRRQueryVersion", loaded.queryVersion) &&
           find(xrandr, "XRRGetScreenResourcesCurrent", loaded.getScreenResourcesCurrent) &&
           find(xrandr, "XRRFreeScreenResources", loaded.freeScreenResources) &&
           find(xrandr, "XRRGetOutputPrimary", loaded.getOutputPrimary) &&
           find(xrandr, "XRRGetOutputInfo", loaded.getOutputInfo) &&
           find(xrandr, "XRRFreeOutputInfo", loaded.freeOutputInfo) &&
           find(xrandr, "XRRGetCrtcInfo", loaded.getCrtcInfo) &&
           find(xrandr, "XRRFreeCrtcInfo", loaded.freeCrtcInfo) &&
           find(xrandr, "XRRSetCrtcConfig", loaded.setCrtcConfig) &&
           find(xrandr, "XRRSetScreenSize", loaded.setScreenSize);
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
