#include "render/shapes.h"

#include <GL/gl.h>

#include "model/track_geometry.h"

void filledRect(float x0, float y0, float x1, float y1) {
  glBegin(GL_QUADS);
  glVertex2f(x0, y0);
  glVertex2f(x1, y0);
  glVertex2f(x1, y1);
  glVertex2f(x0, y1);
  glEnd();
}

void drawRoundedRect(float x, float y, float w, float h, float r) {
  // The body as a middle column and two side strips that meet it without
  // overlapping: the same pixels as two crossed rectangles, each shaded once.
  filledRect(x + r, y, x + w - r, y + h);
  filledRect(x, y + r, x + r, y + h - r);
  filledRect(x + w - r, y + r, x + w, y + h - r);
  const float centres[4][2] = {
      {x + w - r, y + h - r}, {x + r, y + h - r}, {x + r, y + r}, {x + w - r, y + r}};
  for (int c = 0; c < 4; ++c) {
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(centres[c][0], centres[c][1]);
    for (int k = 4 * c; k <= 4 * c + 4; ++k) {
      int degree = k * 360 / 16;
      glVertex2f(centres[c][0] + r * cosTable[degree], centres[c][1] + r * sinTable[degree]);
    }
    glEnd();
  }
}
