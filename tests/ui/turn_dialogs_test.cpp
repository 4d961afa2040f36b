// The turn dialogs: every question and message of a race answered by its
// buttons and by the keys of each language, each doing exactly what its rule
// operation does; the doping-control and countercheck panels only read.
#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/tour_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "render/layout.h"
#include "rules/doping.h"
#include "rules/drafting.h"
#include "rules/event_deck.h"
#include "rules/event_effects.h"
#include "rules/line_points.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "support/race_driver.h"
#include "texts/language_texts.h"
#include "ui/dialog_panel.h"
#include "ui/hand_started_race.h"
#include "ui/screen_switch.h"
#include "ui/turn_dialogs.h"
#include "ui/ui_harness.h"

namespace {

const char* const TOUR_FILE = "stage.tour";
const int MOUSE = 1000;  // the input is a left release on the button
const int NO_KEY = 0;    // no key answers in this language

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

void giveEveryoneDoping() {
  for (int i = 0; i < RIDER_COUNT; ++i) dopingNumber[i] = i % 6 + 1;
}

// Each dialog opens on a person's first turn with previousScreen the card
// screen, after its set-up (none: only the screen). keys: the left (OK)
// and right answers in German, English, French, Dutch; none for a message.
struct Dialog {
  int screen;
  void (*setup)();
  void (*left)();
  void (*right)();
  int keys[2][4];
};
const int OK_KEYS[4] = {13, ' ', 'o', 'O'};

const Dialog dialogs[] = {
    {SCREEN_FOLLOW_QUESTION,
     [] {  // rider 1 may follow four rows ahead, onto free road
       followCandidate = 1;
       const float row = static_cast<float>(riders[1].row), lane = static_cast<float>(riders[1].lane);
       moveEndpoints[0] = row, moveEndpoints[1] = lane, moveEndpoints[2] = row + 4, moveEndpoints[3] = lane;
     },
     acceptFollow, declineFollow, {{'j', 'Y', 'o', 'J'}, {'n', 'n', 'N', 'n'}}},
    {SCREEN_EVENT_CARD, [] { eventCardRider = activeRider, eventCardIndex = 0, drawEventCard(); },
     applyEventCard, nullptr, {}},
    {SCREEN_CARD_KIND, nullptr, [] { receiveExtraCard(6); }, [] { receiveExtraCard(5); },
     {{'b', 'B', 'e', 'b'}, {'W', 'w', 'a', 'w'}}},
    {SCREEN_CARD_TIMING, [] { receiveExtraCard(5); }, [] { useExtraCardNowOrLater(1); },
     [] { useExtraCardNowOrLater(0); }, {{NO_KEY, 'i', 't', 'D'}, {NO_KEY, 'L', 'p', 'l'}}},
    {SCREEN_EXTRA_THROW, nullptr, throwExtraDie, nullptr, {{'w', 't', 'J', 'g'}}},
    {SCREEN_NO_CARD_TO_HAND_IN, [] { riders[activeRider].skipTurns = 1; }, answerHandInCards, nullptr, {}},
    {SCREEN_EVENT_CARD_CANCELLED, nullptr, closeCancelledEventCard, nullptr, {}},
    {SCREEN_NO_MOVE, nullptr, parkBlockedRider, nullptr, {}},
    {SCREEN_DOPING_CONFIRM, nullptr, acceptDoping, returnToPreviousScreen,
     {{'J', 'y', 'O', 'j'}, {'n', 'N', 'n', 'n'}}},
    {SCREEN_QUIT_CONFIRM, nullptr, returnToMainMenu, returnToPreviousScreen,
     {{'j', 'y', 'o', 'j'}, {'N', 'n', 'n', 'N'}}},
    {SCREEN_DOPING_NUMBER, [] { acceptDoping(); }, takeDopingCard, nullptr, {}},
    {SCREEN_DOPING_CONTROL, [] { giveEveryoneDoping(), startDopingControl(); }, continueDopingControl,
     nullptr, {}},
    {SCREEN_COUNTERCHECK, [] { giveEveryoneDoping(), startDopingControl(), continueDopingControl(); },
     countercheckNextRider, nullptr, {}},
    {SCREEN_SAVE_FAILED, [] { tourFileName = TOUR_FILE; }, retrySavingTour, abortSavingTour,
     {{'w', 'r', 'R', 'o'}, {'a', 'A', 'a', 'a'}}},
};

const Dialog& dialogOn(int screen) {
  return *std::find_if(std::begin(dialogs), std::end(dialogs),
                       [screen](const Dialog& d) { return d.screen == screen; });
}

class TurnDialogsTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (HasFatalFailure()) return;
    useScratchFolder();
    while (!personStarts() && seed < 100) ++seed;
    ASSERT_EQ(currentScreen, SCREEN_PLAY_CARDS) << "no seed gives a person the first turn";
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
  // The same race every time, started in English; the person's turn first.
  bool personStarts() {
    std::remove(TOUR_FILE);
    setLanguage(LANGUAGE_ENGLISH);
    return openRaceStart("01S23S4S5F12", seed, 0) && playStartByKeys() &&
           currentScreen == SCREEN_PLAY_CARDS;
  }
  void open(const Dialog& d, int dialogLanguage = LANGUAGE_ENGLISH) {
    ASSERT_TRUE(personStarts());
    setLanguage(dialogLanguage);
    previousScreen = SCREEN_PLAY_CARDS;
    currentScreen = d.screen;
    if (d.setup) d.setup();
    ASSERT_EQ(currentScreen, d.screen);
  }
  void answer(int input, bool left, bool message) {
    if (input != MOUSE) return typeKey(static_cast<unsigned char>(input));
    if (currentScreen == SCREEN_EXTRA_THROW)
      return clickCentreOf(extraThrowButtonX, extraThrowButtonY, throwButtonWidth, throwButtonHeight);
    clickCentreOf(message ? dialogOkButtonX : left ? dialogYesButtonX : dialogNoButtonX,
                  message ? dialogOkButtonY : left ? dialogYesButtonY : dialogNoButtonY, buttonWidth,
                  buttonHeight);
  }
  uint32_t seed = 1;
};

// Each input gives exactly the state the rule operation gives on its own,
// which differs from the open dialog's; a question's two answers differ.
TEST_F(TurnDialogsTest, EveryAnswerByButtonOrKeyIsItsRuleOperation) {
  for (const Dialog& d : dialogs) {
    const bool message = d.right == nullptr;
    std::vector<long long> answers[2];
    for (int side = 0; side < (message ? 1 : 2); ++side) {
      open(d);
      const std::vector<long long> before = fingerprint();
      (side == 0 ? d.left : d.right)();
      answers[side] = fingerprint();
      EXPECT_NE(answers[side], before) << "screen " << d.screen << " changes nothing";
      for (int lang = -1; lang < LANGUAGE_COUNT; ++lang) {
        const int input = lang < 0 ? MOUSE
                          : message && d.screen != SCREEN_EXTRA_THROW ? OK_KEYS[lang]
                                                                      : d.keys[side][lang];
        if (input == NO_KEY) continue;
        SCOPED_TRACE(testing::Message() << "screen " << d.screen << " side " << side << " language "
                                        << lang << " input " << input);
        open(d, lang >= 0 ? lang : LANGUAGE_FRENCH);
        answer(input, side == 0, message);
        EXPECT_EQ(fingerprint(), answers[side]);
      }
    }
    if (!message) {
      EXPECT_NE(answers[0], answers[1]) << "screen " << d.screen;
    }
  }
}

TEST_F(TurnDialogsTest, KeysOfOtherLanguagesAndAComputersExtraThrowDoNothing) {
  const struct {
    int screen, language, key;
  } cases[] = {{SCREEN_QUIT_CONFIRM, LANGUAGE_GERMAN, 'y'},  {SCREEN_QUIT_CONFIRM, LANGUAGE_ENGLISH, 13},
               {SCREEN_DOPING_CONFIRM, LANGUAGE_DUTCH, 'o'}, {SCREEN_CARD_KIND, LANGUAGE_FRENCH, 'b'},
               {SCREEN_CARD_TIMING, LANGUAGE_GERMAN, 'i'},   {SCREEN_SAVE_FAILED, LANGUAGE_DUTCH, 'r'},
               {SCREEN_EXTRA_THROW, LANGUAGE_GERMAN, 't'},   {SCREEN_EVENT_CARD, LANGUAGE_ENGLISH, 'y'}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.screen << " " << c.language << " " << c.key);
    open(dialogOn(c.screen), c.language);
    const std::vector<long long> before = fingerprint();
    typeKey(static_cast<unsigned char>(c.key));
    EXPECT_EQ(fingerprint(), before);
  }
  // A computer rider's extra die is thrown by the computer alone.
  open(dialogOn(SCREEN_EXTRA_THROW));
  riders[activeRider].humanControlled = 0;
  const std::vector<long long> computer = fingerprint();
  typeKey('t');
  clickCentreOf(extraThrowButtonX, extraThrowButtonY, throwButtonWidth, throwButtonHeight);
  EXPECT_EQ(fingerprint(), computer);
}

// Drawing shows the verdicts the rules gave; it never gives one itself.
TEST_F(TurnDialogsTest, DopingControlAndCountercheckPanelsDrawnTwiceChangeNothing) {
  for (int screen : {SCREEN_DOPING_CONTROL, SCREEN_COUNTERCHECK}) {
    open(dialogOn(screen));
    const std::vector<long long> before = fingerprint();
    drawNow();
    drawNow();
    EXPECT_EQ(fingerprint(), before) << "screen " << screen;
    const int x = drawAreaX + static_cast<int>(dialogPanelX), y = drawAreaY + static_cast<int>(dialogPanelY);
    EXPECT_GT(countColourInBox(x + 2, y + 2, x + 20, y + 20, 255, 255, 255), 0) << "no white panel";
  }
}

TEST_F(TurnDialogsTest, TheCaughtListAndAFileNameWithPercentSigns) {
  std::fill(std::begin(dopingNumber), std::end(dopingNumber), -1);
  dopingDraw[0] = 2, dopingDraw[1] = 5;
  dopingNumber[0] = dopingNumber[15] = 2, dopingNumber[9] = 5, dopingNumber[6] = 3;
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
