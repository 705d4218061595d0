// The user of the recording fake: each action queues the message the window system would.
#include "tests/contract/user.h"
#include "tests/fake/fake_platform.h"

#include <gtest/gtest.h>

namespace user {

const bool seesGlAndClock = false;
const bool atAScreen = false;

void act(HWND, const std::string& action) {
    if (action == "close")
        return fake::post(WM_CLOSE);
    if (action == "minimise")
        return fake::post(WM_SIZE, SIZE_MINIMIZED, 0);
    if (action == "maximise")
        return fake::post(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(1920, 1161));
    fake::post(WM_SIZE, SIZE_RESTORED, fake::clientSize());
}

// The fake's boxes need no answer: each returns at once.
Box answer(const char*, const std::function<void()>& showBox) {
    showBox();
    const fake::WarningBox& box = fake::boxes.back();
    return {box.caption, box.text, box.owner == fake::window};
}

// The cases that need a screen skip on the fake.
void play(const std::string& actions) {
    ADD_FAILURE() << "no keyboard or mouse to play " << actions;
}
void useKeyboardLayout(const char*) {}
std::string title(HWND) {
    ADD_FAILURE() << "no title bar";
    return {};
}
int runAfresh(const char*) {
    ADD_FAILURE() << "no keyboard to start with";
    return -1;
}

} // namespace user
