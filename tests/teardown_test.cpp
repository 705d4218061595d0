// Taking the window down after a normal close: every release runs, a failed one is shown.
#include "tests/support/system_test.h"

namespace {

using Calls = std::vector<std::string>;

const Calls releases = {"wglMakeCurrent(null, null)", "wglDeleteContext(rc)",
                        "ReleaseDC(window, dc)", "DestroyWindow(window)",
                        "UnregisterClassA(\"TALVO pencere\", instance)"};

Calls releaseCalls() {
    Calls released = fake::callsNamed(
        {"wglMakeCurrent", "wglDeleteContext", "ReleaseDC", "DestroyWindow", "UnregisterClassA"});
    released.erase(released.begin()); // the creation's wglMakeCurrent(dc, rc)
    return released;
}

class TeardownTest : public SystemTest {};

TEST_F(TeardownTest, ReleasesInReverseOrderAndLeavesNoHandle) {
    EXPECT_EQ(runProgram(), 0);

    EXPECT_EQ(releaseCalls(), releases);
    EXPECT_TRUE(fake::boxes.empty());
    EXPECT_EQ(theWindow.renderContext, nullptr);
    EXPECT_EQ(theWindow.deviceContext, nullptr);
    EXPECT_EQ(theWindow.window, nullptr);
    EXPECT_EQ(theWindow.instance, nullptr);
}

TEST_F(TeardownTest, OnAnObjectNeverCreatedOnlyUnregistersTheClass) {
    theWindow.destroy();

    EXPECT_EQ(fake::calls, Calls{"UnregisterClassA(\"\", null)"});
}

struct ReleaseFailure {
    const char* failingCall;
    int occurrence; // wglMakeCurrent is called once during creation
    const char* text;
    HWND owner;
};

void PrintTo(const ReleaseFailure& failure, std::ostream* out) {
    *out << failure.failingCall;
}

class ReleaseFailureTest : public SystemTest,
                           public ::testing::WithParamInterface<ReleaseFailure> {};

TEST_P(ReleaseFailureTest, ShowsItsBoxAndGoesOnWithTheRest) {
    const ReleaseFailure& failure = GetParam();
    fake::failCall(failure.failingCall, failure.occurrence);

    EXPECT_EQ(runProgram(), 0);

    EXPECT_EQ(releaseCalls(), releases);
    ASSERT_EQ(fake::boxes.size(), 1u);
    EXPECT_EQ(fake::boxes[0].text, failure.text);
    EXPECT_EQ(fake::boxes[0].owner, failure.owner);
    EXPECT_EQ(fake::boxes[0].caption, "www.talvo.example - OpenGL");
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, ReleaseFailureTest,
    ::testing::Values(
        ReleaseFailure{"wglMakeCurrent", 2, "DC ve RC kaldirilamadi!", fake::window},
        ReleaseFailure{"wglDeleteContext", 1, "RC context kaldirilamadi!", fake::window},
        ReleaseFailure{"ReleaseDC", 1, "DC kaldirilamadi!", fake::window},
        ReleaseFailure{"DestroyWindow", 1, "Pencere Kaldirilamadi!", fake::window},
        ReleaseFailure{"UnregisterClassA", 1, "Pencere Kayittan kaldirilamadi!", nullptr}),
    [](const ::testing::TestParamInfo<ReleaseFailure>& info) { return info.param.failingCall; });

} // namespace
