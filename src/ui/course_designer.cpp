#include "ui/course_designer.h"

#include <algorithm>

#include <GL/freeglut.h>

#include "files/course_file.h"
#include "model/board_sections.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/view_state.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/views.h"
#include "render/widgets.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "ui/course_selection.h"

float choiceListX = 0, choiceListY = 0, choiceCellSize = 0;
float sprintBoxX = 0, sprintBoxY = 0, finishBoxX = 0, finishBoxY = 0;
float undoSectionButtonX = 0, undoSectionButtonY = 0;
float addSectionButtonX = 0, addSectionButtonY = 0;
float saveCourseButtonX = 0, saveCourseButtonY = 0;
float designButtonWidth = 0;
CourseLapList designLapList, savedCoursesLapList;

namespace {

// Least room between the lap list's frame and the undo button.
const float LAP_FRAME_BUTTON_GAP = 2;

bool courseEmpty() { return courseSpec[0] == 0; }

// The section's map as the board is seen from the current camera: its
// viewport, projection and, in 3D, its modelview; the overlay's own state
// is put back afterwards.
void drawSectionMap(int section) {
  if (section < 0 || section >= SECTION_COUNT) return;
  glPushAttrib(GL_VIEWPORT_BIT | GL_ENABLE_BIT);
  glViewport(boardViewport[0] + drawAreaX, boardViewport[1], boardViewport[2], boardViewport[3]);
  glDisable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadMatrixd(projectionMatrices[boardProjectionIndex()]);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadMatrixd(boardView2D == 0 ? boardModelview3D : identityModelview);
  glColor3f(1, 1, 1);
  glCallList(sectionMapLists[section]);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopAttrib();
}

void addOrFinish() {
  if (courseDesignComplete())
    finishCourseDesign();
  else
    appendSection();
}

}  // namespace

CourseLapList placeCourseLapList(float textX, float frameX, float y) {
  CourseLapList list;
  list.frameX = frameX;
  list.frameY = y - 8;
  list.lineStep = 0.02f * static_cast<float>(drawAreaHeight);
  // A glyph of the fixed font leaves its cell's first column blank, and
  // its letters reach FIXED_FONT_ASCENT above the baseline, which lies
  // TEXT_BASELINE_DROP below the y it is drawn at.
  list.textX = std::max(textX, frameX + LAP_TEXT_CLEARANCE - 1);
  list.textY = std::max(y, list.frameY + LAP_TEXT_CLEARANCE + FIXED_FONT_ASCENT - TEXT_BASELINE_DROP);
  return list;
}

void drawCourseLapList(const CourseLapList& list, int laps) {
  const float s = list.lineStep;
  const float x = list.frameX, top = list.frameY, right = x + LAP_LIST_FRAME_WIDTH;
  const float shown = static_cast<float>(std::min(laps, 4));
  glColor3f(1, 1, 1);
  glBegin(GL_LINE_LOOP);
  glVertex2f(x, top);
  glVertex2f(right, top);
  glVertex2f(right, top + 2 * s * shown);
  glVertex2f(x, top + 2 * s * shown);
  glEnd();
  glBegin(GL_LINES);
  for (int k = 1; k < shown; ++k) {
    glVertex2f(x, top + 2 * s * static_cast<float>(k));
    glVertex2f(right, top + 2 * s * static_cast<float>(k));
  }
  glEnd();
  for (int k = 0; k < laps; ++k) {
    const CourseLapText lap = formatCourseLap(courseSpec, k);
    const float lineY = list.textY + 2 * s * static_cast<float>(k);
    glColor3f(1, 1, 1);
    drawText(list.textX, lineY, ALIGN_LEFT, lap.names(), FONT_FIXED, -1, 0, 0);
    glColor3f(0.7f, 0.7f, 0.7f);
    drawText(list.textX, lineY + s, ALIGN_LEFT, lap.marks(), FONT_FIXED, -1, 0, 0);
  }
}

void computeCourseDesignerLayout() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  choiceListX = 0.45f * W;
  choiceListY = 0.8f * H;
  choiceCellSize = 0.02f * H;
  sprintBoxX = finishBoxX = 0.45f * W;
  sprintBoxY = 0.85f * H;
  finishBoxY = 0.875f * H;
  undoSectionButtonX = 0.3f * W;
  addSectionButtonX = 0.5f * W - 0.5f * buttonWidth;
  saveCourseButtonX = 0.8f * W - 0.5f * buttonWidth;
  undoSectionButtonY = addSectionButtonY = saveCourseButtonY = 0.9f * H;
  designButtonWidth = 0.13f * W;
  const char* const labels[] = {textUndoSection, textAdd, "OK", textSaveCourse};
  for (const char* label : labels)
    designButtonWidth = fittedButtonWidth(designButtonWidth, label);
  // The lap list moves left just as far as its frame, four laps high, must
  // to keep clear of the undo button beside it.
  const float frameX = 0.1f * W - 6;
  const float shift = std::min(0.0f, undoSectionButtonX - LAP_FRAME_BUTTON_GAP - frameX - LAP_LIST_FRAME_WIDTH);
  designLapList = placeCourseLapList(0.1f * W + shift, frameX + shift, 0.78f * H);
}

void drawCourseDesigner() {
  if (currentScreen != SCREEN_COURSE_DESIGN) return;
  const bool complete = courseDesignComplete();
  drawCourseLapList(designLapList, countCourseLaps(0));

  drawButton(undoSectionButtonX, undoSectionButtonY, designButtonWidth, buttonHeight,
             courseEmpty() ? 0 : 1, textUndoSection, hotKeyOf(HOTKEY_UNDO_SECTION));
  drawButton(addSectionButtonX, addSectionButtonY, designButtonWidth, buttonHeight, 1,
             complete ? "OK" : textAdd, hotKeyOf(HOTKEY_ADD_SECTION));
  drawButton(saveCourseButtonX, saveCourseButtonY, designButtonWidth, buttonHeight, complete ? 1 : 0,
             textSaveCourse, -1);
  // No key answers the designer's Back, so it underlines nothing.
  drawButton(designBackButtonX, designBackButtonY, buttonWidth, buttonHeight, 1, textBackCourses,
             -1);

  int offered[2];
  const int count = offeredSections(courseSpec, offered);
  for (int k = 0; k < count; ++k) {
    const float cy = choiceListY + static_cast<float>(k) * choiceCellSize;
    glColor3f(1, 1, 1);
    drawText(choiceListX + 0.75f * choiceCellSize, cy + 4, ALIGN_LEFT, sectionNames[offered[k]],
             FONT_SMALL, -1, 0, 0);
    drawRadioButton(static_cast<int>(choiceListX), static_cast<int>(cy),
                    static_cast<int>(0.5f * choiceCellSize), k == designChoiceIndex ? 1 : 0, 1);
  }

  drawCheckButton(static_cast<int>(sprintBoxX), static_cast<int>(sprintBoxY),
                  static_cast<int>(choiceCellSize), textSprint, -1, sprintBoxEnabled() ? 1 : 0,
                  sprintToggle);
  drawCheckButton(static_cast<int>(finishBoxX), static_cast<int>(finishBoxY),
                  static_cast<int>(choiceCellSize), textFinish, -1, finishBoxEnabled() ? 1 : 0,
                  finishToggle);

  drawSectionMap(designMapSection(courseSpec, designChoiceIndex));
}

bool courseDesignerMouse(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return true;
  int offered[2];
  const int count = offeredSections(courseSpec, offered);
  const float half = 0.5f * choiceCellSize;
  const float listTop = choiceListY - half;
  if (count > 0 && x >= choiceListX - half && x <= choiceListX + half && y >= listTop &&
      y <= choiceListY + (static_cast<float>(count) - 0.5f) * choiceCellSize) {
    designChoiceIndex = std::min(static_cast<int>((y - listTop) / choiceCellSize), count - 1);
    onDisplay();
  } else if (pointInRect(x, y, addSectionButtonX, addSectionButtonY, designButtonWidth,
                         buttonHeight)) {
    addOrFinish();
  } else if (pointInRect(x, y, saveCourseButtonX, saveCourseButtonY, designButtonWidth,
                         buttonHeight)) {
    // Saving is silent: the designer stays as it is either way.
    if (courseDesignComplete()) appendCourseRecord(courseSpec);
  } else if (pointInRect(x, y, undoSectionButtonX, undoSectionButtonY, designButtonWidth,
                         buttonHeight)) {
    removeLastSection();
  } else if (pointInRect(x, y, sprintBoxX, sprintBoxY, choiceCellSize, choiceCellSize)) {
    if (sprintBoxEnabled()) {
      sprintToggle = !sprintToggle;
      onDisplay();
    }
  } else if (pointInRect(x, y, finishBoxX, finishBoxY, choiceCellSize, choiceCellSize)) {
    if (finishBoxEnabled()) {
      finishToggle = !finishToggle;
      onDisplay();
    }
  } else if (pointInRect(x, y, designBackButtonX, designBackButtonY, buttonWidth, buttonHeight)) {
    openCourseSelection();
  }
  return true;
}

bool courseDesignerKey(unsigned char key) {
  const char letter = toLowerAscii(static_cast<char>(key));
  const bool complete = courseDesignComplete();
  if (letter == hotKeyLetter(textAdd, HOTKEY_ADD_SECTION)) {
    if (!complete) appendSection();
  } else if (letter == hotKeyLetter(textUndoSection, HOTKEY_UNDO_SECTION)) {
    removeLastSection();
  } else if (key == '\r' || key == ' ' || letter == 'o') {
    if (complete) finishCourseDesign();
  }
  return true;
}
