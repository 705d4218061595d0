#include "cube.h"

#include "platform/platform.h"

namespace {

const float viewerDistance = 6.0f;

// Each face: its outward normal, its colour, and its corners counter-clockwise seen from outside.
struct Face {
    GLfloat normal[3];
    GLfloat colour[3];
    GLfloat corners[4][3];
};
const Face faces[] = {
    {{0, 0, 1}, {0.9f, 0.3f, 0.2f}, {{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}},
    {{0, 0, -1}, {0.2f, 0.7f, 0.3f}, {{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}}},
    {{1, 0, 0}, {0.2f, 0.4f, 0.9f}, {{1, -1, 1}, {1, -1, -1}, {1, 1, -1}, {1, 1, 1}}},
    {{-1, 0, 0}, {0.9f, 0.8f, 0.2f}, {{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}},
    {{0, 1, 0}, {0.8f, 0.3f, 0.8f}, {{-1, 1, 1}, {1, 1, 1}, {1, 1, -1}, {-1, 1, -1}}},
    {{0, -1, 0}, {0.3f, 0.8f, 0.8f}, {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}},
};

} // namespace

// The window object's state enables 2D texturing, which a scene without textures turns off.
void setUpLighting() {
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    const GLfloat ambient[] = {0.25f, 0.25f, 0.25f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glEnable(GL_CULL_FACE);
}

void drawCube(double spin, double yaw, double pitch) {
    // The light is placed in eye coordinates, so it stays put while the cube turns.
    const GLfloat lightPosition[] = {-3.0f, 4.0f, 2.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);

    glTranslatef(0.0f, 0.0f, -viewerDistance);
    glRotated(pitch, 1.0, 0.0, 0.0);
    glRotated(yaw, 0.0, 1.0, 0.0);
    glRotated(spin, 0.3, 1.0, 0.2);
    glBegin(GL_QUADS);
    for (const Face& face : faces) {
        glNormal3fv(face.normal);
        glColor3fv(face.colour);
        for (const GLfloat* corner : face.corners)
            glVertex3fv(corner);
    }
    glEnd();
}
