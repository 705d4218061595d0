// The system on the recording fake of the window system: what reaches the window system and in
// which order when the window comes up and goes, what the user sees when a step fails, the main
// loop and the window procedure, and the frame timing on a clock the test sets.
#include "glwindow/gl_window.h"
#include "tests/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Calls = std::vector<std::string>;

// Each test starts from a freshly constructed window object and an empty fake.
class SystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        theWindow = GlWindow();
    }

    static int runProgram() { return WinMain(fake::instance, nullptr, commandLine, SW_SHOW); }
    // Runs the program, which the user closes as soon as it has nothing to do.
    static int runAndClose() {
        fake::onEmptyPoll = [](int emptyPolls) {
            if (emptyPolls == 1)
                fake::post(WM_CLOSE);
        };
        return runProgram();
    }

    static char commandLine[];
};

char SystemTest::commandLine[] = "";

const char title[] = "www.talvo.example - OpenGL";
const char className[] = "TALVO pencere";

const Calls releaseCalls = {"wglMakeCurrent(null, null)", "wglDeleteContext(rc)",
                            "ReleaseDC(window, dc)", "DestroyWindow(window)",
                            "UnregisterClassA(\"TALVO pencere\", instance)"};

Calls releases() {
    Calls made = fake::callsNamed(
        {"wglMakeCurrent", "wglDeleteContext", "ReleaseDC", "DestroyWindow", "UnregisterClassA"});
    // Less creation's making the context current.
    made.erase(std::remove(made.begin(), made.end(), "wglMakeCurrent(dc, rc)"), made.end());
    return made;
}

using CreationTest = SystemTest;

// The class, the window and the pixel format as asked for; GL is set up before the window shows.
TEST_F(CreationTest, PassesTheWindowSystemTheClassWindowAndPixelFormatInOrder) {
    ASSERT_EQ(theWindow.create(fake::instance, 640, 480, title, className, SW_SHOWMAXIMIZED), 1);

    EXPECT_EQ(
        fake::callsNamed({"RegisterClassExA", "CreateWindowExA", "GetDC", "ChoosePixelFormat",
                          "SetPixelFormat", "wglCreateContext", "wglMakeCurrent", "ShowWindow"}),
        (Calls{"RegisterClassExA(\"TALVO pencere\", 0x3, procedure, instance, arrow, null)",
               "CreateWindowExA(0x0, \"TALVO pencere\", \"www.talvo.example - OpenGL\", "
               "0xcb0000, 0, 0, 640, 480, null, null, instance, null)",
               "GetDC(window)", "ChoosePixelFormat(dc, {0x28, 0x1, 0x25, 0x0, 0x10, 0x10})",
               "SetPixelFormat(dc, 7, {0x28, 0x1, 0x25, 0x0, 0x10, 0x10})", "wglCreateContext(dc)",
               "wglMakeCurrent(dc, rc)", "ShowWindow(window, 3)"}));

    // Another context asks for the bit counts it is given.
    ASSERT_EQ(theWindow.createContext(24, 32), 1);
    EXPECT_EQ(fake::callsNamed({"ChoosePixelFormat"})[1],
              "ChoosePixelFormat(dc, {0x28, 0x1, 0x25, 0x0, 0x20, 0x18})");
}

TEST_F(CreationTest, MissingNamesAreRefusedBeforeAnythingIsRegisteredAndLongOnesCut) {
    EXPECT_EQ(theWindow.create(fake::instance, 640, 480, title, nullptr, SW_SHOW), 0);
    EXPECT_EQ(theWindow.create(fake::instance, 640, 480, nullptr, className, SW_SHOW), 0);

    EXPECT_EQ(fake::calls, (Calls{"MessageBoxA(null, \"Pencere sinifi girilmemis.\", \"\", 0x30)",
                                  "MessageBoxA(null, \"Pencere adi girilmemis.\", \"\", 0x30)"}));

    // Overlong names are cut to their buffers.
    const std::string longName(400, 'k');
    theWindow.create(fake::instance, 640, 480, longName.c_str(), longName.c_str(), SW_SHOW);

    EXPECT_EQ(std::string(theWindow.className), longName.substr(0, 149));
    EXPECT_EQ(std::string(theWindow.title), longName.substr(0, 149));
}

// A failing step of the program's life: the boxes the user sees, each with its owner, and the
// exit code. Creation stops at its failure and releases nothing; teardown shows a failed release
// and goes on with the rest.
struct Box {
    const char* text;
    bool owned; // by the window
};
struct Failure {
    const char* call;
    int occurrence;
    std::vector<Box> boxes;
    int exitCode;
};

class FailureTest : public SystemTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailureTest, ShowsItsBoxesAndEndsAsItShould) {
    const Failure& failure = GetParam();
    fake::failCall(failure.call, failure.occurrence);

    EXPECT_EQ(runAndClose(), failure.exitCode);

    // A line a box: caption, text, whether the window owns it, and its type.
    std::string shown, expected;
    for (const fake::WarningBox& box : fake::boxes)
        shown += box.caption + ": " + box.text + (box.owner == fake::window ? " +" : " -") +
                 std::to_string(box.type) + "\n";
    for (const Box& box : failure.boxes)
        expected += title + (": " + std::string(box.text)) + (box.owned ? " +48\n" : " -48\n");
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(releases(), failure.exitCode == 0 ? releaseCalls : Calls{});
    EXPECT_EQ(fake::callsNamed({"PeekMessageA"}).empty(), failure.exitCode != 0);
}

const bool owned = true;
const bool unowned = false;
const char startFailed[] = "Program acilamadi!";

std::vector<Box> beforeTheWindow(const char* text) {
    return {{text, unowned}, {startFailed, unowned}};
}
std::vector<Box> inGlSetup(const char* text) {
    return {{text, owned}, {"Giris degerleri girilemedi.", owned}, {startFailed, owned}};
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, FailureTest,
    ::testing::Values(
        Failure{"RegisterClassExA", 1, beforeTheWindow("Pencere Kayit edilemedi."), 1},
        Failure{"CreateWindowExA", 1, beforeTheWindow("Pencere olu\xFEturulamadi."), 1},
        Failure{"GetDC", 1, inGlSetup("OpenGL hatasi Opengl Context aygiti olusuturulamadi."), 1},
        Failure{"ChoosePixelFormat", 1, inGlSetup("Suitable PikselFormat bulunamadi!"), 1},
        Failure{"SetPixelFormat", 1, inGlSetup("PikselFormat ayarlanamadi!"), 1},
        Failure{"wglCreateContext", 1, inGlSetup("OpenGL rendering context olusturulamadi!"), 1},
        Failure{"wglMakeCurrent", 1, inGlSetup("OpenGL rendering context aktif hale getirilemedi."),
                1},
        Failure{"wglMakeCurrent", 2, {{"DC ve RC kaldirilamadi!", owned}}, 0},
        Failure{"wglDeleteContext", 1, {{"RC context kaldirilamadi!", owned}}, 0},
        Failure{"ReleaseDC", 1, {{"DC kaldirilamadi!", owned}}, 0},
        // The window outlives the failed destroy, so its class cannot go either.
        Failure{"DestroyWindow",
                1,
                {{"Pencere Kaldirilamadi!", owned}, {"Pencere Kayittan kaldirilamadi!", unowned}},
                0},
        Failure{"UnregisterClassA", 1, {{"Pencere Kayittan kaldirilamadi!", unowned}}, 0}),
    [](const ::testing::TestParamInfo<Failure>& info) {
        return std::string(info.param.call) + std::to_string(info.param.occurrence);
    });

TEST_F(CreationTest, TeardownOfAnObjectNeverCreatedOnlyTriesTheClass) {
    theWindow.destroy();

    EXPECT_EQ(fake::calls, (Calls{"UnregisterClassA(\"\", null)",
                                  "MessageBoxA(null, \"Pencere Kayittan kaldirilamadi!\", \"\", "
                                  "0x30)"}));
}

// WM_KEYDOWN, which the application leaves to the default procedure. Only <windows.h> declares
// it, and as a macro there, hence a name of our own.
const UINT keyDownMessage = 0x0100;

using MessageLoopTest = SystemTest;

TEST_F(MessageLoopTest, DeliversOneMessagePerPassAndRendersOnlyWhenTheQueueIsEmpty) {
    fake::onEmptyPoll = [](int emptyPolls) {
        if (emptyPolls == 1) {
            fake::post(keyDownMessage, 13, 42);
            fake::post(keyDownMessage, 27, 43);
        }
        if (emptyPolls == 3)
            fake::post(WM_CLOSE);
    };
    ASSERT_EQ(runProgram(), 0);

    // One pass of the loop a line. The close only asks to quit; the window goes in teardown,
    // after the loop, and its destroy notification posts a second quit request nobody takes.
    std::string passes;
    for (const std::string& call :
         fake::callsNamed({"PeekMessageA", "TranslateMessage", "DispatchMessageA", "DefWindowProcA",
                           "SwapBuffers", "PostQuitMessage", "DestroyWindow"}))
        passes += (call.rfind("PeekMessageA", 0) ? " " : "\n") + call.substr(0, call.find('('));
    EXPECT_EQ(passes, "\nPeekMessageA SwapBuffers"
                      "\nPeekMessageA TranslateMessage DispatchMessageA DefWindowProcA"
                      "\nPeekMessageA TranslateMessage DispatchMessageA DefWindowProcA"
                      "\nPeekMessageA SwapBuffers"
                      "\nPeekMessageA SwapBuffers"
                      "\nPeekMessageA TranslateMessage DispatchMessageA PostQuitMessage"
                      "\nPeekMessageA DestroyWindow PostQuitMessage");
    // Messages the window does not handle reach the default procedure unchanged.
    EXPECT_EQ(fake::callsNamed({"DefWindowProcA"}),
              (Calls{"DefWindowProcA(window, 0x100, 0xd, 42)",
                     "DefWindowProcA(window, 0x100, 0x1b, 43)"}));
    EXPECT_EQ(fake::callsNamed({"PeekMessageA"})[0], "PeekMessageA(null, 0x0, 0x0, 0x1)");
}

// A frame ending at `clock` milliseconds, and the timing fields it leaves.
struct Frame {
    DWORD clock;
    float deltaTime, frameCount, fps;
};

const DWORD threeDays = 3u * 24 * 3600 * 1000;
const DWORD aDayAndMore = 100000u * 1000 + 3; // where a float of seconds has 8 ms steps
const DWORD fiftyDays = 4290000u * 1000 + 7;  // just short of the clock's wrap

// The first frame takes no time; one second is no sample yet, the crossing frame counts, and the
// next interval starts there. Steps are exact after a day, and after fifty. Time runs on across
// the clock's wrap.
const std::vector<Frame> sequences[] = {
    {{threeDays, 0, 1, 0},
     {threeDays + 1000, 1, 2, 0},
     {threeDays + 1001, 0.001f, 0, 3},
     {threeDays + 2001, 1, 1, 3},
     {threeDays + 2002, 0.001f, 0, 2}},
    {{aDayAndMore, 0, 1, 0}, {aDayAndMore, 0, 2, 0}, {aDayAndMore + 1, 0.001f, 3, 0}},
    {{fiftyDays, 0, 1, 0}, {fiftyDays, 0, 2, 0}, {fiftyDays + 1, 0.001f, 3, 0}},
    {{UINT32_MAX - 4, 0, 1, 0}, {3, 0.008f, 2, 0}, {1000, 0.997f, 0, 3}, {2001, 1.001f, 0, 1}},
};

using FrameTimingTest = SystemTest;

TEST_F(FrameTimingTest, CountsTimeAndFramesByTheMillisecond) {
    for (const std::vector<Frame>& sequence : sequences) {
        GlWindow frames;
        float firstTime = 0;
        for (const Frame& frame : sequence) {
            SCOPED_TRACE(frame.clock);
            fake::clockMilliseconds = frame.clock;
            frames.endFrame();
            firstTime = firstTime ? firstTime : frames.currentTime;
            EXPECT_FLOAT_EQ(frames.deltaTime, frame.deltaTime);
            EXPECT_EQ(frames.frameCount, frame.frameCount);
            EXPECT_EQ(frames.fps, frame.fps);
            EXPECT_EQ(frames.lastFrameTime, frames.currentTime);
        }
        // Seconds since system start, in a float that size: within one step.
        EXPECT_NEAR(firstTime, sequence[0].clock * 0.001, 0.5);
        // Where the last frame took a sample, that is the time of the sample.
        EXPECT_TRUE(!frames.fps || frames.fpsTime == frames.currentTime);
    }
}

} // namespace
