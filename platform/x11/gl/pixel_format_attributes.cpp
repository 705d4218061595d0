#include "gl/pixel_format_attributes.h"

#include "gl/frame_buffer_configs.h"
#include "gl/glx_extensions.h"
#include "gl/wgl_extensions.h"
#include "platform/platform.h"
#include "xlib/connection.h"

#include <X11/Xutil.h>

namespace x11 {
namespace {

int glx(GLXFBConfig config, int attribute) {
    return configAttribute(config, attribute);
}

bool drawsToWindows(GLXFBConfig config) {
    return (glx(config, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT) && glx(config, GLX_X_RENDERABLE) &&
           hasColorVisual(config);
}

int swapMethod(GLXFBConfig config) {
    if (!glx(config, GLX_DOUBLEBUFFER) || !glxOffers("GLX_OML_swap_method"))
        return WGL_SWAP_UNDEFINED_ARB;
    const int method = glx(config, GLX_SWAP_METHOD_OML);
    return method == GLX_SWAP_EXCHANGE_OML ? WGL_SWAP_EXCHANGE_ARB
           : method == GLX_SWAP_COPY_OML   ? WGL_SWAP_COPY_ARB
                                           : WGL_SWAP_UNDEFINED_ARB;
}

int lowestBit(unsigned long mask) {
    int bit = 0;
    for (; mask && !(mask & 1); mask >>= 1)
        ++bit;
    return bit;
}

// Where each colour lies in a pixel of the configuration's visual; alpha in the bits the colours
// leave. A configuration without a visual has no pixels to tell of.
struct ColorShifts {
    int red, green, blue, alpha;
};
ColorShifts colorShifts(GLXFBConfig config) {
    XVisualInfo* visual = glXGetVisualFromFBConfig(display(), config);
    if (!visual)
        return {};
    const unsigned long pixelBits = (1UL << glx(config, GLX_BUFFER_SIZE)) - 1;
    const unsigned long alphaMask =
        pixelBits & ~(visual->red_mask | visual->green_mask | visual->blue_mask);
    const ColorShifts shifts = {lowestBit(visual->red_mask), lowestBit(visual->green_mask),
                                lowestBit(visual->blue_mask),
                                glx(config, GLX_ALPHA_SIZE) ? lowestBit(alphaMask) : 0};
    XFree(visual);
    return shifts;
}

int accumulationBits(GLXFBConfig config) {
    return glx(config, GLX_ACCUM_RED_SIZE) + glx(config, GLX_ACCUM_GREEN_SIZE) +
           glx(config, GLX_ACCUM_BLUE_SIZE) + glx(config, GLX_ACCUM_ALPHA_SIZE);
}

// The layer draws with GL alone, on the main plane: no bitmaps, palettes, GDI or layer planes.
int no(GLXFBConfig) {
    return FALSE;
}
int yes(GLXFBConfig) {
    return TRUE;
}
int none(GLXFBConfig) {
    return 0;
}

// The value of a GLX attribute of the same meaning.
template <int attribute> int glxValue(GLXFBConfig config) {
    return glx(config, attribute);
}

// Colours are counted with alpha, as Windows' drivers count them. Attributes that WGL always
// ignores in a choice match always, and so do those of layer planes, which there are none of.
const PixelFormatAttribute pixelFormatAttributes[] = {
    {WGL_NUMBER_PIXEL_FORMATS_ARB, Match::always, 0,
     [](GLXFBConfig) { return serverConfigs().count; }},
    {WGL_DRAW_TO_WINDOW_ARB, Match::exactly, 0,
     [](GLXFBConfig config) { return drawsToWindows(config) ? TRUE : FALSE; }},
    {WGL_DRAW_TO_BITMAP_ARB, Match::exactly, 0, no},
    {WGL_ACCELERATION_ARB, Match::exactly, 0,
     [](GLXFBConfig config) {
         return glx(config, GLX_CONFIG_CAVEAT) == GLX_SLOW_CONFIG ? WGL_NO_ACCELERATION_ARB
                                                                  : WGL_FULL_ACCELERATION_ARB;
     }},
    {WGL_NEED_PALETTE_ARB, Match::exactly, 0, no},
    {WGL_NEED_SYSTEM_PALETTE_ARB, Match::exactly, 0, no},
    {WGL_SWAP_LAYER_BUFFERS_ARB, Match::exactly, 0, no},
    {WGL_SWAP_METHOD_ARB, Match::exactly, 0, swapMethod},
    {WGL_NUMBER_OVERLAYS_ARB, Match::atLeast, 0, none},
    {WGL_NUMBER_UNDERLAYS_ARB, Match::atLeast, 0, none},
    {WGL_TRANSPARENT_ARB, Match::always, 0,
     [](GLXFBConfig config) { return glx(config, GLX_TRANSPARENT_TYPE) != GLX_NONE ? 1 : 0; }},
    {WGL_TRANSPARENT_RED_VALUE_ARB, Match::always, 0, glxValue<GLX_TRANSPARENT_RED_VALUE>},
    {WGL_TRANSPARENT_GREEN_VALUE_ARB, Match::always, 0, glxValue<GLX_TRANSPARENT_GREEN_VALUE>},
    {WGL_TRANSPARENT_BLUE_VALUE_ARB, Match::always, 0, glxValue<GLX_TRANSPARENT_BLUE_VALUE>},
    {WGL_TRANSPARENT_ALPHA_VALUE_ARB, Match::always, 0, glxValue<GLX_TRANSPARENT_ALPHA_VALUE>},
    {WGL_TRANSPARENT_INDEX_VALUE_ARB, Match::always, 0, glxValue<GLX_TRANSPARENT_INDEX_VALUE>},
    {WGL_SHARE_DEPTH_ARB, Match::always, 0, yes},
    {WGL_SHARE_STENCIL_ARB, Match::always, 0, yes},
    {WGL_SHARE_ACCUM_ARB, Match::always, 0, yes},
    {WGL_SUPPORT_GDI_ARB, Match::exactly, 0, no},
    {WGL_SUPPORT_OPENGL_ARB, Match::exactly, 0, yes},
    {WGL_DOUBLE_BUFFER_ARB, Match::exactly, GLX_DOUBLEBUFFER, glxValue<GLX_DOUBLEBUFFER>},
    {WGL_STEREO_ARB, Match::exactly, GLX_STEREO, glxValue<GLX_STEREO>},
    {WGL_PIXEL_TYPE_ARB, Match::exactly, 0,
     [](GLXFBConfig config) {
         return (glx(config, GLX_RENDER_TYPE) & GLX_RGBA_BIT) ? WGL_TYPE_RGBA_ARB
                                                              : WGL_TYPE_COLORINDEX_ARB;
     }},
    {WGL_COLOR_BITS_ARB, Match::atLeast, GLX_BUFFER_SIZE, glxValue<GLX_BUFFER_SIZE>},
    {WGL_RED_BITS_ARB, Match::atLeast, GLX_RED_SIZE, glxValue<GLX_RED_SIZE>},
    {WGL_RED_SHIFT_ARB, Match::always, 0,
     [](GLXFBConfig config) { return colorShifts(config).red; }},
    {WGL_GREEN_BITS_ARB, Match::atLeast, GLX_GREEN_SIZE, glxValue<GLX_GREEN_SIZE>},
    {WGL_GREEN_SHIFT_ARB, Match::always, 0,
     [](GLXFBConfig config) { return colorShifts(config).green; }},
    {WGL_BLUE_BITS_ARB, Match::atLeast, GLX_BLUE_SIZE, glxValue<GLX_BLUE_SIZE>},
    {WGL_BLUE_SHIFT_ARB, Match::always, 0,
     [](GLXFBConfig config) { return colorShifts(config).blue; }},
    {WGL_ALPHA_BITS_ARB, Match::atLeast, GLX_ALPHA_SIZE, glxValue<GLX_ALPHA_SIZE>},
    {WGL_ALPHA_SHIFT_ARB, Match::always, 0,
     [](GLXFBConfig config) { return colorShifts(config).alpha; }},
    {WGL_ACCUM_BITS_ARB, Match::atLeast, 0, accumulationBits},
    {WGL_ACCUM_RED_BITS_ARB, Match::atLeast, GLX_ACCUM_RED_SIZE, glxValue<GLX_ACCUM_RED_SIZE>},
    {WGL_ACCUM_GREEN_BITS_ARB, Match::atLeast, GLX_ACCUM_GREEN_SIZE,
     glxValue<GLX_ACCUM_GREEN_SIZE>},
    {WGL_ACCUM_BLUE_BITS_ARB, Match::atLeast, GLX_ACCUM_BLUE_SIZE, glxValue<GLX_ACCUM_BLUE_SIZE>},
    {WGL_ACCUM_ALPHA_BITS_ARB, Match::atLeast, GLX_ACCUM_ALPHA_SIZE,
     glxValue<GLX_ACCUM_ALPHA_SIZE>},
    {WGL_DEPTH_BITS_ARB, Match::atLeast, GLX_DEPTH_SIZE, glxValue<GLX_DEPTH_SIZE>},
    {WGL_STENCIL_BITS_ARB, Match::atLeast, GLX_STENCIL_SIZE, glxValue<GLX_STENCIL_SIZE>},
    {WGL_AUX_BUFFERS_ARB, Match::atLeast, GLX_AUX_BUFFERS, glxValue<GLX_AUX_BUFFERS>},
};

const PixelFormatAttribute multisampleAttributes[] = {
    {WGL_SAMPLE_BUFFERS_ARB, Match::atLeast, GLX_SAMPLE_BUFFERS, glxValue<GLX_SAMPLE_BUFFERS>},
    {WGL_SAMPLES_ARB, Match::atLeast, GLX_SAMPLES, glxValue<GLX_SAMPLES>},
};

// WGL_FRAMEBUFFER_SRGB_CAPABLE_EXT has the same value.
const PixelFormatAttribute srgbAttribute = {WGL_FRAMEBUFFER_SRGB_CAPABLE_ARB, Match::exactly,
                                            GLX_FRAMEBUFFER_SRGB_CAPABLE_ARB,
                                            glxValue<GLX_FRAMEBUFFER_SRGB_CAPABLE_ARB>};

} // namespace

const PixelFormatAttribute* pixelFormatAttribute(int name) {
    for (const PixelFormatAttribute& attribute : pixelFormatAttributes)
        if (attribute.name == name)
            return &attribute;
    for (const PixelFormatAttribute& attribute : multisampleAttributes)
        if (attribute.name == name && wglOffers("WGL_ARB_multisample"))
            return &attribute;
    if (name == srgbAttribute.name && wglOffers("WGL_ARB_framebuffer_sRGB"))
        return &srgbAttribute;
    return nullptr;
}

int pixelFormatValue(GLXFBConfig config, int name) {
    return pixelFormatAttribute(name)->valueOf(config);
}

} // namespace x11
