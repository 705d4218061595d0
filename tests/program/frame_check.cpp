// Preloaded into the real program (LD_PRELOAD), this watches its frames without changing them:
// every call goes on to libGL. At exit it writes to the file FRAME_CHECK_REPORT names how many
// frames were presented, and how many of them were presented without both buffers cleared since
// the frame before.
#include <GL/glx.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

long presentedFrames = 0;
long unclearedFrames = 0;
GLbitfield clearedSinceLastFrame = 0;

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

__attribute__((destructor)) void writeReport() {
    const char* path = std::getenv("FRAME_CHECK_REPORT");
    if (FILE* report = path ? std::fopen(path, "w") : nullptr) {
        std::fprintf(report, "%ld frames, %ld uncleared\n", presentedFrames, unclearedFrames);
        std::fclose(report);
    }
}

} // namespace

extern "C" void glClear(GLbitfield mask) {
    static const auto clear = next<void (*)(GLbitfield)>("glClear");
    clear(mask);
    clearedSinceLastFrame |= mask;
}

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto swap = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    swap(display, drawable);
    const GLbitfield both = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT;
    presentedFrames += 1;
    unclearedFrames += (clearedSinceLastFrame & both) != both;
    clearedSinceLastFrame = 0;
}
