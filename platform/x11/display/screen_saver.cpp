#include "display/screen_saver.h"

#include "core/activation.h"
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "xlib/connection.h"

#include <chrono>

namespace x11 {
namespace {

using Clock = std::chrono::steady_clock;

// The display's sleep when the server has no screen saver: its usual default, ten minutes.
const int usualIdleSeconds = 600;
const LPARAM displayOff = 2; // SC_MONITORPOWER's lParam

// The part's state: the window to ask and when to ask it next (a window newly active is asked
// after a whole interval, on the server's time as it is then), and how the questions asked now
// were answered.
struct ScreenSaverState {
    HWND window = nullptr;
    Clock::time_point nextQuestion = {};
    bool asking = false;
    int letThrough = 0;
} part;

Clock::duration questionInterval() {
    int timeout = 0, interval, blanking, exposures;
    XGetScreenSaver(display(), &timeout, &interval, &blanking, &exposures);
    const int seconds = timeout > 0 ? timeout : usualIdleSeconds;
    return std::chrono::milliseconds(seconds * 750);
}

void ask(HWND window) {
    part.asking = true;
    part.letThrough = 0;
    sendMessage(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    if (findWindow(window))
        sendMessage(window, WM_SYSCOMMAND, SC_MONITORPOWER, displayOff);
    part.asking = false;
    if (part.letThrough < 2) {
        XResetScreenSaver(display());
        XFlush(display());
    }
}

} // namespace

void askBeforeScreenSaver() {
    const HWND window = activeWindow();
    if (!window || !display()) {
        part.window = nullptr;
        return;
    }
    const Clock::time_point now = Clock::now();
    if (window != part.window) {
        part.window = window;
        part.nextQuestion = now + questionInterval();
    } else if (now >= part.nextQuestion && !part.asking) {
        ask(window);
        part.nextQuestion = Clock::now() + questionInterval();
    }
}

int millisecondsToScreenSaverQuestion() {
    if (!part.window)
        return -1;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(part.nextQuestion - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

void letScreenSaverStart(unsigned command) {
    if (part.asking) {
        part.letThrough += 1;
    } else if (command == SC_SCREENSAVE && display()) {
        XActivateScreenSaver(display());
        XFlush(display());
    }
}

} // namespace x11
