// Preloaded into the program (LD_PRELOAD), this tells the tests what the program does with GL
// without changing it: the frames it presents and the viewport it last set, rewritten in place in
// the file TALVO_PROBE names as one line, "FRAMES WIDTH HEIGHT".
#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

long frames = 0;
GLsizei viewportWidth = -1;
GLsizei viewportHeight = -1;

template <typename Function> Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

void report() {
    static const int file = open(std::getenv("TALVO_PROBE"), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char line[64];
    const int length =
        std::snprintf(line, sizeof(line), "%12ld %8d %8d\n", frames, viewportWidth, viewportHeight);
    if (pwrite(file, line, length, 0) != length)
        std::abort();
}

} // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto swap = real<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    swap(display, drawable);
    frames += 1;
    report();
}

extern "C" void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    static const auto viewport = real<void (*)(GLint, GLint, GLsizei, GLsizei)>("glViewport");
    viewport(x, y, width, height);
    viewportWidth = width;
    viewportHeight = height;
    report();
}
