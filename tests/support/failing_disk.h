// A disk that fails for as long as the object lives: either no file may
// grow past a number of bytes (the write past it fails, as on a full disk),
// or every sync to the disk fails, as on a disk that reports an error.
#pragma once
#include <sys/resource.h>

#include <cerrno>
#include <csignal>

#include "platform/platform.h"

class FailingDisk {
 public:
  // Syncs fail.
  FailingDisk() {
    syncToDiskOverride = [](int) {
      errno = EIO;
      return -1;
    };
  }
  // Writes fail past maxFileSize bytes of a file.
  explicit FailingDisk(rlim_t maxFileSize) : limited(true) {
    getrlimit(RLIMIT_FSIZE, &saved);
    oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = maxFileSize;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FailingDisk() {
    syncToDiskOverride = nullptr;
    if (!limited) return;
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
  }
  FailingDisk(const FailingDisk&) = delete;
  FailingDisk& operator=(const FailingDisk&) = delete;

 private:
  bool limited = false;
  struct rlimit saved = {};
  void (*oldHandler)(int) = nullptr;
};
