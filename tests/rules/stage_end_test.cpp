#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "files/tour_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/doping.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "support/test_track.h"

namespace {

int redraws = 0;
void countRedraw() { redraws++; }

// A finished single-stage race in a scratch folder: nobody on the road,
// nobody doped, the places as the test sets them.
class StageEndTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    installFileHooks();
    freshRace();
  }
  static void freshRace() {
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
    ScratchFolderTest::TearDown();
  }

  // A tour with two stored stages, its file "tour.velq" in the folder.
  void startTour() {
    tourMode = 1;
    strcpy(courseSpec, "012S37F");
    const char* names[4] = {"Alpha", "Bravo", "Charlie", "Delta"};
    for (int t = 0; t < 4; t++) strcpy(teamNames[t], names[t]);
    for (int s = 0; s < 2; s++) {
      StageRecord record;
      packCourseSpec("0F", record.course);
      for (int e = 0; e < RESULT_PLACES; e++) record.results[e] = (e + s) % 16;
      stageRecords.push_back(record);
    }
    tourFileName = folder + "/tour.velq";
  }
  // Finish places in rider order 0..15 with their points.
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
  // The control with the scripted draws, and its OK.
  static void holdControl(std::initializer_list<int> draws) {
    scriptRandom(draws);
    startDopingControl();
    continueDopingControl();
  }
  static void expectStageStandings(int stage) {
    EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
    EXPECT_EQ(previousScreen, SCREEN_STAGE_OVER);
    EXPECT_EQ(scoreGeneral, 0);
    EXPECT_EQ(scoreStage, stage);
    EXPECT_EQ(activeRider, -1);
  }
};

// The draw r of the doping control.
std::pair<int, int> drawFor(int r) {
  scriptRandom({r});
  startDopingControl();
  return {dopingDraw[0], dopingDraw[1]};
}

TEST_F(StageEndTest, TheDrawGivesEveryOrderedPairOfDifferentNumbersOnceAndCatchesTheRidersWithADrawnNumber) {
  std::set<std::pair<int, int>> pairs;
  for (int r = 0; r < 30; r++) {
    std::pair<int, int> draw = drawFor(r);
    EXPECT_TRUE(draw.first >= 1 && draw.first <= 6 && draw.second >= 1 && draw.second <= 6) << r;
    EXPECT_NE(draw.first, draw.second) << r;
    EXPECT_EQ(currentScreen, SCREEN_DOPING_CONTROL);
    EXPECT_EQ(dopingCaught, 0) << r;
    for (int rider = 0; rider < RIDER_COUNT; rider++) EXPECT_FALSE(caughtByDopingControl(rider));
    pairs.insert(draw);
  }
  EXPECT_EQ(pairs.size(), 30u);
  // Only the draw modulo 30 counts.
  const std::pair<int, std::pair<int, int>> table[] = {
      {0, {1, 2}}, {1, {1, 3}}, {4, {1, 6}}, {5, {2, 1}}, {6, {2, 3}}, {29, {6, 5}}, {36, {2, 3}}, {3029, {6, 5}}};
  for (const auto& row : table) EXPECT_EQ(drawFor(row.first), row.second) << row.first;

  // The riders with a drawn number are caught before anything is shown.
  redrawHook = nullptr;
  dopingNumber[2] = dopingNumber[14] = 3;
  dopingNumber[5] = 1;
  dopingNumber[9] = 4;
  ASSERT_EQ(drawFor(12), std::make_pair(3, 4));
  EXPECT_EQ(dopingCaught, 1);
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(caughtByDopingControl(r), r == 2 || r == 9 || r == 14) << r;
  EXPECT_FALSE(caughtByDopingControl(-1));
  EXPECT_FALSE(caughtByDopingControl(RIDER_COUNT));
  // A draw that misses every doping number clears the mark of an earlier control.
  drawFor(25);  // (6, 1) catches rider 5 only
  EXPECT_EQ(dopingCaught, 1);
  dopingNumber[5] = -1;
  drawFor(25);
  EXPECT_EQ(dopingCaught, 0);
}

// Each caught rider throws in rider order; the verdict is in force while
// his panel still shows it; OK after the last ends the stage. A single-stage
// race stores nothing; a tour stores the stage (once the walk is over) and
// writes its file. A stray OK afterwards starts nothing again.
TEST_F(StageEndTest, CaughtRidersAreCheckedOneAfterTheOtherInRiderOrder) {
  struct Step {
    int rider, die;
    bool acquitted;
  };
  struct Case {
    std::vector<std::pair<int, int>> dopingNumbers;
    int draws[3];  // the control's draw, then the riders' throws
    std::vector<Step> steps;
    bool tour;
  } cases[] = {
      {{{4, 5}}, {0, 3, 3}, {}, false},                                             // (1, 2) catches nobody
      {{{11, 2}, {3, 1}, {7, 4}}, {0, 0, 4}, {{3, 1, true}, {11, 5, false}}, false},  // 7 not caught
      {{{15, 6}}, {29, 5, 3}, {{15, 6, true}}, false},                              // (6, 5): the last rider
      {{{8, 2}}, {0, 4, 3}, {{8, 5, false}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "first draw " << c.draws[0] << (c.tour ? " in a tour" : ""));
    freshRace();
    if (c.tour) startTour();
    finishInRiderOrder();
    giveSprintPlace(0, 0, 11);
    giveSprintPlace(1, 0, 8);
    std::vector<int> places(raceResults, raceResults + RESULT_PLACES);
    std::vector<int> scores(riderScore, riderScore + RIDER_COUNT);
    for (const auto& n : c.dopingNumbers) dopingNumber[n.first] = n.second;
    scriptRandom({c.draws[0], c.draws[1], c.draws[2]});
    startDopingControl();
    EXPECT_EQ(dopingCaught, c.steps.empty() ? 0 : 1);
    redraws = 0;
    continueDopingControl();
    std::vector<bool> out(RIDER_COUNT, false);
    for (const Step& step : c.steps) {
      EXPECT_EQ(currentScreen, SCREEN_COUNTERCHECK);
      EXPECT_EQ(activeRider, step.rider);
      EXPECT_EQ(countercheckDie, step.die);
      EXPECT_EQ(countercheckAcquits(), step.acquitted);
      out[step.rider] = !step.acquitted;
      for (int r = 0; r < RIDER_COUNT; r++) {
        EXPECT_EQ(riders[r].disqualified, out[r] ? 1 : 0) << r;
        EXPECT_EQ(riderScore[r], out[r] ? 0 : scores[r]) << r;
      }
      for (int p = 0; p < RESULT_PLACES; p++) EXPECT_EQ(raceResults[p], places[p] >= 0 && out[places[p]] ? -1 : places[p]) << p;
      EXPECT_EQ(stageRecords.size(), c.tour ? 2u : 0u);
      countercheckNextRider();
    }
    expectStageStandings(c.tour ? 2 : 0);  // in a tour, the stage just stored
    EXPECT_GE(redraws, 1);
    int die = c.steps.empty() ? 0 : c.steps.back().die;  // 0: nobody threw
    EXPECT_EQ(countercheckDie, die);
    scriptRandom({1});
    countercheckNextRider();
    continueDopingControl();
    expectStageStandings(c.tour ? 2 : 0);
    EXPECT_EQ(countercheckDie, die);
    ASSERT_EQ(stageRecords.size(), c.tour ? 3u : 0u);
    if (c.tour) {
      for (int e = 0; e < RESULT_PLACES; e++) EXPECT_EQ(stageRecords[2].results[e], raceResults[e]) << e;
      EXPECT_EQ(stageRecords[2].results[FIRST_FINISH_PLACE + 8], -1);
      EXPECT_EQ(stageRecords[2].course.bytes[0], 0x10);  // "0" and "1"
      EXPECT_EQ(stageRecords[2].course.bytes[1], 0xF2);  // "2" and "S"
      EXPECT_EQ(readFileBytes(tourFileName).size(), TOUR_HEADER_SIZE + 3 * STAGE_RECORD_SIZE);
      EXPECT_EQ(readFileBytes(tourFileName), encodeTourFile());
    }
  }
}

TEST_F(StageEndTest, ADisqualificationLeavesGapsAndMovesNobodyUp) {
  finishInRiderOrder();
  giveSprintPlace(0, 0, 6);
  giveSprintPlace(0, 1, 2);
  giveSprintPlace(1, 2, 6);
  giveSprintPlace(2, 0, 9);
  std::vector<int> before(raceResults, raceResults + RESULT_PLACES);
  std::vector<int> scores(riderScore, riderScore + RIDER_COUNT);
  disqualifyRider(6);
  for (int p = 0; p < RESULT_PLACES; p++) EXPECT_EQ(raceResults[p], before[p] == 6 ? -1 : before[p]) << p;
  EXPECT_EQ(raceResults[1], 2);
  EXPECT_EQ(raceResults[FIRST_FINISH_PLACE + 7], 7);
  EXPECT_EQ(riders[6].disqualified, 1);
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(riderScore[r], r == 6 ? 0 : scores[r]) << r;
  // No rider, nothing done.
  std::vector<int> after(raceResults, raceResults + RESULT_PLACES);
  disqualifyRider(-1);
  disqualifyRider(RIDER_COUNT);
  EXPECT_EQ(std::vector<int>(raceResults, raceResults + RESULT_PLACES), after);
}

TEST_F(StageEndTest, TheControlActsOnlyOnItsOwnPanels) {
  finishInRiderOrder();
  dopingNumber[0] = 1;
  scriptRandom({0, 3});
  startDopingControl();
  currentScreen = SCREEN_SCORECARD;  // an overlay over the panel
  continueDopingControl();
  countercheckNextRider();
  retrySavingTour();
  abortSavingTour();
  EXPECT_EQ(currentScreen, SCREEN_SCORECARD);
  EXPECT_EQ(countercheckDie, 0);
  EXPECT_EQ(riders[0].disqualified, 0);
}

// A failed save opens its panel with the stage kept in memory; retry tries
// again without appending it twice until the file is written; abort opens
// the standings and leaves the file as it stood.
TEST_F(StageEndTest, AFailedSaveOffersRetryOrAbort) {
  for (bool retryUntilWritten : {false, true}) {
    SCOPED_TRACE(retryUntilWritten ? "retry" : "abort");
    freshRace();
    stageRecords.clear();
    startTour();
    ASSERT_EQ(saveTour(tourFileName), 1);  // the file as it stood after stage 2
    std::vector<uint8_t> before = readFileBytes(tourFileName);
    tourFileName = folder + "/missing/tour.velq";
    finishInRiderOrder();
    holdControl({0});
    EXPECT_EQ(currentScreen, SCREEN_SAVE_FAILED);
    EXPECT_EQ(previousScreen, SCREEN_STAGE_OVER);
    EXPECT_EQ(scoreStage, 2);
    ASSERT_EQ(stageRecords.size(), 3u);
    redraws = 0;
    retrySavingTour();
    EXPECT_EQ(currentScreen, SCREEN_SAVE_FAILED);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(stageRecords.size(), 3u);
    EXPECT_EQ(access(tourFileName.c_str(), F_OK), -1);

    if (retryUntilWritten) {
      ASSERT_EQ(mkdir("missing", 0755), 0);
      retrySavingTour();
    } else {
      abortSavingTour();
    }
    size_t written = retryUntilWritten ? TOUR_HEADER_SIZE + 3 * STAGE_RECORD_SIZE : 0;
    expectStageStandings(2);
    EXPECT_EQ(stageRecords.size(), 3u);
    EXPECT_EQ(readFileBytes(tourFileName).size(), written);
    EXPECT_EQ(readFileBytes(folder + "/tour.velq"), before);
    redraws = 0;
    retrySavingTour();  // once the standings are open it does nothing more
    EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(readFileBytes(tourFileName).size(), written);
  }
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

TEST_F(DopingCardTest, YesDrawsTheDopingNumberOfTheActiveRiderOnly) {
  turnOn(3);
  currentScreen = SCREEN_DOPING_CONFIRM;
  scriptRandom({4});
  acceptDoping();
  EXPECT_EQ(dopingNumber[5], 5);
  EXPECT_EQ(currentScreen, SCREEN_DOPING_NUMBER);
  scriptRandom({6 * 1000 + 0});
  acceptDoping();
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(dopingNumber[r], r == 5 ? 1 : -1) << r;
  // Without an active rider neither the number nor the card is taken.
  activeRider = -1;
  EXPECT_EQ(freeDopingSlot(), -1);
  takeDopingCard();
  acceptDoping();
  EXPECT_EQ(chosenCards[0], CARD_DIE);
  EXPECT_EQ(dopingCardValue, -1);
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(dopingNumber[r], r == 5 ? 1 : -1) << r;
  EXPECT_EQ(currentScreen, SCREEN_DOPING_NUMBER);
}

// The card takes the first free slot; on cobbles only one card at most; worth
// six on the flat and cobbles, five on a climb. Without a slot the panel
// still leads back to the cards, with no card and the doping not taken.
TEST_F(DopingCardTest, TheCardTakesAFreeSlotWorthItsTerrain) {
  const int none = -1;
  struct Case {
    int row, first, second, slot, wantFirst, wantSecond, value;
  } cases[] = {
      {3, CARD_DIE, CARD_DIE, 0, CARD_DOPING, CARD_DIE, 6},
      {3, 4, CARD_DIE, 1, 4, CARD_DOPING, 6},
      {22, 0, CARD_DIE, 1, 0, CARD_DOPING, 5},
      {12, CARD_DIE, 3, none, CARD_DIE, 3, none},
      {12, CARD_DIE, CARD_DIE, 0, CARD_DOPING, CARD_DIE, 6},
      {3, 2, 7, none, 2, 7, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << c.row << " cards " << c.first << "," << c.second);
    turnOn(c.row);
    chosenCards[0] = c.first;
    chosenCards[1] = c.second;
    dopingCardValue = -1;
    dopingNumber[5] = 4;
    EXPECT_EQ(freeDopingSlot(), c.slot);
    takeDopingCard();
    EXPECT_EQ(cardsPlayed(), std::make_pair(c.wantFirst, c.wantSecond));
    EXPECT_EQ(dopingCardValue, c.value);
    EXPECT_EQ(dopingNumber[5], c.slot == none ? -1 : 4);
    EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
  }
}

}  // namespace
