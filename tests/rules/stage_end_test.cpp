#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "files/tour_file.h"
#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/doping.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "support/test_track.h"
#include "support/file_bytes.h"

namespace {

int redraws = 0;
void countRedraw() { redraws++; }

long fileSize(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

int32_t le32(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; i++) value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
  return static_cast<int32_t>(value);
}

// A finished single-stage race: nobody on the road, nobody doped, the
// places as the test sets them.
class StageEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearTestTrack(60);
    tourMode = 0;
    for (int r = 0; r < RIDER_COUNT; r++) {
      riders[r].finished = 1;
      dopingNumber[r] = -1;
    }
    dopingCaught = 0;
    countercheckDie = 0;
    scoreGeneral = 1;
    scoreStage = 7;
    previousScreen = SCREEN_MAIN_MENU;
    redraws = 0;
    redrawHook = countRedraw;
  }
  void TearDown() override {
    stopScriptedRandom();
    redrawHook = nullptr;
    moveTimerHook = nullptr;
    tourMode = 0;
    stageRecords.clear();
    tourFileName.clear();
    if (!folder.empty()) {
      std::string command = "rm -rf '" + folder + "'";
      EXPECT_EQ(system(command.c_str()), 0);
    }
  }

  // A tour with two stored stages, its file in a fresh folder.
  void startTour() {
    char dir[] = "/tmp/corvalis-stage-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    folder = dir;
    tourMode = 1;
    strcpy(courseSpec, "012S37F");
    strcpy(teamNames[0], "Alpha");
    strcpy(teamNames[1], "Bravo");
    strcpy(teamNames[2], "Charlie");
    strcpy(teamNames[3], "Delta");
    stageRecords.clear();
    for (int s = 0; s < 2; s++) {
      StageRecord record;
      char course[COURSE_SPEC_SIZE] = "0F";
      packCourseSpec(course, record.course);
      for (int e = 0; e < RESULT_PLACES; e++) record.results[e] = (e + s) % 16;
      stageRecords.push_back(record);
    }
    tourFileName = folder + "/tour.velq";
  }

  // Finish places in rider order 0..15 with their points, and the sprint
  // places as given.
  static void finishInRiderOrder() {
    for (int q = 0; q < RIDER_COUNT; q++) {
      raceResults[FIRST_FINISH_PLACE + q] = q;
      riderScore[q] += placePoints[FIRST_FINISH_PLACE + q];
    }
  }
  static void giveSprintPlace(int sprint, int place, int rider) {
    raceResults[3 * sprint + place] = rider;
    riderScore[rider] += placePoints[3 * sprint + place];
  }
  static void expectStageStandings() {
    EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
    EXPECT_EQ(previousScreen, SCREEN_STAGE_OVER);
    EXPECT_EQ(scoreGeneral, 0);
    EXPECT_EQ(activeRider, -1);
  }

  std::string folder;
};

// The draw r = 0..29 of the doping control.
std::pair<int, int> drawFor(int r) {
  scriptRandom({r});
  startDopingControl();
  return {dopingDraw[0], dopingDraw[1]};
}

TEST_F(StageEndTest, TheDrawGivesEveryOrderedPairOfDifferentNumbersOnce) {
  std::set<std::pair<int, int>> pairs;
  for (int r = 0; r < 30; r++) {
    std::pair<int, int> draw = drawFor(r);
    EXPECT_GE(draw.first, 1);
    EXPECT_LE(draw.first, 6);
    EXPECT_GE(draw.second, 1);
    EXPECT_LE(draw.second, 6);
    EXPECT_NE(draw.first, draw.second) << "r = " << r;
    EXPECT_EQ(currentScreen, SCREEN_DOPING_CONTROL);
    pairs.insert(draw);
  }
  EXPECT_EQ(pairs.size(), 30u);
  EXPECT_EQ(drawFor(0), std::make_pair(1, 2));
  EXPECT_EQ(drawFor(1), std::make_pair(1, 3));
  EXPECT_EQ(drawFor(4), std::make_pair(1, 6));
  EXPECT_EQ(drawFor(5), std::make_pair(2, 1));
  EXPECT_EQ(drawFor(6), std::make_pair(2, 3));
  EXPECT_EQ(drawFor(29), std::make_pair(6, 5));
  // Only the draw modulo 30 counts.
  EXPECT_EQ(drawFor(30 + 6), std::make_pair(2, 3));
  EXPECT_EQ(drawFor(3000 + 29), std::make_pair(6, 5));
}

TEST_F(StageEndTest, TheControlCatchesTheRidersWithADrawnNumberBeforeAnythingIsShown) {
  redrawHook = nullptr;  // no panel is ever drawn
  dopingNumber[2] = 3;
  dopingNumber[5] = 1;
  dopingNumber[9] = 4;
  dopingNumber[14] = 3;
  drawFor(12);  // (3, 4)
  ASSERT_EQ(dopingDraw[0], 3);
  ASSERT_EQ(dopingDraw[1], 4);
  EXPECT_EQ(dopingCaught, 1);
  for (int r = 0; r < RIDER_COUNT; r++)
    EXPECT_EQ(caughtByDopingControl(r), r == 2 || r == 9 || r == 14) << r;
  EXPECT_FALSE(caughtByDopingControl(-1));
  EXPECT_FALSE(caughtByDopingControl(RIDER_COUNT));

  // A draw that misses every doping number catches nobody and clears the
  // mark of an earlier control.
  drawFor(25);  // (6, 1) catches rider 5 only
  EXPECT_EQ(dopingCaught, 1);
  dopingNumber[5] = -1;
  drawFor(25);
  EXPECT_EQ(dopingCaught, 0);
}

TEST_F(StageEndTest, ARiderWhoNeverTookDopingIsNeverCaught) {
  for (int r = 0; r < 30; r++) {
    drawFor(r);
    EXPECT_EQ(dopingCaught, 0) << r;
    for (int rider = 0; rider < RIDER_COUNT; rider++) EXPECT_FALSE(caughtByDopingControl(rider));
  }
}

TEST_F(StageEndTest, WithNobodyCaughtOkEndsTheStageAtOnce) {
  finishInRiderOrder();
  dopingNumber[4] = 5;
  drawFor(0);  // (1, 2)
  ASSERT_EQ(dopingCaught, 0);
  redraws = 0;
  scriptRandom({3});
  continueDopingControl();
  expectStageStandings();
  EXPECT_EQ(scoreStage, 0);
  EXPECT_GE(redraws, 1);
  EXPECT_EQ(countercheckDie, 0);  // nobody threw
  for (int q = 0; q < RIDER_COUNT; q++) EXPECT_EQ(raceResults[FIRST_FINISH_PLACE + q], q);
}

TEST_F(StageEndTest, CaughtRidersAreCheckedOneAfterTheOtherInRiderOrder) {
  finishInRiderOrder();
  giveSprintPlace(0, 0, 11);
  dopingNumber[11] = 2;  // caught, the die shows 5: disqualified
  dopingNumber[3] = 1;   // caught, the die shows 1: acquitted
  dopingNumber[7] = 4;   // not caught
  scriptRandom({0, 0, 4});  // control (1, 2); rider 3 throws 1; rider 11 throws 5
  startDopingControl();
  ASSERT_EQ(dopingCaught, 1);

  continueDopingControl();
  EXPECT_EQ(currentScreen, SCREEN_COUNTERCHECK);
  EXPECT_EQ(activeRider, 3);
  EXPECT_EQ(countercheckDie, 1);
  EXPECT_TRUE(countercheckAcquits());
  EXPECT_EQ(riders[3].disqualified, 0);
  EXPECT_EQ(raceResults[FIRST_FINISH_PLACE + 3], 3);
  EXPECT_EQ(riderScore[3], placePoints[FIRST_FINISH_PLACE + 3]);

  countercheckNextRider();
  EXPECT_EQ(currentScreen, SCREEN_COUNTERCHECK);
  EXPECT_EQ(activeRider, 11);
  EXPECT_EQ(countercheckDie, 5);
  EXPECT_FALSE(countercheckAcquits());
  // The verdict is in force while the panel still shows it.
  EXPECT_EQ(riders[11].disqualified, 1);
  EXPECT_EQ(riderScore[11], 0);
  EXPECT_EQ(raceResults[0], -1);
  EXPECT_EQ(raceResults[FIRST_FINISH_PLACE + 11], -1);
  EXPECT_EQ(riders[7].disqualified, 0);

  countercheckNextRider();
  expectStageStandings();
  EXPECT_EQ(scoreStage, 0);

  // A stray OK after the walk does not start it again.
  int before = countercheckDie;
  scriptRandom({1});
  countercheckNextRider();
  continueDopingControl();
  expectStageStandings();
  EXPECT_EQ(countercheckDie, before);
}

TEST_F(StageEndTest, TheCountercheckWalkEndsWhenTheLastRiderWasChecked) {
  finishInRiderOrder();
  dopingNumber[15] = 6;
  scriptRandom({29, 5});  // control (6, 5); rider 15 throws 6: acquitted
  startDopingControl();
  continueDopingControl();
  EXPECT_EQ(activeRider, 15);
  EXPECT_TRUE(countercheckAcquits());
  countercheckNextRider();
  expectStageStandings();
  EXPECT_EQ(riders[15].disqualified, 0);
  EXPECT_EQ(raceResults[RESULT_PLACES - 1], 15);
}

TEST_F(StageEndTest, ADisqualificationLeavesGapsAndMovesNobodyUp) {
  finishInRiderOrder();
  giveSprintPlace(0, 0, 6);   // sprint 1 winner
  giveSprintPlace(0, 1, 2);
  giveSprintPlace(1, 2, 6);
  giveSprintPlace(2, 0, 9);
  int before[RESULT_PLACES];
  for (int p = 0; p < RESULT_PLACES; p++) before[p] = raceResults[p];
  int scores[RIDER_COUNT];
  for (int r = 0; r < RIDER_COUNT; r++) scores[r] = riderScore[r];

  disqualifyRider(6);
  for (int p = 0; p < RESULT_PLACES; p++) {
    if (before[p] == 6)
      EXPECT_EQ(raceResults[p], -1) << p;
    else
      EXPECT_EQ(raceResults[p], before[p]) << p;
  }
  EXPECT_EQ(raceResults[0], -1);
  EXPECT_EQ(raceResults[1], 2);
  EXPECT_EQ(raceResults[5], -1);
  EXPECT_EQ(raceResults[FIRST_FINISH_PLACE + 6], -1);
  EXPECT_EQ(raceResults[FIRST_FINISH_PLACE + 7], 7);
  EXPECT_EQ(riderScore[6], 0);
  EXPECT_EQ(riders[6].disqualified, 1);
  for (int r = 0; r < RIDER_COUNT; r++)
    if (r != 6) {
      EXPECT_EQ(riderScore[r], scores[r]) << r;
    }

  // No rider, nothing done.
  disqualifyRider(-1);
  disqualifyRider(RIDER_COUNT);
  EXPECT_EQ(raceResults[1], 2);
}

TEST_F(StageEndTest, TheControlActsOnlyOnItsOwnPanels) {
  finishInRiderOrder();
  dopingNumber[0] = 1;
  scriptRandom({0, 3});
  startDopingControl();
  currentScreen = SCREEN_SCORECARD;  // an overlay over the panel
  continueDopingControl();
  countercheckNextRider();
  EXPECT_EQ(currentScreen, SCREEN_SCORECARD);
  EXPECT_EQ(countercheckDie, 0);
  EXPECT_EQ(riders[0].disqualified, 0);
  retrySavingTour();
  abortSavingTour();
  EXPECT_EQ(currentScreen, SCREEN_SCORECARD);
}

TEST_F(StageEndTest, ASingleStageRaceStoresNothing) {
  finishInRiderOrder();
  scriptRandom({0});
  startDopingControl();
  continueDopingControl();
  expectStageStandings();
  EXPECT_EQ(scoreStage, 0);
  EXPECT_TRUE(stageRecords.empty());
}

TEST_F(StageEndTest, InATourTheStageIsAppendedAndTheFileWritten) {
  startTour();
  finishInRiderOrder();
  giveSprintPlace(1, 0, 8);
  dopingNumber[8] = 2;
  scriptRandom({0, 4});  // control (1, 2); rider 8 throws 5: disqualified
  startDopingControl();
  continueDopingControl();
  ASSERT_EQ(currentScreen, SCREEN_COUNTERCHECK);
  EXPECT_EQ(stageRecords.size(), 2u);  // stored only once the walk is over
  countercheckNextRider();
  expectStageStandings();
  // The standings show the finished stage, the third stored.
  EXPECT_EQ(scoreStage, 2);
  ASSERT_EQ(stageRecords.size(), 3u);
  EXPECT_EQ(stageRecords[2].results[3], -1);
  EXPECT_EQ(stageRecords[2].results[FIRST_FINISH_PLACE + 8], -1);
  EXPECT_EQ(stageRecords[2].results[FIRST_FINISH_PLACE + 9], 9);

  std::vector<uint8_t> bytes = readFileBytes(tourFileName);
  ASSERT_EQ(bytes.size(), TOUR_HEADER_SIZE + 3 * STAGE_RECORD_SIZE);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[1])), "Alpha");
  size_t third = TOUR_HEADER_SIZE + 2 * STAGE_RECORD_SIZE;
  EXPECT_EQ(bytes[third], 0x10);      // "0" and "1"
  EXPECT_EQ(bytes[third + 1], 0xF2);  // "2" and "S"
  for (int e = 0; e < RESULT_PLACES; e++)
    EXPECT_EQ(le32(bytes, third + 16 + 4 * e), stageRecords[2].results[e]) << e;
  EXPECT_EQ(le32(bytes, third + 16 + 4 * FIRST_FINISH_PLACE), 0);
}

TEST_F(StageEndTest, AFailedSaveOffersRetryUntilTheFileIsWritten) {
  startTour();
  tourFileName = folder + "/missing/tour.velq";
  finishInRiderOrder();
  scriptRandom({0});
  startDopingControl();
  continueDopingControl();
  EXPECT_EQ(currentScreen, SCREEN_SAVE_FAILED);
  EXPECT_EQ(previousScreen, SCREEN_STAGE_OVER);
  EXPECT_EQ(scoreStage, 2);
  // The stage is kept in memory for the next try.
  ASSERT_EQ(stageRecords.size(), 3u);

  redraws = 0;
  retrySavingTour();
  EXPECT_EQ(currentScreen, SCREEN_SAVE_FAILED);
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(stageRecords.size(), 3u);  // not appended a second time
  EXPECT_EQ(fileSize(tourFileName), -1);

  ASSERT_EQ(mkdir((folder + "/missing").c_str(), 0755), 0);
  retrySavingTour();
  EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
  EXPECT_EQ(previousScreen, SCREEN_STAGE_OVER);
  EXPECT_EQ(fileSize(tourFileName), static_cast<long>(TOUR_HEADER_SIZE + 3 * STAGE_RECORD_SIZE));

  // Retry once the standings are open does nothing more.
  retrySavingTour();
  EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
}

TEST_F(StageEndTest, AbortOpensTheStandingsWithoutTheStageInTheFile) {
  startTour();
  ASSERT_EQ(saveTour(tourFileName), 1);  // the file as it stood after stage 2
  std::vector<uint8_t> before = readFileBytes(tourFileName);
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  bool folderLocked = access(folder.c_str(), W_OK) != 0;  // root writes anyway
  if (!folderLocked) tourFileName = folder + "/missing/tour.velq";

  finishInRiderOrder();
  scriptRandom({0});
  startDopingControl();
  continueDopingControl();
  ASSERT_EQ(currentScreen, SCREEN_SAVE_FAILED);
  abortSavingTour();
  EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
  EXPECT_EQ(previousScreen, SCREEN_STAGE_OVER);
  EXPECT_EQ(stageRecords.size(), 3u);
  ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
  EXPECT_EQ(readFileBytes(folder + "/tour.velq"), before);
  EXPECT_EQ(fileSize(folder + "/missing/tour.velq"), -1);
}

// A person's turn on a road of flat, cobbled and climbing squares.
class DopingCardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearTestTrack(40);
    layRoad(0, 39, 0, 2, 0, TERRAIN_FLAT);
    layRoad(10, 14, 0, 2, 0, TERRAIN_COBBLES);
    layRoad(20, 24, 0, 2, -1, TERRAIN_CLIMB);
    for (int r = 0; r < RIDER_COUNT; r++) dopingNumber[r] = -1;
    riders[5].humanControlled = 1;
    dopingCardValue = -1;
  }
  void TearDown() override {
    stopScriptedRandom();
    moveTimerHook = nullptr;
  }
  static void turnOn(int row) {
    putRider(5, row, 1);
    beginTurnOf(5);
    currentScreen = SCREEN_DOPING_NUMBER;
  }
};

TEST_F(DopingCardTest, YesDrawsTheDopingNumber) {
  turnOn(3);
  currentScreen = SCREEN_DOPING_CONFIRM;
  scriptRandom({4});
  acceptDoping();
  EXPECT_EQ(dopingNumber[5], 5);
  EXPECT_EQ(currentScreen, SCREEN_DOPING_NUMBER);
  scriptRandom({6 * 1000 + 0});
  acceptDoping();
  EXPECT_EQ(dopingNumber[5], 1);
  for (int r = 0; r < RIDER_COUNT; r++)
    if (r != 5) {
      EXPECT_EQ(dopingNumber[r], -1);
    }
}

TEST_F(DopingCardTest, TheCardTakesTheFirstFreeSlotAndIsWorthSixOnTheFlat) {
  turnOn(3);
  takeDopingCard();
  EXPECT_EQ(chosenCards[0], CARD_DOPING);
  EXPECT_EQ(chosenCards[1], CARD_DIE);
  EXPECT_EQ(dopingCardValue, 6);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);

  turnOn(3);
  chosenCards[0] = 4;
  chosenCards[1] = CARD_DIE;
  takeDopingCard();
  EXPECT_EQ(chosenCards[0], 4);
  EXPECT_EQ(chosenCards[1], CARD_DOPING);
}

TEST_F(DopingCardTest, OnAClimbTheCardIsWorthFive) {
  turnOn(22);
  chosenCards[0] = 0;
  takeDopingCard();
  EXPECT_EQ(chosenCards[1], CARD_DOPING);
  EXPECT_EQ(dopingCardValue, 5);
}

TEST_F(DopingCardTest, OnCobblesOnlyOneCardAtMost) {
  turnOn(12);
  EXPECT_EQ(freeDopingSlot(), 0);
  chosenCards[1] = 3;  // a card already chosen in the second slot
  EXPECT_EQ(freeDopingSlot(), -1);
  takeDopingCard();
  EXPECT_EQ(chosenCards[0], CARD_DIE);
  EXPECT_EQ(chosenCards[1], 3);
  EXPECT_EQ(currentScreen, SCREEN_DOPING_NUMBER);

  chosenCards[1] = CARD_DIE;
  takeDopingCard();
  EXPECT_EQ(chosenCards[0], CARD_DOPING);
  EXPECT_EQ(dopingCardValue, 6);
}

TEST_F(DopingCardTest, WithNoFreeSlotNothingHappens) {
  turnOn(3);
  chosenCards[0] = 2;
  chosenCards[1] = 7;
  EXPECT_EQ(freeDopingSlot(), -1);
  takeDopingCard();
  EXPECT_EQ(chosenCards[0], 2);
  EXPECT_EQ(chosenCards[1], 7);
  EXPECT_EQ(dopingCardValue, -1);
  EXPECT_EQ(currentScreen, SCREEN_DOPING_NUMBER);

  // Nor without an active rider.
  chosenCards[0] = chosenCards[1] = CARD_DIE;
  activeRider = -1;
  EXPECT_EQ(freeDopingSlot(), -1);
  takeDopingCard();
  acceptDoping();
  EXPECT_EQ(chosenCards[0], CARD_DIE);
  EXPECT_EQ(currentScreen, SCREEN_DOPING_NUMBER);
}

}  // namespace
