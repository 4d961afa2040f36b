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
// board picture. Wherever two sections lie on the same squares (sections 4
// and 7 up to their fork, 5 and 8 after the merge, the end of 3 on Start 2,
// the end of 5 and 8 on Start 1) they use the same board points, so a
// square's copies on other laps land on the same spot.
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


  // Section 2 ("E"): the climb leaves the foot of the mountain heading north, bends
  // right and runs up to the summit loop, which circles the podium clockwise.
  // The loop is laid one lane per arc so that the descent can carry every lane
  // on along its own circle.
  sectionQuads[2][0] = BoardQuad(-0.5f, 1.5f, 0.5f, 4.5f, 360, 782, 343.53, 644.05, 470.63, 628.87, 494, 766, 1);
  sectionQuads[2][1] = BoardQuad(4.5f, 6.5f, 0.5f, 4.5f, 411.6, 415.64, 502.25, 307.61, 600.31, 389.88, 509.65, 497.92, 1);
  sectionArcs[2][0] = BoardArc(1.5f, 4.5f, 0.5f, 4.5f, 641.41, 608.48, 300, 172, 300, 172, 3.02275f, 3.83972f, 0);
  sectionArcs[2][1] = BoardArc(6.5f, 12.5f, 0.5f, 1.5f, 646.27, 428.45, 188, 156, 188, 156, 3.83972f, 7.47800f, 0);
  sectionArcs[2][2] = BoardArc(6.5f, 12.5f, 1.5f, 2.5f, 646.27, 428.45, 156, 124, 156, 124, 3.83972f, 7.47800f, 0);
  sectionArcs[2][3] = BoardArc(6.5f, 12.5f, 2.5f, 3.5f, 646.27, 428.45, 124, 92, 124, 92, 3.83972f, 7.47800f, 0);
  sectionArcs[2][4] = BoardArc(6.5f, 12.5f, 3.5f, 4.5f, 646.27, 428.45, 92, 60, 92, 60, 3.83972f, 7.47800f, 0);

  // Section 3 ("B"): each lane goes on round the summit (rows -0.5 to 0.5 on its
  // own circle, the thin arcs holding row 0), the outer lane ends, and the
  // descent drops through three hairpins to the bottom, where lanes 4 to 7
  // lie on the squares of Start 2 (rows 11 to 16 are Start 2's rows 1 to 6).
  // Hairpins are split where pass-through cells end, so the squares after
  // them keep their rows; the stretch over Start 2 is drawn into the section
  // map by its outline, hence unflagged.
  sectionQuads[3][0] = BoardQuad(3.5f, 4.5f, 1.5f, 4.5f, 646.27, 637.45, 705, 637.45, 705, 733.45, 646.27, 733.45, 0);
  sectionQuads[3][1] = BoardQuad(10.5f, 13.5f, 1.5f, 3.5f, 643.57, 913.18, 924, 914, 924, 975, 627, 975, 0);
  sectionQuads[3][2] = BoardQuad(10.5f, 12.5f, 3.5f, 7.5f, 627, 975, 825, 975, 825, 1123, 627, 1123, 0);
  sectionQuads[3][3] = BoardQuad(12.5f, 13.5f, 3.5f, 7.5f, 825, 975, 924, 975, 924, 1123, 825, 1123, 0);
  sectionQuads[3][4] = BoardQuad(13.5f, 16.5f, 3.5f, 7.5f, 924, 975, 1221, 975, 1221, 1123, 924, 1123, 1);
  sectionArcs[3][0] = BoardArc(-0.5f, -0.01f, 0.5f, 1.5f, 646.27, 428.45, 188, 156, 188, 156, 7.47800f, 7.66223f, 0);
  sectionArcs[3][1] = BoardArc(-0.5f, -0.01f, 1.5f, 2.5f, 646.27, 428.45, 156, 124, 156, 124, 7.47800f, 7.66223f, 0);
  sectionArcs[3][2] = BoardArc(-0.5f, -0.01f, 2.5f, 3.5f, 646.27, 428.45, 124, 92, 124, 92, 7.47800f, 7.66223f, 0);
  sectionArcs[3][3] = BoardArc(-0.5f, -0.01f, 3.5f, 4.5f, 646.27, 428.45, 92, 60, 92, 60, 7.47800f, 7.66223f, 0);
  sectionArcs[3][4] = BoardArc(-0.01f, 0.01f, 0.5f, 1.5f, 646.27, 428.45, 188, 156, 188, 156, 7.66223f, 7.66975f, 0);
  sectionArcs[3][5] = BoardArc(-0.01f, 0.01f, 1.5f, 2.5f, 646.27, 428.45, 156, 124, 156, 124, 7.66223f, 7.66975f, 0);
  sectionArcs[3][6] = BoardArc(-0.01f, 0.01f, 2.5f, 3.5f, 646.27, 428.45, 124, 92, 124, 92, 7.66223f, 7.66975f, 0);
  sectionArcs[3][7] = BoardArc(-0.01f, 0.01f, 3.5f, 4.5f, 646.27, 428.45, 92, 60, 92, 60, 7.66223f, 7.66975f, 0);
  sectionArcs[3][8] = BoardArc(0.01f, 0.5f, 0.5f, 1.5f, 646.27, 428.45, 188, 156, 188, 156, 7.66975f, 7.85398f, 0);
  sectionArcs[3][9] = BoardArc(0.01f, 0.5f, 1.5f, 2.5f, 646.27, 428.45, 156, 124, 156, 124, 7.66975f, 7.85398f, 0);
  sectionArcs[3][10] = BoardArc(0.01f, 0.5f, 2.5f, 3.5f, 646.27, 428.45, 124, 92, 124, 92, 7.66975f, 7.85398f, 0);
  sectionArcs[3][11] = BoardArc(0.01f, 0.5f, 3.5f, 4.5f, 646.27, 428.45, 92, 60, 92, 60, 7.66975f, 7.85398f, 0);
  sectionArcs[3][12] = BoardArc(0.5f, 1.5f, 1.5f, 4.5f, 646.27, 610.95, 26.5, 122.5, 26.5, 122.5, 4.71239f, 3.66519f, 0);
  sectionArcs[3][13] = BoardArc(1.5f, 3.5f, 1.5f, 4.5f, 646.27, 610.95, 26.5, 122.5, 26.5, 122.5, 3.66519f, 1.57080f, 0);
  sectionArcs[3][14] = BoardArc(4.5f, 5.5f, 1.5f, 3.5f, 705, 732.98, 95.53, 31.53, 95.53, 31.53, 4.71239f, 6.28319f, 0);
  sectionArcs[3][15] = BoardArc(5.5f, 7.5f, 1.5f, 3.5f, 705, 732.98, 95.53, 31.53, 95.53, 31.53, 6.28319f, 8.20470f, 0);
  sectionArcs[3][16] = BoardArc(7.5f, 8.5f, 1.5f, 3.5f, 655.86, 867.3, 47.5, 111.5, 47.5, 111.5, 5.06310f, 3.98627f, 0);
  sectionArcs[3][17] = BoardArc(8.5f, 10.5f, 1.5f, 3.5f, 655.86, 867.3, 47.5, 111.5, 47.5, 111.5, 3.98627f, 1.83260f, 0);

  // Section 4 ("D"): cobbles east along the bottom, round the corner and north
  // up the right-hand side; rows 16 to 36 are a run of pass-through cells.
  sectionQuads[4][0] = BoardQuad(-0.5f, 4.5f, 3.5f, 7.5f, 1221, 975, 1560, 975, 1560, 1123, 1221, 1123, 1);
  sectionQuads[4][1] = BoardQuad(9.5f, 11.5f, 3.5f, 7.5f, 1770, 880, 1770, 738, 1898, 738, 1898, 880, 1);
  sectionQuads[4][2] = BoardQuad(11.5f, 14.5f, 3.5f, 7.5f, 1770, 738, 1770, 433, 1898, 433, 1898, 738, 1);
  sectionQuads[4][3] = BoardQuad(14.5f, 15.5f, 3.5f, 7.5f, 1770, 433, 1770, 347, 1898, 347, 1898, 433, 1);
  sectionQuads[4][4] = BoardQuad(15.5f, 36.5f, 3.5f, 7.5f, 1770, 347, 1770, 287.2, 1898, 287.2, 1898, 347, 1);
  sectionArcs[4][0] = BoardArc(4.5f, 9.5f, 3.5f, 7.5f, 1560, 880, 210, 338, 95, 243, 1.57080f, 0.00000f, 0);

  // Section 5 ("F"): the bend at the top right (one arc per row, so the
  // pass-through pattern keeps its place), the road along the top, the rows
  // where the mountain road joins from the left, then the squares of Start 1
  // (rows 11 to 16 are Start 1's rows 0 to 5). The thin seam onto section 1
  // is too narrow to show in a section map and is not outlined.
  sectionQuads[5][0] = BoardQuad(4.5f, 5.5f, 3.5f, 7.5f, 1670, 187.2, 1566.33, 187.2, 1566.33, 59.2, 1670, 59.2, 1);
  sectionQuads[5][1] = BoardQuad(5.5f, 6.5f, 3.5f, 7.5f, 1566.33, 187.2, 1462.67, 187.2, 1462.67, 59.2, 1566.33, 59.2, 1);
  sectionQuads[5][2] = BoardQuad(6.5f, 7.5f, 3.5f, 7.5f, 1462.67, 187.2, 1359, 187.2, 1359, 59.2, 1462.67, 59.2, 1);
  sectionQuads[5][3] = BoardQuad(7.5f, 8.5f, 3.5f, 7.5f, 1359, 187.2, 1278.33, 182.6, 1278.33, 48.47, 1359, 59.2, 1);
  sectionQuads[5][4] = BoardQuad(8.5f, 9.5f, 3.5f, 7.5f, 1278.33, 182.6, 1197.67, 178, 1197.67, 37.73, 1278.33, 48.47, 1);
  sectionQuads[5][5] = BoardQuad(9.5f, 10.5f, 2.5f, 7.5f, 1197.67, 213.07, 1117, 210, 1117, 27, 1197.67, 37.73, 1);
  sectionQuads[5][6] = BoardQuad(10.5f, 11.5f, 2.5f, 7.5f, 1117, 210, 1018.75, 210, 1018.75, 27, 1117, 27, 1);
  sectionQuads[5][7] = BoardQuad(11.5f, 13.5f, 2.5f, 7.5f, 1018.75, 210, 822.25, 210, 822.25, 27, 1018.75, 27, 1);
  sectionQuads[5][8] = BoardQuad(13.5f, 14.5f, 2.5f, 7.5f, 822.25, 210, 724, 210, 724, 27, 822.25, 27, 1);
  sectionQuads[5][9] = BoardQuad(14.5f, 16.49f, 2.5f, 7.5f, 723, 210, 567, 187, 567, 27, 723, 27, 1);
  sectionQuads[5][10] = BoardQuad(16.49f, 16.51f, 2.5f, 7.5f, 567, 187, 559, 187, 559, 27, 567, 27, 0);
  sectionArcs[5][0] = BoardArc(-0.5f, 0.5f, 3.5f, 7.5f, 1670, 287.2, 100, 228, 100, 228, 0.00000f, -0.31416f, 0);
  sectionArcs[5][1] = BoardArc(0.5f, 1.5f, 3.5f, 7.5f, 1670, 287.2, 100, 228, 100, 228, -0.31416f, -0.62832f, 0);
  sectionArcs[5][2] = BoardArc(1.5f, 2.5f, 3.5f, 7.5f, 1670, 287.2, 100, 228, 100, 228, -0.62832f, -0.94248f, 0);
  sectionArcs[5][3] = BoardArc(2.5f, 3.5f, 3.5f, 7.5f, 1670, 287.2, 100, 228, 100, 228, -0.94248f, -1.25664f, 0);
  sectionArcs[5][4] = BoardArc(3.5f, 4.5f, 3.5f, 7.5f, 1670, 287.2, 100, 228, 100, 228, -1.25664f, -1.57080f, 0);

  // Section 6 ("Start 2"): the start grid along the bottom, rows running to the
  // right, 99 units a row and 37 a lane.
  sectionQuads[6][0] = BoardQuad(-0.5f, 3.5f, 3.5f, 7.5f, 528, 975, 924, 975, 924, 1123, 528, 1123, 1);
  sectionQuads[6][1] = BoardQuad(3.5f, 6.5f, 3.5f, 7.5f, 924, 975, 1221, 975, 1221, 1123, 924, 1123, 1);

  // Section 7 ("C"): the same cobbles as section 4 (rows 0 to 11 on the same
  // board points), the fork where the climb branches off to the left (one
  // quad per row, drawn by the outline), then the climb: a hairpin, down the
  // east side of the lake and west along the bottom, winding as it goes. Its
  // first bend turns from left to right on a straight of one unit, too short
  // to show in a section map, so it is not outlined.
  sectionQuads[7][0] = BoardQuad(-0.5f, 4.5f, 3.5f, 7.5f, 1221, 975, 1560, 975, 1560, 1123, 1221, 1123, 1);
  sectionQuads[7][1] = BoardQuad(9.5f, 11.5f, 3.5f, 7.5f, 1770, 880, 1770, 738, 1898, 738, 1898, 880, 1);
  sectionQuads[7][2] = BoardQuad(11.5f, 12.5f, 2.5f, 6.5f, 1738, 738, 1738, 636.33, 1866, 636.33, 1866, 738, 0);
  sectionQuads[7][3] = BoardQuad(12.5f, 13.5f, 1.5f, 5.5f, 1706, 636.33, 1706, 534.67, 1834, 534.67, 1834, 636.33, 0);
  sectionQuads[7][4] = BoardQuad(13.5f, 14.5f, 0.5f, 4.5f, 1674, 534.67, 1674, 433, 1802, 433, 1802, 534.67, 0);
  sectionQuads[7][5] = BoardQuad(14.5f, 15.5f, 0.5f, 3.5f, 1674, 433, 1674, 347, 1770, 347, 1770, 433, 0);
  sectionQuads[7][6] = BoardQuad(18.1f, 18.7f, 0.5f, 3.5f, 1634, 347, 1634, 397, 1538, 397, 1538, 347, 1);
  sectionQuads[7][7] = BoardQuad(19.05f, 19.19f, 0.5f, 3.5f, 1630.33, 431.93, 1627.21, 446.6, 1533.31, 426.64, 1536.43, 411.97, 1);
  sectionQuads[7][8] = BoardQuad(19.8f, 19.81f, 0.5f, 3.5f, 1627.21, 476.54, 1627.42, 477.52, 1533.52, 497.48, 1533.31, 496.5, 0);
  sectionQuads[7][9] = BoardQuad(20.12f, 20.54f, 0.5f, 3.5f, 1631.09, 512.45, 1631.09, 547.45, 1535.09, 547.45, 1535.09, 512.45, 1);
  sectionQuads[7][10] = BoardQuad(20.85f, 21.05f, 0.5f, 3.5f, 1632.66, 562.42, 1635.78, 577.09, 1541.88, 597.05, 1538.76, 582.38, 1);
  sectionQuads[7][11] = BoardQuad(21.64f, 21.82f, 0.5f, 3.5f, 1635.78, 646.95, 1632.66, 661.62, 1538.76, 641.66, 1541.88, 626.99, 1);
  sectionQuads[7][12] = BoardQuad(22.13f, 22.74f, 0.5f, 3.5f, 1631.09, 676.59, 1631.09, 726.59, 1535.09, 726.59, 1535.09, 676.59, 1);
  sectionQuads[7][13] = BoardQuad(24.84f, 25.44f, 0.5f, 3.5f, 1473.09, 884.59, 1423.09, 884.59, 1423.09, 788.59, 1473.09, 788.59, 1);
  sectionQuads[7][14] = BoardQuad(25.75f, 25.93f, 0.5f, 3.5f, 1388.16, 880.92, 1373.49, 877.8, 1393.45, 783.9, 1408.12, 787.02, 1);
  sectionQuads[7][15] = BoardQuad(26.54f, 26.73f, 0.5f, 3.5f, 1343.55, 877.8, 1328.88, 880.92, 1308.92, 787.02, 1323.59, 783.9, 1);
  sectionQuads[7][16] = BoardQuad(27.05f, 27.76f, 0.5f, 3.5f, 1293.95, 884.59, 1233.95, 884.59, 1233.95, 788.59, 1293.95, 788.59, 1);
  sectionQuads[7][17] = BoardQuad(28.07f, 28.25f, 0.5f, 3.5f, 1218.98, 886.16, 1204.31, 889.28, 1184.35, 795.38, 1199.02, 792.26, 1);
  sectionQuads[7][18] = BoardQuad(28.86f, 29.05f, 0.5f, 3.5f, 1134.45, 889.28, 1119.77, 886.16, 1139.73, 792.26, 1154.41, 795.38, 1);
  sectionQuads[7][19] = BoardQuad(29.35f, 30.5f, 0.5f, 3.5f, 1104.81, 884.59, 1009.81, 884.59, 1009.81, 788.59, 1104.81, 788.59, 1);
  sectionArcs[7][0] = BoardArc(4.5f, 9.5f, 3.5f, 7.5f, 1560, 880, 210, 338, 95, 243, 1.57080f, 0.00000f, 0);
  sectionArcs[7][1] = BoardArc(15.5f, 16.37f, 0.5f, 3.5f, 1654, 347, 20, 116, 20, 116, 0.00000f, -1.04720f, 0);
  sectionArcs[7][2] = BoardArc(16.37f, 17.23f, 0.5f, 3.5f, 1654, 347, 20, 116, 20, 116, -1.04720f, -2.09440f, 0);
  sectionArcs[7][3] = BoardArc(17.23f, 18.1f, 0.5f, 3.5f, 1654, 347, 20, 116, 20, 116, -2.09440f, -3.14159f, 0);
  sectionArcs[7][4] = BoardArc(18.7f, 19.05f, 0.5f, 3.5f, 1466, 397, 168, 72, 168, 72, 0.00000f, 0.20944f, 0);
  sectionArcs[7][5] = BoardArc(19.19f, 19.8f, 0.5f, 3.5f, 1697.64, 461.57, 72, 168, 72, 168, -2.93215f, -3.35103f, 0);
  sectionArcs[7][6] = BoardArc(19.81f, 20.12f, 0.5f, 3.5f, 1463.09, 512.45, 168, 72, 168, 72, -0.20944f, 0.00000f, 0);
  sectionArcs[7][7] = BoardArc(20.54f, 20.85f, 0.5f, 3.5f, 1703.09, 547.45, 72, 168, 72, 168, -3.14159f, -3.35103f, 0);
  sectionArcs[7][8] = BoardArc(21.05f, 21.64f, 0.5f, 3.5f, 1471.45, 612.02, 168, 72, 168, 72, -0.20944f, 0.20944f, 0);
  sectionArcs[7][9] = BoardArc(21.82f, 22.13f, 0.5f, 3.5f, 1703.09, 676.59, 72, 168, 72, 168, -2.93215f, -3.14159f, 0);
  sectionArcs[7][10] = BoardArc(22.74f, 23.44f, 0.5f, 3.5f, 1473.09, 726.59, 158, 62, 158, 62, 0.00000f, 0.52360f, 0);
  sectionArcs[7][11] = BoardArc(23.44f, 24.14f, 0.5f, 3.5f, 1473.09, 726.59, 158, 62, 158, 62, 0.52360f, 1.04720f, 0);
  sectionArcs[7][12] = BoardArc(24.14f, 24.84f, 0.5f, 3.5f, 1473.09, 726.59, 158, 62, 158, 62, 1.04720f, 1.57080f, 0);
  sectionArcs[7][13] = BoardArc(25.44f, 25.75f, 0.5f, 3.5f, 1423.09, 716.59, 168, 72, 168, 72, 1.57080f, 1.78024f, 0);
  sectionArcs[7][14] = BoardArc(25.93f, 26.54f, 0.5f, 3.5f, 1358.52, 948.23, 72, 168, 72, 168, -1.36136f, -1.78024f, 0);
  sectionArcs[7][15] = BoardArc(26.73f, 27.05f, 0.5f, 3.5f, 1293.95, 716.59, 168, 72, 168, 72, 1.36136f, 1.57080f, 0);
  sectionArcs[7][16] = BoardArc(27.76f, 28.07f, 0.5f, 3.5f, 1233.95, 956.59, 72, 168, 72, 168, -1.57080f, -1.78024f, 0);
  sectionArcs[7][17] = BoardArc(28.25f, 28.86f, 0.5f, 3.5f, 1169.38, 724.95, 168, 72, 168, 72, 1.36136f, 1.78024f, 0);
  sectionArcs[7][18] = BoardArc(29.05f, 29.35f, 0.5f, 3.5f, 1104.81, 956.59, 72, 168, 72, 168, -1.36136f, -1.57080f, 0);

  // Section 8 ("F"): the descent up the west side of the lake, along its north
  // shore and round to join the top road; one quad per row where the lanes
  // merge, then the squares of Start 1 (rows 17 to 22 are Start 1's rows 0
  // to 5); its thin seam onto section 1 is not outlined.
  sectionQuads[8][0] = BoardQuad(1.6f, 1.95f, 0.5f, 3.5f, 851.81, 726.59, 851.81, 696.59, 947.81, 696.59, 947.81, 726.59, 1);
  sectionQuads[8][1] = BoardQuad(2.27f, 2.46f, 0.5f, 3.5f, 855.48, 661.66, 858.6, 646.99, 952.5, 666.95, 949.38, 681.62, 1);
  sectionQuads[8][2] = BoardQuad(3.07f, 3.25f, 0.5f, 3.5f, 858.6, 617.05, 855.48, 602.38, 949.38, 582.42, 952.5, 597.09, 1);
  sectionQuads[8][3] = BoardQuad(3.56f, 3.92f, 0.5f, 3.5f, 851.81, 567.45, 851.81, 537.45, 947.81, 537.45, 947.81, 567.45, 1);
  sectionQuads[8][4] = BoardQuad(6.05f, 8.05f, 0.5f, 3.5f, 1009.81, 379.45, 1172.86, 379.45, 1172.86, 475.45, 1009.81, 475.45, 1);
  sectionQuads[8][5] = BoardQuad(8.31f, 8.49f, 0.5f, 3.5f, 1187.83, 377.87, 1202.5, 374.76, 1222.46, 468.66, 1207.79, 471.78, 1);
  sectionQuads[8][6] = BoardQuad(9.11f, 9.29f, 0.5f, 3.5f, 1272.36, 374.76, 1287.03, 377.87, 1267.07, 471.78, 1252.4, 468.66, 1);
  sectionQuads[8][7] = BoardQuad(9.59f, 9.95f, 0.5f, 3.5f, 1302, 379.45, 1332, 379.45, 1332, 475.45, 1302, 475.45, 1);
  sectionQuads[8][8] = BoardQuad(11.87f, 12.1f, 0.5f, 3.5f, 1384, 327.45, 1384, 308.2, 1480, 308.2, 1480, 327.45, 1);
  sectionQuads[8][9] = BoardQuad(13.5f, 14.5f, 0.5f, 7.5f, 1359, 283.2, 1278.33, 283.2, 1278.33, 48.47, 1359, 59.2, 1);
  sectionQuads[8][10] = BoardQuad(14.5f, 15.5f, 1.5f, 7.5f, 1278.33, 249.67, 1197.67, 248.13, 1197.67, 37.73, 1278.33, 48.47, 1);
  sectionQuads[8][11] = BoardQuad(15.5f, 16.5f, 2.5f, 7.5f, 1197.67, 213.07, 1117, 210, 1117, 27, 1197.67, 37.73, 1);
  sectionQuads[8][12] = BoardQuad(16.5f, 20.5f, 2.5f, 7.5f, 1117, 210, 724, 210, 724, 27, 1117, 27, 1);
  sectionQuads[8][13] = BoardQuad(20.5f, 22.49f, 2.5f, 7.5f, 723, 210, 567, 187, 567, 27, 723, 27, 1);
  sectionQuads[8][14] = BoardQuad(22.49f, 22.51f, 2.5f, 7.5f, 567, 187, 559, 187, 559, 27, 567, 27, 0);
  sectionArcs[8][0] = BoardArc(-0.5f, 0.2f, 0.5f, 3.5f, 1009.81, 726.59, 158, 62, 158, 62, 1.57080f, 2.09440f, 0);
  sectionArcs[8][1] = BoardArc(0.2f, 0.9f, 0.5f, 3.5f, 1009.81, 726.59, 158, 62, 158, 62, 2.09440f, 2.61799f, 0);
  sectionArcs[8][2] = BoardArc(0.9f, 1.6f, 0.5f, 3.5f, 1009.81, 726.59, 158, 62, 158, 62, 2.61799f, 3.14159f, 0);
  sectionArcs[8][3] = BoardArc(1.95f, 2.27f, 0.5f, 3.5f, 1019.81, 696.59, 168, 72, 168, 72, 3.14159f, 3.35103f, 0);
  sectionArcs[8][4] = BoardArc(2.46f, 3.07f, 0.5f, 3.5f, 788.17, 632.02, 72, 168, 72, 168, 0.20944f, -0.20944f, 0);
  sectionArcs[8][5] = BoardArc(3.25f, 3.56f, 0.5f, 3.5f, 1019.81, 567.45, 168, 72, 168, 72, 2.93215f, 3.14159f, 0);
  sectionArcs[8][6] = BoardArc(3.92f, 4.62f, 0.5f, 3.5f, 1009.81, 537.45, 158, 62, 158, 62, -3.14159f, -2.61799f, 0);
  sectionArcs[8][7] = BoardArc(4.62f, 5.32f, 0.5f, 3.5f, 1009.81, 537.45, 158, 62, 158, 62, -2.61799f, -2.09440f, 0);
  sectionArcs[8][8] = BoardArc(5.32f, 6.05f, 0.5f, 3.5f, 1009.81, 537.45, 158, 62, 158, 62, -2.09440f, -1.57080f, 0);
  sectionArcs[8][9] = BoardArc(8.05f, 8.31f, 0.5f, 3.5f, 1172.86, 307.45, 72, 168, 72, 168, 1.57080f, 1.36136f, 0);
  sectionArcs[8][10] = BoardArc(8.49f, 9.11f, 0.5f, 3.5f, 1237.43, 539.08, 168, 72, 168, 72, -1.78024f, -1.36136f, 0);
  sectionArcs[8][11] = BoardArc(9.29f, 9.59f, 0.5f, 3.5f, 1302, 307.45, 72, 168, 72, 168, 1.78024f, 1.57080f, 0);
  sectionArcs[8][12] = BoardArc(9.95f, 10.6f, 0.5f, 3.5f, 1332, 327.45, 52, 148, 52, 148, 1.57080f, 1.04720f, 0);
  sectionArcs[8][13] = BoardArc(10.6f, 11.23f, 0.5f, 3.5f, 1332, 327.45, 52, 148, 52, 148, 1.04720f, 0.52360f, 0);
  sectionArcs[8][14] = BoardArc(11.23f, 11.87f, 0.5f, 3.5f, 1332, 327.45, 52, 148, 52, 148, 0.52360f, 0.00000f, 0);
  sectionArcs[8][15] = BoardArc(12.1f, 12.8f, 0.5f, 3.5f, 1359, 308.2, 25, 121, 25, 121, 0.00000f, -0.78540f, 0);
  sectionArcs[8][16] = BoardArc(12.8f, 13.5f, 0.5f, 3.5f, 1359, 308.2, 25, 121, 25, 121, -0.78540f, -1.57080f, 0);
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
  static const int quads[SECTION_COUNT] = {3, 4, 2, 5, 5, 11, 2, 20, 15};
  static const int arcs[SECTION_COUNT] = {0, 2, 5, 18, 1, 5, 0, 19, 17};
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
