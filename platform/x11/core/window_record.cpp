#include "core/window_record.h"

#include "core/core_state.h"

namespace x11 {

HWND addWindow(const WindowRecord& record) {
    return core.windows.add(record);
}

void removeWindow(HWND window) {
    core.windows.remove(window);
}

WindowRecord* findWindow(HWND window) {
    return core.windows.find(window);
}

std::vector<HWND> liveWindows() {
    return core.windows.handles();
}

} // namespace x11
