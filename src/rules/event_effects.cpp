#include "rules/event_effects.h"

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/computer_turn.h"
#include "rules/crash_chain.h"
#include "rules/event_deck.h"
#include "rules/race_state.h"
#include "rules/throw_rules.h"
#include "rules/turn_sequence.h"

namespace {


bool onClimb(const Rider& r) { return terrainUnderRider(r) == TERRAIN_CLIMB; }
bool onCobbles(const Rider& r) { return terrainUnderRider(r) == TERRAIN_COBBLES; }

// The value of a card slot of the team: the printed value of a strength or
// team card, or the value the extra card was won with.
int slotValue(int team, int slot) {
  return slot < STRENGTH_CARDS ? strengthCardValue[slot] : extraCardValue[team][slot - FIRST_EXTRA_SLOT];
}

// A rider with turns still to sit out after his hand-ins leaves the road
// for the rest of the round; this round counts as one of those turns.
void parkForTheRound(int rider) {
  Rider& r = riders[rider];
  r.parked = 1;
  r.movedThisRound = 1;
  r.skipTurns -= 1;
  liftRiderOffGrid(rider);
  placeRiderFigure(rider);
  requestRedraw();
}

// Plays the computer rider's move for total steps before the square's
// value, the search starting from the given best square.
void moveComputerRider(int total, int* bestRow, int* bestLane) {
  MovePath path = {};
  startComputerMove(&total, bestRow, bestLane, path);
}

// The computer's moves after a hand-in: the search starts from fresh cells.
void moveAfterHandIn(int total) {
  int bestRow = 0, bestLane = 0;
  moveComputerRider(total, &bestRow, &bestLane);
}

int thrownTotal() { return movementValues[0] + movementValues[1]; }

// The computer's moves after an extra card, an extra die or bonus squares:
// the bonus of the card is added to his throw and shown, and the search
// starts with the rider's own square as the best so far.
void moveWithBonus(int bonus) {
  int total = thrownTotal() + bonus;
  movementTotal += bonus;
  requestRedraw();
  currentScreen = SCREEN_MOVING;
  Rider& r = riders[activeRider];
  moveComputerRider(total, &r.row, &r.lane);
}

// One draw of a die, 1 to 6.
int dieDraw() { return randomBelow(6) + 1; }

// The first extra slot (0..3) of the team that holds no card or a used one;
// -1 when all four hold cards still in hand.
int firstFreeExtraSlot(int team) {
  for (int i = 0; i < EXTRA_SLOTS; i++)
    if (cardUsed[team][FIRST_EXTRA_SLOT + i] != 0) return i;
  return -1;
}

// A sit-out or crash card leaves the rider who drew it to decide on his
// hand-ins.
void decideHandIns(int rider) {
  if (riders[rider].humanControlled)
    askHandInCards();
  else
    computerHandInCards();
}

void applySitOutCard(const EventEffect& effect) {
  int rider = activeRider;
  eventCardRider = rider;
  riders[rider].skipTurns = effect.skipTurns;
  liftRiderOffGrid(rider);
  currentScreen = SCREEN_BUSY;
  requestRedraw();
  decideHandIns(rider);
}

void applyCrashCard(const EventEffect& effect) {
  int rider = activeRider;
  Rider& r = riders[rider];
  eventCardRider = rider;
  // He is put back on his square for a moment so that the crash finds him
  // there and spreads from him.
  int occupant = insideTrack(r.row, r.lane) ? trackOccupant[r.row][r.lane] : RIDER_COUNT;
  if (occupant == -1 || occupant == rider) {
    trackOccupant[r.row][r.lane] = rider;
    spreadCrash(r.row, r.lane, r.row);
  } else {
    // Nowhere to put him: he falls alone.
    r.skipTurns = 1;
    r.crashInvolved = 1;
  }
  liftRiderOffGrid(rider);
  if (effect.skipTurns != 0) r.skipTurns = effect.skipTurns;
  currentScreen = SCREEN_BUSY;
  requestRedraw();
  decideHandIns(rider);
}

void applyExtraCardCard() {
  Rider& r = riders[activeRider];
  if (r.humanControlled) {
    currentScreen = SCREEN_CARD_KIND;
    requestRedraw();
    return;
  }
  // The computer takes a white card on a climb, where a blue one may not be
  // played, and plays it at once: it is never stored.
  eventCardBonusValue = onClimb(r) ? STRENGTH_WHITE : STRENGTH_BLUE;
  currentScreen = SCREEN_BUSY;
  moveWithBonus(eventCardBonusValue);
}

void applyExtraDieCard() {
  currentScreen = SCREEN_EXTRA_THROW;
  if (riders[activeRider].humanControlled) {
    requestRedraw();
    return;
  }
  extraDie = dieDraw();
  moveWithBonus(extraDie);
}

void applyBonusSquaresCard(const EventEffect& effect) {
  bonusSquares = effect.bonusSquares;
  // A breakaway: nobody may draft behind this move.
  if (effect.noDrafting) breakawayDeclared = 1;
  if (riders[activeRider].humanControlled) {
    pathLength += bonusSquares;
    currentScreen = SCREEN_CHOOSE_MOVE;
    requestRedraw();
    return;
  }
  currentScreen = SCREEN_BUSY;
  moveWithBonus(bonusSquares);
}

void applyHandInForBonusCard() {
  int rider = activeRider;
  if (!riderHasUsableCard(rider)) {
    // Also for a computer rider the panel waits for OK.
    currentScreen = SCREEN_EVENT_CARD_CANCELLED;
    requestRedraw();
    return;
  }
  if (riders[rider].humanControlled) {
    currentScreen = SCREEN_HAND_IN_FOR_BONUS;
    requestRedraw();
    return;
  }
  currentScreen = SCREEN_BUSY;
  requestRedraw();
  computerHandInForBonus();
}

// The front-most rider who has not moved this round (higher row, on equal
// rows higher lane, on a full tie the lower index); -1 when all have moved.
int frontMostUnmovedRider() {
  int best = -1;
  for (int i = 0; i < RIDER_COUNT; i++) {
    const Rider& r = riders[i];
    if (r.movedThisRound != 0) continue;
    if (best == -1 || riderAheadOf(r, riders[best])) best = i;
  }
  return best;
}

// The event rider was lifted off the grid for his move; when the turn
// passes without it and he is neither parked nor finished, he goes back
// onto his square.
void putEventRiderBack() {
  if (!isRiderIndex(eventCardRider)) return;
  const Rider& r = riders[eventCardRider];
  if (!r.parked && !r.finished) putRiderBackOnGrid(eventCardRider);
}

// A victim of a crash decides on his hand-ins.
void victimDecides(int rider) {
  if (currentScreen == SCREEN_NO_CARD_TO_HAND_IN) {
    currentScreen = SCREEN_BUSY;
    requestRedraw();
  }
  activeRider = rider;
  updateRiderLap(rider);
  if (riders[rider].humanControlled) {
    shownTeam = riderTeam(rider);
    handInCards[0] = handInCards[1] = -1;
    requestRedraw();
    askHandInCards();
  } else {
    computerHandInCards();
  }
}

// The event rider's own move goes on after the event, unless he still has
// a turn to sit out.
void resumeEventRidersMove() {
  currentScreen = SCREEN_BUSY;
  requestRedraw();
  // The rider who drew the card; cards that do not name him leave the
  // front-most unmoved rider found just before, who is the same rider.
  int rider = isRiderIndex(eventCardRider) ? eventCardRider : activeRider;
  if (!isRiderIndex(rider)) {
    nextTurn();
    return;
  }
  activeRider = rider;
  Rider& r = riders[rider];
  if (r.skipTurns != 0) {
    sitOutTurn(rider);
    return;
  }
  requestRedraw();
  if (r.humanControlled) {
    currentScreen = SCREEN_CHOOSE_MOVE;
    requestRedraw();
    return;
  }
  currentScreen = SCREEN_COMPUTER_TURN;
  liftRiderOffGrid(rider);
  int total = thrownTotal() + bonusSquares;
  pathLength = total;
  requestRedraw();
  moveAfterHandIn(total);
}

}  // namespace

bool cardUsableByRider(int rider, int slot) {
  if (!isRiderIndex(rider) || slot < 0 || slot >= CARD_SLOTS) return false;
  int team = riderTeam(rider);
  if (cardUsed[team][slot] != 0) return false;
  if (slot < FIRST_TEAM_SLOT) {
    if (cardHolderMember[slot] != riderMember(rider)) return false;
  } else if (slot >= FIRST_EXTRA_SLOT) {
    if (extraCardHolder[team][slot - FIRST_EXTRA_SLOT] != rider) return false;
  }
  return !(slotValue(team, slot) == STRENGTH_BLUE && onClimb(riders[rider]));
}

bool riderHasUsableCard(int rider) {
  for (int slot = 0; slot < CARD_SLOTS; slot++)
    if (cardUsableByRider(rider, slot)) return true;
  return false;
}

void applyEventCard() {
  if (!isRiderIndex(activeRider)) return;
  const EventEffect& effect = eventEffectOf(currentEventCard());
  switch (effect.kind) {
    case EFFECT_SIT_OUT: applySitOutCard(effect); break;
    case EFFECT_CRASH: applyCrashCard(effect); break;
    case EFFECT_EXTRA_CARD: applyExtraCardCard(); break;
    case EFFECT_EXTRA_DIE: applyExtraDieCard(); break;
    case EFFECT_BONUS_SQUARES: applyBonusSquaresCard(effect); break;
    case EFFECT_HAND_IN_FOR_BONUS: applyHandInForBonusCard(); break;
  }
}

void askHandInCards() {
  currentScreen = riderHasUsableCard(activeRider) ? SCREEN_HAND_IN_CARDS : SCREEN_NO_CARD_TO_HAND_IN;
  requestRedraw();
}

void receiveExtraCard(int value) {
  if (!isRiderIndex(activeRider)) return;
  int team = riderTeam(activeRider);
  int slot = firstFreeExtraSlot(team);
  if (slot == -1) {
    // Every extra slot holds a card still in hand: no card is given, and
    // there is nothing to time.
    currentScreen = SCREEN_CHOOSE_MOVE;
    requestRedraw();
    return;
  }
  extraCardHolder[team][slot] = activeRider;
  extraCardValue[team][slot] = value;
  if (onClimb(riders[activeRider]) && value == STRENGTH_BLUE) {
    // Not playable on the climb: it goes straight into his hand.
    cardUsed[team][FIRST_EXTRA_SLOT + slot] = 0;
    requestRedraw();
    currentScreen = SCREEN_CHOOSE_MOVE;
    requestRedraw();
    return;
  }
  currentScreen = SCREEN_CARD_TIMING;
  requestRedraw();
}

void useExtraCardNowOrLater(int now) {
  if (!isRiderIndex(activeRider)) return;
  int team = riderTeam(activeRider);
  int slot = firstFreeExtraSlot(team);  // the slot that has just received the card
  if (slot != -1) {
    if (now) {
      // Played in this move: the slot stays out of the hand, the card spent.
      pathLength += extraCardValue[team][slot];
      eventCardBonusValue = extraCardValue[team][slot];
    } else {
      cardUsed[team][FIRST_EXTRA_SLOT + slot] = 0;
    }
  }
  currentScreen = SCREEN_CHOOSE_MOVE;
  requestRedraw();
}

void throwExtraDie() {
  extraDie = dieDraw();
  pathLength += extraDie;
  movementTotal += extraDie;
  currentScreen = SCREEN_CHOOSE_MOVE;
  requestRedraw();
}

void computerHandInForBonus() {
  if (!isRiderIndex(activeRider)) return;
  int rider = activeRider;
  int team = riderTeam(rider);
  // His extra cards first.
  for (int i = 0; i < EXTRA_SLOTS && bonusSquares != HAND_IN_BONUS_SQUARES; i++) {
    int slot = FIRST_EXTRA_SLOT + i;
    if (!cardUsableByRider(rider, slot)) continue;
    cardUsed[team][slot] = 1;
    pathLength += HAND_IN_BONUS_SQUARES;
    bonusSquares = HAND_IN_BONUS_SQUARES;
  }
  // Then his own cards and the team cards, in slot order.
  for (int slot = 0; slot < STRENGTH_CARDS && bonusSquares != HAND_IN_BONUS_SQUARES; slot++) {
    if (!cardUsableByRider(rider, slot)) continue;
    cardUsed[team][slot] = 1;
    pathLength += HAND_IN_BONUS_SQUARES;
    bonusSquares = HAND_IN_BONUS_SQUARES;
  }
  movementTotal += bonusSquares;
  requestRedraw();
  currentScreen = SCREEN_COMPUTER_TURN;
  moveAfterHandIn(thrownTotal() + bonusSquares);
}

void computerHandInCards() {
  if (!isRiderIndex(activeRider)) return;
  int rider = activeRider;
  Rider& r = riders[rider];
  int team = riderTeam(rider);
  bool cobbles = onCobbles(r);
  int lastValue = -1;
  // Extra cards first. On cobbles he does not hand in two of one value.
  for (int i = 0; i < EXTRA_SLOTS && r.skipTurns >= 1; i++) {
    int slot = FIRST_EXTRA_SLOT + i;
    if (!cardUsableByRider(rider, slot)) continue;
    int value = extraCardValue[team][i];
    if (cobbles && value == lastValue) continue;
    cardUsed[team][slot] = 1;
    lastValue = value;
    r.skipTurns -= 1;
  }
  // Then his own cards and the team cards; on cobbles only while nothing
  // has been handed in yet.
  for (int slot = 0; slot < STRENGTH_CARDS && r.skipTurns >= 1; slot++) {
    if (!cardUsableByRider(rider, slot)) continue;
    if (cobbles && lastValue != -1) continue;
    cardUsed[team][slot] = 1;
    lastValue = strengthCardValue[slot];
    r.skipTurns -= 1;
  }
  requestRedraw();
  r.crashInvolved = 0;
  if (r.skipTurns > 0) parkForTheRound(rider);
  continueAfterEvent(findFrontInvolvedRider());
}

void answerHandInCards() {
  if (currentScreen == SCREEN_HAND_IN_FOR_BONUS) {
    if (handInCards[0] == -1) return;  // no card placed yet
    pathLength += HAND_IN_BONUS_SQUARES;
    bonusSquares = HAND_IN_BONUS_SQUARES;
    continueAfterEvent(-1);
    return;
  }
  if (currentScreen != SCREEN_HAND_IN_CARDS && currentScreen != SCREEN_NO_CARD_TO_HAND_IN) return;
  if (!isRiderIndex(activeRider)) return;
  int rider = activeRider;
  Rider& r = riders[rider];
  for (int card : handInCards)
    if (card != -1 && r.skipTurns > 0) r.skipTurns -= 1;
  r.crashInvolved = 0;
  if (r.skipTurns > 0) parkForTheRound(rider);
  continueAfterEvent(findFrontInvolvedRider());
}

void continueAfterEvent(int rider) {
  if (isRiderIndex(rider)) {
    victimDecides(rider);
    return;
  }
  activeRider = frontMostUnmovedRider();
  bool afterHandIn = currentScreen == SCREEN_HAND_IN_CARDS || currentScreen == SCREEN_NO_CARD_TO_HAND_IN;
  bool afterCard = currentScreen == SCREEN_BUSY &&
                   eventEffectOf(currentEventCard()).kind != EFFECT_HAND_IN_FOR_BONUS;
  if ((afterHandIn || afterCard) && activeRider != eventCardRider) {
    // The event rider was parked, or a crash victim from a lap ahead now
    // comes first: the turn passes. An event rider who still has his move
    // to make stands on his square meanwhile, like every rider waiting.
    putEventRiderBack();
    currentScreen = SCREEN_BUSY;
    requestRedraw();
    nextTurn();
    return;
  }
  resumeEventRidersMove();
}

int findFrontInvolvedRider() {
  int best = -1;
  for (int i = 0; i < RIDER_COUNT; i++) {
    const Rider& r = riders[i];
    if (!r.crashInvolved) continue;
    if (best == -1 || riderAheadOf(r, riders[best])) best = i;
  }
  return best;
}

void closeCancelledEventCard() {
  if (!isRiderIndex(activeRider)) return;
  if (riders[activeRider].humanControlled) {
    currentScreen = SCREEN_CHOOSE_MOVE;
    requestRedraw();
    return;
  }
  currentScreen = SCREEN_COMPUTER_TURN;
  moveAfterHandIn(movementTotal);
  requestRedraw();
}
