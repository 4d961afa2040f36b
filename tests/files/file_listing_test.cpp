#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "files/file_listing.h"
#include "support/scratch_folder.h"

namespace {

class FileListingTest : public ScratchFolderTest {
 protected:
  static void touch(const std::string& name) {
    FILE* file = fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr) << name;
    fputc('x', file);
    fclose(file);
  }
};

TEST_F(FileListingTest, AnEmptyFolderListsNothing) {
  EXPECT_TRUE(listFiles().empty());
  touch("notes.txt");
  EXPECT_TRUE(listFiles().empty());
}

TEST_F(FileListingTest, OnlyTourFilesAreListedInNameOrder) {
  for (const char* name : {"zeta.velq", "Alpha.velq", "giro 2.velq", "beta.velq", "a.velq"}) touch(name);
  // Decoys: other extensions, a temporary file of an unfinished save, upper
  // case, the extension inside the name, a folder, a dangling link.
  for (const char* name : {"x.velq.tmp", "x.velq.tmp-Ab12Cd", "UPPER.VELQ", "mixed.Velq", "velq",
                           "tour.velqx", "tour.csv", "settings", "tourvelq"})
    touch(name);
  ASSERT_EQ(mkdir("folder.velq", 0755), 0);
  ASSERT_EQ(symlink("nowhere", "broken.velq"), 0);
  ASSERT_EQ(symlink("zeta.velq", "link.velq"), 0);

  std::vector<std::string> expected = {"Alpha.velq", "a.velq", "beta.velq", "giro 2.velq", "link.velq",
                                       "zeta.velq"};
  EXPECT_EQ(listFiles(), expected);
  // Files added or removed show at the next listing.
  ASSERT_EQ(remove("beta.velq"), 0);
  touch("new.velq");
  expected = {"Alpha.velq", "a.velq", "giro 2.velq", "link.velq", "new.velq", "zeta.velq"};
  EXPECT_EQ(listFiles(), expected);
}

TEST_F(FileListingTest, AHiddenNameWithOnlyTheExtensionIsATourFile) {
  touch(".velq");
  touch(".hidden.velq");
  EXPECT_EQ(listFiles(), (std::vector<std::string>{".hidden.velq", ".velq"}));
}

TEST_F(FileListingTest, AFolderThatCannotBeReadListsNothing) {
  touch("one.velq");
  ASSERT_EQ(chdir("/"), 0);
  std::string gone = folder + "/sub";
  ASSERT_EQ(mkdir(gone.c_str(), 0755), 0);
  ASSERT_EQ(chdir(gone.c_str()), 0);
  ASSERT_EQ(rmdir(gone.c_str()), 0);  // the working directory no longer exists
  EXPECT_TRUE(listFiles().empty());
}

}  // namespace
