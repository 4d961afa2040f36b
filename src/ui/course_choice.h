// The course a new race is about to be ridden on, as the course selection
// and the course designer choose it.
#pragma once

// Forgets any course chosen or designed before: a new race starts from an
// empty course.
void resetCourseChoice();
