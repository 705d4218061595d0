#include "platform/x11/xft_library.h"

#include <dlfcn.h>

namespace x11 {
namespace {

enum class Loading { notTried, loaded, failed };
Loading state = Loading::notTried;
XftLibrary library = {};

template <typename Function> bool find(void* handle, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(dlsym(handle, name));
    return function != nullptr;
}

// The render library comes with Xft. The handles stay open: Xft hooks itself into every connection
// it draws on, and fontconfig and FreeType keep state of their own between boxes.
bool load() {
    void* xft = dlopen("libXft.so.2", RTLD_NOW | RTLD_LOCAL);
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
    return xft && fontconfig && find(xft, "XftFontOpenName", library.fontOpenName) &&
           find(xft, "XftFontClose", library.fontClose) &&
           find(xft, "XftTextExtents16", library.textExtents16) &&
           find(xft, "XftDrawCreate", library.drawCreate) &&
           find(xft, "XftDrawDestroy", library.drawDestroy) &&
           find(xft, "XftDrawString16", library.drawString16) &&
           find(fontconfig, "FcFini", library.fcFini) &&
           find(xft, "XRenderQueryExtension", library.renderQueryExtension);
}

} // namespace

const XftLibrary* xftLibrary() {
    if (state == Loading::notTried)
        state = load() ? Loading::loaded : Loading::failed;
    return state == Loading::loaded ? &library : nullptr;
}

void releaseFontConfiguration() {
    if (state == Loading::loaded)
        library.fcFini();
}

} // namespace x11
