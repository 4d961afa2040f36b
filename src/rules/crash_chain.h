// The crash chain: a rider who causes a crash brings down every rider caught
// behind him.
#pragma once

// Brings down the rider on (row, lane), looked up across laps (`skipTurns` 1,
// `crashInvolved` 1), and passes the crash on to the riders caught behind
// him: the next square behind in his lane (pass-through squares skipped),
// and beside him from his row back to that square, left and right unless a
// lane divider stands between the lanes at his row. On originRow, the row of
// the rider who caused the crash, a rider level on the right counts as ahead
// and is not caught. A rider already sitting out turns is neither brought
// down nor passes the crash on. An empty square brings nobody down.
void spreadCrash(int row, int lane, int originRow);
