// The course designer: a course built section by section from the offered
// successors, with sprint and finish marks, its laps listed, the offered
// section's map shown, and the finished course raced or saved to "courses".
#pragma once

extern float choiceListX, choiceListY, choiceCellSize;
extern float sprintBoxX, sprintBoxY, finishBoxX, finishBoxY;
extern float undoSectionButtonX, undoSectionButtonY;
extern float addSectionButtonX, addSectionButtonY;
extern float saveCourseButtonX, saveCourseButtonY;
extern float designButtonWidth;

void computeCourseDesignerLayout();

// The laps of a course listed in a frame 170 pixels wide: for each lap its
// sections in white and their marks under them in grey, two lines of
// lineStep a lap, the frame's rows one lap high.
struct CourseLapList {
  float frameX, frameY;  // top-left corner of the frame
  float textX, textY;    // where the first lap's sections are drawn (drawText's x and y)
  float lineStep;        // 0.02 H
};
const float LAP_LIST_FRAME_WIDTH = 170;
// Least distance from a frame line to the letters of the lap text.
const float LAP_TEXT_CLEARANCE = 3;
// The list with its text from (textX, y) and its frame from (frameX, y - 8),
// where the letters of the fixed font keep LAP_TEXT_CLEARANCE from the
// frame's left and top lines; where they would come closer, the text moves
// right or down just as far as that.
CourseLapList placeCourseLapList(float textX, float frameX, float y);
// The designer's list, and the saved courses' (from the reshape pass).
extern CourseLapList designLapList, savedCoursesLapList;

// The laps of courseSpec in the list; the frame shows at most 4 laps.
void drawCourseLapList(const CourseLapList& list, int laps);

void drawCourseDesigner();
bool courseDesignerMouse(int button, int state, float x, float y);
bool courseDesignerKey(unsigned char key);
