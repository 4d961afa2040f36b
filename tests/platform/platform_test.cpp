#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

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

// What the disk saw at each sync of a safe write of "second!" over "first":
// the synced descriptor (a file of its size, or the folder) and what the
// target held then. The sync numbered failAt fails.
struct SyncSeen {
  long long size;  // -1 for the folder
  std::string target;
};
std::vector<SyncSeen> syncsSeen;
std::string syncTarget;
size_t failAt = 0;

int watchedSync(int fd) {
  struct stat st;
  fstat(fd, &st);
  syncsSeen.push_back({S_ISDIR(st.st_mode) ? -1 : static_cast<long long>(st.st_size), readWholeFile(syncTarget)});
  if (syncsSeen.size() == failAt) return errno = EIO, -1;
  return fsync(fd);
}

// The new bytes are synced before the rename, the folder after it; a failed
// sync of the data leaves the old file, a failed sync of the folder the new
// one (the rename is done), and either is a failed write.
TEST_F(SafeWrite, SyncsTheDataBeforeAndTheFolderAfterTheRename) {
  syncTarget = folder + "/data.bin";
  const struct {
    size_t failAt;
    bool written;
    const char* after;
    size_t syncs;
  } cases[] = {{0, true, "second!", 2}, {1, false, "first", 1}, {2, false, "second!", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failAt);
    ASSERT_TRUE(writeFileSafely(syncTarget.c_str(), "first", 5));
    syncsSeen.clear();
    failAt = c.failAt;
    syncToDiskOverride = watchedSync;
    bool written = writeFileSafely(syncTarget.c_str(), "second!", 7);
    syncToDiskOverride = nullptr;
    EXPECT_EQ(written, c.written);
    ASSERT_EQ(syncsSeen.size(), c.syncs);
    EXPECT_EQ(syncsSeen[0].size, 7);
    EXPECT_EQ(syncsSeen[0].target, "first");
    if (c.syncs > 1) {
      EXPECT_EQ(syncsSeen[1].size, -1);
      EXPECT_EQ(syncsSeen[1].target, "second!");
    }
    EXPECT_EQ(listAll(folder + "/*"), std::vector<std::string>{"data.bin"});
    EXPECT_EQ(readWholeFile(syncTarget), c.after);
  }
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
