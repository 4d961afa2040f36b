// The movable dialog panel shared by every question and message of a race
// and by the team setup's error list: a dark title strip over a white body,
// with one OK button or two answer buttons along its bottom. The player can
// drag it by its title strip; where it was put is kept for the following
// dialogs until the window is reshaped, which centres it again.
#pragma once
#include <string>
#include <vector>

// Body of the panel (the title strip lies panelTitleHeight above
// dialogPanelY), in drawing-area pixels.
extern float dialogPanelX, dialogPanelY, dialogPanelWidth, dialogPanelHeight;
// The buttons, all buttonWidth by buttonHeight on one shared top edge: OK in
// the middle, the left answers (Yes, Blue, Immediately, Retry) and the right
// answers (No, White, Later, Abort).
extern float dialogOkButtonX, dialogOkButtonY;
extern float dialogYesButtonX, dialogYesButtonY, dialogNoButtonX, dialogNoButtonY;
extern float blueCardButtonX, blueCardButtonY, whiteCardButtonX, whiteCardButtonY;
extern float useNowButtonX, useNowButtonY, useLaterButtonX, useLaterButtonY;
extern float retryButtonX, retryButtonY, abortButtonX, abortButtonY;

// The screen a held panel (a dialog or the score panel) was grabbed on, -1
// none: a drag after that screen has gone moves nothing.
extern int panelGrabScreen;

// Centres the panel in the drawing area and places its buttons; part of
// every reshape.
void computeDialogPanelLayout();

// Places the buttons under the panel where it stands now.
void placeDialogButtons();

// The screens whose dialog can be dragged by its title strip.
bool isDialogScreen(int screen);

// A left press on the title strip of the current screen's dialog takes hold
// of the panel. True when the press was on the strip.
bool grabDialogPanel(float x, float y);

// The grab and move every movable panel shares (the dialogs and the score
// panel). grabPanelStrip takes hold of a panel whose body starts at
// (panelX, panelY) when (x, y) is on its title strip, keeping the whole-pixel
// offset of the grab. movePanelWithin moves it with the pointer, each axis
// on its own and only while the strip stays below the top of the drawing
// area and the body above its bottom and inside its sides.
bool grabPanelStrip(float x, float y, float panelX, float panelY, float panelWidth);

// The whole of a panel drawn by drawPanel, its title strip included, as
// left, top, right, bottom: all of it is painted opaquely.
void panelCover(float panelX, float panelY, float panelWidth, float panelHeight, float rect[4]);
void movePanelWithin(float x, float y, float* panelX, float* panelY, float panelWidth,
                     float panelHeight);

// Moves a held panel with the pointer (drawing-area pixels), each axis on
// its own within the drawing area, and redraws.
void dragDialogPanel(float x, float y);

// Draws a dialog: the panel, its content drawn by content with the origin at
// the body's top-left corner, then its buttons. A null right label draws
// the left label as the single OK button in the middle; a null content
// draws an empty body.
void drawDialog(void (*content)(), const char* leftLabel, int leftHotKey, const char* rightLabel,
                int rightHotKey);

// A dialog button as it is drawn and hit: its laid-out place, widened when
// its label would not fit; the left button keeps its right edge, the right
// button its left edge and the single OK its centre, so the two of a
// question grow apart.
const int DIALOG_BUTTON_OK = 0;
const int DIALOG_BUTTON_LEFT = 1;
const int DIALOG_BUTTON_RIGHT = 2;
void dialogButtonRect(int which, const char* label, float rect[4]);

// Room kept between a dialog's text and the sides of its panel.
const float DIALOG_TEXT_MARGIN = 8;

// A line of a dialog's text broken at blanks into lines no wider than
// width in the small font; a single word wider than that stands alone.
std::vector<std::string> dialogTextLines(const char* text, float width);

// Hits of the dialog buttons with their labels (edges included).
bool dialogOkButtonHit(float x, float y);
bool dialogLeftButtonHit(float x, float y, const char* label);
bool dialogRightButtonHit(float x, float y, const char* label);
