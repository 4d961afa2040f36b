// A whole stage played through the window's callbacks: two teams played by
// a person, two by the computer, event cards on, a seeded random source.
// The race is laid by a click on a course tile; from the start-order throw
// to the stage standings every action of the person is a click or a key
// sent to onMouseClick, onKeyboardUp and onSpecialKeyUp. The test decides
// what to press by reading the race state; it never calls a rule to act.
// The computer's moves run on the move timer, whose ticks the test
// delivers; a scorecard, the positions and the settings are opened over a
// moving computer rider and closed, and the move must go on; keys and clicks
// during a computer move do nothing. The race invariants are checked after
// every event.
#include <GL/freeglut.h>

#include <initializer_list>
#include <string>

#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "render/layout.h"
#include "rules/event_deck.h"
#include "rules/event_effects.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "rules/throw_rules.h"
#include "support/race_driver.h"
#include "texts/language_texts.h"
#include "ui/course_selection.h"
#include "ui/dialog_panel.h"
#include "ui/hand_started_race.h"
#include "ui/input.h"
#include "ui/race_panel.h"
#include "ui/score_panel.h"
#include "ui/settings_screen.h"
#include "ui/ui_harness.h"

namespace {

const unsigned char ENTER = 13;
const unsigned char SPACE = 32;
const int EVENT_LIMIT = 20000;
// More events than this in a row with no progress is a stall.
const int SAME_SCREEN_LIMIT = 200;

int pendingTicks = 0;
int tickValue = 0;

void recordTick(unsigned int, int value) {
  ++pendingTicks;
  tickValue = value;
}

// The screen's number and name, for the failure messages.
std::string screenName(int screen) {
  static const char* const names[SCREEN_COUNT] = {"stage over",
                                                  "card screen",
                                                  "move screen",
                                                  "busy",
                                                  "computer moving",
                                                  "scorecard",
                                                  "follow question",
                                                  "event card",
                                                  "hand-in",
                                                  "card kind",
                                                  "card timing",
                                                  "extra die",
                                                  "hand-in for bonus",
                                                  "no card to hand in",
                                                  "-",
                                                  "event card cancelled",
                                                  "positions",
                                                  "no move",
                                                  "doping question",
                                                  "quit question",
                                                  "start throw",
                                                  "start throw result",
                                                  "start grid",
                                                  "computer start grid",
                                                  "doping number",
                                                  "computer turn",
                                                  "doping control",
                                                  "main menu",
                                                  "language",
                                                  "stage standings",
                                                  "countercheck",
                                                  "manual",
                                                  "course selection",
                                                  "course designer",
                                                  "saved courses",
                                                  "team setup",
                                                  "loading",
                                                  "settings",
                                                  "setup errors",
                                                  "saved races",
                                                  "saved race scorecard",
                                                  "save failed"};
  const bool known = screen >= 0 && screen < SCREEN_COUNT;
  return std::to_string(screen) + " (" + (known ? names[screen] : "unknown") + ")";
}

bool personActive() {
  return isRiderIndex(activeRider) && riders[activeRider].humanControlled != 0;
}

// What the person did, counted to show that the stage went through it.
struct Played {
  int cardsChosen = 0, steps = 0, stepsBack = 0, follows = 0, eventCards = 0, kinds = 0,
      overlays = 0;
};

class WholeStageTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    useScratchFolder();
    pendingTicks = 0;
    moveTimerHook = recordTick;
    redrawHook = nullptr;        // a frame is drawn as each screen comes up
    smoothComputerMovement = 0;  // square by square: one tick a square
  }
  void TearDown() override {
    releaseRaceDriver();
    ScreenTest::TearDown();
  }

  void click(float x, float y, float w, float h) { pressAndReleaseAt(x + w / 2, y + h / 2); }
  bool alternate() { return ++turns % 2 == 0; }
  void key(const char* label, int hotKey) {
    typeKey(static_cast<unsigned char>(hotKeyLetter(label, hotKey)));
  }
  void answer(bool left, float lx, float ly, float rx, float ry, const char* ll, int lk,
              const char* rl, int rk) {
    if (alternate())
      click(left ? lx : rx, left ? ly : ry, buttonWidth, buttonHeight);
    else if (left)
      key(ll, lk);
    else
      key(rl, rk);
  }
  // The dialog panel moved by its title strip; its buttons go with it.
  void dragDialog(float by) {
    const float x = dialogPanelX + 10, y = dialogPanelY - panelTitleHeight / 2,
                okX = dialogOkButtonX;
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    onMouseDrag(static_cast<int>(x + by) + drawAreaX, static_cast<int>(y + by) + drawAreaY);
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, x + by, y + by);
    EXPECT_NE(dialogOkButtonX, okX) << "the dialog did not move";
  }
  void ok() {
    const int way = ++turns % 3;
    if (way == 0)
      click(dialogOkButtonX, dialogOkButtonY, buttonWidth, buttonHeight);
    else
      typeKey(way == 1 ? ENTER : 'o');
  }

  // The teams and the race: teams 0 and 2 are played by a person, event
  // cards are on, and a click on the tile lays the course.
  void layRaceByTile(int tile, uint32_t seed) {
    seedRaceRandom(seed);
    for (int i = 0; i < RIDER_COUNT; ++i) {
      riders[i] = Rider();
      riders[i].humanControlled = riderTeam(i) % 2 == 0 ? 1 : 0;
    }
    eventCardsOn = 1;
    eventCardIndex = 0;  // the deck is shuffled per race but drawn on from where it stood
    tourMode = 0;
    openCourseSelection();
    clickAt(courseTilesX + (tile % 2) * (courseTileWidth + courseTileGapX) + courseTileWidth / 2,
            courseTilesY + (tile / 2) * (courseTileHeight + courseTileGapY) + courseTileHeight / 2);
    ASSERT_EQ(currentScreen, SCREEN_START_THROW);
    beginRaceChecks();
  }

  // One card screen of the person: doping once from round 3, now and then
  // a card by an F-key or a press on it, Breakaway, then Throw.
  void playCards() {
    const int turn = roundNumber * RIDER_COUNT + activeRider;
    if (turn != cardTurn) {
      cardTurn = turn;
      cardStep = 0;
      ++personTurns;
    }
    const int step = cardStep++;
    if (step == 0 && seen[SCREEN_DOPING_CONFIRM] == 0 && roundNumber >= 3 &&
        dopingButtonEnabled()) {
      click(dopingButtonX, dopingButtonY, footerButtonWidth, buttonHeight);
      ASSERT_EQ(currentScreen, SCREEN_DOPING_CONFIRM);
      return;
    }
    const int before = chosenCards[0] + chosenCards[1];
    if (step == 1 && personTurns % 3 == 1) {
      pressSpecialKey(GLUT_KEY_F1 + personTurns / 3 % 12);
    } else if (step == 1 && personTurns % 3 == 2) {
      for (int slot = 0; slot < CARD_SLOTS; ++slot)
        if (cardUsed[riderTeam(activeRider)][slot] == 0 && cardUsableByRider(activeRider, slot)) {
          mouseEventAt(
              GLUT_LEFT_BUTTON, GLUT_DOWN,
              cardPanelX + cardGapX + (slot / 2) * (cardWidth + cardGapX) + cardWidth / 2,
              cardPanelY + cardGapY + (slot % 2) * (cardHeight + cardGapY) + cardHeight / 2);
          mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, -100, -100);
          break;
        }
    } else if (step == 2 && personTurns % 6 == 5 && chosenCards[0] != CARD_DIE) {
      mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, diceX + dieSize / 2, diceY + dieSize / 2);
      mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, -100, -100);
      EXPECT_TRUE(chosenCards[0] == CARD_DIE || chosenCards[0] == CARD_DOPING)
          << "the card stayed on its die";
    } else if (step == 2 && personTurns % 4 == 2 && chosenCards[0] != CARD_DIE) {
      key(textBreakaway, HOTKEY_BREAKAWAY);
      EXPECT_EQ(breakawayDeclared, 1);
    } else if (step >= 1) {
      if (alternate())
        key(textThrow, HOTKEY_THROW);
      else
        click(throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight);
      EXPECT_NE(currentScreen, SCREEN_PLAY_CARDS) << "Throw did not throw";
      return;
    }
    if (chosenCards[0] + chosenCards[1] != before) ++played.cardsChosen;
  }

  // The move: one arrow a step to a free square (one step taken back once),
  // Enter or Space when no step is left or free.
  void stepRider() {
    const Rider& rider = riders[activeRider];
    if (played.stepsBack == 0 && pathPointIndex == 1 && pathLength > 2) {
      pressSpecialKey(GLUT_KEY_DOWN);
      EXPECT_EQ(pathPointIndex, 0) << "the step back";
      ++played.stepsBack;
      return;
    }
    if (pathPointIndex == 2 && played.steps % 9 == 0) {
      const int row = rider.row, lane = rider.lane;
      key(textScorecard, HOTKEY_FOOTER_SCORECARD);
      EXPECT_EQ(currentScreen, SCREEN_SCORECARD);
      typeKey(ENTER);
      EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
      EXPECT_TRUE(rider.row == row && rider.lane == lane && pathPointIndex == 2);
      ++played.steps;
      return;
    }
    const bool stepsLeft = pathPointIndex < pathLength && pathPointIndex < MAX_PATH_POINTS - 1;
    const char order[2][3] = {{'M', 'L', 'R'}, {'M', 'R', 'L'}};
    for (char letter : order[played.steps % 2]) {
      if (!stepsLeft || stepBlocked(tryStep(rider.row, rider.lane, letter, 0))) continue;
      const int before = pathPointIndex;
      pressSpecialKey(letter == 'M' ? GLUT_KEY_UP : letter == 'L' ? GLUT_KEY_LEFT : GLUT_KEY_RIGHT);
      EXPECT_EQ(pathPointIndex, before + 1) << "a free step was not taken";
      ++played.steps;
      return;
    }
    typeKey(alternate() ? ENTER : SPACE);
  }

  void handIn() {
    if (screenEvents <= 12 && handInCards[0] == -1) {
      pressSpecialKey(GLUT_KEY_F1 + screenEvents - 1);
      return;
    }
    if (alternate())
      click(handInOkButtonX, handInOkButtonY, throwButtonWidth, throwButtonHeight);
    else
      typeKey(ENTER);
  }

  // Opens an overlay over the moving computer rider, delivers the pending
  // tick while it is open (it must not move him), and closes it: the move
  // goes on with exactly one tick pending. The settings switch the movement
  // to smooth and later back to square by square in mid-move; the quit
  // question is answered No.
  void overlayOverMove(int kind) {
    const int point = pathPointIndex;
    const float x = riders[activeRider].boardX, y = riders[activeRider].boardY;
    const int overlays[5] = {SCREEN_SCORECARD, SCREEN_POSITIONS, SCREEN_SETTINGS,
                             SCREEN_QUIT_CONFIRM, SCREEN_SETTINGS};
    const SettingsLayout settings = settingsLayout();
    if (kind == 0) click(scorecardButtonX, scorecardButtonY, footerButtonWidth, buttonHeight);
    if (kind == 1) key(textPositions, HOTKEY_FOOTER_POSITIONS);
    if (kind == 2 || kind == 4)
      click(settingsButtonX, settingsButtonY, footerButtonWidth, buttonHeight);
    if (kind == 3) key(textQuit, HOTKEY_FOOTER_QUIT);
    ASSERT_EQ(currentScreen, overlays[kind]);
    drawNow();
    if (kind != 1) {
      pendingTicks = 0;
      onComputerMoveTimer(tickValue);
      EXPECT_EQ(pendingTicks, 0) << "a tick under the overlay asked for another";
      EXPECT_EQ(pathPointIndex, point);
      EXPECT_EQ(riders[activeRider].boardX, x);
      EXPECT_EQ(riders[activeRider].boardY, y);
    }
    if (kind == 0) click(scoreOkButtonX, scoreOkButtonY, buttonWidth, buttonHeight);
    if (kind == 1) click(positionsOkButtonX, positionsOkButtonY, buttonWidth, buttonHeight);
    if (kind == 2 || kind == 4) {
      const float* radio = kind == 2 ? settings.smoothRadio : settings.stepwiseRadio;
      pressAndReleaseAt(radio[0], radio[1]);
      click(settings.okButton[0], settings.okButton[1], settings.okButton[2], settings.okButton[3]);
      EXPECT_EQ(smoothComputerMovement, kind == 2 ? 1 : 0);
    }
    if (kind == 3)
      answer(false, 0, 0, dialogNoButtonX, dialogNoButtonY, nullptr, 0, textNo, HOTKEY_NO);
    EXPECT_EQ(currentScreen, SCREEN_MOVING) << "overlay " << kind << " did not close";
    EXPECT_EQ(pendingTicks, 1) << "overlay " << kind;
    EXPECT_TRUE(moveTickIsPending());
    ++played.overlays;
  }

  // Keys and clicks of an impatient person during a computer move change
  // nothing.
  void ignoredDuringMove() {
    const int point = pathPointIndex;
    switch (impatient / 7 % 4) {
      case 0:
        typeKey(ENTER);
        break;
      case 1:
        pressSpecialKey(GLUT_KEY_UP);
        break;
      case 2:
        pressSpecialKey(GLUT_KEY_F5);
        break;
      default:
        click(throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight);
        break;
    }
    EXPECT_EQ(currentScreen, SCREEN_MOVING);
    EXPECT_EQ(pendingTicks, 1);
    EXPECT_EQ(pathPointIndex, point);
  }

  // One event of the person (or the tick of a computer move); false when
  // the screen waits on nothing the test can give.
  bool act() {
    if (pendingTicks > 0) {
      EXPECT_EQ(pendingTicks, 1) << "two ticks pending on screen " << screenName(currentScreen);
      if (tickValue != lastMove) {
        lastMove = tickValue;
        ++computerMoves;
      }
      if (currentScreen == SCREEN_MOVING && pathPointIndex == 1 && computerMoves % 5 == 0 &&
          played.overlays < 5 && overlayMove != computerMoves) {
        overlayMove = computerMoves;
        overlayOverMove(played.overlays);
        return true;
      }
      if (currentScreen == SCREEN_MOVING && ++impatient % 7 == 0) ignoredDuringMove();
      pendingTicks = 0;
      onComputerMoveTimer(tickValue);
      return true;
    }
    switch (currentScreen) {
      case SCREEN_START_THROW:
      case SCREEN_START_THROW_RESULT:
        if (alternate())
          click(throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight);
        else if (currentScreen == SCREEN_START_THROW)
          key(textThrow, HOTKEY_THROW);
        else
          key(textNextTeam, HOTKEY_NEXT_TEAM);
        return true;
      case SCREEN_START_PLACE_HUMAN:
        return placeStartRiderByKeys();
      case SCREEN_PLAY_CARDS:
        playCards();
        return true;
      case SCREEN_CHOOSE_MOVE:
        stepRider();
        return true;
      case SCREEN_DOPING_CONFIRM:
        answer(true, dialogYesButtonX, dialogYesButtonY, 0, 0, textYes, HOTKEY_YES, nullptr, 0);
        return true;
      case SCREEN_DOPING_NUMBER:
        ok();
        return true;
      case SCREEN_FOLLOW_QUESTION:
        ++played.follows;
        if (played.follows % 4 == 1) dragDialog(played.follows % 8 == 1 ? 60.0f : -60.0f);
        answer(played.follows % 3 != 0, dialogYesButtonX, dialogYesButtonY, dialogNoButtonX,
               dialogNoButtonY, textYes, HOTKEY_YES, textNo, HOTKEY_NO);
        return true;
      case SCREEN_EVENT_CARD:
        if (personActive()) ++played.eventCards;
        ok();
        return true;
      case SCREEN_CARD_KIND:
        ++played.kinds;
        answer(played.kinds % 2 == 0, blueCardButtonX, blueCardButtonY, whiteCardButtonX,
               whiteCardButtonY, textBlue, HOTKEY_BLUE, textWhite, HOTKEY_WHITE);
        return true;
      case SCREEN_CARD_TIMING:
        answer(played.kinds % 3 != 0, useNowButtonX, useNowButtonY, useLaterButtonX,
               useLaterButtonY, textImmediately, HOTKEY_IMMEDIATELY, textLater, HOTKEY_LATER);
        return true;
      case SCREEN_EXTRA_THROW:
        if (alternate())
          key(textThrow, HOTKEY_THROW);
        else
          click(extraThrowButtonX, extraThrowButtonY, throwButtonWidth, throwButtonHeight);
        return true;
      case SCREEN_HAND_IN_CARDS:
      case SCREEN_HAND_IN_FOR_BONUS:
        handIn();
        return true;
      case SCREEN_NO_MOVE:
      case SCREEN_NO_CARD_TO_HAND_IN:
      case SCREEN_EVENT_CARD_CANCELLED:
      case SCREEN_DOPING_CONTROL:
      case SCREEN_COUNTERCHECK:
        ok();
        return true;
      default:
        return false;
    }
  }

  // Plays the stage to the stage standings, checking the race after every
  // event and drawing a frame as each screen comes up.
  void playStage() {
    bool dopingControl = false;
    long long last = -1;
    int drawnScreen = -1;
    for (int event = 0; event < EVENT_LIMIT; ++event) {
      // The screen, the rider and the point of his move he has reached.
      const long long now =
          ((currentScreen * 64LL + activeRider + 1) * 64 + pathPointIndex) * 100000 + tickValue;
      screenEvents = now == last ? screenEvents + 1 : 1;
      last = now;
      ASSERT_LT(screenEvents, SAME_SCREEN_LIMIT) << "stuck on screen " << screenName(currentScreen);
      if (currentScreen != drawnScreen) {
        drawNow();
        drawnScreen = currentScreen;
        ++seen[currentScreen];
      }
      if (currentScreen == SCREEN_STAGE_STANDINGS) {
        EXPECT_TRUE(dopingControl) << "the stage ended without the doping control";
        return;
      }
      if (currentScreen == SCREEN_DOPING_CONTROL && !dopingControl) {
        dopingControl = true;
        ASSERT_EQ(checkRaceEnd(), "");
      }
      // Mid-move, and while a person decides his hand-ins (the crash
      // victims in turn, the event rider still off his square), the race
      // is between two consistent states.
      const bool midMove = (currentScreen == SCREEN_MOVING && pathPointIndex > 0) ||
                           currentScreen == SCREEN_HAND_IN_CARDS ||
                           currentScreen == SCREEN_NO_CARD_TO_HAND_IN;
      if (!midMove && !dopingControl) {
        ASSERT_EQ(checkRaceInvariants(), "") << "screen " << screenName(currentScreen);
      }
      ASSERT_TRUE(act()) << "no answer on screen " << screenName(currentScreen);
      if (HasFatalFailure()) return;
    }
    FAIL() << "the stage did not end within " << EVENT_LIMIT << " events, on screen "
           << screenName(currentScreen);
  }

  // The whole stage on a tile's course in a language: it must reach the
  // standings through the given screens, with the person's doping taken
  // once and every overlay opened and closed over a computer move.
  void playWholeStage(int tile, uint32_t seed, int inLanguage, std::initializer_list<int> screens) {
    language = inLanguage;
    setLanguageTexts();
    layRaceByTile(tile, seed);
    ASSERT_FALSE(HasFatalFailure());
    playStage();
    ASSERT_FALSE(HasFatalFailure());
    for (int screen : screens)
      EXPECT_GT(seen[screen], 0) << "never on screen " << screenName(screen);
    int doped = 0;
    for (int i = 0; i < RIDER_COUNT; ++i)
      doped += dopingNumber[i] != -1 && riders[i].humanControlled;
    EXPECT_EQ(doped, 1);
    EXPECT_EQ(played.overlays, 5);
    EXPECT_GT(played.cardsChosen, 10);
    EXPECT_GT(played.steps, 100);
    EXPECT_EQ(played.stepsBack, 1);
    EXPECT_GT(played.eventCards, 0);
    EXPECT_GT(played.follows, 0);
    key(textQuit, HOTKEY_STANDINGS_QUIT);
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  }

  Played played;
  int seen[SCREEN_COUNT] = {};  // how often each screen came up
  int turns = 0, personTurns = 0, cardTurn = -1, cardStep = 0, screenEvents = 0;
  int lastMove = -1, computerMoves = 0, overlayMove = -1, impatient = 0;
};

// The shortest course in English: every question of a person's turn comes
// up, a rider is caught at the doping control and throws the countercheck.
TEST_F(WholeStageTest, TwoPersonsAndTwoComputerTeamsRideTheShortestCourseToTheStandings) {
  playWholeStage(2, 13, LANGUAGE_ENGLISH,
                 {SCREEN_START_THROW_RESULT, SCREEN_START_PLACE_HUMAN, SCREEN_FOLLOW_QUESTION,
                  SCREEN_HAND_IN_CARDS, SCREEN_CARD_KIND, SCREEN_CARD_TIMING, SCREEN_EXTRA_THROW,
                  SCREEN_HAND_IN_FOR_BONUS, SCREEN_NO_CARD_TO_HAND_IN, SCREEN_NO_MOVE,
                  SCREEN_DOPING_CONFIRM, SCREEN_DOPING_NUMBER, SCREEN_COUNTERCHECK});
}

// A longer course in German, with the letters of that language: an event
// card is cancelled for want of a card to hand in.
TEST_F(WholeStageTest, AStageInGermanWithACancelledEventCard) {
  playWholeStage(3, 26, LANGUAGE_GERMAN,
                 {SCREEN_FOLLOW_QUESTION, SCREEN_HAND_IN_CARDS, SCREEN_CARD_KIND,
                  SCREEN_EXTRA_THROW, SCREEN_NO_CARD_TO_HAND_IN, SCREEN_EVENT_CARD_CANCELLED,
                  SCREEN_DOPING_NUMBER, SCREEN_COUNTERCHECK});
}

}  // namespace
