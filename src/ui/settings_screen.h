// The settings screen: how computer moves are shown (smoothly, with a timer
// delay and a distance per tick, or square by square with a time between
// steps) and the screen ratio. The three numbers are edited as short digit
// texts and stored only on OK, which also writes the settings file; Cancel
// puts the mode and the ratio back and forgets what was typed.
#pragma once

// The edit texts of the three number fields: delay, distance and time
// between steps, at most three digits each.
const int SETTINGS_FIELD_DELAY = 0;
const int SETTINGS_FIELD_DISTANCE = 1;
const int SETTINGS_FIELD_STEP_INTERVAL = 2;
const int SETTINGS_FIELD_COUNT = 3;
const int SETTINGS_FIELD_DIGITS = 3;
extern char settingsFieldText[SETTINGS_FIELD_COUNT][SETTINGS_FIELD_DIGITS + 1];
extern int settingsActiveField;  // the field the keys type into
extern int settingsCaret;        // 0..2, the character position in the active field

// What openSettings keeps for Cancel.
extern int savedSmoothComputerMovement;
extern double savedScreenRatio[2];

// The screen's rectangles in drawing-area pixels, from the current drawing
// area (the same values every reshape would give). Where a label of the
// current language would run under its number field or past its button,
// the field moves right or the button widens. A field is wide enough for
// three digits with as much room after them as before; the "ms" units
// follow their fields' right edges.
struct SettingsLayout {
  float radioSize;  // side of a radio's square and height of a number field
  float smoothRadio[2], stepwiseRadio[2];  // radio centres
  float ratioRadios[3][2];                 // 5:4, 4:3, 16:10
  float movementFrame[4], ratioFrame[4];   // x, y, width, height
  float fields[SETTINGS_FIELD_COUNT][4];
  float delayUnitX, stepUnitX;             // where the two "ms" start
  float defaultButton[4], okButton[4], cancelButton[4];
};
const float SETTINGS_FIELD_WIDTH = 25;
// Room between a number field's right edge and its unit.
const float SETTINGS_UNIT_GAP = 2.5f;
SettingsLayout settingsLayout();

// Fills the three texts from the stored delay, the whole part of the
// distance and the step interval; caret 0 in the delay field in smooth mode,
// in the step field otherwise.
void fillSettingsFields();

// Draws SCREEN_SETTINGS (nothing on any other screen); the frame's
// OVERLAY_SETTINGS block.
void drawSettingsScreen();
// Puts drawSettingsScreen into its overlay block.
void installSettingsScreen();

// Input of SCREEN_SETTINGS, each ending with a redraw. The mouse acts on the
// left button's release, at (x, y) in drawing-area pixels.
void settingsMouseClick(int button, int state, float x, float y);
void settingsKeyboardUp(unsigned char key);
void settingsSpecialKeyUp(int key);
