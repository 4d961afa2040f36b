// The turn of a rider played by the computer: how far he wants to go, the
// strength cards he plays, the breakaway, the throw, and the move the
// search picks for the total thrown.
#pragma once

#include "rules/throw_rules.h"

// Plays the turn of *rider (the active rider, lifted off the grid): aims
// at the nearest scoring line that still pays (else beyond the finish, else
// past the last climb), plays cards by the terrain rules after round 1,
// declares a breakaway unless team-mates are queued behind him, throws, and
// hands the move to startComputerMove (or, on a 7 with event cards on,
// waits on the event card). total, bestRow, bestLane and path (a MovePath
// buffer) are the caller's, passed on to startComputerMove.
void playComputerTurn(int* rider, int* total, int* bestRow, int* bestLane, char* path);

// Plays the active rider's move for the thrown *total: the square's value
// is added to give the step budget, the search picks the end square and its
// path (starting from *bestRow/*bestLane as the best so far; -1, -1 starts
// afresh), the path points are laid and the move timer starts. The chosen
// end square is left in *bestRow/*bestLane and the path in *path. A budget
// below 1 ends on the "no move" panel. A rider who still has turns to sit
// out sits this turn out and the next turn follows.
void startComputerMove(int* total, int* bestRow, int* bestLane, char* path);
