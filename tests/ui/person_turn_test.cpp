// A person's turn through the window's callbacks, on the shared test track:
// cards, the card grid's edges, tabs, hand-in slots, steps and the move's end.
#include <GL/freeglut.h>

#include <algorithm>

#include "model/hooks.h"
#include "model/screens.h"
#include "render/layout.h"
#include "render/frame.h"
#include "rules/doping.h"
#include "rules/race_state.h"
#include "support/test_track.h"
#include "texts/language_texts.h"
#include "ui/card_hand.h"
#include "ui/person_turn.h"
#include "ui/ui_harness.h"

namespace {

const int T = 1;        // the team of the rider whose turn it is
const int A = 4;        // member 0 of that team, unless a case says otherwise
const int PRESS = 100;  // PRESS + s: a press on card s

class PersonTurnTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    letGo();
    startTurnOf(A);
  }
  void TearDown() override {
    stopScriptedRandom();
    keyModifiersHook = glutGetModifiers;
    language = LANGUAGE_ENGLISH, setLanguageTexts();
    letGo();
    ScreenTest::TearDown();
  }
  // A release outside every control, so that the next release counts.
  void letGo() { mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, -5000, -5000); }
  // Rows 0..59 of lanes 0..4 flat road, the finish on row 40; the rider, a
  // person, on (10, 2) on the card screen in round 2. Team 1's extra slot 14
  // holds a blue card won by member 0, slot 15 a white one won by member 1.
  void startTurnOf(int rider, int terrain = TERRAIN_FLAT) {
    clearTestTrack(60);
    layRoad(0, 59, 0, 4);
    setSquare(10, 2, 0, terrain);
    nextPerson(rider, 10, 2);
    beginTurnOf(rider);
    lineRows[FINISH_LINE] = 40;
    std::fill(dopingNumber, dopingNumber + RIDER_COUNT, -1);
    extraCardHolder[T][0] = 4, extraCardValue[T][0] = 6, cardUsed[T][14] = 0;
    extraCardHolder[T][1] = 5, extraCardValue[T][1] = 5, cardUsed[T][15] = 0;
    shownTeam = riderTeam(rider);
    currentScreen = SCREEN_PLAY_CARDS;
  }
  void startMoveOf(int steps) {
    pathLength = steps;
    pathPoints[0][0] = 10, pathPoints[0][1] = 2;
    currentScreen = SCREEN_CHOOSE_MOVE;
  }
  void nextPerson(int rider, int row, int lane) {
    enterRider(rider, row, lane);
    riders[rider].humanControlled = 1;
  }
  void press(float x, float y, float w = 0, float h = 0) {
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, x + w / 2, y + h / 2);
  }
  void pressCard(int s) {
    press(cardPanelX + cardGapX + (s / 2) * (cardWidth + cardGapX),
          cardPanelY + cardGapY + (s % 2) * (cardHeight + cardGapY), cardWidth, cardHeight);
  }
  void keys(int key, int times) {
    for (int i = 0; i < times; i++) pressSpecialKey(key);
  }
  int32_t* entries() { return currentScreen == SCREEN_PLAY_CARDS ? chosenCards : handInCards; }
  bool at(int row, int lane) { return riders[A].row == row && riders[A].lane == lane; }
};

// Screen, round, terrain, member, turns to sit out, the entries before
// (chosenCards on screen 1, handInCards on 8 and 12) and Breakaway, an F-key
// or a press -> the entries and Breakaway after. Exactly the cards entering
// the entries become used, exactly those leaving come back.
TEST_F(PersonTurnTest, WhichKeysAndPressesTakeWhichCards) {
  const int F = TERRAIN_FLAT, C = TERRAIN_CLIMB, K = TERRAIN_COBBLES;
  struct Case {
    int screen, round, terrain, member, skip, b0, b1, bBreak, input, a0, a1, aBreak;
  } cases[] = {
      {1, 1, F, 0, 0, -1, -1, 0, 1, -1, -1, 0},   // round 1
      {1, 2, F, 0, 0, -1, -1, 0, 1, 0, -1, 0},    // own blue card
      {1, 2, C, 0, 0, -1, -1, 0, 1, -1, -1, 0},   // blue on a climb
      {1, 2, C, 0, 0, -1, -1, 0, 3, 2, -1, 0},    // white on a climb
      {1, 2, F, 2, 0, -1, -1, 0, 1, 6, -1, 0},    // member 2: F1 is slot 6
      {1, 2, F, 2, 0, -1, -1, 0, 3, -1, -1, 0},   // F3, F4 are not his
      {1, 2, F, 3, 0, -1, -1, 0, 3, -1, -1, 0},   // member 3: F3 is no team card
      {1, 2, F, 1, 0, -1, -1, 0, 5, 10, -1, 0},   // F5: a team card
      {1, 2, F, 0, 0, -1, -1, 0, 9, 14, -1, 0},   // his extra card
      {1, 2, F, 1, 0, -1, -1, 0, 9, -1, -1, 0},   // a team-mate's extra card
      {1, 2, C, 0, 0, -1, -1, 0, 9, -1, -1, 0},   // blue extra card on a climb
      {1, 2, F, 0, 0, 0, -1, 0, 3, 0, 2, 0},      // second card
      {1, 2, K, 0, 0, 0, -1, 0, 3, 0, -1, 0},     // not on cobbles
      {1, 2, K, 0, 0, 99, -1, 0, 3, 99, -1, 0},   // doping card on cobbles
      {1, 2, F, 0, 0, -7, -1, 0, 1, 0, -1, 0},    // a stray entry is empty
      {1, 2, F, 0, 0, 0, -1, 1, 1, -1, -1, 0},    // take back: Breakaway off
      {1, 2, F, 0, 0, 0, 2, 1, 1, -1, 2, 1},      // one card stays
      {1, 2, F, 0, 0, 99, 0, 1, 1, 99, -1, 1},    // the doping card stays
      {1, 2, F, 0, 0, -1, -1, 0, PRESS + 3, 3, -1, 0}, {1, 2, F, 0, 0, -1, -1, 0, PRESS + 4, -1, -1, 0},
      {2, 2, F, 0, 0, -1, -1, 0, 1, -1, -1, 0},   // not while stepping
      {8, 2, F, 0, 1, 0, -1, 0, 2, 0, -1, 0},     // one turn, one card
      {8, 2, F, 0, 2, 0, -1, 0, 2, 0, 1, 0},      // two turns, two cards
      {8, 2, F, 0, 3, 0, -1, 0, 2, 0, -1, 0},     // exactly two
      {8, 2, K, 0, 2, 0, -1, 0, 2, 0, -1, 0},     // one on cobbles
      {8, 2, F, 0, 2, 0, 1, 0, 1, -1, 1, 0},      // take back
      {8, 2, F, 0, 1, 42, -1, 0, PRESS + 12, 12, -1, 0},
      {12, 2, F, 0, 2, 0, -1, 0, 2, 0, -1, 0},    // one card for the bonus
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "screen " << c.screen << " input " << c.input << " b0 " << c.b0);
    startTurnOf(T * 4 + c.member, c.terrain);
    roundNumber = c.round;
    riders[activeRider].skipTurns = c.skip;
    currentScreen = c.screen;
    entries()[0] = c.b0, entries()[1] = c.b1;
    for (int e : {c.b0, c.b1})
      if (e >= 0 && e < CARD_SLOTS) cardUsed[T][e] = 1;
    breakawayDeclared = c.bBreak;
    int32_t before[TEAM_COUNT][CARD_SLOTS];
    std::copy(&cardUsed[0][0], &cardUsed[0][0] + TEAM_COUNT * CARD_SLOTS, &before[0][0]);
    if (c.input >= PRESS) pressCard(c.input - PRESS);
    else pressSpecialKey(c.input);
    EXPECT_TRUE(entries()[0] == c.a0 && entries()[1] == c.a1) << entries()[0] << ", " << entries()[1];
    EXPECT_EQ(breakawayDeclared, c.aBreak);
    for (int t = 0; t < TEAM_COUNT; t++)
      for (int s = 0; s < CARD_SLOTS; s++) {
        const bool in = s == c.a0 || s == c.a1, out = s == c.b0 || s == c.b1;
        EXPECT_EQ(cardUsed[t][s], t == T && in ? 1 : t == T && out ? 0 : before[t][s]) << t << " " << s;
      }
  }
  // A press while another team's hand is shown takes nothing; a key that
  // takes a card back brings the rider's hand into view.
  startTurnOf(A);
  shownTeam = 2;
  pressCard(3);
  EXPECT_EQ(chosenCards[0], -1);
  for (int screen : {SCREEN_PLAY_CARDS, SCREEN_HAND_IN_CARDS}) {
    currentScreen = screen;
    entries()[0] = 2, cardUsed[T][2] = 1, shownTeam = 3;
    pressSpecialKey(GLUT_KEY_F3);
    EXPECT_EQ(entries()[0], -1);
    EXPECT_EQ(shownTeam, T);
  }
}

// On a layout of whole pixels (cards 40 x 50, gaps 10) every card edge
// belongs to that card, never to the next; no press reaches past slot 17.
TEST_F(PersonTurnTest, PressesOnExactCardEdges) {
  cardPanelX = 20, cardPanelY = 600, cardWidth = 40, cardHeight = 50, cardGapX = 10, cardGapY = 10;
  cardPanelWidth = 460, cardPanelHeight = 130;
  for (int s = 0; s < CARD_SLOTS; s++) {
    const float left = 30.0f + 50 * (s / 2), top = 610.0f + 60 * (s % 2);
    for (float x : {left, left + 40})
      for (float y : {top, top + 50}) EXPECT_EQ(cardGridSlotAt(x, y), s) << x << ", " << y;
    EXPECT_EQ(cardGridSlotAt(left + 41, top + 10), -1);
    EXPECT_EQ(cardGridSlotAt(left + 10, top + 51), -1);
  }
  EXPECT_EQ(cardGridSlotAt(480, 730), 17) << "the panel's corner";
  startTurnOf(12);  // team 3: its slot 18 would lie past the card table
  extraCardHolder[3][2] = 12, extraCardValue[3][2] = 5, cardUsed[3][16] = 0;
  press(470, 610);
  EXPECT_EQ(chosenCards[0], 16);
  onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
}

TEST_F(PersonTurnTest, TabsShiftTabAndTheHandInSlots) {
  currentScreen = SCREEN_CHOOSE_MOVE;
  keyModifiersHook = [] { return 0; };
  typeKey('\t');
  EXPECT_EQ(shownTeam, 2);
  keyModifiersHook = [] { return static_cast<int>(GLUT_ACTIVE_SHIFT); };
  typeKey('\t'), typeKey('\t'), typeKey('\t');
  EXPECT_EQ(shownTeam, 3);
  EXPECT_TRUE(cardHandMouse(GLUT_LEFT_BUTTON, GLUT_UP, teamTabsX, teamTabsY));
  EXPECT_EQ(shownTeam, 0);
  EXPECT_TRUE(cardHandMouse(GLUT_LEFT_BUTTON, GLUT_UP, teamTabsX + teamTabsWidth, teamTabsY));
  EXPECT_EQ(shownTeam, 3) << "the strip's right edge";
  currentScreen = SCREEN_SCORECARD;
  typeKey('\t');
  EXPECT_EQ(shownTeam, 3);
  // A press on a filled hand-in slot gives the card back; OK hands in.
  startTurnOf(A);
  riders[A].skipTurns = 2, eventCardRider = A;
  currentScreen = SCREEN_HAND_IN_CARDS;
  pressCard(0), pressCard(1);
  press(handInSlotsX + cardWidth + cardGapX, handInSlotsY, cardWidth, cardHeight);
  EXPECT_TRUE(handInCards[1] == -1 && cardUsed[T][1] == 0);
  press(handInOkButtonX, handInOkButtonY, throwButtonWidth, throwButtonHeight);
  EXPECT_NE(currentScreen, SCREEN_HAND_IN_CARDS);
  // The bonus hand-in waits for its card, then takes OK by key; a stray
  // entry shows an empty (grey) slot and counts as empty.
  startTurnOf(A);
  currentScreen = SCREEN_HAND_IN_FOR_BONUS;
  handInCards[0] = 4000;
  typeKey('o');
  EXPECT_EQ(currentScreen, SCREEN_HAND_IN_FOR_BONUS);
  drawNow();
  EXPECT_TRUE(colourNear(pixelAt(static_cast<int>(handInSlotsX + cardWidth / 2) + drawAreaX,
                                 static_cast<int>(handInSlotsY + cardHeight / 2)), 128, 128, 128, 4));
  pressSpecialKey(GLUT_KEY_F3);
  typeKey(' ');
  EXPECT_EQ(bonusSquares, 4);
}

TEST_F(PersonTurnTest, StepsAndStepsBack) {
  setSquare(14, 2, SQUARE_PASS_THROUGH);
  enterRider(9, 13, 1);
  startMoveOf(5);
  const int L = GLUT_KEY_LEFT, R = GLUT_KEY_RIGHT, U = GLUT_KEY_UP, D = GLUT_KEY_DOWN;
  // key -> row, lane and path index: rider 9 blocks (13, 1), (14, 2) is
  // passed through, the sixth step is refused, Down and "u" step back.
  const int steps[][4] = {{L, 11, 1, 1}, {R, 12, 2, 2}, {L, 12, 2, 2}, {U, 13, 2, 3}, {U, 15, 2, 4},
                          {L, 16, 1, 5}, {U, 16, 1, 5}, {D, 15, 2, 4}, {'u', 13, 2, 3}};
  for (const auto& step : steps) {
    if (step[0] == 'u') typeKey('u');
    else pressSpecialKey(step[0]);
    EXPECT_TRUE(at(step[1], step[2])) << riders[A].row << ", " << riders[A].lane;
    EXPECT_EQ(pathPointIndex, step[3]);
    EXPECT_EQ(pathPoints[step[3]][0], step[1]);
  }
  EXPECT_EQ(trackOccupant[13][2], -1) << "nobody is put on the grid while stepping";
  keys(D, 5);
  EXPECT_TRUE(at(10, 2));
  EXPECT_EQ(pathPointIndex, 0);
  // A move longer than the path buffer stops at its last point.
  startTurnOf(A);
  trackRowCount = 120;
  layRoad(60, 119, 0, 4);
  startMoveOf(80);
  keys(U, 80);
  EXPECT_EQ(pathPointIndex, MAX_PATH_POINTS - 1);
  EXPECT_TRUE(at(10 + MAX_PATH_POINTS - 1, 2));
}

// Enter or Space: steps up, the other person's square, Breakaway, the
// finish row, riders queued ahead, the last road row -> does the move end,
// and what follows.
TEST_F(PersonTurnTest, EndingTheMove) {
  enum { NEXT_TURN, FOLLOW, STAYS };
  struct Case {
    int ups, otherRow, otherLane, bBreak, finish, queued, lastRow;
    unsigned char key;
    int follows;
  } cases[] = {
      {2, 5, 0, 0, 40, 0, 59, 13, NEXT_TURN},   // steps left before the finish
      {2, 5, 0, 0, 40, 0, 59, ' ', NEXT_TURN},
      {2, 9, 2, 0, 40, 0, 59, 13, FOLLOW},      // he stands behind the start
      {2, 9, 2, 1, 40, 0, 59, 13, NEXT_TURN},   // not behind a breakaway
      {0, 9, 2, 0, 40, 0, 59, 13, NEXT_TURN},   // no step: parked, no follow
      {2, 5, 0, 0, 12, 0, 59, 13, NEXT_TURN},   // on the finish row itself
      {3, 5, 0, 0, 12, 0, 59, 13, STAYS},       // past the finish, road free
      {3, 5, 0, 0, 12, 2, 59, 13, STAYS},       // one step still free
      {3, 5, 0, 0, 12, 3, 59, 13, NEXT_TURN},   // all three blocked
      {3, 5, 0, 0, 12, 0, 13, 13, NEXT_TURN},   // the end of the run-out
      {5, 5, 0, 0, 12, 0, 59, 13, NEXT_TURN},   // every step taken
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "ups " << c.ups << " finish " << c.finish << " queued " << c.queued);
    startTurnOf(A);
    nextPerson(8, c.otherRow, c.otherLane);
    breakawayDeclared = c.bBreak;
    lineRows[FINISH_LINE] = c.finish;
    if (c.lastRow < 59) layRoad(c.lastRow + 1, 59, 0, 4, SQUARE_NONE);
    for (int q = 0; q < c.queued; q++) putRider(12 + q, 10 + c.ups + 1, 3 - q);
    startMoveOf(5);
    keys(GLUT_KEY_UP, c.ups);
    typeKey(c.key);
    const int end = 10 + c.ups;
    EXPECT_EQ(riders[A].movedThisRound, c.follows == STAYS ? 0 : 1);
    if (c.follows == STAYS) continue;
    EXPECT_EQ(riders[A].parked, c.ups == 0 ? 1 : 0);
    // A finisher leaves the grid at the next turn; he has his place.
    EXPECT_EQ(trackOccupant[end][2], c.ups == 0 || end > c.finish ? -1 : A);
    EXPECT_EQ(raceResults[FIRST_FINISH_PLACE], end > c.finish ? A : -1);
    EXPECT_EQ(trackOccupant[10][2], -1) << "the start square is cleared";
    EXPECT_EQ(currentScreen, c.follows == FOLLOW ? SCREEN_FOLLOW_QUESTION : SCREEN_PLAY_CARDS);
    EXPECT_EQ(c.follows == FOLLOW ? followCandidate : activeRider, 8);
  }
  // A rider who has since been put on the start square stays there.
  startTurnOf(A);
  nextPerson(8, 5, 0);
  startMoveOf(3);
  keys(GLUT_KEY_UP, 2);
  putRider(9, 10, 2);
  riders[9].movedThisRound = 1;
  typeKey(13);
  EXPECT_TRUE(trackOccupant[10][2] == 9 && trackOccupant[12][2] == A);
}

// A whole turn by mouse and keys: a card taken and given back by its die,
// Breakaway, doping (a die showing the doping card keeps it), the throw by
// letter, steps, two steps back (German "u" steps back here, never Quit),
// the end; the next person's turn follows without a follow question.
TEST_F(PersonTurnTest, AWholeTurn) {
  nextPerson(8, 9, 2);  // right behind him
  scriptRandom({3, diceDraw(1, 1)});
  pressCard(2);
  press(diceX, diceY, dieSize, dieSize);
  EXPECT_EQ(cardUsed[T][2], 0);
  pressSpecialKey(GLUT_KEY_F1);
  press(breakawayBoxX, breakawayBoxY, breakawayBoxSize, breakawayBoxSize);
  press(dopingButtonX, dopingButtonY, footerButtonWidth, buttonHeight);
  ASSERT_EQ(currentScreen, SCREEN_DOPING_CONFIRM);
  acceptDoping();  // Yes and OK of the doping dialogs
  takeDopingCard();
  press(diceX + dieSize + dieGap, diceY, dieSize, dieSize);
  EXPECT_EQ(chosenCards[1], CARD_DOPING);
  language = LANGUAGE_GERMAN, setLanguageTexts();
  typeKey('W');
  ASSERT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
  EXPECT_EQ(pathLength, 12) << "card 6 and doping card 6";
  keys(GLUT_KEY_UP, 3);
  pressSpecialKey(GLUT_KEY_DOWN);
  typeKey('u');
  pressSpecialKey(GLUT_KEY_RIGHT);
  typeKey(13);
  EXPECT_EQ(trackOccupant[12][3], A);
  EXPECT_EQ(cardUsed[T][0], 1);
  EXPECT_EQ(activeRider, 8);
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
}

}  // namespace
