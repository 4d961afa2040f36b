#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <utility>
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

struct Extra {
  int slot, holder, value;
};

// A straight road of lanes 0..3 and rows 0..150, the finish on row 140,
// round 2. A person's rider 15 waits far behind, so that a turn passing on
// ends on his card screen.
void resetRoad() {
  clearTestTrack(151);
  layRoad(0, 150, 0, 3);
  fillTestReach();
  lineRows[3] = 140;
  climbEndRow = 500;
  putRider(BYSTANDER, 2, 0);
  riders[BYSTANDER].humanControlled = 1;
}

class EventEffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memcpy(savedOrder, eventDeckOrder, sizeof savedOrder);
    savedIndex = eventCardIndex;
    resetRoad();
    activeRiders.clear();
  }
  void TearDown() override {
    std::memcpy(eventDeckOrder, savedOrder, sizeof savedOrder);
    eventCardIndex = savedIndex;
    stopScriptedRandom();
    moveTimerHook = nullptr;
    redrawHook = nullptr;
  }

  // The rider has thrown 3 + 4 at the start of his turn and drawn the card;
  // the event card panel is open.
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
  static std::pair<int, int> turn() { return {activeRider, currentScreen}; }
  static std::pair<int, int> extraCard(int team, int i) { return {extraCardHolder[team][i], extraCardValue[team][i]}; }
  // Turns still to sit out, parked, still to decide after a crash.
  static std::vector<int> fate(int r) { return {riders[r].skipTurns, riders[r].parked, riders[r].crashInvolved}; }
  static std::vector<int> used(int team, std::initializer_list<int> slots) {
    std::vector<int> values;
    for (int s : slots) values.push_back(cardUsed[team][s]);
    return values;
  }

  unsigned char savedOrder[EVENT_CARD_COUNT];
  unsigned char savedIndex = 0;
};

TEST_F(EventEffectsTest, UsableCardsAreHisOwnTheTeamsAndHisExtraCardsButNoBlueOnAClimb) {
  putRider(1, 20, 1);  // team 0, member 1: slots 4 (blue) and 5 (white)
  giveExtraCard(0, 0, 1, 6);
  giveExtraCard(0, 1, 2, 5);  // won by a team-mate; slot 16 stays empty
  for (int s = 0; s <= 16; s++) EXPECT_EQ(cardUsableByRider(1, s), s == 4 || s == 5 || (s >= 10 && s <= 14)) << s;
  setSquare(20, 1, 0, TERRAIN_CLIMB);
  for (int s : {5, 12}) EXPECT_TRUE(cardUsableByRider(1, s)) << s;
  for (int s : {4, 10, 14}) EXPECT_FALSE(cardUsableByRider(1, s)) << s;
  cardUsed[0][5] = 1;
  EXPECT_FALSE(cardUsableByRider(1, 5));
  EXPECT_FALSE(cardUsableByRider(-1, 5));
  EXPECT_FALSE(cardUsableByRider(1, 18));

  cardUsed[0][12] = cardUsed[0][13] = 1;
  EXPECT_FALSE(riderHasUsableCard(1));  // only blue cards left on the climb
  setSquare(20, 1, 0, TERRAIN_FLAT);
  EXPECT_TRUE(riderHasUsableCard(1));
}

// Turns to sit out, the computer: extra cards first, then his own and the
// team's in slot order; on cobbles never two of one value, and after an
// extra card no strength card; on a climb no blue card. A turn he cannot
// hand a card in for parks him for the round, and the turn passes.
TEST_F(EventEffectsTest, ComputerHandsInCardsForHisTurnsToSitOutOrIsParked) {
  struct Case {
    const char* what;
    int rider, terrain, card;
    std::vector<int> usedBefore;  // {-1}: the whole hand
    std::vector<Extra> extras;
    std::vector<int> handedIn, kept;
    int usedTotal, skipLeft, parked;
  };
  const Case cases[] = {
      {"one turn: his first card", 1, TERRAIN_FLAT, 2, {}, {}, {4}, {}, 1, 0, 0},
      {"two turns, one card", 1, TERRAIN_FLAT, 7, {5, 10, 11, 12, 13}, {}, {4}, {}, 6, 0, 1},
      {"no card: a turn still to sit out", 1, TERRAIN_FLAT, 11, {-1}, {}, {}, {}, 14, 1, 1},
      {"cobbles: one strength card", 0, TERRAIN_COBBLES, 9, {}, {}, {0}, {}, 1, 0, 1},
      {"cobbles: extras of two values", 0, TERRAIN_COBBLES, 5, {}, {{0, 0, 6}, {1, 0, 5}}, {14, 15}, {}, 2, 0, 0},
      {"cobbles: two extras of one value", 0, TERRAIN_COBBLES, 5, {}, {{0, 0, 5}, {1, 0, 5}}, {14}, {15}, 1, 0, 1},
      {"extra card first, not a team-mate's", 0, TERRAIN_FLAT, 6, {}, {{2, 0, 6}, {3, 3, 5}}, {16, 0}, {17}, 2, 0, 0},
      {"climb: blue cards kept", 0, TERRAIN_CLIMB, 8, {}, {{0, 0, 6}}, {2, 3}, {14, 0, 1}, 2, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    resetRoad();
    putRider(c.rider, 20, 1);
    setSquare(20, 1, 0, c.terrain);
    for (int s : c.usedBefore) s == -1 ? useWholeHand(0) : void(cardUsed[0][s] = 1);
    for (const Extra& e : c.extras) giveExtraCard(0, e.slot, e.holder, e.value);
    drawCard(c.rider, c.card);
    applyEventCard();
    for (int s : c.handedIn) EXPECT_EQ(cardUsed[0][s], 1) << s;
    for (int s : c.kept) EXPECT_EQ(cardUsed[0][s], 0) << s;
    EXPECT_EQ(usedCount(0, 0, 17), c.usedTotal);
    EXPECT_EQ(fate(c.rider), (std::vector<int>{c.skipLeft, c.parked, 0}));
    if (c.parked) {
      EXPECT_EQ(riders[c.rider].movedThisRound, 1);
      EXPECT_EQ(trackOccupant[20][1], -1);
      EXPECT_EQ(turn(), std::make_pair(BYSTANDER, SCREEN_PLAY_CARDS));
      EXPECT_EQ(eventCardRider, -1);  // cleared by the new turn
      EXPECT_EQ(moveTimerRequests(), 0);
    } else {  // he moves with his plain throw of 7
      EXPECT_EQ(turn(), std::make_pair(c.rider, SCREEN_MOVING));
      EXPECT_EQ(eventCardRider, c.rider);
      EXPECT_EQ(pathLength, 7);
      EXPECT_EQ(moveTimerRequests(), 1);
    }
  }
}

// Turns to sit out, a person: he picks the cards; a turn without a card
// parks him, else he chooses his move on the throw he has.
TEST_F(EventEffectsTest, PersonHandsInCardsAndMovesWithoutAFreshThrowOrIsParked) {
  struct Case {
    int card, terrain;
    std::vector<int> usedBefore;
    int askedOn;
    std::vector<int> picks;
    int parked;
  };
  const Case cases[] = {
      {4, TERRAIN_FLAT, {}, SCREEN_HAND_IN_CARDS, {5}, 0},
      {10, TERRAIN_FLAT, {}, SCREEN_HAND_IN_CARDS, {4}, 1},
      {5, TERRAIN_FLAT, {}, SCREEN_HAND_IN_CARDS, {4, 12}, 0},
      // Left: his blue card 4 and the blue team cards, none usable on a climb.
      {0, TERRAIN_CLIMB, {5, 12, 13}, SCREEN_NO_CARD_TO_HAND_IN, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "card " << c.card);
    resetRoad();
    putRider(1, 20, 1);
    setSquare(20, 1, 0, c.terrain);
    for (int s : c.usedBefore) cardUsed[0][s] = 1;
    drawCard(1, c.card, true);
    applyEventCard();
    ASSERT_EQ(currentScreen, c.askedOn);
    EXPECT_EQ(riders[1].skipTurns, c.card <= 4 ? 1 : 2);
    for (int s : c.picks) pickToHandIn(s);
    answerHandInCards();
    EXPECT_EQ(fate(1), (std::vector<int>{0, c.parked, 0}));
    EXPECT_EQ(usedCount(0, 0, 17), static_cast<int>(c.usedBefore.size() + c.picks.size()));
    if (c.parked) {
      EXPECT_EQ(riders[1].movedThisRound, 1);
      EXPECT_FALSE(onGrid(1));
      EXPECT_EQ(turn(), std::make_pair(BYSTANDER, SCREEN_PLAY_CARDS));
    } else {
      EXPECT_EQ(turn(), std::make_pair(1, SCREEN_CHOOSE_MOVE));
      EXPECT_EQ(std::make_pair(movementValues[0], movementValues[1]), std::make_pair(3, 4));
      EXPECT_EQ(pathLength, 7);
    }
  }
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
  putRider(3, 30, 3);  // level on his right but moved already: stays up
  riders[3].movedThisRound = 1;
  putRider(5, 29, 3);  // beside the rider behind: falls
  putRider(6, 27, 2);  // behind an empty square: stays up
  riders[1].humanControlled = 1;
  redrawHook = recordActiveRider;
  drawCard(0, 12);
  applyEventCard();
  EXPECT_EQ(std::make_pair(riders[3].skipTurns, riders[6].skipTurns), std::make_pair(0, 0));
  // The computer riders each handed in his first card and stay on the road.
  EXPECT_EQ(used(0, {0, 6}), (std::vector<int>{1, 1}));
  EXPECT_EQ(cardUsed[1][4], 1);
  for (int r : {0, 2, 5}) EXPECT_EQ(fate(r), (std::vector<int>{0, 0, 0})) << r;
  EXPECT_TRUE(onGrid(2) && onGrid(5));
  EXPECT_FALSE(onGrid(0));  // lifted for his move
  // The person is asked last, his own team's hand shown.
  EXPECT_EQ(turn(), std::make_pair(1, SCREEN_HAND_IN_CARDS));
  EXPECT_EQ(shownTeam, 0);
  EXPECT_EQ(fate(1), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(activeRiders, (std::vector<int>{0, 2, 5, 1}));

  pickToHandIn(5);
  answerHandInCards();
  EXPECT_EQ(fate(1), (std::vector<int>{0, 0, 0}));
  EXPECT_TRUE(onGrid(1));
  EXPECT_EQ(turn(), std::make_pair(0, SCREEN_MOVING));  // the causer's move goes on with his throw
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
    EXPECT_EQ(fate(r), (std::vector<int>{0, r >= 12, 0})) << r;
    EXPECT_EQ(onGrid(r), r >= 9 && r <= 11) << r;
  }
  EXPECT_EQ(std::make_pair(riders[12].movedThisRound, riders[13].movedThisRound), std::make_pair(1, 1));
  EXPECT_EQ(usedCount(2, 0, 17), 4);  // one card for each of team 2's riders
  EXPECT_EQ(turn(), std::make_pair(8, SCREEN_MOVING));
}

TEST_F(EventEffectsTest, TheCauserOfCardFourteenSitsOutTwoTurnsTheOthersOne) {
  putRider(0, 30, 2);
  putRider(1, 29, 2);
  putRider(2, 30, 1);
  drawCard(0, 14, true);
  applyEventCard();
  EXPECT_EQ(eventCardRider, 0);
  EXPECT_EQ(turn(), std::make_pair(0, SCREEN_HAND_IN_CARDS));
  EXPECT_EQ(riders[0].skipTurns, 2);
  EXPECT_EQ(fate(1), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(riders[2].skipTurns, 1);
  EXPECT_FALSE(onGrid(0));
  EXPECT_TRUE(onGrid(1));
}

TEST_F(EventEffectsTest, AParkedCauserLetsTheNextTurnFollowTheCrash) {
  putRider(4, 30, 2);  // the causer, team 1, nothing left to hand in
  putRider(1, 29, 2);  // a person, front-most unmoved after the crash
  putRider(2, 28, 2);  // a computer rider who has moved already, only team cards left
  riders[1].humanControlled = 1;
  riders[2].movedThisRound = 1;
  useWholeHand(1);
  for (int s : {6, 7, 10, 11, 12, 13}) cardUsed[0][s] = 1;
  drawCard(4, 13);
  applyEventCard();
  EXPECT_EQ(fate(4), (std::vector<int>{0, 1, 0}));
  // The person decides first (front-most), rider 2 is still to decide.
  ASSERT_EQ(turn(), std::make_pair(1, SCREEN_HAND_IN_CARDS));
  EXPECT_EQ(riders[2].crashInvolved, 1);
  pickToHandIn(4);
  answerHandInCards();
  // Rider 2 had no card: parked, though he had moved; the turn goes to the
  // front-most rider still to move, the person.
  EXPECT_EQ(fate(2), (std::vector<int>{0, 1, 0}));
  EXPECT_FALSE(onGrid(2));
  EXPECT_EQ(turn(), std::make_pair(1, SCREEN_PLAY_CARDS));
  EXPECT_EQ(eventCardRider, -1);  // cleared by the new turn
}

TEST_F(EventEffectsTest, AVictimALapAheadPlaysFirstAndTheCauserStandsOnHisSquareMeanwhile) {
  putRider(0, 30, 0);   // the causer
  putRider(7, 138, 3);  // a lap ahead, on the copy of the square behind him
  riders[7].humanControlled = 1;
  drawCard(0, 12);
  applyEventCard();
  EXPECT_EQ(riders[0].skipTurns, 0);
  ASSERT_EQ(turn(), std::make_pair(7, SCREEN_HAND_IN_CARDS));
  pickToHandIn(8);
  answerHandInCards();
  // The turn is his; the causer, who has not moved, waits on his square.
  EXPECT_EQ(turn(), std::make_pair(7, SCREEN_PLAY_CARDS));
  EXPECT_TRUE(onGrid(0));
  EXPECT_EQ(std::make_pair(riders[0].parked, riders[0].movedThisRound), std::make_pair(0, 0));
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

// ---- Extra card, extra die and bonus squares ----

// The computer plays an extra card at once, a white one on a climb, and
// never stores it; he throws the extra die at once. Bonus squares come by
// card, three of them declaring a breakaway; a person sees them on his path.
TEST_F(EventEffectsTest, TheCardsBonusIsAddedToTheThrow) {
  struct Case {
    int card, terrain, draw, bonus;
    bool human;
  };
  std::vector<Case> cases = {{16, TERRAIN_FLAT, -1, 6, false},
                             {15, TERRAIN_CLIMB, -1, 5, false},
                             {19, TERRAIN_FLAT, 4, 5, false}};
  const int squares[] = {2, 2, 3, 3, 4, 4, 4, 4};
  for (int card = 21; card <= 28; card++)
    for (bool human : {false, true}) cases.push_back({card, TERRAIN_FLAT, -1, squares[card - 21], human});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "card " << c.card << (c.human ? " person" : " computer"));
    resetRoad();
    putRider(0, 20, 1);
    setSquare(20, 1, 0, c.terrain);
    drawCard(0, c.card, c.human);
    if (c.draw >= 0) scriptRandom({c.draw});
    applyEventCard();
    EXPECT_EQ(pathLength, 7 + c.bonus);
    if (c.card >= 21) {
      EXPECT_EQ(bonusSquares, c.bonus);
      EXPECT_EQ(breakawayDeclared, c.card == 22 || c.card == 27 || c.card == 28 ? 1 : 0);
    } else {
      EXPECT_EQ(c.card <= 17 ? eventCardBonusValue : extraDie, c.bonus);
    }
    if (c.human) {
      EXPECT_EQ(movementTotal, 7);
      EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
      continue;
    }
    EXPECT_EQ(movementTotal, 7 + c.bonus);
    EXPECT_EQ(currentScreen, SCREEN_MOVING);
    EXPECT_EQ(riders[0].row, 27 + c.bonus);  // the search left the end square in his row
    for (int i = 0; i < EXTRA_SLOTS; i++) {
      EXPECT_EQ(cardUsed[0][FIRST_EXTRA_SLOT + i], -1);
      EXPECT_EQ(extraCardHolder[0][i], -1);
    }
  }
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
  EXPECT_EQ(std::make_pair(pathLength, movementTotal), std::make_pair(10, 10));
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
}

TEST_F(EventEffectsTest, PersonPlaysHisExtraCardNowOrKeepsItForLater) {
  putRider(2, 20, 1);
  drawCard(2, 17, true);
  applyEventCard();
  EXPECT_EQ(currentScreen, SCREEN_CARD_KIND);
  receiveExtraCard(6);
  EXPECT_EQ(currentScreen, SCREEN_CARD_TIMING);
  EXPECT_EQ(extraCard(0, 0), std::make_pair(2, 6));
  useExtraCardNowOrLater(1);
  EXPECT_EQ(std::make_pair(pathLength, eventCardBonusValue), std::make_pair(13, 6));
  EXPECT_NE(cardUsed[0][14], 0);  // spent
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);

  // Later: the card stays in his hand.
  drawCard(2, 15, true);
  eventCardBonusValue = 0;
  applyEventCard();
  receiveExtraCard(5);
  useExtraCardNowOrLater(0);
  EXPECT_EQ(cardUsed[0][14], 0);
  EXPECT_EQ(extraCard(0, 0), std::make_pair(2, 5));
  EXPECT_EQ(std::make_pair(pathLength, eventCardBonusValue), std::make_pair(7, 0));
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
  EXPECT_EQ(extraCard(0, 1), std::make_pair(2, 5));
  useExtraCardNowOrLater(0);
  EXPECT_EQ(cardUsed[0][15], 0);

  // Now all four hold cards in hand: nothing is given, nothing else moves.
  cardUsed[0][13] = 1;
  int usedBefore[CARD_SLOTS];
  std::memcpy(usedBefore, cardUsed[0], sizeof usedBefore);
  int nextTeamUsed = cardUsed[1][0];
  drawCard(2, 17, true);
  applyEventCard();
  receiveExtraCard(6);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(0, std::memcmp(usedBefore, cardUsed[0], sizeof usedBefore));
  EXPECT_EQ(cardUsed[1][0], nextTeamUsed);
  EXPECT_EQ(extraCardHolder[0][0], 0);
  EXPECT_EQ(extraCard(0, 3), std::make_pair(3, 6));
  EXPECT_EQ(extraCardHolder[1][0], -1);
  EXPECT_EQ(pathLength, 7);
  useExtraCardNowOrLater(1);  // a timing answer without a fresh card changes nothing either
  EXPECT_EQ(pathLength, 7);
  EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
}

// ---- Four bonus squares against one card ----

// The computer hands in an extra card first, on a climb no blue one; without
// a usable card the card is cancelled, and after its OK the throw stands.
TEST_F(EventEffectsTest, ComputerHandsInOneCardForTheFourSquaresOrTheCardIsCancelled) {
  struct Case {
    int terrain;
    Extra extra;
    int handedIn;  // -1: nothing usable
    bool human;
  };
  const Case cases[] = {{TERRAIN_FLAT, {1, 1, 5}, 15, false},
                        {TERRAIN_CLIMB, {0, 1, 6}, 5, false},
                        {TERRAIN_FLAT, {0, 2, 5}, -1, false},  // a team-mate's extra card
                        {TERRAIN_FLAT, {0, 2, 5}, -1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.handedIn << (c.human ? " person" : " computer"));
    resetRoad();
    putRider(1, 20, 1);
    setSquare(20, 1, 0, c.terrain);
    if (c.handedIn == -1) useWholeHand(0);
    giveExtraCard(0, c.extra.slot, c.extra.holder, c.extra.value);
    drawCard(1, 29, c.human);
    applyEventCard();
    int squares = c.handedIn == -1 ? 0 : 4;
    if (c.handedIn == -1) {
      EXPECT_EQ(currentScreen, SCREEN_EVENT_CARD_CANCELLED);
      EXPECT_EQ(moveTimerRequests(), 0);
      closeCancelledEventCard();
    } else {
      EXPECT_EQ(cardUsed[0][c.handedIn], 1);
      EXPECT_EQ(usedCount(0, 0, 17), 1);
    }
    EXPECT_EQ(bonusSquares, squares);
    EXPECT_EQ(std::make_pair(movementTotal, pathLength), std::make_pair(7 + squares, 7 + squares));
    EXPECT_EQ(currentScreen, c.human ? SCREEN_CHOOSE_MOVE : SCREEN_MOVING);
    EXPECT_EQ(moveTimerRequests(), c.human ? 0 : 1);
  }
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
  EXPECT_EQ(std::make_pair(pathLength, bonusSquares), std::make_pair(11, 4));
  EXPECT_EQ(turn(), std::make_pair(1, SCREEN_CHOOSE_MOVE));
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
  EXPECT_EQ(turn(), std::make_pair(1, SCREEN_MOVING));  // front-most of the new round
  // The same with a crash screen and an out-of-range rider number.
  for (Rider& r : riders) r.movedThisRound = 1;
  currentScreen = SCREEN_BUSY;
  eventDeckOrder[eventCardIndex] = 12;
  continueAfterEvent(RIDER_COUNT);
  EXPECT_EQ(roundNumber, round + 2);
}

}  // namespace
