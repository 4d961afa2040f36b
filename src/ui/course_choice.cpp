#include "ui/course_choice.h"

#include <cstring>

#include "rules/race_state.h"

void resetCourseChoice() { std::memset(courseSpec, 0, sizeof courseSpec); }
