// Choosing and designing a course: the lap count and lap texts of a course
// string, the sections the designer offers, its Add / Previous / OK actions
// with the run-out, and the one way every chosen course starts a race.
// The designer's marks sprintToggle, finishToggle and sprintCount live in
// model/view_state.h (buildCourse resets them too).
#pragma once

#include "rules/race_state.h"

const int COURSE_LAP_TEXT_SIZE = 36;  // the block formatCourseLap returns
const int COURSE_LAP_MARKS_AT = 18;   // where the mark line starts in it
const int COURSE_LAP_LINE_MAX = 17;   // characters per line, without the zero

// Which offered section (0 or 1) the next Add appends.
extern int designChoiceIndex;

// One lap of a course as two zero-terminated lines in a 36-byte block:
// the section names joined by "-" from offset 0, and from offset 18 spaces
// with each S or F mark under the last letter of its section's name.
struct CourseLapText {
  char block[COURSE_LAP_TEXT_SIZE] = {};
  const char* names() const { return block; }
  const char* marks() const { return block + COURSE_LAP_MARKS_AT; }
};

// The laps of courseSpec (at most its first 28 bytes). Mode 1: 1 plus the
// lap starts before the first "F" from index 2 on ("1" on a course from
// section 0, "4" and "7" from section 6); any other mode: 1 plus the
// lap-ending sections ("5" and "8" from section 0, "3" from section 6).
int countCourseLaps(int mode);

// The text of lap `lap` (from 0) of course, up to the finish. Only "0" to
// "8" count as sections; the walk stops at the terminator, after 28 bytes
// or after the "F", and a line never takes more than 17 characters.
CourseLapText formatCourseLap(const char* course, int lap);

// The sections the designer offers after course: 0 and 6 for an empty
// course, none after an "F", else the successors of the last section (a
// final "S" skipped). Writes them to sections and returns how many (0..2).
int offeredSections(const char* course, int sections[2]);

// The section whose map the designer shows for course and choice: the
// offered section `choice`, or the last section of a course ending in "F";
// -1 when there is none.
int designMapSection(const char* course, int choice);

// Add: appends the offered section designChoiceIndex to courseSpec, then
// "F" (Finish box, or a fifth lap reached) or "S" (Sprint box, fewer than 3
// sprints); clears the choice and both boxes; redraws. A choice that is
// not offered appends nothing.
void appendSection();

// Previous: removes the last section with its mark, zeroing the freed
// bytes; a removed "S" or "F" re-arms its box for the next Add. Redraws.
void removeLastSection();

// Whether the designed course is complete: it ends in "F" or has more than
// four laps (the Add button then reads "OK" and Save course is enabled).
bool courseDesignComplete();

// Whether the Sprint box may be ticked: the course is not empty, holds
// fewer than three sprints and does not end in "F".
bool sprintBoxEnabled();

// Whether the Finish box may be ticked: the course is not empty and does
// not end in "F".
bool finishBoxEnabled();

// The course followed by its two run-out sections in out (zeroed first):
// the section before the "F" plus one, then plus one again, 6 and 9 read as
// 1. False, with out left empty, unless the course has an "F" right after a
// section "0".."8", nothing behind the "F" and room for the two sections.
bool composeCourseRunOut(const char* course, char out[COURSE_SPEC_SIZE]);

// OK: starts the race on courseSpec completed with its run-out. False, with
// nothing changed, when the design is not complete or the course is refused.
bool finishCourseDesign();

// Starts the race on the course shown by the saved-courses browser
// (courseSpec, stored without run-out) completed with its run-out. False,
// with nothing changed, when it cannot be completed or laid.
bool startSavedCourse();

// Create new course: an empty courseSpec, choice 0, both boxes clear and no
// sprints counted.
void resetCourseDesign();

// Starts a race on course (copied into a zeroed courseSpec): lays it,
// shuffles the event deck, rider 0 active, previousScreen 0, the start-order
// screen, a redraw, and a computer team 0 throws at once. When the course
// is refused, courseSpec, the screens and the race stay as they were: false.
bool startRaceOnCourse(const char* course);
