#include "ui/saved_races.h"

#include <algorithm>
#include <cstring>
#include <string>

#include <GL/freeglut.h>

#include "files/file_listing.h"
#include "files/standings_export.h"
#include "files/tour_file.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/widgets.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
#include "rules/score_sheet.h"
#include "texts/language_texts.h"
#include "ui/course_selection.h"

int savedRacePage = 0;
float savedRaceGridX = 0, savedRaceGridY = 0;
float savedRacesPrevButtonX = 0, savedRacesPrevButtonY = 0;
float savedRacesNextButtonX = 0, savedRacesNextButtonY = 0;
float savedRacesOkButtonX = 0, savedRacesOkButtonY = 0;
float savedRacesScorecardButtonX = 0, savedRacesScorecardButtonY = 0, savedRacesScorecardButtonWidth = 0;

namespace {

const char* const okLabel = "OK";
const float GRID_WIDTH = SAVED_RACE_COLUMNS * SAVED_RACE_COLUMN_WIDTH;
// One half row under the twenty rows belongs to the frame.
const float GRID_HEIGHT = (SAVED_RACE_ROWS + 1) * SAVED_RACE_ROW_HEIGHT;

int fileCount() { return static_cast<int>(savedRaceFiles.size()); }

int firstShown() { return (savedRacePage > 0 ? savedRacePage : 0) * SAVED_RACE_ROWS; }

// A race's name is its file's name less ".velq".
std::string raceNameOf(const std::string& file) {
  return file.size() >= tourFileExtension.size() ? file.substr(0, file.size() - tourFileExtension.size())
                                                  : std::string();
}

bool buttonHit(float x, float y, float bx, float by) {
  return pointInRect(x, y, bx, by, buttonWidth, buttonHeight);
}

void showChanges() {
  refreshSavedRaceFiles();
  onDisplay();
}

void chooseRace(int index) {
  const std::string& file = savedRaceFiles[static_cast<size_t>(index)];
  tourFileName = file;
  selectedRaceName = raceNameOf(file);
  standingsPath = selectedRaceName + ".csv";
  readTourPreview(tourFileName);
  showChanges();
}

// OK: the tour is read whole and its next stage is set up on the course
// selection. A file that can no longer be read (removed, too short) must
// not be continued: its next stage would be stored behind another race's
// stages and saved under its name. The choice is dropped instead.
void continueRace() {
  if (tourFileName.empty()) return;
  if (!loadTour(tourFileName)) {
    tourFileName.clear();
    selectedRaceName.clear();
    standingsPath.clear();
    showChanges();
    return;
  }
  resetCourseDesign();
  previousScreen = SCREEN_SAVED_RACES;
  openCourseSelection();
}

// Scorecard: the chosen race's sheets on the score panel, in a view that
// race has.
void showRaceScorecard() {
  if (tourFileName.empty()) return;
  readTourPreview(tourFileName);
  previousScreen = SCREEN_SAVED_RACES;
  currentScreen = SCREEN_SAVED_RACE_SCORECARD;
  clampScorePanelState(SCREEN_SAVED_RACE_SCORECARD);
  onDisplay();
}

void goBack() {
  currentScreen = SCREEN_MAIN_MENU;
  onDisplay();
}

void drawWhite(float x, float y, const std::string& text) {
  glColor3f(1, 1, 1);
  drawText(x, y, ALIGN_LEFT, text.c_str(), FONT_SMALL, -1, 0, 0);
}

void drawPreview() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const float y0 = savedRaceGridY + (SAVED_RACE_ROWS + 2) * SAVED_RACE_ROW_HEIGHT;
  const float pitch = 0.03f * H;
  const int side = static_cast<int>(0.02f * H);
  drawWhite(savedRaceGridX, y0, selectedRaceName);
  // The computer-player boxes stand in one column, moved right where a wide
  // team name would run into them.
  std::string names[TEAM_COUNT];
  float checkX = savedRaceGridX + 0.14f * W;
  for (int t = 0; t < TEAM_COUNT; t++) {
    names[t].assign(previewTeamNames[t], strnlen(previewTeamNames[t], TEAM_NAME_SIZE - 1));
    const float nameWidth = static_cast<float>(measureTextWidth(names[t].c_str(), FONT_SMALL));
    checkX = std::max(checkX, savedRaceGridX + pitch + nameWidth + 6);
  }
  for (int t = 0; t < TEAM_COUNT; t++) {
    const float y = y0 + static_cast<float>(t + 1) * pitch;
    drawWhite(savedRaceGridX + pitch, y, names[t]);
    glPushMatrix();
    glTranslatef(savedRaceGridX + 0.01f * W, y, 0);
    drawRiderFigure(t * TEAM_SIZE, POSE_FLAT, 1, 0.7f, 1);
    glPopMatrix();
    drawCheckButton(static_cast<int>(checkX), static_cast<int>(y - 0.5f * side), side,
                    textComputerPlayer, -1, 0, previewHumanControlled[t] == 0 ? 1 : 0);
  }
  drawCheckButton(static_cast<int>(savedRaceGridX), static_cast<int>(y0 + 5 * pitch), side, textEnableEventCards,
                  -1, 0, previewEventCardsOn ? 1 : 0);
}

}  // namespace

void computeSavedRacesLayout() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  savedRaceGridX = 0.2f * W;
  savedRaceGridY = 0.2f * H;
  savedRacesPrevButtonX = savedRaceGridX - buttonWidth;
  savedRacesNextButtonX = savedRaceGridX + GRID_WIDTH;
  savedRacesPrevButtonY = savedRacesNextButtonY =
      savedRaceGridY + GRID_HEIGHT * 0.5f - 0.5f * buttonHeight;
  savedRacesOkButtonX = 0.5f * W + 0.6f * buttonWidth;
  // Scorecard stays centred, widened when its label needs it.
  savedRacesScorecardButtonWidth = fittedButtonWidth(buttonWidth, textScorecard);
  savedRacesScorecardButtonX = 0.5f * W - 0.5f * savedRacesScorecardButtonWidth;
  savedRacesOkButtonY = savedRacesScorecardButtonY = 0.8f * H;
}

void openSavedRaces() {
  currentScreen = SCREEN_SAVED_RACES;
  savedRacePage = 0;
  tourFileName.clear();
  selectedRaceName.clear();
  standingsPath.clear();
  tourMode = 1;
  showChanges();
}

void refreshSavedRaceFiles() { savedRaceFiles = listFiles(); }

int savedRaceIndexAt(float x, float y) {
  if (!pointInRect(x, y, savedRaceGridX, savedRaceGridY, GRID_WIDTH, GRID_HEIGHT)) return -1;
  // Truncated towards zero: the margin left of the first column and the
  // half row above the first row belong to them.
  const int column = static_cast<int>((x - savedRaceGridX - SAVED_RACE_GRID_MARGIN) / SAVED_RACE_COLUMN_WIDTH);
  const int row = static_cast<int>((y - savedRaceGridY - 6) / SAVED_RACE_ROW_HEIGHT);
  if (column < 0 || column >= SAVED_RACE_COLUMNS || row < 0 || row >= SAVED_RACE_ROWS) return -1;
  const int index = firstShown() + SAVED_RACE_ROWS * column + row;
  return index < fileCount() ? index : -1;
}

bool savedRacesNextEnabled() {
  const int columns = (fileCount() + SAVED_RACE_ROWS - 1) / SAVED_RACE_ROWS;
  return savedRacePage + SAVED_RACE_COLUMNS < columns;
}

void drawSavedRaces() {
  const int screen = currentScreen;
  if (screen != SCREEN_SAVED_RACES && screen != SCREEN_SAVED_RACE_SCORECARD) return;
  const bool active = screen == SCREEN_SAVED_RACES;
  const float x0 = savedRaceGridX, y0 = savedRaceGridY;
  glColor3f(1, 1, 1);
  glBegin(GL_LINE_LOOP);
  glVertex2f(x0, y0);
  glVertex2f(x0 + GRID_WIDTH, y0);
  glVertex2f(x0 + GRID_WIDTH, y0 + GRID_HEIGHT);
  glVertex2f(x0, y0 + GRID_HEIGHT);
  glEnd();

  const int first = firstShown();
  for (int i = first; i < first + SAVED_RACE_COLUMNS * SAVED_RACE_ROWS && i < fileCount(); i++) {
    const int column = (i - first) / SAVED_RACE_ROWS;
    const int row = i % SAVED_RACE_ROWS;
    const std::string name = raceNameOf(savedRaceFiles[static_cast<size_t>(i)]);
    if (name == selectedRaceName)
      glColor3f(1, 1, 0);
    else
      glColor3f(1, 1, 1);
    drawText(x0 + SAVED_RACE_GRID_MARGIN + SAVED_RACE_COLUMN_WIDTH * static_cast<float>(column),
             y0 + SAVED_RACE_ROW_HEIGHT * static_cast<float>(row + 1), ALIGN_LEFT, name.c_str(), FONT_SMALL,
             -1, 0, 0);
  }
  if (!tourFileName.empty()) drawPreview();

  const bool chosen = !tourFileName.empty();
  drawButton(savedRacesPrevButtonX, savedRacesPrevButtonY, buttonWidth, buttonHeight,
             active && savedRacePage > 0 ? 1 : 0, "<", -1);
  drawButton(savedRacesNextButtonX, savedRacesNextButtonY, buttonWidth, buttonHeight,
             active && savedRacesNextEnabled() ? 1 : 0, ">", -1);
  drawButton(savedRacesOkButtonX, savedRacesOkButtonY, buttonWidth, buttonHeight, active && chosen ? 1 : 0,
             okLabel, 0);
  drawButton(savedRacesScorecardButtonX, savedRacesScorecardButtonY, savedRacesScorecardButtonWidth, buttonHeight,
             active && chosen ? 1 : 0, textScorecard, hotKeyOf(HOTKEY_SAVED_RACES_SCORECARD));
  drawButton(savedRacesBackButtonX, savedRacesBackButtonY, buttonWidth, buttonHeight, active ? 1 : 0, textBack,
             hotKeyOf(HOTKEY_SAVED_RACES_BACK));
}

void savedRacesMouse(int button, int state, float x, float y) {
  if (currentScreen != SCREEN_SAVED_RACES || button != GLUT_LEFT_BUTTON || state != GLUT_UP) return;
  if (pointInRect(x, y, savedRaceGridX, savedRaceGridY, GRID_WIDTH, GRID_HEIGHT)) {
    const int index = savedRaceIndexAt(x, y);
    if (index >= 0) chooseRace(index);
  } else if (buttonHit(x, y, savedRacesPrevButtonX, savedRacesPrevButtonY)) {
    if (savedRacePage > 0) savedRacePage--;
    showChanges();
  } else if (buttonHit(x, y, savedRacesNextButtonX, savedRacesNextButtonY)) {
    if (savedRacesNextEnabled()) savedRacePage++;
    showChanges();
  } else if (buttonHit(x, y, savedRacesBackButtonX, savedRacesBackButtonY)) {
    goBack();
  } else if (buttonHit(x, y, savedRacesOkButtonX, savedRacesOkButtonY)) {
    continueRace();
  } else if (pointInRect(x, y, savedRacesScorecardButtonX, savedRacesScorecardButtonY,
                         savedRacesScorecardButtonWidth, buttonHeight)) {
    showRaceScorecard();
  }
}

void savedRacesKey(unsigned char key) {
  if (currentScreen != SCREEN_SAVED_RACES) return;
  const char letter = toLowerAscii(static_cast<char>(key));
  if (letter == 0) return;
  if (letter == hotKeyLetter(textBack, HOTKEY_SAVED_RACES_BACK))
    goBack();
  else if (letter == toLowerAscii(okLabel[0]))
    continueRace();
  else if (letter == hotKeyLetter(textScorecard, HOTKEY_SAVED_RACES_SCORECARD))
    showRaceScorecard();
}
