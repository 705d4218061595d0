// What Win32 programs rely on for full screen: the display's modes (EnumDisplaySettingsA), a mode
// set and the session's restored (ChangeDisplaySettingsA), and a pop-up window over the whole
// screen shown above everything. The display is the virtual one of the tests, 1920 x 1200 in 24
// bits (scripts/display/with_display.sh), to which the user adds a mode. Run on the X11 layer and
// on Win32 under Wine with the same expectations.
#include "tests/contract/contract.h"

namespace {

using namespace contract;

const int screenWidth = 1920;
const int screenHeight = 1200;

DEVMODEA modeNumber(DWORD number, BOOL* listed) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    *listed = EnumDisplaySettingsA(nullptr, number, &mode);
    return mode;
}

std::vector<DWORD> sizeAndDepth(const DEVMODEA& mode) {
    return {mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel};
}

// Whether the display lists a mode of that size and depth among its modes, which end.
bool listsMode(const std::vector<DWORD>& wanted) {
    BOOL listed = FALSE;
    DWORD number = 0;
    for (DEVMODEA mode = modeNumber(0, &listed); listed && number < 1000;
         mode = modeNumber(++number, &listed))
        if (sizeAndDepth(mode) == wanted)
            return true;
    return false;
}

// The mode now is the screen's, in 32 bits a pixel, and is among those listed, which end.
TEST(DisplayContract, TheModeNowIsTheScreensAndIsListed) {
    BOOL listed = FALSE;
    const DEVMODEA now = modeNumber(ENUM_CURRENT_SETTINGS, &listed);
    ASSERT_TRUE(listed);
    EXPECT_EQ(sizeAndDepth(now), (std::vector<DWORD>{screenWidth, screenHeight, 32}));
    const DWORD given = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    EXPECT_EQ(now.dmFields & given, given);
    EXPECT_EQ(sizeAndDepth(modeNumber(ENUM_REGISTRY_SETTINGS, &listed)), sizeAndDepth(now));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screenWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), screenHeight);
    EXPECT_TRUE(listsMode(sizeAndDepth(now)));
}

// The mode now is taken (and tested) as it is; one the display does not have is refused, as is a
// null mode's restoring of the session's, which changes nothing.
TEST(DisplayContract, TheModeNowIsTakenAndAnAbsentOneRefused) {
    BOOL listed = FALSE;
    DEVMODEA mode = modeNumber(ENUM_CURRENT_SETTINGS, &listed);
    EXPECT_EQ(ChangeDisplaySettingsA(&mode, CDS_TEST), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    mode.dmPelsWidth = 123;
    mode.dmPelsHeight = 45;
    EXPECT_EQ(ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_BADMODE);
    EXPECT_EQ(ChangeDisplaySettings(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(sizeAndDepth(modeNumber(ENUM_CURRENT_SETTINGS, &listed)),
              (std::vector<DWORD>{screenWidth, screenHeight, 32}));
}

// Another mode of the display, as a full-screen program asks for it (16 bits a pixel, which the
// display shows in its own depth), is set: the screen takes its size, and the program's windows
// hear of it. A null mode brings the session's back.
TEST_F(WindowContract, AnotherModeIsSetAndTheSessionsRestored) {
    user::addDisplayMode(1024, 768);
    // Wine hears of the display's new mode a moment later.
    ASSERT_TRUE(eventually([] { return listsMode({1024, 768, 16}); }));
    show();
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = 1024;
    mode.dmPelsHeight = 768;
    mode.dmBitsPerPel = 16;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    received.clear();
    ASSERT_EQ(ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN), DISP_CHANGE_SUCCESSFUL);
    EXPECT_TRUE(eventually([] { return GetSystemMetrics(SM_CXSCREEN) == 1024; }));
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    BOOL listed = FALSE;
    EXPECT_EQ(sizeAndDepth(modeNumber(ENUM_CURRENT_SETTINGS, &listed)),
              (std::vector<DWORD>{1024, 768, 16}));
    ASSERT_TRUE(gets(WM_DISPLAYCHANGE));
    EXPECT_EQ(receivedOf({WM_DISPLAYCHANGE})[0].lParam, MAKELPARAM(1024, 768));

    EXPECT_EQ(ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
    EXPECT_TRUE(eventually([] { return GetSystemMetrics(SM_CXSCREEN) == screenWidth; }));
    EXPECT_EQ(sizeAndDepth(modeNumber(ENUM_CURRENT_SETTINGS, &listed)),
              (std::vector<DWORD>{screenWidth, screenHeight, 32}));
}

// A pop-up window over the whole screen is shown full screen: above everything, as the window
// manager shows it. Framed again and made smaller, as a program leaves full screen, it is shown
// as any window, with the client area asked for.
TEST_F(WindowContract, APopUpOverTheWholeScreenIsShownFullScreenUntilFramedAgain) {
    SetWindowLongPtrA(window, GWL_STYLE, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    ASSERT_TRUE(SetWindowPos(window, HWND_TOP, 0, 0, screenWidth, screenHeight,
                             SWP_FRAMECHANGED | SWP_SHOWWINDOW));
    EXPECT_TRUE(pumpUntil([&] { return user::showsFullScreen(window); }));
    EXPECT_TRUE(pumpUntil([] { return lastSizeIs(SIZE_RESTORED, MAKELPARAM(1920, 1200)); }));

    RECT framed = {0, 0, 640, 480};
    AdjustWindowRectEx(&framed, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    SetWindowLongPtrA(window, GWL_STYLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowLongPtrA(window, GWL_EXSTYLE, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    ASSERT_TRUE(SetWindowPos(window, HWND_NOTOPMOST, 100, 100, framed.right - framed.left,
                             framed.bottom - framed.top, SWP_FRAMECHANGED));
    EXPECT_TRUE(pumpUntil([&] { return !user::showsFullScreen(window); }));
    EXPECT_TRUE(pumpUntil([] { return lastSizeIs(SIZE_RESTORED, MAKELPARAM(640, 480)); }))
        << LOWORD(lastSize.lParam) << " x " << HIWORD(lastSize.lParam);
}

} // namespace
