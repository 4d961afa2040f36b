#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "files/standings_export.h"
#include "files/tour_file.h"
#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "support/file_bytes.h"
#include "support/race_driver.h"
#include "texts/language_texts.h"

namespace {

// The lines of a file, each ended by a newline; a missing file has none.
std::vector<std::string> fileLines(const std::string& path) {
  std::vector<std::string> lines;
  std::string text = readWholeFile(path);
  size_t start = 0, end;
  while ((end = text.find('\n', start)) != std::string::npos) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The team totals of the race just ridden, from the points it gave.
std::vector<int> teamTotals() {
  std::vector<int> totals(TEAM_COUNT, 0);
  for (int r = 0; r < RIDER_COUNT; r++) totals[riderTeam(r)] += riderScore[r];
  return totals;
}

// Races per course in the seeded test; CORVALIS_RACES raises it (the
// thousands of races of a long run), default small enough for every build.
int racesPerCourse() {
  const char* text = std::getenv("CORVALIS_RACES");
  int count = text ? std::atoi(text) : 0;
  return count > 0 ? count : 250;
}

const int ROUND_LIMIT = 200;

// Plays `count` computer races on each predefined course from seeds from
// seedBase on, every one of which must end within the round limit with the
// state sound, and adds up the event cards carried out.
void playSeededRaces(uint32_t seedBase, int count, bool eventCards, int (&cardsCarriedOut)[30]) {
  initBoardSections();
  for (int c = 0; c < 4; c++) {
    std::string course = predefinedCourses[c];
    for (int i = 0; i < count; i++) {
      uint32_t seed = static_cast<uint32_t>(c * 1000003) + seedBase + static_cast<uint32_t>(i);
      // Both ways of showing a move, which must not change its outcome, and
      // now and then an overlay opened over a moving rider.
      smoothComputerMovement = i % 2;
      ASSERT_TRUE(startComputerRace(course.c_str(), seed, eventCards)) << course;
      setOverlayInterruptions(i % 3 == 0);
      RaceRun run = runRaceToEnd();
      ASSERT_TRUE(run.ended && run.failure.empty())
          << course << " seed " << seed << ": " << run.failure << " after " << run.moves << " moves";
      EXPECT_LE(run.rounds, ROUND_LIMIT) << course << " seed " << seed;
      for (int card = 0; card < 30; card++) cardsCarriedOut[card] += run.eventCards[card];
    }
  }
  smoothComputerMovement = defaultSmoothComputerMovement;
  releaseRaceDriver();
}

TEST(SeededRaces, EveryRaceEndsWithAllRidersFinishedAndTheStateSound) {
  int cardsCarriedOut[30] = {};
  playSeededRaces(0, racesPerCourse(), false, cardsCarriedOut);
}

// With event cards on: every throw of 7 after the first round draws a card,
// whose panels the driver answers as their OK does; crashes, hand-ins,
// parked riders, extra cards, dice and bonus squares must all leave the
// race sound and let it end.
TEST(SeededRaces, RacesWithEventCardsEndWithTheStateSound) {
  int cardsCarriedOut[30] = {};
  ASSERT_NO_FATAL_FAILURE(playSeededRaces(500009, racesPerCourse() * 3 / 5 + 1, true, cardsCarriedOut));
  // The races did draw cards, and every card of the deck came up.
  for (int card = 0; card < 30; card++) EXPECT_GT(cardsCarriedOut[card], 0) << "card " << card;
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

// Every race ends with the doping control and the stage standings; a
// single-stage race stores nothing.
TEST(StageEnd, AWholeRaceEndsWithTheDopingControlAndTheStandings) {
  tourMode = 0;
  stageRecords.clear();
  ASSERT_TRUE(startComputerRace(predefinedCourses[2], 11u, false));
  RaceRun run = runRaceToEnd();
  ASSERT_TRUE(run.ended) << run.failure;
  EXPECT_TRUE(run.dopingControl);
  EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
  EXPECT_EQ(previousScreen, SCREEN_STAGE_OVER);
  EXPECT_EQ(scoreGeneral, 0);
  EXPECT_EQ(activeRider, -1);
  EXPECT_NE(dopingDraw[0], dopingDraw[1]);
  EXPECT_EQ(dopingCaught, 0);  // computer riders never take doping
  EXPECT_TRUE(stageRecords.empty());

  // Its Export writes one result block whose team totals are the points
  // the race gave.
  char dir[] = "/tmp/corvalis-race-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::string folder = dir;
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  standingsPath = folder + "/standings.csv";
  writeStandingsFile();
  EXPECT_EQ(standingsStatus, STANDINGS_WRITTEN);
  std::vector<std::string> lines = fileLines(standingsPath);
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[0], "Result stage 1");
  std::string totals;
  std::vector<int> team = teamTotals();
  for (int t = 0; t < TEAM_COUNT; t++) totals += ";Tot.;" + std::to_string(team[t]);
  EXPECT_EQ(lines[11].substr(lines[11].find(";;") + 1), totals);
  standingsStatus = STANDINGS_NONE;
  standingsPath.clear();
  std::string command = "rm -rf '" + folder + "'";
  EXPECT_EQ(system(command.c_str()), 0);
  releaseRaceDriver();
}

// The doping control of a race with doped riders, answered panel by panel:
// the caught riders are checked in rider order and every verdict is in the
// results. A redraw after every change (a window) ends it the same way as
// no redraw at all.
int redrawCount = 0;
void countRedraw() { redrawCount++; }

TEST(StageEnd, DopedRidersAreCheckedAndTheVerdictsStandHoweverOftenItIsDrawn) {
  int outcome[2][RESULT_PLACES + RIDER_COUNT];
  for (int way = 0; way < 2; way++) {
    ASSERT_TRUE(startComputerRace(predefinedCourses[0], 83u, false));
    for (int r = 0; r < RIDER_COUNT; r++) dopingNumber[r] = r % 3 == 0 ? -1 : r % 6 + 1;
    redrawCount = 0;
    redrawHook = way == 1 ? countRedraw : nullptr;
    int steps = 0;
    while (currentScreen != SCREEN_DOPING_CONTROL && steps++ < 2000000) ASSERT_TRUE(driveOneStep());
    ASSERT_EQ(checkRaceEnd(), "");
    int finished[RESULT_PLACES];
    memcpy(finished, raceResults, sizeof finished);
    std::vector<int> checked;
    int expected = -1;
    while (currentScreen == SCREEN_DOPING_CONTROL || currentScreen == SCREEN_COUNTERCHECK) {
      ASSERT_TRUE(driveOneStep());
      if (currentScreen != SCREEN_COUNTERCHECK) break;
      do expected++;
      while (expected < RIDER_COUNT && !caughtByDopingControl(expected));
      ASSERT_EQ(activeRider, expected);
      checked.push_back(activeRider);
      EXPECT_EQ(riders[activeRider].disqualified, countercheckDie != dopingNumber[activeRider] ? 1 : 0);
    }
    EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
    EXPECT_EQ(activeRider, -1);
    // This seed catches four riders and acquits one of them.
    int acquitted = 0;
    for (int r : checked) acquitted += riders[r].disqualified ? 0 : 1;
    EXPECT_EQ(checked.size(), 4u);
    EXPECT_EQ(acquitted, 1);
    for (int r = 0; r < RIDER_COUNT; r++) {
      bool caught = dopingNumber[r] == dopingDraw[0] || dopingNumber[r] == dopingDraw[1];
      EXPECT_EQ(caught, std::find(checked.begin(), checked.end(), r) != checked.end()) << r;
      if (!caught) {
        EXPECT_EQ(riders[r].disqualified, 0) << r;
      }
    }
    for (int p = 0; p < RESULT_PLACES; p++) {
      int rider = finished[p];
      EXPECT_EQ(raceResults[p], rider != -1 && riders[rider].disqualified ? -1 : rider) << p;
      outcome[way][p] = raceResults[p];
    }
    for (int r = 0; r < RIDER_COUNT; r++) {
      if (riders[r].disqualified) {
        EXPECT_EQ(riderScore[r], 0);
      }
      outcome[way][RESULT_PLACES + r] = riders[r].disqualified;
    }
    if (way == 1) {
      EXPECT_GT(redrawCount, 0);
    }
  }
  for (int i = 0; i < RESULT_PLACES + RIDER_COUNT; i++) EXPECT_EQ(outcome[0][i], outcome[1][i]) << i;
  redrawHook = nullptr;
  releaseRaceDriver();
}

// Two stages of a tour ridden headless: each appends its record to the
// tour file, which grows by one record per stage. A program without the
// start-up wiring ends the stage on the save-failed panel instead.
TEST(StageEnd, EachStageOfATourIsAppendedToTheTourFile) {
  char dir[] = "/tmp/corvalis-race-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::string folder = dir;
  tourMode = 1;
  tourFileName = folder + "/race.velq";
  tourSaveHook = nullptr;
  ASSERT_TRUE(startComputerRace(predefinedCourses[0], 30u, false));
  ASSERT_TRUE(runRaceToEnd().ended);
  EXPECT_EQ(currentScreen, SCREEN_SAVE_FAILED);
  installFileHooks();
  stageRecords.clear();
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  strcpy(teamNames[0], "Alpha");
  standingsPath = folder + "/race.csv";
  std::vector<int> general(TEAM_COUNT, 0);
  for (int stage = 0; stage < 2; stage++) {
    ASSERT_TRUE(startComputerRace(predefinedCourses[stage], 30u + stage, false));
    RaceRun run = runRaceToEnd();
    ASSERT_TRUE(run.ended) << run.failure;
    EXPECT_EQ(currentScreen, SCREEN_STAGE_STANDINGS);
    EXPECT_EQ(scoreStage, stage);
    ASSERT_EQ(stageRecords.size(), static_cast<size_t>(stage + 1));

    struct stat info;
    ASSERT_EQ(stat(tourFileName.c_str(), &info), 0);
    EXPECT_EQ(static_cast<size_t>(info.st_size), TOUR_HEADER_SIZE + (stage + 1) * STAGE_RECORD_SIZE);
    std::vector<uint8_t> bytes(info.st_size);
    FILE* file = fopen(tourFileName.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(fread(bytes.data(), 1, bytes.size(), file), bytes.size());
    fclose(file);
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[1]), "Alpha");
    size_t record = TOUR_HEADER_SIZE + stage * STAGE_RECORD_SIZE;
    for (int p = 0; p < RESULT_PLACES; p++) {
      int32_t stored = 0;
      for (int i = 0; i < 4; i++) stored |= static_cast<int32_t>(bytes[record + 16 + 4 * p + i]) << (8 * i);
      EXPECT_EQ(stored, raceResults[p]) << "stage " << stage << " place " << p;
    }

    // The Export of the stage standings writes the general classification
    // and every stored stage; its totals are the points the races gave.
    std::vector<int> totals = teamTotals();
    for (int t = 0; t < TEAM_COUNT; t++) general[t] += totals[t];
    standingsStatus = STANDINGS_NONE;
    writeStandingsFile();
    EXPECT_EQ(standingsStatus, STANDINGS_WRITTEN);
    std::vector<std::string> lines = fileLines(standingsPath);
    ASSERT_EQ(lines.size(), 13u + 19u * (stage + 1));
    EXPECT_EQ(lines[0], "General classification after stage " + std::to_string(stage + 1));
    std::string totalLine;
    for (int t = 0; t < TEAM_COUNT; t++) totalLine += "Tot.;" + std::to_string(general[t]) + ";";
    EXPECT_EQ(lines[11], totalLine);
    std::string lastBlock = "Result stage " + std::to_string(stage + 1);
    EXPECT_EQ(lines[13 + 19 * stage], lastBlock);
    std::string winner = "1;" + std::to_string(printedRiderNumber(raceResults[FIRST_FINISH_PLACE])) + ";50;";
    EXPECT_EQ(lines[15 + 19 * stage].compare(0, winner.size(), winner), 0) << lines[15 + 19 * stage];
  }
  standingsStatus = STANDINGS_NONE;
  standingsPath.clear();
  tourMode = 0;
  stageRecords.clear();
  tourFileName.clear();
  releaseRaceDriver();
  std::string command = "rm -rf '" + folder + "'";
  EXPECT_EQ(system(command.c_str()), 0);
}

}  // namespace
