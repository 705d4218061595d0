// Preloaded into the real program (LD_PRELOAD), this watches its frames without changing them:
// every call goes on to libGL. Into the file FRAME_CHECK_REPORT it writes, for the first frame
// presented at each viewport, the GL state the frame was drawn with; and at exit how many frames
// were presented, and how many of them without both buffers cleared or without the model-view
// matrix reset since the frame before.
#include <GL/glx.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

std::FILE* report = std::fopen(std::getenv("FRAME_CHECK_REPORT"), "w");
long presentedFrames = 0;
long unclearedFrames = 0;
long unresetFrames = 0;
GLbitfield cleared = 0;
bool reset = false;
GLint lastViewport[4] = {};

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// viewport x y width height, the projection's elements 0, 5, 10, 11 and 14, the clear colour and
// depth, then shade model, depth function, perspective hint, texturing, depth test, depth writes,
// matrix mode and the GL error.
void writeState(const GLint* viewport) {
    GLdouble projection[16], clear[5];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_COLOR_CLEAR_VALUE, clear);
    glGetDoublev(GL_DEPTH_CLEAR_VALUE, clear + 4);
    std::fprintf(report, "viewport %d %d %d %d projection %.6g %.6g %.6g %.6g %.6g clear",
                 viewport[0], viewport[1], viewport[2], viewport[3], projection[0], projection[5],
                 projection[10], projection[11], projection[14]);
    for (GLdouble value : clear)
        std::fprintf(report, " %g", value);
    for (GLenum name : {GL_SHADE_MODEL, GL_DEPTH_FUNC, GL_PERSPECTIVE_CORRECTION_HINT,
                        GL_TEXTURE_2D, GL_DEPTH_TEST, GL_DEPTH_WRITEMASK, GL_MATRIX_MODE}) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        std::fprintf(report, " %#x", value);
    }
    std::fprintf(report, " error %#x\n", glGetError());
}

__attribute__((destructor)) void writeCounts() {
    std::fprintf(report, "%ld frames, %ld uncleared, %ld unreset\n", presentedFrames,
                 unclearedFrames, unresetFrames);
    std::fclose(report);
}

} // namespace

extern "C" void glClear(GLbitfield mask) {
    static const auto clear = next<void (*)(GLbitfield)>("glClear");
    clear(mask);
    cleared |= mask;
}

extern "C" void glLoadIdentity() {
    static const auto loadIdentity = next<void (*)()>("glLoadIdentity");
    loadIdentity();
    reset = true;
}

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto swap = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (std::memcmp(viewport, lastViewport, sizeof viewport) != 0)
        writeState(viewport);
    std::memcpy(lastViewport, viewport, sizeof viewport);
    swap(display, drawable);
    const GLbitfield both = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT;
    presentedFrames += 1;
    unclearedFrames += (cleared & both) != both;
    unresetFrames += !reset;
    cleared = 0;
    reset = false;
}
