#include "ui/manual_screen.h"

#include <cmath>
#include <cstdio>

#include <GL/freeglut.h>

#include "model/occupancy.h"
#include "model/screens.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/widgets.h"
#include "texts/language_texts.h"
#include "texts/manual.h"

namespace {

const unsigned char KEY_ENTER = 13;
const unsigned char KEY_ESCAPE = 27;
const unsigned char KEY_SPACE = 32;

bool onFirstPage() { return manualPage == 0; }
bool onLastPage() { return manualPage + 1 >= manualPageCount; }

// Each returns whether the page changed.
bool pageBack() {
  if (onFirstPage()) return false;
  --manualPage;
  return true;
}
bool pageOn() {
  if (onLastPage()) return false;
  ++manualPage;
  return true;
}
bool firstPage() {
  if (onFirstPage()) return false;
  manualPage = 0;
  return true;
}
bool lastPage() {
  if (manualPageCount == 0 || manualPage == manualPageCount - 1) return false;
  manualPage = static_cast<uint8_t>(manualPageCount - 1);
  return true;
}

void closeManual() {
  currentScreen = SCREEN_MAIN_MENU;
  onDisplay();
}

}  // namespace

void openManual() {
  manualPage = 0;
  currentScreen = SCREEN_MANUAL;
}

void manualPreviousButtonRect(float* x, float* y, float* w, float* h) {
  // Widened for its label, the button keeps its right edge by the counter.
  const float laidWidth = 0.1f * static_cast<float>(drawAreaWidth);
  *w = fittedButtonWidth(laidWidth, textPreviousPage);
  *x = anchoredButtonX(0.325f * static_cast<float>(drawAreaWidth), laidWidth, *w, ANCHOR_RIGHT);
  *y = manualOkButtonY;
  *h = buttonHeight;
}

void manualNextButtonRect(float* x, float* y, float* w, float* h) {
  *x = 0.575f * static_cast<float>(drawAreaWidth);
  *y = manualOkButtonY;
  *w = fittedButtonWidth(0.1f * static_cast<float>(drawAreaWidth), textNextPage);
  *h = buttonHeight;
}

void drawManualScreen() {
  if (currentScreen != SCREEN_MANUAL) return;
  // The outline runs through pixel centres, so that no edge falls between
  // two rows or columns of pixels and vanishes.
  const float left = std::floor(manualBoxX) + 0.5f;
  const float top = std::floor(manualBoxY) + 0.5f;
  const float right = std::floor(manualBoxX + manualBoxWidth) + 0.5f;
  const float bottom = std::floor(manualBoxY + manualBoxHeight) + 0.5f;
  glColor3f(1, 1, 1);
  glBegin(GL_LINE_LOOP);
  glVertex2f(left, top);
  glVertex2f(right, top);
  glVertex2f(right, bottom);
  glVertex2f(left, bottom);
  glEnd();

  int page = manualPage < manualPageCount ? manualPage : 0;
  drawText(manualBoxX + wrapPaddingX, manualBoxY + 20, ALIGN_LEFT, manualPageStarts[page],
           FONT_LARGE, manualWrapWidth(), 20, manualLinesPerPage);

  float px, py, pw, ph, nx, ny, nw, nh;
  manualPreviousButtonRect(&px, &py, &pw, &ph);
  manualNextButtonRect(&nx, &ny, &nw, &nh);
  char label[16];
  std::snprintf(label, sizeof label, "%d/%d", manualPage + 1, manualPageCount);
  glColor3f(1, 1, 1);
  drawText((px + pw + nx) / 2, manualOkButtonY + 0.5f * buttonHeight, ALIGN_CENTRE, label,
           FONT_LARGE, -1, 0, 0);

  drawButton(manualOkButtonX, manualOkButtonY, buttonWidth, buttonHeight, 1, "OK", 0);
  drawButton(px, py, pw, ph, onFirstPage() ? 0 : 1, textPreviousPage, -1);
  drawButton(nx, ny, nw, nh, onLastPage() ? 0 : 1, textNextPage, -1);
}

void manualScreenMouse(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return;
  float bx, by, bw, bh;
  if (pointInRect(x, y, manualOkButtonX, manualOkButtonY, buttonWidth, buttonHeight)) {
    closeManual();
    return;
  }
  manualPreviousButtonRect(&bx, &by, &bw, &bh);
  if (pointInRect(x, y, bx, by, bw, bh)) {
    pageBack();
    onDisplay();
    return;
  }
  manualNextButtonRect(&bx, &by, &bw, &bh);
  if (pointInRect(x, y, bx, by, bw, bh)) {
    pageOn();
    onDisplay();
  }
}

void manualScreenKey(unsigned char key) {
  if (key == KEY_ESCAPE || toLowerAscii(static_cast<char>(key)) == 'o') {
    closeManual();
  } else if (key == KEY_ENTER || key == KEY_SPACE) {
    pageOn();
    onDisplay();
  }
}

void manualScreenSpecialKey(int key) {
  bool changed = false;
  switch (key) {
    case GLUT_KEY_LEFT:
    case GLUT_KEY_UP:
    case GLUT_KEY_PAGE_UP: changed = pageBack(); break;
    case GLUT_KEY_RIGHT:
    case GLUT_KEY_DOWN:
    case GLUT_KEY_PAGE_DOWN: changed = pageOn(); break;
    case GLUT_KEY_HOME: changed = firstPage(); break;
    case GLUT_KEY_END: changed = lastPage(); break;
    default: break;
  }
  if (changed) onDisplay();
}
