// A user at the screen of one provider of platform/platform.h, acting on the contract cases'
// window and its warning boxes as that provider lets a user act: through the X display for the
// X11 layer and for Win32 under Wine (user_x_display.cpp), through hooks of its own for the fake
// (user_fake.cpp).
#ifndef TALVO_TESTS_CONTRACT_USER_H
#define TALVO_TESTS_CONTRACT_USER_H

#include "platform/platform.h"

#include <functional>
#include <string>

namespace user {

// The fake draws nothing and runs on its test's clock; the real providers do both.
extern const bool seesGlAndClock;
// The fake's user is at no screen: the fake has no keyboard, no mouse, no title bar and one
// window only. The real providers' user sits at the X display.
extern const bool atAScreen;

// The title the user knows the window by (one word: it is passed on as one argument), and the
// caption of the boxes the cases show.
const char windowTitle[] = "Sozlesme";
const char boxCaption[] = "Uyari";

// A user's action on the window: "minimise", "restore", "maximise" or "close", as with the
// buttons of its title bar.
void act(HWND window, const std::string& action);

struct Box {
    std::string caption;
    std::string text;
    bool owned; // by the window
};
// What the user read in the box `showBox` shows, once answered with `keys`: keys in xdotool's
// names (Return, space, Escape, n) or "close" for the close button of its title bar, separated by
// commas; all but the last are played once, for a box that is to stay up, and the last answers.
Box answer(const char* keys, const std::function<void()>& showBox);

// Keys, buttons and moves at the screen, in xdotool's words ("key alt+a", "click 1", "mousemove
// 10 20"), sent through XTEST. Returns at once: the case waits for the messages they bring.
void play(const std::string& actions);
// The keyboard layout the user types on from now on: "us", as the display starts, or "tr", whose
// keys give the Turkish letters (xdotool finds a letter on the layout; for one that is not there
// it binds a spare key for a moment, which a client reading its events later would miss).
void useKeyboardLayout(const char* layout);
// The window's title as the user reads it, in UTF-8.
std::string title(HWND window);
// Runs this test program again, afresh, for the one case named (a disabled one too); its exit
// code. On the X11 layer.
int runAfresh(const char* testName);
// Gives the display another mode of that size, as a monitor that takes it would.
void addDisplayMode(int width, int height);
// Whether the window manager shows the window full screen.
bool showsFullScreen(HWND window);

} // namespace user

#endif
