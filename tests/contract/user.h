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
// What the user read in the box `showBox` shows, once answered with `key` (Return, space,
// Escape) or, for "close", with the close button of its title bar.
Box answer(const char* key, const std::function<void()>& showBox);

} // namespace user

#endif
