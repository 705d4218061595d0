#include "core/paint.h"

#include "core/core_state.h"
#include "core/queue_status.h"
#include "core/window_procedure.h"

#include <algorithm>

namespace x11 {
namespace {

RECT clientArea(const WindowRecord& window) {
    return {0, 0, window.clientWidth, window.clientHeight};
}

// A hidden or minimised window has nothing on screen to paint.
bool isPaintable(const WindowRecord& window) {
    return (window.style & WS_VISIBLE) && !window.iconic;
}

void invalidate(WindowRecord& window, const RECT& area, bool erase) {
    if (!isPaintable(window))
        return;
    const RECT client = clientArea(window);
    window.update.add({std::max(area.left, client.left), std::max(area.top, client.top),
                       std::min(area.right, client.right), std::min(area.bottom, client.bottom)});
    window.update.erase = window.update.erase || erase;
    messageQueued(WM_PAINT); // a wait for messages wakes for it, as for a message posted
}

} // namespace

void invalidateClientArea(WindowRecord& window) {
    invalidate(window, clientArea(window), true);
}

void invalidateResizedClientArea(WindowRecord& window, int oldWidth, int oldHeight) {
    const UINT classStyle = window.windowClass->style;
    if (((classStyle & CS_HREDRAW) && window.clientWidth != oldWidth) ||
        ((classStyle & CS_VREDRAW) && window.clientHeight != oldHeight)) {
        invalidateClientArea(window);
        return;
    }
    invalidate(window, {oldWidth, 0, window.clientWidth, window.clientHeight}, true);
    invalidate(window, {0, oldHeight, window.clientWidth, window.clientHeight}, true);
}

bool takePaintMessage(const MessageFilter& filter, MSG* message) {
    for (HWND window : liveWindows()) {
        const WindowRecord& record = *findWindow(window);
        if (isPaintable(record) && !record.update.empty() && filterLets(filter, window, WM_PAINT)) {
            *message = {window, WM_PAINT, 0, 0, timeGetTime(), {}};
            return true;
        }
    }
    return false;
}

} // namespace x11

// An area of the client area, or all of it (null); every window of the program for a null window.
BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (!window) {
        for (HWND each : x11::liveWindows())
            InvalidateRect(each, rect, erase);
        return TRUE;
    }
    x11::WindowRecord* record = x11::windowForCall(window);
    if (!record)
        return FALSE;
    x11::invalidate(*record, rect ? *rect : x11::clientArea(*record), erase != FALSE);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND window, const RECT* rect) {
    x11::WindowRecord* record = x11::windowForCall(window);
    if (!record)
        return FALSE;
    if (rect)
        record->update.subtract(*rect);
    else
        record->update.clear();
    return TRUE;
}

// Whether there is anything to paint, and the rectangle that holds it.
BOOL WINAPI GetUpdateRect(HWND window, LPRECT rect, BOOL) {
    const x11::WindowRecord* record = x11::windowForCall(window);
    if (!record)
        return FALSE;
    if (rect)
        *rect = record->update.bounds();
    return record->update.empty() ? FALSE : TRUE;
}

// The device context to paint with (the window's own for a class with CS_OWNDC), and what to
// paint, which counts as painted from here on.
HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    x11::WindowRecord* record = x11::windowForCall(window);
    if (!record || !paint)
        return nullptr;
    *paint = {};
    paint->hdc = GetDC(window);
    paint->fErase = record->update.erase ? TRUE : FALSE;
    paint->rcPaint = record->update.bounds();
    record->update.clear();
    return paint->hdc;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (paint)
        ReleaseDC(window, paint->hdc);
    return TRUE;
}

// Paints at once what is to be painted, without waiting for the message loop.
BOOL WINAPI UpdateWindow(HWND window) {
    const x11::WindowRecord* record = x11::windowForCall(window);
    if (!record)
        return FALSE;
    if (x11::isPaintable(*record) && !record->update.empty())
        x11::sendMessage(window, WM_PAINT, 0, 0);
    return TRUE;
}
