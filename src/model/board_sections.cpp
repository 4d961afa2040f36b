#include "model/board_sections.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

char sectionNames[SECTION_COUNT][8];
int sectionRowCount[SECTION_COUNT];
int sectionSquareValue[SECTION_COUNT][SECTION_ROWS][SECTION_LANES];
int sectionTerrain[SECTION_COUNT][SECTION_ROWS][SECTION_LANES];
int sectionDividerCount[SECTION_COUNT];
LaneDivider sectionDividers[SECTION_COUNT][MAX_SECTION_DIVIDERS];
int sectionQuadCount[SECTION_COUNT];
BoardQuad sectionQuads[SECTION_COUNT][MAX_SECTION_QUADS];
int sectionArcCount[SECTION_COUNT];
BoardArc sectionArcs[SECTION_COUNT][MAX_SECTION_ARCS];
int sectionOutlineCount[SECTION_COUNT];
BoardOutline sectionOutlines[SECTION_OUTLINE_SLOTS];
int sectionSuccessors[SECTION_COUNT][2];
int lapRowCount = 0;
char predefinedCourses[4][13];

LaneDivider::LaneDivider(int32_t rowFrom, int32_t rowTo, int32_t lane)
    : rowFrom(rowFrom), rowTo(rowTo), lane(lane) {}

BoardQuad::BoardQuad(float rowFrom, float rowTo, float laneFrom, float laneTo,
                     float x0, float y0, float x1, float y1,
                     float x2, float y2, float x3, float y3, uint8_t outlined)
    : rowFrom(rowFrom), rowTo(rowTo), laneFrom(laneFrom), laneTo(laneTo), outlined(outlined),
      corners{{x0, y0}, {x1, y1}, {x2, y2}, {x3, y3}} {}

BoardArc::BoardArc(float rowFrom, float rowTo, float laneFrom, float laneTo,
                   float centreX, float centreY,
                   float radiusXFrom, float radiusXTo, float radiusYFrom, float radiusYTo,
                   float angleFrom, float angleTo, float tilt)
    : rowFrom(rowFrom), rowTo(rowTo), laneFrom(laneFrom), laneTo(laneTo),
      centreX(centreX), centreY(centreY),
      radiusXFrom(radiusXFrom), radiusXTo(radiusXTo), radiusYFrom(radiusYFrom), radiusYTo(radiusYTo),
      angleFrom(angleFrom), angleTo(angleTo), tilt(tilt) {}

BoardOutline::BoardOutline() {
  for (auto& point : points) point[0] = point[1] = -1;
}

BoardOutline::BoardOutline(int32_t pointCount, const int32_t coordinates[MAX_OUTLINE_POINTS * 2])
    : pointCount(pointCount) {
  for (int i = 0; i < MAX_OUTLINE_POINTS; i++) {
    points[i][0] = coordinates[2 * i];
    points[i][1] = coordinates[2 * i + 1];
  }
}

namespace {

// Writes rows rowFrom..rowTo of a section from one line of the board's
// square table: eight cells ("x" no square, "p" pass-through, else the
// modifier) and the terrain of the eight lanes.
void setRows(int section, int rowFrom, int rowTo, const char* squares, const char* terrain) {
  for (int row = rowFrom; row <= rowTo; row++) {
    const char* s = squares;
    const char* t = terrain;
    for (int lane = 0; lane < SECTION_LANES; lane++) {
      while (*s == ' ') s++;
      int value;
      if (*s == 'x') {
        value = SQUARE_NONE;
        s++;
      } else if (*s == 'p') {
        value = SQUARE_PASS_THROUGH;
        s++;
      } else {
        char* end;
        value = static_cast<int>(strtol(s, &end, 10));
        s = end;
      }
      sectionSquareValue[section][row][lane] = value;
      char* end;
      sectionTerrain[section][row][lane] = static_cast<int>(strtol(t, &end, 10));
      t = end;
    }
  }
}

void clearGrids() {
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int r = 0; r < SECTION_ROWS; r++)
      for (int l = 0; l < SECTION_LANES; l++) {
        sectionSquareValue[s][r][l] = SQUARE_NONE;
        sectionTerrain[s][r][l] = TERRAIN_NONE;
      }
}

void setSquares() {
  // Section 0 ("Start 1"), 6 rows.
  setRows(0, 0, 5, "0 0 0 0 0 x x x", "1 1 1 1 1 0 0 0");
  // Section 1 ("A"), 25 rows.
  setRows(1, 0, 2, "0 0 0 0 0 x x x", "1 1 1 1 1 0 0 0");
  setRows(1, 3, 3, "p 0 0 p 0 x x x", "1 1 1 1 1 0 0 0");
  setRows(1, 4, 4, "0 p p 0 0 x x x", "1 1 1 1 1 0 0 0");
  setRows(1, 5, 5, "p 0 0 p p x x x", "1 1 1 1 1 0 0 0");
  setRows(1, 6, 6, "p p p p 0 x x x", "1 1 1 1 1 0 0 0");
  setRows(1, 7, 10, "0 0 0 0 0 x x x", "1 1 1 1 1 0 0 0");
  setRows(1, 11, 13, "x 0 0 0 0 x x x", "0 1 1 1 1 0 0 0");
  setRows(1, 14, 14, "x p p p -1 x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 15, 15, "x p -1 -1 p x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 16, 16, "x -1 p p -1 x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 17, 17, "x p -1 -1 -1 x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 18, 18, "x -1 -1 -1 -1 x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 19, 19, "x p p p -2 x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 20, 20, "x p -2 -2 p x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 21, 21, "x -2 p p -2 x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 22, 22, "x p -2 -2 -2 x x x", "0 3 3 3 3 0 0 0");
  setRows(1, 23, 24, "x -2 -2 -2 -2 x x x", "0 3 3 3 3 0 0 0");
  // Section 2 ("E"), 13 rows.
  setRows(2, 0, 2, "x -3 -3 -3 -3 x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 3, 3, "x -3 -3 -3 p x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 4, 4, "x -4 p p -3 x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 5, 5, "x p -4 -4 p x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 6, 6, "x -4 p p p x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 7, 7, "x -4 -4 -4 -4 x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 8, 8, "x -5 -5 -5 -5 x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 9, 9, "x -5 -5 -5 p x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 10, 10, "x -5 p p -5 x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 11, 11, "x -5 -5 -5 p x x x", "0 3 3 3 3 0 0 0");
  setRows(2, 12, 12, "x -6 -6 -6 -6 x x x", "0 3 3 3 3 0 0 0");
  // Section 3 ("B"), 17 rows.
  setRows(3, 0, 0, "x +5 +5 +5 +5 x x x", "0 4 4 4 4 0 0 0");
  setRows(3, 1, 1, "x x p p +4 x x x", "0 0 4 4 4 0 0 0");
  setRows(3, 2, 2, "x x p +4 +4 x x x", "0 0 4 4 4 0 0 0");
  setRows(3, 3, 4, "x x +4 +4 +4 x x x", "0 0 4 4 4 0 0 0");
  setRows(3, 5, 6, "x x +3 +3 x x x x", "0 0 4 4 0 0 0 0");
  setRows(3, 7, 7, "x x +2 +2 x x x x", "0 0 4 4 0 0 0 0");
  setRows(3, 8, 8, "x x p +2 x x x x", "0 0 4 4 0 0 0 0");
  setRows(3, 9, 10, "x x +2 +2 x x x x", "0 0 4 4 0 0 0 0");
  setRows(3, 11, 11, "x x +1 +1 0 x x x", "0 0 4 4 1 1 1 1");
  setRows(3, 12, 12, "x x +1 +1 0 0 x x", "0 0 4 4 1 1 1 1");
  setRows(3, 13, 13, "x x x +1 0 0 0 x", "0 0 0 4 1 1 1 1");
  setRows(3, 14, 16, "x x x x 0 0 0 0", "0 0 0 0 1 1 1 1");
  // Section 4 ("D"), 37 rows.
  setRows(4, 0, 0, "x x x x -1 -2 -3 -1", "0 0 0 0 2 2 2 2");
  setRows(4, 1, 1, "x x x x -3 -2 -2 -1", "0 0 0 0 2 2 2 2");
  setRows(4, 2, 2, "x x x x -2 -3 -1 -2", "0 0 0 0 2 2 2 2");
  setRows(4, 3, 3, "x x x x -1 -4 -1 -2", "0 0 0 0 2 2 2 2");
  setRows(4, 4, 4, "x x x x -2 -3 0 -2", "0 0 0 0 2 2 1 2");
  setRows(4, 5, 5, "x x x x p p p -3", "0 0 0 0 2 2 2 2");
  setRows(4, 6, 6, "x x x x p -2 0 p", "0 0 0 0 2 2 1 2");
  setRows(4, 7, 7, "x x x x -1 p p -3", "0 0 0 0 2 2 2 2");
  setRows(4, 8, 8, "x x x x p -2 -2 -4", "0 0 0 0 2 2 2 2");
  setRows(4, 9, 9, "x x x x -1 -1 -1 -1", "0 0 0 0 2 2 2 2");
  setRows(4, 10, 10, "x x x x -1 -4 -2 -1", "0 0 0 0 2 2 2 2");
  setRows(4, 11, 11, "x x x x -2 0 -3 -1", "0 0 0 0 2 2 2 2");
  setRows(4, 12, 13, "x x x x -3 -1 0 -2", "0 0 0 0 2 2 1 2");
  setRows(4, 14, 14, "x x x x -1 -2 -3 -3", "0 0 0 0 2 2 2 2");
  setRows(4, 15, 15, "x x x x -1 -1 -4 -3", "0 0 0 0 2 2 2 2");
  setRows(4, 16, 36, "x x x x p p p p", "0 0 0 0 2 2 2 2");
  // Section 5 ("F"), 17 rows.
  setRows(5, 0, 0, "x x x x 0 p p 0", "0 0 0 0 1 1 1 1");
  setRows(5, 1, 1, "x x x x p 0 0 0", "0 0 0 0 1 1 1 1");
  setRows(5, 2, 2, "x x x x p 0 0 p", "0 0 0 0 1 1 1 1");
  setRows(5, 3, 3, "x x x x 0 p p 0", "0 0 0 0 1 1 1 1");
  setRows(5, 4, 9, "x x x x 0 0 0 0", "0 0 0 0 1 1 1 1");
  setRows(5, 10, 16, "x x x 0 0 0 0 0", "0 0 0 1 1 1 1 1");
  // Section 6 ("Start 2"), 7 rows.
  setRows(6, 0, 6, "x x x x 0 0 0 0", "0 0 0 0 1 1 1 1");
  // Section 7 ("C"), 31 rows.
  setRows(7, 0, 0, "x x x x -1 -2 -3 -1", "0 0 0 0 2 2 2 2");
  setRows(7, 1, 1, "x x x x -3 -2 -2 -1", "0 0 0 0 2 2 2 2");
  setRows(7, 2, 2, "x x x x -2 -3 -1 -2", "0 0 0 0 2 2 2 2");
  setRows(7, 3, 3, "x x x x -1 -4 -1 -2", "0 0 0 0 2 2 2 2");
  setRows(7, 4, 4, "x x x x -2 -3 0 -2", "0 0 0 0 2 2 1 2");
  setRows(7, 5, 5, "x x x x p p p -3", "0 0 0 0 2 2 2 2");
  setRows(7, 6, 6, "x x x x p -2 0 p", "0 0 0 0 2 2 1 2");
  setRows(7, 7, 7, "x x x x -1 p p -3", "0 0 0 0 2 2 2 2");
  setRows(7, 8, 8, "x x x x p -2 -2 -4", "0 0 0 0 2 2 2 2");
  setRows(7, 9, 9, "x x x x -1 -1 -1 -1", "0 0 0 0 2 2 2 2");
  setRows(7, 10, 10, "x x x x -1 -4 -2 -1", "0 0 0 0 2 2 2 2");
  setRows(7, 11, 11, "x x x x -2 0 -3 -1", "0 0 0 0 2 2 2 2");
  setRows(7, 12, 12, "x x x -2 -3 -1 0 x", "0 0 0 3 2 2 1 2");
  setRows(7, 13, 13, "x x -2 -2 -3 -1 x x", "0 0 3 3 2 2 1 2");
  setRows(7, 14, 14, "x -2 -2 -2 -1 x x x", "0 3 3 3 2 2 2 2");
  setRows(7, 15, 15, "x p -2 -2 x x x x", "0 3 3 3 2 2 2 2");
  setRows(7, 16, 16, "x -2 -2 -2 x x x x", "0 3 3 3 0 0 0 0");
  setRows(7, 17, 17, "x p -2 -2 x x x x", "0 3 3 3 0 0 0 0");
  setRows(7, 18, 19, "x -2 -2 -2 x x x x", "0 3 3 3 0 0 0 0");
  setRows(7, 20, 23, "x -3 -3 -3 x x x x", "0 3 3 3 0 0 0 0");
  setRows(7, 24, 24, "x -4 -4 -4 x x x x", "0 3 3 3 0 0 0 0");
  setRows(7, 25, 25, "x -4 -4 p x x x x", "0 3 3 3 0 0 0 0");
  setRows(7, 26, 27, "x -4 -4 -4 x x x x", "0 3 3 3 0 0 0 0");
  setRows(7, 28, 28, "x -4 -5 -5 x x x x", "0 3 3 3 0 0 0 0");
  setRows(7, 29, 30, "x -5 -5 -5 x x x x", "0 3 3 3 0 0 0 0");
  // Section 8 ("F"), 23 rows.
  setRows(8, 0, 0, "x +5 +5 +5 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 1, 2, "x +4 +4 +4 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 3, 3, "x +3 +3 p x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 4, 4, "x +3 +3 +3 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 5, 5, "x +3 +3 p x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 6, 6, "x +3 +3 +3 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 7, 8, "x +2 +2 +2 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 9, 9, "x p p +2 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 10, 10, "x +2 +2 +2 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 11, 11, "x p p +2 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 12, 12, "x +2 +2 +1 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 13, 13, "x +1 +1 +1 x x x x", "0 4 4 4 0 0 0 0");
  setRows(8, 14, 14, "x +1 +1 +1 0 0 0 0", "0 4 4 4 1 1 1 1");
  setRows(8, 15, 15, "x x +1 +1 0 0 0 0", "0 4 4 4 1 1 1 1");
  setRows(8, 16, 22, "x x x 0 0 0 0 0", "0 0 0 1 1 1 1 1");
}

// The straight and curved pieces that place each section's squares on the
// board picture. Sections 2 to 8 get theirs with the board picture.
void setPieces() {
  for (auto& quads : sectionQuads)
    for (BoardQuad& quad : quads) quad = BoardQuad();
  for (auto& arcs : sectionArcs)
    for (BoardArc& arc : arcs) arc = BoardArc();

  //                          rows           lanes        P0         P1         P2         P3      outlined
  sectionQuads[0][0] = BoardQuad(-0.5f, 3.5f, -0.5f, 4.5f, 1117, 210, 724, 210, 724, 27, 1117, 27, 1);
  sectionQuads[0][1] = BoardQuad(3.5f, 5.49f, -0.5f, 4.5f, 723, 210, 567, 187, 567, 27, 723, 27, 1);
  sectionQuads[0][2] = BoardQuad(5.49f, 5.51f, -0.5f, 4.5f, 567, 187, 559, 187, 559, 27, 567, 27, 1);
  sectionQuads[1][0] = BoardQuad(-0.49f, 2.5f, -0.5f, 4.5f, 559, 187, 331, 187, 331, 27, 559, 27, 1);
  sectionQuads[1][1] = BoardQuad(7.5f, 10.5f, -0.5f, 4.5f, 214, 303, 214, 600, 55, 600, 55, 303, 0);
  sectionQuads[1][2] = BoardQuad(10.5f, 13.5f, 0.5f, 4.5f, 184, 600, 184, 897, 55, 897, 55, 600, 1);
  sectionQuads[1][3] = BoardQuad(23.5f, 24.5f, 0.5f, 4.5f, 375, 890, 360, 782, 494, 766, 508, 873, 1);

  //                       rows          lanes        centre    radius x  radius y  angles                 tilt
  sectionArcs[1][0] = BoardArc(2.5f, 7.5f, -0.5f, 4.5f, 331, 303, 118, 276, 118, 276, 4.712389f, 3.141593f, 0);
  sectionArcs[1][1] = BoardArc(13.5f, 23.5f, 0.5f, 4.5f, 280, 897, 95, 228, 97, 230, 3.141593f, -0.12114f, 0);
}

void setDividersAndRowCounts() {
  static const int rowCounts[SECTION_COUNT] = {6, 25, 13, 17, 37, 17, 7, 31, 23};
  for (int s = 0; s < SECTION_COUNT; s++) sectionRowCount[s] = rowCounts[s];
  for (auto& dividers : sectionDividers)
    for (LaneDivider& divider : dividers) divider = LaneDivider();
  // (rowFrom, rowTo, lane): no sideways step between lane and lane + 1.
  sectionDividers[1][0] = LaneDivider(3, 7, 0);
  sectionDividers[1][1] = LaneDivider(3, 7, 2);
  sectionDividers[1][2] = LaneDivider(14, 23, 1);
  sectionDividers[1][3] = LaneDivider(14, 23, 3);
  sectionDividers[2][0] = LaneDivider(3, 7, 1);
  sectionDividers[2][1] = LaneDivider(3, 7, 3);
  sectionDividers[2][2] = LaneDivider(9, 12, 1);
  sectionDividers[2][3] = LaneDivider(9, 12, 3);
  sectionDividers[3][0] = LaneDivider(1, 4, 2);
  sectionDividers[3][1] = LaneDivider(1, 3, 3);
  sectionDividers[3][2] = LaneDivider(8, 10, 2);
  sectionDividers[4][0] = LaneDivider(5, 9, 4);
  sectionDividers[4][1] = LaneDivider(5, 9, 6);
  sectionDividers[5][0] = LaneDivider(0, 4, 4);
  sectionDividers[5][1] = LaneDivider(0, 4, 6);
  sectionDividers[7][0] = LaneDivider(5, 9, 4);
  sectionDividers[7][1] = LaneDivider(5, 9, 6);
  sectionDividers[7][2] = LaneDivider(15, 18, 1);
  sectionDividers[7][3] = LaneDivider(26, 30, 1);
  sectionDividers[7][4] = LaneDivider(24, 26, 2);
  sectionDividers[8][0] = LaneDivider(3, 6, 2);
  sectionDividers[8][1] = LaneDivider(9, 12, 2);
  lapRowCount = 0;
  for (int s = 1; s <= 5; s++) lapRowCount += sectionRowCount[s];
}

void setCounts() {
  static const int dividers[SECTION_COUNT] = {0, 4, 4, 3, 2, 2, 0, 5, 2};
  // The pieces of sections 2 to 8 come with the board picture; until then
  // those sections have none.
  static const int quads[SECTION_COUNT] = {3, 4, 0, 0, 0, 0, 0, 0, 0};
  static const int arcs[SECTION_COUNT] = {0, 2, 0, 0, 0, 0, 0, 0, 0};
  for (int s = 0; s < SECTION_COUNT; s++) {
    sectionDividerCount[s] = dividers[s];
    sectionQuadCount[s] = quads[s];
    sectionArcCount[s] = arcs[s];
  }
}

void setSuccessors() {
  for (auto& successors : sectionSuccessors) successors[0] = successors[1] = -1;
  for (int s = 0; s <= 7; s++)
    if (s != 5) sectionSuccessors[s][0] = s + 1;
  sectionSuccessors[5][0] = 1;
  sectionSuccessors[8][0] = 1;
  sectionSuccessors[3][1] = 7;
  sectionSuccessors[6][0] = 4;
  sectionSuccessors[6][1] = 7;
}

// One outline from its points; the unused points stay -1, -1.
BoardOutline outline(std::initializer_list<int32_t> xy) {
  int32_t coordinates[MAX_OUTLINE_POINTS * 2];
  for (int32_t& c : coordinates) c = -1;
  int n = 0;
  for (int32_t v : xy) coordinates[n++] = v;
  return BoardOutline(n / 2, coordinates);
}

void setOutlines() {
  for (BoardOutline& o : sectionOutlines) o = BoardOutline();
  // The outlines of section s start at entry 2s.
  sectionOutlines[2] = outline({214, 303, 214, 569, 183, 601, 55, 601, 55, 303});
  sectionOutlines[6] = outline({683, 613, 653, 616, 629, 589, 639, 573});
  sectionOutlines[7] = outline({638, 640, 745, 632, 797, 743, 739, 744, 747, 735, 753, 718,
                                750, 709, 740, 699, 726, 697, 697, 731, 645, 736});
  sectionOutlines[8] = outline({645, 911, 791, 911, 825, 942, 892, 942, 925, 974, 925, 1085,
                                824, 1085, 824, 1048, 726, 1049, 726, 1012, 628, 1012, 628, 975});
  sectionOutlines[14] = outline({1860, 738, 1766, 737, 1670, 433, 1670, 347, 1764, 347, 1764, 433,
                                 1797, 433, 1797, 536, 1829, 536, 1829, 639, 1860, 639});
  sectionOutlines[16] = outline({1359, 218, 1231, 218, 1197, 187, 1117, 210, 1118, 63, 1198, 58,
                                 1198, 90, 1278, 90, 1278, 123, 1359, 123});
  static const int counts[SECTION_COUNT] = {0, 1, 0, 3, 0, 0, 0, 1, 1};
  for (int s = 0; s < SECTION_COUNT; s++) sectionOutlineCount[s] = counts[s];
}

void setNamesAndCourses() {
  static const char* const names[SECTION_COUNT] = {"Start 1", "A", "E", "B", "D",
                                                   "F", "Start 2", "C", "F"};
  for (int s = 0; s < SECTION_COUNT; s++) strcpy(sectionNames[s], names[s]);
  static const char* const courses[4] = {"64S5F12", "01S23S7S8F12", "67S8F12", "01S23S4S5F12"};
  for (int c = 0; c < 4; c++) strcpy(predefinedCourses[c], courses[c]);
}

}  // namespace

void initBoardSections() {
  clearGrids();
  setSquares();
  setPieces();
  setDividersAndRowCounts();
  setCounts();
  setSuccessors();
  setOutlines();
  setNamesAndCourses();
}
