// The server's screen saver, which Windows starts when the default window procedure gets
// SC_SCREENSAVE.
#ifndef TALVO_PLATFORM_X11_DISPLAY_SCREEN_SAVER_H
#define TALVO_PLATFORM_X11_DISPLAY_SCREEN_SAVER_H

namespace x11 {

void startScreenSaver();

} // namespace x11

#endif
