// Pixel formats are the server's GLX frame-buffer configurations, numbered from 1 in the order the
// server lists them: ChoosePixelFormat, SetPixelFormat, DescribePixelFormat and the WGL
// pixel-format extension all number them so.
#ifndef TALVO_PLATFORM_X11_GL_FRAME_BUFFER_CONFIGS_H
#define TALVO_PLATFORM_X11_GL_FRAME_BUFFER_CONFIGS_H

#include <GL/glx.h>

namespace x11 {

// A list of configurations from GLX.
class FrameBufferConfigs {
  public:
    // All of the server's, in its order: the pixel format numbers. None on a display without GLX.
    FrameBufferConfigs();
    // Those that GLX finds for the attribute list, best first by GLX's rules. Only on a display
    // with GLX.
    explicit FrameBufferConfigs(const int* glxAttributes);
    FrameBufferConfigs(const FrameBufferConfigs&) = delete;
    FrameBufferConfigs& operator=(const FrameBufferConfigs&) = delete;
    ~FrameBufferConfigs();

    GLXFBConfig* list = nullptr;
    int count = 0;
};

// The server's configurations, listed once: they stay as they are while the program's connection
// lasts, and it lasts as long as the process.
const FrameBufferConfigs& serverConfigs();
// The configuration of a pixel format; null for a number that is none.
GLXFBConfig configOfPixelFormat(int format);
// The pixel format of one of the server's configurations.
int pixelFormatOf(GLXFBConfig config);

int configAttribute(GLXFBConfig config, int attribute);
// A visual of its own that shows RGB values as they are. GLX cannot filter on two visual types at
// once, so this part of "can serve a window" is checked apart.
bool hasColorVisual(GLXFBConfig config);

} // namespace x11

#endif
