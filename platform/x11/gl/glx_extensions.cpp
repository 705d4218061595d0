#include "gl/glx_extensions.h"

#include "xlib/connection.h"

#include <cstring>

namespace x11 {

bool glxOffers(const char* extension) {
    const char* offered = glXQueryExtensionsString(display(), screen());
    const std::size_t length = std::strlen(extension);
    for (const char* at = offered; at && (at = std::strstr(at, extension)); at += length)
        if ((at == offered || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

} // namespace x11
