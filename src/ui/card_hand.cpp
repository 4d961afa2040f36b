#include "ui/card_hand.h"

// The hand is drawn and played from its own screen code; until a person can
// choose cards, the panel shows none and nothing in it reacts.
void drawCardHand() {}

void drawHandInSlots() {}

bool cardHandMouse(int, int, float, float) { return false; }

bool cardHandSpecialKey(int) { return false; }
