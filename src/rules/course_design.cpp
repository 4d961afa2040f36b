#include "rules/course_design.h"

#include <cstring>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "model/view_state.h"
#include "rules/course_builder.h"
#include "rules/event_deck.h"
#include "rules/race_start.h"

int designChoiceIndex = 0;

namespace {

const int MAX_SPRINTS = 3;
const int FINISH_LAPS = 5;  // the lap count at which Add sets the finish itself

bool isSection(char c) { return c >= '0' && c <= '8'; }

size_t courseLength(const char* course) { return strnlen(course, COURSE_SPEC_SIZE); }

// The section that ends a lap: "5" and "8" on a course from start section
// 0, "3" on a course from start section 6.
bool endsLap(char start, char c) {
  if (start == '0') return c == '5' || c == '8';
  if (start == '6') return c == '3';
  return false;
}

// The section that begins a lap after the first: "1" on a course from
// start section 0, "4" and "7" on a course from start section 6.
bool beginsLap(char start, char c) {
  if (start == '0') return c == '1';
  if (start == '6') return c == '4' || c == '7';
  return false;
}

// The run-out section after section digit c: the next section, where 6
// and 9 (past the end of a lap) become A, section 1.
char runOutAfter(char c) {
  int next = c - '0' + 1;
  if (next == 6 || next == 9) next = 1;
  return static_cast<char>('0' + next);
}

}  // namespace

int countCourseLaps(int mode) {
  char start = courseSpec[0];
  int laps = 1;
  for (int i = 0; i < COURSE_SPEC_SIZE && courseSpec[i] != '\0'; i++) {
    char c = courseSpec[i];
    if (mode == 1) {
      if (c == 'F') break;
      if (i >= 2 && beginsLap(start, c)) laps++;
    } else if (endsLap(start, c)) {
      laps++;
    }
  }
  return laps;
}

CourseLapText formatCourseLap(const char* course, int lap) {
  CourseLapText text;
  if (!course || lap < 0) return text;
  char* names = text.block;
  char* marks = text.block + COURSE_LAP_MARKS_AT;
  int length = 0;  // both lines always have the same length
  int counter = 0;
  char start = course[0];
  for (int i = 0; i < COURSE_SPEC_SIZE && course[i] != '\0'; i++) {
    char c = course[i];
    if (c == 'F') break;
    if (!isSection(c)) continue;
    char mark = 0;
    if (i + 1 < COURSE_SPEC_SIZE && (course[i + 1] == 'S' || course[i + 1] == 'F')) mark = course[++i];
    if (counter == lap) {
      const char* name = sectionNames[c - '0'];
      int nameLength = static_cast<int>(strnlen(name, sizeof sectionNames[0]));
      if (length + nameLength > COURSE_LAP_LINE_MAX) break;  // the line is full
      memcpy(names + length, name, nameLength);
      memset(marks + length, ' ', nameLength);
      length += nameLength;
      if (mark) marks[length - 1] = mark;  // under the name's last letter
    }
    if (endsLap(start, c) && ++counter > lap) break;
    if (mark == 'F') break;  // the run-out is not shown
    if (counter == lap && length > 0) {
      if (length + 1 > COURSE_LAP_LINE_MAX) break;
      names[length] = '-';
      marks[length] = ' ';
      length++;
    }
  }
  return text;
}

int offeredSections(const char* course, int sections[2]) {
  sections[0] = sections[1] = -1;
  size_t length = courseLength(course);
  if (length == 0) {
    sections[0] = 0;
    sections[1] = 6;
    return 2;
  }
  size_t last = length - 1;
  if (course[last] == 'F') return 0;
  if (course[last] == 'S') {
    if (last == 0) return 0;
    last--;
  }
  if (!isSection(course[last])) return 0;
  int count = 0;
  for (int successor : sectionSuccessors[course[last] - '0'])
    if (successor >= 0 && successor < SECTION_COUNT) sections[count++] = successor;
  return count;
}

int designMapSection(const char* course, int choice) {
  size_t length = courseLength(course);
  if (length > 0 && course[length - 1] == 'F')
    return length >= 2 && isSection(course[length - 2]) ? course[length - 2] - '0' : -1;
  int sections[2];
  int count = offeredSections(course, sections);
  return choice >= 0 && choice < count ? sections[choice] : -1;
}

void appendSection() {
  int sections[2];
  int count = offeredSections(courseSpec, sections);
  size_t length = courseLength(courseSpec);
  // Room for the section, its mark and the terminating zero.
  if (designChoiceIndex < 0 || designChoiceIndex >= count || length + 2 > COURSE_SPEC_SIZE - 1) return;
  courseSpec[length++] = static_cast<char>('0' + sections[designChoiceIndex]);
  courseSpec[length] = '\0';
  if (finishToggle || countCourseLaps(0) >= FINISH_LAPS) {
    courseSpec[length++] = 'F';
  } else if (sprintToggle && sprintCount < MAX_SPRINTS) {
    courseSpec[length++] = 'S';
    sprintCount++;
  }
  courseSpec[length] = '\0';
  designChoiceIndex = 0;
  sprintToggle = 0;
  finishToggle = 0;
  requestRedraw();
}

void removeLastSection() {
  size_t length = courseLength(courseSpec);
  if (length > 0) {
    char last = courseSpec[length - 1];
    courseSpec[--length] = '\0';
    if (last == 'S' || last == 'F') {
      if (length > 0) courseSpec[--length] = '\0';  // the section it marked
      sprintToggle = last == 'S';
      finishToggle = last == 'F';
      if (last == 'S' && sprintCount > 0) sprintCount--;
    } else {
      sprintToggle = 0;
      finishToggle = 0;
    }
  }
  designChoiceIndex = 0;
  requestRedraw();
}

bool courseDesignComplete() {
  size_t length = courseLength(courseSpec);
  return (length > 0 && courseSpec[length - 1] == 'F') || countCourseLaps(0) > FINISH_LAPS - 1;
}

bool finishBoxEnabled() {
  size_t length = courseLength(courseSpec);
  return length > 0 && courseSpec[length - 1] != 'F';
}

bool sprintBoxEnabled() { return finishBoxEnabled() && sprintCount < MAX_SPRINTS; }

bool composeCourseRunOut(const char* course, char out[COURSE_SPEC_SIZE]) {
  memset(out, 0, COURSE_SPEC_SIZE);
  if (!course) return false;
  size_t length = courseLength(course);
  const void* found = memchr(course, 'F', length);
  if (!found) return false;
  size_t finish = static_cast<size_t>(static_cast<const char*>(found) - course);
  if (finish == 0 || !isSection(course[finish - 1])) return false;
  if (finish + 1 != length) return false;                  // something behind the "F"
  if (length + 2 > COURSE_SPEC_SIZE - 1) return false;     // no room for the run-out
  memcpy(out, course, length);
  out[length] = runOutAfter(course[finish - 1]);
  out[length + 1] = runOutAfter(out[length]);
  return true;
}

bool finishCourseDesign() {
  if (!courseDesignComplete()) return false;
  char course[COURSE_SPEC_SIZE];
  if (!composeCourseRunOut(courseSpec, course)) return false;
  return startRaceOnCourse(course);
}

bool startSavedCourse() {
  char course[COURSE_SPEC_SIZE];
  if (!composeCourseRunOut(courseSpec, course)) return false;
  return startRaceOnCourse(course);
}

void resetCourseDesign() {
  memset(courseSpec, 0, sizeof courseSpec);
  designChoiceIndex = 0;
  sprintToggle = 0;
  finishToggle = 0;
  sprintCount = 0;
}

bool startRaceOnCourse(const char* course) {
  if (!course) return false;
  size_t length = courseLength(course);
  if (length >= COURSE_SPEC_SIZE) return false;  // not a terminated course string
  char chosen[COURSE_SPEC_SIZE] = {};
  memcpy(chosen, course, length);
  char previous[COURSE_SPEC_SIZE];
  memcpy(previous, courseSpec, sizeof previous);
  memcpy(courseSpec, chosen, sizeof chosen);
  if (!buildCourse()) {
    memcpy(courseSpec, previous, sizeof previous);
    return false;
  }
  buildEventDeck();
  activeRider = 0;
  previousScreen = 0;
  currentScreen = SCREEN_START_THROW;
  requestRedraw();
  if (riders[0].humanControlled == 0) throwStartOrder();
  return true;
}
