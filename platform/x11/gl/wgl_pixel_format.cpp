// WGL_ARB_pixel_format: pixel formats described and chosen attribute by attribute
// (gl/pixel_format_attributes.h), numbered as ChoosePixelFormat numbers them.
#include "core/device_context.h"
#include "gl/frame_buffer_configs.h"
#include "gl/pixel_format_attributes.h"
#include "gl/wgl_extension_functions.h"

#include <cmath>
#include <vector>

namespace x11 {
namespace {

struct Asked {
    const PixelFormatAttribute* attribute;
    int value;
};

// The pairs of both lists, each ended by 0 or null for none; false for an attribute the offered
// extensions do not define. Float values count rounded.
bool readRequest(const int* integers, const FLOAT* floats, std::vector<Asked>& asked) {
    for (const int* pair = integers; pair && pair[0]; pair += 2)
        asked.push_back({pixelFormatAttribute(pair[0]), pair[1]});
    for (const FLOAT* pair = floats; pair && pair[0] != 0; pair += 2)
        asked.push_back({pixelFormatAttribute(static_cast<int>(pair[0])),
                         static_cast<int>(std::lround(pair[1]))});
    for (const Asked& each : asked)
        if (!each.attribute)
            return false;
    return true;
}

bool matches(GLXFBConfig config, const std::vector<Asked>& asked) {
    for (const Asked& each : asked) {
        const int value = each.attribute->valueOf(config);
        if ((each.attribute->match == Match::exactly && value != each.value) ||
            (each.attribute->match == Match::atLeast && value < each.value))
            return false;
    }
    return true;
}

// The same request in GLX's terms, as far as GLX has them, so that GLX orders the formats that
// may match best first by its rules; GLX's defaults, which would leave formats out unasked, are
// set aside. A window needs a visual besides.
std::vector<int> glxRequestOf(const std::vector<Asked>& asked) {
    const int dontCare = static_cast<int>(GLX_DONT_CARE);
    int drawableTypes = 0;
    // clang-format off
    std::vector<int> glx = {GLX_RENDER_TYPE,      0,
                            GLX_STEREO,           dontCare,
                            GLX_TRANSPARENT_TYPE, dontCare};
    // clang-format on
    for (const Asked& each : asked) {
        if (each.attribute->glxName)
            glx.insert(glx.end(), {each.attribute->glxName, each.value});
        if (each.attribute->name == WGL_DRAW_TO_WINDOW_ARB && each.value) {
            drawableTypes = GLX_WINDOW_BIT;
            glx.insert(glx.end(), {GLX_X_RENDERABLE, True});
        }
    }
    glx.insert(glx.end(), {GLX_DRAWABLE_TYPE, drawableTypes, None});
    return glx;
}

// Answers for each attribute, each read by `read`; false with none read when an attribute is one
// the offered extensions do not define, or the format is none.
template <typename Value>
BOOL readAttributes(HDC deviceContext, int format, int layerPlane, UINT count,
                    const int* attributes, Value* values) {
    if (!windowOfDeviceContext(deviceContext)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    bool formatNeeded = false;
    for (UINT i = 0; i < count; ++i) {
        if (!pixelFormatAttribute(attributes[i])) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        formatNeeded |= attributes[i] != WGL_NUMBER_PIXEL_FORMATS_ARB;
    }
    // The main plane is the only one there is.
    const GLXFBConfig config = configOfPixelFormat(format);
    if (layerPlane != 0 || (formatNeeded && !config))
        return FALSE;
    for (UINT i = 0; i < count; ++i)
        values[i] = static_cast<Value>(pixelFormatAttribute(attributes[i])->valueOf(config));
    return TRUE;
}

} // namespace

// The formats that match, best first, as many as there is room for.
BOOL WINAPI wglChoosePixelFormatARB(HDC deviceContext, const int* integerAttributes,
                                    const FLOAT* floatAttributes, UINT maxFormats, int* formats,
                                    UINT* formatCount) {
    if (!windowOfDeviceContext(deviceContext)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::vector<Asked> asked;
    if (!readRequest(integerAttributes, floatAttributes, asked)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const FrameBufferConfigs candidates(glxRequestOf(asked).data());
    UINT found = 0;
    for (int i = 0; i < candidates.count && found < maxFormats; ++i)
        if (matches(candidates.list[i], asked))
            formats[found++] = pixelFormatOf(candidates.list[i]);
    if (formatCount)
        *formatCount = found;
    return TRUE;
}

BOOL WINAPI wglGetPixelFormatAttribivARB(HDC deviceContext, int format, int layerPlane,
                                         UINT attributeCount, const int* attributes, int* values) {
    return readAttributes(deviceContext, format, layerPlane, attributeCount, attributes, values);
}

BOOL WINAPI wglGetPixelFormatAttribfvARB(HDC deviceContext, int format, int layerPlane,
                                         UINT attributeCount, const int* attributes,
                                         FLOAT* values) {
    return readAttributes(deviceContext, format, layerPlane, attributeCount, attributes, values);
}

} // namespace x11
