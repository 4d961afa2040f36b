// What an event card does to the rider who drew it: turns to sit out (and
// the strength cards he may hand in against them), a crash that brings down
// the riders behind him, an extra strength card, an extra die, bonus
// squares, or four bonus squares against one handed-in card. Computer riders
// decide at once; a person answers on the event panels or in the card hand.
// Every operation sets currentScreen and redraws; the next step follows by
// a direct call, a button or a key.
#pragma once

#include "rules/race_state.h"

// Whether card slot 0..17 of the rider's team may be handed in or played by
// him: still in hand, his own member card, a team card or an extra card he
// won, and not a blue card while he stands on a climb.
bool cardUsableByRider(int rider, int slot);
// Whether any of the rider's team slots is usable by him.
bool riderHasUsableCard(int rider);

// OK on the event card panel: carries out the card drawn last for the
// active rider.
void applyEventCard();

// A person with turns to sit out: the hand-in screen when he holds a usable
// card, else the "no card to hand in" panel.
void askHandInCards();

// A person's answer on the card-kind question: the extra card of the given
// value (6 blue, 5 white) goes to the first free extra slot of his team.
// When all four extra slots hold cards still in hand, no card is given and
// the move is chosen at once.
void receiveExtraCard(int value);

// A person's answer on the timing question for the extra card just won:
// 1 plays it in this move, 0 keeps it in hand for a later move.
void useExtraCardNowOrLater(int now);

// Throw of the extra die (a person's event card 18 to 20).
void throwExtraDie();

// A computer rider hands in one card for the four bonus squares of card 29
// and moves.
void computerHandInForBonus();

// A computer rider with turns to sit out hands in what he may, one card per
// turn, and is parked for the round when turns remain.
void computerHandInCards();

// OK on the hand-in screens and on the "no card to hand in" panel.
void answerHandInCards();

// After a rider has decided on his hand-ins: the next crash victim decides
// (rider, front-most first), or with rider -1 the event rider's move goes
// on, or the next turn starts when he was parked.
void continueAfterEvent(int rider);

// The rider still to decide after a crash on the highest row, on equal rows
// the higher lane; -1 when there is none.
int findFrontInvolvedRider();

// OK on the "event card cancelled" panel (card 29 without a usable card):
// a person chooses his move, a computer rider moves with his plain throw.
void closeCancelledEventCard();
