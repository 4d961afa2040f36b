// Drafting: after a move, the rider directly behind the mover's start
// square may follow him without a throw to the square directly behind the
// mover's end square; the offer then passes to the rider behind the
// follower, and so on. A person is asked; the computer decides by the reach
// of the follow square against his own best square.
#pragma once

// Offers the follow behind a leader who moved from (row, lane) to
// (targetRow, targetLane) with steps steps. Ends in nextTurn when nobody
// may or can follow; waits on the follow question for a person; decides at
// once for a computer rider.
void offerFollow(int row, int lane, int steps, int targetRow, int targetLane);

// Yes and No on the follow question.
void acceptFollow();
void declineFollow();

// The candidate follows (follow 1) from (fromRow, fromLane) to the lap copy
// of (toRow, toLane) ahead of him, scores the lines crossed, and the offer
// passes on behind him; or he stays (follow 0) and the next turn follows.
void performFollow(int follow, int fromRow, int fromLane, int toRow, int toLane, int steps);
