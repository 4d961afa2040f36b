#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "model/board_sections.h"
#include "model/settings.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "rules/course_builder.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

class TrackGeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initBoardSections();
    fillSineTables();
    ASSERT_TRUE(buildTestCourse("012S37812F34"));
    smoothComputerMovement = 1;
    smoothMoveDistance = 10;
  }
  void TearDown() override {
    smoothComputerMovement = defaultSmoothComputerMovement;
    smoothMoveDistance = defaultSmoothMoveDistance;
  }
};

TEST(SineTables, WholeDegrees) {
  fillSineTables();
  EXPECT_FLOAT_EQ(sinTable[0], 0);
  EXPECT_FLOAT_EQ(cosTable[0], 1);
  EXPECT_NEAR(sinTable[90], 1, 1e-6);
  EXPECT_NEAR(cosTable[180], -1, 1e-6);
  EXPECT_NEAR(sinTable[360], 0, 1e-6);
}

TEST_F(TrackGeometryTest, StartSquareInsideTheFirstStraight) {
  // Section 0's first quad covers rows -0.5..3.5 and lanes -0.5..4.5.
  BoardPoint p = squareToBoard(0, 0, 3);
  EXPECT_NEAR(p.x, 1117 - 393 * 0.125, 1e-3);
  EXPECT_NEAR(p.y, 210 - 183 * 0.1, 1e-3);
  // The road runs towards smaller x: the across-lane vector points up (-y).
  EXPECT_NEAR(riders[3].heading, -M_PI, 1e-6);
  BoardPoint q = squareToBoard(3, 4, 3);
  EXPECT_NEAR(q.x, 1117 - 393 * 0.875, 1e-3);
  EXPECT_NEAR(q.y, 210 - 183 * 0.9, 1e-3);
}

TEST_F(TrackGeometryTest, BoundaryBetweenPiecesUsesTheFirstPiece) {
  // Row 3.5 ends quad 0 (x 724) and starts quad 1 (x 723): quad 0 wins.
  BoardPoint p = positionToBoard(3.5f, 2, 5, false);
  EXPECT_NEAR(p.x, 724, 1e-3);
}

TEST_F(TrackGeometryTest, AnimationStepFollowsThePieceForTheMovingRiderOnly) {
  animRowStep = -1;
  positionToBoard(1.0f, 2, 5, false);  // not the rider being moved
  EXPECT_EQ(animRowStep, -1);
  positionToBoard(1.0f, 2, 4, true);
  // Quad 0: 4 rows over 393 board units along every lane.
  EXPECT_NEAR(animRowStep, 4 * 10 / 393.0, 1e-5);
  smoothComputerMovement = 0;
  smoothMoveDistance = 500;
  positionToBoard(1.0f, 2, 4, true);
  EXPECT_FLOAT_EQ(animRowStep, 4);
  // On a curve: section 1 arc 0, rows 2.5..7.5 (track 8.5..13.5), radius at lane 2.
  smoothComputerMovement = 1;
  smoothMoveDistance = 10;
  positionToBoard(10.0f, 2, 4, true);
  double r = 118 + (276 - 118) * (2 + 0.5) / 5;
  EXPECT_NEAR(animRowStep, 5 * 10 / (fabs(3.141593 - 4.712389) * r), 1e-4);
}

TEST_F(TrackGeometryTest, SquaresOfACurveAreSpreadEvenlyOverIt) {
  // Section 1 arc 1 covers rows 13.5..23.5 (track 19.5..29.5). Lane 1 holds
  // real squares on section rows 16, 18, 21 and 23 only.
  const BoardArc& arc = sectionArcs[1][1];
  BoardArc track = arc;
  track.rowFrom += 6;
  track.rowTo += 6;
  EXPECT_NEAR(arcSquareCentreRow(track, 22, 1), 19.5 + 10.0 / 8, 1e-6);
  EXPECT_NEAR(arcSquareCentreRow(track, 27, 1), 19.5 + 50.0 / 8, 1e-6);
  EXPECT_NEAR(arcSquareCentreRow(track, 29, 1), 19.5 + 70.0 / 8, 1e-6);
  // Before the first real square of the lane: half a spacing before the start.
  EXPECT_NEAR(arcSquareCentreRow(track, 20, 1), 19.5 - 10.0 / 8, 1e-6);
  // Lane 4 has a real square on every row 14..23 but 15 and 20.
  EXPECT_NEAR(arcSquareCentreRow(track, 20, 4), 19.5 + 10.0 / 16, 1e-6);
}

TEST_F(TrackGeometryTest, ArcPointsUseWholeDegreesAndFaceAlongTheCurve) {
  BoardArc arc(0, 10, 0, 4, 500, 400, 100, 140, 50, 90, 0, 6.2831853f, 0);
  // Lane 2: radii 120 and 70. Row 0: angle 0.
  BoardPoint p = arcPositionToBoard(arc, 0, 2, 1);
  EXPECT_NEAR(p.x, 620, 1e-3);
  EXPECT_NEAR(p.y, 400, 1e-3);
  EXPECT_NEAR(riders[1].heading, 1.570796325, 1e-6);
  // A quarter of the way: 90 degrees.
  BoardPoint q = arcPositionToBoard(arc, 2.5f, 2, 1);
  EXPECT_NEAR(q.x, 500, 1e-3);
  EXPECT_NEAR(q.y, 470, 1e-3);

  // -0.2 degrees is taken as degree 0, 359.7 as degree 360 (the last entry).
  BoardArc small(0, 1, 0, 1, 0, 0, 100, 100, 100, 100,
                 static_cast<float>(-0.2 * M_PI / 180), static_cast<float>(-0.2 * M_PI / 180), 0);
  BoardPoint s = arcPositionToBoard(small, 0, 0, 1);
  EXPECT_NEAR(s.x, 100, 1e-3);
  EXPECT_NEAR(s.y, 0, 1e-3);
  // Running backwards, the figure faces the other way.
  BoardArc back(0, 1, 0, 1, 0, 0, 100, 100, 100, 100, 1.0f, 0.5f, 0);
  arcPositionToBoard(back, 0, 0, 2);
  EXPECT_NEAR(riders[2].heading, 1.0 - 1.570796325, 1e-6);
  // A tilt turns the ellipse.
  BoardArc tilted(0, 1, 0, 1, 0, 0, 100, 100, 50, 50, 0, 0, static_cast<float>(M_PI / 2));
  BoardPoint t = arcPositionToBoard(tilted, 0, 0, 1);
  EXPECT_NEAR(t.x, 0, 1e-3);
  EXPECT_NEAR(t.y, 100, 1e-3);
}

TEST_F(TrackGeometryTest, ThinCurveHoldsItsSquareInTheMiddle) {
  trackArcCount = 0;
  trackQuadCount = 0;
  trackArcs[trackArcCount++] = BoardArc(-0.01f, 0.01f, 0.5f, 4.5f, 0, 0, 100, 200, 100, 200, 0, 0.1f, 0);
  EXPECT_NEAR(arcSquareCentreRow(trackArcs[0], 0, 2), 0, 1e-6);
}

TEST_F(TrackGeometryTest, PositionOffTheRoadKeepsThePreviousPoint) {
  riders[6].boardX = 12;
  riders[6].boardY = 34;
  BoardPoint p = positionToBoard(3.0f, 20.0f, 6, false);
  EXPECT_EQ(p.x, 12);
  EXPECT_EQ(p.y, 34);
  BoardPoint q = squareToBoard(540, 0, 6);
  EXPECT_EQ(q.x, 12);
}


// Pieces without extent, curves that do not turn and lanes without a real
// square give finite points, headings and animation steps, never NaN.
TEST_F(TrackGeometryTest, DegeneratePiecesGiveFiniteResults) {
  auto finite = [](BoardPoint p, int rider) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(riders[rider].heading);
  };
  // A straight of no length and one of no width.
  BoardQuad flat(4, 4, 0, 3, 10, 10, 10, 10, 40, 10, 40, 10, 1);
  EXPECT_TRUE(finite(quadPositionToBoard(flat, 4, 1, 2), 2));
  BoardQuad thin(0, 3, 2, 2, 10, 10, 80, 10, 80, 10, 10, 10, 1);
  EXPECT_TRUE(finite(quadPositionToBoard(thin, 1.5f, 2, 2), 2));
  // All corners on one point: no across-lane direction at all.
  BoardQuad dot(0, 1, 0, 1, 5, 5, 5, 5, 5, 5, 5, 5, 1);
  EXPECT_TRUE(finite(quadPositionToBoard(dot, 0.5f, 0.5f, 2), 2));
  // The across-lane vector exactly along +y: acos at its limit, heading 0
  // or pi, never NaN.
  BoardQuad down(0, 1, 0, 1, 0, 0, 0, 50, 30, 50, 30, 0, 1);
  quadPositionToBoard(down, 0.5f, 0.5f, 2);
  EXPECT_TRUE(std::isfinite(riders[2].heading));
  // A curve that does not turn, and one without row extent.
  BoardArc still(0, 2, 0, 2, 100, 100, 50, 80, 50, 80, 1.0f, 1.0f, 0);
  EXPECT_TRUE(finite(arcPositionToBoard(still, 1, 1, 3), 3));
  BoardArc instant(2, 2, 0, 2, 100, 100, 50, 80, 50, 80, 0, 1.0f, 0);
  EXPECT_TRUE(finite(arcPositionToBoard(instant, 2, 1, 3), 3));
  BoardArc narrow(0, 2, 1, 1, 100, 100, 50, 80, 50, 80, 0, 1.0f, 0);
  EXPECT_TRUE(finite(arcPositionToBoard(narrow, 1, 1, 3), 3));

  // Laid on the track, the moving rider's animation step stays a usable
  // positive number on each of them.
  trackQuadCount = trackArcCount = 0;
  trackQuads[trackQuadCount++] = BoardQuad(0.5f, 0.5f, 0, 3, 10, 10, 10, 10, 40, 10, 40, 10, 1);
  trackArcs[trackArcCount++] = BoardArc(1, 3, 0, 3, 100, 100, 50, 80, 50, 80, 1.0f, 1.0f, 0);
  for (float row : {0.5f, 2.0f}) {
    animRowStep = -1;
    EXPECT_TRUE(finite(positionToBoard(row, 1, 5, true), 5)) << row;
    EXPECT_TRUE(std::isfinite(animRowStep)) << row;
    EXPECT_GT(animRowStep, 0) << row;
  }
}

TEST_F(TrackGeometryTest, ALaneWithoutRealSquaresOnACurveKeepsItsRow) {
  // Section 3's hairpin after the summit holds no real square in lane 2
  // between the pass-through cells; the centre of such a cell is its row.
  for (int row = 0; row < TRACK_ROWS; row++) trackSquareValue[row][20] = SQUARE_PASS_THROUGH;
  BoardArc arc(10.5f, 12.5f, 19.5f, 20.5f, 0, 0, 50, 80, 50, 80, 0, 1.0f, 0);
  EXPECT_DOUBLE_EQ(arcSquareCentreRow(arc, 11, 20), 11);
  BoardPoint p = arcSquareToBoard(arc, 11, 20, 4);
  EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

}  // namespace
