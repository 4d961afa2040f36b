// The positions overview over a running race: the board as a map with every
// rider's figure around it joined by a line to his place, his lap and
// doping number, the course lap by lap, the stage mode and the event-card
// option. OK goes back to the race.
#pragma once

#include <string>

#include "model/track.h"

// One text of the screen, centred on (x, y) as drawText places it (y 3
// pixels above the baseline); not drawn unless shown.
struct PositionsText {
  std::string text;
  int font = 0;
  float x = 0, y = 0;
  bool shown = false;
};

// The box a text's glyphs cover: its measured width across, the font's
// capitals above the baseline and its descenders below.
struct PositionsTextBox {
  float left, top, right, bottom;
};
PositionsTextBox positionsTextBox(const PositionsText& text);

// Everything the screen places around the map (drawing-area pixels): each
// team's name and "Computer player" line, each rider's figure (anchor) with
// his lap and doping texts. The places are those of the screen's plan, and
// a text that would run off the window, onto the version strip, onto the
// map or onto another text is moved just clear of it: a side team's name
// that is wider than the margin beside the map is set in the small font,
// the top team's name and computer line move down off the version strip,
// and the top and bottom rows of riders move towards the map until their
// texts clear their team's name and computer line.
struct PositionsLayout {
  float mapX, mapY, mapWidth, mapHeight;
  PositionsText teamName[TEAM_COUNT];
  PositionsText computerLine[TEAM_COUNT];
  float anchorX[RIDER_COUNT], anchorY[RIDER_COUNT];
  PositionsText lap[RIDER_COUNT];
  PositionsText doping[RIDER_COUNT];
};
void layOutPositions(PositionsLayout* layout);

// Where rider r's figure stands around the map (drawing-area pixels).
void positionsRiderAnchor(int rider, float* x, float* y);

void drawPositionsScreen();
bool positionsScreenMouse(int button, int state, float x, float y);
bool positionsScreenKey(unsigned char key);
