// The team setup: typing into names with old bytes behind them, the caret
// and row keys, and OK with the error list or on to the course selection.
#include <cstring>
#include <string>

#include <GL/freeglut.h>

#include "files/standings_export.h"
#include "files/team_entries.h"
#include "files/tour_file.h"
#include "model/screens.h"
#include "render/layout.h"
#include "rules/race_state.h"
#include "texts/text_editing.h"
#include "ui/dialog_panel.h"
#include "ui/main_menu.h"
#include "ui/team_setup.h"
#include "ui/ui_harness.h"

namespace {

const int SPECIAL = 1000;  // keys at or above are special keys (minus this)

// A name in its buffer with junk behind it; a full name gets no terminator.
char* putName(int row, const char* text) {
  char* buffer = row == RACE_NAME_ROW ? raceName : teamNames[row];
  std::memset(buffer, '#', row == RACE_NAME_ROW ? RACE_NAME_SIZE : TEAM_NAME_SIZE);
  std::memcpy(buffer, text, std::strlen(text));
  if (std::strlen(text) < 12) buffer[std::strlen(text)] = '\0';
  return buffer;
}

std::string nameIn(const char* buffer) { return std::string(buffer, fieldTextLength(buffer, 12)); }

class TeamSetup : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    useScratchFolder();
    for (int row = 0; row <= RACE_NAME_ROW; ++row) putName(row, row == RACE_NAME_ROW ? "Giro" : "Team");
    tourMode = 1;
    teamSetupActiveRow = teamSetupCaret = 0;
    currentScreen = SCREEN_TEAM_SETUP;
  }
  void clickOk() { clickCentreOf(teamSetupNextButtonX, teamSetupNextButtonY, buttonWidth, buttonHeight); }
  std::string outputs() { return selectedRaceName + "/" + tourFileName + "/" + standingsPath; }
};

TEST_F(TeamSetup, KeysEditTheActiveNameWithoutRevivingOldBytes) {
  // expected: the name, the caret and the row after the key.
  const struct { int mode, row; const char* text; int caret, key; const char* expected; } cases[] = {
      {1, 0, "Holland", 7, 'x', "Hollandx 8 0"},  // at the terminator
      {1, 2, "ABCDEFGHIJKL", 3, 'z', "ABCzDEFGHIJK 4 2"},
      {1, 4, "ABCDEFGHIJKL", 11, 'z', "ABCDEFGHIJKz 11 4"},
      {1, 0, "Holland", 0, 8, "Holland 0 0"},
      {1, 3, "ABCDEFGHIJKL", 11, 8, "ABCDEFGHIJL 10 3"},
      {1, 0, "Holland", 7, 127, "Holland 7 0"},
      {1, 3, "ABCDEFGHIJKL", 11, 127, "ABCDEFGHIJK 11 3"},
      {1, 1, "Ab", 9, 'c', "Abc 3 1"},  // a caret left beyond a name renamed elsewhere
      {1, 1, "Ab", 9, 8, "A 1 1"},
      {1, 0, "Ab", 2, 'Q', "AbQ 3 0"},  // only letters, digits, space and "-", as typed
      {1, 0, "Ab", 2, 0xC1, "Ab 2 0"},
      {1, 0, "Ab", 2, '!', "Ab 2 0"},
      {1, 0, "ABCDEFGHIJKL", 0, SPECIAL + GLUT_KEY_END, "ABCDEFGHIJKL 11 0"},
      {1, 3, "Ab", 2, 13, "Ab 0 4"},  // the race name row only in a race of several stages
      {1, 4, "Ab", 2, 9, "Ab 0 0"},
      {0, 3, "Ab", 2, SPECIAL + GLUT_KEY_DOWN, "Ab 2 3"},
  };
  for (const auto& c : cases) {
    tourMode = c.mode;
    const char* buffer = putName(c.row, c.text);
    teamSetupActiveRow = static_cast<signed char>(c.row);
    teamSetupCaret = static_cast<signed char>(c.caret);
    c.key >= SPECIAL ? pressSpecialKey(c.key - SPECIAL) : typeKey(static_cast<unsigned char>(c.key));
    EXPECT_EQ(nameIn(buffer) + " " + std::to_string(teamSetupCaret) + " " + std::to_string(teamSetupActiveRow),
              c.expected)
        << c.text << " caret " << c.caret << " key " << c.key;
  }
}

TEST_F(TeamSetup, OkListsTheErrorsUntilTheirOkThenOpensTheCourseSelection) {
  currentScreen = SCREEN_MAIN_MENU;
  teamSetupCaret = 11;  // beyond "Team", as after a language switch
  typeKey(static_cast<unsigned char>(mainMenuLetter(MENU_START)));
  EXPECT_EQ(currentScreen * 100 + teamSetupCaret, SCREEN_TEAM_SETUP * 100 + 4);
  putName(3, "ABCDEFGHIJKL");
  drawNow();  // a name without terminator is drawn within its 12 characters

  teamNames[1][0] = '\0';
  for (int answer : {0, 13, 32, 79}) {  // a click on OK, Enter, Space, "O"
    clickOk();
    ASSERT_EQ(currentScreen, SCREEN_SETUP_ERRORS);
    EXPECT_EQ(setupErrors[0], "Enter a name for player 31");
    drawNow();
    const int left = static_cast<int>(dialogPanelX), top = static_cast<int>(dialogPanelY);
    EXPECT_GT(countColourInBox(left, top, left + static_cast<int>(dialogPanelWidth),
                               static_cast<int>(dialogOkButtonY) - 2, 0, 0, 0, 40), 20) << "the message drawn";
    typeKey('x');
    EXPECT_EQ(currentScreen, SCREEN_SETUP_ERRORS);
    answer ? typeKey(static_cast<unsigned char>(answer))
           : clickCentreOf(dialogOkButtonX, dialogOkButtonY, buttonWidth, buttonHeight);
    EXPECT_EQ(currentScreen, SCREEN_TEAM_SETUP) << answer;
    EXPECT_EQ(nameIn(teamNames[0]) + nameIn(raceName), "TeamGiro");
  }

  std::strcpy(teamNames[1], "Italia");
  std::memset(courseSpec, '3', sizeof courseSpec);
  stageRecords.assign(2, StageRecord());
  clickOk();
  EXPECT_EQ(currentScreen * 100 + previousScreen, SCREEN_COURSE_SELECTION * 100 + SCREEN_TEAM_SETUP);
  EXPECT_EQ(outputs(), "Giro/Giro.velq/Giro.csv");
  EXPECT_TRUE(stageRecords.empty());
  for (char c : courseSpec) EXPECT_EQ(c, 0);
  // Single stage: the race name field is greyed and ignores clicks but still
  // names the race.
  currentScreen = SCREEN_TEAM_SETUP;
  const float box = 0.02f * drawAreaHeight;
  clickAt(raceNameFieldX + 3 * 8 + 2, raceNameFieldY + box / 2);
  EXPECT_EQ(teamSetupActiveRow * 100 + teamSetupCaret, RACE_NAME_ROW * 100 + 3);
  clickAt(stageRadioX, singleStageRadioY);
  clickAt(raceNameFieldX + 2, raceNameFieldY + box / 2);
  EXPECT_EQ(tourMode * 1000 + teamSetupActiveRow * 100 + teamSetupCaret, 300);
  clickOk();
  EXPECT_EQ(outputs(), "Giro/Giro.velq/standings.csv");
}

}  // namespace
