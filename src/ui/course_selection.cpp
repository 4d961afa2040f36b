#include "ui/course_selection.h"
#include "ui/saved_courses.h"

#include <cmath>
#include <cstring>

#include <GL/freeglut.h>

#include "files/course_file.h"
#include "model/board_sections.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/widgets.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"

int hoverCourseTile = -1;
float courseTilesX = 0, courseTilesY = 0, courseTileGapX = 0, courseTileGapY = 0;
float useSavedCourseButtonX = 0, useSavedCourseButtonY = 0;
float createCourseButtonX = 0, createCourseButtonY = 0;
float courseChoiceButtonWidth = 0;

namespace {

// How far below a tile its hover zone reaches, over the caption.
const float CAPTION_ZONE = 34;

void tileCorner(int tile, float* x, float* y) {
  const int column = tile % 2;
  const int row = tile / 2;
  *x = courseTilesX + static_cast<float>(column) * (courseTileWidth + courseTileGapX);
  *y = courseTilesY + static_cast<float>(row) * (courseTileHeight + courseTileGapY);
}

void useSavedCourse() {
  std::memset(courseSpec, 0, sizeof courseSpec);
  loadSavedCourse(0);
  savedCourseIndex = 0;
  currentScreen = SCREEN_SAVED_COURSES;
  onDisplay();
}

void createNewCourse() {
  resetCourseDesign();
  currentScreen = SCREEN_COURSE_DESIGN;
  onDisplay();
}

void backFromCourseSelection() {
  currentScreen = previousScreen;
  onDisplay();
}

}  // namespace

void computeCourseSelectionLayout() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  courseTilesX = 0.5f * W - 1.1f * courseTileWidth;
  courseTilesY = 0.17f * H;
  courseTileGapX = W - 2 * courseTileWidth - 2 * courseTilesX;
  courseTileGapY = 0.08f * H;
  // The two choices share one width, wide enough for both labels; widened,
  // they grow apart from the gap between them.
  courseChoiceButtonWidth =
      fittedButtonWidth(fittedButtonWidth(0.2f * W, textUseSavedCourse), textCreateNewCourse);
  useSavedCourseButtonX = anchoredButtonX(0.25f * W, 0.2f * W, courseChoiceButtonWidth, ANCHOR_RIGHT);
  createCourseButtonX = 0.55f * W;
  useSavedCourseButtonY = createCourseButtonY = 0.93f * H;
}

int courseTileAt(float x, float y) {
  const float rowStep = courseTileHeight + courseTileGapY;
  const float columnStep = courseTileWidth + courseTileGapX;
  if (y < courseTilesY || x < courseTilesX || rowStep <= 0 || columnStep <= 0) return -1;
  if (std::fmod(y - courseTilesY, rowStep) > courseTileHeight + CAPTION_ZONE) return -1;
  if (std::fmod(x - courseTilesX, columnStep) > courseTileWidth) return -1;
  const int row = static_cast<int>(std::floor((y - courseTilesY) / rowStep));
  const int column = static_cast<int>(std::floor((x - courseTilesX) / columnStep));
  if (row > 1 || column > 1) return -1;
  return column + 2 * row;
}

void openCourseSelection() {
  hoverCourseTile = -1;
  currentScreen = SCREEN_COURSE_SELECTION;
  onDisplay();
}

void drawCourseSelection() {
  if (currentScreen != SCREEN_COURSE_SELECTION) return;
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  glColor3f(1, 1, 1);
  drawText(0.5f * W, 0.12f * H, ALIGN_CENTRE, textCourseSelection, FONT_LARGE, -1, 0, 0);
  for (int tile = 0; tile < 4; ++tile) {
    float x, y;
    tileCorner(tile, &x, &y);
    glPushMatrix();
    glTranslatef(x, y, 0);
    glCallList(coursePreviewLists[tile]);
    if (tile == hoverCourseTile) {
      const float a = std::floor(courseTileWidth + 5);
      const float b = std::floor(courseTileHeight + 38);
      glColor3f(0.7f, 0.7f, 0.7f);
      glLineWidth(2);
      glBegin(GL_LINE_LOOP);
      glVertex2f(-5, -5);
      glVertex2f(a, -5);
      glVertex2f(a, b);
      glVertex2f(-5, b);
      glEnd();
      glLineWidth(1);
    }
    glPopMatrix();
    const CourseLapText lap = formatCourseLap(predefinedCourses[tile], 0);
    const float centre = x + 0.5f * courseTileWidth;
    const float captionY = y + courseTileHeight + 10;
    glColor3f(1, 1, 1);
    drawText(centre, captionY, ALIGN_CENTRE, lap.names(), FONT_FIXED, -1, 0, 0);
    glColor3f(0.7f, 0.7f, 0.7f);
    drawText(centre, captionY + 0.02f * H, ALIGN_CENTRE, lap.marks(), FONT_FIXED, -1, 0, 0);
  }
  drawButton(useSavedCourseButtonX, useSavedCourseButtonY, courseChoiceButtonWidth, buttonHeight, 1,
             textUseSavedCourse, hotKeyOf(HOTKEY_USE_SAVED_COURSE));
  drawButton(createCourseButtonX, createCourseButtonY, courseChoiceButtonWidth, buttonHeight, 1,
             textCreateNewCourse, hotKeyOf(HOTKEY_CREATE_NEW_COURSE));
  drawButton(courseSelectBackButtonX, courseSelectBackButtonY, buttonWidth, buttonHeight, 1,
             textBackCourses, hotKeyOf(HOTKEY_BACK_COURSES));
}

bool courseSelectionMouse(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return true;
  // A tile is chosen only when the pointer has moved onto it on this screen
  // and the click lies in it too: the second click of a double click on the
  // previous screen's button lands here with no motion and starts nothing.
  const int tile = courseTileAt(x, y);
  if (tile != -1 && tile == hoverCourseTile) {
    startRaceOnCourse(predefinedCourses[tile]);
  } else if (pointInRect(x, y, createCourseButtonX, createCourseButtonY, courseChoiceButtonWidth,
                         buttonHeight)) {
    createNewCourse();
  } else if (pointInRect(x, y, useSavedCourseButtonX, useSavedCourseButtonY,
                         courseChoiceButtonWidth, buttonHeight)) {
    useSavedCourse();
  } else if (pointInRect(x, y, courseSelectBackButtonX, courseSelectBackButtonY, buttonWidth,
                         buttonHeight)) {
    backFromCourseSelection();
  }
  return true;
}

bool courseSelectionKey(unsigned char key) {
  const char letter = toLowerAscii(static_cast<char>(key));
  if (letter == 0) return true;
  if (letter == hotKeyLetter(textCreateNewCourse, HOTKEY_CREATE_NEW_COURSE))
    createNewCourse();
  else if (letter == hotKeyLetter(textUseSavedCourse, HOTKEY_USE_SAVED_COURSE))
    useSavedCourse();
  else if (letter == hotKeyLetter(textBackCourses, HOTKEY_BACK_COURSES))
    backFromCourseSelection();
  return true;
}

void courseSelectionHover(float x, float y) {
  const int old = hoverCourseTile;
  hoverCourseTile = courseTileAt(x, y);
  if (hoverCourseTile != old) onDisplay();
}
