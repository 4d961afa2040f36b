// The saved-races screen: paging by columns, clicks at the grid's edges, OK
// on a readable tour and on one gone since the listing, Scorecard and Back.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "files/file_listing.h"
#include "files/standings_export.h"
#include "files/tour_file.h"
#include "model/screens.h"
#include "render/layout.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "texts/language_texts.h"
#include "ui/main_menu.h"
#include "ui/saved_races.h"
#include "ui/score_panel.h"
#include "ui/ui_harness.h"

namespace {

class SavedRacesTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (!HasFatalFailure()) useScratchFolder();
  }
  void TearDown() override {
    stageRecords.clear();
    tourMode = 0;
    ScreenTest::TearDown();
  }
  // A tour with its teams named after it, team 2 played by a person.
  static void writeTour(const std::string& name, int stages) {
    TourHeader header;
    for (int t = 0; t < 4; t++) std::snprintf(header.teamNames[t], TEAM_NAME_SIZE, "%s %d", name.c_str(), t);
    header.humanControlled[2] = 1;
    std::vector<uint8_t> file(TOUR_HEADER_SIZE + STAGE_RECORD_SIZE * static_cast<size_t>(stages));
    encodeTourHeader(header, file.data());
    FILE* out = std::fopen((name + ".velq").c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
  }
  void openFromMenu() {
    currentScreen = SCREEN_MAIN_MENU;
    typeKey(static_cast<unsigned char>(mainMenuLetter(MENU_CONTINUE)));
    ASSERT_EQ(currentScreen, SCREEN_SAVED_RACES);
  }
  void clickPlace(int column, int row) {
    clickAt(savedRaceGridX + 4 + 120 * column + 20, savedRaceGridY + 6 + 12 * row + 6);
  }
  void clickButton(float x, float y) { clickCentreOf(x, y, buttonWidth, buttonHeight); }
};

TEST_F(SavedRacesTest, PagingMovesOneColumnWhileColumnsRemainAndClicksAtTheGridsEdges) {
  // lastPlace: the index shown in column 4, row 5 after ">".
  const struct { int files, pageAfterNext, lastPlace; } cases[] = {{80, 0, 64}, {81, 1, -1}, {85, 1, 84}};
  const struct { float dx, dy; int index; } edges[] = {
      {0, 0, 0},           // the frame's corner: margin and half row belong to the first place
      {123.9f, 17.9f, 0},  // the first place's last point
      {124, 18, 21},       // next column, next row
      {480, 0, 60},        // the right edge: fourth column
      {10, 245.75f, 19},   // the last row
      {10, 246.25f, -1},   // the half row under it
      {10, 252, -1},       // the bottom edge
      {-0.5f, 10, -1},
      {480.5f, 10, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files);
    useScratchFolder();
    for (int i = 1; i <= c.files; i++) writeTour("r" + std::to_string(100 + i), 0);
    openFromMenu();
    for (const auto& e : edges)
      EXPECT_EQ(savedRaceIndexAt(savedRaceGridX + e.dx, savedRaceGridY + e.dy), e.index) << e.dx << ", " << e.dy;
    clickPlace(0, 19);
    EXPECT_EQ(tourFileName + " " + selectedRaceName + " " + standingsPath, "r120.velq r120 r120.csv");
    clickButton(savedRacesPrevButtonX, savedRacesPrevButtonY);
    EXPECT_EQ(savedRacePage, 0);
    clickButton(savedRacesNextButtonX, savedRacesNextButtonY);
    clickButton(savedRacesNextButtonX, savedRacesNextButtonY);
    EXPECT_EQ(savedRacePage, c.pageAfterNext);
    EXPECT_FALSE(savedRacesNextEnabled());
    drawNow();
    EXPECT_EQ(savedRaceIndexAt(savedRaceGridX + 10, savedRaceGridY + 10), 20 * c.pageAfterNext);
    clickPlace(3, 4);  // a place without a name keeps the choice
    EXPECT_EQ(tourFileName, "r" + std::to_string(c.lastPlace < 0 ? 120 : 101 + c.lastPlace) + ".velq");
    clickButton(savedRacesPrevButtonX, savedRacesPrevButtonY);
    EXPECT_EQ(savedRacePage, 0);
  }
}

TEST_F(SavedRacesTest, OkContinuesAReadableTourAndDropsAFileGoneSinceTheListing) {
  writeTour("alpha", 1);
  writeTour("gamma", 2);
  std::strcpy(teamNames[0], "Mine");
  openFromMenu();
  clickPlace(0, 0);
  ASSERT_EQ(unlink("alpha.velq"), 0);
  clickButton(savedRacesOkButtonX, savedRacesOkButtonY);
  EXPECT_EQ(currentScreen, SCREEN_SAVED_RACES);
  EXPECT_EQ(tourFileName + selectedRaceName + standingsPath, "") << "the choice is dropped";
  EXPECT_STREQ(teamNames[0], "Mine") << "the teams set up stay";
  EXPECT_EQ(savedRaceFiles, std::vector<std::string>{"gamma.velq"}) << "listed again";
  typeKey('o');
  EXPECT_EQ(currentScreen, SCREEN_SAVED_RACES);
  clickPlace(0, 0);
  drawNow();
  std::strcpy(courseSpec, "01S2F");
  typeKey('O');
  EXPECT_EQ(currentScreen * 100 + previousScreen, SCREEN_COURSE_SELECTION * 100 + SCREEN_SAVED_RACES);
  EXPECT_STREQ(teamNames[3], "gamma 3");
  EXPECT_EQ(riders[9].humanControlled, 1);
  EXPECT_EQ(stageRecords.size(), 2u);
  EXPECT_EQ(courseSpec[0], 0);
  EXPECT_EQ(tourFileName + " " + standingsPath + " " + std::to_string(tourMode), "gamma.velq gamma.csv 1");
}

TEST_F(SavedRacesTest, ScorecardOpensInAViewTheRaceHasAndOkComesBack) {
  writeTour("alpha", 1);
  writeTour("empty", 0);
  tourFileName = selectedRaceName = standingsPath = "alpha";
  savedRacePage = 3;
  tourMode = 0;
  openFromMenu();  // the choice is cleared, for a tour
  EXPECT_EQ(tourFileName + selectedRaceName + standingsPath, "");
  EXPECT_EQ(savedRacePage * 10 + tourMode, 1);
  typeKey('s');
  EXPECT_EQ(currentScreen, SCREEN_SAVED_RACES);
  scoreGeneral = 1;  // the last panel was on the general view of a longer tour
  scoreStage = 4;
  for (int row : {0, 1}) {  // alpha opens on its general view, empty on its empty stage sheet
    clickPlace(0, row);
    clickButton(savedRacesScorecardButtonX, savedRacesScorecardButtonY);
    ASSERT_EQ(currentScreen, SCREEN_SAVED_RACE_SCORECARD);
    EXPECT_EQ(scoreGeneral * 10 + scoreStage, row == 0 ? 10 : 0);
    drawNow();
    typeKey('b');  // the grid's keys do nothing under the panel
    EXPECT_EQ(currentScreen, SCREEN_SAVED_RACE_SCORECARD);
    clickCentreOf(scoreOkButtonX, scoreOkButtonY, buttonWidth, buttonHeight);
    EXPECT_EQ(currentScreen, SCREEN_SAVED_RACES);
  }
  EXPECT_EQ(tourFileName, "empty.velq") << "the choice stays between the two screens";
  for (int l = 0; l < LANGUAGE_COUNT; l++) {  // Back by its first letter
    language = static_cast<uint8_t>(l);
    setLanguageTexts();
    currentScreen = SCREEN_SAVED_RACES;
    typeKey(static_cast<unsigned char>(textBack[0]));
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU) << textBack;
  }
}

}  // namespace
