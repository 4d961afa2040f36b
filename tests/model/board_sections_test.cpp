#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/board_sections.h"

namespace {

class BoardSectionsTest : public ::testing::Test {
 protected:
  void SetUp() override { initBoardSections(); }
};

bool isSquare(int section, int row, int lane) {
  return sectionSquareValue[section][row][lane] != SQUARE_NONE;
}

bool isStopSquare(int section, int row, int lane) {
  int value = sectionSquareValue[section][row][lane];
  return value != SQUARE_NONE && value != SQUARE_PASS_THROUGH;
}

bool coveredByPiece(int section, float row, float lane) {
  for (int q = 0; q < sectionQuadCount[section]; q++) {
    const BoardQuad& p = sectionQuads[section][q];
    if (p.rowFrom <= row && row <= p.rowTo && p.laneFrom <= lane && lane <= p.laneTo) return true;
  }
  for (int a = 0; a < sectionArcCount[section]; a++) {
    const BoardArc& p = sectionArcs[section][a];
    if (p.rowFrom <= row && row <= p.rowTo && p.laneFrom <= lane && lane <= p.laneTo) return true;
  }
  return false;
}

// Lanes of one row that hold a square, as a bit set.
int laneMask(int section, int row, int shift) {
  int mask = 0;
  for (int lane = 0; lane < SECTION_LANES; lane++)
    if (isSquare(section, row, lane)) mask |= 1 << (lane + shift);
  return mask;
}

TEST_F(BoardSectionsTest, CountsPerSection) {
  const int rows[SECTION_COUNT] = {6, 25, 13, 17, 37, 17, 7, 31, 23};
  const int dividers[SECTION_COUNT] = {0, 4, 4, 3, 2, 2, 0, 5, 2};
  const int outlines[SECTION_COUNT] = {0, 1, 0, 3, 0, 0, 0, 1, 1};
  for (int s = 0; s < SECTION_COUNT; s++) {
    SCOPED_TRACE(s);
    EXPECT_EQ(sectionRowCount[s], rows[s]);
    EXPECT_EQ(sectionDividerCount[s], dividers[s]);
    EXPECT_EQ(sectionOutlineCount[s], outlines[s]);
    EXPECT_GE(sectionQuadCount[s], 0);
    EXPECT_LE(sectionQuadCount[s], MAX_SECTION_QUADS);
    EXPECT_GE(sectionArcCount[s], 0);
    EXPECT_LE(sectionArcCount[s], MAX_SECTION_ARCS);
  }
  const int quads[SECTION_COUNT] = {3, 4, 2, 5, 5, 11, 2, 20, 15};
  const int arcs[SECTION_COUNT] = {0, 2, 5, 18, 1, 5, 0, 19, 17};
  int outlined = 0, all = 0;
  for (int s = 0; s < SECTION_COUNT; s++) {
    EXPECT_EQ(sectionQuadCount[s], quads[s]) << s;
    EXPECT_EQ(sectionArcCount[s], arcs[s]) << s;
    for (int q = 0; q < sectionQuadCount[s]; q++, all++) outlined += sectionQuads[s][q].outlined;
  }
  EXPECT_EQ(all, 67);
  EXPECT_EQ(outlined, 55);
}

TEST_F(BoardSectionsTest, EveryRowOfASectionHoldsSquaresAndNoneBeyond) {
  for (int s = 0; s < SECTION_COUNT; s++) {
    for (int row = 0; row < SECTION_ROWS; row++) {
      SCOPED_TRACE(testing::Message() << "section " << s << " row " << row);
      if (row < sectionRowCount[s]) {
        EXPECT_NE(laneMask(s, row, 0), 0);
      } else {
        for (int lane = 0; lane < SECTION_LANES; lane++) {
          EXPECT_EQ(sectionSquareValue[s][row][lane], SQUARE_NONE);
          EXPECT_EQ(sectionTerrain[s][row][lane], TERRAIN_NONE);
        }
      }
    }
  }
}

// Flat squares carry no modifier, climbs a negative one, descents a positive
// one; the cobbles climb except for the one level cobble at (11, 5).
TEST_F(BoardSectionsTest, ModifiersMatchTerrain) {
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int row = 0; row < sectionRowCount[s]; row++)
      for (int lane = 0; lane < SECTION_LANES; lane++) {
        SCOPED_TRACE(testing::Message() << "section " << s << " row " << row << " lane " << lane);
        if (!isSquare(s, row, lane)) continue;
        int terrain = sectionTerrain[s][row][lane];
        EXPECT_GE(terrain, TERRAIN_FLAT);
        EXPECT_LE(terrain, TERRAIN_DESCENT);
        if (!isStopSquare(s, row, lane)) continue;
        int value = sectionSquareValue[s][row][lane];
        if (terrain == TERRAIN_FLAT) {
          EXPECT_EQ(value, 0);
        }
        if (terrain == TERRAIN_CLIMB) {
          EXPECT_LE(value, -1);
          EXPECT_GE(value, -6);
        }
        if (terrain == TERRAIN_DESCENT) {
          EXPECT_GE(value, 1);
          EXPECT_LE(value, 5);
        }
        if (terrain == TERRAIN_COBBLES) {
          bool levelCobble = (s == 4 || s == 7) && row == 11 && lane == 5;
          EXPECT_EQ(value == 0, levelCobble);
          EXPECT_LE(value, 0);
          EXPECT_GE(value, -4);
        }
      }
}

// Along a lane a climb never gets easier and a descent never gets steeper.
TEST_F(BoardSectionsTest, ClimbsSteepenAndDescentsFlattenAlongALane) {
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int lane = 0; lane < SECTION_LANES; lane++) {
      int lastClimb = 0, lastDescent = 99;
      for (int row = 0; row < sectionRowCount[s]; row++) {
        SCOPED_TRACE(testing::Message() << "section " << s << " row " << row << " lane " << lane);
        if (!isStopSquare(s, row, lane)) continue;
        int value = sectionSquareValue[s][row][lane];
        if (sectionTerrain[s][row][lane] == TERRAIN_CLIMB) {
          EXPECT_LE(value, lastClimb);
          lastClimb = value;
        }
        if (sectionTerrain[s][row][lane] == TERRAIN_DESCENT) {
          EXPECT_LE(value, lastDescent);
          lastDescent = value;
        }
      }
    }
}

TEST_F(BoardSectionsTest, CobbledStretchOfSectionsFourAndSeven) {
  for (int row = 0; row <= 15; row++)
    for (int lane = 4; lane <= 7; lane++) {
      SCOPED_TRACE(testing::Message() << "row " << row << " lane " << lane);
      bool level = lane == 6 && (row == 4 || row == 6 || row == 12 || row == 13);
      EXPECT_EQ(sectionTerrain[4][row][lane], level ? TERRAIN_FLAT : TERRAIN_COBBLES);
      if (level) {
        EXPECT_EQ(sectionSquareValue[4][row][lane], 0);
      }
      EXPECT_EQ(sectionTerrain[7][row][lane], sectionTerrain[4][row][lane]);
    }
  for (int row = 0; row <= 11; row++)
    for (int lane = 0; lane < SECTION_LANES; lane++) {
      SCOPED_TRACE(testing::Message() << "row " << row << " lane " << lane);
      EXPECT_EQ(sectionSquareValue[7][row][lane], sectionSquareValue[4][row][lane]);
      EXPECT_EQ(sectionTerrain[7][row][lane], sectionTerrain[4][row][lane]);
    }
  // Section 4 ends in a run of pass-through squares.
  for (int row = 16; row < sectionRowCount[4]; row++)
    for (int lane = 0; lane < SECTION_LANES; lane++)
      EXPECT_EQ(sectionSquareValue[4][row][lane], lane >= 4 ? SQUARE_PASS_THROUGH : SQUARE_NONE);
}

// A divider runs between two lanes that both hold squares over its rows.
TEST_F(BoardSectionsTest, DividersLieBetweenSquares) {
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int d = 0; d < sectionDividerCount[s]; d++) {
      const LaneDivider& divider = sectionDividers[s][d];
      SCOPED_TRACE(testing::Message() << "section " << s << " divider " << d);
      EXPECT_LT(divider.rowFrom, divider.rowTo);
      EXPECT_GE(divider.rowFrom, 0);
      EXPECT_LT(divider.rowTo, sectionRowCount[s]);
      ASSERT_GE(divider.lane, 0);
      ASSERT_LT(divider.lane, SECTION_LANES - 1);
      for (int row = divider.rowFrom; row <= divider.rowTo; row++) {
        EXPECT_TRUE(isSquare(s, row, divider.lane)) << "row " << row;
        EXPECT_TRUE(isSquare(s, row, divider.lane + 1)) << "row " << row;
      }
    }
}

TEST_F(BoardSectionsTest, Successors) {
  const int expected[SECTION_COUNT][2] = {{1, -1}, {2, -1}, {3, -1}, {4, 7}, {5, -1},
                                          {1, -1}, {4, 7},  {8, -1}, {1, -1}};
  for (int s = 0; s < SECTION_COUNT; s++) {
    EXPECT_EQ(sectionSuccessors[s][0], expected[s][0]) << s;
    EXPECT_EQ(sectionSuccessors[s][1], expected[s][1]) << s;
  }
}

// The last row of a section hands its lanes on to the first row of each
// section that may follow it; a new lap is laid three lanes across.
TEST_F(BoardSectionsTest, SuccessorsContinueTheSameLanes) {
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int k = 0; k < 2; k++) {
      int next = sectionSuccessors[s][k];
      if (next < 0) continue;
      int shift = (next == 1 && s != 0) ? 3 : 0;
      EXPECT_EQ(laneMask(s, sectionRowCount[s] - 1, 0), laneMask(next, 0, shift))
          << s << " -> " << next;
    }
}

TEST_F(BoardSectionsTest, LapLengthIsTheSameOnBothCircuits) {
  EXPECT_EQ(lapRowCount, 109);
  int viaFourFive = 0, viaSevenEight = 0;
  for (int s : {1, 2, 3, 4, 5}) viaFourFive += sectionRowCount[s];
  for (int s : {1, 2, 3, 7, 8}) viaSevenEight += sectionRowCount[s];
  EXPECT_EQ(viaFourFive, lapRowCount);
  EXPECT_EQ(viaSevenEight, lapRowCount);
}

TEST_F(BoardSectionsTest, NamesAndPredefinedCourses) {
  const char* names[SECTION_COUNT] = {"Start 1", "A", "E", "B", "D", "F", "Start 2", "C", "F"};
  int namedF = 0;
  for (int s = 0; s < SECTION_COUNT; s++) {
    EXPECT_STREQ(sectionNames[s], names[s]);
    if (strcmp(sectionNames[s], "F") == 0) namedF++;
  }
  EXPECT_EQ(namedF, 2);

  EXPECT_STREQ(predefinedCourses[0], "64S5F12");
  EXPECT_STREQ(predefinedCourses[1], "01S23S7S8F12");
  EXPECT_STREQ(predefinedCourses[2], "67S8F12");
  EXPECT_STREQ(predefinedCourses[3], "01S23S4S5F12");
  // Each ready-made course starts on a start section and lays only
  // sections that may follow one another.
  for (const char* course : predefinedCourses) {
    SCOPED_TRACE(course);
    int previous = -1;
    for (const char* c = course; *c; c++) {
      if (*c == 'S' || *c == 'F') continue;
      ASSERT_TRUE(*c >= '0' && *c <= '8');
      int section = *c - '0';
      if (previous < 0)
        EXPECT_TRUE(section == 0 || section == 6);
      else
        EXPECT_TRUE(sectionSuccessors[previous][0] == section ||
                    sectionSuccessors[previous][1] == section);
      previous = section;
    }
  }
}

TEST_F(BoardSectionsTest, OutlinesSitInTheirSectionsSlots) {
  std::vector<bool> used(SECTION_OUTLINE_SLOTS, false);
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int o = 0; o < sectionOutlineCount[s]; o++) used[2 * s + o] = true;
  for (int slot = 0; slot < SECTION_OUTLINE_SLOTS; slot++) {
    SCOPED_TRACE(slot);
    const BoardOutline& outline = sectionOutlines[slot];
    if (!used[slot]) {
      EXPECT_EQ(outline.pointCount, 0);
      continue;
    }
    EXPECT_GE(outline.pointCount, 3);
    EXPECT_LE(outline.pointCount, MAX_OUTLINE_POINTS);
    for (int i = 0; i < MAX_OUTLINE_POINTS; i++) {
      if (i < outline.pointCount) {
        EXPECT_GE(outline.points[i][0], 0);
        EXPECT_LE(outline.points[i][0], BOARD_UNITS[0]);
        EXPECT_GE(outline.points[i][1], 0);
        EXPECT_LE(outline.points[i][1], BOARD_UNITS[1]);
      } else {
        EXPECT_EQ(outline.points[i][0], -1);
        EXPECT_EQ(outline.points[i][1], -1);
      }
    }
  }
  EXPECT_EQ(sectionOutlines[7].pointCount, 11);
  EXPECT_EQ(sectionOutlines[8].points[11][0], 628);
  EXPECT_EQ(sectionOutlines[8].points[11][1], 975);
}

// Every square of a section lies on a piece, and along each lane the pieces
// leave no gap between one square and the next square of that lane (a rider
// only ever travels a lane from square to square; section 3's lane 4 stops
// at row 4 and starts again at row 11, and nothing travels it in between).
TEST_F(BoardSectionsTest, PiecesCoverEverySquare) {
  for (int s = 0; s < SECTION_COUNT; s++) {
    ASSERT_GT(sectionQuadCount[s] + sectionArcCount[s], 0) << s;
    for (int lane = 0; lane < SECTION_LANES; lane++) {
      int previous = -1;
      for (int row = 0; row < sectionRowCount[s]; row++) {
        if (!isSquare(s, row, lane)) continue;
        EXPECT_TRUE(coveredByPiece(s, row, lane))
            << "section " << s << " row " << row << " lane " << lane;
        for (float r = previous; previous >= 0 && previous == row - 1 && r <= row; r += 0.125f)
          EXPECT_TRUE(coveredByPiece(s, r, lane))
              << "section " << s << " row " << r << " lane " << lane;
        previous = row;
      }
    }
  }
  EXPECT_TRUE(coveredByPiece(0, 5.5f, 2));
  EXPECT_TRUE(coveredByPiece(1, -0.49f, 2));
}

TEST_F(BoardSectionsTest, PiecesOfTheFirstSectionsMeetAndStayOnTheBoard) {
  const BoardQuad& end = sectionQuads[0][sectionQuadCount[0] - 1];
  const BoardQuad& start = sectionQuads[1][0];
  EXPECT_FLOAT_EQ(end.corners[1][0], start.corners[0][0]);
  EXPECT_FLOAT_EQ(end.corners[1][1], start.corners[0][1]);
  EXPECT_FLOAT_EQ(end.corners[2][0], start.corners[3][0]);
  EXPECT_FLOAT_EQ(end.corners[2][1], start.corners[3][1]);
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int q = 0; q < sectionQuadCount[s]; q++) {
      const BoardQuad& quad = sectionQuads[s][q];
      SCOPED_TRACE(testing::Message() << "section " << s << " quad " << q);
      EXPECT_LT(quad.rowFrom, quad.rowTo);
      EXPECT_LT(quad.laneFrom, quad.laneTo);
      EXPECT_LE(quad.outlined, 1);
      for (const auto& corner : quad.corners) {
        EXPECT_GE(corner[0], 0);
        EXPECT_LE(corner[0], BOARD_UNITS[0]);
        EXPECT_GE(corner[1], 0);
        EXPECT_LE(corner[1], BOARD_UNITS[1]);
      }
    }
  // Only the straight on the section's first bend is drawn without edges.
  EXPECT_EQ(sectionQuads[1][1].outlined, 0);
  EXPECT_EQ(sectionQuads[1][2].outlined, 1);
  const BoardArc& bend = sectionArcs[1][1];
  EXPECT_FLOAT_EQ(bend.centreX, 280);
  EXPECT_FLOAT_EQ(bend.radiusYFrom, 97);
  EXPECT_FLOAT_EQ(bend.angleTo, -0.12114f);
  EXPECT_FLOAT_EQ(bend.tilt, 0);
}

// Snapshot of everything initBoardSections writes, compared field by field.
struct Catalogue {
  std::vector<int> ints;
  std::vector<float> floats;
  std::vector<std::string> strings;
};

Catalogue takeCatalogue() {
  Catalogue c;
  for (int s = 0; s < SECTION_COUNT; s++) {
    c.strings.push_back(sectionNames[s]);
    c.ints.insert(c.ints.end(), {sectionRowCount[s], sectionDividerCount[s], sectionQuadCount[s],
                                 sectionArcCount[s], sectionOutlineCount[s],
                                 sectionSuccessors[s][0], sectionSuccessors[s][1]});
    for (int r = 0; r < SECTION_ROWS; r++)
      for (int l = 0; l < SECTION_LANES; l++)
        c.ints.insert(c.ints.end(), {sectionSquareValue[s][r][l], sectionTerrain[s][r][l]});
    for (const LaneDivider& d : sectionDividers[s])
      c.ints.insert(c.ints.end(), {d.rowFrom, d.rowTo, d.lane});
    for (const BoardQuad& q : sectionQuads[s]) {
      c.floats.insert(c.floats.end(), {q.rowFrom, q.rowTo, q.laneFrom, q.laneTo});
      for (const auto& corner : q.corners) c.floats.insert(c.floats.end(), {corner[0], corner[1]});
      c.ints.push_back(q.outlined);
    }
    for (const BoardArc& a : sectionArcs[s])
      c.floats.insert(c.floats.end(),
                      {a.rowFrom, a.rowTo, a.laneFrom, a.laneTo, a.centreX, a.centreY, a.radiusXFrom,
                       a.radiusXTo, a.radiusYFrom, a.radiusYTo, a.angleFrom, a.angleTo, a.tilt});
  }
  for (const BoardOutline& o : sectionOutlines) {
    c.ints.push_back(o.pointCount);
    for (const auto& point : o.points) c.ints.insert(c.ints.end(), {point[0], point[1]});
  }
  for (const char* course : predefinedCourses) c.strings.push_back(course);
  c.ints.push_back(lapRowCount);
  return c;
}

TEST_F(BoardSectionsTest, SecondInitialisationRebuildsTheSameCatalogue) {
  Catalogue first = takeCatalogue();
  // Scribble over the tables so that a value the second call forgets to
  // write shows up.
  memset(sectionSquareValue, 0x11, sizeof sectionSquareValue);
  memset(sectionTerrain, 0x22, sizeof sectionTerrain);
  memset(sectionRowCount, 0x33, sizeof sectionRowCount);
  memset(sectionSuccessors, 0x44, sizeof sectionSuccessors);
  memset(sectionNames, 'Z', sizeof sectionNames);
  memset(predefinedCourses, 'Z', sizeof predefinedCourses);
  for (auto& quads : sectionQuads)
    for (BoardQuad& q : quads) q = BoardQuad(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 7);
  for (auto& arcs : sectionArcs)
    for (BoardArc& a : arcs) a = BoardArc(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13);
  for (auto& dividers : sectionDividers)
    for (LaneDivider& d : dividers) d = LaneDivider(9, 9, 9);
  for (BoardOutline& o : sectionOutlines) o.pointCount = 77;
  sectionOutlines[0].points[0][0] = 5;
  lapRowCount = 1;
  sectionQuadCount[4] = sectionArcCount[4] = sectionDividerCount[4] = sectionOutlineCount[4] = 9;

  initBoardSections();
  Catalogue second = takeCatalogue();
  EXPECT_EQ(first.ints, second.ints);
  EXPECT_EQ(first.floats, second.floats);
  EXPECT_EQ(first.strings, second.strings);
}

TEST(BoardRecords, ConstructorsCopyInOrder) {
  BoardQuad quad(1, 2, 3, 4, 10, 11, 20, 21, 30, 31, 40, 41, 1);
  EXPECT_FLOAT_EQ(quad.rowFrom, 1);
  EXPECT_FLOAT_EQ(quad.rowTo, 2);
  EXPECT_FLOAT_EQ(quad.laneFrom, 3);
  EXPECT_FLOAT_EQ(quad.laneTo, 4);
  EXPECT_FLOAT_EQ(quad.corners[0][1], 11);
  EXPECT_FLOAT_EQ(quad.corners[2][0], 30);
  EXPECT_FLOAT_EQ(quad.corners[3][1], 41);
  EXPECT_EQ(quad.outlined, 1);

  BoardArc arc(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13);
  const float fields[13] = {arc.rowFrom,     arc.rowTo,      arc.laneFrom,    arc.laneTo,
                            arc.centreX,     arc.centreY,    arc.radiusXFrom, arc.radiusXTo,
                            arc.radiusYFrom, arc.radiusYTo,  arc.angleFrom,   arc.angleTo,
                            arc.tilt};
  for (int i = 0; i < 13; i++) EXPECT_FLOAT_EQ(fields[i], i + 1.0f);

  LaneDivider divider(3, 7, 2);
  EXPECT_EQ(divider.rowFrom, 3);
  EXPECT_EQ(divider.rowTo, 7);
  EXPECT_EQ(divider.lane, 2);

  int32_t coordinates[MAX_OUTLINE_POINTS * 2];
  for (int i = 0; i < MAX_OUTLINE_POINTS * 2; i++) coordinates[i] = i < 6 ? 100 + i : -1;
  BoardOutline outline(3, coordinates);
  EXPECT_EQ(outline.pointCount, 3);
  EXPECT_EQ(outline.points[0][0], 100);
  EXPECT_EQ(outline.points[2][1], 105);
  EXPECT_EQ(outline.points[3][0], -1);
  BoardOutline empty;
  EXPECT_EQ(empty.pointCount, 0);
  EXPECT_EQ(empty.points[MAX_OUTLINE_POINTS - 1][1], -1);
}

}  // namespace
