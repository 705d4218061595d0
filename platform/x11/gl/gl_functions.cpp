#include "gl/gl_functions.h"

#include "gl/glx_extensions.h"
#include "gl/wgl_context.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace x11 {
namespace {

// A GL function and a GL version ("GL_VERSION_3_0") or extension that brings it.
struct Bringer {
    const char* function;
    const char* bringer;
};

// One entry for each version and extension that brings a function, sorted by the function's name:
// made from the Khronos registry when the layer is built (gl_function_table.sh).
const Bringer bringers[] = {
#include "gl_function_table.inc"
};

bool byFunction(const Bringer& entry, const char* name) {
    return std::strcmp(entry.function, name) < 0;
}

// The extensions of a context of GL 3.0 or later are asked for one by one; a list in one string
// may no longer be there (the core profile has none).
std::vector<std::string> extensionsOfCurrentContext(int version) {
    std::vector<std::string> extensions;
    if (version >= 30) {
        const auto extension = glxFunction<PFNGLGETSTRINGIPROC>("glGetStringi");
        GLint count = 0;
        glGetIntegerv(GL_NUM_EXTENSIONS, &count);
        for (GLint i = 0; i < count; ++i)
            if (const GLubyte* name = extension(GL_EXTENSIONS, static_cast<GLuint>(i)))
                extensions.emplace_back(reinterpret_cast<const char*>(name));
    } else if (const GLubyte* list = glGetString(GL_EXTENSIONS)) {
        std::istringstream names(reinterpret_cast<const char*>(list));
        for (std::string name; names >> name;)
            extensions.push_back(name);
    }
    std::sort(extensions.begin(), extensions.end());
    return extensions;
}

// Read the first time a context is asked for a function: they stay as they are for its life.
void learnCapabilities(ContextRecord& context) {
    if (context.glVersion)
        return;
    int major = 0, minor = 0;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version && std::sscanf(version, "%d.%d", &major, &minor) == 2)
        context.glVersion = major * 10 + minor;
    context.glExtensions = extensionsOfCurrentContext(context.glVersion);
}

bool has(const ContextRecord& context, const char* bringer) {
    int major = 0, minor = 0;
    if (std::sscanf(bringer, "GL_VERSION_%d_%d", &major, &minor) == 2)
        return context.glVersion >= major * 10 + minor;
    return std::binary_search(context.glExtensions.begin(), context.glExtensions.end(), bringer);
}

} // namespace

PROC glFunctionOfCurrentContext(const char* name) {
    ContextRecord* context = currentContextRecord();
    if (!context)
        return nullptr;
    learnCapabilities(*context);
    const Bringer* end = std::end(bringers);
    for (const Bringer* entry = std::lower_bound(std::begin(bringers), end, name, byFunction);
         entry != end && std::strcmp(entry->function, name) == 0; ++entry)
        if (has(*context, entry->bringer))
            return reinterpret_cast<PROC>(
                glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
    return nullptr;
}

} // namespace x11
