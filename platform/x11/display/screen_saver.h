// Windows asks the active window before its screen saver starts and before the display goes to
// sleep: WM_SYSCOMMAND with SC_SCREENSAVE and SC_MONITORPOWER, which the default window procedure
// lets happen and a program may keep from happening (a game, for one). The X server counts the
// idle time to both on its own; while a window of the program is active, the layer asks it every
// three quarters of the server's time, and when the window keeps either, starts the server's count
// again.
#ifndef TALVO_PLATFORM_X11_DISPLAY_SCREEN_SAVER_H
#define TALVO_PLATFORM_X11_DISPLAY_SCREEN_SAVER_H

namespace x11 {

// At each poll of the message queue: the question is sent from there when its time has come, as
// Windows sends it while the program takes its messages.
void askBeforeScreenSaver();
// How long a wait for messages may sleep before the next question is due: -1 for as long as it
// likes.
int millisecondsToScreenSaverQuestion();
// The default window procedure's answer to SC_SCREENSAVE or SC_MONITORPOWER (the command): the
// layer's own question is let through; the program's own SC_SCREENSAVE starts the screen saver
// now.
void letScreenSaverStart(unsigned command);

} // namespace x11

#endif
