// What the system relies on from the Win32 calls it makes, stated once and run against every
// provider of platform/platform.h: the tests' recording fake, the X11 layer, and Win32 itself
// under Wine, and what scene code relies on beyond them: keys, the mouse, focus, the title, the
// client rectangle, the performance counter, GL functions past 1.1. Each provider brings its own
// user (user.h) for what only a user can do.
#include "tests/contract/contract.h"

#include <chrono>
#include <cstdint>
#include <regex>
#include <thread>

namespace {

using namespace contract;

// Parameters of 32-bit Windows' types, a key-up's lParam with bit 31 set among them, read as
// they are there, whichever build describes them.
TEST(MessageDescription, ShowsEachParameterAtItsOwnWidth) {
    EXPECT_EQ(describe(WM_KEYUP, std::uint32_t{0x1B}, static_cast<std::int32_t>(0xC0010001)),
              "keyup 0x1B 0xC0010001\n");
}

TEST(ClassContract, AClassIsRegisteredOnceAndStaysWhileAWindowOfItLives) {
    ASSERT_NE(registerClass("Sinif"), 0);
    EXPECT_EQ(registerClass("Sinif"), 0);
    EXPECT_EQ(createWindow("Yok"), nullptr) << "no such class";
    HWND window = createWindow("Sinif");
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(UnregisterClassA("Sinif", nullptr));
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_TRUE(UnregisterClassA("Sinif", nullptr));
}

// The outer size includes the title bar, so the client area is lower (the end-to-end test of the
// program checks where the frame lands). GetClientRect gives the same size, from the origin.
TEST_F(WindowContract, TellsItsClientSizeWhenFirstShown) {
    const LPARAM client = show();
    ASSERT_TRUE(lastSizeIs(SIZE_RESTORED, client)) << "WM_SIZE before ShowWindow returns";
    EXPECT_TRUE(LOWORD(client) > 0 && LOWORD(client) <= 640 && HIWORD(client) > 0 &&
                HIWORD(client) < 480)
        << LOWORD(client) << " x " << HIWORD(client);
    RECT rectangle = {1, 2, 3, 4};
    ASSERT_TRUE(GetClientRect(window, &rectangle));
    EXPECT_EQ((std::vector<LONG>{rectangle.left, rectangle.top, rectangle.right, rectangle.bottom}),
              (std::vector<LONG>{0, 0, LOWORD(client), HIWORD(client)}));
}

TEST_F(WindowContract, MinimisedItHasNoClientAreaAndPollingGoesOn) {
    const LPARAM client = show();
    user::act(window, "minimise");
    EXPECT_TRUE(pumpUntil([] { return lastSizeIs(SIZE_MINIMIZED, 0); }));

    int emptyPolls = 0; // a poll never waits for a message
    MSG message;
    EXPECT_TRUE(eventually([&] {
        emptyPolls += !PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        return emptyPolls == 100;
    }));

    user::act(window, "restore");
    EXPECT_TRUE(pumpUntil([&] { return lastSizeIs(SIZE_RESTORED, client); }));
}

TEST_F(WindowContract, MaximisedItTellsItsNewClientSize) {
    const LPARAM client = show();
    user::act(window, "maximise");
    EXPECT_TRUE(pumpUntil([&] {
        const LPARAM size = lastSize.lParam;
        return lastSize.wParam == SIZE_MAXIMIZED && LOWORD(size) > LOWORD(client) &&
               HIWORD(size) > HIWORD(client);
    }));
}

TEST_F(WindowContract, CloseButtonAsksTheProcedureWhoseDefaultIsToDestroyTheWindow) {
    show();
    user::act(window, "close");
    ASSERT_TRUE(pumpUntil([] { return gets(WM_CLOSE); }));
    EXPECT_FALSE(gets(WM_DESTROY));

    DefWindowProcA(window, WM_CLOSE, 0, 0); // destroys the window, which hears of it at once
    EXPECT_TRUE(gets(WM_DESTROY));
    EXPECT_EQ(GetDC(window), nullptr);
    EXPECT_FALSE(DestroyWindow(window)) << "already gone";
}

TEST_F(WindowContract, QuitComesOnceAndOnlyAfterWhatIsAlreadyQueued) {
    show();
    MSG message;
    ASSERT_TRUE(pumpUntil([&] { return !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); }));
    user::act(window, "close"); // the window manager's close request waits in the queue
    ASSERT_TRUE(eventually([&] { return PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); }));
    const UINT waiting = message.message;

    PostQuitMessage(3);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, waiting) << "the quit request came first";
    do
        DispatchMessageA(&message);
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message == WM_QUIT);
}

TEST_F(WindowContract, TakesOnePixelFormatForLifeAndAContextThatDrawsOnIt) {
    HDC deviceContext = GetDC(window);
    ASSERT_NE(deviceContext, nullptr);
    EXPECT_EQ(wglCreateContext(deviceContext), nullptr) << "no pixel format yet";

    const PIXELFORMATDESCRIPTOR request = programsRequest();
    const int format = ChoosePixelFormat(deviceContext, &request);
    ASSERT_GT(format, 0);
    ASSERT_TRUE(SetPixelFormat(deviceContext, format, &request));
    EXPECT_TRUE(SetPixelFormat(deviceContext, format, &request)) << "the same one again";
    EXPECT_FALSE(SetPixelFormat(deviceContext, format == 1 ? 2 : 1, &request));
    show();

    HGLRC renderContext = wglCreateContext(deviceContext);
    ASSERT_NE(renderContext, nullptr);
    ASSERT_TRUE(wglMakeCurrent(deviceContext, renderContext));
    if (user::seesGlAndClock) {
        // The closest match: as deep as asked, and no buffer that was not asked for.
        EXPECT_EQ(glInteger(GL_DEPTH_BITS), 16);
        EXPECT_GE(glInteger(GL_RED_BITS) + glInteger(GL_GREEN_BITS) + glInteger(GL_BLUE_BITS), 16);
        const GLenum sampleBuffers = 0x80A8; // OpenGL 1.3's, not in 1.1's header
        EXPECT_EQ(
            glInteger(GL_STENCIL_BITS) + glInteger(GL_ACCUM_RED_BITS) + glInteger(sampleBuffers), 0)
            << "nor multisampling";
        EXPECT_EQ(glInteger(GL_DOUBLEBUFFER), GL_TRUE);
        glClearColor(0, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        GLubyte pixel[4] = {};
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        EXPECT_EQ(pixel[2], 255);
    }
    EXPECT_TRUE(SwapBuffers(deviceContext));

    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_TRUE(wglDeleteContext(renderContext));
    EXPECT_FALSE(wglDeleteContext(renderContext));
    EXPECT_FALSE(wglMakeCurrent(deviceContext, renderContext));
    EXPECT_EQ(ReleaseDC(window, deviceContext), 1);
}

TEST_F(WindowContract, AWarningBoxHoldsUntilTheUserAnswersIt) {
    show();
    for (const char* key : {"Return", "space", "Escape", "close"}) {
        const bool owned = key[0] == 'R';
        const user::Box box = user::answer(key, [&] {
            MessageBoxA(owned ? window : nullptr, "Program acilamadi!", user::boxCaption,
                        MB_ICONWARNING | MB_OK);
        });
        EXPECT_EQ(box.caption, user::boxCaption) << key;
        EXPECT_EQ(box.text, "Program acilamadi!") << key;
        EXPECT_EQ(box.owned, owned) << key;
    }
}

// The millisecond clock counts real time, and the performance counter the same time, finer.
TEST(ClockContract, CountsMillisecondsAndThePerformanceCounterTheSameTimeFiner) {
    if (!user::seesGlAndClock)
        GTEST_SKIP() << "the fake's clock is its test's";
    LARGE_INTEGER frequency = {}, start = {}, end = {};
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    ASSERT_GE(frequency.QuadPart, 1000000) << "finer than a microsecond";
    ASSERT_TRUE(QueryPerformanceCounter(&start));
    const DWORD startMilliseconds = timeGetTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    QueryPerformanceCounter(&end);
    const double counted = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    const double clocked = (timeGetTime() - startMilliseconds) / 1000.0;
    EXPECT_TRUE(counted >= 0.2 && counted < 2.0) << counted;
    EXPECT_NEAR(counted, clocked, 0.02) << "the same time as the millisecond clock";
}

// The window procedure gets WM_SETTEXT; passed on to DefWindowProcA, it sets the title (here
// Windows-1254, which the user reads in UTF-8), and SetWindowTextA answers as the procedure did.
TEST_F(WindowContract, TheTitleIsSetThroughTheWindowProcedureInWindows1254) {
    show();
    EXPECT_TRUE(SetWindowTextA(window, "60 fps \xFE"));
    const std::vector<Received> setText = receivedOf({WM_SETTEXT});
    ASSERT_EQ(setText.size(), 1u) << "sent, not posted: it has come before SetWindowTextA returns";
    EXPECT_EQ(setText[0].text, "60 fps \xFE");
    // What the user reads (the fake has no title bar to read).
    const std::string inUtf8 = "60 fps \xC5\x9F";
    const auto shown = [&] { return user::atAScreen ? user::title(window) : inUtf8; };
    EXPECT_EQ(shown(), inUtf8);

    refuseSetText = true;
    EXPECT_FALSE(SetWindowTextA(window, "kept out"));
    EXPECT_EQ(shown(), inUtf8);
}

// lParam: repeat count 1; scan code in bits 16-23; bit 24 for an extended key; bit 30 when the
// key was down before; bit 31 on release. The character follows its key-down at once and has
// the key-down's lParam. (xdotool lets go of Shift before the letter.) Each press of Caps Lock
// toggles its state, which the letters follow.
TEST_F(InputContract, KeysCarryTheirCodesAndTheirCharacters) {
    EXPECT_EQ(play("key Escape a shift+a Right Caps_Lock a Caps_Lock", keyUps, 8, keyMessages),
              "keydown 0x1B 0x10001\nchar 0x1B 0x10001\nkeyup 0x1B 0xC0010001\n"
              "keydown 0x41 0x1E0001\nchar 0x61 0x1E0001\nkeyup 0x41 0xC01E0001\n"
              "keydown 0x10 0x2A0001\nkeydown 0x41 0x1E0001\nchar 0x41 0x1E0001\n"
              "keyup 0x10 0xC02A0001\nkeyup 0x41 0xC01E0001\n"
              "keydown 0x27 0x14D0001\nkeyup 0x27 0xC14D0001\n"
              "keydown 0x14 0x3A0001\nkeyup 0x14 0xC03A0001\n"
              "keydown 0x41 0x1E0001\nchar 0x41 0x1E0001\nkeyup 0x41 0xC01E0001\n"
              "keydown 0x14 0x3A0001\nkeyup 0x14 0xC03A0001\n");
    const std::vector<Received> keys = receivedOf(keyMessages);
    EXPECT_TRUE(keys[8].shiftHeld) << "Shift is down while its letter's character is handled";
    EXPECT_FALSE(keys[4].shiftHeld);
    EXPECT_TRUE(keys[3].keyHeld) << "a key is down from its key-down taken";
    EXPECT_FALSE(keys[5].keyHeld) << "and up from its key-up taken";
    EXPECT_TRUE(keys[16].capsLocked && !keys[4].capsLocked) << "Caps Lock's toggle";
    EXPECT_TRUE(GetKeyState(VK_SHIFT) >= 0 && !(GetKeyState(VK_CAPITAL) & 1))
        << "Shift up, Caps off";
}

// Held down, a key repeats its key-down with the previous-state bit set, each with its character,
// and is released once.
TEST_F(InputContract, AHeldKeyRepeats) {
    const std::string messages = play("keydown b sleep 1 keyup b", keyUps, 1, keyMessages);
    EXPECT_TRUE(std::regex_match(messages, std::regex("keydown 0x42 0x300001\nchar 0x62 0x300001\n"
                                                      "(keydown 0x42 0x40300001\nchar 0x62 "
                                                      "0x40300001\n)+keyup 0x42 0xC0300001\n")))
        << messages;
    EXPECT_TRUE(receivedOf(keyMessages).front().keyHeldNow) << "GetAsyncKeyState sees it held";
    EXPECT_EQ(GetAsyncKeyState('B'), 0);
}

// Under Alt a key's messages are system keys, with the Alt bit (29) set, and its character a
// system character; Alt released after another key is a plain key-up, and so is the key's own
// release once Alt is up (xdotool lets go of the keys in the order it pressed them). F10 is a
// system key on its own. Alt+F4 closes the window once: the window manager asks, and nothing adds
// a second.
TEST_F(InputContract, AltAndF10MakeSystemKeys) {
    EXPECT_EQ(play("key alt+a F10", keyUps, 3, keyMessages),
              "syskeydown 0x12 0x20380001\nsyskeydown 0x41 0x201E0001\nsyschar 0x61 0x201E0001\n"
              "keyup 0x12 0xC0380001\nkeyup 0x41 0xC01E0001\n"
              "syskeydown 0x79 0x440001\nsyskeyup 0x79 0xC0440001\n");
    EXPECT_EQ(play("key alt+F4", {WM_CLOSE}, 1, {WM_CLOSE}), "close 0x0 0x0\n") << "closed once";
}

// Characters in the ANSI code page, Windows-1254, whatever the keyboard's own encoding: typed on
// the Turkish layout.
TEST_F(InputContract, CharactersComeInWindows1254) {
    user::useKeyboardLayout("tr");
    user::play("key scedilla gbreve idotless shift+i Gbreve");
    pumpUntil([&] { return receivedOf({WM_CHAR}).size() == 5; });
    user::useKeyboardLayout("us");
    std::string characters;
    for (const Received& each : receivedOf({WM_CHAR}))
        characters += static_cast<char>(each.wParam);
    EXPECT_EQ(characters, "\xFE\xF0\xFD\xDD\xD0") << describe(receivedOf(keyMessages));
}

// Positions are the client area's, found from a move to a known screen position; the wheel's is
// the screen's. A button's own flag is set in its down message and clear in its up message; Shift
// shows too. A notch of the wheel is WHEEL_DELTA, away from the user positive.
TEST_F(InputContract, TheMouseTellsWhereItIsWhatIsHeldAndHowFarTheWheelTurned) {
    play("mousemove 100 100", {WM_MOUSEMOVE}, 1, mouseMessages);
    const LPARAM origin = receivedOf({WM_MOUSEMOVE}).back().lParam;
    const auto client = [&](int x, int y) {
        return MAKELPARAM(x - 100 + GET_X_LPARAM(origin), y - 100 + GET_Y_LPARAM(origin));
    };
    const LPARAM at = client(130, 110), dragged = client(140, 120);
    EXPECT_EQ(play("mousemove 130 110 click 1 click 3 click 2 keydown shift mousedown 1 "
                   "mousemove 140 120 mouseup 1 keyup shift",
                   {WM_LBUTTONUP}, 2, mouseMessages),
              describe(WM_MOUSEMOVE, 0, at) + describe(WM_LBUTTONDOWN, MK_LBUTTON, at) +
                  describe(WM_LBUTTONUP, 0, at) + describe(WM_RBUTTONDOWN, MK_RBUTTON, at) +
                  describe(WM_RBUTTONUP, 0, at) + describe(WM_MBUTTONDOWN, MK_MBUTTON, at) +
                  describe(WM_MBUTTONUP, 0, at) +
                  describe(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at) +
                  describe(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, dragged) +
                  describe(WM_LBUTTONUP, MK_SHIFT, dragged));
    EXPECT_EQ(play("mousemove 150 140 click 4 click 5", {WM_MOUSEWHEEL}, 2, mouseMessages),
              describe(WM_MOUSEMOVE, 0, client(150, 140)) +
                  describe(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(150, 140)) +
                  describe(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(150, 140)));
}

std::string focusOf(const std::vector<Received>& messages, HWND which) {
    std::string lines;
    for (const Received& each : messages)
        if (each.window == which)
            lines += each.message == WM_ACTIVATE
                         ? (LOWORD(each.wParam) == WA_INACTIVE ? "inactive\n" : "active\n")
                         : (each.message == WM_SETFOCUS ? "setfocus\n" : "killfocus\n");
    return lines;
}

// A window shown is activated, then takes the focus; it gives both up to another window shown,
// and has them back when that one goes.
TEST_F(InputContract, FocusFollowsActivation) {
    EXPECT_EQ(focusOf(focusOnShowing, window), "active\nsetfocus\n");

    HWND other = createWindow("Sozlesme");
    ShowWindow(other, SW_SHOWNORMAL);
    const auto focus = [&] { return receivedOf(focusMessages); };
    pumpUntil([&] { return focusOf(focus(), other) == "active\nsetfocus\n"; });
    EXPECT_EQ(focusOf(focus(), window), "inactive\nkillfocus\n");
    EXPECT_EQ(focusOf(focus(), other), "active\nsetfocus\n");

    received.clear();
    DestroyWindow(other);
    pumpUntil([&] { return gets(WM_SETFOCUS); });
    EXPECT_EQ(focusOf(focus(), window), "active\nsetfocus\n");
}

} // namespace
