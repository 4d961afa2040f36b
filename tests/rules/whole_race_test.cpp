#include <gtest/gtest.h>

#include <string>

#include "model/board_sections.h"
#include "support/race_driver.h"

namespace {

// From the start-order throw to the last finisher without a window, on
// every predefined course; the driver checks the race state after every
// move and the places and points at the end.
TEST(WholeRace, EveryPredefinedCourseRunsToTheDopingControl) {
  initBoardSections();
  for (int c = 0; c < 4; c++) {
    std::string course = predefinedCourses[c];
    for (uint32_t seed = 1; seed <= 3; seed++) {
      ASSERT_TRUE(startComputerRace(course.c_str(), seed, false)) << course;
      RaceRun run = runRaceToEnd();
      EXPECT_TRUE(run.ended) << course << " seed " << seed;
      EXPECT_EQ(run.failure, "") << course << " seed " << seed;
      EXPECT_GT(run.moves, 16) << course << " seed " << seed;
    }
  }
  releaseRaceDriver();
}

}  // namespace
