#include "display/screen_saver.h"

#include "xlib/connection.h"

namespace x11 {

void startScreenSaver() {
    if (!display())
        return;
    XActivateScreenSaver(display());
    XFlush(display());
}

} // namespace x11
