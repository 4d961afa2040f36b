#include <gtest/gtest.h>

#include <cstring>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/occupancy.h"
#include "model/track.h"
#include "rules/course_builder.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

int redraws = 0;
void countRedraw() { redraws++; }

class OccupancyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initBoardSections();
    ASSERT_TRUE(buildTestCourse("01S23S4S5123451234512345F12"));
  }
};

TEST_F(OccupancyTest, CopiesOnOtherLapsAreFoundLowestLapFirst) {
  // A rider on lap 1 (row 120, lane 5) stands on the same board square as
  // row 11, lane 2 of lap 0 and row 229, lane 8 of lap 2.
  trackOccupant[120][5] = 7;
  EXPECT_EQ(riderAtSquare(120, 5, true), 7);
  EXPECT_EQ(riderAtSquare(11, 2, true), 7);
  EXPECT_EQ(riderAtSquare(229, 8, true), 7);
  EXPECT_EQ(riderAtSquare(229, 7, true), -1);
  EXPECT_EQ(riderAtSquare(11, 2, false), -1);
  // Two riders on copies of one square: the lower lap wins for either square.
  trackOccupant[11][2] = 3;
  EXPECT_EQ(riderAtSquare(120, 5, true), 3);
  EXPECT_EQ(riderAtSquare(11, 2, true), 3);
  EXPECT_EQ(riderAtSquare(120, 5, false), 7);
}

TEST_F(OccupancyTest, CopiesLeftOfLaneZeroAreSkipped) {
  // (121, 1) lies on lap 1; its lap-0 copy would be lane -2 and is passed
  // over, and the search goes on to its own cell and then to lap 2 (230, 4).
  trackOccupant[230][4] = 12;
  EXPECT_EQ(riderAtSquare(121, 1, true), 12);
  trackOccupant[121][1] = 2;
  EXPECT_EQ(riderAtSquare(121, 1, true), 2);
}

TEST_F(OccupancyTest, SquaresOutsideTheGridHoldNobody) {
  trackOccupant[0][0] = 4;
  EXPECT_EQ(riderAtSquare(-1, 0, true), -1);
  EXPECT_EQ(riderAtSquare(-1, 0, false), -1);
  EXPECT_EQ(riderAtSquare(0, -1, true), -1);
  EXPECT_EQ(riderAtSquare(0, 23, true), -1);
  EXPECT_EQ(riderAtSquare(545, 0, true), -1);
  EXPECT_EQ(riderAtSquare(100000, 3, false), -1);
  EXPECT_EQ(riderAtSquare(0, 0, true), 4);
}

TEST_F(OccupancyTest, SearchStopsAtTheEndOfTheCourse) {
  // A copy beyond the laid rows is never read, even if the grid holds junk.
  int beyond = trackRowCount + 5;
  ASSERT_LT(beyond, TRACK_ROWS);
  int base = beyond % lapRowCount;
  int lap = beyond / lapRowCount;
  trackOccupant[beyond][10] = 6;
  EXPECT_EQ(riderAtSquare(base, 10 - 3 * lap, true), -1);
}

TEST(FindUniqueMax, SingleLargestValueWins) {
  int values[] = {9, 9, 11, 4};
  EXPECT_EQ(findUniqueMax(values, 4), 2);
  EXPECT_EQ(values[0], 9);
  EXPECT_EQ(values[3], 4);
  int first[] = {12, 3, 5, 11};
  EXPECT_EQ(findUniqueMax(first, 4), 0);
}

TEST(FindUniqueMax, TieMarksTheTiedForARollOffAndRedraws) {
  redraws = 0;
  redrawHook = countRedraw;
  int values[] = {7, 9, 9, 4};
  EXPECT_EQ(findUniqueMax(values, 4), -1);
  EXPECT_EQ(values[0], 0);
  EXPECT_EQ(values[1], -1);
  EXPECT_EQ(values[2], -1);
  EXPECT_EQ(values[3], 0);
  EXPECT_EQ(redraws, 1);
  // A roll-off: teams that are out keep 0.
  int rolloff[] = {0, 8, 8, 0};
  EXPECT_EQ(findUniqueMax(rolloff, 4), -1);
  EXPECT_EQ(rolloff[1], -1);
  EXPECT_EQ(rolloff[0], 0);
  redrawHook = nullptr;
}

TEST(FindUniqueMax, NoValuesGiveNoneAndRewriteNothing) {
  int values[] = {5, 5};
  EXPECT_EQ(findUniqueMax(values, 0), -1);
  EXPECT_EQ(values[0], 5);
  EXPECT_EQ(values[1], 5);
  EXPECT_EQ(findUniqueMax(values, 1), 0);
}

TEST(SmallUtilities, ContainsAndIndexOf) {
  const int values[] = {4, -1, 7, 4};
  EXPECT_TRUE(containsInt(values, 7, 4));
  EXPECT_FALSE(containsInt(values, 7, 2));
  EXPECT_FALSE(containsInt(values, 4, 0));
  EXPECT_EQ(indexOfInt(values, 4, 4), 0);
  EXPECT_EQ(indexOfInt(values, -1, 4), 1);
  EXPECT_EQ(indexOfInt(values, 9, 4), -1);
  EXPECT_EQ(indexOfInt(values, 4, 0), -1);
}

TEST(SmallUtilities, ToLowerAsciiFoldsOnlyAtoZ) {
  EXPECT_EQ(toLowerAscii('A'), 'a');
  EXPECT_EQ(toLowerAscii('Z'), 'z');
  EXPECT_EQ(toLowerAscii('@'), '@');
  EXPECT_EQ(toLowerAscii('['), '[');
  EXPECT_EQ(toLowerAscii('7'), '7');
  EXPECT_EQ(toLowerAscii('q'), 'q');
  EXPECT_EQ(toLowerAscii('\xC4'), '\xC4');
  EXPECT_EQ(toLowerAscii('\xDC'), '\xDC');
}

}  // namespace
