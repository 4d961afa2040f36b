// The start of a race: every team throws two dice for the start order
// (ties are thrown again by the tied teams only), then the teams place
// their riders on the start grid one by one, and round 1 begins.
#pragma once
#include <cstdint>

// The first rider placed on the grid (the winning team's member 0); the
// placing ends when the turn comes back round to him.
extern int32_t firstPlacingRider;

// The start-order throw of the team of activeRider: two dice from one draw,
// their sum in startRolls; then the result is shown.
void throwStartOrder();

// After each start-order throw (Next): either the order is settled and the
// winning team places its first rider, or the next team (or the next team
// of a roll-off) throws.
void resolveStartOrder();

// Places activeRider, of a computer team, on the start grid: rows 2, 3, 1, 0
// in that order, lanes from the highest down, never in a lane where a
// team-mate already stands; then the next rider is placed.
void placeComputerRider();

// After a rider has been placed: the next rider in the placing order, or,
// when all sixteen stand on the grid, the first turn.
void selectNextRiderToPlace();

// Whether a team-mate of rider stands in rows 0 to 3 of the lane: a team
// places at most one rider in each start lane.
bool teamMateAtLaneStart(int rider, int lane);

// Whether rider may be placed on (row, lane): a square of the start grid
// (rows 0 to 3 of the course's start lanes), free, and no team-mate at the
// head of its lane. The start-grid highlight is white exactly then.
bool mayStartOn(int rider, int row, int lane);

// Enter on the start grid: places activeRider (a person's) on the cursor
// square when he may start there, puts the cursor back on the first start
// square and goes on with the next rider. False, changing nothing, when he
// may not (a taken square, a team-mate in the lane, or a cursor off the
// grid, as it is once the last rider stands).
bool placeRiderAtStartCursor();
