// The main menu: its buttons and letters in the four languages, and the one
// screen each click or letter reaches.
#include <cmath>
#include <cstring>
#include <string>

#include <GL/freeglut.h>

#include "model/screens.h"
#include "render/layout.h"
#include "texts/language_texts.h"
#include "texts/manual.h"
#include "ui/language_screen.h"
#include "ui/main_menu.h"
#include "ui/ui_harness.h"

namespace {

class MainMenu : public ScreenTest {
 protected:
  void useLanguage(int l) {
    language = static_cast<uint8_t>(l);
    setLanguageTexts();
    currentScreen = SCREEN_MAIN_MENU;
  }
  // The screen a key leads to from a fresh main menu.
  int screenAfterKey(unsigned char key) {
    currentScreen = SCREEN_MAIN_MENU;
    caughtExitStatus = -1;
    typeKey(key);
    return currentScreen;
  }
};

struct LanguageLetters {
  int language;
  const char* labels[MENU_BUTTON_COUNT];
  char letters[MENU_BUTTON_COUNT];
};

// Labels and letters as the players see them, language by language.
const LanguageLetters menus[] = {
    {LANGUAGE_ENGLISH,
     {"Language selection", "Manual", "Settings", "Continue existing race", "Start", "Exit"},
     {'l', 'm', 't', 'c', 's', 'e'}},
    {LANGUAGE_GERMAN,
     {"Sprachwahl", "Anleitung", "Einstellungen", "Weitergehen mit einem Rennen", "Starten",
      "Beenden"},
     {'p', 'a', 'e', 'w', 's', 'b'}},
    {LANGUAGE_FRENCH,
     {"Choix de la langue", "Notice explicative", "Param\xe8tres", "Continuer existing race",
      "Commencer", "Fin"},
     {'h', 'n', 'p', 't', 'c', 'f'}},
    {LANGUAGE_DUTCH,
     {"Taalkeuze", "Handleiding", "Instellingen", "Verdergaan met wedstrijd", "Start", "Einde"},
     {'t', 'h', 'i', 'v', 's', 'e'}},
};

TEST_F(MainMenu, LettersOfEveryLanguageChooseTheirButtons) {
  for (const LanguageLetters& menu : menus) {
    useLanguage(menu.language);
    SCOPED_TRACE("language " + std::to_string(menu.language));
    for (int b = 0; b < MENU_BUTTON_COUNT; ++b) EXPECT_EQ(mainMenuLetter(b), menu.letters[b]);

    EXPECT_EQ(screenAfterKey(static_cast<unsigned char>(menu.letters[MENU_LANGUAGE])),
              SCREEN_LANGUAGE);
    manualPage = 3;
    EXPECT_EQ(screenAfterKey(static_cast<unsigned char>(menu.letters[MENU_MANUAL])),
              SCREEN_MANUAL);
    EXPECT_EQ(manualPage, 0) << "the manual always opens on its first page";
    previousScreen = SCREEN_MOVING;
    EXPECT_EQ(screenAfterKey(static_cast<unsigned char>(menu.letters[MENU_SETTINGS])),
              SCREEN_SETTINGS);
    EXPECT_EQ(previousScreen, SCREEN_MAIN_MENU) << "the settings return to the menu";
    EXPECT_EQ(screenAfterKey(static_cast<unsigned char>(menu.letters[MENU_START])),
              SCREEN_TEAM_SETUP);
    // Continue keeps the player here until the saved races screen exists.
    EXPECT_EQ(screenAfterKey(static_cast<unsigned char>(menu.letters[MENU_CONTINUE])),
              SCREEN_SAVED_RACES);
    EXPECT_EQ(caughtExitStatus, -1);
    EXPECT_EQ(screenAfterKey(static_cast<unsigned char>(menu.letters[MENU_EXIT])),
              SCREEN_MAIN_MENU);
    EXPECT_EQ(caughtExitStatus, 0) << "Exit ends the program with status 0";
  }
}

TEST_F(MainMenu, LabelsAndUnderlinedLettersFollowTheLanguage) {
  for (const LanguageLetters& menu : menus) {
    useLanguage(menu.language);
    EXPECT_STREQ(textLanguageSelection, menu.labels[MENU_LANGUAGE]);
    EXPECT_STREQ(textManual, menu.labels[MENU_MANUAL]);
    EXPECT_STREQ(textSettings, menu.labels[MENU_SETTINGS]);
    EXPECT_EQ(textContinueExistingRace, menu.labels[MENU_CONTINUE]);
    EXPECT_STREQ(textStart, menu.labels[MENU_START]);
    EXPECT_STREQ(textExit, menu.labels[MENU_EXIT]);
  }
}

TEST_F(MainMenu, FrenchSettingsAndDutchLanguageShareNoLetterWithOtherButtons) {
  useLanguage(LANGUAGE_FRENCH);
  EXPECT_EQ(screenAfterKey('c'), SCREEN_TEAM_SETUP);  // Start, not Continue
  EXPECT_EQ(screenAfterKey('h'), SCREEN_LANGUAGE);
  useLanguage(LANGUAGE_DUTCH);
  EXPECT_EQ(screenAfterKey('t'), SCREEN_LANGUAGE);
  EXPECT_EQ(screenAfterKey('h'), SCREEN_MANUAL);
  useLanguage(LANGUAGE_ENGLISH);
  EXPECT_EQ(screenAfterKey('t'), SCREEN_SETTINGS);  // Settings, not language
  EXPECT_EQ(screenAfterKey('l'), SCREEN_LANGUAGE);
}

TEST_F(MainMenu, UpperCaseLettersWorkAndOtherKeysDoNothing) {
  EXPECT_EQ(screenAfterKey('M'), SCREEN_MANUAL);
  EXPECT_EQ(screenAfterKey('L'), SCREEN_LANGUAGE);
  const unsigned char others[] = {'x', 'q', '1', ' ', 13, 27, 9, 0, 200};
  for (unsigned char key : others) {
    EXPECT_EQ(screenAfterKey(key), SCREEN_MAIN_MENU) << "key " << int(key);
    EXPECT_EQ(caughtExitStatus, -1) << "key " << int(key);
  }
  // Letters of the German menu do nothing in English.
  EXPECT_EQ(screenAfterKey('b'), SCREEN_MAIN_MENU);
  EXPECT_EQ(screenAfterKey('p'), SCREEN_MAIN_MENU);
  EXPECT_EQ(caughtExitStatus, -1);
}

TEST_F(MainMenu, ButtonsActOnTheLeftReleaseInsideTheirRectangles) {
  float x, y, w, h;
  mainMenuButtonRect(MENU_MANUAL, &x, &y, &w, &h);
  EXPECT_FLOAT_EQ(x, 0.38f * 1280);
  EXPECT_FLOAT_EQ(y, 0.4f * 1024);
  EXPECT_FLOAT_EQ(w, 0.24f * 1280);
  EXPECT_FLOAT_EQ(h, 0.04f * 1024);

  // A press, the right button or the wheel do nothing.
  mouseEventAt(GLUT_LEFT_BUTTON, GLUT_DOWN, x + 5, y + 5);
  mouseEventAt(GLUT_RIGHT_BUTTON, GLUT_UP, x + 5, y + 5);
  mouseEventAt(3, GLUT_UP, x + 5, y + 5);
  mouseEventAt(4, GLUT_UP, x + 5, y + 5);
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  // Just outside the edge: nothing; the first pixel inside: the button.
  clickAt(std::floor(x), std::ceil(y));
  EXPECT_EQ(currentScreen, SCREEN_MAIN_MENU);
  clickAt(std::ceil(x), std::ceil(y));
  EXPECT_EQ(currentScreen, SCREEN_MANUAL);

  currentScreen = SCREEN_MAIN_MENU;
  mainMenuButtonRect(MENU_EXIT, &x, &y, &w, &h);
  EXPECT_FLOAT_EQ(x, 1280 - 1.5f * buttonWidth);
  EXPECT_FLOAT_EQ(y, (1024 - 20) - 1.1f * buttonHeight);
  clickCentreOf(x, y, w, h);
  EXPECT_EQ(caughtExitStatus, 0);
}

TEST_F(MainMenu, OneReleaseActsOnTheScreenItStartedOnOnly) {
  useScratchFolder();
  if (HasFatalFailure()) return;
  // The language screen takes a click anywhere while a row is highlighted,
  // and it opens with the current language's row highlighted: the release
  // that opened it must not also choose a language.
  float x, y, w, h;
  mainMenuButtonRect(MENU_LANGUAGE, &x, &y, &w, &h);
  clickCentreOf(x, y, w, h);
  EXPECT_EQ(currentScreen, SCREEN_LANGUAGE);
  EXPECT_EQ(languageHover, LANGUAGE_ENGLISH);
  EXPECT_TRUE(readWholeFile("settings").empty()) << "no language was chosen";
  // Likewise a letter: "l" opens the language screen and nothing more.
  currentScreen = SCREEN_MAIN_MENU;
  typeKey('l');
  EXPECT_EQ(currentScreen, SCREEN_LANGUAGE);
}

TEST_F(MainMenu, DrawsTitleCreditsAndSixButtonsWithoutTheBoard) {
  uploadBoardOfOneColour(0, 200, 0);
  drawNow();
  for (int b = 0; b < MENU_BUTTON_COUNT; ++b) {
    float x, y, w, h;
    mainMenuButtonRect(b, &x, &y, &w, &h);
    int grey = countColourInBox(static_cast<int>(x) + 1, static_cast<int>(y) + 1,
                                static_cast<int>(x + w) - 2, static_cast<int>(y + h) - 2, 179,
                                179, 179);
    int black = countColourInBox(static_cast<int>(x) + 1, static_cast<int>(y) + 1,
                                 static_cast<int>(x + w) - 2, static_cast<int>(y + h) - 2, 0, 0,
                                 0, 40);
    EXPECT_GT(grey, 0.7 * w * h) << "button " << b;
    EXPECT_GT(black, 20) << "label of button " << b;
  }
  // White letters of the title and the two credit lines.
  EXPECT_GT(countColourInBox(540, 230, 740, 250, 255, 255, 255, 30), 30);
  EXPECT_GT(countColourInBox(300, 1024 - 80, 980, 1024 - 60, 255, 255, 255, 30), 30);
  EXPECT_GT(countColourInBox(300, 1024 - 65, 980, 1024 - 45, 255, 255, 255, 30), 30);
  EXPECT_EQ(countColourInBox(0, 0, 1279, 1023, 0, 200, 0, 20), 0) << "no board on the menu";
}

}  // namespace
