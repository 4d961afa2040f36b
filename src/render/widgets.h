// The interface's own widgets, drawn in immediate mode in the current GL
// transform: the overlay's drawing-area pixels with y down, or, for the
// rider figure, wherever the caller has moved the origin. They only draw;
// the input handlers hit-test the same rectangles themselves.
#pragma once

// Team colours of the figures and panels, by team: green, red, black, blue,
// and their dimmed forms.
extern const float teamColour[4][3];
extern const float teamColourDim[4][3];

// Poses of drawRiderFigure.
const int POSE_FLAT = 0;   // 2D token with its ring
const int POSE_UPRIGHT = 1; // 3D token with the rider picture

// Dark-blue title strip of height panelTitleHeight above y, white body from
// (x, y) to (x + w, y + h). Leaves the colour white.
void drawPanel(float x, float y, float w, float h);
// The same for a panel whose body an opaque picture as wide as the panel
// covers from its top down to pictureHeight: only the white below it is
// filled, which leaves the same pixels once the picture is drawn.
void drawPanelUnderPicture(float x, float y, float w, float h, float pictureHeight);

// One strength card face at (x, y): slot 0 to 13 a card of the hand (10 to
// 13 the team cards, "P"), 14 to 17 an extra card, 98 the event card's bonus
// card, 99 the doping card. Blue cards show "6", white ones "5"; intensity 1
// gives the full colours. A team or slot outside these draws nothing.
void drawStrengthCard(float x, float y, int team, int slot, float intensity);

// Grey button with its label centred in the small font, black when enabled
// and grey when not, the letter at hotKeyIndex underlined (-1: none).
void drawButton(float x, float y, float w, float h, int enabled, const char* label, int hotKeyIndex);

// Room kept on each side of a button's label.
const float BUTTON_LABEL_PADDING = 4;

// The width a button of the given width needs for its label: the width
// itself, or more when the label with its padding on both sides would not
// fit. Every screen lays its buttons out with it, so that no label runs out
// of its button in any language or at any window size.
float fittedButtonWidth(float width, const char* label);

// The x of a button widened to fittedWidth from its laid-out place (x,
// width) so that the edge or centre it is anchored by stays put.
const int ANCHOR_LEFT = 0;
const int ANCHOR_CENTRE = 1;
const int ANCHOR_RIGHT = 2;
float anchoredButtonX(float x, float width, float fittedWidth, int anchor);

// Check box of height size with its label to the right; checked shows a
// black cross.
void drawCheckButton(int x, int y, int size, const char* label, int hotKeyIndex, int enabled,
                     int checked);

// A frame with its label in a gap of the top edge, in the current colour.
void drawFramedLabel(int x, int y, int w, int h, const char* text);

// Text entry field in the fixed font, its text TEXT_FIELD_INSET in from the
// left edge; when focused, a caret "_" after caret characters.
const float TEXT_FIELD_INSET = 1;
void drawTextField(int x, int y, int w, int h, const char* text, char focused, char caret,
                   int enabled);

// Radio button without label centred at (cx, cy).
void drawRadioButton(int cx, int cy, int r, int selected, int enabled);

// The two dice of the throw (or the cards played in their place), or with
// extraOnly the extra die of an event card.
void drawDice(int extraOnly);

// A rider's figure at the current origin: flat token or upright figure,
// optionally with his number (only at scale 1 or 0.7) and with the last line
// winner in yellow. A rider outside 0 to 15 draws nothing.
void drawRiderFigure(int rider, int pose, int withLabel, float scale, int markWinner);
