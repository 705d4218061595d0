// The mouse as scene code reads it: client positions, the buttons and keys held, the wheel.
#include <gtest/gtest.h>

#include "tests/scene_contract/scene_window.h"
#include "tests/scene_contract/user_actions.h"

namespace {

class PointerTest : public testing::Test {
  protected:
    // The client area's top-left corner on the screen, from a move to a known screen position.
    void findClientOrigin() {
        play("mousemove 100 100", WM_MOUSEMOVE, 1);
        const LPARAM at = window.received({WM_MOUSEMOVE}).back().lParam;
        origin = {100 - GET_X_LPARAM(at), 100 - GET_Y_LPARAM(at)};
    }
    LPARAM client(int screenX, int screenY) {
        return MAKELPARAM(screenX - origin.x, screenY - origin.y);
    }
    // Plays the actions and waits until `count` of `lastMessage` have come; the mouse messages
    // they brought.
    std::string play(const std::string& actions, UINT lastMessage, std::size_t count) {
        window.forget();
        perform(actions);
        window.pumpUntil([&] { return window.received({lastMessage}).size() >= count; });
        window.pumpFor(0.2);
        return describe(
            window.received({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                             WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEWHEEL}));
    }

    SceneWindow window;
    POINT origin = {};
};

// A button's own flag is set in its down message and clear in its up message; Shift shows too.
TEST_F(PointerTest, ButtonsAndMovesCarryTheClientPositionAndWhatIsHeld) {
    findClientOrigin();
    const LPARAM at = client(130, 110);
    const LPARAM dragged = client(140, 120);
    EXPECT_EQ(play("mousemove 130 110 click 1 click 3 click 2 keydown shift mousedown 1 "
                   "mousemove 140 120 mouseup 1 keyup shift",
                   WM_KEYUP, 1),
              describe(WM_MOUSEMOVE, 0, at) + describe(WM_LBUTTONDOWN, MK_LBUTTON, at) +
                  describe(WM_LBUTTONUP, 0, at) + describe(WM_RBUTTONDOWN, MK_RBUTTON, at) +
                  describe(WM_RBUTTONUP, 0, at) + describe(WM_MBUTTONDOWN, MK_MBUTTON, at) +
                  describe(WM_MBUTTONUP, 0, at) +
                  describe(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at) +
                  describe(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, dragged) +
                  describe(WM_LBUTTONUP, MK_SHIFT, dragged));
}

// A notch is WHEEL_DELTA, away from the user positive; the position is the screen's.
TEST_F(PointerTest, TheWheelTurnsByNotchesAtTheScreenPosition) {
    findClientOrigin();
    EXPECT_EQ(play("mousemove 150 140 click 4 click 5", WM_MOUSEWHEEL, 2),
              describe(WM_MOUSEMOVE, 0, client(150, 140)) +
                  describe(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(150, 140)) +
                  describe(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(150, 140)));
}

} // namespace
