// A race started as a person starts one, through the key callbacks. The random
// draws come from the race driver's seeded generator: one seed, one race.
#pragma once
#include <cstdint>

// Lays the course with humanTeam (-1 none) played by a person, shuffles the
// event deck and opens the start-order throw (a computer team 0 throws at
// once); no redraw or move timer is requested. False when the course cannot
// be laid.
bool openRaceStart(const char* course, uint32_t seed, int humanTeam);
// Arrow keys until the start cursor is on (row, lane); false when stuck.
bool walkStartCursorTo(int row, int lane);
// The arrows to the front-most square the rider to place may take, then
// Enter; false when no square is free or the cursor sticks.
bool placeStartRiderByKeys();
// Throw and Next in English, and placeStartRiderByKeys for a person's rider,
// until the first turn; false when the start stalls.
bool playStartByKeys();
