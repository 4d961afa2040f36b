// The standings export: the results of a race as a ";"-separated text file
// a spreadsheet opens. In a tour: the general classification over the
// stored stages, then one block per stored stage, then (from the running
// race's score panel) a block for the stage being ridden. Lines end with a
// single line feed; fields are never quoted.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

const int STANDINGS_NONE = 0;
const int STANDINGS_WRITTEN = 1;
const int STANDINGS_OPEN_FAILED = 2;

// The file the export writes: "<race name>.csv" in a tour, else
// "standings.csv". Set by the team setup and the saved-races screen.
extern std::string standingsPath;
// What the score panel tells about the last export; its OK resets it.
extern int standingsStatus;

// Writes the whole file for the screen the export is started from, safely
// as the tour is written, sets standingsStatus (STANDINGS_OPEN_FAILED also
// when a write or a sync fails; the previous file then stays whole) and
// redraws.
void writeStandingsFile();

// Writes one stage block: results are 25 entries laid out like raceResults,
// stageIndex is 0-based (printed plus one), completed is 1 for a finished
// stage and 0 for one still being ridden.
void writeStageStandings(const int32_t* results, int stageIndex, int completed, FILE* file);

// The texts the two functions above write.
std::string stageStandingsText(const int32_t* results, int stageIndex, int completed);
std::string generalClassificationText();
