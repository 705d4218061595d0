// freeglut's way to the same frames, in GLUT's own loop: the idle callback asks for a redisplay
// so the main loop polls events without waiting and draws on every pass. freeglut calls libGL's
// glXSwapBuffers, where the preloaded frame counter sees it.
#include <GL/freeglut.h>

namespace {

void drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glutSwapBuffers();
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayString("rgb double depth=16");
    glutInitWindowSize(640, 480);
    glutCreateWindow("freeglut");
    // Closing the window ends the loop instead of calling exit() from inside it.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutDisplayFunc(drawFrame);
    glutIdleFunc(glutPostRedisplay);
    glutMainLoop();
    return 0;
}
