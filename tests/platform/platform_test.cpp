#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "model/hooks.h"
#include "platform/platform.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace {

void touch(const std::string& path) {
  FILE* f = fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fclose(f);
}

std::vector<std::string> listAll(const std::string& pattern) {
  std::vector<std::string> names;
  std::string name;
  FileSearch* search = findFirstFile(pattern.c_str(), name);
  if (!search) return names;
  do names.push_back(name);
  while (findNextFile(search, name));
  findCloseFile(search);
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Itoa, WritesDecimalAndOtherRadixes) {
  char buffer[40];
  EXPECT_STREQ(itoa(0, buffer, 10), "0");
  EXPECT_STREQ(itoa(-42, buffer, 10), "-42");
  EXPECT_STREQ(itoa(2147483647, buffer, 10), "2147483647");
  EXPECT_STREQ(itoa(-2147483647 - 1, buffer, 10), "-2147483648");
  EXPECT_STREQ(itoa(255, buffer, 16), "ff");
  EXPECT_STREQ(itoa(5, buffer, 2), "101");
}

TEST(Wildcard, MatchesStarsAndQuestionMarksCaseSensitively) {
  EXPECT_TRUE(wildcardMatch("*.velq", "tour.velq"));
  EXPECT_TRUE(wildcardMatch("*.velq", ".velq"));
  EXPECT_TRUE(wildcardMatch("*.velq", "a.velq.velq"));
  EXPECT_FALSE(wildcardMatch("*.velq", "tour.VELQ"));
  EXPECT_FALSE(wildcardMatch("*.velq", "tour.velq~"));
  EXPECT_TRUE(wildcardMatch("t?ur*", "tour.velq"));
  EXPECT_FALSE(wildcardMatch("t?ur", "tr"));
  EXPECT_TRUE(wildcardMatch("*", ""));
}

// The searches and writes below name their folder in full; the scratch
// folder only gives them a fresh place that is removed afterwards.
class FileSearchTest : public ScratchFolderTest {};
class SafeWrite : public ScratchFolderTest {};

TEST_F(FileSearchTest, ListsMatchesIncludingHiddenNamesAndFolders) {
  std::string dir = folder;
  touch(dir + "/one.velq");
  touch(dir + "/.hidden.velq");
  touch(dir + "/other.txt");
  touch(dir + "/upper.VELQ");
  ASSERT_EQ(mkdir((dir + "/folder.velq").c_str(), 0755), 0);
  std::vector<std::string> expected = {".hidden.velq", "folder.velq", "one.velq"};
  EXPECT_EQ(listAll(dir + "/*.velq"), expected);
  EXPECT_TRUE(listAll(dir + "/*.none").empty());
  EXPECT_TRUE(listAll("/no/such/folder/*.velq").empty());
  std::string unused;
  EXPECT_FALSE(findNextFile(nullptr, unused));
}

TEST_F(SafeWrite, ReplacesTheFileWholeOrLeavesItAlone) {
  std::string dir = folder;
  std::string path = dir + "/data.bin";
  ASSERT_TRUE(writeFileSafely(path.c_str(), "first", 5));
  ASSERT_TRUE(writeFileSafely(path.c_str(), "second!", 7));
  FILE* f = fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  char buffer[16] = {};
  EXPECT_EQ(fread(buffer, 1, sizeof buffer, f), 7u);
  fclose(f);
  EXPECT_STREQ(buffer, "second!");
  // No temporary file is left behind.
  EXPECT_EQ(listAll(dir + "/*"), std::vector<std::string>{"data.bin"});

  // A folder that does not exist: failure, nothing written.
  EXPECT_FALSE(writeFileSafely((dir + "/missing/data.bin").c_str(), "x", 1));
  // A target that is a folder cannot be replaced; the folder stays.
  ASSERT_EQ(mkdir((dir + "/taken").c_str(), 0755), 0);
  touch(dir + "/taken/inside");
  EXPECT_FALSE(writeFileSafely((dir + "/taken").c_str(), "x", 1));
  struct stat st;
  ASSERT_EQ(stat((dir + "/taken").c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(listAll(dir + "/*").size(), 2u);
}

// Each sync of a safe write as the disk saw it: what was synced (a file of
// its size, or the folder) and what the target held then. Sync failAt fails.
std::string syncTarget, syncsSeen;
size_t syncCount = 0, failAt = 0;
int watchedSync(int fd) {
  struct stat st;
  fstat(fd, &st);
  syncsSeen += (S_ISDIR(st.st_mode) ? "folder" : std::to_string(st.st_size)) + ":" + readWholeFile(syncTarget) + " ";
  return ++syncCount == failAt ? (errno = EIO, -1) : fsync(fd);
}

// The new bytes are synced before the rename, the folder after it; a failed
// sync of the data leaves the old file, one of the folder the new file (the
// rename is done), and either is a failed write.
TEST_F(SafeWrite, SyncsTheDataBeforeAndTheFolderAfterTheRename) {
  syncTarget = folder + "/data.bin";
  syncToDiskOverride = watchedSync;
  for (size_t fail = 0; fail < 3; fail++) {
    failAt = 0;
    ASSERT_TRUE(writeFileSafely(syncTarget.c_str(), "first", 5));
    syncsSeen.clear();
    syncCount = 0;
    failAt = fail;
    EXPECT_EQ(writeFileSafely(syncTarget.c_str(), "second!", 7), fail == 0) << fail;
    EXPECT_EQ(syncsSeen, fail == 1 ? "7:first " : "7:first folder:second! ") << fail;
    EXPECT_EQ(readWholeFile(syncTarget), fail == 1 ? "first" : "second!") << fail;
  }
  syncToDiskOverride = nullptr;
  EXPECT_EQ(listAll(folder + "/*"), std::vector<std::string>{"data.bin"});
}

TEST_F(SafeWrite, EmptyDataMakesAnEmptyFile) {
  std::string dir = folder;
  std::string path = dir + "/empty";
  ASSERT_TRUE(writeFileSafely(path.c_str(), "", 0));
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_size, 0);
}

}  // namespace
