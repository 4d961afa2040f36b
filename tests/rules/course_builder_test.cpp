#include <gtest/gtest.h>

#include <cstring>

#include "model/board_sections.h"
#include "model/track.h"
#include "model/view_state.h"
#include "rules/course_builder.h"
#include "rules/race_state.h"

namespace {

class CourseBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override { initBoardSections(); }

  static bool lay(const char* spec) {
    memset(courseSpec, 0, sizeof courseSpec);
    memcpy(courseSpec, spec, strnlen(spec, COURSE_SPEC_SIZE - 1));
    return buildCourse();
  }

  // Fills the race state with values no new stage may keep.
  static void fillWithJunk() {
    for (int row = 0; row < TRACK_ROWS; row++)
      for (int lane = 0; lane < TRACK_LANES; lane++) {
        trackSquareValue[row][lane] = 7;
        trackTerrain[row][lane] = 3;
        trackOccupant[row][lane] = 5;
        trackReach12[row][lane] = 99;
        trackReach11[row][lane] = 98;
      }
    for (Rider& r : riders) {
      r.row = 12;
      r.lane = 3;
      r.skipTurns = 2;
      r.parked = r.crashInvolved = r.movedThisRound = r.finished = r.disqualified = 1;
      r.humanControlled = 1;
    }
    for (int t = 0; t < TEAM_COUNT; t++)
      for (int s = 0; s < CARD_SLOTS; s++) cardUsed[t][s] = 1;
    for (int p = 0; p < RESULT_PLACES; p++) raceResults[p] = 3;
    for (int r = 0; r < RIDER_COUNT; r++) {
      riderScore[r] = 40;
      riderLap[r] = 2;
      dopingNumber[r] = 4;
    }
    roundNumber = 17;
    activeRider = 6;
    followCandidate = 2;
    eventCardRider = 9;
    lastLineWinner = 8;
    extraDie = 4;
    bonusSquares = 3;
    movementTotal = 11;
    boardView2D = 0;
    cameraIndex = 7;
    otherModeCamera = 2;
    sprintToggle = finishToggle = 1;
    sprintCount = 3;
    trackQuadCount = 50;
    lapLineCount = 4;
    startCursorRow = 3;
  }
};

TEST_F(CourseBuilderTest, DefaultCourseMarksLinesLapsAndClimb) {
  ASSERT_TRUE(lay("012S37812F34"));
  EXPECT_EQ(trackRowCount, 207);
  EXPECT_EQ(lineRows[0], 43);
  EXPECT_EQ(lineRows[1], -1);
  EXPECT_EQ(lineRows[2], -1);
  EXPECT_EQ(lineRows[3], 152);
  EXPECT_EQ(lapLineCount, 2);
  EXPECT_EQ(lapLineRows[0], 5);
  EXPECT_EQ(lapLineRows[1], 114);
  EXPECT_EQ(lapLineRows[2], -1);
  EXPECT_EQ(climbEndRow, 152);
  EXPECT_EQ(startCursorLane, 0);
  // The second "1" follows "8": from there on the course lies 3 lanes across.
  int secondLapStart = 115;
  for (int r = 0; r < 25; r++)
    for (int l = 0; l < SECTION_LANES; l++)
      EXPECT_EQ(trackSquareValue[secondLapStart + r][l + 3], sectionSquareValue[1][r][l]);
  EXPECT_EQ(trackSquareValue[secondLapStart][0], SQUARE_NONE);
  // The first "1" follows the start section and is not shifted.
  EXPECT_EQ(trackSquareValue[6][0], sectionSquareValue[1][0][0]);
  EXPECT_EQ(trackTerrain[6 + 14][4], sectionTerrain[1][14][4]);
}

TEST_F(CourseBuilderTest, SecondStartCourse) {
  ASSERT_TRUE(lay("64S5F12"));
  EXPECT_EQ(startCursorLane, 4);
  EXPECT_EQ(trackRowCount, 7 + 37 + 17 + 25 + 13);
  EXPECT_EQ(lineRows[0], 43);
  EXPECT_EQ(lineRows[3], 60);
  // Only section 6 ends a lap here; section 3 is not laid.
  EXPECT_EQ(lapLineCount, 1);
  EXPECT_EQ(lapLineRows[0], 6);
  // Section 2 lies in the run-out, after the finish.
  EXPECT_EQ(climbEndRow, 0);
  // The run-out "1" does not follow "0", so it lies 3 lanes across.
  EXPECT_EQ(trackSquareValue[61][3], sectionSquareValue[1][0][0]);
  EXPECT_EQ(trackSquareValue[61][7], sectionSquareValue[1][0][4]);
  EXPECT_EQ(trackSquareValue[61][0], SQUARE_NONE);
}

TEST_F(CourseBuilderTest, ThreeSprintsAreMarkedInOrder) {
  ASSERT_TRUE(lay("01S23S7S8F12"));
  EXPECT_EQ(lineRows[0], 30);
  EXPECT_EQ(lineRows[1], 30 + 13 + 17);
  EXPECT_EQ(lineRows[2], 60 + 31);
  EXPECT_EQ(lineRows[3], 91 + 23);
}

TEST_F(CourseBuilderTest, ResetsEveryPartOfTheRaceAndKeepsControllers) {
  fillWithJunk();
  ASSERT_TRUE(lay("01S23S4S5F12"));
  for (const Rider& r : riders) {
    EXPECT_EQ(r.row, -1);
    EXPECT_EQ(r.lane, -1);
    EXPECT_EQ(r.skipTurns, 0);
    EXPECT_EQ(r.parked + r.crashInvolved + r.movedThisRound + r.finished + r.disqualified, 0);
    EXPECT_EQ(r.humanControlled, 1);  // chosen at team setup, survives the stage
  }
  for (int t = 0; t < TEAM_COUNT; t++)
    for (int s = 0; s < CARD_SLOTS; s++) EXPECT_EQ(cardUsed[t][s], s < 14 ? 0 : -1);
  for (int p = 0; p < RESULT_PLACES; p++) EXPECT_EQ(raceResults[p], -1);
  for (int r = 0; r < RIDER_COUNT; r++) {
    EXPECT_EQ(riderScore[r], 0);
    EXPECT_EQ(riderLap[r], 0);
    EXPECT_EQ(dopingNumber[r], -1);
  }
  int squares = 0;
  for (int row = 0; row < TRACK_ROWS; row++)
    for (int lane = 0; lane < TRACK_LANES; lane++) {
      EXPECT_EQ(trackOccupant[row][lane], -1);
      if (row >= trackRowCount) {
        ASSERT_EQ(trackSquareValue[row][lane], SQUARE_NONE) << row << "," << lane;
        ASSERT_EQ(trackTerrain[row][lane], TERRAIN_NONE);
      }
      if (trackSquareValue[row][lane] != SQUARE_NONE) squares++;
    }
  EXPECT_GT(squares, 0);
  EXPECT_EQ(roundNumber, 1);
  EXPECT_EQ(activeRider, -1);
  EXPECT_EQ(followCandidate, -1);
  EXPECT_EQ(eventCardRider, -1);
  EXPECT_EQ(lastLineWinner, -1);
  EXPECT_EQ(extraDie, -1);
  EXPECT_EQ(bonusSquares, 0);
  EXPECT_EQ(movementTotal, 0);
  EXPECT_EQ(boardView2D, 1);
  EXPECT_EQ(cameraIndex, 1);
  EXPECT_EQ(otherModeCamera, 3);
  EXPECT_EQ(sprintToggle + finishToggle + sprintCount, 0);
  EXPECT_EQ(startCursorRow, 0);
  EXPECT_EQ(lapLineCount, 2);  // end of the start section and of section 5
}

TEST_F(CourseBuilderTest, PiecesAndDividersAreShiftedByTheirOffsets) {
  ASSERT_TRUE(lay("012S37812F34"));
  int expectedDividers = 0;
  for (char c : std::string("0123781234")) expectedDividers += sectionDividerCount[c - '0'];
  EXPECT_EQ(trackDividerCount, expectedDividers);
  // Section 1 of the second lap starts at row 115, 3 lanes across.
  bool found = false;
  for (int d = 0; d < trackDividerCount; d++)
    if (trackDividers[d].rowFrom == 115 + sectionDividers[1][0].rowFrom &&
        trackDividers[d].lane == sectionDividers[1][0].lane + 3)
      found = true;
  EXPECT_TRUE(found);
  ASSERT_GT(sectionQuadCount[1], 0);
  int quadsBefore = sectionQuadCount[0] + sectionQuadCount[1] + sectionQuadCount[2] +
                    sectionQuadCount[3] + sectionQuadCount[7] + sectionQuadCount[8];
  const BoardQuad& shifted = trackQuads[quadsBefore];
  EXPECT_FLOAT_EQ(shifted.rowFrom, sectionQuads[1][0].rowFrom + 115);
  EXPECT_FLOAT_EQ(shifted.laneTo, sectionQuads[1][0].laneTo + 3);
  EXPECT_FLOAT_EQ(shifted.corners[0][0], sectionQuads[1][0].corners[0][0]);
}

TEST_F(CourseBuilderTest, FourthSprintIsRefusedWithoutTouchingTheRace) {
  ASSERT_TRUE(lay("012S37812F34"));
  EXPECT_FALSE(courseCanBeLaid("01S2S3S4S5F12"));
  riders[3].row = 10;
  EXPECT_FALSE(lay("01S2S3S4S5F12"));
  EXPECT_EQ(lineRows[0], 43);
  EXPECT_EQ(lineRows[3], 152);
  EXPECT_EQ(riders[3].row, 10);
}

TEST_F(CourseBuilderTest, CoursesThatCannotBeLaidAreRefused) {
  const char* bad[] = {
      "",                    // nothing
      "12S3F45",             // does not begin at a start section
      "02S3F45",             // section 2 may not follow 0
      "01X2F34",             // unknown character
      "01s2F34",             // lower case is not a sprint
      "012S378",             // no finish
      "012F3F45",            // two finishes
      "01234F",              // no run-out
      "0123451234512345123451234F12",  // 28 characters: too long for the buffer
  };
  for (const char* spec : bad) EXPECT_FALSE(courseCanBeLaid(spec)) << spec;
  EXPECT_FALSE(courseCanBeLaid(nullptr));

  // Fits the buffer, but five laps and the run-out pass the last row.
  EXPECT_FALSE(courseCanBeLaid("012345123451234512345123F45"));
}

TEST_F(CourseBuilderTest, UnterminatedCourseBufferIsRefused) {
  memset(courseSpec, '1', sizeof courseSpec);
  courseSpec[0] = '0';
  trackRowCount = 77;
  EXPECT_FALSE(buildCourse());
  EXPECT_EQ(trackRowCount, 77);
}

TEST_F(CourseBuilderTest, ReadyMadeCoursesAndLongestDesignsCanBeLaid) {
  for (const char* course : predefinedCourses) EXPECT_TRUE(lay(course)) << course;
  // The designer forces the finish after the fourth lap-ending section and
  // appends two run-out sections; these are its longest courses.
  const char* longest[] = {
      "01S23S4S5123451234512345F12",
      "01S23S7S8123781237812378F12",
      "64S5123S4512345123451234F51",
      "67S8123S781237812378123F45",
  };
  for (const char* course : longest) {
    ASSERT_TRUE(courseCanBeLaid(course)) << course;
    EXPECT_TRUE(lay(course));
    EXPECT_LE(trackRowCount, TRACK_ROWS);
  }
}

TEST_F(CourseBuilderTest, SectionsAreLaidFromTheCatalogue) {
  ASSERT_TRUE(lay("67S8F12"));
  EXPECT_EQ(startCursorLane, 4);
  int row = 0;
  for (int section : {6, 7, 8}) {
    for (int r = 0; r < sectionRowCount[section]; r++, row++)
      for (int l = 0; l < SECTION_LANES; l++) {
        ASSERT_EQ(trackSquareValue[row][l], sectionSquareValue[section][r][l]);
        ASSERT_EQ(trackTerrain[row][l], sectionTerrain[section][r][l]);
      }
  }
  EXPECT_EQ(lineRows[0], 7 + 31 - 1);
  EXPECT_EQ(climbEndRow, 7 + 31 - 1);
}

}  // namespace
