// The fixed GL state and the projection that follows the window's client area, read back from
// a real context.
#include "tests/support/gl_test.h"

#include <cmath>

namespace {

using Viewport = std::array<GLint, 4>;

const Matrix identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// The 50-degree perspective with near plane 1 and far plane 1500, column-major.
Matrix perspective(double aspect) {
    const double pi = 3.14159265358979323846;
    const double focal = 1.0 / std::tan(25.0 * pi / 180.0);
    const double nearPlane = 1.0, farPlane = 1500.0;
    return {focal / aspect,
            0,
            0,
            0,
            0,
            focal,
            0,
            0,
            0,
            0,
            (farPlane + nearPlane) / (nearPlane - farPlane),
            -1,
            0,
            0,
            2 * farPlane * nearPlane / (nearPlane - farPlane),
            0};
}

void expectMatrixNear(const Matrix& actual, const Matrix& expected) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-5 * (1 + std::fabs(expected[i]))) << "element " << i;
}

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

class GlStateTest : public GlTest {
  protected:
    // State unlike the one the window sets, so that a setting left out shows.
    static void scrambleState() {
        glClearColor(0.5f, 0.25f, 0.125f, 1.0f);
        glClearDepth(0.5);
        glShadeModel(GL_FLAT);
        glDepthFunc(GL_ALWAYS);
        glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);
        glMatrixMode(GL_MODELVIEW);
        glTranslated(1, 2, 3);
        glMatrixMode(GL_TEXTURE);
    }
};

TEST_F(GlStateTest, InitialStateIsTheFixedOne) {
    scrambleState();
    ASSERT_EQ(theWindow.initGlState(640, 480), 1);

    GLfloat clearColor[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);
    EXPECT_EQ(clearColor[0], 0.0f);
    EXPECT_EQ(clearColor[1], 0.0f);
    EXPECT_EQ(clearColor[2], 0.0f);
    EXPECT_EQ(clearColor[3], 0.0f);
    GLdouble clearDepth = 0;
    glGetDoublev(GL_DEPTH_CLEAR_VALUE, &clearDepth);
    EXPECT_EQ(clearDepth, 1.0);
    EXPECT_EQ(integer(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_LEQUAL);
    EXPECT_EQ(integer(GL_PERSPECTIVE_CORRECTION_HINT), GL_NICEST);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_TRUE);

    EXPECT_EQ(viewport(), (Viewport{0, 0, 640, 480}));
    expectMatrixNear(matrix(GL_PROJECTION_MATRIX), perspective(640.0 / 480.0));
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), identity);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlStateTest, ProjectionUsesTheTrueAspectRatio) {
    theWindow.resize(800, 600);

    EXPECT_EQ(viewport(), (Viewport{0, 0, 800, 600}));
    expectMatrixNear(matrix(GL_PROJECTION_MATRIX), perspective(4.0 / 3.0)); // not 800/600 == 1
}

TEST_F(GlStateTest, MinimisedWindowGetsAViewportOfOneRow) {
    theWindow.resize(0, 0);

    EXPECT_EQ(viewport(), (Viewport{0, 0, 0, 1}));
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlStateTest, SizeNotificationsRefitTheProjectionToTheClientArea) {
    ASSERT_EQ(theWindow.create(fake::instance, 640, 480, "t", "c", SW_SHOW), 1);
    // The first show reports the client area, smaller than the 640 x 480 outer size.
    EXPECT_EQ(viewport(), (Viewport{0, 0, 640 - fake::frameWidth, 480 - fake::frameHeight}));

    fake::registeredClass.lpfnWndProc(fake::window, WM_SIZE, SIZE_MAXIMIZED,
                                      MAKELPARAM(1904, 1041));
    EXPECT_EQ(viewport(), (Viewport{0, 0, 1904, 1041}));
    expectMatrixNear(matrix(GL_PROJECTION_MATRIX), perspective(1904.0 / 1041.0));
    EXPECT_EQ(theWindow.width, 640); // the requested outer size is kept
    EXPECT_EQ(theWindow.height, 480);
}

TEST_F(GlStateTest, AFrameStartsFromClearedBuffersAndAnIdentityModelView) {
    theWindow.initGlState(64, 64);
    glClearDepth(0.25);
    glClear(GL_DEPTH_BUFFER_BIT); // stale depth from an earlier frame
    glClearDepth(1.0);
    glClearColor(0.0f, 0.5f, 1.0f, 1.0f);
    glTranslated(4, 5, 6);

    theWindow.beginFrame();

    GLubyte pixel[4] = {};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 0);
    EXPECT_NEAR(pixel[1], 128, 8); // 16-bit visuals keep 5 or 6 bits of green
    EXPECT_EQ(pixel[2], 255);
    GLfloat depth = 0;
    glReadPixels(10, 10, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), identity);
}

} // namespace
