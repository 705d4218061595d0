// The functions of the WGL extensions the layer offers. As on Windows, programs reach them only
// through wglGetProcAddress (gl/wgl_get_proc_address.cpp), which answers with these.
#ifndef TALVO_PLATFORM_X11_GL_WGL_EXTENSION_FUNCTIONS_H
#define TALVO_PLATFORM_X11_GL_WGL_EXTENSION_FUNCTIONS_H

#include "platform/platform.h"

namespace x11 {

// WGL_ARB_create_context, with its profile and robustness extensions (gl/wgl_create_context.cpp).
HGLRC WINAPI wglCreateContextAttribsARB(HDC deviceContext, HGLRC share, const int* attributes);

// WGL_ARB_extensions_string and WGL_EXT_extensions_string (gl/wgl_extensions.cpp).
const char* WINAPI wglGetExtensionsStringARB(HDC deviceContext);
const char* WINAPI wglGetExtensionsStringEXT();

// WGL_ARB_pixel_format, with multisampling and sRGB frame buffers (gl/wgl_pixel_format.cpp).
BOOL WINAPI wglChoosePixelFormatARB(HDC deviceContext, const int* integerAttributes,
                                    const FLOAT* floatAttributes, UINT maxFormats, int* formats,
                                    UINT* formatCount);
BOOL WINAPI wglGetPixelFormatAttribivARB(HDC deviceContext, int format, int layerPlane,
                                         UINT attributeCount, const int* attributes, int* values);
BOOL WINAPI wglGetPixelFormatAttribfvARB(HDC deviceContext, int format, int layerPlane,
                                         UINT attributeCount, const int* attributes, FLOAT* values);

// WGL_EXT_swap_control and WGL_EXT_swap_control_tear (gl/swap_interval.cpp).
BOOL WINAPI wglSwapIntervalEXT(int interval);
int WINAPI wglGetSwapIntervalEXT();

} // namespace x11

#endif
