#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "texts/language_texts.h"
#include "texts/manual.h"
#include "texts/text_layout.h"

namespace {

struct LabelRef {
  const char* name;
  const char* chars;
  const std::string* string;
  std::string text() const { return chars != nullptr ? std::string(chars) : *string; }
};

const LabelRef allLabels[] = {
    {"textBoardGameCredit", textBoardGameCredit, nullptr},
    {"textPcVersionCredit", textPcVersionCredit, nullptr},
    {"textStart", textStart, nullptr},
    {"textLanguageSelection", textLanguageSelection, nullptr},
    {"textManual", textManual, nullptr},
    {"textContinueExistingRace", nullptr, &textContinueExistingRace},
    {"textBack", textBack, nullptr},
    {"textCreateNewCourse", textCreateNewCourse, nullptr},
    {"textUseSavedCourse", textUseSavedCourse, nullptr},
    {"textNextCourse", textNextCourse, nullptr},
    {"textPreviousCourse", textPreviousCourse, nullptr},
    {"textBackSavedCourses", textBackSavedCourses, nullptr},
    {"textUndoSection", textUndoSection, nullptr},
    {"textAdd", textAdd, nullptr},
    {"textSaveCourse", textSaveCourse, nullptr},
    {"textBackCourses", textBackCourses, nullptr},
    {"textSprint", textSprint, nullptr},
    {"textFinish", textFinish, nullptr},
    {"textPreviousPage", textPreviousPage, nullptr},
    {"textNextPage", textNextPage, nullptr},
    {"textMainMenu", textMainMenu, nullptr},
    {"textTeamSetup", textTeamSetup, nullptr},
    {"textCourseSelection", textCourseSelection, nullptr},
    {"textPleaseWait", textPleaseWait, nullptr},
    {"textThrow", textThrow, nullptr},
    {"textNextTeam", textNextTeam, nullptr},
    {"textScorecard", textScorecard, nullptr},
    {"textPositions", textPositions, nullptr},
    {"textDoping", textDoping, nullptr},
    {"textSettings", textSettings, nullptr},
    {"textQuit", textQuit, nullptr},
    {"textExport", textExport, nullptr},
    {"textStandingsWrittenTo", nullptr, &textStandingsWrittenTo},
    {"textCouldNotBeOpened", nullptr, &textCouldNotBeOpened},
    {"textFileAlreadyOpened", nullptr, &textFileAlreadyOpened},
    {"textExit", textExit, nullptr},
    {"textSmoothComputerMovement", textSmoothComputerMovement, nullptr},
    {"textStepwiseComputerMovement", textStepwiseComputerMovement, nullptr},
    {"textDelay", textDelay, nullptr},
    {"textDistance", textDistance, nullptr},
    {"textTimeBetweenSteps", textTimeBetweenSteps, nullptr},
    {"textRatio54", textRatio54, nullptr},
    {"textRatio43", textRatio43, nullptr},
    {"textRatioWidescreen", textRatioWidescreen, nullptr},
    {"textComputerMovement", textComputerMovement, nullptr},
    {"textScreenRatio", textScreenRatio, nullptr},
    {"textDefault", textDefault, nullptr},
    {"textCancel", textCancel, nullptr},
    {"textYes", textYes, nullptr},
    {"textNo", textNo, nullptr},
    {"textBlue", textBlue, nullptr},
    {"textWhite", textWhite, nullptr},
    {"textImmediately", textImmediately, nullptr},
    {"textLater", textLater, nullptr},
    {"textBreakaway", textBreakaway, nullptr},
    {"textBonusMoves", textBonusMoves, nullptr},
    {"textMoves", textMoves, nullptr},
    {"textMovesLeft", textMovesLeft, nullptr},
    {"textRound", textRound, nullptr},
    {"textLap", textLap, nullptr},
    {"textLapShort", textLapShort, nullptr},
    {"textFollowQuestion", textFollowQuestion, nullptr},
    {"textNoCardEventCancelled", textNoCardEventCancelled, nullptr},
    {"textNoForwardMove", textNoForwardMove, nullptr},
    {"textConfirmQuit", textConfirmQuit, nullptr},
    {"textConfirmDoping", textConfirmDoping, nullptr},
    {"textDopingNumber", textDopingNumber, nullptr},
    {"textWhichCardKind", textWhichCardKind, nullptr},
    {"textWhenUseCard", textWhenUseCard, nullptr},
    {"textNoStrengthCard", textNoStrengthCard, nullptr},
    {"textDopingControl", textDopingControl, nullptr},
    {"textDrawnNumbers", textDrawnNumbers, nullptr},
    {"textCyclistsCaught", textCyclistsCaught, nullptr},
    {"textCountercheck", textCountercheck, nullptr},
    {"textDraw", textDraw, nullptr},
    {"textDopingNumberOfCyclist", textDopingNumberOfCyclist, nullptr},
    {"textCyclist", textCyclist, nullptr},
    {"textAcquitted", textAcquitted, nullptr},
    {"textDisqualificationConfirmed", textDisqualificationConfirmed, nullptr},
    {"textComputerPlayer", textComputerPlayer, nullptr},
    {"textEnableEventCards", textEnableEventCards, nullptr},
    {"textAnd", textAnd, nullptr},
    {"textMultipleStages", nullptr, &textMultipleStages},
    {"textSingleStage", nullptr, &textSingleStage},
    {"textRaceName", nullptr, &textRaceName},
    {"textStageWord", nullptr, &textStageWord},
    {"textStandings", nullptr, &textStandings},
    {"textResult", nullptr, &textResult},
    {"textGeneralAfterStage", nullptr, &textGeneralAfterStage},
    {"textGeneral", nullptr, &textGeneral},
    {"textStageTab", nullptr, &textStageTab},
    {"textEnterPlayerName", nullptr, &textEnterPlayerName},
    {"textEnterARaceName", nullptr, &textEnterARaceName},
    {"textRaceNameExists", nullptr, &textRaceNameExists},
    {"textRetry", nullptr, &textRetry},
    {"textAbort", nullptr, &textAbort},
    {"textCouldNotSaveRace", nullptr, &textCouldNotSaveRace},
};

class LanguageTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initFontWidths();
    drawAreaWidth = 0;
    wrapMarginX = 0;
    wrapPaddingX = 0;
    manualLinesPerPage = 32;
    manualPage = 0;
    std::memset(teamNames, 0, sizeof teamNames);
    std::memset(raceName, 0, sizeof raceName);
  }
  void TearDown() override {
    drawAreaWidth = 0;
    language = LANGUAGE_ENGLISH;
  }
  static void choose(int languageNumber) {
    language = static_cast<uint8_t>(languageNumber);
    setLanguageTexts();
  }
};

TEST_F(LanguageTextsTest, EveryLabelIsSetInEveryLanguage) {
  EXPECT_EQ(sizeof allLabels / sizeof allLabels[0], 97u);
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    choose(l);
    for (const LabelRef& label : allLabels) {
      EXPECT_FALSE(label.text().empty()) << label.name << " in language " << l;
    }
  }
}

// The label table lists English first; the language numbers put German first.
TEST_F(LanguageTextsTest, LanguageNumbersPickTheRightColumn) {
  choose(LANGUAGE_GERMAN);
  EXPECT_STREQ(textStart, "Starten");
  EXPECT_STREQ(textBack, "Zur\xfc" "ck");
  choose(LANGUAGE_ENGLISH);
  EXPECT_STREQ(textStart, "Start");
  EXPECT_STREQ(textPleaseWait, "Please wait while loading");
  choose(LANGUAGE_FRENCH);
  EXPECT_STREQ(textStart, "Commencer");
  choose(LANGUAGE_DUTCH);
  EXPECT_STREQ(textPleaseWait, "Een ogenblik geduld alsjeblieft");
  EXPECT_STREQ(textQuit, "Stoppen");
}

TEST_F(LanguageTextsTest, TrickyLabelsAreByteExact) {
  choose(LANGUAGE_ENGLISH);
  EXPECT_EQ(textStandingsWrittenTo, "Standings written to ");
  EXPECT_EQ(textCouldNotBeOpened, " could not be opened.");
  EXPECT_EQ(textRaceNameExists, "Race name \"%s\" already exists");
  EXPECT_STREQ(textBonusMoves, "Bonus moves: ");
  EXPECT_STREQ(textRound, "Round:");
  EXPECT_EQ(textGeneralAfterStage, "General classification after stage ");
  EXPECT_STREQ(textRatioWidescreen, "16:10 (Widescreen)");

  choose(LANGUAGE_GERMAN);
  EXPECT_EQ(textCouldNotBeOpened, " konnte nicht ge\xf6" "ffnet werden.");
  EXPECT_STREQ(textWhite, "Wei\xdf" "e");
  EXPECT_STREQ(textMovesLeft, "Schritte \xfc" "brig: ");
  EXPECT_STREQ(textSmoothComputerMovement, "Flie\xdf" "ende Computerz\xfc" "ge");

  choose(LANGUAGE_FRENCH);
  EXPECT_EQ(textContinueExistingRace, "Continuer existing race");
  EXPECT_STREQ(textRatio54, "5/4");
  EXPECT_STREQ(textRatio43, "4/3");
  EXPECT_STREQ(textRatioWidescreen, "16/10");
  EXPECT_STREQ(textTeamSetup, "Attribution des \xc9quipes");
  EXPECT_STREQ(textNoForwardMove, "Le coureur n'avance pas cette manche.");
  EXPECT_STREQ(textCyclistsCaught, "Coureur(s) surpris");
  EXPECT_EQ(textStageWord, "\xe9tape ");
  EXPECT_EQ(textGeneralAfterStage, "Classement g\xe9n\xe9ral apr\xe8s l'\xe9tape ");

  choose(LANGUAGE_DUTCH);
  EXPECT_STREQ(textFollowQuestion, "Volg je renner %d?");
  EXPECT_EQ(textSingleStage, "Losse wedstrijd");
  EXPECT_STREQ(textCountercheck, "Contra expertise");

  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    choose(l);
    EXPECT_STREQ(textSprint, "Sprint");
  }
}

// The label buffers are exactly as large as their longest text needs.
TEST_F(LanguageTextsTest, BuffersFitTheLongestText) {
  EXPECT_EQ(sizeof textStart, 10u);                  // "Commencer"
  EXPECT_EQ(sizeof textPleaseWait, 32u);             // the Dutch text
  EXPECT_EQ(sizeof textNoCardEventCancelled, 72u);   // the French text
  size_t longest = 0;
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    choose(l);
    longest = std::max(longest, std::strlen(textTeamSetup));
  }
  EXPECT_EQ(sizeof textTeamSetup, longest + 1);
}

bool isUtf8Continuation(unsigned char c) { return c >= 0x80 && c <= 0xBF; }

// A Latin-1 text typed in as UTF-8 would show a lead byte 0xC2..0xF4
// followed by a continuation byte.
bool looksLikeUtf8(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0xC2 && c <= 0xF4 && isUtf8Continuation(static_cast<unsigned char>(text[i + 1]))) return true;
  }
  return false;
}

TEST_F(LanguageTextsTest, TextsAreLatin1WithWidthsForEveryLetter) {
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    choose(l);
    for (const LabelRef& label : allLabels) {
      std::string text = label.text();
      EXPECT_FALSE(looksLikeUtf8(text)) << label.name << " in language " << l;
      for (unsigned char c : text) {
        EXPECT_GE(c, 0x20) << label.name;
        if (c >= 0x80) {
          EXPECT_GT(charWidthsSmall[c], 0) << label.name << " byte " << int(c);
          EXPECT_GT(charWidthsLarge[c], 0) << label.name << " byte " << int(c);
        }
      }
    }
    for (int t = 0; t < 4; ++t) EXPECT_FALSE(looksLikeUtf8(defaultTeamNames[l][t]));
  }
}

std::string formatSpecifiers(const std::string& text) {
  std::string found;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%') {
      found += text[i + 1];
      ++i;
    }
  }
  return found;
}

TEST_F(LanguageTextsTest, FormatSpecifiersAgreeAcrossLanguages) {
  std::vector<std::string> english;
  choose(LANGUAGE_ENGLISH);
  for (const LabelRef& label : allLabels) english.push_back(formatSpecifiers(label.text()));
  for (size_t i = 0; i < english.size(); ++i) {
    if (std::strcmp(allLabels[i].name, "textFollowQuestion") == 0) {
      EXPECT_EQ(english[i], "d");
    }
    if (std::strcmp(allLabels[i].name, "textRaceNameExists") == 0) {
      EXPECT_EQ(english[i], "s");
    }
  }
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    choose(l);
    for (size_t i = 0; i < english.size(); ++i) {
      EXPECT_EQ(formatSpecifiers(allLabels[i].text()), english[i]) << allLabels[i].name << " in language " << l;
    }
  }
}

// The key that acts for a label's letter: A-Z folded to lower case, and the
// accented capital of "Etape" standing for its base letter.
char keyOfLetter(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if (u == 0xC9 || u == 0xE9) return 'e';
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

struct HotKeyCase {
  int button;
  const char* (*label)();
  const char* keys;  // the key per language number (German, English, French, Dutch), '-' none
};

const char* lbl(const char* text) { return text; }

const HotKeyCase hotKeyCases[] = {
    {HOTKEY_FOOTER_SCORECARD, [] { return lbl(textScorecard); }, "ssss"},
    {HOTKEY_FOOTER_POSITIONS, [] { return lbl(textPositions); }, "pppp"},
    {HOTKEY_FOOTER_SETTINGS, [] { return lbl(textSettings); }, "eeai"},
    {HOTKEY_FOOTER_QUIT, [] { return lbl(textQuit); }, "uqqt"},
    {HOTKEY_DOPING, [] { return lbl(textDoping); }, "ddoo"},
    {HOTKEY_THROW, [] { return lbl(textThrow); }, "wtjg"},
    {HOTKEY_NEXT_TEAM, [] { return lbl(textNextTeam); }, "nnuv"},
    {HOTKEY_BREAKAWAY, [] { return lbl(textBreakaway); }, "abdd"},
    {HOTKEY_YES, [] { return lbl(textYes); }, "jyoj"},
    {HOTKEY_NO, [] { return lbl(textNo); }, "nnnn"},
    {HOTKEY_BLUE, [] { return lbl(textBlue); }, "bbeb"},
    {HOTKEY_WHITE, [] { return lbl(textWhite); }, "wwaw"},
    {HOTKEY_IMMEDIATELY, [] { return lbl(textImmediately); }, "-itd"},
    {HOTKEY_LATER, [] { return lbl(textLater); }, "-lpl"},
    {HOTKEY_RETRY, [] { return textRetry.c_str(); }, "wrro"},
    {HOTKEY_ABORT, [] { return textAbort.c_str(); }, "aaaa"},
    {HOTKEY_MENU_LANGUAGE, [] { return lbl(textLanguageSelection); }, "plht"},
    {HOTKEY_MENU_MANUAL, [] { return lbl(textManual); }, "amnh"},
    {HOTKEY_MENU_SETTINGS, [] { return lbl(textSettings); }, "etpi"},
    {HOTKEY_MENU_CONTINUE, [] { return textContinueExistingRace.c_str(); }, "wctv"},
    {HOTKEY_MENU_START, [] { return lbl(textStart); }, "sscs"},
    {HOTKEY_MENU_EXIT, [] { return lbl(textExit); }, "befe"},
    {HOTKEY_USE_SAVED_COURSE, [] { return lbl(textUseSavedCourse); }, "guuo"},
    {HOTKEY_CREATE_NEW_COURSE, [] { return lbl(textCreateNewCourse); }, "nccn"},
    {HOTKEY_BACK_COURSES, [] { return lbl(textBackCourses); }, "zbrt"},
    {HOTKEY_UNDO_SECTION, [] { return lbl(textUndoSection); }, "vppv"},
    {HOTKEY_ADD_SECTION, [] { return lbl(textAdd); }, "haat"},
    {HOTKEY_STANDINGS_QUIT, [] { return lbl(textQuit); }, "uqqt"},
    {HOTKEY_EXPORT, [] { return lbl(textExport); }, "xxxx"},
    // The Dutch General letter is "t", which "Algemeen" does not contain.
    {HOTKEY_GENERAL_TAB, [] { return textGeneral.c_str(); }, "ggg-"},
    {HOTKEY_STAGE_TAB, [] { return textStageTab.c_str(); }, "esee"},
    {HOTKEY_SAVED_RACES_SCORECARD, [] { return lbl(textScorecard); }, "ssss"},
    {HOTKEY_SAVED_RACES_BACK, [] { return lbl(textBack); }, "zbrt"},
};

TEST_F(LanguageTextsTest, HotKeyLettersAreTheKeysThatAct) {
  EXPECT_EQ(sizeof hotKeyCases / sizeof hotKeyCases[0], static_cast<size_t>(HOTKEY_COUNT));
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    choose(l);
    for (const HotKeyCase& c : hotKeyCases) {
      int index = hotKeyOf(c.button);
      const char* label = c.label();
      if (c.keys[l] == '-') {
        EXPECT_EQ(index, -1) << "button " << c.button << " language " << l;
        continue;
      }
      ASSERT_GE(index, 0) << "button " << c.button << " language " << l;
      ASSERT_LT(static_cast<size_t>(index), std::strlen(label)) << "button " << c.button;
      EXPECT_EQ(keyOfLetter(label[index]), c.keys[l]) << "button " << c.button << " language " << l;
    }
  }
}

TEST_F(LanguageTextsTest, HotKeysOfAnUnknownLanguageOrButtonAreNone) {
  language = 9;
  EXPECT_EQ(hotKeyOf(HOTKEY_THROW), -1);
  language = LANGUAGE_ENGLISH;
  EXPECT_EQ(hotKeyOf(-1), -1);
  EXPECT_EQ(hotKeyOf(HOTKEY_COUNT), -1);
  EXPECT_EQ(hotKeyOf(HOTKEY_MENU_SETTINGS), 2);
}

TEST_F(LanguageTextsTest, DefaultTeamNamesFollowTheLanguage) {
  choose(LANGUAGE_ENGLISH);
  EXPECT_STREQ(teamNames[0], "Belgium");
  EXPECT_STREQ(teamNames[3], "France");
  std::strcpy(teamNames[1], "Rapid Riders");
  teamNames[2][0] = 0;
  choose(LANGUAGE_GERMAN);
  EXPECT_STREQ(teamNames[0], "Belgien");
  EXPECT_STREQ(teamNames[1], "Rapid Riders");  // typed by the player: kept
  EXPECT_STREQ(teamNames[2], "Deutschland");   // empty: the country name
  EXPECT_STREQ(teamNames[3], "Frankreich");
  choose(LANGUAGE_DUTCH);
  EXPECT_STREQ(teamNames[0], "Belgie");
  EXPECT_STREQ(teamNames[3], "Frankrijk");
}

TEST_F(LanguageTextsTest, FranceStaysFranceBetweenEnglishAndFrench) {
  choose(LANGUAGE_ENGLISH);
  choose(LANGUAGE_FRENCH);
  EXPECT_STREQ(teamNames[3], "France");
  EXPECT_STREQ(teamNames[1], "Pays-Bas");
  choose(LANGUAGE_ENGLISH);
  EXPECT_STREQ(teamNames[3], "France");
  EXPECT_STREQ(teamNames[1], "Netherlands");
}

TEST_F(LanguageTextsTest, OnlyTheTeamsOwnCountryCountsAsDefault) {
  std::strcpy(teamNames[0], "Germany");  // team 2's country, typed for team 0
  std::strcpy(teamNames[1], "belgium");  // differs in case
  choose(LANGUAGE_FRENCH);
  EXPECT_STREQ(teamNames[0], "Germany");
  EXPECT_STREQ(teamNames[1], "belgium");
}

TEST_F(LanguageTextsTest, TeamNamesWithoutTheirZeroAreComparedWithinBounds) {
  // A name from a file may fill all 13 bytes; then it is no default name.
  std::memcpy(teamNames[0], "BelgiumXXXXXX", TEAM_NAME_SIZE);
  std::memcpy(teamNames[3], "FranceFranceF", TEAM_NAME_SIZE);
  // Bytes after the zero do not make a default name a typed one.
  std::memcpy(teamNames[1], "Netherlands\0x", TEAM_NAME_SIZE);
  choose(LANGUAGE_GERMAN);
  EXPECT_EQ(std::memcmp(teamNames[0], "BelgiumXXXXXX", TEAM_NAME_SIZE), 0);
  EXPECT_EQ(std::memcmp(teamNames[3], "FranceFranceF", TEAM_NAME_SIZE), 0);
  EXPECT_EQ(std::memcmp(teamNames[1], "Niederlande\0\0", TEAM_NAME_SIZE), 0);
}

TEST_F(LanguageTextsTest, DutchClearsTheRaceName) {
  std::strcpy(raceName, "Spring Tour");
  choose(LANGUAGE_GERMAN);
  choose(LANGUAGE_ENGLISH);
  choose(LANGUAGE_FRENCH);
  EXPECT_STREQ(raceName, "Spring Tour");
  choose(LANGUAGE_DUTCH);
  for (char c : raceName) EXPECT_EQ(c, 0);
}

TEST_F(LanguageTextsTest, AnUnknownLanguageChangesNothingButThePages) {
  choose(LANGUAGE_FRENCH);
  std::strcpy(teamNames[2], "");
  std::strcpy(raceName, "Tour");
  std::string manualBefore = manualText;
  drawAreaWidth = 1280;
  wrapMarginX = 128;
  wrapPaddingX = 12.8f;
  manualLinesPerPage = 45;
  manualPageCount = 200;
  language = 4;
  setLanguageTexts();
  EXPECT_STREQ(textStart, "Commencer");
  EXPECT_EQ(textContinueExistingRace, "Continuer existing race");
  EXPECT_STREQ(teamNames[2], "");
  EXPECT_STREQ(raceName, "Tour");
  EXPECT_EQ(manualBefore, manualText);
  EXPECT_GE(manualPageCount, 1);
  EXPECT_LE(manualPageCount, MANUAL_MAX_PAGES);
}

TEST_F(LanguageTextsTest, TheManualIsPaginatedOnlyOnceTheWindowIsLaidOut) {
  manualPageCount = 77;  // marks "not paginated"
  choose(LANGUAGE_GERMAN);
  EXPECT_EQ(std::string(manualText), manualForLanguage(LANGUAGE_GERMAN));
  EXPECT_EQ(manualPageCount, 77);
  drawAreaWidth = 960;
  wrapMarginX = 96;
  wrapPaddingX = 9.6f;
  manualLinesPerPage = 33;
  choose(LANGUAGE_ENGLISH);
  EXPECT_EQ(std::string(manualText), manualForLanguage(LANGUAGE_ENGLISH));
  EXPECT_GT(manualPageCount, 1);
  EXPECT_LT(manualPageCount, 77);
  EXPECT_EQ(manualPageStarts[0], manualText);
}

TEST_F(LanguageTextsTest, CreditsNameTheBoardGameAndThePcVersion) {
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    choose(l);
    EXPECT_NE(std::strstr(textBoardGameCredit, "Corvalis"), nullptr);
    std::string pcLine = textPcVersionCredit;
    for (char& c : pcLine) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(pcLine.find("pc"), std::string::npos) << textPcVersionCredit;
  }
}


// The credit line at the foot of every screen follows the language, keeps
// the years, and every letter of it has a glyph width, so that it is drawn
// whole and centred within the narrowest drawing area (800 pixels).
TEST_F(LanguageTextsTest, CreditLineInEachLanguage) {
  const char* const expected[LANGUAGE_COUNT] = {
      "Ein Brettspiel vom Stra\xdf" "enradsport, f\xfcr den PC 2004-2026",
      "A board game of road racing, for the PC 2004-2026",
      "Un jeu de plateau de course cycliste sur route, pour le PC 2004-2026",
      "Een bordspel over het wegwielrennen, voor de pc 2004-2026"};
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    choose(l);
    EXPECT_EQ(textCreditLine, expected[l]) << "language " << l;
    for (unsigned char c : textCreditLine)
      EXPECT_GT(charWidthsSmall[c], 0) << "language " << l << ", byte " << int(c);
    EXPECT_LT(measureTextWidth(textCreditLine.c_str(), FONT_SMALL), 800) << "language " << l;
  }
}

}  // namespace
