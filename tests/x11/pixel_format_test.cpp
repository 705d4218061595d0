// Pixel formats and GL contexts on the window.
#include <gtest/gtest.h>

#include "tests/x11/recording_window.h"

#include <GL/glx.h>

namespace {

PIXELFORMATDESCRIPTOR programRequest() {
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof(request);
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = 16;
    request.cDepthBits = 16;
    return request;
}

// The server's configurations as another client numbers them.
class ServerConfigs {
  public:
    ServerConfigs() : connection(XOpenDisplay(nullptr)) {
        list = glXGetFBConfigs(connection, DefaultScreen(connection), &count);
    }
    ~ServerConfigs() {
        XFree(list);
        XCloseDisplay(connection);
    }
    int attribute(int format, int name) const {
        int value = 0;
        glXGetFBConfigAttrib(connection, list[format - 1], name, &value);
        return value;
    }
    bool hasWindowConfigWithDepth(int depth) const {
        for (int format = 1; format <= count; ++format)
            if ((attribute(format, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT) &&
                attribute(format, GLX_DOUBLEBUFFER) && attribute(format, GLX_DEPTH_SIZE) == depth)
                return true;
        return false;
    }
    // Whether they agree on everything a choice can look at: not just equally close to any
    // request, but interchangeable as far as it can tell.
    bool alike(int format, int other) const {
        const int names[] = {
            GLX_RED_SIZE,        GLX_GREEN_SIZE,       GLX_BLUE_SIZE,      GLX_ALPHA_SIZE,
            GLX_DEPTH_SIZE,      GLX_STENCIL_SIZE,     GLX_ACCUM_RED_SIZE, GLX_ACCUM_GREEN_SIZE,
            GLX_ACCUM_BLUE_SIZE, GLX_ACCUM_ALPHA_SIZE, GLX_AUX_BUFFERS,    GLX_CONFIG_CAVEAT,
            GLX_DRAWABLE_TYPE,   GLX_RENDER_TYPE,      GLX_X_RENDERABLE,   GLX_LEVEL,
            GLX_STEREO,          GLX_DOUBLEBUFFER,     GLX_X_VISUAL_TYPE,  GLX_TRANSPARENT_TYPE};
        for (int name : names)
            if (attribute(format, name) != attribute(other, name))
                return false;
        return true;
    }
    int count = 0;

  private:
    Display* connection;
    GLXFBConfig* list = nullptr;
};

// The program asks for 16 depth bits; 24 is where servers list depth buffers with and without
// stencil side by side, all else equal.
TEST(PixelFormat, ClosestMatchWithoutBuffersNotAskedFor) {
    RecordingWindow window;
    ServerConfigs configs;
    for (BYTE depth : {16, 24}) {
        PIXELFORMATDESCRIPTOR request = programRequest();
        request.cDepthBits = depth;
        const int format = ChoosePixelFormat(GetDC(window.handle()), &request);
        ASSERT_GE(format, 1);
        ASSERT_LE(format, configs.count);
        EXPECT_TRUE(configs.attribute(format, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT);
        EXPECT_TRUE(configs.attribute(format, GLX_RENDER_TYPE) & GLX_RGBA_BIT);
        EXPECT_TRUE(configs.attribute(format, GLX_DOUBLEBUFFER));
        EXPECT_GE(configs.attribute(format, GLX_RED_SIZE) +
                      configs.attribute(format, GLX_GREEN_SIZE) +
                      configs.attribute(format, GLX_BLUE_SIZE),
                  16);
        EXPECT_EQ(configs.attribute(format, GLX_STENCIL_SIZE), 0) << int(depth);
        EXPECT_EQ(configs.attribute(format, GLX_ACCUM_RED_SIZE), 0) << int(depth);
        EXPECT_EQ(configs.attribute(format, GLX_AUX_BUFFERS), 0) << int(depth);
        if (configs.hasWindowConfigWithDepth(depth))
            EXPECT_EQ(configs.attribute(format, GLX_DEPTH_SIZE), depth);
        else
            EXPECT_GE(configs.attribute(format, GLX_DEPTH_SIZE), depth);
        // Of equally close ones the first in the server's order. Mesa lists a multisampled twin
        // of each configuration after it, alike in all a pixel-format request can ask about.
        for (int earlier = 1; earlier < format; ++earlier)
            EXPECT_FALSE(configs.alike(earlier, format)) << earlier << " before " << format;
    }
}

TEST(PixelFormat, IsSetOnceForTheWindowsLife) {
    RecordingWindow window;
    HDC deviceContext = GetDC(window.handle());
    const PIXELFORMATDESCRIPTOR request = programRequest();
    const int format = ChoosePixelFormat(deviceContext, &request);
    ASSERT_NE(format, 0);
    EXPECT_FALSE(SetPixelFormat(deviceContext, 0, &request));
    ASSERT_TRUE(SetPixelFormat(deviceContext, format, &request));
    EXPECT_TRUE(SetPixelFormat(deviceContext, format, &request)) << "the same one again";
    EXPECT_FALSE(SetPixelFormat(deviceContext, format == 1 ? 2 : 1, &request));
    EXPECT_EQ(GetDC(window.handle()), deviceContext) << "the handle outlives the X window";
}

TEST(RenderingContext, NeedsAPixelFormatThenRendersToTheWindow) {
    RecordingWindow window;
    HDC deviceContext = GetDC(window.handle());
    EXPECT_EQ(wglCreateContext(deviceContext), nullptr);

    const PIXELFORMATDESCRIPTOR request = programRequest();
    ASSERT_TRUE(
        SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &request), &request));
    HGLRC renderContext = wglCreateContext(deviceContext);
    ASSERT_NE(renderContext, nullptr);
    ASSERT_TRUE(wglMakeCurrent(deviceContext, renderContext));
    EXPECT_NE(glXGetCurrentContext(), nullptr);

    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[2], 255);
    EXPECT_TRUE(SwapBuffers(deviceContext));

    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(glXGetCurrentContext(), nullptr);
    EXPECT_TRUE(wglDeleteContext(renderContext));
    EXPECT_FALSE(wglDeleteContext(renderContext));
    EXPECT_FALSE(wglMakeCurrent(deviceContext, renderContext));
}

} // namespace
