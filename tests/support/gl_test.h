// Tests that read GL state back from a real context: the recording fake stands in for the
// window system, while GL calls reach a context the test made current itself.
#ifndef TALVO_TESTS_SUPPORT_GL_TEST_H
#define TALVO_TESTS_SUPPORT_GL_TEST_H

#include "tests/support/glx_context.h"
#include "tests/support/system_test.h"

#include <array>

using Matrix = std::array<double, 16>;

class GlTest : public SystemTest {
  protected:
    GlxContext context{1920, 1080};

    void SetUp() override {
        SystemTest::SetUp();
        ASSERT_TRUE(context.isCurrent()) << "no GL context on DISPLAY";
    }

    static Matrix matrix(GLenum which) {
        Matrix values;
        glGetDoublev(which, values.data());
        return values;
    }

    static std::array<GLint, 4> viewport() {
        std::array<GLint, 4> values;
        glGetIntegerv(GL_VIEWPORT, values.data());
        return values;
    }
};

#endif
