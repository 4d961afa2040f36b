#include "platform/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "model/hooks.h"

char* itoa(int value, char* buffer, int radix) {
  if (radix < 2 || radix > 36) {
    buffer[0] = '\0';
    return buffer;
  }
  if (radix == 10) {
    snprintf(buffer, 12, "%d", value);
    return buffer;
  }
  // Other radixes print the bit pattern as unsigned, like the classic itoa.
  unsigned int v = static_cast<unsigned int>(value);
  char digits[40];
  int n = 0;
  do {
    unsigned int d = v % radix;
    digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
    v /= radix;
  } while (v != 0);
  for (int i = 0; i < n; i++) buffer[i] = digits[n - 1 - i];
  buffer[n] = '\0';
  return buffer;
}

bool wildcardMatch(const char* pattern, const char* name) {
  // Iterative match with one backtrack point for the last "*".
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name) {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern == '?' || *pattern == *name) {
      pattern++;
      name++;
    } else if (star) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') pattern++;
  return *pattern == '\0';
}

struct FileSearch {
  DIR* dir;
  std::string pattern;
};

FileSearch* findFirstFile(const char* pattern, std::string& name) {
  std::string folder = ".";
  std::string namePattern = pattern;
  size_t slash = namePattern.rfind('/');
  if (slash != std::string::npos) {
    folder = slash == 0 ? "/" : namePattern.substr(0, slash);
    namePattern = namePattern.substr(slash + 1);
  }
  DIR* dir = opendir(folder.c_str());
  if (!dir) return nullptr;
  FileSearch* search = new FileSearch{dir, namePattern};
  if (findNextFile(search, name)) return search;
  findCloseFile(search);
  return nullptr;
}

bool findNextFile(FileSearch* search, std::string& name) {
  if (!search) return false;
  while (dirent* entry = readdir(search->dir)) {
    if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0) continue;
    if (wildcardMatch(search->pattern.c_str(), entry->d_name)) {
      name = entry->d_name;
      return true;
    }
  }
  return false;
}

void findCloseFile(FileSearch* search) {
  if (!search) return;
  closedir(search->dir);
  delete search;
}

bool syncToDisk(int fd) { return (syncToDiskOverride ? syncToDiskOverride(fd) : fsync(fd)) == 0; }

namespace {

// Syncs the folder that holds path, so that a rename in it is kept. A file
// system that cannot sync a folder at all (EINVAL) keeps it as well as it can.
bool syncFolderOf(const char* path) {
  std::string folder = path;
  size_t slash = folder.rfind('/');
  folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = syncToDisk(fd) || errno == EINVAL;
  close(fd);
  return ok;
}

}  // namespace

bool writeFileSafely(const char* path, const void* data, size_t size) {
  std::string temp = std::string(path) + ".tmp-XXXXXX";
  int fd = mkstemp(&temp[0]);
  if (fd < 0) return false;
  // A saved file gets the usual permissions, not the private ones of mkstemp.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  FILE* file = fdopen(fd, "wb");
  if (!file) {
    close(fd);
    unlink(temp.c_str());
    return false;
  }
  bool ok = size == 0 || fwrite(data, 1, size, file) == size;
  ok = (fflush(file) == 0) && ok;
  // The new bytes reach the disk before they replace the old file.
  ok = ok && syncToDisk(fd);
  ok = (fclose(file) == 0) && ok;
  if (ok) ok = rename(temp.c_str(), path) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  // The new file is whole in place from here on; only the rename may yet be
  // lost, and a save not known to be kept is not reported as done.
  return syncFolderOf(path);
}

bool mayReplaceFile(const char* path) {
  struct stat info;
  if (stat(path, &info) != 0) return true;  // a new file
  if (!S_ISREG(info.st_mode)) return false;
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return access(path, W_OK) == 0;
}

int openRegularFile(const char* path, int flags, off_t& size) {
  int fd = open(path, flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return -1;
  }
  size = info.st_size;
  return fd;
}
