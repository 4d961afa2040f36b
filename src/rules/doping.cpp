#include "rules/doping.h"

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/race_state.h"
#include "rules/throw_rules.h"

namespace {

int activeRiderTerrain() { return terrainUnderRider(riders[activeRider]); }

}  // namespace

int freeDopingSlot() {
  if (!isRiderIndex(activeRider)) return -1;
  bool cobbles = activeRiderTerrain() == TERRAIN_COBBLES;
  for (int s = 0; s < 2; s++) {
    if (chosenCards[s] != CARD_DIE) continue;
    if (cobbles && chosenCards[1 - s] != CARD_DIE) continue;
    return s;
  }
  return -1;
}

void acceptDoping() {
  if (!isRiderIndex(activeRider)) return;
  dopingNumber[activeRider] = randomBelow(6) + 1;
  currentScreen = SCREEN_DOPING_NUMBER;
  requestRedraw();
}

void takeDopingCard() {
  if (!isRiderIndex(activeRider)) return;
  requestRedraw();
  const int slot = freeDopingSlot();
  if (slot != -1) {
    chosenCards[slot] = CARD_DOPING;
    dopingCardValue = activeRiderTerrain() == TERRAIN_CLIMB ? 5 : 6;
  } else {
    // No square for the card: the doping is not taken, so the control can
    // never catch him for it, and the panel still leads back to his cards.
    dopingNumber[activeRider] = -1;
  }
  currentScreen = SCREEN_PLAY_CARDS;
  requestRedraw();
}
