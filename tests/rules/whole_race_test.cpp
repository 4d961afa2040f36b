#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/board_sections.h"
#include "model/settings.h"
#include "rules/race_state.h"
#include "support/race_driver.h"

namespace {

// Races per course in the seeded test; CORVALIS_RACES raises it (the
// thousands of races of a long run), default small enough for every build.
int racesPerCourse() {
  const char* text = std::getenv("CORVALIS_RACES");
  int count = text ? std::atoi(text) : 0;
  return count > 0 ? count : 250;
}

const int ROUND_LIMIT = 200;

TEST(SeededRaces, EveryRaceEndsWithAllRidersFinishedAndTheStateSound) {
  initBoardSections();
  int count = racesPerCourse();
  for (int c = 0; c < 4; c++) {
    std::string course = predefinedCourses[c];
    for (int i = 0; i < count; i++) {
      uint32_t seed = static_cast<uint32_t>(c * 1000003 + i);
      // Both ways of showing a move, which must not change its outcome, and
      // now and then an overlay opened over a moving rider.
      smoothComputerMovement = i % 2;
      ASSERT_TRUE(startComputerRace(course.c_str(), seed, false)) << course;
      setOverlayInterruptions(i % 3 == 0);
      RaceRun run = runRaceToEnd();
      ASSERT_TRUE(run.ended && run.failure.empty())
          << course << " seed " << seed << ": " << run.failure << " after " << run.moves << " moves";
      EXPECT_LE(run.rounds, ROUND_LIMIT) << course << " seed " << seed;
    }
  }
  smoothComputerMovement = defaultSmoothComputerMovement;
  releaseRaceDriver();
}

// How a move is shown, and overlays opened during it, change nothing of
// the race.
TEST(SeededRaces, TheSameSeedPlaysTheSameRaceHoweverItIsShown) {
  initBoardSections();
  for (uint32_t seed : {7u, 8u}) {
    int results[3][RESULT_PLACES];
    for (int way = 0; way < 3; way++) {
      smoothComputerMovement = way == 1;
      ASSERT_TRUE(startComputerRace(predefinedCourses[1], seed, false));
      setOverlayInterruptions(way == 2);
      RaceRun run = runRaceToEnd();
      ASSERT_TRUE(run.ended) << run.failure;
      for (int p = 0; p < RESULT_PLACES; p++) results[way][p] = raceResults[p];
    }
    for (int p = 0; p < RESULT_PLACES; p++) {
      EXPECT_EQ(results[0][p], results[1][p]) << seed << " place " << p;
      EXPECT_EQ(results[0][p], results[2][p]) << seed << " place " << p;
    }
  }
  smoothComputerMovement = defaultSmoothComputerMovement;
  releaseRaceDriver();
}

// Not a test: all-computer races without a window, the animation pumped as
// fast as the timer hook allows, with the settings' default movement.
// Run with --gtest_also_run_disabled_tests.
TEST(RaceBenchmark, DISABLED_AllComputerRacesPerSecond) {
  initBoardSections();
  int races = racesPerCourse() * 4;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < races; i++) {
    ASSERT_TRUE(startComputerRace(predefinedCourses[i % 4], static_cast<uint32_t>(i), false));
    RaceRun run = runRaceToEnd(2000000, false);
    ASSERT_TRUE(run.ended);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d races in %.3f s: %.1f races per second\n", races, seconds, races / seconds);
  releaseRaceDriver();
}

}  // namespace
