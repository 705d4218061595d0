// A cube lit from the viewer's upper left, each face in a colour of its own.
#ifndef TALVO_EXAMPLES_TURNING_CUBE_CUBE_H
#define TALVO_EXAMPLES_TURNING_CUBE_CUBE_H

// Once, with the context current: light and materials.
void setUpLighting();
// Each frame, on the identity model-view matrix beginFrame leaves: the cube turned by the three
// angles, in degrees, in front of the viewer.
void drawCube(double spin, double yaw, double pitch);

#endif
