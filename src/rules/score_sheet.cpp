#include "rules/score_sheet.h"

#include "model/screens.h"
#include "model/track.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "rules/tour_state.h"
#include "texts/language_texts.h"

ScoreView scoreView(int screen) {
  ScoreView view;
  view.tour = tourMode == 1;
  const bool savedRace = screen == SCREEN_SAVED_RACE_SCORECARD;
  if (!view.tour) {
    // A single stage: always the race in memory, whatever the view holds.
    view.sheet = savedRace ? SHEET_EMPTY : SHEET_CURRENT_RACE;
    return view;
  }
  view.stored = static_cast<int>(stageRecords.size());
  const int n = view.stored;
  int last = screen == SCREEN_SCORECARD ? n : n - 1;
  if (last < 0) last = 0;
  view.stage = scoreStage < 0 ? 0 : (scoreStage > last ? last : static_cast<int>(scoreStage));
  view.general = scoreGeneral != 0 && n >= 1;
  if (view.stage < n)
    view.sheet = SHEET_STORED_STAGE;
  else
    view.sheet = savedRace ? SHEET_EMPTY : SHEET_CURRENT_RACE;
  view.prevEnabled = !view.general && view.stage > 0;
  view.nextEnabled = !view.general && (screen == SCREEN_SCORECARD ? view.stage < n : view.stage + 1 < n);
  view.generalTabEnabled = !view.general && n >= 1;
  view.stageTabEnabled = view.general;
  return view;
}

void clampScorePanelState(int screen) {
  if (tourMode != 1) return;
  ScoreView view = scoreView(screen);
  scoreGeneral = view.general ? 1 : 0;
  scoreStage = view.stage;
}

int stageTabTarget(int screen, int stored) {
  return screen == SCREEN_SCORECARD ? stored : stored - 1;
}

std::string stageSheetTitle(int screen, const ScoreView& view) {
  if (view.sheet == SHEET_EMPTY) return std::string();
  const bool standings = view.stage == view.stored && screen == SCREEN_SCORECARD;
  return (standings ? textStandings : textResult) + textStageWord + std::to_string(view.stage + 1);
}

std::string generalSheetTitle(const ScoreView& view) {
  return textGeneralAfterStage + std::to_string(view.stored);
}

const int32_t* sheetResults(const ScoreView& view) {
  switch (view.sheet) {
    case SHEET_STORED_STAGE:
      if (view.stage >= 0 && view.stage < static_cast<int>(stageRecords.size()))
        return stageRecords[static_cast<size_t>(view.stage)].results;
      return nullptr;
    case SHEET_CURRENT_RACE:
      return raceResults;
    default:
      return nullptr;
  }
}

void buildStageSheet(const int32_t* results, int sheetKind, int screen, StageSheet& sheet) {
  int32_t none[RESULT_PLACES];
  for (int32_t& entry : none) entry = -1;
  const bool empty = results == nullptr || sheetKind == SHEET_EMPTY;
  const bool current = !empty && sheetKind == SHEET_CURRENT_RACE;
  scoreStageResults(empty ? none : results, current ? 0 : 1, sheet.score);

  for (int e = 0; e < FIRST_FINISH_PLACE; e++) {
    const int32_t rider = empty ? -1 : results[e];
    sheet.podiumShown[e] = isRiderIndex(rider) &&
                           (sheet.score.finishPlace[rider] >= 0 || (current && riders[rider].disqualified == 0));
  }
  for (int r = 0; r < RIDER_COUNT; r++) {
    if (empty)
      sheet.teamCell[r].clear();
    else if (sheet.score.finishPlace[r] >= 0)
      sheet.teamCell[r] = std::to_string(sheet.score.stageTotal[r]);
    else if (!current || riders[r].disqualified != 0)
      sheet.teamCell[r] = "0";
    else
      sheet.teamCell[r].clear();
  }
  for (int t = 0; t < TEAM_COUNT; t++) {
    if (empty)
      sheet.teamTotalShown[t] = false;
    else if (current && screen == SCREEN_SCORECARD)
      sheet.teamTotalShown[t] = sheet.score.teamAllFinished[t];
    else
      sheet.teamTotalShown[t] = true;
  }
}

std::string teamRiderRange(int team) {
  const int first = printedRiderNumber(team * TEAM_SIZE);
  const int last = printedRiderNumber(team * TEAM_SIZE + TEAM_SIZE - 1);
  return "(" + std::to_string(first) + "-" + std::to_string(last) + ")";
}
