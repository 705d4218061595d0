// The warning box, watched and dismissed from a second thread while the test waits in it.
#include <gtest/gtest.h>

#include "tests/x11/observer.h"
#include "tests/x11/recording_window.h"

#include <chrono>
#include <thread>

namespace {

struct SeenBox {
    Window window = None;
    std::string text;
    std::string caption;
    std::vector<unsigned long> transientFor;
    std::vector<unsigned long> windowType;
};

// Shows a box and, once it is up, records it and plays `dismissal` (a user's action on it) until
// the box is gone: an action the window manager is not yet ready for is played again.
SeenBox showBox(HWND owner, const char* text, const std::string& dismissal) {
    SeenBox seen;
    std::thread watcher([&] {
        Observer observer;
        seen.window = observer.waitForWindowWith("_TALVO_MESSAGE");
        if (!seen.window)
            return;
        seen.text = observer.textProperty(seen.window, "_TALVO_MESSAGE");
        seen.caption = observer.textProperty(seen.window, "_NET_WM_NAME");
        seen.transientFor = observer.longProperty(seen.window, "WM_TRANSIENT_FOR");
        seen.windowType = observer.longProperty(seen.window, "_NET_WM_WINDOW_TYPE");
        runTool("xdotool search --sync --onlyvisible --name '^Uyar' >/dev/null");
        runTool(dismissal == "close"
                    ? "wmctrl -i -c " + hex(seen.window)
                    : "xdotool key --window " + hex(seen.window) + " " + dismissal);
    });
    MessageBoxA(owner, text, "Uyar\xFD", MB_ICONWARNING | MB_OK);
    watcher.join();
    return seen;
}

TEST(MessageBox, OwnedDialogWithTheTextInUtf8) {
    RecordingWindow owner;
    const SeenBox box = showBox(owner.handle(), "Pencere olu\xFEturulamadi.", "Return");
    ASSERT_NE(box.window, None);
    EXPECT_EQ(box.text, "Pencere olu\xC5\x9Fturulamadi.");
    EXPECT_EQ(box.caption, "Uyar\xC4\xB1");
    ASSERT_EQ(box.transientFor.size(), 1u);
    EXPECT_EQ(box.transientFor[0], owner.xWindow());
    EXPECT_EQ(box.windowType.size(), 1u);
}

TEST(MessageBox, SpaceEscapeAndTheCloseBoxDismissItToo) {
    for (const char* dismissal : {"space", "Escape", "close"}) {
        const SeenBox box = showBox(nullptr, "Program acilamadi!", dismissal);
        EXPECT_NE(box.window, None) << dismissal;
        EXPECT_TRUE(box.transientFor.empty()) << "no owner, no transient-for";
    }
}

} // namespace
