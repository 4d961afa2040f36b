#include "files/file_listing.h"

#include <sys/stat.h>

#include <algorithm>

#include "files/tour_file.h"
#include "platform/platform.h"

std::vector<std::string> savedRaceFiles;

namespace {

// Folders and other special entries cannot hold a tour, so they are never
// offered as saved races. A link to a tour file counts as the file.
bool isRegularFile(const std::string& name) {
  struct stat info;
  return stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::vector<std::string> listFiles() {
  std::vector<std::string> names;
  std::string name;
  FileSearch* search = findFirstFile(tourFilePattern.c_str(), name);
  if (search) {
    do {
      if (isRegularFile(name)) names.push_back(name);
    } while (findNextFile(search, name));
    findCloseFile(search);
  }
  std::sort(names.begin(), names.end());
  return names;
}
