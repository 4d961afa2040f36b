#include "ui/team_setup.h"

#include <algorithm>

#include <GL/freeglut.h>

#include "files/team_entries.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/widgets.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "texts/text_editing.h"
#include "rules/course_design.h"
#include "ui/course_selection.h"
#include "ui/dialog_panel.h"

float teamNameFieldX = 0, teamNameFieldY = 0, teamRowPitch = 0;
float computerBoxX = 0;
float stageRadioX = 0, multiStageRadioY = 0, singleStageRadioY = 0;
float raceNameFieldX = 0, raceNameFieldY = 0;
float eventCardsBoxX = 0, eventCardsBoxY = 0;
float teamSetupNextButtonX = 0, teamSetupNextButtonY = 0;
signed char teamSetupActiveRow = 0;
signed char teamSetupCaret = 0;

namespace {

// Side of the boxes and radio buttons, and height of the race name field.
float boxSize() { return 0.02f * static_cast<float>(drawAreaHeight); }

float rowTop(int team) { return teamNameFieldY + static_cast<float>(team) * teamRowPitch; }

bool severalStages() { return tourMode == 1; }

// The rows Tab, Enter and Down reach: the race name only in a race of
// several stages.
int rowCount() { return severalStages() ? RACE_NAME_ROW + 1 : RACE_NAME_ROW; }

char* activeText() {
  return teamSetupActiveRow == RACE_NAME_ROW ? raceName : teamNames[teamSetupActiveRow];
}

int activeLength() { return teamSetupActiveRow == RACE_NAME_ROW ? RACE_NAME_LENGTH : TEAM_NAME_LENGTH; }

int activeCaret() { return clampCaret(activeText(), activeLength(), teamSetupCaret); }

void setCaret(int caret) { teamSetupCaret = static_cast<signed char>(caret); }

void activateRow(int row) {
  teamSetupActiveRow = static_cast<signed char>(row);
  teamSetupCaret = 0;
}

// A row and caret that no longer fit the entries (the race name row in a
// single stage, a caret beyond a name renamed elsewhere) are brought back.
void clampRowAndCaret() {
  if (teamSetupActiveRow < 0 || teamSetupActiveRow >= rowCount()) activateRow(rowCount() - 1);
  setCaret(activeCaret());
}

bool onRadio(float centreY, float x, float y) {
  const float s = boxSize();
  return pointInRect(x, y, stageRadioX - s / 2, centreY - s / 2, s, s);
}

// The caret from a click at x in a field: by whole character columns.
void clickIntoField(int row, float fieldLeft, float fieldWidth, float x) {
  activateRow(row);
  const int columnWidth = static_cast<int>(fieldWidth) / 12;
  const int column = static_cast<int>(x - static_cast<float>(static_cast<int>(fieldLeft))) / columnWidth;
  setCaret(caretForColumn(activeText(), activeLength(), column));
}

void pressOk() {
  if (checkTeamEntries() > 0) {
    currentScreen = SCREEN_SETUP_ERRORS;
    return;
  }
  fixRaceFileNames();
  resetCourseDesign();
  previousScreen = SCREEN_TEAM_SETUP;
  openCourseSelection();
}

// The mouse on screen 35 after the left button's release.
void handleClick(float x, float y) {
  const float s = boxSize();
  for (int team = 0; team < 4; ++team) {
    if (pointInRect(x, y, teamNameFieldX, rowTop(team), TEAM_NAME_FIELD_WIDTH, TEAM_NAME_FIELD_HEIGHT)) {
      clickIntoField(team, teamNameFieldX, TEAM_NAME_FIELD_WIDTH, x);
      return;
    }
    float box[4];
    computerBoxRect(team, box);
    if (pointInRect(x, y, box[0], box[1], box[2], box[3])) {
      for (int rider = 4 * team; rider < 4 * team + 4; ++rider)
        riders[rider].humanControlled = riders[rider].humanControlled ? 0 : 1;
      return;
    }
  }
  if (severalStages() && pointInRect(x, y, raceNameFieldX, raceNameFieldY, RACE_NAME_FIELD_WIDTH, s)) {
    clickIntoField(RACE_NAME_ROW, raceNameFieldX, RACE_NAME_FIELD_WIDTH, x);
    return;
  }
  if (pointInRect(x, y, eventCardsBoxX, eventCardsBoxY, s, s)) {
    eventCardsOn = eventCardsOn ? 0 : 1;
    return;
  }
  if (onRadio(multiStageRadioY, x, y)) {
    tourMode = 1;
    return;
  }
  if (onRadio(singleStageRadioY, x, y)) {
    tourMode = 0;
    if (teamSetupActiveRow == RACE_NAME_ROW) activateRow(RACE_NAME_ROW - 1);
    return;
  }
  if (pointInRect(x, y, teamSetupBackButtonX, teamSetupBackButtonY, buttonWidth, buttonHeight)) {
    currentScreen = SCREEN_MAIN_MENU;
    return;
  }
  if (pointInRect(x, y, teamSetupNextButtonX, teamSetupNextButtonY, buttonWidth, buttonHeight))
    pressOk();
}

void labelColour(bool bright) {
  if (bright)
    glColor3f(1, 1, 1);
  else
    glColor3f(0.5f, 0.5f, 0.5f);
}

// A name as the field shows it: never more than its 12 characters, whether
// or not its buffer holds a terminator.
void drawNameField(float x, float y, float width, float height, const char* text, int maxLength, int row,
                   bool enabled) {
  char shown[RACE_NAME_LENGTH + 1] = {};
  const int length = fieldTextLength(text, maxLength);
  for (int i = 0; i < length; ++i) shown[i] = text[i];
  const bool focused = row == teamSetupActiveRow;
  drawTextField(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                static_cast<int>(height), shown, focused ? 1 : 0,
                static_cast<char>(focused ? clampCaret(shown, maxLength, teamSetupCaret) : 0),
                enabled ? 1 : 0);
}

// The error list in the dialog panel, the origin at the body's corner.
void drawSetupErrorList() {
  glColor3f(0, 0, 0);
  const int n = setupErrorCount;
  for (int k = 0; k < n && k < SETUP_ERROR_SLOTS; ++k) {
    const float y = 0.5f * dialogPanelHeight + 12.0f * static_cast<float>(k - (n + 1) / 2);
    drawText(0.5f * dialogPanelWidth, y, ALIGN_CENTRE, setupErrors[k].c_str(), FONT_SMALL, -1, 0, 0);
  }
}

}  // namespace

void computeTeamSetupLayout() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  teamNameFieldX = 0.4f * W;
  teamNameFieldY = 0.4f * H;
  teamRowPitch = 0.01f * H + 15;
  computerBoxX = 0.4f * W + 1.2f * TEAM_NAME_FIELD_WIDTH;
  stageRadioX = 0.4f * W;
  multiStageRadioY = 0.55f * H;
  singleStageRadioY = 0.61f * H;
  raceNameFieldX = 0.545f * W;
  raceNameFieldY = 0.55f * H + 0.01f * H;
  eventCardsBoxX = 0.4f * W;
  eventCardsBoxY = 0.645f * H;
  teamSetupNextButtonX = 0.5f * W - 0.5f * buttonWidth;
  teamSetupNextButtonY = 0.68f * H;
}

void computerBoxRect(int team, float rect[4]) {
  // Whole rows apart are at least the pitch's whole part.
  const int side = std::min(static_cast<int>(boxSize()), static_cast<int>(teamRowPitch) - 2);
  rect[0] = static_cast<float>(static_cast<int>(computerBoxX));
  rect[1] = static_cast<float>(static_cast<int>(rowTop(team)));
  rect[2] = static_cast<float>(side) * tokenAspect();
  rect[3] = static_cast<float>(side);
}

void openTeamSetup() {
  currentScreen = SCREEN_TEAM_SETUP;
  clampRowAndCaret();
  onDisplay();
}

void drawTeamSetupScreen() {
  if (currentScreen != SCREEN_TEAM_SETUP && currentScreen != SCREEN_SETUP_ERRORS) return;
  const bool active = currentScreen == SCREEN_TEAM_SETUP;
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const float s = boxSize();
  const int enabled = active ? 1 : 0;

  labelColour(active);
  drawText(0.5f * W, 0.37f * H, ALIGN_CENTRE, textTeamSetup, FONT_LARGE, -1, 0, 0);

  for (int team = 0; team < 4; ++team) {
    glPushMatrix();
    glTranslatef(0.95f * teamNameFieldX, rowTop(team) + 7.5f, 0);
    drawRiderFigure(4 * team, POSE_FLAT, 1, 0.7f, 1);
    glPopMatrix();
    drawNameField(teamNameFieldX, rowTop(team), TEAM_NAME_FIELD_WIDTH, TEAM_NAME_FIELD_HEIGHT,
                  teamNames[team], TEAM_NAME_LENGTH, team, active);
    float box[4];
    computerBoxRect(team, box);
    drawCheckButton(static_cast<int>(box[0]), static_cast<int>(box[1]), static_cast<int>(box[3]), textComputerPlayer,
                    -1, enabled, riders[4 * team].humanControlled ? 0 : 1);
  }

  const int radius = static_cast<int>(0.01f * H);
  drawRadioButton(static_cast<int>(stageRadioX), static_cast<int>(multiStageRadioY), radius,
                  severalStages(), enabled);
  drawRadioButton(static_cast<int>(stageRadioX), static_cast<int>(singleStageRadioY), radius,
                  !severalStages(), enabled);
  labelColour(active);
  drawText(stageRadioX + s, multiStageRadioY, ALIGN_LEFT, textMultipleStages.c_str(), FONT_SMALL, -1, 0,
           0);
  drawText(stageRadioX + s, singleStageRadioY, ALIGN_LEFT, textSingleStage.c_str(), FONT_SMALL, -1, 0,
           0);
  labelColour(active && severalStages());
  drawText(0.4f * W + 0.03f * H, 0.55f * H + 0.02f * H, ALIGN_LEFT, textRaceName.c_str(), FONT_SMALL, -1,
           0, 0);
  drawNameField(raceNameFieldX, raceNameFieldY, RACE_NAME_FIELD_WIDTH, s, raceName, RACE_NAME_LENGTH,
                RACE_NAME_ROW, active && severalStages());

  drawCheckButton(static_cast<int>(eventCardsBoxX), static_cast<int>(eventCardsBoxY),
                  static_cast<int>(s), textEnableEventCards, -1, enabled, eventCardsOn ? 1 : 0);
  drawButton(teamSetupBackButtonX, teamSetupBackButtonY, buttonWidth, buttonHeight, enabled, textBack,
             -1);
  drawButton(teamSetupNextButtonX, teamSetupNextButtonY, buttonWidth, buttonHeight, enabled, "OK", -1);

  if (!active) drawDialog(drawSetupErrorList, "OK", 0, nullptr, -1);
}

bool teamSetupMouse(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return true;
  handleClick(x, y);
  onDisplay();
  return true;
}

bool teamSetupKey(unsigned char key) {
  clampRowAndCaret();
  char* text = activeText();
  const int length = activeLength();
  if (isNameCharacter(key)) {
    setCaret(typeIntoField(text, length, teamSetupCaret, static_cast<char>(key)));
  } else if (key == 8) {
    setCaret(backspaceInField(text, length, teamSetupCaret));
  } else if (key == 127) {
    setCaret(deleteInField(text, length, teamSetupCaret));
  } else if (key == 9 || key == 13) {
    activateRow((teamSetupActiveRow + 1) % rowCount());
  }
  onDisplay();
  return true;
}

bool teamSetupSpecialKey(int key) {
  clampRowAndCaret();
  switch (key) {
    case GLUT_KEY_LEFT:
      if (teamSetupCaret > 0) setCaret(teamSetupCaret - 1);
      break;
    case GLUT_KEY_RIGHT:
      setCaret(caretRightInField(activeText(), activeLength(), teamSetupCaret));
      break;
    case GLUT_KEY_UP:
      if (teamSetupActiveRow > 0) activateRow(teamSetupActiveRow - 1);
      break;
    case GLUT_KEY_DOWN:
      if (teamSetupActiveRow < rowCount() - 1) activateRow(teamSetupActiveRow + 1);
      break;
    case GLUT_KEY_HOME:
      setCaret(0);
      break;
    case GLUT_KEY_END:
      setCaret(caretEndOfField(activeText(), activeLength()));
      break;
    default:
      break;
  }
  onDisplay();
  return true;
}

bool setupErrorsMouse(int button, int state, float x, float y) {
  if (!dialogOkButtonHit(x, y)) return false;
  if (button == GLUT_LEFT_BUTTON && state == GLUT_UP) {
    currentScreen = SCREEN_TEAM_SETUP;
    onDisplay();
  }
  return true;
}

bool setupErrorsKey(unsigned char key) {
  if (key != 13 && key != ' ' && toLowerAscii(static_cast<char>(key)) != 'o') return false;
  currentScreen = SCREEN_TEAM_SETUP;
  onDisplay();
  return true;
}
