// Pixel formats as WGL_ARB_pixel_format describes them, attribute by attribute, with the attributes
// of multisampling and sRGB frame buffers where those extensions are offered: what
// wglGetPixelFormatAttribivARB answers, how wglChoosePixelFormatARB matches, and what
// DescribePixelFormat fills in.
#ifndef TALVO_PLATFORM_X11_GL_PIXEL_FORMAT_ATTRIBUTES_H
#define TALVO_PLATFORM_X11_GL_PIXEL_FORMAT_ATTRIBUTES_H

#include <GL/glx.h>

namespace x11 {

// How wglChoosePixelFormatARB matches a format's value against the one asked for.
enum class Match { exactly, atLeast, always };

struct PixelFormatAttribute {
    int name;
    Match match;
    // GLX's attribute of the same meaning and match, for GLX to choose by; 0 for none.
    int glxName;
    int (*valueOf)(GLXFBConfig config);
};

// The attribute of that name; null for one the offered extensions do not define.
const PixelFormatAttribute* pixelFormatAttribute(int name);
// Its value for a configuration.
int pixelFormatValue(GLXFBConfig config, int name);

} // namespace x11

#endif
