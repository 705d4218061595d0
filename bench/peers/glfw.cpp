// GLFW's way to the same frames. GLFW loads libGL itself, so the frame counter is built in and
// called after each swap.
#include <GLFW/glfw3.h>
#include <cstdio>

#include "frame_counter.h"

namespace {

void askForProgramPixelFormat() {
    glfwWindowHint(GLFW_RED_BITS, 8);
    glfwWindowHint(GLFW_GREEN_BITS, 8);
    glfwWindowHint(GLFW_BLUE_BITS, 8);
    glfwWindowHint(GLFW_ALPHA_BITS, 0);
    glfwWindowHint(GLFW_DEPTH_BITS, 16);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    glfwWindowHint(GLFW_DOUBLEBUFFER, GLFW_TRUE);
}

} // namespace

int main() {
    if (!glfwInit()) {
        std::fprintf(stderr, "GLFW: initialisation failed\n");
        return 1;
    }
    askForProgramPixelFormat();
    GLFWwindow* window = glfwCreateWindow(640, 480, "GLFW", nullptr, nullptr);
    if (!window) {
        std::fprintf(stderr, "GLFW: no window\n");
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(window);
    glfwSwapInterval(0);

    for (;;) {
        glfwPollEvents();
        if (glfwWindowShouldClose(window))
            break;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glfwSwapBuffers(window);
        frameCounterPresented();
    }

    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
