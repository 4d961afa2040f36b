#include "files/course_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

const char* const courseFileName = "courses";

namespace {

// Takes the file back to size bytes after a failed append.
void cutBack(int fd, off_t size) {
  if (ftruncate(fd, size) != 0) {
    // Nothing more can be done; the next append cuts the tail off again.
  }
}

}  // namespace

bool appendCourseRecord(const char* course) {
  if (!course) return false;
  size_t length = strnlen(course, COURSE_SPEC_SIZE);
  const void* finish = memchr(course, 'F', length);
  if (!finish) return false;
  size_t kept = static_cast<size_t>(static_cast<const char*>(finish) - course) + 1;
  if (kept > static_cast<size_t>(COURSE_SPEC_SIZE - 1)) return false;
  CourseRecord record;
  memset(&record, 0, sizeof record);
  memcpy(record.name, "xyz", 3);
  memcpy(record.course, course, kept);

  off_t size = 0;
  int fd = openRegularFile(courseFileName, O_WRONLY | O_CREAT | O_APPEND, size);
  if (fd < 0) return false;
  // A part record left by an earlier failure would shift every later one.
  off_t aligned = size - size % COURSE_RECORD_SIZE;
  if (aligned != size && ftruncate(fd, aligned) != 0) {
    close(fd);
    return false;
  }
  FILE* file = fdopen(fd, "ab");
  if (!file) {
    close(fd);
    return false;
  }
  // The record is on the disk before the save is reported.
  if (fwrite(&record, sizeof record, 1, file) != 1 || fflush(file) != 0 || !syncToDisk(fd)) {
    cutBack(fd, aligned);
    fclose(file);
    return false;
  }
  // fclose gives the descriptor up even when it fails: a copy of it is kept
  // to cut the file back then.
  int spare = dup(fd);
  bool closed = fclose(file) == 0;
  if (spare >= 0) {
    if (!closed) cutBack(spare, aligned);
    close(spare);
  }
  return closed;
}

int countCourseRecords() {
  off_t size = 0;
  int fd = openRegularFile(courseFileName, O_RDONLY, size);
  if (fd < 0) return 0;
  close(fd);
  off_t count = size / COURSE_RECORD_SIZE;
  return count > 0x7fffffff ? 0x7fffffff : static_cast<int>(count);
}

bool readCourseRecord(int index, CourseRecord& record) {
  memset(&record, 0, sizeof record);
  if (index < 0) return false;
  off_t size = 0;
  int fd = openRegularFile(courseFileName, O_RDONLY, size);
  if (fd < 0) return false;
  off_t at = static_cast<off_t>(index) * COURSE_RECORD_SIZE;
  char bytes[COURSE_RECORD_SIZE];
  bool whole = at + COURSE_RECORD_SIZE <= size &&
               pread(fd, bytes, sizeof bytes, at) == static_cast<ssize_t>(sizeof bytes);
  close(fd);
  if (!whole) return false;
  // Each field up to its terminator, at most one byte short of the field.
  memcpy(record.name, bytes, strnlen(bytes, COURSE_NAME_SIZE - 1));
  const char* course = bytes + COURSE_NAME_SIZE;
  memcpy(record.course, course, strnlen(course, COURSE_SPEC_SIZE - 1));
  return true;
}

bool loadSavedCourse(int index) {
  memset(courseSpec, 0, sizeof courseSpec);
  CourseRecord record;
  if (!readCourseRecord(index, record)) return false;
  memcpy(courseSpec, record.course, sizeof courseSpec);
  return true;
}
