// The stages of a tour as the rules keep them: one record per completed
// stage (its course and its result places), the race and file names chosen
// for the tour, and what the saved-races screen shows of a race previewed.
// The tour file unit reads and writes these; the standings, the score sheet
// and the end of a stage work on them without knowing how they are stored.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/hooks.h"  // tourSaveHook
#include "rules/race_state.h"
#include "texts/language_texts.h"

const size_t PACKED_COURSE_SIZE = 14;

// The course string of a stage, one 4-bit code per character position:
// byte i holds position 2i in its low nibble and 2i+1 in its high nibble.
// "0".."9" give 0..9, "F" 14, "S" 15, anything else (the zero) 0.
struct PackedCourse {
  uint8_t bytes[PACKED_COURSE_SIZE] = {0};
};

// One completed stage. results is laid out like raceResults: entry 3k+p is
// the rider in place p+1 of sprint k+1, entry 9+q the rider in finish
// place q+1; -1 where the place is empty or its rider was disqualified.
struct StageRecord {
  PackedCourse course;
  uint8_t padding[2] = {0, 0};
  int32_t results[RESULT_PLACES];
};

// The stored stages of the tour being ridden, or of the saved race last
// previewed; index 0 is stage 1.
extern std::vector<StageRecord> stageRecords;

// The tour file in use: the race name followed by ".velq".
extern std::string tourFileName;

// The race name chosen on the team setup or the saved-races screen (the
// tour file's name without ".velq"); empty when none is chosen.
extern std::string selectedRaceName;

// What the saved-races screen shows of the race last previewed.
extern char previewEventCardsOn;
extern char previewTeamNames[4][TEAM_NAME_SIZE];
extern char previewHumanControlled[4];

// Packs a course string of at most 28 positions into 14 bytes; the
// terminating zero and every position behind it give code 0.
void packCourseSpec(const char* spec, PackedCourse& packed);

// Appends the stage just ridden (courseSpec and raceResults, a disqualified
// rider's places left empty) to stageRecords.
void appendStageRecord();

// Writes the tour to tourFileName through tourSaveHook; an unbound hook
// counts as a failed save. Returns 1 when written.
int writeTourFile();
