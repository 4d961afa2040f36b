// The course selection: the four ready-made courses as preview tiles, one
// click starting a race on a tile's course, and the ways to the saved
// courses and to the course designer.
#pragma once

// The tile the pointer last moved over on this screen: 0 top left, 1 top
// right, 2 bottom left, 3 bottom right; -1 none (and on entering).
extern int hoverCourseTile;

// The tile grid and its gaps, and the two buttons under it.
extern float courseTilesX, courseTilesY, courseTileGapX, courseTileGapY;
extern float useSavedCourseButtonX, useSavedCourseButtonY;
extern float createCourseButtonX, createCourseButtonY;
extern float courseChoiceButtonWidth;

void computeCourseSelectionLayout();

// The tile at a drawing-area point, -1 none. A tile's zone reaches 34
// pixels below it, over its caption.
int courseTileAt(float x, float y);

// Shows the course selection with no tile highlighted, as every way onto it
// does (the team setup, a saved race continued, Back from the designer or
// the saved courses).
void openCourseSelection();

void drawCourseSelection();
bool courseSelectionMouse(int button, int state, float x, float y);
bool courseSelectionKey(unsigned char key);
void courseSelectionHover(float x, float y);
