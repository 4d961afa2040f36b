// Points at the sprint lines and the finish, and the rider who cannot move
// forward this turn.
#pragma once

// Gives *rider the first free place of every sprint line and of the finish
// that lies in fromRow <= line row < toRow (a rider who stops on a line has
// not crossed it yet), with that place's points. A rider who already holds a
// place on a line gets no second one there; a line whose places are all
// taken gives nothing.
void awardLinePoints(int fromRow, int toRow, int* rider);

// OK on the "no move" panel: the active rider is taken off the grid for the
// rest of the round and the next turn starts; the round end puts him back.
void parkBlockedRider();
