// The order of play: after every move or event the next turn goes to the
// front-most rider who has not moved this round; a round ends when every
// rider has moved or sits out.
#pragma once

#include "model/track.h"

// Ends the move or event just played and starts the next turn: finishers
// leave the track with the riders queued behind them beyond the line, the
// round ends (as often as nobody may move because riders sit out) with
// parked riders put back, and the front-most unmoved rider plays, by the
// computer at once or by a person on the card screen. When every rider has
// finished, the doping control follows.
void nextTurn();

// riderLap[rider] = the number of lap marks behind the rider's square.
void updateRiderLap(int rider);

// Front-most: the higher row, on equal rows the higher lane.
bool riderAheadOf(const Rider& a, const Rider& b);

// Takes the rider off the occupancy grid; a cell that holds someone else is
// left alone.
void liftRiderOffGrid(int rider);
// Puts the rider back on his square in the occupancy grid when nobody
// stands there.
void putRiderBackOnGrid(int rider);
// Places the rider's figure on his square; off the grid it stays where it is.
void placeRiderFigure(int rider);

// A rider who has turns to sit out makes no move: unless parked he stays on
// his square, one of those turns is spent, and the turn passes.
void sitOutTurn(int rider);
