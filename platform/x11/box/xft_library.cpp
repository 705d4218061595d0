#include "box/xft_library.h"

#include <dlfcn.h>

namespace x11 {
namespace {

enum class Loading { notTried, loaded, failed };
struct XftLibraryState {
    Loading loading = Loading::notTried;
    XftLibrary functions = {};
} library;

template <typename Function> bool find(void* handle, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(dlsym(handle, name));
    return function != nullptr;
}

// The handles stay open: Xft hooks itself into every connection it draws on, and fontconfig and
// FreeType, which it brings, keep state of their own between boxes.
bool load() {
    void* xft = dlopen("libXft.so.2", RTLD_NOW | RTLD_LOCAL);
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
    XftLibrary& loaded = library.functions;
    return xft && fontconfig && find(xft, "XftFontOpenName", loaded.fontOpenName) &&
           find(xft, "XftFontClose", loaded.fontClose) &&
           find(xft, "XftTextExtents16", loaded.textExtents16) &&
           find(xft, "XftDrawCreate", loaded.drawCreate) &&
           find(xft, "XftDrawDestroy", loaded.drawDestroy) &&
           find(xft, "XftDrawString16", loaded.drawString16) &&
           find(fontconfig, "FcFini", loaded.fcFini);
}

} // namespace

const XftLibrary* xftLibrary() {
    if (library.loading == Loading::notTried)
        library.loading = load() ? Loading::loaded : Loading::failed;
    return library.loading == Loading::loaded ? &library.functions : nullptr;
}

void releaseFontConfiguration() {
    if (library.loading == Loading::loaded)
        library.functions.fcFini();
}

} // namespace x11
