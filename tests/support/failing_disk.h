// A disk that reports an error at every sync, for the length of one call.
#pragma once
#include <cerrno>

#include "model/hooks.h"

// Runs save (a save of the game's) with every sync failing, and returns what
// it returns.
template <typename Save>
auto withFailingSyncs(Save save) {
  struct Failing {
    Failing() { syncToDiskOverride = [](int) { return errno = EIO, -1; }; }
    ~Failing() { syncToDiskOverride = nullptr; }
  } failing;
  return save();
}
