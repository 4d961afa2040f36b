// Where a square, or a fractional position during a move animation, lies on
// the board picture, and which way a rider figure there faces. Every call
// writes the rider's heading; the caller stores the point in boardX/boardY.
#pragma once

#include "model/board_sections.h"

struct BoardPoint {
  float x = 0;
  float y = 0;
};

// One entry per whole degree 0..360, filled by fillSineTables at start.
extern float sinTable[361];
extern float cosTable[361];
void fillSineTables();

// Rows the move animation advances per tick; set by positionToBoard for the
// rider being moved from the piece he is on.
extern float animRowStep;

// The centre of square (row, lane). A square no piece covers keeps the
// rider's previous point.
BoardPoint squareToBoard(int row, int lane, int rider);
// Any fractional position on the track. For the rider the move animation is
// moving (movingRider true) it also sets animRowStep.
BoardPoint positionToBoard(float row, float lane, int rider, bool movingRider);
BoardPoint quadPositionToBoard(BoardQuad piece, float row, float lane, int rider);
BoardPoint arcSquareToBoard(BoardArc piece, int row, int lane, int rider);
// The fractional row at which square (row, lane) of a curve is drawn: the
// real squares of a lane are spread evenly over the curve.
double arcSquareCentreRow(BoardArc piece, int row, int lane);
BoardPoint arcPositionToBoard(BoardArc piece, float row, float lane, int rider);
