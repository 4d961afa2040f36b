// The saved tour files of the working directory, for the saved-races grid
// and for refusing a race name that is already taken.
#pragma once
#include <string>
#include <vector>

// The callers' copy of the last listing.
extern std::vector<std::string> savedRaceFiles;

// The bare names of the regular files in the working directory whose name
// ends in ".velq" (case-sensitive), sorted by name so the grid keeps its
// order from one redraw to the next. Empty when the folder cannot be read.
std::vector<std::string> listFiles();
