// The move of a computer rider shown on the board: a timer moves his figure
// along the path points of the move, square by square or smoothly at the
// settings' interval and distance, and ends the move on the last point.
// Also the step back of a person's move.
//
// The timer runs through the move-timer hook (the window binds it to its
// timer). At most one tick is pending at any time: each move has its own
// number, carried as the tick's value, so a tick of an earlier move or an
// abandoned race does nothing.
#pragma once
#include <cstdint>

// The fractional track position of the moving rider while he moves along a
// lane, and the row at which the current step along the lane ends (the
// square's row, or on a curve the row at which the square is drawn).
extern float animRow;
extern float animLane;
extern float animRowTarget;
// 1 while the figure travels the straight segment of a step that changes
// lane, 0 while it moves along the lane.
extern int32_t animOnSegment;
// Board units added per tick on a segment, the segment's end, and the
// figure's point on it.
extern float animStep[2];
extern float animSegmentEnd[2];
extern float animPointX;
extern float animPointY;

// The row at which the animation along a lane reaches the square: its own
// row, or on a curve the row at which the square is drawn.
float squareDrawnRow(int row, int lane);

// Starts the animation of the move whose path points startComputerMove has
// laid: resets the animation state, works out how far the first tick goes,
// and asks for the first tick at once.
void startMoveAnimation();

// Restarts a paused move (after an overlay over the move closes): asks for
// a tick at once, unless the screen is not the moving screen or a tick of
// this move is still pending.
void restartMoveTimer();

// Whether a tick of the current move is pending.
bool moveTickIsPending();

// One tick of the move timer; value is the number the tick was asked for
// with. Moves the figure one stretch on; at the last point ends the move
// (end square, line points, drafting or the next turn), else asks for the
// next tick. On any screen but the moving screen it does nothing and asks
// for no further tick.
void onComputerMoveTimer(int value);

// Takes back the last step of a person's move (at least one step taken).
void undoMoveStep();
