// The turn dialogs: every question and message of a race answered by its
// buttons and by the keys of each language, each doing exactly what its
// rule operation does; keys of other languages and other screens do
// nothing; the doping-control and countercheck panels only read.
#include <GL/freeglut.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "files/tour_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "render/layout.h"
#include "rules/doping.h"
#include "rules/drafting.h"
#include "rules/event_deck.h"
#include "rules/event_effects.h"
#include "rules/line_points.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "texts/language_texts.h"
#include "ui/dialog_panel.h"
#include "support/race_driver.h"
#include "ui/hand_started_race.h"
#include "ui/screen_switch.h"
#include "ui/turn_dialogs.h"
#include "ui/ui_harness.h"

namespace {

const char* const COURSE = "01S23S4S5F12";
const char* const TOUR_FILE = "stage.tour";

// Everything an answer can change, and whether the tour file was written.
std::vector<long long> fingerprint() {
  std::vector<long long> f = {currentScreen, previousScreen, activeRider, extraDie, pathLength,
                              movementTotal, roundNumber, eventCardIndex, eventCardBonusValue,
                              bonusSquares, chosenCards[0], chosenCards[1], dopingCaught,
                              countercheckDie, static_cast<long long>(seededRandomState()),
                              std::ifstream(TOUR_FILE).good() ? 1 : 0};
  for (int i = 0; i < RIDER_COUNT; ++i) {
    const Rider& r = riders[i];
    f.insert(f.end(), {r.row, r.lane, r.skipTurns, r.parked, r.movedThisRound, r.disqualified,
                       dopingNumber[i], riderScore[i]});
  }
  for (const auto& team : cardUsed) f.insert(f.end(), team, team + CARD_SLOTS);
  for (const auto& team : extraCardValue) f.insert(f.end(), team, team + EXTRA_SLOTS);
  f.insert(f.end(), raceResults, raceResults + RESULT_PLACES);
  return f;
}

// Sets the race up for one dialog, starting from a person's first turn.
using Setup = void (*)();

void giveEveryoneDoping() {
  for (int i = 0; i < RIDER_COUNT; ++i) dopingNumber[i] = i % 6 + 1;
}

const int MOUSE = 1000;  // the input is a left release on the button
const int NO_KEY = 0;    // no key answers in this language

struct Dialog {
  int screen;
  Setup setup;
  void (*left)();   // the rule of the OK or left button
  void (*right)();  // the rule of the right button, null for a message
  int leftKeys[4];  // German, English, French, Dutch
  int rightKeys[4];
};

const int OK_KEYS[4] = {13, ' ', 'o', 'O'};

const Dialog dialogs[] = {
    {SCREEN_FOLLOW_QUESTION,
     [] {
       followCandidate = 1;
       previousScreen = SCREEN_PLAY_CARDS;
       currentScreen = SCREEN_FOLLOW_QUESTION;
     },
     acceptFollow, declineFollow, {'j', 'Y', 'o', 'J'}, {'n', 'n', 'N', 'n'}},
    {SCREEN_EVENT_CARD,
     [] {
       eventCardRider = activeRider;
       eventCardIndex = 0;  // the deck runs on from race to race otherwise
       drawEventCard();
       currentScreen = SCREEN_EVENT_CARD;
     },
     applyEventCard, nullptr, {}, {}},
    {SCREEN_CARD_KIND, [] { currentScreen = SCREEN_CARD_KIND; }, [] { receiveExtraCard(6); },
     [] { receiveExtraCard(5); }, {'b', 'B', 'e', 'b'}, {'W', 'w', 'a', 'w'}},
    {SCREEN_CARD_TIMING,
     [] {
       currentScreen = SCREEN_CARD_KIND;
       receiveExtraCard(5);
       currentScreen = SCREEN_CARD_TIMING;
     },
     [] { useExtraCardNowOrLater(1); }, [] { useExtraCardNowOrLater(0); },
     {NO_KEY, 'i', 't', 'D'}, {NO_KEY, 'L', 'p', 'l'}},
    {SCREEN_EXTRA_THROW, [] { currentScreen = SCREEN_EXTRA_THROW; }, throwExtraDie, nullptr,
     {'w', 't', 'J', 'g'}, {}},
    {SCREEN_NO_CARD_TO_HAND_IN,
     [] {
       riders[activeRider].skipTurns = 1;
       currentScreen = SCREEN_NO_CARD_TO_HAND_IN;
     },
     answerHandInCards, nullptr, {}, {}},
    {SCREEN_EVENT_CARD_CANCELLED, [] { currentScreen = SCREEN_EVENT_CARD_CANCELLED; },
     closeCancelledEventCard, nullptr, {}, {}},
    {SCREEN_NO_MOVE, [] { currentScreen = SCREEN_NO_MOVE; }, parkBlockedRider, nullptr, {}, {}},
    {SCREEN_DOPING_CONFIRM,
     [] {
       previousScreen = SCREEN_PLAY_CARDS;
       currentScreen = SCREEN_DOPING_CONFIRM;
     },
     acceptDoping, returnToPreviousScreen, {'J', 'y', 'O', 'j'}, {'n', 'N', 'n', 'n'}},
    {SCREEN_QUIT_CONFIRM,
     [] {
       previousScreen = SCREEN_PLAY_CARDS;
       currentScreen = SCREEN_QUIT_CONFIRM;
     },
     returnToMainMenu, returnToPreviousScreen, {'j', 'y', 'o', 'j'}, {'N', 'n', 'n', 'N'}},
    {SCREEN_DOPING_NUMBER, [] { acceptDoping(); }, takeDopingCard, nullptr, {}, {}},
    {SCREEN_DOPING_CONTROL,
     [] {
       giveEveryoneDoping();
       startDopingControl();
     },
     continueDopingControl, nullptr, {}, {}},
    {SCREEN_COUNTERCHECK,
     [] {
       giveEveryoneDoping();
       startDopingControl();
       continueDopingControl();
     },
     countercheckNextRider, nullptr, {}, {}},
    {SCREEN_SAVE_FAILED,
     [] {
       tourFileName = TOUR_FILE;
       currentScreen = SCREEN_SAVE_FAILED;
     },
     retrySavingTour, abortSavingTour, {'w', 'r', 'R', 'o'}, {'a', 'A', 'a', 'a'}},
};

class TurnDialogsTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (HasFatalFailure()) return;
    useScratchFolder();
    redrawHook = nullptr;  // frames are drawn only where a test looks at them
    moveTimerHook = nullptr;
    // A seed whose first turn is a person's.
    for (seed = 1; seed < 100; ++seed) {
      startPersonsTurn();
      if (currentScreen == SCREEN_PLAY_CARDS) break;
    }
    ASSERT_EQ(currentScreen, SCREEN_PLAY_CARDS);
  }
  void TearDown() override {
    gameRandomOverride = nullptr;
    tourFileName.clear();
    ScreenTest::TearDown();
  }
  void setLanguage(int chosen) {
    language = static_cast<uint8_t>(chosen);
    setLanguageTexts();
  }
  // The start is played in English; the dialog's language is set after it.
  void startPersonsTurn() {
    const int dialogLanguage = language;
    std::remove(TOUR_FILE);
    setLanguage(LANGUAGE_ENGLISH);
    ASSERT_TRUE(openRaceStart(COURSE, seed, 0));
    ASSERT_TRUE(playStartByKeys());
    setLanguage(dialogLanguage);
  }
  // The dialog on screen, from the same race every time.
  void open(const Dialog& d) {
    startPersonsTurn();
    d.setup();
    ASSERT_EQ(currentScreen, d.screen);
  }
  void answer(int input, bool left, bool message) {
    if (input != MOUSE) {
      typeKey(static_cast<unsigned char>(input));
      return;
    }
    if (currentScreen == SCREEN_EXTRA_THROW)
      clickCentreOf(extraThrowButtonX, extraThrowButtonY, throwButtonWidth, throwButtonHeight);
    else if (message)
      clickCentreOf(dialogOkButtonX, dialogOkButtonY, buttonWidth, buttonHeight);
    else if (left)
      clickCentreOf(dialogYesButtonX, dialogYesButtonY, buttonWidth, buttonHeight);
    else
      clickCentreOf(dialogNoButtonX, dialogNoButtonY, buttonWidth, buttonHeight);
  }
  uint32_t seed = 1;
};

// Each input gives exactly the state the rule operation gives on its own,
// and that state differs from the open dialog's; the two answers of a
// question differ from each other.
TEST_F(TurnDialogsTest, EveryAnswerByButtonOrKeyIsItsRuleOperation) {
  for (const Dialog& d : dialogs) {
    const bool message = d.right == nullptr;
    std::vector<long long> answers[2];
    for (int side = 0; side < (message ? 1 : 2); ++side) {
      const bool left = side == 0;
      void (*rule)() = left ? d.left : d.right;
      setLanguage(LANGUAGE_ENGLISH);
      open(d);
      const std::vector<long long> before = fingerprint();
      rule();
      const std::vector<long long> byRule = fingerprint();
      answers[side] = byRule;
      EXPECT_NE(byRule, before) << "screen " << d.screen << " changes nothing";
      for (int lang = -1; lang < LANGUAGE_COUNT; ++lang) {
        int input = MOUSE;
        if (lang >= 0) input = message && d.screen != SCREEN_EXTRA_THROW ? OK_KEYS[lang]
                               : left ? d.leftKeys[lang] : d.rightKeys[lang];
        if (input == NO_KEY) continue;
        SCOPED_TRACE(testing::Message() << "screen " << d.screen << (left ? " left" : " right")
                                        << " language " << lang << " input " << input);
        setLanguage(lang >= 0 ? lang : LANGUAGE_FRENCH);
        open(d);
        answer(input, left, message);
        EXPECT_EQ(fingerprint(), byRule);
      }
    }
    if (!message) {
      EXPECT_NE(answers[0], answers[1]) << "screen " << d.screen;
    }
  }
}

TEST_F(TurnDialogsTest, KeysOfOtherLanguagesAndOtherButtonsDoNothing) {
  struct Case {
    int dialog, language, key;  // dialog: index in dialogs
  } cases[] = {{9, LANGUAGE_GERMAN, 'y'}, {9, LANGUAGE_ENGLISH, 13}, {8, LANGUAGE_DUTCH, 'o'},
               {2, LANGUAGE_FRENCH, 'b'},  {3, LANGUAGE_GERMAN, 'i'},  {13, LANGUAGE_DUTCH, 'r'},
               {4, LANGUAGE_GERMAN, 't'},  {1, LANGUAGE_ENGLISH, 'y'}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dialog << " " << c.language << " " << c.key);
    setLanguage(c.language);
    open(dialogs[c.dialog]);
    const std::vector<long long> before = fingerprint();
    typeKey(static_cast<unsigned char>(c.key));
    EXPECT_EQ(fingerprint(), before);
  }
  // A computer rider's extra die is thrown by the computer alone.
  setLanguage(LANGUAGE_ENGLISH);
  open(dialogs[4]);
  riders[activeRider].humanControlled = 0;
  const std::vector<long long> computer = fingerprint();
  typeKey('t');
  clickCentreOf(extraThrowButtonX, extraThrowButtonY, throwButtonWidth, throwButtonHeight);
  EXPECT_EQ(fingerprint(), computer);
}

// Drawing shows the verdicts the rules gave; it never gives one itself.
TEST_F(TurnDialogsTest, DopingControlAndCountercheckPanelsDrawnTwiceChangeNothing) {
  for (const Dialog& d : dialogs) {
    if (d.screen != SCREEN_DOPING_CONTROL && d.screen != SCREEN_COUNTERCHECK) continue;
    open(d);
    const std::vector<long long> before = fingerprint();
    drawNow();
    drawNow();
    EXPECT_EQ(fingerprint(), before) << "screen " << d.screen;
    // The white panel body is there.
    EXPECT_GT(countColourInBox(drawAreaX + static_cast<int>(dialogPanelX) + 2,
                               drawAreaY + static_cast<int>(dialogPanelY) + 2,
                               drawAreaX + static_cast<int>(dialogPanelX) + 20,
                               drawAreaY + static_cast<int>(dialogPanelY) + 20, 255, 255, 255),
              0);
  }
}

TEST_F(TurnDialogsTest, TheCaughtListAndAFileNameWithPercentSigns) {
  for (int& number : dopingNumber) number = -1;
  dopingDraw[0] = 2;
  dopingDraw[1] = 5;
  dopingNumber[0] = dopingNumber[15] = 2;
  dopingNumber[9] = 5;
  dopingNumber[6] = 3;
  const struct {
    int size;
    const char* list;
  } cases[] = {{64, "21,42,54"}, {8, "21,42"}, {3, "21"}, {2, ""}};
  for (const auto& c : cases) {
    char list[64];
    listCaughtRiders(list, c.size);
    EXPECT_STREQ(list, c.list) << c.size;
  }
  // The file name is shown as it is, never read as a format.
  tourFileName = "%s%n%d%%.tour";
  currentScreen = SCREEN_SAVE_FAILED;
  drawNow();
  EXPECT_EQ(currentScreen, SCREEN_SAVE_FAILED);
}

}  // namespace
