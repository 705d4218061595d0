// The user of the recording fake: each action queues the message the window system would.
#include "tests/contract/user.h"
#include "tests/fake/fake_platform.h"

namespace user {

const bool seesGlAndClock = false;

std::array<int, 4> outerRect(HWND) {
    const auto [x, y, width, height] = fake::windowRect;
    return {x, y, x + width, y + height};
}

void minimise(HWND) {
    fake::post(WM_SIZE, SIZE_MINIMIZED, 0);
}

void restore(HWND) {
    fake::post(WM_SIZE, SIZE_RESTORED, fake::clientSize());
}

void maximise(HWND) {
    fake::post(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(1920, 1161));
}

void close(HWND) {
    fake::post(WM_CLOSE);
}

// The fake's boxes need no answer: each returns at once.
void answerNextBox(const char*) {}

Box answeredBox() {
    const fake::WarningBox& box = fake::boxes.back();
    return {box.caption, box.text, box.owner == fake::window};
}

} // namespace user
