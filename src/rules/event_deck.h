// The event deck: thirty event cards drawn on a throw of 7, their shuffled
// order, the position of the card last drawn, and each card's title and
// effect lines in the language that was set when the deck was shuffled.
#pragma once

const int EVENT_CARD_COUNT = 30;
const int EVENT_TITLE_LINES = 2;
const int EVENT_TITLE_SIZE = 30;   // 29 characters and the terminating zero
const int EVENT_EFFECT_LINES = 5;
const int EVENT_EFFECT_SIZE = 33;  // 32 characters and the terminating zero

// Entry p is the number of the card at deck position p.
extern unsigned char eventDeckOrder[EVENT_CARD_COUNT];
// Deck position of the card last drawn. Zero at program start; a shuffle
// leaves it where it is, so it runs on from race to race.
extern unsigned char eventCardIndex;
// Per card number: two title lines and up to five effect lines, Latin-1,
// zero-terminated; unused lines are empty.
extern char eventCardTitle[EVENT_CARD_COUNT][EVENT_TITLE_LINES][EVENT_TITLE_SIZE];
extern char eventCardEffect[EVENT_CARD_COUNT][EVENT_EFFECT_LINES][EVENT_EFFECT_SIZE];

// Shuffles the deck with gameRandom() and writes every card's texts in the
// current `language` (none for a language number outside 0..3). Called each
// time a course is fixed for a race.
void buildEventDeck();

// Draws the next event card: moves eventCardIndex on by one (position 29 is
// followed by position 0 of the same order) and returns the card number there.
int drawEventCard();

// The number of the card at eventCardIndex, the one drawn last.
int currentEventCard();
