// The fixed GL state, the projection that follows the window's client area and the start of a
// frame, read back from the context the window object makes on the X11 layer.
#include "app/window_proc.h"
#include "glwindow/gl_window.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

struct HINSTANCE__ {};

namespace {

using Matrix = std::array<double, 16>;
using Viewport = std::array<GLint, 4>;

const Matrix identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// The 50-degree perspective with near plane 1 and far plane 1500, column-major.
Matrix perspective(double aspect) {
    const double focal = 1 / std::tan(25 * M_PI / 180), nearPlane = 1, farPlane = 1500;
    Matrix values = {};
    values[0] = focal / aspect;
    values[5] = focal;
    values[10] = (farPlane + nearPlane) / (nearPlane - farPlane);
    values[11] = -1;
    values[14] = 2 * farPlane * nearPlane / (nearPlane - farPlane);
    return values;
}

Matrix matrix(GLenum which) {
    Matrix values;
    glGetDoublev(which, values.data());
    return values;
}

void expectMatrixNear(const Matrix& actual, const Matrix& expected) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-5 * (1 + std::fabs(expected[i]))) << "element " << i;
}

Viewport viewport() {
    Viewport values;
    glGetIntegerv(GL_VIEWPORT, values.data());
    return values;
}

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

HINSTANCE__ testModule;
Viewport viewportAfterFirstShow;

class GlStateTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(theWindow.create(&testModule, 640, 480, "GL", "GL", SW_SHOWNORMAL), 1);
        viewportAfterFirstShow = viewport();
    }
    static void TearDownTestSuite() { theWindow.destroy(); }

    static void sendSize(int width, int height) {
        windowProc(theWindow.window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    }
};

TEST_F(GlStateTest, InitialStateIsTheFixedOne) {
    // State unlike the one the window sets, so that a setting left out shows.
    glClearColor(0.5f, 0.25f, 0.125f, 1.0f);
    glClearDepth(0.5);
    glShadeModel(GL_FLAT);
    glDepthFunc(GL_ALWAYS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glTranslated(1, 2, 3);
    glMatrixMode(GL_TEXTURE);

    ASSERT_EQ(theWindow.initGlState(640, 480), 1);

    std::array<GLdouble, 5> clearValues; // colour, then depth
    glGetDoublev(GL_COLOR_CLEAR_VALUE, &clearValues[0]);
    glGetDoublev(GL_DEPTH_CLEAR_VALUE, &clearValues[4]);
    EXPECT_EQ(clearValues, (std::array<GLdouble, 5>{0, 0, 0, 0, 1}));
    const std::pair<GLenum, GLint> settings[] = {{GL_SHADE_MODEL, GL_SMOOTH},
                                                 {GL_DEPTH_FUNC, GL_LEQUAL},
                                                 {GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST},
                                                 {GL_TEXTURE_2D, GL_TRUE},
                                                 {GL_DEPTH_TEST, GL_TRUE},
                                                 {GL_DEPTH_WRITEMASK, GL_TRUE},
                                                 {GL_MATRIX_MODE, GL_MODELVIEW}};
    for (const auto& [name, value] : settings)
        EXPECT_EQ(integer(name), value) << "GL state 0x" << std::hex << name;
    EXPECT_EQ(viewport(), (Viewport{0, 0, 640, 480}));
    expectMatrixNear(matrix(GL_PROJECTION_MATRIX), perspective(640.0 / 480.0));
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), identity);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlStateTest, SizeNotificationsRefitViewportAndProjectionToTheClientArea) {
    // The first show reports the client area, which the title bar makes lower than 480.
    EXPECT_LE(viewportAfterFirstShow[2], 640);
    EXPECT_GT(viewportAfterFirstShow[3], 0);
    EXPECT_LT(viewportAfterFirstShow[3], 480);

    sendSize(800, 600);
    EXPECT_EQ(viewport(), (Viewport{0, 0, 800, 600}));
    expectMatrixNear(matrix(GL_PROJECTION_MATRIX), perspective(4.0 / 3.0)); // not 800 / 600 == 1

    sendSize(0, 0); // minimised
    EXPECT_EQ(viewport(), (Viewport{0, 0, 0, 1}));
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
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
    EXPECT_NEAR(pixel[1], 128, 8); // 16-bit formats keep 5 or 6 bits of green
    EXPECT_EQ(pixel[2], 255);
    GLfloat depth = 0;
    glReadPixels(10, 10, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), identity);
}

} // namespace
