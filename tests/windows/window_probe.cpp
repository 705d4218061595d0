// Reports what the window system knows of the visible top-level windows, one line each:
//   class="..." title="..." rect=left,top,right,bottom style=0x...
// It waits up to ten seconds for the first of them to appear and exits with 1 if none does,
// so a test can start a program and call this to see the window it made.
#include <windows.h>

#include <cstdio>

namespace {

const int pollIntervalMilliseconds = 100;
const int pollLimit = 100;

BOOL CALLBACK countVisible(HWND window, LPARAM count) {
    if (IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK printVisible(HWND window, LPARAM) {
    if (!IsWindowVisible(window))
        return TRUE;
    char className[256] = {};
    char title[256] = {};
    RECT rect = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    GetWindowRect(window, &rect);
    const unsigned long style = static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE));
    std::printf("class=\"%s\" title=\"%s\" rect=%ld,%ld,%ld,%ld style=0x%08lx\n", className, title,
                rect.left, rect.top, rect.right, rect.bottom, style);
    return TRUE;
}

bool waitForVisibleWindow() {
    for (int poll = 0; poll < pollLimit; ++poll) {
        int count = 0;
        EnumWindows(countVisible, reinterpret_cast<LPARAM>(&count));
        if (count > 0)
            return true;
        Sleep(pollIntervalMilliseconds);
    }
    return false;
}

} // namespace

int main() {
    if (!waitForVisibleWindow()) {
        std::fprintf(stderr, "no visible top-level window appeared\n");
        return 1;
    }
    EnumWindows(printVisible, 0);
    return 0;
}
