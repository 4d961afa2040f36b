// What the score panel shows, decided apart from its drawing: which stage
// (or the general classification) is on the panel, which of its controls
// are enabled, and what each cell of a stage sheet holds. The scoring itself
// is the standings module's, so the panel and the exported file agree.
#pragma once
#include <cstdint>
#include <string>

#include "rules/standings.h"

// Where a stage sheet takes its results from.
const int SHEET_STORED_STAGE = 0;  // a stored stage of the tour, stageRecords[stage]
const int SHEET_CURRENT_RACE = 1;  // raceResults: the race being ridden or just finished
const int SHEET_EMPTY = 2;         // nothing: a saved race without a stored stage

// The panel as shown on one of its screens (scorecard, stage standings, a
// saved race's scorecard). The stage is always one that exists: a view kept
// from an earlier panel or race is brought into range here.
struct ScoreView {
  bool tour = false;   // a tour: the title, the arrows and the tabs are shown
  int stored = 0;      // the stored stages that count (none in a single-stage race)
  bool general = false;  // the general classification is shown
  int stage = 0;       // the stage shown (0-based; stored means the race being ridden)
  int sheet = SHEET_CURRENT_RACE;
  bool prevEnabled = false;
  bool nextEnabled = false;
  bool generalTabEnabled = false;
  bool stageTabEnabled = false;
};

// The view on screen from scoreGeneral, scoreStage, tourMode and
// stageRecords. The scorecard of a running race reaches up to the race
// being ridden; the stage standings and a saved race's scorecard up to the
// last stored stage. A saved race never shows the race in memory.
ScoreView scoreView(int screen);

// Brings scoreGeneral and scoreStage into the view's range (in a tour; a
// single-stage race leaves them alone, its sheet ignores them).
void clampScorePanelState(int screen);

// The stage the Stage tab and its key open: the race being ridden on the
// scorecard of a running race, else the last stored stage.
int stageTabTarget(int screen, int stored);

// The line over a stage sheet ("Standings stage 3" for the race being
// ridden on its scorecard, "Result stage 2" otherwise), empty for an empty
// sheet; and the line over the general classification.
std::string stageSheetTitle(int screen, const ScoreView& view);
std::string generalSheetTitle(const ScoreView& view);

// The results a view's stage sheet shows; null for the empty sheet.
const int32_t* sheetResults(const ScoreView& view);

// Everything a stage sheet draws besides the picture.
struct StageSheet {
  StageScore score;
  // Sprint entry e (3 k + p) shows its rider on the podium and counts his
  // points: a finisher, or in the race being ridden a rider still in it.
  bool podiumShown[FIRST_FINISH_PLACE];
  // The rider's cell in the team table: his stage total when he finished;
  // "0" when he did not finish a stored stage or was disqualified; else
  // nothing (still riding).
  std::string teamCell[RIDER_COUNT];
  // On the running race's scorecard a team's total shows only once all
  // four of its riders have finished.
  bool teamTotalShown[TEAM_COUNT];
};

// Fills sheet for results (null: the empty sheet, nothing shown) of the
// given kind (SHEET_*) as shown on screen.
void buildStageSheet(const int32_t* results, int sheetKind, int screen, StageSheet& sheet);

// The team's rider numbers as the general classification lists them,
// "(21-24)" for team 0.
std::string teamRiderRange(int team);
