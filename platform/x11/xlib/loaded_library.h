// The libraries the layer loads only when first needed (Xft, XRandR), so that a program runs
// where they are missing: each tried once, its functions looked up one by one.
#ifndef TALVO_PLATFORM_X11_XLIB_LOADED_LIBRARY_H
#define TALVO_PLATFORM_X11_XLIB_LOADED_LIBRARY_H

#include <dlfcn.h>

namespace x11 {

enum class Loading { notTried, loaded, failed };

// Sets `function` to the library's function of that name; false where the library lacks it.
template <typename Function>
bool findFunction(void* library, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(dlsym(library, name));
    return function != nullptr;
}

} // namespace x11

#endif
