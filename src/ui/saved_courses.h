// The saved courses: the records of "courses" shown one at a time with the
// board and the course's laps, Previous and Next to step through them, and
// OK to race the shown course with its run-out.
#pragma once

// The record shown, from 0.
extern int savedCourseIndex;

extern float prevCourseButtonX, prevCourseButtonY;
extern float nextCourseButtonX, nextCourseButtonY;
extern float savedCourseButtonX, savedCourseButtonY;

void computeSavedCoursesLayout();

// The width of Previous, Next and Back: 0.06 W, or wider where one of their
// labels needs it.
float smallCourseButtonWidth();

// Whether the shown course can be raced: completed with its run-out it is a
// course the builder lays. The OK button is drawn enabled exactly then.
bool savedCourseStartable();

void drawSavedCourses();
bool savedCoursesMouse(int button, int state, float x, float y);
