// The pieces that place the squares on the board picture: checked over the
// whole catalogue and over laid courses, the way the display and the move
// animation use them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "model/board_sections.h"
#include "model/settings.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "rules/course_builder.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

const double PI = 3.14159265358979;
const float SUMMIT_X = 652, SUMMIT_Y = 422;
const float SUMMIT_LOOP_X = 646.27f, SUMMIT_LOOP_Y = 428.45f;

template <typename Piece>
bool pieceCovers(const Piece& p, float row, float lane) {
  return p.rowFrom <= row && row <= p.rowTo && p.laneFrom <= lane && lane <= p.laneTo;
}

int piecesCovering(int s, float row, float lane) {
  int n = 0;
  for (int q = 0; q < sectionQuadCount[s]; q++) n += pieceCovers(sectionQuads[s][q], row, lane);
  for (int a = 0; a < sectionArcCount[s]; a++) n += pieceCovers(sectionArcs[s][a], row, lane);
  return n;
}

// A point of a piece with exact trigonometry, for checks on the catalogue
// itself (the game's own lookup goes through whole degrees).
BoardPoint exactPoint(const BoardQuad& q, double row, double lane) {
  double t = (row - q.rowFrom) / (q.rowTo - q.rowFrom), u = (lane - q.laneFrom) / (q.laneTo - q.laneFrom);
  const float(*p)[2] = q.corners;
  double ax = p[0][0] + (p[1][0] - p[0][0]) * t, ay = p[0][1] + (p[1][1] - p[0][1]) * t;
  double bx = p[3][0] + (p[2][0] - p[3][0]) * t, by = p[3][1] + (p[2][1] - p[3][1]) * t;
  return BoardPoint{static_cast<float>(ax + (bx - ax) * u), static_cast<float>(ay + (by - ay) * u)};
}

BoardPoint exactPoint(const BoardArc& a, double row, double lane) {
  double u = (lane - a.laneFrom) / (a.laneTo - a.laneFrom);
  double rx = a.radiusXFrom + (a.radiusXTo - a.radiusXFrom) * u;
  double ry = a.radiusYFrom + (a.radiusYTo - a.radiusYFrom) * u;
  double angle = a.angleFrom + (a.angleTo - a.angleFrom) * (row - a.rowFrom) / (a.rowTo - a.rowFrom);
  return BoardPoint{static_cast<float>(a.centreX + cos(angle) * rx), static_cast<float>(a.centreY + sin(angle) * ry)};
}

// Board points all over a section's road.
std::vector<BoardPoint> roadPoints(int s, int along = 40, int across = 8) {
  std::vector<BoardPoint> points;
  auto sample = [&](const auto& piece) {
    for (int i = 0; i <= along; i++)
      for (int j = 0; j <= across; j++)
        points.push_back(exactPoint(piece, piece.rowFrom + (piece.rowTo - piece.rowFrom) * i / along,
                                    piece.laneFrom + (piece.laneTo - piece.laneFrom) * j / across));
  };
  for (int q = 0; q < sectionQuadCount[s]; q++) sample(sectionQuads[s][q]);
  for (int a = 0; a < sectionArcCount[s]; a++) sample(sectionArcs[s][a]);
  return points;
}

double distance(BoardPoint a, BoardPoint b) { return hypot(a.x - b.x, a.y - b.y); }

// The heading difference folded into -pi..pi.
double turnBetween(double a, double b) {
  double d = fmod(b - a, 2 * PI);
  if (d > PI) d -= 2 * PI;
  if (d < -PI) d += 2 * PI;
  return d;
}

class BoardPiecesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initBoardSections();
    fillSineTables();
    activeRider = -1;
  }
  void TearDown() override {
    buildTestCourse("012S37812F34");
  }
  static void lay(const char* course) { ASSERT_TRUE(buildTestCourse(course)) << course; }
};

// Courses that between them lay every section after each section that may
// precede it, and laps on both circuits.
const char* const COURSES[] = {"012S37812F34", "01S23S4S5F12", "64S5F12", "67S8F12",
                               "01234512378F12", "0123781234512F3", "6451237812F34"};

TEST_F(BoardPiecesTest, EverySquareCentreLiesOnExactlyOnePiece) {
  // The display takes the first piece that covers a square and the move
  // animation the last arc: both must find the same one.
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int row = 0; row < sectionRowCount[s]; row++)
      for (int lane = 0; lane < SECTION_LANES; lane++) {
        if (sectionSquareValue[s][row][lane] == SQUARE_NONE) continue;
        EXPECT_EQ(piecesCovering(s, row, lane), 1) << "section " << s << " row " << row << " lane " << lane;
      }
}

TEST_F(BoardPiecesTest, PiecesHaveExtentAndStayOnTheBoard) {
  for (int s = 0; s < SECTION_COUNT; s++) {
    for (int a = 0; a < sectionArcCount[s]; a++) {
      const BoardArc& arc = sectionArcs[s][a];
      SCOPED_TRACE(testing::Message() << "section " << s << " arc " << a);
      EXPECT_LT(arc.rowFrom, arc.rowTo);
      EXPECT_LT(arc.laneFrom, arc.laneTo);
      EXPECT_NE(arc.angleFrom, arc.angleTo);
      EXPECT_GT(std::min({arc.radiusXFrom, arc.radiusXTo, arc.radiusYFrom, arc.radiusYTo}), 0);
      EXPECT_EQ(arc.tilt, 0);
    }
    for (BoardPoint p : roadPoints(s)) {
      ASSERT_GE(p.x, 0) << s;
      ASSERT_LE(p.x, BOARD_UNITS[0]) << s;
      ASSERT_GE(p.y, 0) << s;
      ASSERT_LE(p.y, BOARD_UNITS[1]) << s;
    }
  }
}

// Two different roads never share board area, except where the board puts
// two sections on the same squares.
TEST_F(BoardPiecesTest, RoadsOfDifferentSectionsOnlyMeetWhereTheyShareSquares) {
  // Sections that may lie on each other: the start sections under the ends
  // of 3, 5 and 8, the cobbles of 4 and 7, the merge of 5 and 8, and every
  // section with the one after it at their seam.
  auto mayShare = [](int a, int b) {
    if (a > b) std::swap(a, b);
    static const int pairs[][2] = {{0, 5}, {0, 8}, {3, 6}, {4, 7}, {5, 8}, {0, 1}, {1, 2}, {2, 3}, {3, 4},
                                   {3, 7}, {4, 5}, {1, 5}, {6, 7}, {4, 6}, {7, 8}, {1, 8}};
    for (const auto& p : pairs)
      if (p[0] == a && p[1] == b) return true;
    return false;
  };
  std::vector<std::vector<BoardPoint>> roads;
  for (int s = 0; s < SECTION_COUNT; s++) roads.push_back(roadPoints(s, 24, 4));
  for (int a = 0; a < SECTION_COUNT; a++)
    for (int b = a + 1; b < SECTION_COUNT; b++) {
      if (mayShare(a, b)) continue;
      double closest = 1e9;
      for (BoardPoint p : roads[a])
        for (BoardPoint q : roads[b]) closest = std::min(closest, distance(p, q));
      EXPECT_GT(closest, 10) << "sections " << a << " and " << b;
    }
}

TEST_F(BoardPiecesTest, SeamPiecesAndTheSummitLoop) {
  auto hasQuad = [](int s, float from, float to) {
    for (int q = 0; q < sectionQuadCount[s]; q++)
      if (sectionQuads[s][q].rowFrom == from && sectionQuads[s][q].rowTo == to) return true;
    return false;
  };
  EXPECT_TRUE(hasQuad(0, 5.49f, 5.51f));
  EXPECT_TRUE(hasQuad(5, 16.49f, 16.51f));
  EXPECT_TRUE(hasQuad(8, 22.49f, 22.51f));
  EXPECT_FLOAT_EQ(sectionQuads[1][0].rowFrom, -0.49f);

  // Section 2 ends on the summit loop, lane by lane (arcs 1 to 4).
  for (int a = 1; a <= 4; a++) {
    const BoardArc& loop = sectionArcs[2][a];
    SCOPED_TRACE(a);
    EXPECT_FLOAT_EQ(loop.centreX, SUMMIT_LOOP_X);
    EXPECT_FLOAT_EQ(loop.centreY, SUMMIT_LOOP_Y);
    EXPECT_FLOAT_EQ(loop.rowTo, 12.5f);
    EXPECT_FLOAT_EQ(loop.angleTo, 7.478f);
    EXPECT_FLOAT_EQ(loop.laneTo - loop.laneFrom, 1);
    // The summit, where the line winner's podium stands, is inside the loop.
    EXPECT_LT(hypot(SUMMIT_X - loop.centreX, SUMMIT_Y - loop.centreY),
              std::min(loop.radiusXTo, loop.radiusXFrom) - 20);
  }
  // Section 3 carries each of them on from row -0.5 to -0.01, then a thin
  // arc holds row 0.
  int carried = 0, thin = 0;
  for (int a = 0; a < sectionArcCount[3]; a++) {
    const BoardArc& arc = sectionArcs[3][a];
    if (arc.rowFrom == -0.01f && arc.rowTo == 0.01f) thin++;
    if (arc.rowFrom != -0.5f || arc.rowTo != -0.01f) continue;
    carried++;
    EXPECT_FLOAT_EQ(arc.angleFrom, 7.478f);
    const BoardArc* same = nullptr;
    for (int b = 1; b <= 4; b++)
      if (sectionArcs[2][b].laneFrom == arc.laneFrom) same = &sectionArcs[2][b];
    ASSERT_NE(same, nullptr);
    EXPECT_FLOAT_EQ(arc.centreX, same->centreX);
    EXPECT_FLOAT_EQ(arc.centreY, same->centreY);
    EXPECT_FLOAT_EQ(arc.radiusXFrom, same->radiusXFrom);
    EXPECT_FLOAT_EQ(arc.radiusXTo, same->radiusXTo);
    EXPECT_FLOAT_EQ(arc.radiusYFrom, same->radiusYFrom);
    EXPECT_FLOAT_EQ(arc.radiusYTo, same->radiusYTo);
    bool continued = false;
    for (int b = 0; b < sectionArcCount[3]; b++) {
      const BoardArc& next = sectionArcs[3][b];
      if (next.rowFrom == -0.01f && next.laneFrom == arc.laneFrom && next.angleFrom == arc.angleTo) continued = true;
    }
    EXPECT_TRUE(continued) << "lane from " << arc.laneFrom;
  }
  EXPECT_EQ(carried, 4);
  EXPECT_GE(thin, 1);
}

TEST_F(BoardPiecesTest, OutlinesLieOnTheirSectionsRoad) {
  for (int s = 0; s < SECTION_COUNT; s++) {
    std::vector<BoardPoint> road = roadPoints(s);
    for (int o = 0; o < sectionOutlineCount[s]; o++) {
      const BoardOutline& outline = sectionOutlines[2 * s + o];
      for (int i = 0; i < outline.pointCount; i++) {
        BoardPoint corner{static_cast<float>(outline.points[i][0]), static_cast<float>(outline.points[i][1])};
        double closest = 1e9;
        for (BoardPoint p : road) closest = std::min(closest, distance(p, corner));
        EXPECT_LT(closest, 25) << "section " << s << " outline " << o << " point " << i;
      }
    }
  }
}

// Walks every lane of laid courses in steps of a fiftieth of a row, across
// every seam between sections, the way the move animation does: every
// position has a piece, and the figure neither jumps nor turns suddenly.
TEST_F(BoardPiecesTest, LanesCanBeTravelledWithoutGapsJumpsOrSuddenTurns) {
  for (const char* course : COURSES) {
    lay(course);
    SCOPED_TRACE(course);
    double worstJump = 0, worstTurn = 0;
    for (int lane = 0; lane < TRACK_LANES; lane++)
      for (int row = 0; row + 1 < trackRowCount; row++) {
        if (trackSquareValue[row][lane] == SQUARE_NONE || trackSquareValue[row + 1][lane] == SQUARE_NONE) continue;
        BoardPoint previous{};
        double previousHeading = 0;
        for (int k = 0; k <= 50; k++) {
          float at = row + k / 50.0f;
          riders[0].boardX = -5000;  // a position without a piece keeps this point
          riders[0].boardY = -5000;
          BoardPoint p = positionToBoard(at, static_cast<float>(lane), 0, false);
          ASSERT_NE(p.x, -5000) << "row " << at << " lane " << lane;
          ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(riders[0].heading));
          if (k > 0) {
            double jump = distance(previous, p), turn = fabs(turnBetween(previousHeading, riders[0].heading));
            EXPECT_LT(jump, 8) << "row " << at << " lane " << lane;
            EXPECT_LT(turn, 0.06) << "row " << at << " lane " << lane;
            worstJump = std::max(worstJump, jump);
            worstTurn = std::max(worstTurn, turn);
          }
          previous = p;
          previousHeading = riders[0].heading;
        }
      }
    RecordProperty(std::string("worstJump_") + course, std::to_string(worstJump));
    RecordProperty(std::string("worstTurn_") + course, std::to_string(worstTurn));
  }
}

// A square's copies on other laps (109 rows and 3 lanes on) are the same
// square of the board, whichever circuit each lap takes; so are the start
// rows and the last rows of the circuit.
TEST_F(BoardPiecesTest, LapCopiesOfASquareLieOnTheSamePoint) {
  int compared = 0;
  for (const char* course : COURSES) {
    lay(course);
    SCOPED_TRACE(course);
    for (int row = 0; row + lapRowCount < trackRowCount; row++)
      for (int lane = 0; lane + 3 < TRACK_LANES; lane++) {
        if (trackSquareValue[row][lane] == SQUARE_NONE || trackSquareValue[row + lapRowCount][lane + 3] == SQUARE_NONE)
          continue;
        BoardPoint a = squareToBoard(row, lane, 0);
        BoardPoint b = squareToBoard(row + lapRowCount, lane + 3, 0);
        EXPECT_NEAR(a.x, b.x, 0.05) << "row " << row << " lane " << lane;
        EXPECT_NEAR(a.y, b.y, 0.05) << "row " << row << " lane " << lane;
        compared++;
      }
  }
  EXPECT_GT(compared, 500);
}

TEST_F(BoardPiecesTest, StartSquaresLieUnderTheStartHighlight) {
  lay("64S5F12");
  for (int row = 0; row <= 6; row++)
    for (int lane = 4; lane <= 7; lane++) {
      BoardPoint p = squareToBoard(row, lane, 0);
      EXPECT_NEAR(p.x, 528 + (row + 0.5) * 99, 0.01) << row << "/" << lane;
      EXPECT_NEAR(p.y, 975 + (lane - 4 + 0.5) * 37, 0.01) << row << "/" << lane;
    }
  lay("01S23S4S5F12");
  for (int row = 0; row <= 3; row++)
    for (int lane = 0; lane <= 4; lane++) {
      BoardPoint p = squareToBoard(row, lane, 0);
      EXPECT_NEAR(p.x, 1117 - (row + 0.5) * 98.25, 0.01) << row << "/" << lane;
      EXPECT_NEAR(p.y, 210 - (lane + 0.5) * 36.6, 0.01) << row << "/" << lane;
    }
}

// The squares of the first sections, worked out by hand from their pieces.
TEST_F(BoardPiecesTest, GivenPiecesOfTheFirstSectionsPlaceTheirSquares) {
  lay("01S23S4S5F12");
  // Section 1, row 8, lane 2 (track row 14): on the straight down the left
  // side, a sixth of the way down quad 1, half way across.
  BoardPoint p = squareToBoard(14, 2, 1);
  EXPECT_NEAR(p.x, 214 - 159 * 0.5, 1e-3);
  EXPECT_NEAR(p.y, 303 + 297 / 6.0, 1e-3);
  EXPECT_NEAR(riders[1].heading, PI / 2, 1e-6);  // riding down the board
  // Section 1, row 6, lane 4 (track row 12) on the first bend: lane 4 holds
  // real squares on rows 3, 4, 6 and 7 of the bend, so row 6 is the third of
  // four, drawn at 5/8 of the bend: 213.75 degrees, table entry 214.
  BoardPoint q = squareToBoard(12, 4, 1);
  double radius = 118 + (276 - 118) * 4.5 / 5;
  EXPECT_NEAR(q.x, 331 + cosTable[214] * radius, 1e-3);
  EXPECT_NEAR(q.y, 303 + sinTable[214] * radius, 1e-3);
  double angle = 4.712389 + (3.141593 - 4.712389) * 5 / 8.0;
  EXPECT_NEAR(riders[1].heading, angle - 1.570796325, 1e-5);
}

}  // namespace
