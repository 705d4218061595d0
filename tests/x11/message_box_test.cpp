// The warning box, watched and ended from a second thread while the test waits in it.
#include <gtest/gtest.h>

#include "platform/x11/display.h"
#include "tests/x11/observer.h"
#include "tests/x11/recording_window.h"

#include <X11/XKBlib.h>

#include <chrono>
#include <thread>

namespace {

struct SeenBox {
    Window window = None;
    std::string text;
    std::string caption;
    std::vector<unsigned long> transientFor;
    std::vector<unsigned long> windowType;
    bool stayedAfterFirstAction = false;
};

std::string withWindows(std::string command, Window box, Window owner) {
    for (const auto& [name, window] : {std::pair{"BOX", box}, std::pair{"OWNER", owner}})
        for (auto at = command.find(name); at != std::string::npos; at = command.find(name))
            command.replace(at, std::string(name).size(), hex(window));
    return command;
}

// Shows a box and, once it is up, records it and plays `action` on it, a command in which BOX and
// OWNER stand for the windows' ids. When that is not meant to end the box, `ending` follows, once
// the box has had the time to react; whether it was still there then is recorded.
SeenBox showBox(RecordingWindow* owner, const char* text, const std::string& action,
                const std::string& ending = "") {
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
        const Window ownerWindow = owner ? owner->xWindow() : None;
        runTool(withWindows(action, seen.window, ownerWindow));
        if (ending.empty())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        seen.stayedAfterFirstAction = observer.exists(seen.window);
        runTool(withWindows(ending, seen.window, ownerWindow));
    });
    MessageBoxA(owner ? owner->handle() : nullptr, text, "Uyar\xFD", MB_ICONWARNING | MB_OK);
    watcher.join();
    return seen;
}

// Shown, and mapped by the window manager when there is one.
void show(RecordingWindow& window) {
    ShowWindow(window.handle(), SW_SHOWNORMAL);
    ASSERT_TRUE(window.pumpUntil([&] {
        XWindowAttributes attributes;
        return XGetWindowAttributes(x11::display(), window.xWindow(), &attributes) &&
               attributes.map_state == IsViewable;
    }));
}

TEST(MessageBox, OwnedDialogWithTheTextInUtf8) {
    RecordingWindow owner;
    const SeenBox box =
        showBox(&owner, "Pencere olu\xFEturulamadi.", "xdotool key --window BOX Return");
    ASSERT_NE(box.window, None);
    EXPECT_EQ(box.text, "Pencere olu\xC5\x9Fturulamadi.");
    EXPECT_EQ(box.caption, "Uyar\xC4\xB1");
    ASSERT_EQ(box.transientFor.size(), 1u);
    EXPECT_EQ(box.transientFor[0], owner.xWindow());
    EXPECT_EQ(box.windowType.size(), 1u);
    EXPECT_FALSE(XkbGetDetectableAutoRepeat(x11::display(), nullptr))
        << "the box keeps its settings to a connection of its own";
}

// Another client taking the box away, or its connection, ends it as a dismissal does: the box
// returns and the program goes on.
const char* const endingsFromOutside[] = {"xdotool windowunmap BOX", "xdotool windowclose BOX",
                                          "xkill -id BOX"};

TEST(MessageBox, EndedByTheUserOrFromOutside) {
    std::vector<const char*> endings = {"xdotool key --window BOX space",
                                        "xdotool key --window BOX Escape", "wmctrl -i -c BOX"};
    endings.insert(endings.end(), std::begin(endingsFromOutside), std::end(endingsFromOutside));
    for (const char* ending : endings) {
        const SeenBox box = showBox(nullptr, "Program acilamadi!", ending);
        EXPECT_NE(box.window, None) << ending;
        EXPECT_TRUE(box.transientFor.empty()) << "no owner, no transient-for";
    }
}

TEST(WithoutWindowManager, EndedFromOutside) {
    for (const char* ending : endingsFromOutside)
        EXPECT_NE(showBox(nullptr, "Program acilamadi!", ending).window, None) << ending;
}

// The window manager hides an owned box along with its minimised owner: that ends nothing.
TEST(MessageBox, MinimisingTheOwnerKeepsTheBox) {
    RecordingWindow owner;
    show(owner);
    const SeenBox box = showBox(&owner, "Program acilamadi!", "xdotool windowminimize --sync OWNER",
                                "xdotool key --window BOX Return");
    ASSERT_NE(box.window, None);
    EXPECT_TRUE(box.stayedAfterFirstAction);
}

// A window manager that starts puts the box in a frame, and one that ends hands it back, mapped:
// the unmaps and reparenting that takes end nothing.
TEST(WithoutWindowManager, AWindowManagerComingAndGoingKeepsTheBox) {
    const SeenBox box = showBox(nullptr, "Program acilamadi!",
                                "openbox --sm-disable & manager=$!; for i in $(seq 100); do "
                                "xprop -id BOX WM_STATE | grep -q Normal && break; sleep 0.05; "
                                "done; kill $manager; wait $manager",
                                "xdotool key --window BOX Return");
    ASSERT_NE(box.window, None);
    EXPECT_TRUE(box.stayedAfterFirstAction);
}

// With nobody else to give it the focus, the box takes it, so that a real key press reaches it,
// and gives it back once dismissed.
TEST(WithoutWindowManager, TheBoxTakesTheFocusAndGivesItBack) {
    RecordingWindow owner;
    show(owner);
    XSetInputFocus(x11::display(), owner.xWindow(), RevertToParent, CurrentTime);
    XSync(x11::display(), False);
    const SeenBox box = showBox(&owner, "Program acilamadi!", "xdotool key Return");
    EXPECT_NE(box.window, None);
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(x11::display(), &focus, &revertTo);
    EXPECT_EQ(focus, owner.xWindow());
}

} // namespace
