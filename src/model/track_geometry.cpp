#include "model/track_geometry.h"

#include <cmath>

#include "model/settings.h"
#include "model/track.h"

float sinTable[361];
float cosTable[361];
float animRowStep = 0;

void fillSineTables() {
  for (int i = 0; i <= 360; i++) {
    double angle = 2 * i * 3.14159265 / 360;
    sinTable[i] = static_cast<float>(sin(angle));
    cosTable[i] = static_cast<float>(cos(angle));
  }
}

namespace {

// Riders outside the table (never passed by the game) get their heading
// written to a scratch record instead of past the end of riders.
Rider& headingOwner(int rider) {
  static Rider scratch;
  return isRiderIndex(rider) ? riders[rider] : scratch;
}

template <typename Piece>
bool covers(const Piece& piece, float row, float lane) {
  return piece.rowFrom <= row && row <= piece.rowTo && piece.laneFrom <= lane &&
         lane <= piece.laneTo;
}

const BoardQuad* findQuad(float row, float lane) {
  for (int q = 0; q < trackQuadCount; q++)
    if (covers(trackQuads[q], row, lane)) return &trackQuads[q];
  return nullptr;
}

const BoardArc* findArc(float row, float lane) {
  for (int a = 0; a < trackArcCount; a++)
    if (covers(trackArcs[a], row, lane)) return &trackArcs[a];
  return nullptr;
}

// Where value lies between from and to, 0 at from; a piece without extent in
// that direction has every value at its start.
double fraction(double value, double from, double to) {
  return to == from ? 0 : (value - from) / (to - from);
}

// The radii of a curve at a lane, linear between its inner and outer edge.
void arcRadiiAt(const BoardArc& piece, float lane, double& rx, double& ry) {
  double u = fraction(lane, piece.laneFrom, piece.laneTo);
  rx = piece.radiusXFrom + (piece.radiusXTo - piece.radiusXFrom) * u;
  ry = piece.radiusYFrom + (piece.radiusYTo - piece.radiusYFrom) * u;
}

// Whole degrees of an angle in radians, 0..360, rounded as the tables expect.
int wholeDegrees(double radians) {
  int d = static_cast<int>(fmod(radians * 360 / 6.2831853, 360) + 0.5);
  if (d < 0) d += 360;
  return d;
}

// The rows the animation advances each tick on a piece of the given row
// extent and drawn length: smooth movement covers smoothMoveDistance board
// units a tick, other movement the whole piece at once. It advances at least
// a little each tick, also on a piece without row extent, so a move always
// ends.
float animationRowStep(float extent, double length) {
  double step = smoothComputerMovement && length > 0 ? extent * smoothMoveDistance / length : extent;
  return step > 0 && std::isfinite(step) ? static_cast<float>(step) : 1.0f;
}

BoardPoint keepPreviousPoint(int rider) {
  const Rider& r = headingOwner(rider);
  return BoardPoint{r.boardX, r.boardY};
}

}  // namespace

BoardPoint squareToBoard(int row, int lane, int rider) {
  float r = static_cast<float>(row);
  float l = static_cast<float>(lane);
  if (const BoardQuad* quad = findQuad(r, l)) return quadPositionToBoard(*quad, r, l, rider);
  if (const BoardArc* arc = findArc(r, l)) return arcSquareToBoard(*arc, row, lane, rider);
  return keepPreviousPoint(rider);
}

BoardPoint positionToBoard(float row, float lane, int rider, bool movingRider) {
  if (const BoardQuad* quad = findQuad(row, lane)) {
    BoardPoint a = quadPositionToBoard(*quad, quad->rowFrom, lane, rider);
    BoardPoint b = quadPositionToBoard(*quad, quad->rowTo, lane, rider);
    BoardPoint p = quadPositionToBoard(*quad, row, lane, rider);
    if (movingRider) {
      float extent = quad->rowTo - quad->rowFrom;
      double length = hypot(b.x - a.x, b.y - a.y);
      animRowStep = animationRowStep(extent, length);
    }
    return p;
  }
  if (const BoardArc* arc = findArc(row, lane)) {
    BoardPoint p = arcPositionToBoard(*arc, row, lane, rider);
    if (movingRider) {
      float extent = arc->rowTo - arc->rowFrom;
      double rx, ry;
      arcRadiiAt(*arc, lane, rx, ry);
      double length = fabs((arc->angleTo - arc->angleFrom) * (rx + ry) / 2);
      animRowStep = animationRowStep(extent, length);
    }
    return p;
  }
  return keepPreviousPoint(rider);
}

BoardPoint quadPositionToBoard(BoardQuad piece, float row, float lane, int rider) {
  const float(*p)[2] = piece.corners;
  double t = fraction(row, piece.rowFrom, piece.rowTo);
  double u = fraction(lane, piece.laneFrom, piece.laneTo);
  // A on the laneFrom edge, B on the laneTo edge, both at t.
  double ax = p[0][0] + (p[1][0] - p[0][0]) * t;
  double ay = p[0][1] + (p[1][1] - p[0][1]) * t;
  double bx = p[3][0] + (p[2][0] - p[3][0]) * t;
  double by = p[3][1] + (p[2][1] - p[3][1]) * t;
  double x = ax + (bx - ax) * u;
  double cy = p[0][1] + (p[3][1] - p[0][1]) * u;
  double dy = p[1][1] + (p[2][1] - p[1][1]) * u;
  double y = cy + (dy - cy) * t;

  // The figure faces along the road: the angle between the across-lanes
  // vector A->B and the +y axis, signed by the direction of the road.
  double across = hypot(bx - ax, by - ay);
  double cosine = across > 0 ? (by - ay) / across : 1;
  if (cosine > 1) cosine = 1;
  if (cosine < -1) cosine = -1;
  double h = acos(cosine);
  headingOwner(rider).heading = p[0][1] < p[1][1] ? h : -h;
  return BoardPoint{static_cast<float>(x), static_cast<float>(y)};
}

BoardPoint arcSquareToBoard(BoardArc piece, int row, int lane, int rider) {
  double centre = arcSquareCentreRow(piece, row, lane);
  return arcPositionToBoard(piece, static_cast<float>(centre), static_cast<float>(lane), rider);
}

double arcSquareCentreRow(BoardArc piece, int row, int lane) {
  int first = static_cast<int>(ceil(piece.rowFrom));
  int last = static_cast<int>(piece.rowTo);
  int before = 0, all = 0;
  for (int i = first; i <= last; i++) {
    if (!insideTrack(i, lane)) continue;
    int value = trackSquareValue[i][lane];
    if (value == SQUARE_PASS_THROUGH || value == SQUARE_NONE) continue;
    all++;
    if (i <= row) before++;
  }
  // A curve holding no real square in this lane has no spacing to spread.
  if (all == 0) return row;
  return piece.rowFrom + (2.0 * before - 1) / (2.0 * all) * (piece.rowTo - piece.rowFrom);
}

BoardPoint arcPositionToBoard(BoardArc piece, float row, float lane, int rider) {
  double rx, ry;
  arcRadiiAt(piece, lane, rx, ry);
  double a = piece.angleFrom +
             (piece.angleTo - piece.angleFrom) * fraction(row, piece.rowFrom, piece.rowTo);
  headingOwner(rider).heading = piece.angleTo > piece.angleFrom ? a + 1.570796325 : a - 1.570796325;
  int d = wholeDegrees(a);
  double x, y;
  if (piece.tilt == 0) {
    x = piece.centreX + cosTable[d] * rx;
    y = piece.centreY + sinTable[d] * ry;
  } else {
    int e = wholeDegrees(piece.tilt);
    x = piece.centreX + cosTable[d] * rx * cosTable[e] - sinTable[d] * ry * sinTable[e];
    y = piece.centreY + cosTable[d] * rx * sinTable[e] + sinTable[d] * ry * cosTable[e];
  }
  return BoardPoint{static_cast<float>(x), static_cast<float>(y)};
}
