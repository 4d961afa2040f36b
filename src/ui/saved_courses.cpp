#include "ui/saved_courses.h"

#include <cstring>

#include <GL/freeglut.h>

#include "files/course_file.h"
#include "model/screens.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/widgets.h"
#include "rules/course_builder.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "ui/course_designer.h"
#include "ui/course_selection.h"

int savedCourseIndex = 0;
float prevCourseButtonX = 0, prevCourseButtonY = 0;
float nextCourseButtonX = 0, nextCourseButtonY = 0;
float savedCourseButtonX = 0, savedCourseButtonY = 0;

namespace {

void showRecord(int index) {
  savedCourseIndex = index;
  loadSavedCourse(index);
  onDisplay();
}

}  // namespace

// Previous, Next and Back share one width, wide enough for each label.
float smallCourseButtonWidth() {
  float width = 0.06f * static_cast<float>(drawAreaWidth);
  for (const char* label : {textPreviousCourse, textNextCourse, textBackSavedCourses})
    width = fittedButtonWidth(width, label);
  return width;
}

void computeSavedCoursesLayout() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  // Widened, Previous keeps its right edge and Next its left edge.
  prevCourseButtonX = anchoredButtonX(0.24f * W, 0.06f * W, smallCourseButtonWidth(), ANCHOR_RIGHT);
  nextCourseButtonX = 0.3f * W + 180;
  savedCourseButtonX = nextCourseButtonX + 1.5f * 0.06f * W;
  prevCourseButtonY = nextCourseButtonY = savedCourseButtonY = 0.92f * H;
  savedCoursesLapList = placeCourseLapList(0.3f * W + 5, 0.3f * W + 5, 0.8f * H);
}

bool savedCourseStartable() {
  char completed[COURSE_SPEC_SIZE];
  return courseSpec[0] != 0 && composeCourseRunOut(courseSpec, completed) &&
         courseCanBeLaid(completed);
}

void drawSavedCourses() {
  if (currentScreen != SCREEN_SAVED_COURSES) return;
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const float pictureWidth = 0.8f * W;
  const float pictureHeight = boardPictureHeight(pictureWidth);
  drawBoardPicture(0.1f * W, 0.46f * H - 0.5f * pictureHeight, pictureWidth, pictureHeight);

  const float bw = smallCourseButtonWidth();
  drawButton(prevCourseButtonX, prevCourseButtonY, bw, buttonHeight, 1, textPreviousCourse, -1);
  drawButton(nextCourseButtonX, nextCourseButtonY, bw, buttonHeight, 1, textNextCourse, -1);
  drawButton(savedCourseButtonX, savedCourseButtonY, buttonWidth, buttonHeight,
             savedCourseStartable() ? 1 : 0, "OK", -1);
  drawButton(savedCoursesBackButtonX, savedCoursesBackButtonY, bw, buttonHeight, 1,
             textBackSavedCourses, -1);

  drawCourseLapList(savedCoursesLapList, countCourseLaps(1));
}

bool savedCoursesMouse(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return true;
  const float bw = smallCourseButtonWidth();
  if (pointInRect(x, y, prevCourseButtonX, prevCourseButtonY, bw, buttonHeight)) {
    if (savedCourseIndex > 0) showRecord(savedCourseIndex - 1);
  } else if (pointInRect(x, y, savedCoursesBackButtonX, savedCoursesBackButtonY, bw,
                         buttonHeight)) {
    openCourseSelection();
  } else if (pointInRect(x, y, nextCourseButtonX, nextCourseButtonY, bw, buttonHeight)) {
    const int count = countCourseRecords();
    if (savedCourseIndex + 1 < count) {
      showRecord(savedCourseIndex + 1);
    } else if (count <= savedCourseIndex) {
      // The file lost the shown record since: nothing is left to start.
      std::memset(courseSpec, 0, sizeof courseSpec);
      onDisplay();
    }
  } else if (pointInRect(x, y, savedCourseButtonX, savedCourseButtonY, buttonWidth,
                         buttonHeight)) {
    if (savedCourseStartable()) startSavedCourse();
  }
  return true;
}
