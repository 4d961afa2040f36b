// Scoring of a stage and of the general classification of a tour, shared by
// the score sheets and the standings export.
//
// A stage's finishers are the riders found in its 16 finish places. A
// rider's sprint points count when he is among the finishers or, while the
// stage is still being ridden, when he has not been disqualified. His stage
// total is the points of his finish place plus his sprint points, 0 when he
// did not finish. A team's total is the sum of its four riders' totals.
#pragma once
#include <cstdint>
#include <string>

#include "model/track.h"
#include "rules/race_state.h"

struct StageScore {
  int32_t finishPlace[RIDER_COUNT];   // 0-based finish place, -1 not a finisher
  int32_t sprintPoints[RIDER_COUNT];
  int32_t stageTotal[RIDER_COUNT];
  int32_t teamTotal[TEAM_COUNT];
  bool teamAllFinished[TEAM_COUNT];   // all four riders among the finishers
};

// Scores one stage given its 25 result entries (a stored stage's or
// raceResults); completed is 1 for a finished stage, 0 for one still being
// ridden. Entries that are no rider index count as free places.
void scoreStageResults(const int32_t* results, int completed, StageScore& score);

struct GeneralScore {
  int32_t riderTotal[RIDER_COUNT];
  int32_t teamTotal[TEAM_COUNT];
  int32_t ranking[TEAM_COUNT];  // team indices, best first
};

// Adds up every stored stage (stageRecords), each as a completed stage, and
// ranks the teams.
void scoreGeneralClassification(GeneralScore& score);

// Teams by total, highest first; equal totals keep the lower team first.
void rankTeams(const int32_t totals[TEAM_COUNT], int32_t ranking[TEAM_COUNT]);

// The name under which team is shown on the score panel and in the export:
// a saved race looked at from the saved-races screen is shown with its own
// teams (the preview), every other race with the teams set up now. At most
// 12 characters.
std::string standingsTeamName(int team);
