// Every screen at every window size, ratio setting and language: no button
// label wider than its button, no dialog line wider than its panel, event
// card lines above the dialog's buttons, the Breakaway label clear of the
// extra die's Throw, and the score panel with its title strip inside the
// drawing area. Measured from the layout rectangles the screens draw and
// hit-test and from the font width tables, so a new text or a layout change
// that brings an overflow back fails here.
#include <cstdio>
#include <string>
#include <vector>

#include "model/settings.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/widgets.h"
#include "rules/event_deck.h"
#include "texts/language_texts.h"
#include "ui/course_designer.h"
#include "ui/course_selection.h"
#include "ui/dialog_panel.h"
#include "ui/main_menu.h"
#include "ui/manual_screen.h"
#include "ui/saved_courses.h"
#include "ui/saved_races.h"
#include "ui/score_panel.h"
#include "ui/settings_screen.h"
#include "ui/team_setup.h"
#include "ui/turn_dialogs.h"
#include "ui/ui_harness.h"

namespace {

// A button as a screen draws and hit-tests it.
struct DrawnButton {
  std::string where;
  std::string label;
  float x, y, w, h;
};

float width(const std::string& text) { return static_cast<float>(measureTextWidth(text.c_str(), FONT_SMALL)); }

class LayoutFit : public ScreenTest {
 protected:
  void layOut(const GameWindow& size, int lang) {
    language = static_cast<uint8_t>(lang);
    setLanguageTexts();
    where = layOutWindow(size) + " language " + std::to_string(lang) + ": ";
    W = static_cast<float>(drawAreaWidth);
    H = static_cast<float>(drawAreaHeight);
  }

  // Every button of every screen and dialog with the label it shows.
  std::vector<DrawnButton> drawnButtons() {
    std::vector<DrawnButton> buttons;
    auto add = [&buttons](const char* screen, const std::string& label, float x, float y, float w, float h) {
      buttons.push_back({screen, label, x, y, w, h});
    };
    for (int b = 0; b < MENU_BUTTON_COUNT; ++b) {
      float x, y, w, h;
      mainMenuButtonRect(b, &x, &y, &w, &h);
      const char* labels[MENU_BUTTON_COUNT] = {textLanguageSelection, textManual, textSettings,
                                               textContinueExistingRace.c_str(), textStart, textExit};
      add("main menu", labels[b], x, y, w, h);
    }
    float x, y, w, h;
    manualPreviousButtonRect(&x, &y, &w, &h);
    add("manual", textPreviousPage, x, y, w, h);
    manualNextButtonRect(&x, &y, &w, &h);
    add("manual", textNextPage, x, y, w, h);
    add("manual", "OK", manualOkButtonX, manualOkButtonY, buttonWidth, buttonHeight);

    const SettingsLayout s = settingsLayout();
    add("settings", textDefault, s.defaultButton[0], s.defaultButton[1], s.defaultButton[2], s.defaultButton[3]);
    add("settings", "OK", s.okButton[0], s.okButton[1], s.okButton[2], s.okButton[3]);
    add("settings", textCancel, s.cancelButton[0], s.cancelButton[1], s.cancelButton[2], s.cancelButton[3]);

    const float footer[5][2] = {{scorecardButtonX, scorecardButtonY}, {positionsButtonX, positionsButtonY},
                                {dopingButtonX, dopingButtonY},       {settingsButtonX, settingsButtonY},
                                {quitButtonX, quitButtonY}};
    const char* footerLabels[5] = {textScorecard, textPositions, textDoping, textSettings, textQuit};
    for (int b = 0; b < 5; ++b) add("race footer", footerLabels[b], footer[b][0], footer[b][1], footerButtonWidth, buttonHeight);
    for (const char* label : {textThrow, textNextTeam})
      add("race panel", label, throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight);
    add("extra die", textThrow, extraThrowButtonX, extraThrowButtonY, throwButtonWidth, throwButtonHeight);
    add("hand-in", "OK", handInOkButtonX, handInOkButtonY, throwButtonWidth, throwButtonHeight);

    const std::pair<const char*, const char*> questions[] = {
        {textYes, textNo}, {textBlue, textWhite}, {textImmediately, textLater},
        {textRetry.c_str(), textAbort.c_str()}};
    float left[4], right[4], ok[4];
    dialogButtonRect(DIALOG_BUTTON_OK, "OK", ok);
    add("dialog", "OK", ok[0], ok[1], ok[2], ok[3]);
    for (const auto& q : questions) {
      dialogButtonRect(DIALOG_BUTTON_LEFT, q.first, left);
      dialogButtonRect(DIALOG_BUTTON_RIGHT, q.second, right);
      add("dialog question", q.first, left[0], left[1], left[2], left[3]);
      add("dialog question", q.second, right[0], right[1], right[2], right[3]);
      EXPECT_LT(left[0] + left[2], right[0]) << where << q.first << " / " << q.second << " overlap";
    }

    add("course selection", textUseSavedCourse, useSavedCourseButtonX, useSavedCourseButtonY,
        courseChoiceButtonWidth, buttonHeight);
    add("course selection", textCreateNewCourse, createCourseButtonX, createCourseButtonY,
        courseChoiceButtonWidth, buttonHeight);
    add("course selection", textBackCourses, courseSelectBackButtonX, courseSelectBackButtonY, buttonWidth,
        buttonHeight);
    add("course designer", textUndoSection, undoSectionButtonX, undoSectionButtonY, designButtonWidth, buttonHeight);
    add("course designer", textAdd, addSectionButtonX, addSectionButtonY, designButtonWidth, buttonHeight);
    add("course designer", textSaveCourse, saveCourseButtonX, saveCourseButtonY, designButtonWidth, buttonHeight);
    add("course designer", textBackCourses, designBackButtonX, designBackButtonY, buttonWidth, buttonHeight);
    const float small = smallCourseButtonWidth();
    add("saved courses", textPreviousCourse, prevCourseButtonX, prevCourseButtonY, small, buttonHeight);
    add("saved courses", textNextCourse, nextCourseButtonX, nextCourseButtonY, small, buttonHeight);
    add("saved courses", textBackSavedCourses, savedCoursesBackButtonX, savedCoursesBackButtonY, small,
        buttonHeight);
    add("team setup", textBack, teamSetupBackButtonX, teamSetupBackButtonY, buttonWidth, buttonHeight);
    add("saved races", textScorecard, savedRacesScorecardButtonX, savedRacesScorecardButtonY,
        savedRacesScorecardButtonWidth, buttonHeight);
    add("saved races", textBack, savedRacesBackButtonX, savedRacesBackButtonY, buttonWidth, buttonHeight);
    add("score panel", textQuit, scoreOkButtonX, scoreOkButtonY, buttonWidth, buttonHeight);
    add("score panel", textExport, exportButtonX, exportButtonY, exportButtonWidth, buttonHeight);
    add("score panel", textGeneral, generalTabX, generalTabY, generalTabWidth, buttonHeight);
    add("score panel", textStageTab, stageTabX, stageTabY, stageTabWidth, buttonHeight);
    return buttons;
  }

  // The lines of every dialog text as the panel shows them.
  std::vector<std::string> dialogLines() {
    std::vector<std::string> lines;
    const char* texts[] = {textWhichCardKind, textWhenUseCard, textNoCardEventCancelled, textConfirmDoping,
                           textConfirmQuit,   textNoForwardMove, textNoStrengthCard,     textDopingControl,
                           textCyclistsCaught, textCountercheck};
    for (const char* text : texts)
      for (const std::string& line : dialogTextLines(text, dialogPanelWidth - 2 * DIALOG_TEXT_MARGIN))
        lines.push_back(line);
    return lines;
  }

  float W = 0, H = 0;
  std::string where;
};

TEST_F(LayoutFit, EveryLabelTextAndPanelFitsAtEverySizeRatioAndLanguage) {
  for (const GameWindow& size : gameWindows) {
    for (int lang = 0; lang < LANGUAGE_COUNT; ++lang) {
      layOut(size, lang);
      for (const DrawnButton& b : drawnButtons()) {
        EXPECT_LE(width(b.label) + 2 * BUTTON_LABEL_PADDING, b.w) << where << b.where << " \"" << b.label << "\"";
        EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= W && b.y + b.h <= H)
            << where << b.where << " \"" << b.label << "\" leaves the drawing area";
      }
      for (const std::string& line : dialogLines())
        EXPECT_LE(width(line), dialogPanelWidth - 2 * DIALOG_TEXT_MARGIN) << where << "dialog line \"" << line << "\"";
      // The team setup's errors stand one to a line, unwrapped, with the
      // widest race name and the highest rider number they can name.
      char raceExists[160], playerName[160];
      std::snprintf(raceExists, sizeof raceExists, textRaceNameExists.c_str(), "WWWWWWWWWWWW");
      std::snprintf(playerName, sizeof playerName, textEnterPlayerName.c_str(), 51);
      for (const std::string& line : {std::string(raceExists), std::string(playerName), textEnterARaceName})
        EXPECT_LE(width(line), dialogPanelWidth - 2 * DIALOG_TEXT_MARGIN) << where << "setup error \"" << line << "\"";

      // Event cards as the deck words them in this language: every line
      // inside the panel, the last one above the OK button.
      buildEventDeck();
      const float buttonTop = dialogOkButtonY - dialogPanelY;
      for (int card = 0; card < EVENT_CARD_COUNT; ++card) {
        int slots = 1;
        for (int i = 0; i < EVENT_TITLE_LINES; ++i) {
          if (eventCardTitle[card][i][0] != 0) ++slots;
          EXPECT_LE(width(eventCardTitle[card][i]), dialogPanelWidth) << where << "card " << card;
        }
        for (int j = 0; j < EVENT_EFFECT_LINES; ++j) {
          if (eventCardEffect[card][j][0] != 0) ++slots;
          EXPECT_LE(width(eventCardEffect[card][j]), dialogPanelWidth) << where << "card " << card;
        }
        // A small-font line reaches 10 pixels above and 6 below its y.
        EXPECT_LE(eventCardLineY(slots - 1, slots) + 6, buttonTop) << where << "card " << card << " last line";
        EXPECT_GE(eventCardLineY(0, slots) - 10, 0) << where << "card " << card << " first line";
      }

      // The Breakaway label, drawn right of its box, ends before the extra
      // die's Throw; the Throw button ends before the box.
      const float box = static_cast<float>(static_cast<int>(breakawayBoxSize)) * (W / 5) / (H / 4);
      EXPECT_LE(static_cast<float>(static_cast<int>(breakawayBoxX)) + 1.15f * box + width(textBreakaway),
                extraThrowButtonX)
          << where << "Breakaway label under the extra Throw";
      EXPECT_LE(throwButtonX + throwButtonWidth, breakawayBoxX) << where << "Throw over the Breakaway box";

      EXPECT_GE(scorePanelY - panelTitleHeight, 0) << where << "score panel title strip above the window";
      EXPECT_LE(scorePanelY + scorePanelHeight, H) << where << "score panel below the window";
      EXPECT_GE(scorePanelX, 0) << where;
      EXPECT_LE(scorePanelX + scorePanelWidth, W) << where;
    }
  }
}

}  // namespace
