// The move of a computer rider shown on the board: a timer moves his figure
// along the path points of the move, square by square or smoothly, and ends
// the move on the last point. Also the step back of a person's move.
#pragma once
#include <cstdint>

// The fractional track position of the moving rider while he moves along a
// lane, and the row at which the current step along the lane ends.
extern float animRow;
extern float animLane;
extern float animRowTarget;
