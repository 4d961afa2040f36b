// A tour through the real program by a player's keys and clicks: a new tour
// with one team of a person on the shortest ready-made course, the start
// throws and grid, the person's moves with the quit question answered No,
// the stage to its standings and export, the saved race continued to the
// course selection of its second stage, and Exit. What to press is read off
// the window (a dialog's title strip, the Throw button's black label, a
// screen's buttons); the tour file and the export are then read back.
#include <algorithm>
#include <set>
#include <vector>

#include "files/settings_file.h"
#include "files/team_entries.h"
#include "files/tour_file.h"
#include "model/board_sections.h"
#include "model/settings.h"
#include "model/track.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
#include "support/file_bytes.h"
#include "texts/language_texts.h"
#include "ui/course_selection.h"
#include "ui/dialog_panel.h"
#include "ui/main_menu.h"
#include "ui/saved_races.h"
#include "ui/score_panel.h"
#include "ui/team_setup.h"
#include "ui/whole_program.h"

namespace {

using namespace whole_program;

const char* const raceName = "Tour22";
const char* const teamNamesTyped[4] = {"Alpha", "Bravo 2", "Cobra-X", "Dune"};

bool fileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }
void pause(int ms) { usleep(static_cast<useconds_t>(ms) * 1000); }

std::vector<std::string> split(const std::string& text, char at) {
  std::vector<std::string> parts(1);
  for (char c : text)
    if (c == at)
      parts.emplace_back();
    else
      parts.back() += c;
  return parts;
}

// The ready-made course with the fewest rows to the finish.
int shortestCourseTile() {
  initBoardSections();
  int best = -1, bestRows = 0;
  for (int tile = 0; tile < 4; ++tile)
    if (startRaceOnCourse(predefinedCourses[tile]) && (best == -1 || lineRows[FINISH_LINE] < bestRows))
      best = tile, bestRows = lineRows[FINISH_LINE];
  return best;
}

class ProgramTour : public WholeProgram {
 protected:
  // The "settings" file: English, computer riders moved square by square
  // with no wait between the squares.
  void writeSettings() {
    language = 1;
    smoothComputerMovement = 0;
    stepMoveIntervalMs = smoothMoveDelayMs = 0;
    smoothMoveDistance = 10;
    screenRatio[0] = screenRatio[1] = -1;
    std::memset(teamNames, 0, sizeof teamNames);
    uint8_t record[SETTINGS_FILE_SIZE];
    encodeSettings(record);
    FILE* file = std::fopen((folder + "/settings").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(record, 1, sizeof record, file), sizeof record);
    ASSERT_EQ(std::fclose(file), 0);
    setLanguageTexts();
  }

  // Sends the key (none for 0), then waits until the window shows what the
  // check looks for; false when the time is up or the program has ended.
  template <typename Check>
  bool press(KeySym symbol, Check shown, double seconds = 10) {
    if (symbol != 0) key(symbol);
    return waitUntil([&] { return !running() || shown(); }, seconds) && running();
  }
  bool buttonAt(float x, float y) { return colourAt(x + 2, y + 2, 0.7f, 0.7f, 0.7f); }
  bool labelIn(float x, float y, float w, float h) { return anyBlackIn(x + 2, y + 2, w - 4, h - 4); }
  bool throwEnabled() { return labelIn(throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight); }
  bool mainMenuShown() {
    for (int b = 0; b < MENU_BUTTON_COUNT; ++b) {
      float x, y, w, h;
      mainMenuButtonRect(b, &x, &y, &w, &h);
      if (!buttonAt(x, y)) return false;
    }
    return !buttonAt(teamSetupNextButtonX, teamSetupNextButtonY);
  }
  bool courseSelectionShown() {
    return buttonAt(useSavedCourseButtonX, useSavedCourseButtonY) &&
           buttonAt(createCourseButtonX, createCourseButtonY);
  }
  bool titleStripAt(float x, float y) { return colourAt(x + 3, y - 0.5f * panelTitleHeight, 0, 0, 0.5f); }
  bool dialogShown() {
    return titleStripAt(dialogPanelX, dialogPanelY) && colourAt(dialogPanelX + 3, dialogPanelY + 3, 1, 1, 1);
  }
  bool dialogHasOkOnly() { return buttonAt(dialogOkButtonX, dialogOkButtonY); }
  bool scorePanelShown() { return titleStripAt(scorePanelX, scorePanelY); }
  bool savedRacesShown() {
    return buttonAt(savedRacesOkButtonX, savedRacesOkButtonY) &&
           buttonAt(savedRacesScorecardButtonX, savedRacesScorecardButtonY);
  }
  bool savedRaceChosen() {
    return labelIn(savedRacesOkButtonX, savedRacesOkButtonY, buttonWidth, buttonHeight);
  }
  // A ticked computer box shows a black cross over its middle.
  bool computerTicked(int team) {
    const float s = 0.02f * static_cast<float>(drawAreaHeight);
    return anyBlackIn(computerBoxX + 0.3f * s, teamNameFieldY + team * teamRowPitch + 0.3f * s, 0.4f * s,
                      0.4f * s);
  }
  // The person's steps: straight on while he can, then left, then right,
  // ending the move after each run (a move that may not end yet goes on).
  void stepAndEnd() {
    for (KeySym run : {XK_Up, XK_Left, XK_Right}) {
      for (int i = 0; i < 12; ++i) key(run);
      key(XK_Return);
    }
  }
};

TEST_F(ProgramTour, PlaysAStageOfATourAndContinuesItToTheSecondStage) {
  const int tile = shortestCourseTile();
  ASSERT_GE(tile, 0);
  writeSettings();
  if (!HasFatalFailure()) start();
  if (!HasFatalFailure()) reachMainMenu();
  if (HasFatalFailure()) return;
  ASSERT_TRUE(press(0, [&] { return mainMenuShown(); })) << "main menu";

  // The team setup: four names typed over the old ones, the first team
  // played by the person (all start with the computer), a named tour.
  ASSERT_TRUE(press(mainMenuLetter(MENU_START), [&] {
    return buttonAt(teamSetupNextButtonX, teamSetupNextButtonY) &&
           buttonAt(teamSetupBackButtonX, teamSetupBackButtonY);
  })) << "team setup";
  for (int team = 0; team < 4; ++team) {
    click(teamNameFieldX + 2, teamNameFieldY + team * teamRowPitch + 0.5f * TEAM_NAME_FIELD_HEIGHT);
    key(XK_End);
    for (int i = 0; i < TEAM_NAME_LENGTH; ++i) key(XK_BackSpace);
    typeText(teamNamesTyped[team]);
  }
  const float box = 0.02f * static_cast<float>(drawAreaHeight);
  click(computerBoxX + 0.5f * box, teamNameFieldY + 0.5f * box);
  click(stageRadioX, multiStageRadioY);
  click(raceNameFieldX + 2, raceNameFieldY + 0.5f * box);
  typeText(raceName);
  ASSERT_TRUE(press(0, [&] {
    return !computerTicked(0) && computerTicked(1) && computerTicked(2) && computerTicked(3);
  })) << "one team of a person, three of the computer";
  click(teamSetupNextButtonX + 0.5f * buttonWidth, teamSetupNextButtonY + 0.5f * buttonHeight);
  ASSERT_TRUE(press(0, [&] { return courseSelectionShown(); })) << "course selection";
  const float tileX =
      courseTilesX + (tile % 2) * (courseTileWidth + courseTileGapX) + 0.5f * courseTileWidth;
  const float tileY =
      courseTilesY + (tile / 2) * (courseTileHeight + courseTileGapY) + 0.5f * courseTileHeight;
  moveTo(tileX, tileY);
  click(tileX, tileY);
  ASSERT_TRUE(press(0, [&] { return buttonAt(scorecardButtonX, scorecardButtonY) && throwEnabled(); }))
      << "start-order throw";

  // One loop to the end of the stage. While the start throws last, Throw
  // and Next; then a dialog is answered (Enter on a message, No on a
  // question); before the person's first card screen the start grid is
  // walked square by square with Enter on each; on his card screen he asks
  // to quit once (No), throws and steps; while the computer moves, the same
  // steps after a quiet second do nothing (and end a move left open).
  std::vector<KeySym> scan(8, XK_Down);
  scan.insert(scan.end(), 4, XK_Left);
  for (int row = 0; row < 4; ++row) {
    for (int lane = 0; lane < 5; ++lane) scan.insert(scan.end(), {XK_Return, XK_Up});
    scan.insert(scan.end(), 8, XK_Down);
    scan.push_back(XK_Right);
  }
  const std::string tourFile = folder + "/" + raceName + tourFileExtension;
  const std::string exportFile = folder + "/" + raceName + ".csv";
  const KeySym no = hotKeyLetter(textNo, HOTKEY_NO), throwLetter = hotKeyLetter(textThrow, HOTKEY_THROW);
  enum { THROWS, GRID, RACE } phase = THROWS;
  int personMoves = 0;
  bool quitAsked = false;
  size_t next = 0;
  auto lastAction = Clock::now();
  const auto deadline = Clock::now() + std::chrono::seconds(120);
  while (!fileExists(tourFile)) {
    ASSERT_TRUE(running()) << readAllErrors();
    ASSERT_LT(Clock::now(), deadline)
        << "the stage never ended; phase " << phase << ", moves " << personMoves;
    const bool quiet = Clock::now() - lastAction > std::chrono::milliseconds(phase == THROWS ? 500 : 1000);
    if (phase == THROWS) {
      if (throwEnabled()) {
        key(throwLetter);
        pause(30);
        key(hotKeyLetter(textNextTeam, HOTKEY_NEXT_TEAM));
        pause(30);
        lastAction = Clock::now();
      } else if (quiet) {
        phase = GRID;
      }
    } else if (dialogShown()) {
      key(dialogHasOkOnly() ? XK_Return : no);
      pause(20);
      lastAction = Clock::now();
    } else if (throwEnabled()) {
      phase = RACE;
      if (personMoves > 0 && !quitAsked) {
        ASSERT_TRUE(press(hotKeyLetter(textQuit, HOTKEY_FOOTER_QUIT), [&] {
          return dialogShown() && !dialogHasOkOnly();
        })) << "quit question";
        ASSERT_TRUE(press(no, [&] { return !dialogShown() && throwEnabled(); }))
            << "No goes back to the cards";
        quitAsked = true;
      }
      ASSERT_TRUE(press(throwLetter, [&] { return !throwEnabled(); })) << "the person's throw";
      stepAndEnd();
      ++personMoves;
      lastAction = Clock::now();
    } else if (phase == GRID) {
      key(scan[next++ % scan.size()]);
      pause(15);
    } else if (quiet) {
      stepAndEnd();
      lastAction = Clock::now();
    } else {
      pause(5);
    }
  }
  EXPECT_TRUE(quitAsked);

  // The standings, the export, the main menu; Continue: the saved race, its
  // scorecard, OK, OK on to the next stage; back twice and Exit.
  ASSERT_TRUE(press(0, [&] { return scorePanelShown(); })) << "stage standings";
  ASSERT_TRUE(press(hotKeyLetter(textExport, HOTKEY_EXPORT), [&] { return fileExists(exportFile); }))
      << "export";
  ASSERT_TRUE(press(hotKeyLetter(textQuit, HOTKEY_STANDINGS_QUIT), [&] { return mainMenuShown(); }))
      << "main menu after the standings";
  ASSERT_TRUE(press(mainMenuLetter(MENU_CONTINUE), [&] { return savedRacesShown(); })) << "saved races";
  click(savedRaceGridX + SAVED_RACE_GRID_MARGIN + 10, savedRaceGridY + 6 + 0.5f * SAVED_RACE_ROW_HEIGHT);
  ASSERT_TRUE(press(0, [&] { return savedRaceChosen(); })) << "the saved race chosen";
  ASSERT_TRUE(press(hotKeyLetter(textScorecard, HOTKEY_SAVED_RACES_SCORECARD), [&] {
    return scorePanelShown();
  })) << "the saved race's scorecard";
  ASSERT_TRUE(press(XK_Return, [&] { return !scorePanelShown() && savedRaceChosen(); })) << "scorecard OK";
  // A double click on OK: its second click lands on the course selection,
  // where the pointer has moved over no tile, and starts no race.
  const float okX = savedRacesOkButtonX + 0.5f * buttonWidth;
  const float okY = savedRacesOkButtonY + 0.5f * buttonHeight;
  click(okX, okY);
  click(okX, okY);
  ASSERT_TRUE(press(0, [&] { return courseSelectionShown(); })) << "the second stage's courses";
  EXPECT_FALSE(waitUntil([&] { return !courseSelectionShown(); }, 1)) << "a race started";
  ASSERT_TRUE(press(hotKeyLetter(textBackCourses, HOTKEY_BACK_COURSES), [&] { return savedRacesShown(); }))
      << "back to the saved races";
  ASSERT_TRUE(press(hotKeyLetter(textBack, HOTKEY_SAVED_RACES_BACK), [&] { return mainMenuShown(); }))
      << "back to the main menu";
  key(mainMenuLetter(MENU_EXIT));
  const int status = waitForEnd(30);
  ASSERT_NE(status, -1) << "Exit did not end the program";
  ASSERT_TRUE(WIFEXITED(status)) << "status " << status << "\n" << readAllErrors();
  EXPECT_EQ(WEXITSTATUS(status), 0);

  // The tour file: the options as set up, one stage on the course ridden,
  // every rider placed once at most, none missing but disqualified ones.
  ASSERT_EQ(loadTour(tourFile), 1);
  ASSERT_EQ(stageRecords.size(), 1u);
  EXPECT_EQ(eventCardsOn, 0);
  for (int team = 0; team < 4; ++team) {
    EXPECT_STREQ(teamNames[team], teamNamesTyped[team]);
    EXPECT_EQ(riders[4 * team].humanControlled, team == 0 ? 1 : 0) << "team " << team;
  }
  const StageRecord& stage = stageRecords[0];
  ASSERT_TRUE(startRaceOnCourse(predefinedCourses[tile]));
  PackedCourse ridden;
  packCourseSpec(courseSpec, ridden);
  EXPECT_EQ(std::memcmp(stage.course.bytes, ridden.bytes, PACKED_COURSE_SIZE), 0) << "the course ridden";
  const int32_t* finish = stage.results + FIRST_FINISH_PLACE;
  std::set<int> placed;
  for (int q = 0; q < FINISH_PLACES; ++q) {
    ASSERT_TRUE(finish[q] >= -1 && finish[q] < RIDER_COUNT) << "place " << q + 1;
    EXPECT_TRUE(finish[q] == -1 || placed.insert(finish[q]).second) << "rider " << finish[q] << " twice";
  }
  EXPECT_GE(placed.size(), RIDER_COUNT - 2u) << "riders missing from the finish";
  // The points as the rules give them: every place of a rider who finished.
  int riderPoints[RIDER_COUNT] = {}, teamPoints[4] = {}, allPoints = 0;
  for (int e = 0; e < RESULT_PLACES; ++e) {
    const int rider = stage.results[e];
    if (placed.count(rider) == 0) continue;
    riderPoints[rider] += placePoints[e];
    teamPoints[riderTeam(rider)] += placePoints[e];
    allPoints += placePoints[e];
  }

  // The export: the general classification after stage 1, then the result
  // of stage 1, with the same teams, riders and points.
  const std::vector<std::string> lines = split(readWholeFile(exportFile), '\n');
  ASSERT_EQ(lines.size(), 13u + 19u + 1u) << readWholeFile(exportFile);
  EXPECT_EQ(lines.back(), "") << "the last line ends with a line feed";
  EXPECT_EQ(lines[0], "General classification after stage 1");
  int rankedTotal = 0;
  for (size_t i = 1; i <= 4; ++i) {
    const std::vector<std::string> f = split(lines[i], ';');
    ASSERT_EQ(f.size(), 3u) << lines[i];
    const auto team = std::find(teamNamesTyped, teamNamesTyped + 4, f[1]) - teamNamesTyped;
    ASSERT_LT(team, 4) << lines[i];
    EXPECT_EQ(f[2], std::to_string(teamPoints[team])) << lines[i];
    rankedTotal += std::stoi(f[2]);
  }
  EXPECT_EQ(rankedTotal, allPoints);
  EXPECT_EQ(lines[6], std::string(teamNamesTyped[0]) + ";;" + teamNamesTyped[1] + ";;" + teamNamesTyped[2] +
                          ";;" + teamNamesTyped[3] + ";;");
  EXPECT_EQ(lines[13], "Result stage 1");
  for (int q = 0; q < FINISH_PLACES; ++q) {
    const std::vector<std::string> f = split(lines[15 + q], ';');
    ASSERT_GE(f.size(), 5u) << lines[15 + q];
    EXPECT_EQ(f[0], std::to_string(q + 1));
    EXPECT_EQ(f[1], finish[q] == -1 ? "" : std::to_string(printedRiderNumber(finish[q])))
        << "place " << q + 1;
    if (finish[q] != -1) {
      EXPECT_EQ(f[4], std::to_string(riderPoints[finish[q]])) << "place " << q + 1;
    }
  }
}

}  // namespace
