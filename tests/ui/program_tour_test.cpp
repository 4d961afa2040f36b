// A tour played through the real program by a player's keys and clicks: a
// new tour with one team of a person on the shortest ready-made course, the
// start throws and the start grid, the person's moves (with the quit
// question answered No on the way), the whole stage to its standings, the
// export, then the saved race continued from the main menu up to the course
// selection of its second stage, and Exit. The test decides what to press
// from what the window shows at known places (a dialog's title strip, the
// Throw button's black label, a screen's buttons), then reads the tour file
// and the export the program wrote and checks them against each other.
#include <fstream>
#include <set>
#include <sstream>

#include "files/settings_file.h"
#include "files/team_entries.h"
#include "files/tour_file.h"
#include "model/board_sections.h"
#include "model/track.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
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

const char* const raceNameTyped = "Tour22";
const char* const teamNamesTyped[4] = {"Alpha", "Bravo 2", "Cobra-X", "Dune"};

bool fileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  for (char c : line) {
    if (c == ';') {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(field);
  return fields;
}

// The ready-made course with the fewest rows to the finish, by the rules'
// own course builder.
int shortestCourseTile() {
  initBoardSections();
  int best = -1, bestRows = 0;
  for (int tile = 0; tile < 4; ++tile) {
    if (!startRaceOnCourse(predefinedCourses[tile])) continue;
    const int rows = lineRows[FINISH_LINE];
    if (best == -1 || rows < bestRows) {
      best = tile;
      bestRows = rows;
    }
  }
  return best;
}

class ProgramTour : public WholeProgram {
 protected:
  // The "settings" file: English, computer riders moved square by square
  // with no wait between the squares.
  void writeSettings() {
    language = 1;
    smoothComputerMovement = 0;
    stepMoveIntervalMs = 0;
    smoothMoveDelayMs = 0;
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

  // Waits until the window shows what the check looks for; false after the
  // time is up or when the program has ended.
  template <typename Check>
  bool waitUntil(Check check, double seconds = 10) {
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < deadline) {
      if (!running()) return false;
      if (check()) return true;
      usleep(10000);
    }
    return false;
  }

  bool greyAt(float x, float y) { return pixelIs(pixelAt(window, x, y), 0.7f, 0.7f, 0.7f); }
  bool buttonAt(float x, float y) { return greyAt(x + 2, y + 2); }
  bool enabledLabelIn(float x, float y, float w, float h) {
    return anyBlackIn(window, x + 2, y + 2, w - 4, h - 4);
  }

  bool mainMenuShown() {
    for (int b = 0; b < MENU_BUTTON_COUNT; ++b) {
      float x, y, w, h;
      mainMenuButtonRect(b, &x, &y, &w, &h);
      if (!buttonAt(x, y)) return false;
    }
    return !buttonAt(teamSetupNextButtonX, teamSetupNextButtonY);
  }
  bool teamSetupShown() {
    return buttonAt(teamSetupNextButtonX, teamSetupNextButtonY) &&
           buttonAt(teamSetupBackButtonX, teamSetupBackButtonY);
  }
  bool courseSelectionShown() {
    return buttonAt(useSavedCourseButtonX, useSavedCourseButtonY) &&
           buttonAt(createCourseButtonX, createCourseButtonY);
  }
  bool footerShown() { return buttonAt(scorecardButtonX, scorecardButtonY); }
  bool throwEnabled() {
    return enabledLabelIn(throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight);
  }
  bool dialogShown() {
    return pixelIs(pixelAt(window, dialogPanelX + 3, dialogPanelY - 0.5f * panelTitleHeight), 0, 0,
                   0.5f) &&
           pixelIs(pixelAt(window, dialogPanelX + 3, dialogPanelY + 3), 1, 1, 1);
  }
  bool dialogHasOkOnly() { return buttonAt(dialogOkButtonX, dialogOkButtonY); }
  bool scorePanelShown() {
    return pixelIs(pixelAt(window, scorePanelX + 3, scorePanelY - 0.5f * panelTitleHeight), 0, 0, 0.5f);
  }
  bool savedRacesShown() {
    return buttonAt(savedRacesOkButtonX, savedRacesOkButtonY) &&
           buttonAt(savedRacesScorecardButtonX, savedRacesScorecardButtonY);
  }
  bool savedRaceChosen() {
    return enabledLabelIn(savedRacesOkButtonX, savedRacesOkButtonY, buttonWidth, buttonHeight);
  }
  // A ticked computer box shows a black cross over its middle.
  bool computerTicked(int team) {
    const float s = 0.02f * static_cast<float>(drawAreaHeight);
    const float top = teamNameFieldY + static_cast<float>(team) * teamRowPitch;
    return anyBlackIn(window, computerBoxX + 0.3f * s, top + 0.3f * s, 0.4f * s, 0.4f * s);
  }

  void key(KeySym symbol) { sendKey(window, symbol); }
  void letter(char c) { sendKey(window, static_cast<KeySym>(c)); }
  void pause(int ms) { usleep(static_cast<useconds_t>(ms) * 1000); }

  // One answer to whatever dialog is up: Enter for a message with OK, the
  // No letter for a question.
  void answerDialog() {
    if (dialogHasOkOnly())
      key(XK_Return);
    else
      letter(hotKeyLetter(textNo, HOTKEY_NO));
  }

  // The person's steps: straight on while he can, then to the left, then
  // to the right, ending the move after each run (a move that may not end
  // yet goes on with the next run).
  void stepAndEnd() {
    for (KeySym run : {XK_Up, XK_Left, XK_Right}) {
      for (int i = 0; i < 12; ++i) key(run);
      key(XK_Return);
    }
  }

  Window window = 0;
};

TEST_F(ProgramTour, PlaysAStageOfATourAndContinuesItToTheSecondStage) {
  const int tile = shortestCourseTile();
  ASSERT_GE(tile, 0);
  writeSettings();
  if (HasFatalFailure()) return;
  copyPictures();
  if (HasFatalFailure()) return;
  start();
  if (HasFatalFailure()) return;
  std::string line = readLine(120);
  ASSERT_EQ(line.rfind("main menu after ", 0), 0u) << readAllErrors();
  const auto tourStart = Clock::now();

  std::vector<Window> windows = topLevelWindows();
  ASSERT_EQ(windows.size(), 1u);
  window = windows[0];
  XWindowAttributes attributes;
  ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
  layOutFor(attributes.width, attributes.height);
  ASSERT_TRUE(waitUntil([&] { return mainMenuShown(); })) << "main menu";

  // The team setup: four names typed over the old ones, the first team
  // played by the person, a tour with its race name.
  letter(mainMenuLetter(MENU_START));
  ASSERT_TRUE(waitUntil([&] { return teamSetupShown(); })) << "team setup";
  for (int team = 0; team < 4; ++team) {
    click(window, teamNameFieldX + 2,
          teamNameFieldY + static_cast<float>(team) * teamRowPitch + 0.5f * TEAM_NAME_FIELD_HEIGHT);
    key(XK_End);
    for (int i = 0; i < TEAM_NAME_LENGTH; ++i) key(XK_BackSpace);
    typeText(window, teamNamesTyped[team]);
  }
  const float box = 0.02f * static_cast<float>(drawAreaHeight);
  // Every team starts played by the computer; the first becomes the person's.
  click(window, computerBoxX + 0.5f * box, teamNameFieldY + 0.5f * box);
  click(window, stageRadioX, multiStageRadioY);
  click(window, raceNameFieldX + 2, raceNameFieldY + 0.5f * box);
  typeText(window, raceNameTyped);
  ASSERT_TRUE(waitUntil([&] {
    return !computerTicked(0) && computerTicked(1) && computerTicked(2) && computerTicked(3);
  })) << "one team of a person, three of the computer";
  click(window, teamSetupNextButtonX + 0.5f * buttonWidth, teamSetupNextButtonY + 0.5f * buttonHeight);
  ASSERT_TRUE(waitUntil([&] { return courseSelectionShown(); })) << "course selection";

  // The shortest course: the race panel with the start-order Throw.
  click(window, courseTilesX + static_cast<float>(tile % 2) * (courseTileWidth + courseTileGapX) +
                    0.5f * courseTileWidth,
        courseTilesY + static_cast<float>(tile / 2) * (courseTileHeight + courseTileGapY) +
            0.5f * courseTileHeight);
  ASSERT_TRUE(waitUntil([&] { return footerShown() && throwEnabled(); })) << "start-order throw";

  // The start-order throws, each followed by Next, until the placing starts.
  const char throwLetter = hotKeyLetter(textThrow, HOTKEY_THROW);
  const char nextLetter = hotKeyLetter(textNextTeam, HOTKEY_NEXT_TEAM);
  int throws = 0;
  while (waitUntil([&] { return throwEnabled(); }, 0.5)) {
    ASSERT_LT(++throws, 100) << "the start-order throws never end";
    letter(throwLetter);
    pause(30);
    letter(nextLetter);
    pause(30);
  }
  ASSERT_TRUE(running()) << readAllErrors();

  // The start grid: the cursor walks over every start square with Enter on
  // each until the race begins with the person's first card screen.
  std::vector<KeySym> scan;
  for (int i = 0; i < 8; ++i) scan.push_back(XK_Down);
  for (int i = 0; i < 4; ++i) scan.push_back(XK_Left);
  for (int row = 0; row < 4; ++row) {
    for (int lane = 0; lane < 5; ++lane) {
      scan.push_back(XK_Return);
      scan.push_back(XK_Up);
    }
    for (int i = 0; i < 8; ++i) scan.push_back(XK_Down);
    scan.push_back(XK_Right);
  }
  size_t next = 0;
  auto gridDeadline = Clock::now() + std::chrono::seconds(30);
  while (!throwEnabled()) {
    ASSERT_TRUE(running()) << readAllErrors();
    ASSERT_LT(Clock::now(), gridDeadline) << "the person never got his first turn";
    if (dialogShown()) {
      answerDialog();
    } else {
      key(scan[next]);
      next = (next + 1) % scan.size();
    }
    pause(15);
  }

  // The race: the person throws and steps; the quit question after his
  // first move is answered No and the race goes on to the standings.
  const std::string tourFile = folder + "/" + raceNameTyped + tourFileExtension;
  const std::string exportFile = folder + "/" + raceNameTyped + ".csv";
  const char quitLetter = hotKeyLetter(textQuit, HOTKEY_FOOTER_QUIT);
  int personMoves = 0;
  bool quitAsked = false;
  auto lastAction = Clock::now();
  auto raceDeadline = Clock::now() + std::chrono::seconds(120);
  while (!fileExists(tourFile)) {
    ASSERT_TRUE(running()) << readAllErrors();
    ASSERT_LT(Clock::now(), raceDeadline) << "the stage never ended; person's moves " << personMoves;
    if (dialogShown()) {
      answerDialog();
      pause(20);
      lastAction = Clock::now();
      continue;
    }
    if (throwEnabled()) {
      if (personMoves > 0 && !quitAsked) {
        letter(quitLetter);
        ASSERT_TRUE(waitUntil([&] { return dialogShown() && !dialogHasOkOnly(); })) << "quit question";
        letter(hotKeyLetter(textNo, HOTKEY_NO));
        ASSERT_TRUE(waitUntil([&] { return !dialogShown() && throwEnabled(); }))
            << "No goes back to the card screen";
        quitAsked = true;
      }
      letter(throwLetter);
      ASSERT_TRUE(waitUntil([&] { return !throwEnabled(); })) << "the person's throw";
      stepAndEnd();
      ++personMoves;
      lastAction = Clock::now();
      continue;
    }
    // A move that could not end yet, or a placing left over: the same
    // steps again after a quiet second (harmless while the computer moves).
    if (Clock::now() - lastAction > std::chrono::seconds(1)) {
      stepAndEnd();
      lastAction = Clock::now();
    }
    pause(5);
  }
  EXPECT_TRUE(quitAsked);
  EXPECT_GE(personMoves, 1);

  // The stage standings, the export, back to the main menu.
  ASSERT_TRUE(waitUntil([&] { return scorePanelShown(); })) << "stage standings";
  letter(hotKeyLetter(textExport, HOTKEY_EXPORT));
  ASSERT_TRUE(waitUntil([&] { return fileExists(exportFile); })) << "export";
  letter(hotKeyLetter(textQuit, HOTKEY_STANDINGS_QUIT));
  ASSERT_TRUE(waitUntil([&] { return mainMenuShown(); })) << "main menu after the standings";

  // Continue: the saved race, its scorecard, OK, OK on to the next stage.
  letter(mainMenuLetter(MENU_CONTINUE));
  ASSERT_TRUE(waitUntil([&] { return savedRacesShown(); })) << "saved races";
  click(window, savedRaceGridX + SAVED_RACE_GRID_MARGIN + 10,
        savedRaceGridY + 6 + 0.5f * SAVED_RACE_ROW_HEIGHT);
  ASSERT_TRUE(waitUntil([&] { return savedRaceChosen(); })) << "the saved race chosen";
  letter(hotKeyLetter(textScorecard, HOTKEY_SAVED_RACES_SCORECARD));
  ASSERT_TRUE(waitUntil([&] { return scorePanelShown(); })) << "the saved race's scorecard";
  key(XK_Return);
  ASSERT_TRUE(waitUntil([&] { return !scorePanelShown() && savedRaceChosen(); })) << "scorecard OK";
  letter('o');
  ASSERT_TRUE(waitUntil([&] { return courseSelectionShown(); })) << "the second stage's courses";

  // Back twice to the main menu and Exit.
  letter(hotKeyLetter(textBackCourses, HOTKEY_BACK_COURSES));
  ASSERT_TRUE(waitUntil([&] { return savedRacesShown(); })) << "back to the saved races";
  letter(hotKeyLetter(textBack, HOTKEY_SAVED_RACES_BACK));
  ASSERT_TRUE(waitUntil([&] { return mainMenuShown(); })) << "back to the main menu";
  letter(mainMenuLetter(MENU_EXIT));
  const int status = waitForEnd(30);
  ASSERT_NE(status, -1) << "Exit did not end the program";
  ASSERT_TRUE(WIFEXITED(status)) << "status " << status << "\n" << readAllErrors();
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const double seconds = std::chrono::duration<double>(Clock::now() - tourStart).count();
  std::printf("tour from the main menu to Exit: %.1f s, %d moves of the person\n", seconds, personMoves);
  RecordProperty("seconds_main_menu_to_exit", std::to_string(seconds));

  // The tour file: the options as set up and one stored stage in which all
  // sixteen riders are placed once at most, none but a disqualified one
  // missing.
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
  std::set<int> placed;
  for (int q = 0; q < FINISH_PLACES; ++q) {
    const int rider = stage.results[FIRST_FINISH_PLACE + q];
    if (rider == -1) continue;
    EXPECT_TRUE(placed.insert(rider).second) << "rider " << rider << " placed twice";
  }
  EXPECT_GE(placed.size(), static_cast<size_t>(RIDER_COUNT - 2)) << "riders missing from the finish";

  // The stage's points as the rules give them: finish places and the
  // sprint places of the riders who finished.
  int riderPoints[RIDER_COUNT] = {};
  for (int e = 0; e < RESULT_PLACES; ++e) {
    const int rider = stage.results[e];
    if (rider >= 0 && rider < RIDER_COUNT && placed.count(rider) != 0) riderPoints[rider] += placePoints[e];
  }
  int teamPoints[4] = {};
  for (int r = 0; r < RIDER_COUNT; ++r) teamPoints[r / 4] += riderPoints[r];

  // The export from the standings: the general classification after stage
  // 1 and the result of stage 1, with the same riders, names and points.
  std::ifstream in(exportFile, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::vector<std::string> lines = splitLines(text.str());
  ASSERT_EQ(lines.size(), 13u + 19u) << text.str();
  EXPECT_EQ(lines[0], "General classification after stage 1");
  int rankedTotal = 0;
  for (int i = 1; i <= 4; ++i) {
    const std::vector<std::string> f = splitFields(lines[static_cast<size_t>(i)]);
    ASSERT_EQ(f.size(), 3u) << lines[static_cast<size_t>(i)];
    int team = -1;
    for (int t = 0; t < 4; ++t)
      if (f[1] == teamNamesTyped[t]) team = t;
    ASSERT_NE(team, -1) << lines[static_cast<size_t>(i)];
    EXPECT_EQ(f[2], std::to_string(teamPoints[team])) << "team " << team;
    rankedTotal += std::stoi(f[2]);
  }
  int allPoints = 0;
  for (int t = 0; t < 4; ++t) allPoints += teamPoints[t];
  EXPECT_EQ(rankedTotal, allPoints);
  EXPECT_EQ(lines[6], std::string(teamNamesTyped[0]) + ";;" + teamNamesTyped[1] + ";;" + teamNamesTyped[2] +
                          ";;" + teamNamesTyped[3] + ";;");
  EXPECT_EQ(lines[13], "Result stage 1");
  for (int q = 0; q < FINISH_PLACES; ++q) {
    const std::vector<std::string> f = splitFields(lines[15 + static_cast<size_t>(q)]);
    ASSERT_GE(f.size(), 5u);
    EXPECT_EQ(f[0], std::to_string(q + 1));
    const int rider = stage.results[FIRST_FINISH_PLACE + q];
    EXPECT_EQ(f[1], rider == -1 ? std::string() : std::to_string(printedRiderNumber(rider)))
        << "place " << q + 1;
    if (rider != -1) {
      EXPECT_EQ(f[4], std::to_string(riderPoints[rider])) << "place " << q + 1;
    }
  }
}

}  // namespace
