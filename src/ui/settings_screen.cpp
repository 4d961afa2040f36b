#include "ui/settings_screen.h"

#include <algorithm>
#include <cstdio>

#include <GL/freeglut.h>

#include "files/settings_file.h"
#include "model/screens.h"
#include "model/settings.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/widgets.h"
#include "texts/language_texts.h"
#include "texts/text_editing.h"
#include "ui/loading_screen.h"
#include "ui/screen_switch.h"

char settingsFieldText[SETTINGS_FIELD_COUNT][SETTINGS_FIELD_DIGITS + 1];
int settingsActiveField = SETTINGS_FIELD_DELAY;
int settingsCaret = 0;
int savedSmoothComputerMovement = defaultSmoothComputerMovement;
double savedScreenRatio[2] = {-1, -1};

namespace {

// The three ratios the screen offers, in the order of their radios.
const double ratioChoices[3][2] = {{5, 4}, {4, 3}, {16, 10}};

void setRect(float rect[4], float x, float y, float w, float h) {
  rect[0] = x;
  rect[1] = y;
  rect[2] = w;
  rect[3] = h;
}

bool inRect(const float rect[4], float x, float y) {
  return pointInRect(x, y, rect[0], rect[1], rect[2], rect[3]);
}

// A radio is hit within the square of its size centred on it.
bool onRadio(const float centre[2], float size, float x, float y) {
  return pointInRect(x, y, centre[0] - size / 2, centre[1] - size / 2, size, size);
}

bool smoothMode() { return smoothComputerMovement != 0; }

// The field the keys type into in the current mode.
int firstFieldOfMode() { return smoothMode() ? SETTINGS_FIELD_DELAY : SETTINGS_FIELD_STEP_INTERVAL; }

bool fieldEnabled(int field) {
  return smoothMode() ? field != SETTINGS_FIELD_STEP_INTERVAL : field == SETTINGS_FIELD_STEP_INTERVAL;
}

// The stored values are 0 to 999, which is all a three-digit field shows.
void writeNumber(int field, int value) {
  value = value < 0 ? 0 : value > 999 ? 999 : value;
  std::snprintf(settingsFieldText[field], sizeof settingsFieldText[field], "%d", value);
}

// The leading digits of a field as a number; an empty field is 0.
int fieldNumber(int field) {
  int value = 0;
  for (const char* c = settingsFieldText[field]; *c >= '0' && *c <= '9'; ++c)
    value = value * 10 + (*c - '0');
  return value;
}

char* activeText() { return settingsFieldText[settingsActiveField]; }

void selectRatio(int choice) {
  screenRatio[0] = ratioChoices[choice][0];
  screenRatio[1] = ratioChoices[choice][1];
}

bool ratioIs(const double ratio[2], int choice) {
  return ratio[0] == ratioChoices[choice][0] && ratio[1] == ratioChoices[choice][1];
}

// After OK with a new ratio: the drawing area and every list are made again
// for it, and the loading screen compiles the section maps and previews anew.
void rebuildForNewRatio() {
  screenRatioProvisional = 0;  // chosen by the player: never detected again
  sceneListsBuilt = 0;
  onReshape(windowWidth, windowHeight);
  currentScreen = SCREEN_LOADING;
  loadingSectionIndex = 0;
  loadingCourseIndex = 0;
  onLoadingIdle();
}

void pressOk() {
  smoothMoveDelayMs = fieldNumber(SETTINGS_FIELD_DELAY);
  smoothMoveDistance = static_cast<float>(fieldNumber(SETTINGS_FIELD_DISTANCE));
  stepMoveIntervalMs = fieldNumber(SETTINGS_FIELD_STEP_INTERVAL);
  // A smooth move of distance 0 would never reach its square.
  if (smoothMoveDistance < 1) smoothMoveDistance = defaultSmoothMoveDistance;
  fillSettingsFields();
  writeSettingsFile();
  if (screenRatio[0] != savedScreenRatio[0] || screenRatio[1] != savedScreenRatio[1])
    rebuildForNewRatio();
  returnToPreviousScreen();
}

void pressDefault() {
  smoothComputerMovement = 1;
  writeNumber(SETTINGS_FIELD_DELAY, defaultSmoothMoveDelayMs);
  writeNumber(SETTINGS_FIELD_DISTANCE, static_cast<int>(defaultSmoothMoveDistance));
  writeNumber(SETTINGS_FIELD_STEP_INTERVAL, defaultStepMoveIntervalMs);
  settingsCaret = 0;
  settingsActiveField = SETTINGS_FIELD_DELAY;
}

void pressCancel() {
  smoothComputerMovement = savedSmoothComputerMovement;
  screenRatio[0] = savedScreenRatio[0];
  screenRatio[1] = savedScreenRatio[1];
  fillSettingsFields();
  returnToPreviousScreen();
}

void clickField(int field, float x, const SettingsLayout& layout) {
  settingsActiveField = field;
  int column = static_cast<int>((x - layout.fields[field][0]) / 8);
  settingsCaret = caretForColumn(activeText(), SETTINGS_FIELD_DIGITS, column);
}

// The mouse on the screen; true when it closed the screen (the redraw is
// then done).
bool handleClick(float x, float y) {
  const SettingsLayout layout = settingsLayout();
  const float s = layout.radioSize;
  if (!smoothMode() && onRadio(layout.smoothRadio, s, x, y)) {
    smoothComputerMovement = 1;
    settingsActiveField = SETTINGS_FIELD_DELAY;
    settingsCaret = 0;
    return false;
  }
  if (smoothMode() && onRadio(layout.stepwiseRadio, s, x, y)) {
    smoothComputerMovement = 0;
    settingsActiveField = SETTINGS_FIELD_STEP_INTERVAL;
    settingsCaret = 0;
    return false;
  }
  for (int choice = 0; choice < 3; ++choice) {
    if (!ratioIs(screenRatio, choice) && onRadio(layout.ratioRadios[choice], s, x, y)) {
      selectRatio(choice);
      // The keys keep typing into a field that the mode leaves open.
      settingsActiveField = firstFieldOfMode();
      settingsCaret = 0;
      return false;
    }
  }
  if (inRect(layout.okButton, x, y)) {
    pressOk();
    return true;
  }
  if (inRect(layout.defaultButton, x, y)) {
    pressDefault();
    return false;
  }
  if (inRect(layout.cancelButton, x, y)) {
    pressCancel();
    return true;
  }
  for (int field = 0; field < SETTINGS_FIELD_COUNT; ++field) {
    if (fieldEnabled(field) && inRect(layout.fields[field], x, y)) {
      clickField(field, x, layout);
      return false;
    }
  }
  return false;
}

// Room left between a label and the field after it.
const float LABEL_GAP = 5;

float labelWidth(const char* text) { return static_cast<float>(drawnTextWidth(text, FONT_SMALL)); }

void labelColour(bool bright) {
  if (bright)
    glColor3f(1, 1, 1);
  else
    glColor3f(0.5f, 0.5f, 0.5f);
}

}  // namespace

SettingsLayout settingsLayout() {
  const float w = static_cast<float>(drawAreaWidth);
  const float h = static_cast<float>(drawAreaHeight);
  const float s = 0.02f * h;
  SettingsLayout layout;
  layout.radioSize = s;
  layout.smoothRadio[0] = 0.4f * w;
  layout.smoothRadio[1] = 0.25f * h;
  layout.stepwiseRadio[0] = 0.4f * w;
  layout.stepwiseRadio[1] = 0.33f * h;
  const float ratioRows[3] = {0.48f, 0.52f, 0.56f};
  for (int i = 0; i < 3; ++i) {
    layout.ratioRadios[i][0] = 0.4f * w;
    layout.ratioRadios[i][1] = ratioRows[i] * h;
  }
  setRect(layout.movementFrame, 0.4f * w - 1.5f * s, 0.22f * h, 0.25f * w, 0.2f * h);
  setRect(layout.ratioFrame, 0.4f * w - 1.5f * s, 0.45f * h, 0.25f * w, 0.14f * h);
  // Each field stands at its place unless its label, in the current
  // language, would reach it; then it moves right to clear the label.
  const float labelX = 0.4f * w + 1.5f * s;
  const float smoothFieldX = std::max({0.5f * w, labelX + labelWidth(textDelay) + LABEL_GAP,
                                       labelX + labelWidth(textDistance) + LABEL_GAP});
  const float stepFieldX = std::max(0.54f * w, labelX + labelWidth(textTimeBetweenSteps) + LABEL_GAP);
  // The digits start TEXT_FIELD_INSET in from the left edge; as much room
  // after the last one keeps a three-digit value off the right edge.
  const float fieldWidth =
      std::max(SETTINGS_FIELD_WIDTH, SETTINGS_FIELD_DIGITS * FIXED_FONT_ADVANCE + 2 * TEXT_FIELD_INSET);
  setRect(layout.fields[SETTINGS_FIELD_DELAY], smoothFieldX, 0.25f * h + 0.5f * s, fieldWidth, s);
  setRect(layout.fields[SETTINGS_FIELD_DISTANCE], smoothFieldX, 0.25f * h + 1.7f * s, fieldWidth, s);
  setRect(layout.fields[SETTINGS_FIELD_STEP_INTERVAL], stepFieldX, 0.33f * h + 0.5f * s, fieldWidth, s);
  layout.delayUnitX = smoothFieldX + fieldWidth + SETTINGS_UNIT_GAP;
  layout.stepUnitX = stepFieldX + fieldWidth + SETTINGS_UNIT_GAP;
  // The movement frame widens where a unit would reach its right edge.
  const float unitsEnd = std::max(layout.delayUnitX, layout.stepUnitX) + labelWidth("ms") + LABEL_GAP;
  layout.movementFrame[2] = std::max(layout.movementFrame[2], unitsEnd - layout.movementFrame[0]);
  // A button is widened when its label would not fit; OK and Cancel keep
  // their right edges, Cancel's 0.1 button widths inside the ratio frame.
  setRect(layout.defaultButton, 0.4f * w - 0.5f * s, 0.37f * h,
          fittedButtonWidth(0.15f * w, textDefault), buttonHeight);
  const float cancelWidth = fittedButtonWidth(buttonWidth, textCancel);
  const float okWidth = fittedButtonWidth(buttonWidth, "OK");
  const float cancelX = layout.ratioFrame[0] + layout.ratioFrame[2] - 0.1f * buttonWidth - cancelWidth;
  const float okX = cancelX - 0.1f * buttonWidth - okWidth;
  setRect(layout.okButton, okX, 0.62f * h, okWidth, buttonHeight);
  setRect(layout.cancelButton, cancelX, 0.62f * h, cancelWidth, buttonHeight);
  return layout;
}

void fillSettingsFields() {
  writeNumber(SETTINGS_FIELD_DELAY, smoothMoveDelayMs);
  writeNumber(SETTINGS_FIELD_DISTANCE, static_cast<int>(smoothMoveDistance));
  writeNumber(SETTINGS_FIELD_STEP_INTERVAL, stepMoveIntervalMs);
  settingsActiveField = firstFieldOfMode();
  settingsCaret = 0;
}

void drawSettingsScreen() {
  if (currentScreen != SCREEN_SETTINGS) return;
  const SettingsLayout layout = settingsLayout();
  const float w = static_cast<float>(drawAreaWidth);
  const float h = static_cast<float>(drawAreaHeight);
  const float s = layout.radioSize;
  const int radius = static_cast<int>(s / 2);
  const bool smooth = smoothMode();
  auto radio = [radius](const float centre[2], bool selected) {
    drawRadioButton(static_cast<int>(centre[0]), static_cast<int>(centre[1]), radius, selected, 1);
  };
  auto frame = [](const float rect[4], const char* label) {
    drawFramedLabel(static_cast<int>(rect[0]), static_cast<int>(rect[1]), static_cast<int>(rect[2]),
                    static_cast<int>(rect[3]), label);
  };
  auto label = [](float x, float y, const char* text) {
    drawText(x, y, ALIGN_LEFT, text, FONT_SMALL, -1, 0, 0);
  };
  auto button = [](const float rect[4], const char* text) {
    drawButton(rect[0], rect[1], rect[2], rect[3], 1, text, -1);
  };

  glColor3f(1, 1, 1);
  drawText(0.5f * w, 0.2f * h, ALIGN_CENTRE, textSettings, FONT_LARGE, -1, 0, 0);

  radio(layout.smoothRadio, smooth);
  radio(layout.stepwiseRadio, !smooth);
  for (int choice = 0; choice < 3; ++choice) radio(layout.ratioRadios[choice], ratioIs(screenRatio, choice));

  glColor3f(1, 1, 1);
  const char* ratioLabels[3] = {textRatio54, textRatio43, textRatioWidescreen};
  for (int choice = 0; choice < 3; ++choice)
    label(layout.ratioRadios[choice][0] + s, layout.ratioRadios[choice][1], ratioLabels[choice]);
  frame(layout.movementFrame, textComputerMovement);
  frame(layout.ratioFrame, textScreenRatio);
  label(0.4f * w + s, 0.25f * h, textSmoothComputerMovement);

  labelColour(smooth);
  label(0.4f * w + 1.5f * s, 0.25f * h + s, textDelay);
  label(0.4f * w + 1.5f * s, 0.25f * h + 2.2f * s, textDistance);
  label(layout.delayUnitX, 0.25f * h + s, "ms");
  glColor3f(1, 1, 1);
  label(0.4f * w + s, 0.33f * h, textStepwiseComputerMovement);
  labelColour(!smooth);
  label(0.4f * w + 1.5f * s, 0.33f * h + s, textTimeBetweenSteps);
  label(layout.stepUnitX, 0.33f * h + s, "ms");

  for (int field = 0; field < SETTINGS_FIELD_COUNT; ++field) {
    const float* rect = layout.fields[field];
    bool focused = settingsActiveField == field;
    drawTextField(static_cast<int>(rect[0]), static_cast<int>(rect[1]), static_cast<int>(rect[2]),
                  static_cast<int>(rect[3]), settingsFieldText[field], focused ? 1 : 0,
                  static_cast<char>(focused ? settingsCaret : 0), fieldEnabled(field) ? 1 : 0);
  }

  button(layout.defaultButton, textDefault);
  button(layout.okButton, "OK");
  button(layout.cancelButton, textCancel);
}

void installSettingsScreen() { overlayBlocks[OVERLAY_SETTINGS] = drawSettingsScreen; }

void settingsMouseClick(int button, int state, float x, float y) {
  if (currentScreen != SCREEN_SETTINGS) return;
  if (button != GLUT_LEFT_BUTTON || state != GLUT_UP) return;
  if (!handleClick(x, y)) onDisplay();
}

void settingsKeyboardUp(unsigned char key) {
  if (currentScreen != SCREEN_SETTINGS) return;
  if (key >= '0' && key <= '9') {
    settingsCaret = typeIntoField(activeText(), SETTINGS_FIELD_DIGITS, settingsCaret, static_cast<char>(key));
  } else if (key == 8) {
    settingsCaret = backspaceInField(activeText(), SETTINGS_FIELD_DIGITS, settingsCaret);
  } else if (key == 127) {
    settingsCaret = deleteInField(activeText(), SETTINGS_FIELD_DIGITS, settingsCaret);
  } else if (key == 9 || key == 13) {
    if (settingsActiveField == SETTINGS_FIELD_DELAY || settingsActiveField == SETTINGS_FIELD_DISTANCE) {
      settingsActiveField = SETTINGS_FIELD_DELAY + SETTINGS_FIELD_DISTANCE - settingsActiveField;
      settingsCaret = 0;
    }
  }
  onDisplay();
}

void settingsSpecialKeyUp(int key) {
  if (currentScreen != SCREEN_SETTINGS) return;
  switch (key) {
    case GLUT_KEY_LEFT:
      if (settingsCaret > 0) --settingsCaret;
      break;
    case GLUT_KEY_RIGHT:
      settingsCaret = caretRightInField(activeText(), SETTINGS_FIELD_DIGITS, settingsCaret);
      break;
    case GLUT_KEY_UP:
      if (settingsActiveField == SETTINGS_FIELD_DISTANCE) {
        settingsActiveField = SETTINGS_FIELD_DELAY;
        settingsCaret = 0;
      }
      break;
    case GLUT_KEY_DOWN:
      if (settingsActiveField == SETTINGS_FIELD_DELAY) {
        settingsActiveField = SETTINGS_FIELD_DISTANCE;
        settingsCaret = 0;
      }
      break;
    case GLUT_KEY_HOME:
      settingsCaret = 0;
      break;
    case GLUT_KEY_END:
      settingsCaret = caretEndOfField(activeText(), SETTINGS_FIELD_DIGITS);
      break;
    default:
      break;
  }
  onDisplay();
}
