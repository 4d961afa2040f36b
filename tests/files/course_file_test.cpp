#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <string>

#include "files/course_file.h"
#include "rules/race_state.h"
#include "support/failing_disk.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace {

using CourseFileTest = ScratchFolderTest;

void writeCourses(const std::string& bytes) {
  FILE* file = fopen(courseFileName, "wb");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
  ASSERT_EQ(fclose(file), 0);
}

// The 48 bytes a saved course must have.
std::string record(const std::string& course) {
  return "xyz" + std::string(17, '\0') + course + std::string(28 - course.size(), '\0');
}

TEST_F(CourseFileTest, SavesAppendWholeRecordsAndReadBack) {
  char design[COURSE_SPEC_SIZE];
  memset(design, 'q', sizeof design);  // stale bytes behind the terminator are not stored
  strcpy(design, "01S23S4S5F12");      // nor is the run-out
  ASSERT_TRUE(appendCourseRecord(design));
  ASSERT_TRUE(appendCourseRecord(design));
  EXPECT_FALSE(appendCourseRecord("0123"));  // no finish
  EXPECT_EQ(readWholeFile(courseFileName), record("01S23S4S5F") + record("01S23S4S5F"));
  EXPECT_EQ(countCourseRecords(), 2);
  ASSERT_TRUE(loadSavedCourse(1));
  EXPECT_STREQ(courseSpec, "01S23S4S5F");
  EXPECT_FALSE(loadSavedCourse(2));
  EXPECT_STREQ(courseSpec, "");
}

TEST_F(CourseFileTest, ATornTailIsCutAndForeignRecordsAreBounded) {
  writeCourses(record("67S8F") + "garbage");
  EXPECT_EQ(countCourseRecords(), 1);
  EXPECT_FALSE(loadSavedCourse(1));
  ASSERT_TRUE(appendCourseRecord("0F"));
  EXPECT_EQ(readWholeFile(courseFileName), record("67S8F") + record("0F"));

  // No terminator in the course; stale bytes behind the name's terminator.
  writeCourses(std::string("xyz\0junk", 8) + std::string(12, 'n') + std::string(28, '1'));
  CourseRecord read;
  ASSERT_TRUE(readCourseRecord(0, read));
  EXPECT_EQ(std::string(read.name, sizeof read.name), "xyz" + std::string(17, '\0'));
  EXPECT_EQ(std::string(read.course, sizeof read.course), std::string(27, '1') + '\0');
  EXPECT_FALSE(readCourseRecord(-1, read));
}

TEST_F(CourseFileTest, NothingIsWrittenWhereTheFileCannotBe) {
  ASSERT_EQ(mkdir(courseFileName, 0755), 0);  // a folder is no course file
  EXPECT_FALSE(appendCourseRecord("0F"));
  EXPECT_EQ(countCourseRecords(), 0);
  strcpy(courseSpec, "67S8F");
  EXPECT_FALSE(loadSavedCourse(0));
  EXPECT_STREQ(courseSpec, "");
  ASSERT_EQ(rmdir(courseFileName), 0);

  std::string gone = folder + "/gone";  // a working folder that was removed
  ASSERT_EQ(mkdir(gone.c_str(), 0755), 0);
  ASSERT_EQ(chdir(gone.c_str()), 0);
  ASSERT_EQ(rmdir(gone.c_str()), 0);
  EXPECT_FALSE(appendCourseRecord("0F"));
  ASSERT_EQ(chdir(folder.c_str()), 0);
  EXPECT_EQ(countCourseRecords(), 0);
}

TEST_F(CourseFileTest, AWriteCutShortLeavesWholeRecords) {
  ASSERT_TRUE(appendCourseRecord("64S5F"));
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 60;  // room for 12 bytes of the second record
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool result = appendCourseRecord("67S8F");
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(result);
  EXPECT_EQ(readWholeFile(courseFileName), record("64S5F"));
  // A record the disk could not sync is cut back too.
  EXPECT_FALSE(withFailingSyncs([] { return appendCourseRecord("67S8F"); }));
  EXPECT_EQ(readWholeFile(courseFileName), record("64S5F"));
  ASSERT_TRUE(appendCourseRecord("67S8F"));
  EXPECT_EQ(countCourseRecords(), 2);
}

}  // namespace
