// The message-box tests watch the box from a second thread, with a connection of its own.
// Google Test first: the X headers define None and Bool as macros, which its own names clash with.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

int main(int argumentCount, char** arguments) {
    XInitThreads();
    testing::InitGoogleTest(&argumentCount, arguments);
    return RUN_ALL_TESTS();
}
