// The cursor and the mouse beyond the messages: the cursor's display count and shape, the class
// cursor set before each mouse message, positions on the screen and in the client area, the
// capture, and the rectangle the pointer is kept in.
#include "tests/contract/contract.h"

#include <string>

namespace {

using namespace contract;

std::string pointOf(LONG x, LONG y) {
    return std::to_string(x) + "," + std::to_string(y);
}

std::string cursorPosition() {
    POINT at = {-1, -1};
    GetCursorPos(&at);
    return pointOf(at.x, at.y);
}

// Shown while the count is 0 or more; ShowCursor answers the count it leaves.
TEST(CursorContract, ShowCursorCountsAndSetCursorAnswersTheShapeBefore) {
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(ShowCursor(FALSE), -2);
    EXPECT_EQ(ShowCursor(TRUE), -1);
    EXPECT_EQ(ShowCursor(TRUE), 0);
    EXPECT_EQ(ShowCursor(TRUE), 1);
    EXPECT_EQ(ShowCursor(FALSE), 0);

    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    ASSERT_TRUE(arrow && cross && arrow != cross);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow) << "the system's, shared";
    SetLastError(0);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));

    SetCursor(arrow);
    EXPECT_EQ(SetCursor(cross), arrow);
    EXPECT_EQ(GetCursor(), cross);
    EXPECT_EQ(SetCursor(nullptr), cross);
    EXPECT_EQ(GetCursor(), nullptr);
    SetCursor(arrow);
}

// Before each mouse message in the client area the window is asked for its cursor (WM_SETCURSOR,
// the message in the high word); passed on, the class's cursor is set. With the capture it is not
// asked.
TEST_F(InputContract, EachMouseMessageAsksForTheCursorAndTheClassCursorComes) {
    const HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    play("mousemove 100 100", {WM_MOUSEMOVE}, 1, {});
    const std::vector<Received> asked = receivedOf({WM_SETCURSOR, WM_MOUSEMOVE});
    ASSERT_GE(asked.size(), 2u);
    EXPECT_EQ(asked[0].message, static_cast<UINT>(WM_SETCURSOR));
    EXPECT_EQ(asked[0].wParam, reinterpret_cast<WPARAM>(window));
    EXPECT_EQ(asked[0].lParam, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(asked[1].message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW)) << "this class has no cursor";

    WNDCLASSEXA crossClass = {};
    crossClass.cbSize = sizeof crossClass;
    crossClass.lpfnWndProc = recordingProcedure;
    crossClass.lpszClassName = "Arti";
    crossClass.hCursor = cross;
    ASSERT_NE(RegisterClassExA(&crossClass), 0);
    HWND crossed = createWindow("Arti");
    ShowWindow(crossed, SW_SHOWNORMAL);
    // The window manager puts the window on the screen a moment after ShowWindow has returned.
    const auto movedOverCrossed = [&](int x) {
        play("mousemove " + std::to_string(x) + " 120", {WM_MOUSEMOVE}, 1, {});
        const std::vector<Received> moves = receivedOf({WM_MOUSEMOVE});
        return !moves.empty() && moves.back().window == crossed;
    };
    int x = 120;
    ASSERT_TRUE(eventually([&] { return movedOverCrossed(x++ % 2 ? 120 : 121); }));
    EXPECT_EQ(GetCursor(), cross);

    SetCapture(crossed);
    play("mousemove 130 130", {WM_MOUSEMOVE}, 1, {});
    EXPECT_FALSE(gets(WM_SETCURSOR));
    ReleaseCapture();
    DestroyWindow(crossed);
    EXPECT_TRUE(UnregisterClassA("Arti", nullptr));
}

// The client area's origin on the screen, both ways; the pointer is where it was put, and its
// moves come at that place in the client area. A window that is not one is refused.
TEST_F(InputContract, PositionsGoBetweenTheScreenAndTheClientArea) {
    POINT origin = {0, 0};
    ASSERT_TRUE(ClientToScreen(window, &origin));
    POINT back = origin;
    ASSERT_TRUE(ScreenToClient(window, &back));
    EXPECT_EQ(pointOf(back.x, back.y), "0,0");

    ASSERT_TRUE(SetCursorPos(origin.x + 30, origin.y + 20));
    EXPECT_EQ(cursorPosition(), pointOf(origin.x + 30, origin.y + 20));
    EXPECT_TRUE(pumpUntil([] {
        const std::vector<Received> moves = receivedOf({WM_MOUSEMOVE});
        return !moves.empty() && moves.back().lParam == MAKELPARAM(30, 20);
    })) << "a move to where the pointer was put";

    HWND gone = createWindow("Sozlesme");
    DestroyWindow(gone);
    SetLastError(0);
    EXPECT_FALSE(ClientToScreen(gone, &back));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

// With a button held, the capture window has the mouse's messages outside its client area too, at
// positions past its edges; the window losing the capture hears of it, and of the window taking it.
TEST_F(InputContract, TheCaptureWindowHasTheMouseOutsideItWhileAButtonIsHeld) {
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    play("mousemove 100 100 mousedown 1", {WM_LBUTTONDOWN}, 1, {});
    EXPECT_EQ(SetCapture(window), nullptr);
    EXPECT_EQ(GetCapture(), window);
    const LPARAM outside = MAKELPARAM(700 - origin.x, 520 - origin.y);
    EXPECT_EQ(play("mousemove 700 520 mouseup 1", {WM_LBUTTONUP}, 1, {WM_LBUTTONUP}),
              describe(WM_LBUTTONUP, 0, outside));
    EXPECT_EQ(receivedOf({WM_MOUSEMOVE}).back().lParam, outside);

    received.clear();
    HWND other = createWindow("Sozlesme");
    EXPECT_EQ(SetCapture(other), window);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    const std::vector<Received> changes = receivedOf({WM_CAPTURECHANGED});
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_TRUE(changes[0].window == window &&
                changes[0].lParam == reinterpret_cast<LPARAM>(other));
    EXPECT_TRUE(changes[1].window == other && changes[1].lParam == 0);

    SetCapture(other);
    DestroyWindow(other);
    EXPECT_EQ(GetCapture(), nullptr) << "a window destroyed lets go of it";
    EXPECT_EQ(SetCapture(other), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

// The pointer stays inside the rectangle (right and bottom outside it), wherever it is put, until
// it is let go; unclipped, the rectangle is the screen's.
TEST_F(InputContract, ClipCursorKeepsThePointerInsideTheRectangle) {
    const RECT inside = {100, 100, 200, 150};
    ASSERT_TRUE(ClipCursor(&inside));
    RECT clip = {};
    ASSERT_TRUE(GetClipCursor(&clip));
    EXPECT_EQ(pointOf(clip.left, clip.top) + " " + pointOf(clip.right, clip.bottom),
              "100,100 200,150");
    SetCursorPos(500, 400);
    EXPECT_EQ(cursorPosition(), "199,149");
    SetCursorPos(120, 110);
    EXPECT_EQ(cursorPosition(), "120,110");

    ASSERT_TRUE(ClipCursor(nullptr));
    GetClipCursor(&clip);
    EXPECT_TRUE(clip.left == 0 && clip.top == 0 && clip.right >= 640 && clip.bottom >= 480);
    SetCursorPos(500, 400);
    EXPECT_EQ(cursorPosition(), "500,400");
}

} // namespace
