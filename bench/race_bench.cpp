// Whole all-computer races without a window, with the move animation pumped
// as fast as the driver can run its ticks: races per second on one core.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "model/board_sections.h"
#include "model/settings.h"
#include "support/race_driver.h"

namespace {

void runRaces(benchmark::State& state, bool smooth, bool eventCards) {
  initBoardSections();
  smoothComputerMovement = smooth;
  uint32_t seed = 1;
  int course = 0;
  for (auto _ : state) {
    if (!startComputerRace(predefinedCourses[course], seed++, eventCards)) {
      state.SkipWithError("course could not be laid");
      break;
    }
    RaceRun run = runRaceToEnd(2000000, false);
    if (!run.ended) {
      state.SkipWithError("race did not end");
      break;
    }
    course = (course + 1) % 4;
  }
  releaseRaceDriver();
  smoothComputerMovement = defaultSmoothComputerMovement;
  state.counters["races_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_RaceSquareBySquare(benchmark::State& state) { runRaces(state, false, false); }
void BM_RaceSmooth(benchmark::State& state) { runRaces(state, true, false); }

}  // namespace

BENCHMARK(BM_RaceSquareBySquare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RaceSmooth)->Unit(benchmark::kMillisecond);
