#include "platform/x11/client_size.h"

#include "platform/x11/display.h"
#include "platform/x11/message_queue.h"
#include "platform/x11/window_procedure.h"
#include "platform/x11/window_properties.h"

namespace x11 {
namespace {

struct SizeReport {
    WPARAM kind;
    LPARAM size;
};

// The report the window procedure has not had yet, if any; it counts as had from here on.
bool takeNewReport(HWND window, SizeReport* report) {
    const int width = window->iconic ? 0 : window->clientWidth;
    const int height = window->iconic ? 0 : window->clientHeight;
    if (width == window->reportedWidth && height == window->reportedHeight)
        return false;
    window->reportedWidth = width;
    window->reportedHeight = height;
    report->kind = window->iconic                                     ? SIZE_MINIMIZED
                   : isMaximised(programConnection(), window->handle) ? SIZE_MAXIMIZED
                                                                      : SIZE_RESTORED;
    report->size = MAKELPARAM(width, height);
    return true;
}

} // namespace

void sendClientSize(HWND window) {
    SizeReport report;
    if (takeNewReport(window, &report))
        sendMessage(window, WM_SIZE, report.kind, report.size);
}

void postClientSize(HWND window) {
    SizeReport report;
    if (window->shown && takeNewReport(window, &report))
        postMessage(window, WM_SIZE, report.kind, report.size);
}

} // namespace x11

// The client area as the server last reported it: none while minimised.
BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
    if (!x11::liveWindow(window) || !rect)
        return FALSE;
    *rect = {0, 0, window->iconic ? 0 : window->clientWidth,
             window->iconic ? 0 : window->clientHeight};
    return TRUE;
}
