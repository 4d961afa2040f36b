// A race started as a person starts one: the course laid, one team played
// by a person, the start screens answered through the key callbacks. The
// random draws come from the race driver's seeded generator: one seed, one
// race.
#pragma once
#include <cstdint>

// Lays the course with humanTeam (-1 none) played by a person, shuffles the
// event deck and opens the start-order throw of team 0 (a computer team 0
// throws at once). False when the course cannot be laid.
bool openRaceStart(const char* course, uint32_t seed, int humanTeam);

// Arrow keys until the start cursor is on (row, lane); false when stuck.
bool walkStartCursorTo(int row, int lane);

// The person's rider to place: the arrows to the front-most square he may
// take, then Enter; false when no square is free or the cursor sticks.
bool placeStartRiderByKeys();

// Throw and Next in English, and for a person's rider Enter on the front-most
// square he may take, reached by the arrows; false when the start stalls.
bool playStartByKeys();
