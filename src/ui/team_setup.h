// The team setup, the first step of a new race: the four team names, which
// teams the computer plays, a single stage or a race of several stages with
// its race name, and the event cards. OK checks the entries; the set-up
// errors screen lists what is missing over the greyed setup until its OK,
// and a setup without errors fixes the race's file names and goes on to the
// course selection.
#pragma once

// The layout in drawing-area pixels, computed in the reshape pass. Rows of
// the teams are teamRowPitch apart; the race name field lies right of the
// Multiple stages radio button.
extern float teamNameFieldX, teamNameFieldY, teamRowPitch;
extern float computerBoxX;
extern float stageRadioX, multiStageRadioY, singleStageRadioY;
extern float raceNameFieldX, raceNameFieldY;
extern float eventCardsBoxX, eventCardsBoxY;
extern float teamSetupNextButtonX, teamSetupNextButtonY;
// The name fields keep their pixel widths at every window size: 8 pixels a
// character of the fixed font, after a one-pixel inset, so that each holds
// its 12 characters.
const float TEAM_NAME_FIELD_WIDTH = 97;
const float TEAM_NAME_FIELD_HEIGHT = 15;
const float RACE_NAME_FIELD_WIDTH = 97;

// The field the keys type into: 0 to 3 the team names, 4 the race name; and
// the caret in it.
const int RACE_NAME_ROW = 4;
extern signed char teamSetupActiveRow;
extern signed char teamSetupCaret;

void computeTeamSetupLayout();

// The "Computer player" box of a team (x, y, width, height), drawn and
// hit-tested alike: at whole pixels at its row's top, 0.02 H high unless
// that would leave less than 2 pixels to the next row's box (as on a drawing
// area 1440 pixels high), then lower; as wide as drawCheckButton draws it.
void computerBoxRect(int team, float rect[4]);

// The main menu's Start: the setup as it was left, the caret brought back
// within a name that changed meanwhile.
void openTeamSetup();

// The team setup's overlay block: the setup on SCREEN_TEAM_SETUP, the
// greyed setup under the error list on SCREEN_SETUP_ERRORS.
void drawTeamSetupScreen();

// Input of the two screens: true when the event was theirs (see input.cpp).
// The mouse acts on the left button's release, at (x, y) in drawing-area
// pixels.
bool teamSetupMouse(int button, int state, float x, float y);
bool teamSetupKey(unsigned char key);
bool teamSetupSpecialKey(int key);
bool setupErrorsMouse(int button, int state, float x, float y);
bool setupErrorsKey(unsigned char key);
