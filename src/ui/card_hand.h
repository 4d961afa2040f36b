// The card hand of the race panel: the shown team's strength cards with the
// team tabs, and the hand-in slots of an event card.
#pragma once

// The card panel with the team tabs and the shown team's cards.
void drawCardHand();

// The two hand-in slots and their OK button (hand-in screens only).
void drawHandInSlots();

// A mouse event on the cards, tabs and hand-in slots. True when it hit one
// of them.
bool cardHandMouse(int button, int state, float x, float y);

// A special key for the card hand (F1 to F12). True when it is one of its
// keys on this screen.
bool cardHandSpecialKey(int key);
