#include "ui/score_panel.h"

#include <algorithm>
#include <string>

#include <GL/freeglut.h>

#include "files/standings_export.h"
#include "files/tour_file.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/view_state.h"
#include "render/frame.h"
#include "render/glyph_atlas.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/widgets.h"
#include "rules/score_sheet.h"
#include "rules/stage_end.h"
#include "rules/standings.h"
#include "texts/language_texts.h"
#include "ui/dialog_panel.h"
#include "ui/saved_races.h"
#include "ui/screen_switch.h"

float scorePanelX = 0, scorePanelY = 0, scorePanelWidth = 0, scorePanelHeight = 0;
float scoreOkButtonX = 0, scoreOkButtonY = 0, scoreOkButtonWidth = 0;
float exportButtonX = 0, exportButtonY = 0, exportButtonWidth = 0;
float generalTabX = 0, generalTabY = 0, generalTabWidth = 0;
float stageTabX = 0, stageTabY = 0, stageTabWidth = 0;
float stagePrevButtonX = 0, stagePrevButtonY = 0, stagePrevButtonWidth = 0;
float stageNextButtonX = 0, stageNextButtonY = 0, stageNextButtonWidth = 0;

namespace {

const char* const okLabel = "OK";
const int ENTER_KEY = 13;
const int SPACE_KEY = 32;

// The scorecard picture's own units.
const float PICTURE_WIDTH = 1072;
const float PICTURE_HEIGHT = 1419;

bool isScorePanelScreen(int screen) {
  return screenShows(screen, SHOWS_SCORE_PANEL);
}

// A point of the picture, relative to the panel's corner.
float pictureX(float px) { return px * scorecardWidth / PICTURE_WIDTH; }
float pictureY(float py) { return py * scorecardHeight / PICTURE_HEIGHT; }

void textAt(float px, float py, int align, const std::string& text) {
  drawText(pictureX(px), pictureY(py), align, text.c_str(), FONT_SMALL, -1, 0, 0);
}

void figureAt(int rider, float px, float py) {
  if (!isRiderIndex(rider)) return;
  glPushMatrix();
  glTranslatef(pictureX(px), pictureY(py), 0);
  drawRiderFigure(rider, POSE_FLAT, 1, 0.7f, 0);
  glPopMatrix();
  glColor3f(0, 0, 0);
}

// The key of the General tab: its underlined letter; the Dutch "Algemeen"
// underlines nothing, yet the tab is chosen with "t" there.
char generalTabLetter() {
  char letter = hotKeyLetter(textGeneral.c_str(), HOTKEY_GENERAL_TAB);
  if (letter == 0 && language == LANGUAGE_DUTCH) letter = 't';
  return letter;
}

// The key of the Stage tab: its underlined letter; the French label starts
// with an E acute (Latin-1 0xC9), which is typed as a plain "e".
char stageTabLetter() {
  char letter = hotKeyLetter(textStageTab.c_str(), HOTKEY_STAGE_TAB);
  const unsigned char code = static_cast<unsigned char>(letter);
  if (code == 0xC9 || code == 0xE9) letter = 'e';
  return letter;
}

bool okHit(float x, float y) {
  return pointInRect(x, y, scoreOkButtonX, scoreOkButtonY, scoreOkButtonWidth, buttonHeight);
}

void redraw() { onDisplay(); }

// OK (Quit on the stage standings).
void chooseOk(int screen) {
  if (screen == SCREEN_STAGE_STANDINGS) {
    returnToMainMenu();
    return;
  }
  standingsStatus = STANDINGS_NONE;
  if (screen == SCREEN_SAVED_RACE_SCORECARD) refreshSavedRaceFiles();
  returnToPreviousScreen();
}

void chooseGeneralTab() {
  scoreGeneral = 1;
  redraw();
}

void chooseStageTab(int screen, const ScoreView& view) {
  scoreGeneral = 0;
  scoreStage = stageTabTarget(screen, view.stored);
  clampScorePanelState(screen);
  redraw();
}

void stepStage(const ScoreView& view, int step) {
  if (step < 0 ? !view.prevEnabled : !view.nextEnabled) return;
  scoreStage = view.stage + step;
  redraw();
}

void drawTourControls(int screen, const ScoreView& view) {
  const float titleX = scorePanelX + 0.5f * scorePanelWidth;
  const float titleY = scorePanelY + 0.016f * scorePanelHeight + 0.5f * buttonHeight;
  glColor3f(0, 0, 0);
  if (view.general) {
    drawText(titleX, titleY, ALIGN_CENTRE, generalSheetTitle(view).c_str(), FONT_SMALL, -1, 0, 0);
  } else {
    drawText(titleX, titleY, ALIGN_CENTRE, stageSheetTitle(screen, view).c_str(), FONT_SMALL, -1, 0, 0);
    drawButton(stagePrevButtonX, stagePrevButtonY, stagePrevButtonWidth, buttonHeight,
               view.prevEnabled ? 1 : 0, "<", -1);
    drawButton(stageNextButtonX, stageNextButtonY, stageNextButtonWidth, buttonHeight,
               view.nextEnabled ? 1 : 0, ">", -1);
  }
  drawButton(generalTabX, generalTabY, generalTabWidth, buttonHeight, view.generalTabEnabled ? 1 : 0,
             textGeneral.c_str(), hotKeyOf(HOTKEY_GENERAL_TAB));
  drawButton(stageTabX, stageTabY, stageTabWidth, buttonHeight, view.stageTabEnabled ? 1 : 0,
             textStageTab.c_str(), hotKeyOf(HOTKEY_STAGE_TAB));
}

void drawExportMessage() {
  const float x = scorePanelX + 0.04f * scorePanelWidth;
  const std::string quoted = "\"" + standingsPath + "\"";
  if (standingsStatus == STANDINGS_OPEN_FAILED) {
    const float y = scorePanelY + 0.91f * scorePanelHeight;
    glColor3f(0.6f, 0, 0);
    drawText(x, y, ALIGN_LEFT, (quoted + textCouldNotBeOpened).c_str(), FONT_SMALL, -1, 0, 0);
    drawText(x, y + 12, ALIGN_LEFT, textFileAlreadyOpened.c_str(), FONT_SMALL, -1, 0, 0);
  } else if (standingsStatus == STANDINGS_WRITTEN) {
    glColor3f(0, 0, 0);
    drawText(x, scorePanelY + 0.92f * scorePanelHeight, ALIGN_LEFT,
             (textStandingsWrittenTo + quoted + ".").c_str(), FONT_SMALL, -1, 0, 0);
  }
}

}  // namespace

void placeScorePanelButtons() {
  const float W = static_cast<float>(drawAreaWidth);
  generalTabWidth = stageTabWidth = 0.08f * W;
  stagePrevButtonWidth = stageNextButtonWidth = 0.016f * W;
  // OK (Quit on the stage standings) and Export widen about their centres
  // where their labels need more than the panel gives them.
  exportButtonWidth = fittedButtonWidth(0.08f * W, textExport);
  scoreOkButtonWidth = fittedButtonWidth(fittedButtonWidth(buttonWidth, textQuit), okLabel);
  scoreOkButtonX = scorePanelX + 0.85f * scorePanelWidth - 0.5f * scoreOkButtonWidth;
  scoreOkButtonY = scorePanelY + scorePanelHeight - 1.2f * buttonHeight;
  exportButtonX = scorePanelX + 0.645f * scorePanelWidth - 0.5f * exportButtonWidth;
  generalTabX = scorePanelX + 0.05f * scorePanelWidth;
  stageTabX = generalTabX + generalTabWidth + 0.05f * scorePanelWidth;
  exportButtonY = generalTabY = stageTabY = scoreOkButtonY;
  stagePrevButtonX = scorePanelX + 0.05f * scorePanelWidth;
  stageNextButtonX = scorePanelX + scorecardWidth - 0.05f * scorePanelWidth - stageNextButtonWidth;
  stagePrevButtonY = stageNextButtonY = scorePanelY + 0.016f * scorePanelHeight;
}

void computeScorePanelLayout() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  scorePanelWidth = scorecardWidth;
  scorePanelHeight = scorecardHeight + SCORE_PANEL_BUTTON_ROW * H;
  scorePanelX = 0.5f * W - 0.5f * scorecardWidth;
  // The sheet's foot stands at 0.75 H, unless the title strip or the
  // buttons would then reach into the strips above and below the band.
  scorePanelY = std::min(std::max(0.75f * H - scorecardHeight, BAND_STRIP_HEIGHT + panelTitleHeight),
                         H - BAND_STRIP_HEIGHT - scorePanelHeight);
  placeScorePanelButtons();
}

void drawScorecard(const int32_t* results) {
  const int screen = currentScreen;
  const ScoreView view = scoreView(screen);
  glCallList(scorecardList);
  StageSheet sheet;
  buildStageSheet(results, results == nullptr ? SHEET_EMPTY : view.sheet, screen, sheet);
  glColor3f(0, 0, 0);
  // The figures stand apart from each other and from the sheet's numbers, so
  // every figure's label and every number can be drawn after the last
  // figure, in one batch.
  beginGlyphBatch();
  for (int k = 0; k < SPRINT_PLACES; k++)
    for (int p = 0; p < SPRINT_PLACES; p++)
      if (sheet.podiumShown[3 * k + p]) figureAt(results[3 * k + p], 690.0f + 128 * k, 614.0f + 66 * p);
  for (int q = 0; results != nullptr && q < FINISH_PLACES; q++) {
    const int32_t rider = results[FIRST_FINISH_PLACE + q];
    if (!isRiderIndex(rider) || sheet.score.finishPlace[rider] != q) continue;
    const float py = 395 + 59.6f * q;
    figureAt(rider, 159, py);
    textAt(299, py, ALIGN_CENTRE, std::to_string(sheet.score.sprintPoints[rider]));
    textAt(381, py, ALIGN_CENTRE, std::to_string(sheet.score.stageTotal[rider]));
  }
  for (int r = 0; r < RIDER_COUNT; r++)
    if (!sheet.teamCell[r].empty())
      textAt(513.0f + 141 * riderTeam(r), 987 + 74.25f * riderMember(r), ALIGN_CENTRE, sheet.teamCell[r]);
  for (int t = 0; t < TEAM_COUNT; t++)
    if (sheet.teamTotalShown[t])
      textAt(513.0f + 141 * t, 1281.5f, ALIGN_CENTRE, std::to_string(sheet.score.teamTotal[t]));
  endGlyphBatch();
}

void drawGeneralClassification() {
  glPushMatrix();
  glTranslatef(0.2285f * scorecardWidth, 0.36f * scorecardHeight, 0);
  glCallList(scorecardExcerptList);
  glPopMatrix();
  glColor3f(0, 0, 0);
  GeneralScore score;
  scoreGeneralClassification(score);
  beginGlyphBatch();
  for (int r = 0; r < RIDER_COUNT; r++)
    textAt(330.0f + 141 * riderTeam(r), 676 + 74.25f * riderMember(r), ALIGN_CENTRE,
           std::to_string(score.riderTotal[r]));
  for (int t = 0; t < TEAM_COUNT; t++)
    textAt(330.0f + 141 * t, 973, ALIGN_CENTRE, std::to_string(score.teamTotal[t]));
  for (int i = 0; i < TEAM_COUNT; i++) {
    const int team = score.ranking[i];
    const float py = 200.0f + 60 * i;
    textAt(270, py, ALIGN_LEFT, std::to_string(i + 1));
    textAt(300, py, ALIGN_LEFT, standingsTeamName(team));
    textAt(610, py, ALIGN_LEFT, teamRiderRange(team));
    textAt(810, py, ALIGN_RIGHT, std::to_string(score.teamTotal[team]));
  }
  endGlyphBatch();
}

void drawScorePanel() {
  const int screen = currentScreen;
  if (!isScorePanelScreen(screen)) return;
  const ScoreView view = scoreView(screen);
  glPushMatrix();
  glTranslatef(scorePanelX, scorePanelY, 0);
  // The stage sheet's picture covers the body down to the button row.
  drawPanelUnderPicture(0, 0, scorePanelWidth, scorePanelHeight, view.general ? 0 : scorecardHeight);
  if (view.general)
    drawGeneralClassification();
  else
    drawScorecard(sheetResults(view));
  glPopMatrix();
  if (view.tour) drawTourControls(screen, view);
  drawExportMessage();
  if (screen == SCREEN_STAGE_STANDINGS)
    drawButton(scoreOkButtonX, scoreOkButtonY, scoreOkButtonWidth, buttonHeight, 1, textQuit,
               hotKeyOf(HOTKEY_STANDINGS_QUIT));
  else
    drawButton(scoreOkButtonX, scoreOkButtonY, scoreOkButtonWidth, buttonHeight, 1, okLabel, 0);
  drawButton(exportButtonX, exportButtonY, exportButtonWidth, buttonHeight, 1, textExport,
             hotKeyOf(HOTKEY_EXPORT));
}

bool scorePanelCover(float rect[4]) {
  if (!isScorePanelScreen(currentScreen)) return false;
  panelCover(scorePanelX, scorePanelY, scorePanelWidth, scorePanelHeight, rect);
  return true;
}

bool scorePanelMouse(int button, int state, float x, float y) {
  const int screen = currentScreen;
  if (!isScorePanelScreen(screen)) return false;
  // The title strip (its lower edge included) is the grab's, not the body's.
  if (y <= scorePanelY || !pointInRect(x, y, scorePanelX, scorePanelY, scorePanelWidth, scorePanelHeight))
    return false;
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return true;
  clampScorePanelState(screen);
  const ScoreView view = scoreView(screen);
  if (okHit(x, y)) {
    chooseOk(screen);
  } else if (view.tour && view.generalTabEnabled &&
             pointInRect(x, y, generalTabX, generalTabY, generalTabWidth, buttonHeight)) {
    chooseGeneralTab();
  } else if (view.tour && view.general && pointInRect(x, y, stageTabX, stageTabY, stageTabWidth, buttonHeight)) {
    chooseStageTab(screen, view);
  } else if (pointInRect(x, y, exportButtonX, exportButtonY, exportButtonWidth, buttonHeight)) {
    writeStandingsFile();
  } else if (view.tour && !view.general &&
             pointInRect(x, y, stagePrevButtonX, stagePrevButtonY, stagePrevButtonWidth, buttonHeight)) {
    stepStage(view, -1);
  } else if (view.tour && !view.general &&
             pointInRect(x, y, stageNextButtonX, stageNextButtonY, stageNextButtonWidth, buttonHeight)) {
    stepStage(view, 1);
  }
  return true;
}

bool scorePanelKey(unsigned char key) {
  const int screen = currentScreen;
  if (!isScorePanelScreen(screen)) return false;
  clampScorePanelState(screen);
  const ScoreView view = scoreView(screen);
  const char letter = toLowerAscii(static_cast<char>(key));
  if (screen != SCREEN_STAGE_STANDINGS &&
      (key == ENTER_KEY || key == SPACE_KEY || letter == toLowerAscii(okLabel[0]))) {
    chooseOk(screen);
    return true;
  }
  if (letter == 0) return false;
  if (screen == SCREEN_STAGE_STANDINGS && letter == hotKeyLetter(textQuit, HOTKEY_STANDINGS_QUIT)) {
    returnToMainMenu();
    return true;
  }
  if (view.tour && view.generalTabEnabled && letter == generalTabLetter()) {
    chooseGeneralTab();
    return true;
  }
  if (view.tour && view.general && letter == stageTabLetter()) {
    chooseStageTab(screen, view);
    return true;
  }
  if (letter == hotKeyLetter(textExport, HOTKEY_EXPORT)) {
    writeStandingsFile();
    return true;
  }
  return false;
}

bool scorePanelSpecialKey(int key) {
  const int screen = currentScreen;
  if (!isScorePanelScreen(screen)) return false;
  if (key != GLUT_KEY_LEFT && key != GLUT_KEY_RIGHT) return false;
  clampScorePanelState(screen);
  const ScoreView view = scoreView(screen);
  if (!view.tour || view.general) return false;
  stepStage(view, key == GLUT_KEY_LEFT ? -1 : 1);
  return true;
}

bool grabScorePanel(float x, float y) {
  return isScorePanelScreen(currentScreen) &&
         grabPanelStrip(x, y, scorePanelX, scorePanelY, scorePanelWidth);
}

void dragScorePanel(float x, float y) {
  movePanelWithin(x, y, &scorePanelX, &scorePanelY, scorePanelWidth, scorePanelHeight);
  placeScorePanelButtons();
  onDisplay();
}
