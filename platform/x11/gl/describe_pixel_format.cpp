// DescribePixelFormat: a pixel format in the terms of PIXELFORMATDESCRIPTOR, from its WGL
// attributes (gl/pixel_format_attributes.h), so that both descriptions always agree.
#include "core/device_context.h"
#include "gl/frame_buffer_configs.h"
#include "gl/pixel_format_attributes.h"

namespace x11 {
namespace {

BYTE bits(GLXFBConfig config, int attribute) {
    return static_cast<BYTE>(pixelFormatValue(config, attribute));
}

DWORD flagsOf(GLXFBConfig config) {
    const int swapMethod = pixelFormatValue(config, WGL_SWAP_METHOD_ARB);
    const bool unaccelerated =
        pixelFormatValue(config, WGL_ACCELERATION_ARB) == WGL_NO_ACCELERATION_ARB;
    return PFD_SUPPORT_OPENGL |
           (pixelFormatValue(config, WGL_DRAW_TO_WINDOW_ARB) ? PFD_DRAW_TO_WINDOW : 0) |
           (pixelFormatValue(config, WGL_DOUBLE_BUFFER_ARB) ? PFD_DOUBLEBUFFER : 0) |
           (pixelFormatValue(config, WGL_STEREO_ARB) ? PFD_STEREO : 0) |
           (unaccelerated ? PFD_GENERIC_FORMAT : 0) |
           (swapMethod == WGL_SWAP_EXCHANGE_ARB ? PFD_SWAP_EXCHANGE : 0) |
           (swapMethod == WGL_SWAP_COPY_ARB ? PFD_SWAP_COPY : 0);
}

PIXELFORMATDESCRIPTOR descriptorOf(GLXFBConfig config) {
    PIXELFORMATDESCRIPTOR descriptor = {};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = flagsOf(config);
    descriptor.iPixelType = pixelFormatValue(config, WGL_PIXEL_TYPE_ARB) == WGL_TYPE_RGBA_ARB
                                ? PFD_TYPE_RGBA
                                : PFD_TYPE_COLORINDEX;
    descriptor.cColorBits = bits(config, WGL_COLOR_BITS_ARB);
    descriptor.cRedBits = bits(config, WGL_RED_BITS_ARB);
    descriptor.cRedShift = bits(config, WGL_RED_SHIFT_ARB);
    descriptor.cGreenBits = bits(config, WGL_GREEN_BITS_ARB);
    descriptor.cGreenShift = bits(config, WGL_GREEN_SHIFT_ARB);
    descriptor.cBlueBits = bits(config, WGL_BLUE_BITS_ARB);
    descriptor.cBlueShift = bits(config, WGL_BLUE_SHIFT_ARB);
    descriptor.cAlphaBits = bits(config, WGL_ALPHA_BITS_ARB);
    descriptor.cAlphaShift = bits(config, WGL_ALPHA_SHIFT_ARB);
    descriptor.cAccumBits = bits(config, WGL_ACCUM_BITS_ARB);
    descriptor.cAccumRedBits = bits(config, WGL_ACCUM_RED_BITS_ARB);
    descriptor.cAccumGreenBits = bits(config, WGL_ACCUM_GREEN_BITS_ARB);
    descriptor.cAccumBlueBits = bits(config, WGL_ACCUM_BLUE_BITS_ARB);
    descriptor.cAccumAlphaBits = bits(config, WGL_ACCUM_ALPHA_BITS_ARB);
    descriptor.cDepthBits = bits(config, WGL_DEPTH_BITS_ARB);
    descriptor.cStencilBits = bits(config, WGL_STENCIL_BITS_ARB);
    descriptor.cAuxBuffers = bits(config, WGL_AUX_BUFFERS_ARB);
    descriptor.iLayerType = PFD_MAIN_PLANE;
    return descriptor;
}

} // namespace
} // namespace x11

// The number of pixel formats; with no descriptor to fill, whatever the format asked. A descriptor
// is filled whole or not at all.
int WINAPI DescribePixelFormat(HDC deviceContext, int format, UINT nBytes,
                               LPPIXELFORMATDESCRIPTOR descriptor) {
    if (!x11::windowOfDeviceContext(deviceContext)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const int count = x11::serverConfigs().count;
    if (!descriptor)
        return count;
    const GLXFBConfig config = x11::configOfPixelFormat(format);
    if (!config || nBytes < sizeof *descriptor)
        return 0;
    *descriptor = x11::descriptorOf(config);
    return count;
}
