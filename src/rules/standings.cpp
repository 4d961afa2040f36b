#include "rules/standings.h"

#include <cstring>

#include "model/screens.h"
#include "rules/tour_state.h"
#include "texts/language_texts.h"

void scoreStageResults(const int32_t* results, int completed, StageScore& score) {
  for (int r = 0; r < RIDER_COUNT; r++) {
    score.finishPlace[r] = -1;
    score.sprintPoints[r] = 0;
    score.stageTotal[r] = 0;
  }
  for (int q = 0; q < FINISH_PLACES; q++) {
    int32_t rider = results[FIRST_FINISH_PLACE + q];
    if (isRiderIndex(rider) && score.finishPlace[rider] < 0) score.finishPlace[rider] = q;
  }
  for (int e = 0; e < FIRST_FINISH_PLACE; e++) {
    int32_t rider = results[e];
    if (!isRiderIndex(rider)) continue;
    bool counts = score.finishPlace[rider] >= 0 || (completed == 0 && riders[rider].disqualified == 0);
    if (counts) score.sprintPoints[rider] += placePoints[e];
  }
  for (int t = 0; t < TEAM_COUNT; t++) {
    score.teamTotal[t] = 0;
    score.teamAllFinished[t] = true;
  }
  for (int r = 0; r < RIDER_COUNT; r++) {
    if (score.finishPlace[r] >= 0)
      score.stageTotal[r] = placePoints[FIRST_FINISH_PLACE + score.finishPlace[r]] + score.sprintPoints[r];
    else
      score.teamAllFinished[riderTeam(r)] = false;
    score.teamTotal[riderTeam(r)] += score.stageTotal[r];
  }
}

void rankTeams(const int32_t totals[TEAM_COUNT], int32_t ranking[TEAM_COUNT]) {
  bool ranked[TEAM_COUNT] = {false, false, false, false};
  for (int i = 0; i < TEAM_COUNT; i++) {
    int best = -1;
    for (int t = 0; t < TEAM_COUNT; t++)
      if (!ranked[t] && (best < 0 || totals[t] > totals[best])) best = t;
    ranked[best] = true;
    ranking[i] = best;
  }
}

void scoreGeneralClassification(GeneralScore& score) {
  for (auto& total : score.riderTotal) total = 0;
  for (auto& total : score.teamTotal) total = 0;
  for (const StageRecord& stage : stageRecords) {
    StageScore stageScore;
    scoreStageResults(stage.results, 1, stageScore);
    for (int r = 0; r < RIDER_COUNT; r++) {
      score.riderTotal[r] += stageScore.stageTotal[r];
      score.teamTotal[riderTeam(r)] += stageScore.stageTotal[r];
    }
  }
  rankTeams(score.teamTotal, score.ranking);
}

std::string standingsTeamName(int team) {
  if (team < 0 || team >= TEAM_COUNT) return std::string();
  const char* name = currentScreen == SCREEN_SAVED_RACE_SCORECARD ? previewTeamNames[team] : teamNames[team];
  return std::string(name, strnlen(name, TEAM_NAME_SIZE - 1));
}
