#include "ui/language_screen.h"

#include <cmath>
#include <string>
#include <vector>

#include <GL/freeglut.h>

#include "files/settings_file.h"
#include "model/screens.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/shapes.h"
#include "texts/language_texts.h"

const char languageNames[4][11] = {"Deutsch", "English", "Fran\xe7" "ais", "Nederlands"};

int languageHover = -1;

namespace {

const float ROW_LEFT = 0.1f;     // of W
const float ROW_WIDTH = 0.8f;    // of W
const float LIST_TOP = 0.1f;     // of H
const float ROW_HEIGHT = 0.15f;  // of H
const float ROW_GAP = 0.067f;    // of H

void triangle(float x0, float y0, float x1, float y1, float x2, float y2) {
  glBegin(GL_TRIANGLES);
  glVertex2f(x0, y0);
  glVertex2f(x1, y1);
  glVertex2f(x2, y2);
  glEnd();
}

struct Point {
  float x, y;
};

// The part of a convex polygon on the inner side of one edge of a box:
// axis 0 cuts at x = limit, axis 1 at y = limit; keepBelow keeps the side
// of smaller values.
std::vector<Point> clipToEdge(const std::vector<Point>& polygon, int axis, float limit,
                              bool keepBelow) {
  std::vector<Point> kept;
  auto inside = [&](const Point& p) {
    float v = axis == 0 ? p.x : p.y;
    return keepBelow ? v <= limit : v >= limit;
  };
  for (size_t i = 0; i < polygon.size(); ++i) {
    const Point& a = polygon[i];
    const Point& b = polygon[(i + 1) % polygon.size()];
    if (inside(a)) kept.push_back(a);
    if (inside(a) != inside(b)) {
      float va = axis == 0 ? a.x : a.y;
      float vb = axis == 0 ? b.x : b.y;
      float t = (limit - va) / (vb - va);
      kept.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
  }
  return kept;
}

// A strip of the given thickness from (x0, y0) to (x1, y1), cut off at the
// edges of the flag's box so that its ends stay inside the flag.
void strip(float x0, float y0, float x1, float y1, float thickness, float boxX, float boxY,
           float boxW, float boxH) {
  float dx = x1 - x0;
  float dy = y1 - y0;
  float length = std::sqrt(dx * dx + dy * dy);
  if (length <= 0) return;
  float nx = -dy / length * thickness / 2;
  float ny = dx / length * thickness / 2;
  std::vector<Point> polygon = {
      {x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}};
  polygon = clipToEdge(polygon, 0, boxX, false);
  polygon = clipToEdge(polygon, 0, boxX + boxW, true);
  polygon = clipToEdge(polygon, 1, boxY, false);
  polygon = clipToEdge(polygon, 1, boxY + boxH, true);
  if (polygon.size() < 3) return;
  glBegin(GL_POLYGON);
  for (const Point& p : polygon) glVertex2f(p.x, p.y);
  glEnd();
}

void threeStripes(float x, float y, float w, float h, bool vertical, const float colours[3][3]) {
  for (int i = 0; i < 3; ++i) {
    glColor3fv(colours[i]);
    if (vertical)
      filledRect(x + i * w / 3, y, x + (i + 1) * w / 3, y + h);
    else
      filledRect(x, y + i * h / 3, x + w, y + (i + 1) * h / 3);
  }
}

// The English flag: white ground, a red upright cross and red diagonals,
// blue triangles in the eight fields between them.
void crossFlag(float x, float y, float w, float h) {
  glColor3f(1, 1, 1);
  filledRect(x, y, x + w, y + h);
  glColor3f(0.8f, 0, 0);
  strip(x, y, x + w, y + h, h / 10, x, y, w, h);
  strip(x, y + h, x + w, y, h / 10, x, y, w, h);
  filledRect(x, y + 0.4f * h, x + w, y + 0.6f * h);
  filledRect(x + 0.5f * w - 0.1f * h, y, x + 0.5f * w + 0.1f * h, y + h);
  // Each quarter (left or right, top or bottom) has a field along the long
  // edge and one along the short edge, split by the diagonal.
  glColor3f(0, 0, 0.5f);
  const float gapX = 0.5f * w - 0.17f * h;  // quarter width inside the white border
  const float gapY = 0.33f * h;             // quarter height inside the white border
  for (int side = 0; side < 2; ++side) {
    for (int half = 0; half < 2; ++half) {
      // Corner of the flag this quarter touches, and the directions into it.
      float cx = side == 0 ? x : x + w;
      float cy = half == 0 ? y : y + h;
      float sx = side == 0 ? 1.0f : -1.0f;
      float sy = half == 0 ? 1.0f : -1.0f;
      triangle(cx + sx * 0.2f * gapX, cy, cx + sx * gapX, cy, cx + sx * gapX,
               cy + sy * 0.8f * gapY);
      triangle(cx, cy + sy * 0.3f * gapY, cx, cy + sy * gapY, cx + sx * 0.7f * gapX,
               cy + sy * gapY);
    }
  }
}

void drawFlag(const char* name, float x, float y, float w, float h) {
  static const float german[3][3] = {{0, 0, 0}, {0.8f, 0, 0}, {0.8f, 0.8f, 0}};
  static const float dutch[3][3] = {{0.8f, 0, 0}, {1, 1, 1}, {0, 0, 0.5f}};
  static const float french[3][3] = {{0, 0, 0.5f}, {1, 1, 1}, {0.8f, 0, 0}};
  std::string n(name);
  if (n == "Deutsch")
    threeStripes(x, y, w, h, false, german);
  else if (n == "Nederlands")
    threeStripes(x, y, w, h, false, dutch);
  else if (n == "Fran\xe7" "ais")
    threeStripes(x, y, w, h, true, french);
  else
    crossFlag(x, y, w, h);
}

}  // namespace

void languageRowRect(int row, float* x, float* y, float* w, float* h) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  *x = ROW_LEFT * W;
  *y = LIST_TOP * H + row * (ROW_HEIGHT * H + ROW_GAP * H);
  *w = ROW_WIDTH * W;
  *h = ROW_HEIGHT * H;
}

int languageRowAt(float x, float y) {
  if (drawAreaHeight <= 0) return -1;  // an empty drawing area has no rows
  for (int row = 0; row < 4; ++row) {
    float rx, ry, rw, rh;
    languageRowRect(row, &rx, &ry, &rw, &rh);
    if (pointInRect(x, y, rx, ry, rw, rh)) return row;
  }
  return -1;
}

void openLanguageScreen() {
  languageHover = language < LANGUAGE_COUNT ? language : -1;
  currentScreen = SCREEN_LANGUAGE;
}

void drawLanguageScreen() {
  if (currentScreen != SCREEN_LANGUAGE) return;
  const float H = static_cast<float>(drawAreaHeight);
  const float gap = ROW_GAP * H;
  for (int i = 0; i < 4; ++i) {
    float x, y, w, h;
    languageRowRect(i, &x, &y, &w, &h);
    if (i == languageHover)
      glColor3f(1, 0.5f, 0);
    else
      glColor3f(0, 0, 0.3f);
    drawRoundedRect(x, y, w, h, 0.12f * h);
    float flagWidth = 0.15f * w;
    float flagHeight = 0.1f * w;
    drawFlag(languageNames[i], x + 0.05f * w, y + (h - flagHeight) / 2, flagWidth, flagHeight);
    glColor3f(1, 1, 1);
    drawText(x + 0.225f * w, LIST_TOP * H + (i + 0.54f) * h + i * gap, ALIGN_LEFT,
             languageNames[i], FONT_TIMES, -1, 0, 0);
  }
}

void languageScreenHover(float x, float y) {
  languageHover = languageRowAt(x, y);
  onDisplay();
}

void languageScreenMouse(int button, int state, float x, float y) {
  (void)x;
  (void)y;
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return;
  if (languageHover < 0 || languageHover >= LANGUAGE_COUNT) return;
  language = static_cast<uint8_t>(languageHover);
  writeSettingsFile();
  currentScreen = SCREEN_MAIN_MENU;
  setLanguageTexts();
  computeLayout();  // buttons are as wide as their labels in the new language
  onDisplay();
}
