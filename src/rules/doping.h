// Doping during a turn: a person's rider may take doping once per stage.
// He gets a secret doping number 1..6 and a doping card, worth one strength
// card, for the move he is about to throw. (The doping control at the end of
// the stage is in stage_end.h.)
#pragma once

// The slot of chosenCards the doping card would go into, -1 when it cannot
// be added: the first slot still holding the die, and on cobbles only while
// no card at all is chosen (one card at most on cobbles).
int freeDopingSlot();

// Yes on the doping question: the active rider draws his doping number
// (1..6) and the panel showing it opens.
void acceptDoping();

// OK on the doping-number panel: the doping card goes into the free slot of
// chosenCards, worth 5 on a climb square and 6 anywhere else, and the card
// screen returns. With no free slot the card screen returns all the same,
// with no card placed and the doping not taken (his doping number -1).
// Without an active rider nothing happens.
void takeDopingCard();
