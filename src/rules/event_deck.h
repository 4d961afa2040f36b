// The event deck: thirty event cards drawn on a throw of 7, what each card
// does, their shuffled order, the position of the card last drawn, and each
// card's title and effect lines in the language that was set when the deck
// was shuffled.
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

// What an event card does to the rider who drew it.
enum EventEffectKind {
  EFFECT_SIT_OUT,           // turns to sit out, or strength cards handed in against them
  EFFECT_CRASH,             // he brings down the riders behind him
  EFFECT_EXTRA_CARD,        // an extra strength card, blue or white
  EFFECT_EXTRA_DIE,         // one die more for this move
  EFFECT_BONUS_SQUARES,     // squares added to this move
  EFFECT_HAND_IN_FOR_BONUS  // squares added against one handed-in strength card
};
struct EventEffect {
  EventEffectKind kind;
  // Turns he sits out; on a crash card 0 leaves him the one turn the crash
  // gives every rider it brings down.
  int skipTurns;
  int bonusSquares;  // the squares added to his move
  bool noDrafting;   // nobody may draft behind this move
};
// The squares that the one strength card handed in buys.
const int HAND_IN_BONUS_SQUARES = 4;

// The effect of card number card, from the card's row beside its effect
// lines; a number beyond the deck reads as its last card.
const EventEffect& eventEffectOf(int card);

// Shuffles the deck with gameRandom() and writes every card's texts in the
// current `language` (none for a language number outside 0..3). Called each
// time a course is fixed for a race.
void buildEventDeck();

// Draws the next event card: moves eventCardIndex on by one (position 29 is
// followed by position 0 of the same order) and returns the card number there.
int drawEventCard();

// The number of the card at eventCardIndex, the one drawn last.
int currentEventCard();
