// The parts of the X11 layer that need a server: protocol errors reach the traps that were set
// when the failing request was made; the box font leaves nothing of a closed connection behind in
// the text libraries, as the next box's connection is likely to get the same address and would
// inherit what was left of this one.
#include <gtest/gtest.h>

#include "platform/x11/box_font.h"
#include "platform/x11/display.h"

#include <dlfcn.h>

namespace {

// No window has the id None, so the server answers with BadWindow.
void failingRequest() {
    XDestroyWindow(x11::display(), None);
}

TEST(ErrorTrap, AnInnerTrapNeitherTakesNorHidesTheErrorsOfTheOuterOne) {
    ASSERT_NE(x11::display(), nullptr);
    x11::ErrorTrap outer("outer");
    {
        x11::ErrorTrap inner("inner");
        failingRequest();
        EXPECT_TRUE(inner.failed());
    }
    EXPECT_TRUE(outer.failed()) << "the request came in the outer trap's time too";
    failingRequest();
    x11::ErrorTrap later("later");
    EXPECT_FALSE(later.failed()) << "the request came before this inner trap";
    EXPECT_TRUE(outer.failed()) << "an inner trap leaves the outer one's errors alone";
}

TEST(BoxFont, AClosedConnectionIsForgottenByTheRenderLibrary) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    x11::BoxFont(display, DefaultScreen(display)).width(u"Program acilamadi!");
    XCloseDisplay(display);
    // The render library keeps the displays it knows in a list; its head comes first.
    void* render = dlopen("libXrender.so.1", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(render, nullptr) << "the font is drawn by Xft, which renders with it";
    EXPECT_EQ(*static_cast<void**>(dlsym(render, "XRenderExtensionInfo")), nullptr);
}

} // namespace
