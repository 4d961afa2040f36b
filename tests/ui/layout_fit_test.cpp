// Every screen at every window size, ratio setting and language, measured
// from the layout rectangles the screens draw and hit-test and the font width
// tables: no label, dialog line or panel overflows what holds it.
#include <cstdio>
#include <string>
#include <vector>

#include "model/settings.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/widgets.h"
#include "rules/event_deck.h"
#include "texts/language_texts.h"
#include "ui/course_designer.h"
#include "ui/course_selection.h"
#include "ui/dialog_panel.h"
#include "ui/main_menu.h"
#include "ui/manual_screen.h"
#include "ui/race_panel.h"
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
    auto add = [&buttons](const std::string& screen, const std::string& label, const float* r) {
      buttons.push_back({screen, label, r[0], r[1], r[2], r[3]});
    };
    float r[4];
    const char* menu[MENU_BUTTON_COUNT] = {textLanguageSelection, textManual, textSettings,
                                           textContinueExistingRace.c_str(), textStart, textExit};
    for (int b = 0; b < MENU_BUTTON_COUNT; ++b) {
      mainMenuButtonRect(b, &r[0], &r[1], &r[2], &r[3]);
      add("main menu", menu[b], r);
    }
    manualPreviousButtonRect(&r[0], &r[1], &r[2], &r[3]);
    add("manual", textPreviousPage, r);
    manualNextButtonRect(&r[0], &r[1], &r[2], &r[3]);
    add("manual", textNextPage, r);
    const SettingsLayout s = settingsLayout();
    add("settings", textDefault, s.defaultButton);
    add("settings", "OK", s.okButton);
    add("settings", textCancel, s.cancelButton);
    dialogButtonRect(DIALOG_BUTTON_OK, "OK", r);
    add("dialog", "OK", r);
    const std::pair<const char*, const char*> questions[] = {
        {textYes, textNo}, {textBlue, textWhite}, {textImmediately, textLater}, {textRetry.c_str(), textAbort.c_str()}};
    for (const auto& q : questions) {
      float right[4];
      dialogButtonRect(DIALOG_BUTTON_LEFT, q.first, r);
      dialogButtonRect(DIALOG_BUTTON_RIGHT, q.second, right);
      add(std::string("dialog question ") + q.first, q.first, r);
      add(std::string("dialog question ") + q.first, q.second, right);
      EXPECT_LT(r[0] + r[2], right[0]) << where << q.first << " / " << q.second << " overlap";
    }
    const float bh = buttonHeight, bw = buttonWidth, tw = throwButtonWidth, th = throwButtonHeight,
                fw = footerButtonWidth, cw = courseChoiceButtonWidth, dw = designButtonWidth,
                sw = smallCourseButtonWidth();
    const DrawnButton fixed[] = {
        {"manual", "OK", manualOkButtonX, manualOkButtonY, bw, bh},
        {"race footer", textScorecard, scorecardButtonX, scorecardButtonY, fw, bh},
        {"race footer", textPositions, positionsButtonX, positionsButtonY, fw, bh},
        {"race footer", textDoping, dopingButtonX, dopingButtonY, fw, bh},
        {"race footer", textSettings, settingsButtonX, settingsButtonY, fw, bh},
        {"race footer", textQuit, quitButtonX, quitButtonY, fw, bh},
        {"race panel", textThrow, throwButtonX, throwButtonY, tw, th},
        {"race panel", textNextTeam, throwButtonX, throwButtonY, tw, th},
        {"extra die", textThrow, extraThrowButtonX, extraThrowButtonY, tw, th},
        {"hand-in", "OK", handInOkButtonX, handInOkButtonY, tw, th},
        {"course selection", textUseSavedCourse, useSavedCourseButtonX, useSavedCourseButtonY, cw, bh},
        {"course selection", textCreateNewCourse, createCourseButtonX, createCourseButtonY, cw, bh},
        {"course selection", textBackCourses, courseSelectBackButtonX, courseSelectBackButtonY, bw, bh},
        {"course designer", textUndoSection, undoSectionButtonX, undoSectionButtonY, dw, bh},
        {"course designer", textAdd, addSectionButtonX, addSectionButtonY, dw, bh},
        {"course designer", textSaveCourse, saveCourseButtonX, saveCourseButtonY, dw, bh},
        {"course designer", textBackCourses, designBackButtonX, designBackButtonY, bw, bh},
        {"saved courses", textPreviousCourse, prevCourseButtonX, prevCourseButtonY, sw, bh},
        {"saved courses", textNextCourse, nextCourseButtonX, nextCourseButtonY, sw, bh},
        {"saved courses", textBackSavedCourses, savedCoursesBackButtonX, savedCoursesBackButtonY, sw, bh},
        {"team setup", textBack, teamSetupBackButtonX, teamSetupBackButtonY, bw, bh},
        {"saved races", textScorecard, savedRacesScorecardButtonX, savedRacesScorecardButtonY,
         savedRacesScorecardButtonWidth, bh},
        {"saved races", textBack, savedRacesBackButtonX, savedRacesBackButtonY, bw, bh},
        {"score panel", textQuit, scoreOkButtonX, scoreOkButtonY, scoreOkButtonWidth, bh},
        {"score panel", textExport, exportButtonX, exportButtonY, exportButtonWidth, bh},
        {"score panel", textGeneral, generalTabX, generalTabY, generalTabWidth, bh},
        {"score panel", textStageTab, stageTabX, stageTabY, stageTabWidth, bh}};
    buttons.insert(buttons.end(), std::begin(fixed), std::end(fixed));
    return buttons;
  }

  float W = 0, H = 0;
  std::string where;
};

TEST_F(LayoutFit, EveryLabelTextAndPanelFitsAtEverySizeRatioAndLanguage) {
  const float textWidth = dialogPanelWidth - 2 * DIALOG_TEXT_MARGIN;
  for (const GameWindow& size : gameMonitors) {
    for (int lang = 0; lang < LANGUAGE_COUNT; ++lang) {
      layOut(size, lang);
      std::vector<DrawnButton> buttons = drawnButtons();
      for (const DrawnButton& b : buttons) {
        EXPECT_LE(width(b.label) + 2 * BUTTON_LABEL_PADDING, b.w) << where << b.where << " \"" << b.label << "\"";
        EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= W && b.y + b.h <= H)
            << where << b.where << " \"" << b.label << "\" leaves the drawing area";
      }
      // Controls between the strips, and the texts that crowded them clear.
      std::vector<DrawnButton> controls = buttons;
      float rows[4][4];
      for (int team = 0; team < 4; ++team) {
        computerBoxRect(team, rows[team]);
        controls.push_back({"team setup", textComputerPlayer, 0, rows[team][1], 0, rows[team][3]});
        EXPECT_EQ(rows[team][1], static_cast<float>(static_cast<int>(teamNameFieldY + team * teamRowPitch)));
      }
      for (int team = 1; team < 4; ++team)
        EXPECT_GE(rows[team][1] - rows[team - 1][1] - rows[team - 1][3], 2) << where << "computer boxes meet";
      controls.push_back({"race panel", textBreakaway, 0, breakawayBoxY, 0, breakawayBoxSize});
      for (const DrawnButton& c : controls)
        EXPECT_TRUE(c.y >= BAND_STRIP_HEIGHT && c.y + c.h <= H - BAND_STRIP_HEIGHT) << where << c.where << c.label;
      EXPECT_GE(handInOkButtonY, handInSlotsY + cardHeight) << where << "hand-in OK on its slots";
      EXPECT_GE(activeRiderBoxX + TOKEN_RADIUS * (1 - tokenAspect()), extraDieX + dieSize) << where << "rider on die";
      // A lap's letters and, a line lower, its marks inside their row.
      for (const CourseLapList& list : {designLapList, savedCoursesLapList}) {
        const float baseline = list.textY + TEXT_BASELINE_DROP, s = list.lineStep;
        EXPECT_GE(list.textX + 1 - list.frameX, LAP_TEXT_CLEARANCE) << where << "lap text on the left line";
        EXPECT_GE(baseline - FIXED_FONT_ASCENT - list.frameY, LAP_TEXT_CLEARANCE) << where << "on the top line";
        EXPECT_LE(baseline + s, list.frameY + 2 * s - LAP_TEXT_CLEARANCE) << where << "marks on the next line";
      }
      // Three digits with the room before them after them too, then the unit.
      const SettingsLayout set = settingsLayout();
      const float before = TEXT_FIELD_INSET + 1, frameRight = set.movementFrame[0] + set.movementFrame[2];
      for (const auto& unit : {std::make_pair(set.delayUnitX, set.fields[0]), {set.stepUnitX, set.fields[2]}}) {
        EXPECT_GE(unit.second[2] - (before + SETTINGS_FIELD_DIGITS * FIXED_FONT_ADVANCE - 2), before) << where;
        EXPECT_GE(unit.first, unit.second[0] + unit.second[2] + 2) << where << "unit on its field";
        EXPECT_LE(unit.first + width("ms"), frameRight) << where << "unit on the frame";
      }
      // A screen's buttons apart (one rectangle with two labels is one
      // button), and the designer's lap frame, four laps high, off them.
      const CourseLapList& laps = designLapList;
      buttons.push_back({"course designer", "laps", laps.frameX, laps.frameY, LAP_LIST_FRAME_WIDTH, 8 * laps.lineStep});
      for (const DrawnButton& a : buttons)
        for (const DrawnButton& b : buttons)
          if (&a < &b && a.where == b.where && (a.x != b.x || a.y != b.y || a.w != b.w)) {
            EXPECT_FALSE(a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h)
                << where << a.where << " \"" << a.label << "\" on \"" << b.label << "\"";
          }
      // Every dialog text as the panel wraps it, and the team setup's errors
      // unwrapped with the widest race name and highest rider number.
      std::vector<std::string> lines;
      for (const char* text : {textWhichCardKind, textWhenUseCard, textNoCardEventCancelled, textConfirmDoping,
                               textConfirmQuit, textNoForwardMove, textNoStrengthCard, textDopingControl,
                               textCyclistsCaught, textCountercheck})
        for (const std::string& line : dialogTextLines(text, textWidth)) lines.push_back(line);
      char raceExists[160], playerName[160];
      std::snprintf(raceExists, sizeof raceExists, textRaceNameExists.c_str(), "WWWWWWWWWWWW");
      std::snprintf(playerName, sizeof playerName, textEnterPlayerName.c_str(), 51);
      lines.insert(lines.end(), {raceExists, playerName, textEnterARaceName});
      for (const std::string& line : lines) EXPECT_LE(width(line), textWidth) << where << "\"" << line << "\"";

      // Event cards as the deck words them: every line inside the panel, the
      // last one above the OK button (a small-font line reaches 10 pixels
      // above and 6 below its y).
      buildEventDeck();
      for (int card = 0; card < EVENT_CARD_COUNT; ++card) {
        int slots = 1;
        for (int i = 0; i < EVENT_TITLE_LINES + EVENT_EFFECT_LINES; ++i) {
          const char* line = i < EVENT_TITLE_LINES ? eventCardTitle[card][i] : eventCardEffect[card][i - EVENT_TITLE_LINES];
          slots += line[0] != 0;
          EXPECT_LE(width(line), dialogPanelWidth) << where << "card " << card;
        }
        EXPECT_LE(eventCardLineY(slots - 1, slots) + 6, dialogOkButtonY - dialogPanelY) << where << "card " << card;
        EXPECT_GE(eventCardLineY(0, slots) - 10, 0) << where << "card " << card << " first line";
      }

      // The Breakaway label, drawn right of its box, ends before the extra
      // die's Throw; the Throw button ends before the box.
      const float box = static_cast<float>(static_cast<int>(breakawayBoxSize)) * (W / 5) / (H / 4);
      EXPECT_LE(static_cast<float>(static_cast<int>(breakawayBoxX)) + 1.15f * box + width(textBreakaway),
                extraThrowButtonX)
          << where << "Breakaway label under the extra Throw";
      EXPECT_LE(throwButtonX + throwButtonWidth, breakawayBoxX) << where << "Throw over the Breakaway box";

      EXPECT_TRUE(scorePanelY - panelTitleHeight >= 0 && scorePanelY + scorePanelHeight <= H && scorePanelX >= 0 &&
                  scorePanelX + scorePanelWidth <= W)
          << where << "score panel or its title strip leaves the window";
    }
  }
}

}  // namespace
