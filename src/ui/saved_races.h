// The saved-races screen: the tour files of the working folder in a grid of
// four columns of twenty names, paged a column at a time; a chosen race is
// previewed with its teams, their controllers and the event-card option.
// OK continues the tour with its next stage (on to the course selection),
// Scorecard shows its score sheets on the score panel, Back returns to the
// main menu. The same grid, all buttons disabled, lies under the saved
// race's scorecard.
#pragma once

// The first column shown: the first name shown is savedRacePage x 20.
extern int savedRacePage;

const int SAVED_RACE_ROWS = 20;
const int SAVED_RACE_COLUMNS = 4;
const float SAVED_RACE_COLUMN_WIDTH = 120;  // pixels, not scaled with the window
const float SAVED_RACE_ROW_HEIGHT = 12;
const float SAVED_RACE_GRID_MARGIN = 4;

// Top-left corner of the grid and the buttons (buttonWidth by buttonHeight),
// in drawing-area pixels; Back is savedRacesBackButtonX/Y of the layout.
extern float savedRaceGridX, savedRaceGridY;
extern float savedRacesPrevButtonX, savedRacesPrevButtonY;
extern float savedRacesNextButtonX, savedRacesNextButtonY;
extern float savedRacesOkButtonX, savedRacesOkButtonY;
extern float savedRacesScorecardButtonX, savedRacesScorecardButtonY, savedRacesScorecardButtonWidth;

// Part of every reshape.
void computeSavedRacesLayout();

// "Continue existing race" on the main menu: the screen opens on its first
// page with nothing chosen, for a tour.
void openSavedRaces();

// Lists the folder again into savedRaceFiles; every action of the screen
// does it before its redraw, so what is drawn is what a click hits.
void refreshSavedRaceFiles();

// The index in savedRaceFiles of the name under a point of the grid, -1
// when the point chooses nothing (outside the frame, the half row under the
// last row, a place without a name).
int savedRaceIndexAt(float x, float y);

// ">" is enabled: the list fills columns beyond the four shown.
bool savedRacesNextEnabled();

// The block of the frame on the saved-races screen and under its scorecard.
void drawSavedRaces();

// Mouse (left release) and keys of the saved-races screen.
void savedRacesMouse(int button, int state, float x, float y);
void savedRacesKey(unsigned char key);
