// What a user does, played on the display the window is on, and what the user sees of it. Each
// provider has its own driver: the same X input reaches the X11 layer directly and real Win32
// through Wine's X driver.
#ifndef TALVO_TESTS_SCENE_CONTRACT_USER_ACTIONS_H
#define TALVO_TESTS_SCENE_CONTRACT_USER_ACTIONS_H

#include "platform/platform.h"

#include <string>

// Starts xdotool with these arguments (keys, clicks and moves through XTEST) and returns at once:
// the test waits for the messages the actions bring.
void perform(const std::string& xdotoolArguments);

// The window's title as the user reads it, in UTF-8.
std::string titleOf(HWND window);

#endif
