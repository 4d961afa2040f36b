// Who stands on a square, looking across the lap copies of the circuit, and
// a few small helpers shared by the rules and the screens.
#pragma once

// The rider on (row, lane) or on one of its copies on other laps (109 rows
// and 3 lanes apart), lowest lap first; -1 when none. With acrossLaps false,
// the plain occupant of the cell. A square outside the grid holds nobody.
int riderAtSquare(int row, int lane, bool acrossLaps);

// The index of the single largest of count values. On a tie for the largest
// the tied entries become -1 (they throw again), the rest 0, the display is
// redrawn and -1 returned. No values: -1 and nothing rewritten.
int findUniqueMax(int values[], int count);

bool containsInt(const int values[], int value, unsigned count);
int indexOfInt(const int values[], int value, unsigned count);

// 'A'..'Z' to 'a'..'z'; every other byte unchanged.
char toLowerAscii(char c);
