// The order of play: after every move or event the next turn goes to the
// front-most rider who has not moved this round; a round ends when every
// rider has moved or sits out.
#pragma once

// Ends the move or event just played and starts the next turn: finishers
// leave the track with the riders queued behind them beyond the line, the
// round ends (as often as nobody may move because riders sit out) with
// parked riders put back, and the front-most unmoved rider plays, by the
// computer at once or by a person on the card screen. When every rider has
// finished, the doping control follows.
void nextTurn();

// riderLap[rider] = the number of lap marks behind the rider's square.
void updateRiderLap(int rider);
