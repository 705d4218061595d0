// Preloaded into a program that calls libGL's glXSwapBuffers itself (LD_PRELOAD), this counts
// its frames without changing the program: every swap goes to the real glXSwapBuffers, then to
// the frame counter. The library does not link libGL, so preloading it loads nothing early.
#include <GL/glx.h>
#include <dlfcn.h>

#include "frame_counter.h"

namespace {

using SwapBuffers = void (*)(Display*, GLXDrawable);

SwapBuffers realSwapBuffers() {
    static const SwapBuffers swap =
        reinterpret_cast<SwapBuffers>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    return swap;
}

} // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    realSwapBuffers()(display, drawable);
    frameCounterPresented();
}
