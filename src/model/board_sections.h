// The fixed catalogue of the nine board sections: square grids, terrain,
// row counts, lane dividers, the pieces that place the squares on the board
// picture, outlines, successors and names. Filled once by initBoardSections.
#pragma once
#include <cstdint>

const int SECTION_COUNT = 9;
const int SECTION_ROWS = 37;
const int SECTION_LANES = 8;
const int MAX_SECTION_DIVIDERS = 5;
const int MAX_SECTION_QUADS = 20;
const int MAX_SECTION_ARCS = 19;
const int SECTION_OUTLINE_SLOTS = 18;
const int MAX_OUTLINE_POINTS = 20;

const int SQUARE_NONE = -99;
const int SQUARE_PASS_THROUGH = -10;

const int TERRAIN_NONE = 0;
const int TERRAIN_FLAT = 1;
const int TERRAIN_COBBLES = 2;
const int TERRAIN_CLIMB = 3;
const int TERRAIN_DESCENT = 4;

// The board picture spans 1954 by 1152 units, y growing downwards.
const int BOARD_UNITS[2] = {1954, 1152};

// The summit where the line winner's podium figure stands, in board units.
const float SUMMIT_POINT[2] = {652, 422};

// No sideways step across the line between `lane` and `lane` + 1 over the
// rows rowFrom..rowTo.
struct LaneDivider {
  int32_t rowFrom = 0;
  int32_t rowTo = 0;
  int32_t lane = 0;
  LaneDivider() = default;
  LaneDivider(int32_t rowFrom, int32_t rowTo, int32_t lane);
};

// A straight piece of road: the track rectangle it covers and its four
// corners on the board picture (P0 at rowFrom/laneFrom, P1 at rowTo/laneFrom,
// P2 at rowTo/laneTo, P3 at rowFrom/laneTo).
struct BoardQuad {
  float rowFrom = 0, rowTo = 0, laneFrom = 0, laneTo = 0;
  uint8_t outlined = 0;
  float corners[4][2] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}};
  BoardQuad() = default;
  BoardQuad(float rowFrom, float rowTo, float laneFrom, float laneTo,
            float x0, float y0, float x1, float y1,
            float x2, float y2, float x3, float y3, uint8_t outlined);
};

// A curved piece of road: a sector of an elliptic ring.
struct BoardArc {
  float rowFrom = 0, rowTo = 0, laneFrom = 0, laneTo = 0;
  float centreX = 0, centreY = 0;
  float radiusXFrom = 0, radiusXTo = 0, radiusYFrom = 0, radiusYTo = 0;
  float angleFrom = 0, angleTo = 0;
  float tilt = 0;
  BoardArc() = default;
  BoardArc(float rowFrom, float rowTo, float laneFrom, float laneTo,
           float centreX, float centreY,
           float radiusXFrom, float radiusXTo, float radiusYFrom, float radiusYTo,
           float angleFrom, float angleTo, float tilt);
};

// A polygon on the board picture (board units); unused points are -1, -1.
struct BoardOutline {
  int32_t pointCount = 0;
  int32_t points[MAX_OUTLINE_POINTS][2];
  BoardOutline();
  // The count, then the 40 coordinates x0, y0, x1, y1, ...
  BoardOutline(int32_t pointCount, const int32_t coordinates[MAX_OUTLINE_POINTS * 2]);
};

extern char sectionNames[SECTION_COUNT][8];
extern int sectionRowCount[SECTION_COUNT];
extern int sectionSquareValue[SECTION_COUNT][SECTION_ROWS][SECTION_LANES];
extern int sectionTerrain[SECTION_COUNT][SECTION_ROWS][SECTION_LANES];
extern int sectionDividerCount[SECTION_COUNT];
extern LaneDivider sectionDividers[SECTION_COUNT][MAX_SECTION_DIVIDERS];
extern int sectionQuadCount[SECTION_COUNT];
extern BoardQuad sectionQuads[SECTION_COUNT][MAX_SECTION_QUADS];
extern int sectionArcCount[SECTION_COUNT];
extern BoardArc sectionArcs[SECTION_COUNT][MAX_SECTION_ARCS];
extern int sectionOutlineCount[SECTION_COUNT];
extern BoardOutline sectionOutlines[SECTION_OUTLINE_SLOTS];
extern int sectionSuccessors[SECTION_COUNT][2];
extern int lapRowCount;
extern char predefinedCourses[4][13];

// Fills every table above. Calling it again rebuilds the same values.
void initBoardSections();
