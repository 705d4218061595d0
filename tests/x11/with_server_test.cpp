// The parts of the X11 layer that need a server: protocol errors reach the traps that were set
// when the failing request was made.
#include <gtest/gtest.h>

#include "xlib/connection.h"
#include "xlib/error_trap.h"

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

} // namespace
