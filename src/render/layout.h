// The drawing area and the shared layout of the window. Everything outside
// the 3D board scene is laid out in the drawing area, a rectangle of the
// window that keeps a 5:4 shape whatever the monitor. All layout values are
// floats in drawing-area pixels, origin at its top-left corner, y growing
// downwards; the reshape callback computes them and both the display and the
// input handlers read them, so what is drawn is what is hit-tested.
//
// This unit is plain arithmetic: it never calls GL, so it is tested headless.
#pragma once
#include <cstdint>

#include "model/hooks.h"  // screenLayoutHook

#include "texts/text_layout.h"  // drawAreaWidth, drawAreaHeight, wrapMarginX, wrapPaddingX, manualLinesPerPage

// The window size as last given to the reshape callback.
extern int32_t windowWidth;
extern int32_t windowHeight;
// Offset of the drawing area in the window; drawAreaY is always 0.
extern int32_t drawAreaX;
extern int32_t drawAreaY;

// 1 while screenRatio holds a ratio detected from a window that did not yet
// have the size of the screen (the window as created, before full screen
// arrives): such a ratio is detected again at the next reshape. The settings
// screen clears it when the player chooses a ratio.
extern int screenRatioProvisional;

// The dark blue of the band and of the read-out boxes.
extern const float backgroundColour[3];
// The strips above and below the band, in the clear colour, that hold the
// version and credit lines: every control lies between them.
const float BAND_STRIP_HEIGHT = 15;

// Shared sizes.
extern float buttonWidth;        // 0.064 W
extern float buttonHeight;       // 0.03 H
extern float footerButtonWidth;  // 0.08 W
extern float panelTitleHeight;   // 0.024 W, the dark strip above a panel
extern float frameLabelInset;    // 0.01 W

// The bottom-right button of every full screen (all at the same place).
extern float quitButtonX, quitButtonY;
extern float menuExitButtonX, menuExitButtonY;
extern float manualOkButtonX, manualOkButtonY;
extern float designBackButtonX, designBackButtonY;
extern float courseSelectBackButtonX, courseSelectBackButtonY;
extern float teamSetupBackButtonX, teamSetupBackButtonY;
extern float savedRacesBackButtonX, savedRacesBackButtonY;
extern float savedCoursesBackButtonX, savedCoursesBackButtonY;
extern float positionsOkButtonX, positionsOkButtonY;

// The box a manual page is drawn in.
extern float manualBoxX, manualBoxY, manualBoxWidth, manualBoxHeight;

// The card panel, the card size and the dice of the race panel; the card and
// die display lists are built at these sizes.
extern float cardPanelX, cardPanelY, cardPanelWidth, cardPanelHeight;
extern float cardWidth, cardHeight;  // whole pixels: (3 W) / 70 and (12 H) / 175
extern float cardGapX, cardGapY;
extern float diceX, diceY, dieSize, dieGap;
extern float extraDieX, extraDieY;

// The rest of the race panel: the team tabs under the cards, the Throw
// button and Breakaway box under the dice, the hand-in slots with their OK,
// the extra die's Throw, and the right-hand column with the 2D/3D switch,
// the camera button and the footer buttons (Scorecard, Positions, Doping,
// Settings and Quit, footerButtonWidth by buttonHeight).
extern float teamTabsX, teamTabsY, teamTabsWidth, teamTabsHeight;
extern float throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight;
extern float breakawayBoxX, breakawayBoxY, breakawayBoxSize;
extern float handInSlotsX, handInSlotsY;
// The hand-in OK rises from its place where it would reach into the strip
// under the band, as on monitors 768 or 1080 pixels high.
extern float handInOkButtonX, handInOkButtonY;
extern float extraThrowButtonX, extraThrowButtonY;
// The top of the counter boxes (Moves, Lap, Moves left, Round) and of the
// start-order list.
float racePanelCounterTop();
extern float viewSwitchX, viewSwitchY, viewSwitchSize;
extern float cameraButtonX, cameraButtonY, cameraButtonSize;
extern float scorecardButtonX, scorecardButtonY;
extern float positionsButtonX, positionsButtonY;
extern float dopingButtonX, dopingButtonY;
extern float settingsButtonX, settingsButtonY;

// The scorecard picture and the course selection's preview tiles, baked into
// their display lists.
// The sheet is 0.4 W wide, narrower where the score panel would not fit
// between the strips above and below the band; the panel's body is the
// sheet and a row of buttons SCORE_PANEL_BUTTON_ROW x H high under it.
extern float scorecardWidth, scorecardHeight;
const float SCORE_PANEL_BUTTON_ROW = 1.5f * 0.03f;
extern float courseTileWidth, courseTileHeight;

// The board viewport (x, y from the bottom of the window, width, height),
// without the drawing area's offset: just above the card panel.
extern int32_t boardViewport[4];

// The ratio the window of width x height has, as (5, 4), (4, 3) or (16, 10)
// in ratio; 0 and ratio untouched when it is none of them. Compared as exact
// doubles: 1280 x 1024 is 1.25, 1024 x 768 is 4/3, 1.6 and wider is 16:10
// (16:9 included). A height of 0 or less detects nothing.
int detectScreenRatio(int width, int height, double ratio[2]);

// True for (5, 4), (4, 3), (16, 10) and the unset (-1, -1).
bool isKnownScreenRatio(const double ratio[2]);

// The detection step of a reshape: while screenRatio is unset, or was
// detected provisionally, it is detected from the window. A ratio detected
// from a window of the screen's own size (or when the screen size is not
// known, 0) is kept for good; otherwise it stays provisional. A value in
// screenRatio that is none of the known ratios counts as unset.
void updateScreenRatio(int width, int height, int screenWidth, int screenHeight);

// Sets drawAreaWidth/Height/X/Y from screenRatio and the window size: 5:4 and
// an unset ratio use the whole window; 4:3 and 16:10 the widest centred part
// of the window with the proportions of a 5:4 monitor.
void applyScreenRatio();

// Recomputes every layout value above from the drawing area (and the manual
// text frame and manualLinesPerPage), then calls screenLayoutHook, where the
// screens compute their own rectangles in the same pass.
void computeLayout();

// The height of the board picture shown w pixels wide in the drawing area,
// kept in the board's shape as a 5:4 monitor shows it; 0 for an empty area.
float boardPictureHeight(float w);

// The board viewport for a drawing area of w x h pixels, truncated only at
// the end; all zero for an empty drawing area.
void computeBoardViewport(int w, int h, int32_t viewport[4]);

// The hit test of every input handler: inside when X <= x <= X + w and
// Y <= y <= Y + h, edges included.
bool pointInRect(float x, float y, float rectX, float rectY, float rectWidth, float rectHeight);
