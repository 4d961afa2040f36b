// How long laying a course (with its reach tables) and a computer rider's
// scoring search take.
#include <benchmark/benchmark.h>

#include <cstring>

#include "model/board_sections.h"
#include "model/track.h"
#include "rules/course_builder.h"
#include "rules/move_search.h"
#include "rules/race_state.h"

namespace {

void layCourse(const char* course) {
  static bool catalogueFilled = false;
  if (!catalogueFilled) {
    initBoardSections();
    catalogueFilled = true;
  }
  memset(courseSpec, 0, sizeof courseSpec);
  strncpy(courseSpec, course, COURSE_SPEC_SIZE - 1);
}

void BM_BuildCourse(benchmark::State& state, const char* course) {
  layCourse(course);
  for (auto _ : state) {
    bool laid = buildCourse();
    benchmark::DoNotOptimize(laid);
    if (!laid) state.SkipWithError("course cannot be laid");
  }
}

BENCHMARK_CAPTURE(BM_BuildCourse, predefined_64S5F12, "64S5F12")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildCourse, predefined_01S23S7S8F12, "01S23S7S8F12")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildCourse, predefined_67S8F12, "67S8F12")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildCourse, predefined_01S23S4S5F12, "01S23S4S5F12")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildCourse, longest_012378123781237812378F12, "012378123781237812378F12")
    ->Unit(benchmark::kMillisecond);

void place(int rider, int row, int lane, bool moved) {
  riders[rider].row = row;
  riders[rider].lane = lane;
  riders[rider].movedThisRound = moved ? 1 : 0;
  trackOccupant[row][lane] = rider;
}

// A crowded bunch on the flat road of "01S23S7S8F12" before the first climb:
// rider 0 moves 8 from (14, 2) with riders queued behind him in his lane
// and beside him, and riders ahead and around who have moved this round.
const int MOVER_ROW = 14;
const int MOVER_LANE = 2;
const int MOVE_TOTAL = 8;

void setUpCrowdedRace() {
  layCourse("01S23S7S8F12");
  buildCourse();
  roundNumber = 6;
  place(1, 13, 2, false);
  place(4, 11, 2, false);
  place(2, 9, 2, false);
  place(8, 8, 2, false);
  place(12, 13, 1, false);
  place(5, 11, 1, false);
  place(13, 13, 3, false);
  place(9, 14, 0, false);
  place(15, 13, 4, false);
  place(3, 16, 1, true);
  place(6, 17, 1, true);
  place(10, 16, 3, true);
  place(14, 17, 2, true);
  place(7, 18, 4, true);
  place(11, 15, 4, true);
  riders[0].row = MOVER_ROW;  // lifted off the grid for his move
  riders[0].lane = MOVER_LANE;
  activeRider = 0;
  moveEndpoints[0] = MOVER_ROW;
  moveEndpoints[1] = MOVER_LANE;
  movementTotal = MOVE_TOTAL;
  breakawayDeclared = 0;
}

void BM_RecordedScoringSearch(benchmark::State& state) {
  setUpCrowdedRace();
  int32_t row = -1;
  for (auto _ : state) {
    for (int32_t& v : bestMoveRiderValues) v = -1;
    MoveChoice choice;
    scoreMoves(MOVER_ROW, MOVER_LANE, MOVE_TOTAL, 0, 1, &choice);
    row = choice.row;
    benchmark::DoNotOptimize(choice);
  }
  int followers = 0;
  for (int32_t v : bestMoveRiderValues) followers += v != -1;
  state.counters["bestRow"] = row;
  state.counters["followers"] = followers;
}
BENCHMARK(BM_RecordedScoringSearch)->Unit(benchmark::kMicrosecond);

void BM_TrialScoringSearch(benchmark::State& state) {
  setUpCrowdedRace();
  for (auto _ : state) {
    MoveChoice choice;
    scoreMoves(MOVER_ROW, MOVER_LANE, MOVE_TOTAL, 0, 0, &choice);
    benchmark::DoNotOptimize(choice);
  }
}
BENCHMARK(BM_TrialScoringSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
