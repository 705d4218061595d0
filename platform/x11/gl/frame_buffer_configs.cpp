#include "gl/frame_buffer_configs.h"

#include "xlib/connection.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace x11 {

FrameBufferConfigs::FrameBufferConfigs() {
    if (display() && glXQueryExtension(display(), nullptr, nullptr))
        list = glXGetFBConfigs(display(), screen(), &count);
}

FrameBufferConfigs::FrameBufferConfigs(const int* glxAttributes) {
    list = glXChooseFBConfig(display(), screen(), glxAttributes, &count);
}

FrameBufferConfigs::~FrameBufferConfigs() {
    if (list)
        XFree(list);
}

const FrameBufferConfigs& serverConfigs() {
    static const FrameBufferConfigs all;
    return all;
}

GLXFBConfig configOfPixelFormat(int format) {
    const FrameBufferConfigs& all = serverConfigs();
    return format >= 1 && format <= all.count ? all.list[format - 1] : nullptr;
}

// GLX gives a configuration the same handle in every list it returns, so the handles of the
// server's list, sorted once, find the number of any configuration GLX gives.
int pixelFormatOf(GLXFBConfig config) {
    static const std::vector<std::pair<GLXFBConfig, int>> numbered = [] {
        const FrameBufferConfigs& all = serverConfigs();
        std::vector<std::pair<GLXFBConfig, int>> pairs;
        for (int i = 0; i < all.count; ++i)
            pairs.emplace_back(all.list[i], i + 1);
        std::sort(pairs.begin(), pairs.end(), std::less<>());
        return pairs;
    }();
    const auto found = std::lower_bound(numbered.begin(), numbered.end(), std::make_pair(config, 0),
                                        std::less<>());
    return found != numbered.end() && found->first == config ? found->second : 0;
}

int configAttribute(GLXFBConfig config, int attribute) {
    int value = 0;
    glXGetFBConfigAttrib(display(), config, attribute, &value);
    return value;
}

bool hasColorVisual(GLXFBConfig config) {
    const int visualType = configAttribute(config, GLX_X_VISUAL_TYPE);
    return visualType == GLX_TRUE_COLOR || visualType == GLX_DIRECT_COLOR;
}

} // namespace x11
