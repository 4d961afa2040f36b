// The course file "courses" in the working directory: designed courses kept
// for later races, one 48-byte record after another with no header. A
// record is never changed or removed; new ones are appended.
#pragma once

#include "rules/race_state.h"

const int COURSE_NAME_SIZE = 20;
const int COURSE_RECORD_SIZE = 48;

extern const char* const courseFileName;  // "courses"

// One record: the name "xyz" and the course up to and including its "F"
// (without run-out), each zero-terminated and padded with zero bytes.
struct CourseRecord {
  char name[COURSE_NAME_SIZE];
  char course[COURSE_SPEC_SIZE];
};
static_assert(sizeof(CourseRecord) == COURSE_RECORD_SIZE, "a course record is 48 bytes");

// Appends a record of course (up to its "F") to "courses" and syncs it to
// the disk. A tail shorter than a record is cut off first, and a write or
// sync that fails is cut back, so the file always holds whole records.
// False when nothing was saved: no "F" in course, or the file is not a
// regular file or cannot be written.
bool appendCourseRecord(const char* course);

// The number of whole records in "courses"; 0 when there is no such
// regular file.
int countCourseRecords();

// Reads record index into record (zeroed first). A course field without
// terminator is cut to 27 characters; bytes behind a terminator read as 0.
// False, with record all zero, when the record cannot be read whole.
bool readCourseRecord(int index, CourseRecord& record);

// Shows record index in the saved-courses browser: courseSpec becomes its
// course, or stays empty when the record cannot be read (false).
bool loadSavedCourse(int index);
