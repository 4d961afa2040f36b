// The score panel on its three screens: every button and key, drawn after each
// (a stage out of range would read outside the stored stages), and the drag.
#include <GL/freeglut.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "files/standings_export.h"
#include "files/tour_file.h"
#include "model/screens.h"
#include "model/view_state.h"
#include "render/layout.h"
#include "render/frame.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "texts/language_texts.h"
#include "ui/input.h"
#include "ui/score_panel.h"
#include "ui/ui_harness.h"

namespace {

enum Action { OK, GENERAL, PREV, NEXT, STAGE, EXPORT, ACTION_COUNT };

// Opened in the stage view on stage; (general, stage) after the General tab, the stage after "<" and
// ">", (general, stage) after the Stage tab from the general view.
struct Row { int screen, tour, stored, stage, afterGeneral[2], afterPrev, afterNext, afterStageTab[2]; };

const Row tourRows[] = {
    // The running race's scorecard: ">" stops at the race being ridden; -1 as a Stage tab once left it.
    {SCREEN_SCORECARD, 1, 0, 0, {0, 0}, 0, 0, {0, 0}},
    {SCREEN_SCORECARD, 1, 1, 1, {1, 1}, 0, 1, {0, 1}},
    {SCREEN_SCORECARD, 1, 2, -1, {1, 0}, 0, 1, {0, 2}},
    // The stage standings: ">" stops at the last stored stage.
    {SCREEN_STAGE_STANDINGS, 1, 0, 0, {0, 0}, 0, 0, {0, 0}},
    {SCREEN_STAGE_STANDINGS, 1, 1, 0, {1, 0}, 0, 0, {0, 0}},
    {SCREEN_STAGE_STANDINGS, 1, 2, 5, {1, 1}, 0, 1, {0, 1}},
    // A saved race's scorecard, opened on a stage kept from a longer tour.
    {SCREEN_SAVED_RACE_SCORECARD, 1, 0, 3, {0, 0}, 0, 0, {0, 0}},
    {SCREEN_SAVED_RACE_SCORECARD, 1, 1, 3, {1, 0}, 0, 0, {0, 0}},
    {SCREEN_SAVED_RACE_SCORECARD, 1, 2, 0, {1, 0}, 0, 1, {0, 1}},
};

int okScreen(int screen) {  // where OK (Quit) leads
  return screen == SCREEN_SCORECARD ? SCREEN_PLAY_CARDS
                                    : screen == SCREEN_STAGE_STANDINGS ? SCREEN_MAIN_MENU : SCREEN_SAVED_RACES;
}

class ScorePanelTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (!HasFatalFailure()) useScratchFolder();
  }
  void TearDown() override {
    stageRecords.clear();
    tourMode = 0;
    standingsStatus = STANDINGS_NONE;
    ScreenTest::TearDown();
  }

  void open(const Row& row, int general) {
    tourMode = row.tour;
    stageRecords.assign(static_cast<size_t>(row.stored), StageRecord());
    for (int s = 0; s < row.stored; s++) {
      int32_t* results = stageRecords[static_cast<size_t>(s)].results;
      for (int e = 0; e < RESULT_PLACES; e++) results[e] = e < FIRST_FINISH_PLACE ? (e + s) % 16 : e - 9;
    }
    for (int e = 0; e < RESULT_PLACES; e++) raceResults[e] = e < 12 ? (15 - e) : -1;
    previousScreen = row.screen == SCREEN_STAGE_STANDINGS ? SCREEN_STAGE_OVER : okScreen(row.screen);
    currentScreen = row.screen;
    scoreGeneral = static_cast<char>(general);
    scoreStage = row.stage;
    standingsPath = "standings.csv";
    unlink("standings.csv");
    standingsStatus = STANDINGS_NONE;
    drawNow();
  }

  // An action by its button (by 0) or its key (by 1).
  void act(int action, int by) {
    const float bh = buttonHeight;
    switch (action) {
      case OK: return by ? typeKey(currentScreen == SCREEN_STAGE_STANDINGS ? 'q' : 13)
                         : clickCentreOf(scoreOkButtonX, scoreOkButtonY, buttonWidth, bh);
      case GENERAL: return by ? typeKey('G') : clickCentreOf(generalTabX, generalTabY, generalTabWidth, bh);
      case PREV: return by ? pressSpecialKey(GLUT_KEY_LEFT)
                           : clickCentreOf(stagePrevButtonX, stagePrevButtonY, stagePrevButtonWidth, bh);
      case NEXT: return by ? pressSpecialKey(GLUT_KEY_RIGHT)
                           : clickCentreOf(stageNextButtonX, stageNextButtonY, stageNextButtonWidth, bh);
      case STAGE: return by ? typeKey('s') : clickCentreOf(stageTabX, stageTabY, stageTabWidth, bh);
      default: return by ? typeKey('x') : clickCentreOf(exportButtonX, exportButtonY, exportButtonWidth, bh);
    }
  }
};

TEST_F(ScorePanelTest, EveryButtonAndKeyOnEveryScreenModeAndStageCount) {
  std::vector<Row> rows(std::begin(tourRows), std::end(tourRows));
  for (int screen : {SCREEN_SCORECARD, SCREEN_STAGE_STANDINGS, SCREEN_SAVED_RACE_SCORECARD})
    for (int stored = 0; stored < 3; stored++)  // a single stage: no tabs or arrows, its values kept
      rows.push_back({screen, 0, stored, 7, {0, 7}, 7, 7, {1, 7}});
  for (const Row& row : rows) {
    for (int action = 0; action < ACTION_COUNT * 2; action++) {
      SCOPED_TRACE(testing::Message() << "screen " << row.screen << " tour " << row.tour << " stored "
                                      << row.stored << " action " << action);
      const int what = action / 2;
      open(row, what == STAGE ? 1 : 0);
      act(what, action % 2);
      // Every other action keeps the view, its stage brought into range in a tour.
      int general = what == STAGE, stage = row.tour ? row.afterGeneral[1] : row.stage;
      if (what == GENERAL) general = row.afterGeneral[0], stage = row.afterGeneral[1];
      if (what == PREV || what == NEXT) stage = what == PREV ? row.afterPrev : row.afterNext;
      if (what == STAGE) general = row.afterStageTab[0], stage = row.afterStageTab[1];
      EXPECT_EQ(currentScreen, what == OK ? okScreen(row.screen) : row.screen);
      EXPECT_EQ(scoreGeneral * 100 + scoreStage, general * 100 + stage);
      EXPECT_EQ(standingsStatus, what == EXPORT ? STANDINGS_WRITTEN : STANDINGS_NONE);
      EXPECT_EQ(access("standings.csv", F_OK) == 0, what == EXPORT);
      drawNow();
      if (what != EXPORT) continue;
      // OK forgets the export message on the scorecards; Quit keeps it.
      act(OK, 0);
      EXPECT_EQ(standingsStatus, row.screen == SCREEN_STAGE_STANDINGS ? STANDINGS_WRITTEN : STANDINGS_NONE);
    }
    // Space, "o" and Enter close the scorecards; the standings only their quit letter.
    for (int key : {32, 'O' + 0, 13}) {
      open(row, 0);
      typeKey(static_cast<unsigned char>(key));
      EXPECT_EQ(currentScreen, row.screen == SCREEN_STAGE_STANDINGS ? row.screen : okScreen(row.screen));
    }
  }
}

TEST_F(ScorePanelTest, LettersOfEveryLanguageAndTheDutchT) {
  const char letters[LANGUAGE_COUNT][4] = {"uge", "qgs", "qge", "tte"};  // quit, General, Stage
  for (int l = 0; l < LANGUAGE_COUNT; l++) {
    language = static_cast<uint8_t>(l);
    setLanguageTexts();
    open(tourRows[2], 0);
    typeKey(static_cast<unsigned char>(letters[l][1]));
    EXPECT_EQ(scoreGeneral, 1) << l;
    typeKey(static_cast<unsigned char>(letters[l][2]));
    EXPECT_EQ(scoreGeneral * 10 + scoreStage, 2) << l;
    open(tourRows[5], 0);  // the quit letter comes first there
    typeKey(static_cast<unsigned char>(letters[l][0]));
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU) << l;
  }
}

TEST_F(ScorePanelTest, DragByTheTitleStripMovesTheButtonsAndReshapeBringsItHome) {
  open(tourRows[1], 0);
  const float homeX = scorePanelX, homeY = scorePanelY;
  mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, homeX + 30, homeY + 30);
  EXPECT_EQ(panelDragging, 0) << "the body does not grab";
  mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, homeX + 30.7f, homeY - 4);
  ASSERT_EQ(panelDragging, 1);
  onMouseDrag(static_cast<int>(homeX) + 80, static_cast<int>(homeY) + 50);
  EXPECT_FLOAT_EQ(scorePanelX, homeX + 50);
  EXPECT_FLOAT_EQ(scorePanelY, static_cast<float>(static_cast<int>(homeY) + 54));
  mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
  clickCentreOf(scoreOkButtonX, scoreOkButtonY, buttonWidth, buttonHeight);  // OK moved along
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
  onReshape(1280, 1024);
  EXPECT_FLOAT_EQ(scorePanelX, homeX);
  EXPECT_FLOAT_EQ(scorePanelY, homeY);
}

}  // namespace
