// What the team setup takes from the player before a race: the characters a
// team or race name may hold, the checks its OK runs over the names and the
// race name, and the file names a new race gets from them.
#pragma once
#include <string>

#include "texts/language_texts.h"

// A team name and a race name hold at most 12 characters.
const int TEAM_NAME_LENGTH = TEAM_NAME_SIZE - 1;
const int RACE_NAME_LENGTH = 12;

// Space, "-", the letters A to Z in either case and the digits: the only
// keys a name takes. Bytes from 0x80 on never pass.
bool isNameCharacter(unsigned char key);

// The messages of the last OK on the team setup, setupErrorCount of them in
// use. One per empty team name and one for the race name fill all five.
const int SETUP_ERROR_SLOTS = 5;
extern std::string setupErrors[SETUP_ERROR_SLOTS];
extern int setupErrorCount;

// The race name as typed (at most 12 characters, whatever lies behind them).
std::string typedRaceName();

// True when anything of that name stands in the working directory: a file,
// a folder, a link (even a broken one). A tour file cannot be written there.
bool fileSystemEntryExists(const std::string& name);

// The checks of OK, in the current language: a message for each team
// without a name (by the printed number of its first rider), and in a race
// of several stages one for an empty race name or, for a race name that is
// given, one when a saved race or any other entry already has its tour
// file's name. The listing of saved races replaces savedRaceFiles. Returns
// setupErrorCount.
int checkTeamEntries();

// The file names of a new race from its race name: selectedRaceName, the
// tour file "<race name>.velq" and the standings file ("<race name>.csv" in
// a race of several stages, else "standings.csv"); no stage is stored yet.
void fixRaceFileNames();
