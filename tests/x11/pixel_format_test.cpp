// Pixel formats and GL contexts on the window.
#include <gtest/gtest.h>

#include "platform/x11/pixel_format_match.h"
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
    // The closest match by a look at every configuration: the first in the server's order among
    // those that can serve the window, by the layer's distance.
    int closestByFullScan(const PIXELFORMATDESCRIPTOR& request) const {
        int best = 0;
        x11::MatchDistance bestDistance;
        for (int format = 1; format <= count; ++format) {
            if (!canServe(format, request))
                continue;
            const x11::MatchDistance distance = x11::matchDistance(makeUpOf(format), request);
            if (!best || distance < bestDistance) {
                best = format;
                bestDistance = distance;
            }
        }
        return best;
    }
    int count = 0;

  private:
    bool canServe(int format, const PIXELFORMATDESCRIPTOR& request) const {
        const int visualType = attribute(format, GLX_X_VISUAL_TYPE);
        return (attribute(format, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT) &&
               (attribute(format, GLX_RENDER_TYPE) & GLX_RGBA_BIT) &&
               attribute(format, GLX_X_RENDERABLE) && attribute(format, GLX_VISUAL_ID) &&
               (visualType == GLX_TRUE_COLOR || visualType == GLX_DIRECT_COLOR) &&
               attribute(format, GLX_LEVEL) == 0 && !attribute(format, GLX_STEREO) &&
               (!(request.dwFlags & PFD_DOUBLEBUFFER) || attribute(format, GLX_DOUBLEBUFFER));
    }
    x11::FrameBufferMakeUp makeUpOf(int format) const {
        x11::FrameBufferMakeUp makeUp;
        makeUp.colorBits = attribute(format, GLX_RED_SIZE) + attribute(format, GLX_GREEN_SIZE) +
                           attribute(format, GLX_BLUE_SIZE);
        makeUp.alphaBits = attribute(format, GLX_ALPHA_SIZE);
        makeUp.depthBits = attribute(format, GLX_DEPTH_SIZE);
        makeUp.stencilBits = attribute(format, GLX_STENCIL_SIZE);
        makeUp.accumBits =
            attribute(format, GLX_ACCUM_RED_SIZE) + attribute(format, GLX_ACCUM_GREEN_SIZE) +
            attribute(format, GLX_ACCUM_BLUE_SIZE) + attribute(format, GLX_ACCUM_ALPHA_SIZE);
        makeUp.auxBuffers = attribute(format, GLX_AUX_BUFFERS);
        makeUp.caveat = attribute(format, GLX_CONFIG_CAVEAT) != GLX_NONE;
        return makeUp;
    }

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
    }
}

// The layer lets GLX narrow the search down before it ranks; the choice must be the one a look
// at every configuration makes, for requests the server can meet exactly and ones it cannot.
TEST(PixelFormat, SameChoiceAsAFullScan) {
    RecordingWindow window;
    HDC deviceContext = GetDC(window.handle());
    ServerConfigs configs;
    PIXELFORMATDESCRIPTOR requests[6];
    for (PIXELFORMATDESCRIPTOR& request : requests)
        request = programRequest();
    requests[1].cDepthBits = 24;
    requests[2].cStencilBits = 8;
    requests[3].cAlphaBits = 8;
    requests[4].dwFlags &= ~static_cast<DWORD>(PFD_DOUBLEBUFFER);
    requests[5].cAccumBits = 64; // more than a software renderer offers
    for (const PIXELFORMATDESCRIPTOR& request : requests)
        EXPECT_EQ(ChoosePixelFormat(deviceContext, &request), configs.closestByFullScan(request))
            << "depth " << int(request.cDepthBits) << ", stencil " << int(request.cStencilBits)
            << ", alpha " << int(request.cAlphaBits) << ", flags " << request.dwFlags << ", accum "
            << int(request.cAccumBits);
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
