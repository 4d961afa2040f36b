// A whole stage through the window's callbacks: teams 0 and 2 played by a
// person, 1 and 3 by the computer as the team setup's boxes hand them over,
// event cards on, a seeded random source.
// Every action of the person is a click or key sent to onMouseClick,
// onKeyboardUp or onSpecialKeyUp, chosen from the race state; the computer's
// moves run on the recorded move timer. Overlays opened over a moving
// computer rider must resume his move with one tick; input during his move
// does nothing; the race invariants hold after every event.
#include <GL/freeglut.h>

#include <cstring>
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
#include "ui/main_menu.h"
#include "ui/race_panel.h"
#include "ui/score_panel.h"
#include "ui/settings_screen.h"
#include "ui/team_setup.h"
#include "ui/ui_harness.h"

namespace {

const unsigned char ENTER = 13;

int pending() { return static_cast<int>(recordedTicks.delays.size()); }
void deliverTick() {
  recordedTicks.delays.clear();
  onComputerMoveTimer(recordedTicks.lastValue);
}

class WholeStageTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    useScratchFolder();
    recordMoveTicks();
    redrawHook = nullptr;        // a frame is drawn as each screen comes up
    smoothComputerMovement = 0;  // one tick a square
  }
  void TearDown() override {
    releaseRaceDriver();
    ScreenTest::TearDown();
  }

  void click(float x, float y, float w, float h) { pressAndReleaseAt(x + w / 2, y + h / 2); }
  void key(const char* label, int hotKey) {
    typeKey(static_cast<unsigned char>(hotKeyLetter(label, hotKey)));
  }
  // A button by a click or by its letter, in turn.
  struct Button { float x, y; const char* label; int hotKey; };
  void choose(const Button& b, float w = buttonWidth, float h = buttonHeight) {
    if (++turns % 2 == 0)
      click(b.x, b.y, w, h);
    else
      key(b.label, b.hotKey);
  }
  void yesOrNo(bool yes) {
    choose(yes ? Button{dialogYesButtonX, dialogYesButtonY, textYes, HOTKEY_YES}
               : Button{dialogNoButtonX, dialogNoButtonY, textNo, HOTKEY_NO});
  }
  void throwButton(const char* label, int hotKey, float x = throwButtonX, float y = throwButtonY) {
    choose({x, y, label, hotKey}, throwButtonWidth, throwButtonHeight);
  }
  // OK by its button, Enter or its letter, in turn.
  void ok() {
    const int way = ++turns % 3;
    if (way == 0)
      click(dialogOkButtonX, dialogOkButtonY, buttonWidth, buttonHeight);
    else
      typeKey(way == 1 ? ENTER : 'o');
  }
  // The dialog panel dragged by its title strip takes its buttons along.
  void dragDialog(float by) {
    const float x = dialogPanelX + 10, y = dialogPanelY - panelTitleHeight / 2, okX = dialogOkButtonX;
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    onMouseDrag(static_cast<int>(x + by) + drawAreaX, static_cast<int>(y + by) + drawAreaY);
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, x + by, y + by);
    EXPECT_NE(dialogOkButtonX, okX) << "the dialog did not move";
  }
  void pressAndLetGoOff(float x, float y) {
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    mouseEventAt(GLUT_LEFT_BUTTON, GLUT_UP, -100, -100);
  }

  // The person's card screen: doping once from round 3, now and then a card
  // by F-key or by a press on it, a card taken off the die, Breakaway; Throw.
  void playCards() {
    const int turn = roundNumber * RIDER_COUNT + activeRider;
    if (turn != cardTurn) cardTurn = turn, cardStep = 0, ++personTurns;
    const int step = cardStep++, before = chosenCards[0] + chosenCards[1];
    if (step == 0 && seen[SCREEN_DOPING_CONFIRM] == 0 && roundNumber >= 3 && dopingButtonEnabled()) {
      click(dopingButtonX, dopingButtonY, footerButtonWidth, buttonHeight);
      ASSERT_EQ(currentScreen, SCREEN_DOPING_CONFIRM);
      return;
    }
    if (step == 1 && personTurns % 3 == 1) {
      pressSpecialKey(GLUT_KEY_F1 + personTurns / 3 % 12);
    } else if (step == 1 && personTurns % 3 == 2) {
      for (int slot = 0; slot < CARD_SLOTS; ++slot)
        if (cardUsed[riderTeam(activeRider)][slot] == 0 && cardUsableByRider(activeRider, slot)) {
          pressAndLetGoOff(cardPanelX + cardGapX + (slot / 2) * (cardWidth + cardGapX) + cardWidth / 2,
                           cardPanelY + cardGapY + (slot % 2) * (cardHeight + cardGapY) + cardHeight / 2);
          break;
        }
    } else if (step == 2 && personTurns % 6 == 5 && chosenCards[0] != CARD_DIE) {
      pressAndLetGoOff(diceX + dieSize / 2, diceY + dieSize / 2);
      EXPECT_TRUE(chosenCards[0] == CARD_DIE || chosenCards[0] == CARD_DOPING) << "the card stayed";
    } else if (step == 2 && personTurns % 4 == 2 && chosenCards[0] != CARD_DIE) {
      key(textBreakaway, HOTKEY_BREAKAWAY);
      EXPECT_EQ(breakawayDeclared, 1);
    } else if (step >= 1) {
      throwButton(textThrow, HOTKEY_THROW);
      EXPECT_NE(currentScreen, SCREEN_PLAY_CARDS) << "Throw did not throw";
      return;
    }
    if (chosenCards[0] + chosenCards[1] != before) ++cardsChosen;
  }

  // The person's move: one step taken back once, the scorecard looked at
  // mid-move now and then, an arrow a free step, Enter or Space at the end.
  void stepRider() {
    const Rider& rider = riders[activeRider];
    if (stepsBack == 0 && pathPointIndex == 1 && pathLength > 2) {
      pressSpecialKey(GLUT_KEY_DOWN);
      EXPECT_EQ(pathPointIndex, 0) << "the step back";
      ++stepsBack;
    } else if (pathPointIndex == 2 && steps % 9 == 0) {
      const int row = rider.row, lane = rider.lane;
      key(textScorecard, HOTKEY_FOOTER_SCORECARD);
      EXPECT_EQ(currentScreen, SCREEN_SCORECARD);
      typeKey(ENTER);
      EXPECT_EQ(currentScreen, SCREEN_CHOOSE_MOVE);
      EXPECT_TRUE(rider.row == row && rider.lane == lane && pathPointIndex == 2);
      ++steps;
    } else {
      const bool stepsLeft = pathPointIndex < pathLength && pathPointIndex < MAX_PATH_POINTS - 1;
      const char order[2][3] = {{'M', 'L', 'R'}, {'M', 'R', 'L'}};
      for (char way : order[steps % 2]) {
        if (!stepsLeft || stepBlocked(tryStep(rider.row, rider.lane, way, 0))) continue;
        const int before = pathPointIndex;
        pressSpecialKey(way == 'M' ? GLUT_KEY_UP : way == 'L' ? GLUT_KEY_LEFT : GLUT_KEY_RIGHT);
        EXPECT_EQ(pathPointIndex, before + 1) << "a free step was not taken";
        ++steps;
        return;
      }
      typeKey(++turns % 2 ? ENTER : ' ');
    }
  }

  // Overlay kind 0..4 over the moving computer rider: the scorecard, the
  // positions, the settings switching to smooth movement, the quit question
  // answered No, the settings switching back. A tick delivered under it
  // (not under the positions: there it is still due at the close) neither
  // moves him nor asks for another; closed, the move goes on with exactly
  // one tick pending.
  void overlayOverMove(int kind) {
    const int point = pathPointIndex;
    const float x = riders[activeRider].boardX, y = riders[activeRider].boardY;
    const int screens[5] = {SCREEN_SCORECARD, SCREEN_POSITIONS, SCREEN_SETTINGS, SCREEN_QUIT_CONFIRM,
                            SCREEN_SETTINGS};
    if (kind == 0) click(scorecardButtonX, scorecardButtonY, footerButtonWidth, buttonHeight);
    if (kind == 1) key(textPositions, HOTKEY_FOOTER_POSITIONS);
    if (kind == 2 || kind == 4) click(settingsButtonX, settingsButtonY, footerButtonWidth, buttonHeight);
    if (kind == 3) key(textQuit, HOTKEY_FOOTER_QUIT);
    ASSERT_EQ(currentScreen, screens[kind]);
    drawNow();
    if (kind != 1) {
      deliverTick();
      EXPECT_EQ(pending(), 0) << "a tick under the overlay asked for another";
      EXPECT_TRUE(pathPointIndex == point && riders[activeRider].boardX == x &&
                  riders[activeRider].boardY == y)
          << "the rider moved under overlay " << kind;
    }
    if (kind == 0) click(scoreOkButtonX, scoreOkButtonY, buttonWidth, buttonHeight);
    if (kind == 1) click(positionsOkButtonX, positionsOkButtonY, buttonWidth, buttonHeight);
    if (kind == 3) yesOrNo(false);
    if (kind == 2 || kind == 4) {
      const SettingsLayout s = settingsLayout();
      const float* radio = kind == 2 ? s.smoothRadio : s.stepwiseRadio;
      pressAndReleaseAt(radio[0], radio[1]);
      click(s.okButton[0], s.okButton[1], s.okButton[2], s.okButton[3]);
      EXPECT_EQ(smoothComputerMovement, kind == 2 ? 1 : 0);
    }
    EXPECT_EQ(currentScreen, SCREEN_MOVING) << "overlay " << kind << " did not close";
    EXPECT_EQ(pending(), 1) << "overlay " << kind;
    EXPECT_TRUE(moveTickIsPending());
    ++overlays;
  }

  // The due tick of a computer move, an overlay over it now and then, and
  // an impatient person's key or click that must change nothing.
  void computerTick() {
    EXPECT_EQ(pending(), 1) << "two ticks pending on screen " << currentScreen;
    if (recordedTicks.lastValue != lastMove) lastMove = recordedTicks.lastValue, ++computerMoves;
    const bool moving = currentScreen == SCREEN_MOVING;
    if (moving && pathPointIndex == 1 && computerMoves % 5 == 0 && overlays < 5 &&
        overlayMove != computerMoves) {
      overlayMove = computerMoves;
      return overlayOverMove(overlays);
    }
    if (moving && ++impatient % 7 == 0) {
      const int point = pathPointIndex, way = impatient / 7 % 4;
      if (way == 0) typeKey(ENTER);
      if (way == 1) pressSpecialKey(GLUT_KEY_UP);
      if (way == 2) pressSpecialKey(GLUT_KEY_F5);
      if (way == 3) click(throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight);
      EXPECT_TRUE(currentScreen == SCREEN_MOVING && pending() == 1 && pathPointIndex == point)
          << "input during a computer move acted (" << way << ")";
    }
    deliverTick();
  }

  // One event of the person or the computer; false when nothing can go on.
  bool act() {
    if (pending() > 0) {
      computerTick();
      return true;
    }
    switch (currentScreen) {
      case SCREEN_START_THROW: throwButton(textThrow, HOTKEY_THROW); break;
      case SCREEN_START_THROW_RESULT: throwButton(textNextTeam, HOTKEY_NEXT_TEAM); break;
      case SCREEN_EXTRA_THROW:
        throwButton(textThrow, HOTKEY_THROW, extraThrowButtonX, extraThrowButtonY);
        break;
      case SCREEN_START_PLACE_HUMAN: return placeStartRiderByKeys();
      case SCREEN_PLAY_CARDS: playCards(); break;
      case SCREEN_CHOOSE_MOVE: stepRider(); break;
      case SCREEN_DOPING_CONFIRM: yesOrNo(true); break;
      case SCREEN_FOLLOW_QUESTION:
        if (++follows % 4 == 1) dragDialog(follows % 8 == 1 ? 60.0f : -60.0f);
        yesOrNo(follows % 3 != 0);
        break;
      case SCREEN_CARD_KIND:
        choose(++kinds % 2 == 0 ? Button{blueCardButtonX, blueCardButtonY, textBlue, HOTKEY_BLUE}
                                : Button{whiteCardButtonX, whiteCardButtonY, textWhite, HOTKEY_WHITE});
        break;
      case SCREEN_CARD_TIMING:
        choose(kinds % 3 != 0 ? Button{useNowButtonX, useNowButtonY, textImmediately, HOTKEY_IMMEDIATELY}
                              : Button{useLaterButtonX, useLaterButtonY, textLater, HOTKEY_LATER});
        break;
      case SCREEN_HAND_IN_CARDS:
      case SCREEN_HAND_IN_FOR_BONUS:
        if (sameEvents <= 12 && handInCards[0] == -1)
          pressSpecialKey(GLUT_KEY_F1 + sameEvents - 1);
        else if (++turns % 2)
          typeKey(ENTER);
        else
          click(handInOkButtonX, handInOkButtonY, throwButtonWidth, throwButtonHeight);
        break;
      case SCREEN_EVENT_CARD:
        if (isRiderIndex(activeRider) && riders[activeRider].humanControlled) ++eventCards;
        ok();
        break;
      case SCREEN_DOPING_NUMBER:
      case SCREEN_NO_MOVE:
      case SCREEN_NO_CARD_TO_HAND_IN:
      case SCREEN_EVENT_CARD_CANCELLED:
      case SCREEN_DOPING_CONTROL:
      case SCREEN_COUNTERCHECK: ok(); break;
      default: return false;
    }
    return true;
  }

  // The stage on a tile's course in a language, to the standings: the
  // race checked after every event (between consistent states only: not
  // mid-move, nor while hand-ins are decided), its end at the doping
  // control; the given screens came up, the person doped once, every
  // overlay was opened and closed, and the standings' Quit leads home.
  void playWholeStage(int tile, uint32_t seed, int inLanguage, std::initializer_list<int> screens) {
    language = inLanguage;
    setLanguageTexts();
    seedRaceRandom(seed);
    // The team setup from a race of four persons without event cards: the
    // Computer boxes of teams 1 and 3 ticked, team 2's ticked and cleared
    // again, event cards switched on.
    for (Rider& rider : riders) {
      rider = Rider();
      rider.humanControlled = 1;
    }
    for (auto& name : teamNames) std::strcpy(name, "Team");
    eventCardsOn = 0;
    eventCardIndex = 0;
    tourMode = 0;
    typeKey(static_cast<unsigned char>(mainMenuLetter(MENU_START)));
    ASSERT_EQ(currentScreen, SCREEN_TEAM_SETUP);
    for (int team : {1, 2, 3, 2}) pressAndReleaseAt(computerBoxX + 2, teamNameFieldY + team * teamRowPitch + 2);
    pressAndReleaseAt(eventCardsBoxX + 2, eventCardsBoxY + 2);
    click(teamSetupNextButtonX, teamSetupNextButtonY, buttonWidth, buttonHeight);
    ASSERT_EQ(currentScreen, SCREEN_COURSE_SELECTION);
    const float tileX =
        courseTilesX + (tile % 2) * (courseTileWidth + courseTileGapX) + courseTileWidth / 2;
    const float tileY =
        courseTilesY + (tile / 2) * (courseTileHeight + courseTileGapY) + courseTileHeight / 2;
    hoverAt(tileX, tileY);
    clickAt(tileX, tileY);
    ASSERT_EQ(currentScreen, SCREEN_START_THROW);
    beginRaceChecks();
    bool dopingControl = false;
    long long last = -1;
    int drawn = -1;
    for (int event = 0; currentScreen != SCREEN_STAGE_STANDINGS; ++event) {
      ASSERT_LT(event, 20000) << "the stage did not end; screen " << currentScreen;
      const long long now =
          ((currentScreen * 64LL + activeRider + 1) * 64 + pathPointIndex) * 100000 + recordedTicks.lastValue;
      sameEvents = now == last ? sameEvents + 1 : 1;
      ASSERT_LT(sameEvents, 200) << "stuck on screen " << currentScreen;
      last = now;
      if (currentScreen != drawn) {
        drawNow();
        ++seen[drawn = currentScreen];
      }
      if (currentScreen == SCREEN_DOPING_CONTROL && !dopingControl) {
        dopingControl = true;
        ASSERT_EQ(checkRaceEnd(), "");
      }
      const bool between = (currentScreen == SCREEN_MOVING && pathPointIndex > 0) ||
                           currentScreen == SCREEN_HAND_IN_CARDS ||
                           currentScreen == SCREEN_NO_CARD_TO_HAND_IN;
      if (!between && !dopingControl) {
        ASSERT_EQ(checkRaceInvariants(), "") << "screen " << currentScreen;
      }
      // Every rider moves as his team was set up, each of the four.
      const bool person = currentScreen == SCREEN_PLAY_CARDS || currentScreen == SCREEN_CHOOSE_MOVE;
      if (person || currentScreen == SCREEN_MOVING) {
        ASSERT_EQ(riderTeam(activeRider) % 2 == 0, person) << "rider " << activeRider << ", screen " << currentScreen;
      }
      ASSERT_TRUE(act()) << "no answer on screen " << currentScreen;
      if (HasFatalFailure()) return;
    }
    EXPECT_TRUE(dopingControl) << "the stage ended without the doping control";
    for (int screen : screens) EXPECT_GT(seen[screen], 0) << "never on screen " << screen;
    int doped = 0;
    for (int i = 0; i < RIDER_COUNT; ++i) doped += dopingNumber[i] != -1 && riders[i].humanControlled;
    EXPECT_EQ(doped, 1);
    EXPECT_EQ(overlays, 5);
    EXPECT_TRUE(cardsChosen > 10 && steps > 100 && stepsBack == 1 && eventCards > 0 && follows > 0)
        << cardsChosen << " cards, " << steps << " steps, " << stepsBack << " back, " << eventCards
        << " event cards, " << follows << " follows";
    key(textQuit, HOTKEY_STANDINGS_QUIT);
    EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  }

  int seen[SCREEN_COUNT] = {};  // how often each screen came up
  int turns = 0, personTurns = 0, cardTurn = -1, cardStep = 0, sameEvents = 0;
  int lastMove = -1, computerMoves = 0, overlayMove = -1, impatient = 0;
  int cardsChosen = 0, steps = 0, stepsBack = 0, follows = 0, eventCards = 0, kinds = 0, overlays = 0;
};

// The shortest course in English: every question of a person's turn comes
// up, a rider is caught at the doping control and throws the countercheck.
TEST_F(WholeStageTest, TwoPersonsAndTwoComputerTeamsRideTheShortestCourseToTheStandings) {
  playWholeStage(2, 13, LANGUAGE_ENGLISH,
                 {SCREEN_START_THROW_RESULT, SCREEN_START_PLACE_HUMAN, SCREEN_FOLLOW_QUESTION,
                  SCREEN_HAND_IN_CARDS, SCREEN_CARD_KIND, SCREEN_CARD_TIMING, SCREEN_EXTRA_THROW,
                  SCREEN_HAND_IN_FOR_BONUS, SCREEN_NO_CARD_TO_HAND_IN, SCREEN_NO_MOVE, SCREEN_DOPING_CONFIRM,
                  SCREEN_DOPING_NUMBER, SCREEN_COUNTERCHECK});
}

// A longer course in German, with that language's letters: an event card is
// cancelled for want of a card to hand in.
TEST_F(WholeStageTest, AStageInGermanWithACancelledEventCard) {
  playWholeStage(
      3, 26, LANGUAGE_GERMAN,
      {SCREEN_FOLLOW_QUESTION, SCREEN_HAND_IN_CARDS, SCREEN_CARD_KIND, SCREEN_EXTRA_THROW,
       SCREEN_NO_CARD_TO_HAND_IN, SCREEN_EVENT_CARD_CANCELLED, SCREEN_DOPING_NUMBER, SCREEN_COUNTERCHECK});
}

}  // namespace
