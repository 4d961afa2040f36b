// The two rules every move rests on: how the two movement values of a turn
// come about (two dice, or the cards standing in for them), and whether one
// step of a move is allowed and where it lands.
#pragma once
#include <cstdint>

#include "model/track.h"

// The most steps a move can have: two dice or cards of 6, an extra card,
// die or bonus squares worth at most 6 more, and a descent square of +5.
const int MAX_STEP_BUDGET = 6 + 6 + 6 + 5;
// A path buffer holds one letter per step of that budget and the terminator.
const int MOVE_PATH_SIZE = MAX_STEP_BUDGET + 1;

// The steps of a move, one letter each, zero-terminated: 'M' one row forward
// in the same lane, 'L' one row forward and one lane lower, 'R' one row
// forward and one lane higher. A step that lands on a pass-through square
// slides on along the lane without a further letter.
typedef char MovePath[MOVE_PATH_SIZE];

// Where a step lands, as (row, lane); (-1, -1) when the step is blocked.
struct StepResult {
  float row;
  float lane;
};

inline bool stepBlocked(StepResult result) { return result.row == -1 && result.lane == -1; }

// Sets both movementValues from one draw of gameRandom(): a die in slot 0
// shows draw mod 6 + 1, a die in slot 1 draw / 6 + 1 (draw taken mod 36);
// a card in a slot gives its value instead. Redraws.
void rollMovementValues();

// The Throw of the active (human) rider: rolls, works out the steps of the
// move and moves on to the no-move panel, the event card or the stepping.
void performThrow();

// One step from (row, lane): 'M', 'L' or 'R'. Tests, in this order: the lane
// stepped into exists; the square one row ahead there exists; unless
// ignoreOccupancy is set, the square the step lands on after sliding over
// pass-through squares exists and nobody stands on it or on its lap copies;
// no lane divider lies across a sideways step. Returns the landing square,
// or with ignoreOccupancy set only (row, lane) itself to say "allowed";
// (-1, -1) when blocked. Outside rows 0..544 and lanes 0..22 there is no
// square, so a step or slide leaving the grid is blocked.
StepResult tryStep(int32_t row, int32_t lane, char step, int32_t ignoreOccupancy);

// The terrain of the square the rider stands on; none off the road.
int32_t terrainUnderRider(const Rider& rider);

// The first row behind `row` in `lane` that is not a pass-through square
// (those are only ridden over, nobody stands on them); -1 when that would lie
// below row 0.
int32_t squareRowBehind(int32_t row, int32_t lane);

// tryStep for a search making many steps on a course that does not change
// meanwhile: the same answers, with the lane dividers read from a table by
// row and lane instead of being walked one by one. prepareStepTable() brings
// the table up to date with trackDividers (it rebuilds it only when they have
// changed) and must be called before a run of tryStepPrepared calls.
void prepareStepTable();
StepResult tryStepPrepared(int32_t row, int32_t lane, char step, int32_t ignoreOccupancy);
