// The box font leaves nothing of a closed connection behind in the text libraries: the next box's
// connection is likely to get the same address, and would inherit what was left of this one.
#include <gtest/gtest.h>

#include "platform/x11/box_font.h"

#include <dlfcn.h>

namespace {

TEST(BoxFont, AClosedConnectionIsForgottenByTheRenderLibrary) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    {
        x11::BoxFont font(display, DefaultScreen(display));
        font.width(u"Program acilamadi!");
    }
    XCloseDisplay(display);
    // The render library keeps the displays it knows in a list; its head comes first.
    void* render = dlopen("libXrender.so.1", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(render, nullptr) << "the font is drawn by Xft, which renders with it";
    EXPECT_EQ(*static_cast<void**>(dlsym(render, "XRenderExtensionInfo")), nullptr);
}

} // namespace
