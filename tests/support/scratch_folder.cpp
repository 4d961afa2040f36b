#include "support/scratch_folder.h"

#include <ftw.h>
#include <unistd.h>

#include <cstdio>

namespace {

int removeEntry(const char* path, const struct stat*, int, struct FTW*) { return std::remove(path); }

}  // namespace

void ScratchFolderTest::SetUp() {
  char dir[] = "/tmp/corvalis-test-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  folder = dir;
  ASSERT_EQ(getcwd(previous, sizeof previous), previous);
  ASSERT_EQ(chdir(dir), 0);
}

void ScratchFolderTest::TearDown() {
  if (folder.empty()) return;
  ASSERT_EQ(chdir(previous), 0);
  // Depth first, so a folder is emptied before it goes; links are removed,
  // never followed.
  ASSERT_EQ(nftw(folder.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS), 0);
}
