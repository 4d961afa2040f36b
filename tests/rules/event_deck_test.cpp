#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "model/hooks.h"
#include "rules/event_deck.h"
#include "texts/language_texts.h"

namespace {

static_assert(std::is_same<decltype(eventCardIndex), unsigned char>::value,
              "the deck position is one unsigned byte");

int scriptedZero() { return 0; }
int scriptedMinusOne() { return -1; }

class EventDeckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedLanguage = language;
    savedIndex = eventCardIndex;
    gameRandomOverride = nullptr;
  }
  void TearDown() override {
    language = savedLanguage;
    eventCardIndex = savedIndex;
    gameRandomOverride = nullptr;
  }

  static void buildIn(int languageNumber) {
    language = static_cast<uint8_t>(languageNumber);
    buildEventDeck();
  }

  static void expectPermutation() {
    bool seen[EVENT_CARD_COUNT] = {};
    for (int p = 0; p < EVENT_CARD_COUNT; p++) {
      ASSERT_LT(eventDeckOrder[p], EVENT_CARD_COUNT) << "position " << p;
      EXPECT_FALSE(seen[eventDeckOrder[p]]) << "card " << int(eventDeckOrder[p]) << " twice";
      seen[eventDeckOrder[p]] = true;
    }
  }

  uint8_t savedLanguage = 0;
  unsigned char savedIndex = 0;
};

TEST_F(EventDeckTest, SeededShufflesArePermutationsAndDiffer) {
  int identical = 0;
  unsigned char first[EVENT_CARD_COUNT];
  for (unsigned seed = 1; seed <= 50; seed++) {
    srand(seed);
    buildIn(LANGUAGE_ENGLISH);
    expectPermutation();
    if (seed == 1) std::memcpy(first, eventDeckOrder, sizeof first);
    else if (std::memcmp(first, eventDeckOrder, sizeof first) == 0) identical++;
  }
  EXPECT_LT(identical, 2);
  srand(7);
  buildIn(LANGUAGE_ENGLISH);
  unsigned char again[EVENT_CARD_COUNT];
  std::memcpy(again, eventDeckOrder, sizeof again);
  srand(7);
  buildIn(LANGUAGE_ENGLISH);
  EXPECT_EQ(0, std::memcmp(again, eventDeckOrder, sizeof again));
}

TEST_F(EventDeckTest, ShuffleSwapsEachPositionWithTheDrawnOne) {
  // Every draw 0: position i swaps with position 0, so each card in turn
  // moves to the front and the one there moves to i.
  gameRandomOverride = scriptedZero;
  buildIn(LANGUAGE_ENGLISH);
  EXPECT_EQ(29, eventDeckOrder[0]);
  for (int p = 1; p < EVENT_CARD_COUNT; p++) EXPECT_EQ(p - 1, eventDeckOrder[p]) << p;
  // A negative scripted draw still picks a position inside the deck.
  gameRandomOverride = scriptedMinusOne;
  buildIn(LANGUAGE_ENGLISH);
  expectPermutation();
}

TEST_F(EventDeckTest, IndexAdvancesBeforeUseWrapsAndSurvivesAReshuffle) {
  srand(3);
  buildIn(LANGUAGE_ENGLISH);
  eventCardIndex = 0;
  EXPECT_EQ(eventDeckOrder[1], drawEventCard());
  EXPECT_EQ(1, eventCardIndex);
  EXPECT_EQ(eventDeckOrder[1], currentEventCard());
  for (int n = 2; n < EVENT_CARD_COUNT; n++) drawEventCard();
  EXPECT_EQ(29, eventCardIndex);
  // The thirtieth draw after the shuffle takes position 0 of the same order.
  EXPECT_EQ(eventDeckOrder[0], drawEventCard());
  EXPECT_EQ(0, eventCardIndex);

  eventCardIndex = 17;
  srand(99);
  buildIn(LANGUAGE_GERMAN);
  EXPECT_EQ(17, eventCardIndex);
  EXPECT_EQ(eventDeckOrder[18], drawEventCard());
}

TEST_F(EventDeckTest, TextsKeepTheLanguageOfTheShuffle) {
  buildIn(LANGUAGE_GERMAN);
  language = LANGUAGE_ENGLISH;
  EXPECT_STREQ("Reifenpanne!", eventCardTitle[0][0]);
  EXPECT_STREQ("1 Runde aussetzen", eventCardEffect[0][0]);
  buildEventDeck();
  EXPECT_STREQ("a flat tire!", eventCardTitle[0][0]);
  EXPECT_STREQ("skip 1 turn", eventCardEffect[0][0]);
  // A language number outside the four leaves every text empty.
  buildIn(7);
  for (int card = 0; card < EVENT_CARD_COUNT; card++) {
    EXPECT_EQ(0, eventCardTitle[card][0][0]) << card;
    EXPECT_EQ(0, eventCardEffect[card][0][0]) << card;
  }
}

TEST_F(EventDeckTest, GermanTextsByteForByte) {
  buildIn(LANGUAGE_GERMAN);
  EXPECT_STREQ("Sie \xfc" "bersch\xe4tzen Ihre Kr\xe4" "fte;", eventCardTitle[5][0]);
  EXPECT_EQ(29u, std::strlen(eventCardTitle[5][0]));
  EXPECT_STREQ("stehen am Stra\xdf" "enrand;", eventCardTitle[23][1]);
  EXPECT_STREQ("jetzt legen Sie los!", eventCardTitle[18][0]);
  EXPECT_EQ(0, eventCardTitle[19][0][0]);
  EXPECT_STREQ("1 Runde oder f\xfcr jede Runde", eventCardEffect[14][3]);
  EXPECT_STREQ("w\xfcrfeln Sie", eventCardEffect[19][0]);
  EXPECT_STREQ("mit 1 W\xfcrfel zus\xe4tzlich.", eventCardEffect[19][1]);
}

TEST_F(EventDeckTest, EnglishTextsByteForByte) {
  buildIn(LANGUAGE_ENGLISH);
  // The doubled article of card 13 belongs to the card.
  EXPECT_STREQ("you cause a", eventCardTitle[13][0]);
  EXPECT_STREQ("a massive crash!", eventCardTitle[13][1]);
  EXPECT_STREQ("a massive crash;", eventCardTitle[14][1]);
  for (int card : {18, 19}) {
    EXPECT_EQ(0, eventCardTitle[card][0][0]) << card;
    EXPECT_EQ(0, eventCardTitle[card][1][0]) << card;
    EXPECT_STREQ("throw 1 extra die.", eventCardEffect[card][0]);
  }
  EXPECT_STREQ("one strength card for each turn.", eventCardEffect[14][4]);
  EXPECT_EQ(32u, std::strlen(eventCardEffect[14][4]));
  EXPECT_STREQ("standing along the roadside;", eventCardTitle[23][1]);
}

TEST_F(EventDeckTest, FrenchTextsByteForByte) {
  buildIn(LANGUAGE_FRENCH);
  EXPECT_STREQ("s'\xe9" "coule de vos jambes;", eventCardTitle[7][1]);
  EXPECT_STREQ("une chute massive.", eventCardTitle[14][1]);
  EXPECT_STREQ("se trouvent le long de route;", eventCardTitle[23][1]);
  EXPECT_EQ(29u, std::strlen(eventCardTitle[23][1]));
  EXPECT_STREQ("\xe0 vos oreilles;", eventCardTitle[3][1]);
  EXPECT_STREQ("carte force pour chaque tour.", eventCardEffect[14][4]);
  EXPECT_STREQ("jettez 1 d\xe9 suppl\xe9mentaire.", eventCardEffect[20][0]);
  EXPECT_STREQ("tous les coureurs impliqu\xe9s", eventCardEffect[12][0]);
  EXPECT_EQ(0, eventCardTitle[18][0][0]);
}

TEST_F(EventDeckTest, DutchTextsByteForByte) {
  buildIn(LANGUAGE_DUTCH);
  EXPECT_STREQ("er gaat maar eens", eventCardTitle[19][0]);
  EXPECT_STREQ("wat extra vet in de broek;", eventCardTitle[19][1]);
  EXPECT_STREQ("voortreffelijk rond vandaag;", eventCardTitle[20][1]);
  EXPECT_STREQ("gooi met 1 dobbelsteen extra.", eventCardEffect[18][0]);
  EXPECT_EQ(0, eventCardEffect[18][1][0]);
  EXPECT_STREQ("de andere slachtoffers:", eventCardEffect[14][2]);
  EXPECT_STREQ("maar wel 1 kracht inleveren.", eventCardEffect[29][1]);
}

TEST_F(EventDeckTest, EveryTextFitsAndLinesAreContiguous) {
  for (int l = 0; l < LANGUAGE_COUNT; l++) {
    buildIn(l);
    for (int card = 0; card < EVENT_CARD_COUNT; card++) {
      for (int line = 0; line < EVENT_TITLE_LINES; line++) {
        EXPECT_LT(strnlen(eventCardTitle[card][line], EVENT_TITLE_SIZE), size_t(EVENT_TITLE_SIZE));
      }
      for (int line = 0; line < EVENT_EFFECT_LINES; line++) {
        EXPECT_LT(strnlen(eventCardEffect[card][line], EVENT_EFFECT_SIZE), size_t(EVENT_EFFECT_SIZE));
      }
      if (eventCardTitle[card][0][0] == 0) {
        EXPECT_EQ(0, eventCardTitle[card][1][0]) << l << "/" << card;
      }
      EXPECT_NE(0, eventCardEffect[card][0][0]) << l << "/" << card;
      for (int line = 1; line < EVENT_EFFECT_LINES; line++) {
        if (eventCardEffect[card][line - 1][0] == 0) {
          EXPECT_EQ(0, eventCardEffect[card][line][0]) << l << "/" << card << "/" << line;
        }
      }
    }
  }
}

TEST_F(EventDeckTest, CardsOfOneEffectShareTheirLines) {
  const int groups[][2] = {{0, 4}, {5, 11}, {12, 13}, {14, 14}, {15, 17}, {18, 20}, {21, 21},
                           {22, 22}, {23, 24}, {25, 26}, {27, 28}, {29, 29}};
  for (int l = 0; l < LANGUAGE_COUNT; l++) {
    buildIn(l);
    for (const auto& group : groups) {
      for (int card = group[0] + 1; card <= group[1]; card++)
        EXPECT_EQ(0, std::memcmp(eventCardEffect[group[0]], eventCardEffect[card],
                                 sizeof eventCardEffect[card]))
            << l << ": card " << card;
      if (group[0] > 0) {
        EXPECT_NE(0, std::memcmp(eventCardEffect[group[0] - 1], eventCardEffect[group[0]],
                                 sizeof eventCardEffect[0]))
            << l << ": cards " << group[0] - 1 << " and " << group[0];
      }
    }
  }
}

}  // namespace
