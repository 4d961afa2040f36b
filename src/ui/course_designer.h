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

// The laps of courseSpec listed in a box of 170 pixels from boxX: for each
// lap its sections from textX in white and their marks under them in grey,
// two lines of 0.02 H a lap, the first at y; the box shows at most 4 laps.
void drawCourseLapList(float textX, float boxX, float y, int laps);

void drawCourseDesigner();
bool courseDesignerMouse(int button, int state, float x, float y);
bool courseDesignerKey(unsigned char key);
