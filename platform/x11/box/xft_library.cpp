#include "box/xft_library.h"

#include "xlib/loaded_library.h"

namespace x11 {
namespace {

struct XftLibraryState {
    Loading loading = Loading::notTried;
    XftLibrary functions = {};
} library;

// The handles stay open: Xft hooks itself into every connection it draws on, and fontconfig and
// FreeType, which it brings, keep state of their own between boxes.
bool load() {
    void* xft = dlopen("libXft.so.2", RTLD_NOW | RTLD_LOCAL);
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
    XftLibrary& loaded = library.functions;
    return xft && fontconfig && findFunction(xft, "XftFontOpenName", loaded.fontOpenName) &&
           findFunction(xft, "XftFontClose", loaded.fontClose) &&
           findFunction(xft, "XftTextExtents16", loaded.textExtents16) &&
           findFunction(xft, "XftDrawCreate", loaded.drawCreate) &&
           findFunction(xft, "XftDrawDestroy", loaded.drawDestroy) &&
           findFunction(xft, "XftDrawString16", loaded.drawString16) &&
           findFunction(fontconfig, "FcFini", loaded.fcFini);
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
