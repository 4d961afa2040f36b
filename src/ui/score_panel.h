// The score panel of the scorecard (over a running race), the stage
// standings (at the end of a stage) and a saved race's scorecard (over the
// saved-races screen): the scorecard picture filled in with one stage's
// results or, in a tour, with the general classification, and its OK (Quit
// on the stage standings), Export, General and Stage tabs and stage arrows.
// It can be dragged by its title strip like a dialog.
#pragma once
#include <cstdint>

// Body of the panel (the title strip lies panelTitleHeight above
// scorePanelY) and its controls, in drawing-area pixels.
extern float scorePanelX, scorePanelY, scorePanelWidth, scorePanelHeight;
extern float scoreOkButtonX, scoreOkButtonY, scoreOkButtonWidth;
extern float exportButtonX, exportButtonY, exportButtonWidth;
extern float generalTabX, generalTabY, generalTabWidth;
extern float stageTabX, stageTabY, stageTabWidth;
extern float stagePrevButtonX, stagePrevButtonY, stagePrevButtonWidth;
extern float stageNextButtonX, stageNextButtonY, stageNextButtonWidth;

// Puts the panel at its home place and its controls under it; part of
// every reshape.
void computeScorePanelLayout();

// Places the controls under the panel where it stands now.
void placeScorePanelButtons();

// The stage sheet of results (25 entries laid out like raceResults; null:
// an empty sheet), drawn at the current origin, the panel's corner.
void drawScorecard(const int32_t* results);

// The general classification over the stored stages, drawn at the current
// origin, the panel's corner.
void drawGeneralClassification();

// The panel block of the frame: the panel on its three screens.
void drawScorePanel();

// The panel on its three screens: its title strip, the sheet's picture and
// the white body are all opaque (see panelCover).
bool scorePanelCover(float rect[4]);

// Mouse and keys of the panel's screens. Each returns true when the event
// was the panel's (a press or release on its body, one of its keys).
bool scorePanelMouse(int button, int state, float x, float y);
bool scorePanelKey(unsigned char key);
bool scorePanelSpecialKey(int key);

// A left press on the score panel's title strip on one of its screens takes
// hold of it. True when it did.
bool grabScorePanel(float x, float y);

// Moves a held score panel with the pointer (drawing-area pixels), each
// axis on its own within the drawing area, and redraws.
void dragScorePanel(float x, float y);
