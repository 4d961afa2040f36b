#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/event_deck.h"
#include "rules/event_effects.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

const int BYSTANDER = 15;

std::vector<int> activeRiders;  // activeRider at each redraw, repeats left out

void recordActiveRider() {
  if (activeRiders.empty() || activeRiders.back() != activeRider) activeRiders.push_back(activeRider);
}

// A straight road of lanes 0..3 and rows 0..150, the finish on row 140,
// round 2. Riders not placed by a test stay off the road; a person's rider
// 15 waits far behind, so that a turn passing on ends on his card screen.
class EventEffectsTest : public ::testing::Test {
 protected:

  void SetUp() override {
    std::memcpy(savedOrder, eventDeckOrder, sizeof savedOrder);
    savedIndex = eventCardIndex;
    clearTestTrack(151);
    layRoad(0, 150, 0, 3);
    fillTestReach();
    lineRows[3] = 140;
    climbEndRow = 500;
    putRider(BYSTANDER, 2, 0);
    riders[BYSTANDER].humanControlled = 1;
    activeRiders.clear();
  }
  void TearDown() override {
    std::memcpy(eventDeckOrder, savedOrder, sizeof savedOrder);
    eventCardIndex = savedIndex;
    stopScriptedRandom();
    moveTimerHook = nullptr;
    redrawHook = nullptr;
  }

  // The rider has thrown first + second (a 7) at the start of his turn and
  // the card is the one drawn; the event card panel is open.
  static void drawCard(int rider, int card, bool human = false) {
    riders[rider].humanControlled = human ? 1 : 0;
    beginTurnOf(rider);
    movementValues[0] = 3;
    movementValues[1] = 4;
    movementTotal = 7;
    pathLength = 7 + trackSquareValue[riders[rider].row][riders[rider].lane];
    eventCardIndex = 11;
    eventDeckOrder[11] = static_cast<unsigned char>(card);
    currentScreen = SCREEN_EVENT_CARD;
  }

  // What the card hand does when the active rider picks a card to hand in.
  static void pickToHandIn(int slot) {
    cardUsed[riderTeam(activeRider)][slot] = 1;
    handInCards[handInCards[0] == -1 ? 0 : 1] = slot;
  }

  // Every card of the team used, so that nothing is left to hand in.
  static void useWholeHand(int team) {
    for (int s = 0; s < STRENGTH_CARDS; s++) cardUsed[team][s] = 1;
  }

  static void giveExtraCard(int team, int extraSlot, int rider, int value) {
    extraCardHolder[team][extraSlot] = rider;
    extraCardValue[team][extraSlot] = value;
    cardUsed[team][FIRST_EXTRA_SLOT + extraSlot] = 0;
  }

  static int usedCount(int team, int from, int to) {
    int count = 0;
    for (int s = from; s <= to; s++) count += cardUsed[team][s] == 1;
    return count;
  }

  static bool onGrid(int rider) {
    return trackOccupant[riders[rider].row][riders[rider].lane] == rider;
  }

  unsigned char savedOrder[EVENT_CARD_COUNT];
  unsigned char savedIndex = 0;
};

// ---- Which cards a rider may hand in ----

TEST_F(EventEffectsTest, UsableCardsAreHisOwnTheTeamsAndHisExtraCardsButNoBlueOnAClimb) {
  putRider(1, 20, 1);  // team 0, member 1: slots 4 (blue) and 5 (white)
  for (int s = 0; s < STRENGTH_CARDS; s++) {
    bool own = s == 4 || s == 5 || s >= 10;
    EXPECT_EQ(cardUsableByRider(1, s), own) << "slot " << s;
  }
  giveExtraCard(0, 0, 1, 6);
  giveExtraCard(0, 1, 2, 5);  // won by a team-mate
  EXPECT_TRUE(cardUsableByRider(1, 14));
  EXPECT_FALSE(cardUsableByRider(1, 15));
  EXPECT_FALSE(cardUsableByRider(1, 16));  // an empty extra slot

  setSquare(20, 1, 0, TERRAIN_CLIMB);
  EXPECT_FALSE(cardUsableByRider(1, 4));
  EXPECT_TRUE(cardUsableByRider(1, 5));
  EXPECT_FALSE(cardUsableByRider(1, 10));
  EXPECT_TRUE(cardUsableByRider(1, 12));
  EXPECT_FALSE(cardUsableByRider(1, 14));
  cardUsed[0][5] = 1;
  EXPECT_FALSE(cardUsableByRider(1, 5));
  EXPECT_FALSE(cardUsableByRider(-1, 5));
  EXPECT_FALSE(cardUsableByRider(1, 18));

  cardUsed[0][12] = cardUsed[0][13] = 1;
  EXPECT_FALSE(riderHasUsableCard(1));  // only blue cards left on the climb
  setSquare(20, 1, 0, TERRAIN_FLAT);
  EXPECT_TRUE(riderHasUsableCard(1));
}

// ---- Turns to sit out: the computer ----

TEST_F(EventEffectsTest, ComputerWithOneTurnHandsInHisFirstCardAndMovesOnWithHisThrow) {
  putRider(1, 20, 1);
  drawCard(1, 2);
  applyEventCard();
  EXPECT_EQ(eventCardRider, 1);
  EXPECT_EQ(cardUsed[0][4], 1);
  EXPECT_EQ(usedCount(0, 0, 17), 1);
  EXPECT_EQ(riders[1].skipTurns, 0);
  EXPECT_EQ(riders[1].parked, 0);
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(pathLength, 7);  // the plain throw of 7 on a flat road
  EXPECT_EQ(moveTimerRequests(), 1);
}

TEST_F(EventEffectsTest, ComputerWithTwoTurnsAndOneCardHandsItInAndIsParkedForTheRound) {
  putRider(1, 20, 1);
  cardUsed[0][5] = 1;
  for (int s = 10; s <= 13; s++) cardUsed[0][s] = 1;
  drawCard(1, 7);
  applyEventCard();
  EXPECT_EQ(cardUsed[0][4], 1);
  // Two turns, one handed in, the second counted down at once.
  EXPECT_EQ(riders[1].skipTurns, 0);
  EXPECT_EQ(riders[1].parked, 1);
  EXPECT_EQ(riders[1].movedThisRound, 1);
  EXPECT_EQ(trackOccupant[20][1], -1);
  EXPECT_EQ(riders[1].crashInvolved, 0);
  // The turn passed on.
  EXPECT_EQ(activeRider, BYSTANDER);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
  EXPECT_EQ(moveTimerRequests(), 0);
}

TEST_F(EventEffectsTest, ComputerWithoutCardsIsParkedWithATurnStillToSitOut) {
  putRider(1, 20, 1);
  useWholeHand(0);
  drawCard(1, 11);
  applyEventCard();
  EXPECT_EQ(riders[1].skipTurns, 1);
  EXPECT_EQ(riders[1].parked, 1);
  EXPECT_EQ(activeRider, BYSTANDER);
}

TEST_F(EventEffectsTest, ComputerOnCobblesHandsInOnlyOneStrengthCard) {
  putRider(0, 20, 1);  // member 0: slots 0..3
  setSquare(20, 1, 0, TERRAIN_COBBLES);
  drawCard(0, 9);
  applyEventCard();
  EXPECT_EQ(usedCount(0, 0, 13), 1);
  EXPECT_EQ(cardUsed[0][0], 1);
  EXPECT_EQ(riders[0].skipTurns, 0);
  EXPECT_EQ(riders[0].parked, 1);
}

TEST_F(EventEffectsTest, ComputerOnCobblesHandsInExtraCardsOfTwoValuesButNotTwoOfOneValue) {
  putRider(0, 20, 1);
  setSquare(20, 1, 0, TERRAIN_COBBLES);
  giveExtraCard(0, 0, 0, 6);
  giveExtraCard(0, 1, 0, 5);
  drawCard(0, 5);
  applyEventCard();
  EXPECT_EQ(cardUsed[0][14], 1);
  EXPECT_EQ(cardUsed[0][15], 1);
  EXPECT_EQ(usedCount(0, 0, 13), 0);
  EXPECT_EQ(riders[0].parked, 0);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);

  // Two extra cards of one value: only the first; after it no strength card.
  clearTestTrack(151);
  layRoad(0, 150, 0, 3);
  fillTestReach();
  lineRows[3] = 140;
  putRider(BYSTANDER, 2, 0);
  riders[BYSTANDER].humanControlled = 1;
  putRider(0, 20, 1);
  setSquare(20, 1, 0, TERRAIN_COBBLES);
  giveExtraCard(0, 0, 0, 5);
  giveExtraCard(0, 1, 0, 5);
  drawCard(0, 5);
  applyEventCard();
  EXPECT_EQ(cardUsed[0][14], 1);
  EXPECT_EQ(cardUsed[0][15], 0);
  EXPECT_EQ(usedCount(0, 0, 13), 0);
  EXPECT_EQ(riders[0].parked, 1);
  EXPECT_EQ(riders[0].skipTurns, 0);
}

TEST_F(EventEffectsTest, ComputerOffCobblesHandsInOneCardPerTurnExtraCardsFirst) {
  putRider(0, 20, 1);
  giveExtraCard(0, 2, 0, 6);
  giveExtraCard(0, 3, 3, 5);  // a team-mate's
  drawCard(0, 6);
  applyEventCard();
  EXPECT_EQ(cardUsed[0][16], 1);
  EXPECT_EQ(cardUsed[0][17], 0);
  EXPECT_EQ(cardUsed[0][0], 1);
  EXPECT_EQ(usedCount(0, 0, 17), 2);
  EXPECT_EQ(riders[0].skipTurns, 0);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
}

TEST_F(EventEffectsTest, ComputerOnAClimbKeepsHisBlueCards) {
  putRider(0, 20, 1);
  setSquare(20, 1, 0, TERRAIN_CLIMB);
  giveExtraCard(0, 0, 0, 6);
  drawCard(0, 8);
  applyEventCard();
  EXPECT_EQ(cardUsed[0][14], 0);
  EXPECT_EQ(cardUsed[0][0], 0);
  EXPECT_EQ(cardUsed[0][1], 0);
  EXPECT_EQ(cardUsed[0][2], 1);
  EXPECT_EQ(cardUsed[0][3], 1);
  EXPECT_EQ(riders[0].skipTurns, 0);
}

// ---- Turns to sit out: a person ----

TEST_F(EventEffectsTest, PersonHandsInACardAndGoesOnToChooseHisMoveWithoutAFreshThrow) {
  putRider(1, 20, 1);
  drawCard(1, 4, true);
  applyEventCard();
  EXPECT_EQ(currentScreen, SCREEN_HAND_IN_CARDS);
  EXPECT_EQ(riders[1].skipTurns, 1);
  pickToHandIn(5);
  answerHandInCards();
  EXPECT_EQ(riders[1].skipTurns, 0);
  EXPECT_EQ(riders[1].parked, 0);
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(movementValues[0], 3);
  EXPECT_EQ(movementValues[1], 4);
  EXPECT_EQ(pathLength, 7);
  EXPECT_EQ(cardUsed[0][5], 1);
}

TEST_F(EventEffectsTest, PersonWithTwoTurnsAndOneCardHandedInIsParkedAndTheTurnPasses) {
  putRider(1, 20, 1);
  drawCard(1, 10, true);
  applyEventCard();
  ASSERT_EQ(currentScreen, SCREEN_HAND_IN_CARDS);
  pickToHandIn(4);
  answerHandInCards();
  EXPECT_EQ(riders[1].skipTurns, 0);
  EXPECT_EQ(riders[1].parked, 1);
  EXPECT_EQ(riders[1].movedThisRound, 1);
  EXPECT_FALSE(onGrid(1));
  EXPECT_EQ(activeRider, BYSTANDER);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
}

TEST_F(EventEffectsTest, PersonWithTwoTurnsHandsInTwoCardsAndMoves) {
  putRider(1, 20, 1);
  drawCard(1, 5, true);
  applyEventCard();
  pickToHandIn(4);
  pickToHandIn(12);
  answerHandInCards();
  EXPECT_EQ(riders[1].skipTurns, 0);
  EXPECT_EQ(riders[1].parked, 0);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
}

TEST_F(EventEffectsTest, PersonWithoutAUsableCardIsToldSoAndParkedOnOk) {
  putRider(1, 20, 1);
  setSquare(20, 1, 0, TERRAIN_CLIMB);
  // Left: his blue card 4 and the blue team cards, none usable on a climb.
  cardUsed[0][5] = cardUsed[0][12] = cardUsed[0][13] = 1;
  drawCard(1, 0, true);
  applyEventCard();
  EXPECT_EQ(currentScreen, SCREEN_NO_CARD_TO_HAND_IN);
  answerHandInCards();
  EXPECT_EQ(riders[1].skipTurns, 0);
  EXPECT_EQ(riders[1].parked, 1);
  EXPECT_EQ(cardUsed[0][4], 0);
  EXPECT_EQ(activeRider, BYSTANDER);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
}

TEST_F(EventEffectsTest, HandInOkOnOtherScreensDoesNothing) {
  putRider(1, 20, 1);
  beginTurnOf(1);
  riders[1].skipTurns = 1;
  handInCards[0] = 4;
  currentScreen = SCREEN_CHOOSE_MOVE;
  answerHandInCards();
  EXPECT_EQ(riders[1].skipTurns, 1);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
}

// ---- Crashes ----

TEST_F(EventEffectsTest, CrashVictimsDecideFromTheFrontBackwardsThenTheCauserMoves) {
  putRider(0, 30, 2);  // the causer
  putRider(1, 29, 2);  // straight behind: falls (a person)
  putRider(2, 30, 1);  // level on his left: falls
  putRider(3, 30, 3);  // level on his right: ahead of him (moved already), stays up
  riders[3].movedThisRound = 1;
  putRider(5, 29, 3);  // beside the rider behind: falls
  putRider(6, 27, 2);  // behind an empty square: stays up
  riders[1].humanControlled = 1;
  redrawHook = recordActiveRider;
  drawCard(0, 12);
  applyEventCard();

  EXPECT_EQ(riders[3].skipTurns, 0);
  EXPECT_EQ(riders[6].skipTurns, 0);
  // The causer and the two in front of the person have decided: each handed
  // in his first card and stays on the road.
  EXPECT_EQ(cardUsed[0][0], 1);
  EXPECT_EQ(cardUsed[0][6], 1);
  EXPECT_EQ(cardUsed[1][4], 1);
  for (int r : {0, 2, 5}) {
    EXPECT_EQ(riders[r].skipTurns, 0) << r;
    EXPECT_EQ(riders[r].crashInvolved, 0) << r;
    EXPECT_EQ(riders[r].parked, 0) << r;
  }
  EXPECT_TRUE(onGrid(2));
  EXPECT_TRUE(onGrid(5));
  EXPECT_FALSE(onGrid(0));  // lifted for his move
  // The person is asked last, his own team's hand shown.
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(shownTeam, 0);
  EXPECT_EQ(currentScreen, SCREEN_HAND_IN_CARDS);
  EXPECT_EQ(riders[1].crashInvolved, 1);
  EXPECT_EQ(riders[1].skipTurns, 1);
  EXPECT_EQ(activeRiders, (std::vector<int>{0, 2, 5, 1}));

  pickToHandIn(5);
  answerHandInCards();
  EXPECT_EQ(riders[1].skipTurns, 0);
  EXPECT_EQ(riders[1].crashInvolved, 0);
  EXPECT_TRUE(onGrid(1));
  // The causer's move goes on with his throw.
  EXPECT_EQ(activeRider, 0);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(moveTimerRequests(), 1);
  EXPECT_EQ(movementTotal, 7);
}

TEST_F(EventEffectsTest, AllComputerCrashIsWorkedOffFrontMostFirstAtOnce) {
  putRider(8, 50, 1);   // the causer, team 2
  putRider(9, 49, 1);   // behind him
  putRider(10, 50, 0);  // level on his left
  putRider(11, 49, 2);  // behind on his right
  putRider(12, 48, 1);  // behind the rider behind him
  putRider(13, 48, 0);  // beside that one
  useWholeHand(3);      // team 3 (riders 12, 13) has nothing to hand in
  riders[13].movedThisRound = 1;
  redrawHook = recordActiveRider;
  drawCard(8, 13);
  applyEventCard();
  EXPECT_EQ(activeRiders, (std::vector<int>{8, 10, 11, 9, 12, 13, 8}));
  for (int r = 8; r <= 13; r++) {
    EXPECT_EQ(riders[r].crashInvolved, 0) << r;
    EXPECT_EQ(riders[r].skipTurns, 0) << r;
  }
  for (int r : {9, 10, 11}) EXPECT_TRUE(onGrid(r)) << r;
  for (int r : {12, 13}) {
    EXPECT_EQ(riders[r].parked, 1) << r;
    EXPECT_EQ(riders[r].movedThisRound, 1) << r;
    EXPECT_FALSE(onGrid(r)) << r;
  }
  // Team 2 (riders 8 to 11) handed in one card for each of its riders.
  EXPECT_EQ(usedCount(2, 0, 17), 4);
  EXPECT_EQ(activeRider, 8);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
}

TEST_F(EventEffectsTest, TheCauserOfCardFourteenSitsOutTwoTurnsTheOthersOne) {
  putRider(0, 30, 2);
  putRider(1, 29, 2);
  putRider(2, 30, 1);
  drawCard(0, 14, true);
  applyEventCard();
  EXPECT_EQ(eventCardRider, 0);
  EXPECT_EQ(currentScreen, SCREEN_HAND_IN_CARDS);
  EXPECT_EQ(activeRider, 0);
  EXPECT_EQ(riders[0].skipTurns, 2);
  EXPECT_EQ(riders[1].skipTurns, 1);
  EXPECT_EQ(riders[2].skipTurns, 1);
  EXPECT_EQ(riders[1].crashInvolved, 1);
  EXPECT_FALSE(onGrid(0));
  EXPECT_TRUE(onGrid(1));
}

TEST_F(EventEffectsTest, AParkedCauserLetsTheNextTurnFollowTheCrash) {
  putRider(4, 30, 2);  // the causer, team 1, nothing left to hand in
  putRider(1, 29, 2);  // a person, front-most unmoved after the crash
  putRider(2, 28, 2);  // a computer rider who has moved already
  riders[1].humanControlled = 1;
  riders[2].movedThisRound = 1;
  useWholeHand(1);
  cardUsed[0][6] = cardUsed[0][7] = 1;  // rider 2 keeps only team cards
  cardUsed[0][10] = cardUsed[0][11] = cardUsed[0][12] = cardUsed[0][13] = 1;
  drawCard(4, 13);
  applyEventCard();
  EXPECT_EQ(riders[4].parked, 1);
  EXPECT_EQ(riders[4].skipTurns, 0);
  // The person decides first (front-most), rider 2 is still to decide.
  ASSERT_EQ(currentScreen, SCREEN_HAND_IN_CARDS);
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(riders[2].crashInvolved, 1);
  pickToHandIn(4);
  answerHandInCards();
  // Rider 2 had no card: parked, though he had moved; the turn then goes
  // to the front-most rider still to move, the person.
  EXPECT_EQ(riders[2].parked, 1);
  EXPECT_EQ(riders[2].skipTurns, 0);
  EXPECT_FALSE(onGrid(2));
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
  EXPECT_EQ(eventCardRider, -1);  // cleared by the new turn
}

TEST_F(EventEffectsTest, AVictimALapAheadPlaysFirstAndTheCauserStandsOnHisSquareMeanwhile) {
  putRider(0, 30, 0);    // the causer
  putRider(7, 138, 3);   // a lap ahead, on the copy of the square behind him
  riders[7].humanControlled = 1;
  drawCard(0, 12);
  applyEventCard();
  EXPECT_EQ(riders[0].skipTurns, 0);
  ASSERT_EQ(activeRider, 7);
  ASSERT_EQ(currentScreen, SCREEN_HAND_IN_CARDS);
  pickToHandIn(8);
  answerHandInCards();
  // He is the front-most rider still to move: the turn is his, and the
  // causer, who has not moved, waits on his square.
  EXPECT_EQ(activeRider, 7);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
  EXPECT_TRUE(onGrid(0));
  EXPECT_EQ(riders[0].parked, 0);
  EXPECT_EQ(riders[0].movedThisRound, 0);
}

TEST_F(EventEffectsTest, FrontInvolvedRiderIsTheHighestRowThenTheHigherLane) {
  EXPECT_EQ(findFrontInvolvedRider(), -1);
  putRider(3, 40, 1);
  putRider(9, 40, 2);
  putRider(11, 41, 0);
  riders[3].crashInvolved = riders[9].crashInvolved = 1;
  EXPECT_EQ(findFrontInvolvedRider(), 9);
  riders[11].crashInvolved = 1;
  EXPECT_EQ(findFrontInvolvedRider(), 11);
  riders[11].crashInvolved = riders[9].crashInvolved = 0;
  EXPECT_EQ(findFrontInvolvedRider(), 3);
}

// ---- Extra strength card ----

TEST_F(EventEffectsTest, ComputerPlaysHisExtraCardAtOnceAndNeverStoresIt) {
  putRider(0, 20, 1);
  drawCard(0, 16);
  applyEventCard();
  EXPECT_EQ(eventCardBonusValue, 6);
  EXPECT_EQ(movementTotal, 13);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(pathLength, 13);
  // The search left the end square in his row and lane.
  EXPECT_EQ(riders[0].row, 33);
  for (int i = 0; i < EXTRA_SLOTS; i++) {
    EXPECT_EQ(cardUsed[0][FIRST_EXTRA_SLOT + i], -1);
    EXPECT_EQ(extraCardHolder[0][i], -1);
  }
}

TEST_F(EventEffectsTest, ComputerOnAClimbTakesAWhiteExtraCard) {
  putRider(0, 20, 1);
  setSquare(20, 1, 0, TERRAIN_CLIMB);
  drawCard(0, 15);
  applyEventCard();
  EXPECT_EQ(eventCardBonusValue, 5);
  EXPECT_EQ(movementTotal, 12);
  EXPECT_EQ(pathLength, 12);
}

TEST_F(EventEffectsTest, PersonPlaysHisExtraCardNowOrKeepsItForLater) {
  putRider(2, 20, 1);
  drawCard(2, 17, true);
  applyEventCard();
  EXPECT_EQ(currentScreen, SCREEN_CARD_KIND);
  receiveExtraCard(6);
  EXPECT_EQ(currentScreen, SCREEN_CARD_TIMING);
  EXPECT_EQ(extraCardHolder[0][0], 2);
  EXPECT_EQ(extraCardValue[0][0], 6);
  useExtraCardNowOrLater(1);
  EXPECT_EQ(pathLength, 13);
  EXPECT_EQ(eventCardBonusValue, 6);
  EXPECT_NE(cardUsed[0][14], 0);  // spent
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);

  // Later: the card stays in his hand.
  drawCard(2, 15, true);
  eventCardBonusValue = 0;
  applyEventCard();
  receiveExtraCard(5);
  useExtraCardNowOrLater(0);
  EXPECT_EQ(cardUsed[0][14], 0);
  EXPECT_EQ(extraCardValue[0][0], 5);
  EXPECT_EQ(pathLength, 7);
  EXPECT_EQ(eventCardBonusValue, 0);
  EXPECT_TRUE(cardUsableByRider(2, 14));
  EXPECT_FALSE(cardUsableByRider(3, 14));
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);

  // The next card goes to the next free slot.
  drawCard(2, 16, true);
  applyEventCard();
  receiveExtraCard(6);
  EXPECT_EQ(extraCardHolder[0][1], 2);
  EXPECT_EQ(currentScreen, SCREEN_CARD_TIMING);
}

TEST_F(EventEffectsTest, ABlueCardWonOnAClimbGoesStraightIntoTheHand) {
  putRider(2, 20, 1);
  setSquare(20, 1, 0, TERRAIN_CLIMB);
  drawCard(2, 16, true);
  applyEventCard();
  receiveExtraCard(6);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(cardUsed[0][14], 0);
  EXPECT_EQ(extraCardHolder[0][0], 2);
  EXPECT_EQ(pathLength, 7);
  // A white one there is asked about.
  drawCard(2, 16, true);
  applyEventCard();
  receiveExtraCard(5);
  EXPECT_EQ(currentScreen, SCREEN_CARD_TIMING);
  EXPECT_EQ(extraCardHolder[0][1], 2);
}

TEST_F(EventEffectsTest, AUsedExtraSlotTakesTheNewCardAndFullSlotsGiveNothing) {
  putRider(2, 20, 1);
  giveExtraCard(0, 0, 0, 6);
  giveExtraCard(0, 1, 1, 5);
  cardUsed[0][15] = 1;  // played already
  giveExtraCard(0, 2, 3, 5);
  giveExtraCard(0, 3, 3, 6);
  drawCard(2, 15, true);
  applyEventCard();
  receiveExtraCard(5);
  EXPECT_EQ(extraCardHolder[0][1], 2);
  EXPECT_EQ(extraCardValue[0][1], 5);
  useExtraCardNowOrLater(0);
  EXPECT_EQ(cardUsed[0][15], 0);

  // Now all four hold cards in hand: nothing is given, nothing else moves.
  int usedBefore[CARD_SLOTS];
  std::memcpy(usedBefore, cardUsed[0], sizeof usedBefore);
  cardUsed[0][13] = 1;
  usedBefore[13] = 1;
  int nextTeamUsed = cardUsed[1][0];
  drawCard(2, 17, true);
  applyEventCard();
  receiveExtraCard(6);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(0, std::memcmp(usedBefore, cardUsed[0], sizeof usedBefore));
  EXPECT_EQ(cardUsed[1][0], nextTeamUsed);
  EXPECT_EQ(extraCardHolder[0][0], 0);
  EXPECT_EQ(extraCardHolder[0][3], 3);
  EXPECT_EQ(extraCardValue[0][3], 6);
  EXPECT_EQ(extraCardHolder[1][0], -1);
  EXPECT_EQ(pathLength, 7);
  // A timing answer without a fresh card changes nothing either.
  useExtraCardNowOrLater(1);
  EXPECT_EQ(pathLength, 7);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
}

// ---- Extra die ----

TEST_F(EventEffectsTest, ComputerThrowsTheExtraDieAndMovesTheSum) {
  putRider(0, 20, 1);
  drawCard(0, 19);
  scriptRandom({4});
  applyEventCard();
  EXPECT_EQ(extraDie, 5);
  EXPECT_EQ(movementTotal, 12);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(pathLength, 12);
  EXPECT_EQ(riders[0].row, 32);
}

TEST_F(EventEffectsTest, PersonThrowsTheExtraDieWithItsButton) {
  putRider(0, 20, 1);
  drawCard(0, 18, true);
  applyEventCard();
  EXPECT_EQ(currentScreen, SCREEN_EXTRA_THROW);
  EXPECT_EQ(extraDie, -1);
  scriptRandom({8});
  throwExtraDie();
  EXPECT_EQ(extraDie, 3);
  EXPECT_EQ(pathLength, 10);
  EXPECT_EQ(movementTotal, 10);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
}

// ---- Bonus squares ----

TEST_F(EventEffectsTest, BonusSquaresByCardAndNoDraftingAfterABreakaway) {
  const int bonus[] = {2, 2, 3, 3, 4, 4, 4, 4};
  for (int card = 21; card <= 28; card++) {
    for (bool human : {false, true}) {
      SCOPED_TRACE(testing::Message() << "card " << card << (human ? " person" : " computer"));
      clearTestTrack(151);
      layRoad(0, 150, 0, 3);
      fillTestReach();
      lineRows[3] = 140;
      putRider(0, 20, 1);
      drawCard(0, card, human);
      applyEventCard();
      int b = bonus[card - 21];
      EXPECT_EQ(bonusSquares, b);
      EXPECT_EQ(breakawayDeclared, card == 22 || card == 27 || card == 28 ? 1 : 0);
      if (human) {
        EXPECT_EQ(pathLength, 7 + b);
        EXPECT_EQ(movementTotal, 7);
        EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
      } else {
        EXPECT_EQ(movementTotal, 7 + b);
        EXPECT_EQ(pathLength, 7 + b);
        EXPECT_EQ(riders[0].row, 27 + b);
        EXPECT_EQ(currentScreen, SCREEN_MOVING);
      }
    }
  }
}

// ---- Four bonus squares against one card ----

TEST_F(EventEffectsTest, ComputerHandsInAnExtraCardFirstForTheFourSquares) {
  putRider(1, 20, 1);
  giveExtraCard(0, 1, 1, 5);
  drawCard(1, 29);
  applyEventCard();
  EXPECT_EQ(cardUsed[0][15], 1);
  EXPECT_EQ(usedCount(0, 0, 13), 0);
  EXPECT_EQ(bonusSquares, 4);
  EXPECT_EQ(movementTotal, 11);
  EXPECT_EQ(pathLength, 11);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(moveTimerRequests(), 1);
}

TEST_F(EventEffectsTest, ComputerHandsInHisFirstUsableStrengthCardOnAClimb) {
  putRider(1, 20, 1);
  setSquare(20, 1, 0, TERRAIN_CLIMB);
  giveExtraCard(0, 0, 1, 6);  // blue: not on a climb
  drawCard(1, 29);
  applyEventCard();
  EXPECT_EQ(cardUsed[0][14], 0);
  EXPECT_EQ(cardUsed[0][4], 0);
  EXPECT_EQ(cardUsed[0][5], 1);
  EXPECT_EQ(usedCount(0, 0, 17), 1);
  EXPECT_EQ(bonusSquares, 4);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
}

TEST_F(EventEffectsTest, ComputerWithoutAUsableCardSeesTheCardCancelledAndMovesHisThrow) {
  putRider(1, 20, 1);
  useWholeHand(0);
  drawCard(1, 29);
  applyEventCard();
  EXPECT_EQ(currentScreen, SCREEN_EVENT_CARD_CANCELLED);
  EXPECT_EQ(moveTimerRequests(), 0);
  closeCancelledEventCard();
  EXPECT_EQ(bonusSquares, 0);
  EXPECT_EQ(movementTotal, 7);
  EXPECT_EQ(pathLength, 7);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(moveTimerRequests(), 1);
}

TEST_F(EventEffectsTest, PersonHandsInOneCardForTheFourSquares) {
  putRider(1, 20, 1);
  drawCard(1, 29, true);
  applyEventCard();
  EXPECT_EQ(currentScreen, SCREEN_HAND_IN_FOR_BONUS);
  answerHandInCards();  // nothing chosen yet
  EXPECT_EQ(currentScreen, SCREEN_HAND_IN_FOR_BONUS);
  EXPECT_EQ(pathLength, 7);
  pickToHandIn(12);
  answerHandInCards();
  EXPECT_EQ(pathLength, 11);
  EXPECT_EQ(bonusSquares, 4);
  EXPECT_EQ(activeRider, 1);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
}

TEST_F(EventEffectsTest, PersonWithoutAUsableCardSeesTheCardCancelledAndChoosesHisMove) {
  putRider(1, 20, 1);
  useWholeHand(0);
  giveExtraCard(0, 0, 2, 5);  // a team-mate's
  drawCard(1, 29, true);
  applyEventCard();
  EXPECT_EQ(currentScreen, SCREEN_EVENT_CARD_CANCELLED);
  closeCancelledEventCard();
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(pathLength, 7);
  EXPECT_EQ(bonusSquares, 0);
}

// ---- Nobody to act on ----

TEST_F(EventEffectsTest, NothingIsDoneForRiderMinusOne) {
  putRider(1, 20, 1);
  activeRider = -1;
  eventDeckOrder[eventCardIndex] = 5;
  currentScreen = SCREEN_EVENT_CARD;
  applyEventCard();
  receiveExtraCard(6);
  useExtraCardNowOrLater(0);
  computerHandInCards();
  computerHandInForBonus();
  EXPECT_EQ(currentScreen, SCREEN_EVENT_CARD);
  for (int i = 0; i < EXTRA_SLOTS; i++) EXPECT_EQ(extraCardHolder[0][i], -1);
  for (int t = 0; t < TEAM_COUNT; t++) EXPECT_EQ(usedCount(t, 0, 17), 0);
}

TEST_F(EventEffectsTest, WithEveryRiderMovedAndNoEventRiderTheNextRoundStarts) {
  putRider(1, 20, 1);
  for (Rider& r : riders) r.movedThisRound = 1;
  eventCardRider = -1;
  activeRider = 1;
  eventDeckOrder[eventCardIndex] = 29;
  currentScreen = SCREEN_HAND_IN_FOR_BONUS;
  int round = roundNumber;
  continueAfterEvent(-1);
  EXPECT_EQ(roundNumber, round + 1);
  EXPECT_EQ(activeRider, 1);  // front-most of the new round
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  // The same with a crash screen and an out-of-range rider number.
  for (Rider& r : riders) r.movedThisRound = 1;
  currentScreen = SCREEN_BUSY;
  eventDeckOrder[eventCardIndex] = 12;
  continueAfterEvent(RIDER_COUNT);
  EXPECT_EQ(roundNumber, round + 2);
}

}  // namespace
