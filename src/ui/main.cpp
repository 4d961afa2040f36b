// Program entry. The game window is not built yet: until it is, the program
// says so and shows what it can already do, laying the ready-made courses.
#include <cstdio>
#include <cstring>

#include "model/board_sections.h"
#include "rules/course_builder.h"
#include "rules/race_state.h"

int main() {
  printf("Corvalis: the game window is not built yet, so there is nothing to play.\n");
  printf("What this build can do so far is lay the ready-made courses:\n");
  initBoardSections();
  for (const char* course : predefinedCourses) {
    strncpy(courseSpec, course, COURSE_SPEC_SIZE - 1);
    courseSpec[COURSE_SPEC_SIZE - 1] = '\0';
    if (buildCourse())
      printf("  %-14s %3d rows, finish on row %d\n", course, trackRowCount, lineRows[3]);
    else
      printf("  %-14s cannot be laid\n", course);
  }
  return 0;
}
