#include "rules/move_animation.h"

#include <climits>
#include <cmath>

#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "rules/drafting.h"
#include "rules/line_points.h"
#include "rules/race_state.h"
#include "rules/turn_sequence.h"

float animRow = 0;
float animLane = 0;
float animRowTarget = 0;
int32_t animOnSegment = 0;
float animStep[2] = {0, 0};
float animSegmentEnd[2] = {0, 0};
float animPointX = 0;
float animPointY = 0;

namespace {

// The number of the move being animated; ticks carry it as their value.
int moveNumber = 0;
bool tickPending = false;

void askForTick(unsigned int delayMs) {
  tickPending = true;
  requestMoveTimer(delayMs, moveNumber);
}

// A smooth move advances at least one board unit per tick, so that it
// always ends.
float smoothDistance() { return smoothMoveDistance < 1 ? 1.0f : smoothMoveDistance; }

int pointRow(int index) { return static_cast<int>(pathPoints[index][0]); }
int pointLane(int index) { return static_cast<int>(pathPoints[index][1]); }

bool arcContains(const BoardArc& arc, int row, int lane) {
  return arc.rowFrom <= row && row <= arc.rowTo && arc.laneFrom <= lane && lane <= arc.laneTo;
}

// The figure at a fractional position along a lane; also sets the rows the
// next tick goes. Where no piece of road covers the position, one row a
// tick.
BoardPoint placeAlongLane(float row, float lane) {
  float distance = smoothMoveDistance;
  smoothMoveDistance = smoothDistance();
  animRowStep = 1;
  BoardPoint point = positionToBoard(row, lane, activeRider, true);
  smoothMoveDistance = distance;
  return point;
}

// The straight segment from path point index - 1 to point index.
void setUpSegment(int index) {
  BoardPoint a = squareToBoard(pointRow(index - 1), pointLane(index - 1), activeRider);
  BoardPoint b = squareToBoard(pointRow(index), pointLane(index), activeRider);
  float dx = b.x - a.x, dy = b.y - a.y;
  if (smoothComputerMovement) {
    float length = std::sqrt(dx * dx + dy * dy);
    float scale = length > 0 ? smoothDistance() / length : 0;
    animStep[0] = dx * scale;
    animStep[1] = dy * scale;
    animRowStep = 0;
  } else {
    animStep[0] = dx;
    animStep[1] = dy;
  }
  animSegmentEnd[0] = b.x;
  animSegmentEnd[1] = b.y;
}

// A coordinate that has passed its end stops on it.
void clampToEnd(float& value, float step, float end) {
  if ((step > 0 && value > end) || (step < 0 && value < end)) value = end;
}

bool stepHasEnded() {
  if (pathLength == 0) return true;
  if (!animOnSegment) return animRowStep >= 0 && animRowTarget <= animRow + 0.5f * animRowStep;
  // On a segment the x coordinate alone decides.
  return (animStep[0] >= 0 && animSegmentEnd[0] <= animPointX + 0.5f * animStep[0]) ||
         (animStep[0] <= 0 && animPointX + 0.5f * animStep[0] <= animSegmentEnd[0]);
}

// The rider has reached the last point: he stands on his end square,
// scores the lines crossed, and drafting or the next turn follows. A move
// of no steps parks him.
void endMove() {
  Rider& rider = riders[activeRider];
  animOnSegment = 0;
  rider.movedThisRound = 1;
  moveEndpoints[2] = pathPoints[pathLength][0];
  moveEndpoints[3] = pathPoints[pathLength][1];
  if (pathLength == 0) rider.parked = 1;
  if (!rider.parked) {
    int mover = activeRider;
    awardLinePoints(static_cast<int>(moveEndpoints[0]), rider.row, &mover);
    trackOccupant[rider.row][rider.lane] = activeRider;
  }
  requestRedraw();
  if (breakawayDeclared == 0 && !rider.parked)
    offerFollow(static_cast<int>(moveEndpoints[0]), static_cast<int>(moveEndpoints[1]), pathLength,
                rider.row, rider.lane);
  else
    nextTurn();
}

// The rider stands on path point pathPointIndex.
void reachPoint() {
  int row = pointRow(pathPointIndex), lane = pointLane(pathPointIndex);
  Rider& rider = riders[activeRider];
  animRow = static_cast<float>(row);
  if (!rider.parked) {
    rider.row = row;
    rider.lane = lane;
  }
  for (int a = 0; a < trackArcCount; a++)
    if (arcContains(trackArcs[a], row, lane)) {
      animRow = static_cast<float>(arcSquareCentreRow(trackArcs[a], row, lane));
      BoardPoint point = squareToBoard(rider.row, rider.lane, activeRider);
      rider.boardX = point.x;
      rider.boardY = point.y;
    }
  animLane = static_cast<float>(lane);
  updateRiderLap(activeRider);
  requestRedraw();
}

void setUpNextStep() {
  pathPointIndex += 1;
  int row = pointRow(pathPointIndex), lane = pointLane(pathPointIndex);
  if (lane == pointLane(pathPointIndex - 1)) {
    animRowTarget = squareDrawnRow(row, lane);
    animOnSegment = 0;
    animStep[0] = animStep[1] = 0;
  } else {
    setUpSegment(pathPointIndex);
    BoardPoint a = squareToBoard(pointRow(pathPointIndex - 1), pointLane(pathPointIndex - 1), activeRider);
    animPointX = a.x;
    animPointY = a.y;
    animOnSegment = 1;
    animRowStep = 0;
  }
}

void placeFigure() {
  Rider& rider = riders[activeRider];
  if (!animOnSegment) {
    BoardPoint point = placeAlongLane(animRow, animLane);
    rider.boardX = point.x;
    rider.boardY = point.y;
    return;
  }
  float length = std::sqrt(animStep[0] * animStep[0] + animStep[1] * animStep[1]);
  if (length == 0) {
    rider.heading = 0;
  } else {
    float cosine = animStep[0] / length;
    if (cosine > 1) cosine = 1;
    if (cosine < -1) cosine = -1;
    rider.heading = std::acos(cosine);
    if (animStep[1] <= 0) rider.heading = -rider.heading;
  }
  rider.boardX = animPointX;
  rider.boardY = animPointY;
}

}  // namespace

float squareDrawnRow(int row, int lane) {
  float target = static_cast<float>(row);
  for (int a = 0; a < trackArcCount; a++)
    if (arcContains(trackArcs[a], row, lane)) target = static_cast<float>(arcSquareCentreRow(trackArcs[a], row, lane));
  return target;
}

void startMoveAnimation() {
  // A new move: earlier ticks no longer count, and nothing of an earlier
  // (perhaps abandoned) move's animation is left over.
  moveNumber = moveNumber == INT_MAX ? 1 : moveNumber + 1;
  tickPending = false;
  animOnSegment = 0;
  animStep[0] = animStep[1] = 0;
  animSegmentEnd[0] = animSegmentEnd[1] = 0;
  pathPointIndex = 0;
  if (pathLength < 0) pathLength = 0;
  if (pathLength > MAX_PATH_POINTS - 1) pathLength = MAX_PATH_POINTS - 1;
  animRow = pathPoints[0][0];
  animLane = pathPoints[0][1];
  // How far the first tick goes, as the figure's placing would set it; the
  // figure itself stays where it stands.
  if (isRiderIndex(activeRider)) {
    Rider saved = riders[activeRider];
    placeAlongLane(animRow, animLane);
    riders[activeRider].heading = saved.heading;
  }
  askForTick(0);
}

void restartMoveTimer() {
  if (currentScreen == SCREEN_MOVING && !tickPending) askForTick(0);
}

bool moveTickIsPending() { return tickPending; }

void onComputerMoveTimer(int value) {
  if (value != moveNumber) return;  // a tick of an earlier move
  tickPending = false;
  if (currentScreen != SCREEN_MOVING) return;
  if (!isRiderIndex(activeRider)) return;

  if (animOnSegment && pathPointIndex >= 1) setUpSegment(pathPointIndex);
  if (pathLength > 0) {
    animRow += animRowStep;
    animPointX += animStep[0];
    animPointY += animStep[1];
    clampToEnd(animPointX, animStep[0], animSegmentEnd[0]);
    clampToEnd(animPointY, animStep[1], animSegmentEnd[1]);
  }
  if (stepHasEnded()) {
    reachPoint();
    if (pathPointIndex >= pathLength) {
      endMove();
      return;
    }
    setUpNextStep();
  }
  placeFigure();
  requestRedraw();
  // One millisecond more than the settings' interval, so that even an
  // interval of 0 waits.
  int interval = smoothComputerMovement ? smoothMoveDelayMs : stepMoveIntervalMs;
  askForTick(static_cast<unsigned int>(interval > 0 ? interval : 0) + 1);
}

void undoMoveStep() {
  if (pathPointIndex <= 0 || !isRiderIndex(activeRider)) return;
  pathPointIndex -= 1;
  Rider& rider = riders[activeRider];
  rider.row = pointRow(pathPointIndex);
  rider.lane = pointLane(pathPointIndex);
  BoardPoint point = positionToBoard(pathPoints[pathPointIndex][0], pathPoints[pathPointIndex][1], activeRider, true);
  rider.boardX = point.x;
  rider.boardY = point.y;
  updateRiderLap(activeRider);
  requestRedraw();
}
