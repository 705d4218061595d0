#include "core/size_report.h"

namespace x11 {

bool takeNewClientSize(WindowRecord& window, LPARAM* size) {
    const int width = window.iconic ? 0 : window.clientWidth;
    const int height = window.iconic ? 0 : window.clientHeight;
    if (width == window.reportedWidth && height == window.reportedHeight)
        return false;
    window.reportedWidth = width;
    window.reportedHeight = height;
    *size = MAKELPARAM(width, height);
    return true;
}

} // namespace x11
