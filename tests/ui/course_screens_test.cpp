// The course selection and the course designer, played through the input
// callbacks: the hover zones, a click with no motion, the keys, the Back
// underlines, and a design made section by section that is saved and raced.
#include <GL/freeglut.h>

#include <cstring>
#include <string>

#include "files/course_file.h"
#include "model/board_sections.h"
#include "model/screens.h"
#include "model/settings.h"
#include "model/view_state.h"
#include "render/layout.h"
#include "render/frame.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "ui/course_designer.h"
#include "ui/course_selection.h"
#include "ui/ui_harness.h"

namespace {

class CourseScreensTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    useScratchFolder();
    for (int r = 0; r < RIDER_COUNT; ++r) riders[r].humanControlled = 1;
    previousScreen = SCREEN_TEAM_SETUP;
    openCourseSelection();
  }
  void tileCentre(int tile, float* x, float* y) {
    *x = courseTilesX + static_cast<float>(tile % 2) * (courseTileWidth + courseTileGapX) +
         0.5f * courseTileWidth;
    *y = courseTilesY + static_cast<float>(tile / 2) * (courseTileHeight + courseTileGapY) +
         0.5f * courseTileHeight;
  }
};

TEST_F(CourseScreensTest, HoverZonesAtTwoWindowSizes) {
  for (int width : {1280, 960}) {
    SCOPED_TRACE(width);
    screenRatio[0] = 5;
    screenRatio[1] = 4;
    onReshape(width, width * 4 / 5);
    const float W = static_cast<float>(drawAreaWidth);
    const float bottom = courseTilesY + courseTileHeight;
    struct Case {
      float x, y;
      int tile;
    } cases[] = {
        {courseTilesX + 1, courseTilesY + 1, 0},
        {courseTilesX + courseTileWidth + courseTileGapX + 2, bottom - 1, 1},
        {courseTilesX + 5, bottom + 33, 0},                      // over the caption
        {courseTilesX + 5, bottom + 36, -1},                     // below the caption zone
        {courseTilesX + courseTileWidth + 2, courseTilesY + 5, -1},  // the gap between columns
        {W - 2, courseTilesY + 5, -1},                           // right of the second column
        {courseTilesX + 5, courseTilesY - 1, -1},                // above the grid
        {courseTilesX - 1, courseTilesY + 5, -1},
        {courseTilesX + 5, courseTilesY + courseTileHeight + courseTileGapY + 2, 2},
        {courseTilesX + 5, courseTilesY + 2 * (courseTileHeight + courseTileGapY) + 2, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(courseTileAt(c.x, c.y), c.tile) << c.x << ", " << c.y;
  }
}

TEST_F(CourseScreensTest, ATileStartsTheRaceAndAStaleHoverNever) {
  float x, y;
  tileCentre(2, &x, &y);
  hoverAt(x, y);
  EXPECT_EQ(hoverCourseTile, 2);
  // A key leaves the screen with the pointer still over the tile; Back
  // from the designer, then a click at the Back corner: no race.
  typeKey('c');
  ASSERT_EQ(currentScreen, SCREEN_COURSE_DESIGN);
  clickCentreOf(designBackButtonX, designBackButtonY, buttonWidth, buttonHeight);
  ASSERT_EQ(currentScreen, SCREEN_COURSE_SELECTION);
  EXPECT_EQ(hoverCourseTile, -1);
  clickCentreOf(courseSelectBackButtonX, courseSelectBackButtonY, buttonWidth, buttonHeight);
  EXPECT_EQ(currentScreen, SCREEN_TEAM_SETUP);

  // A click starts a race only on the tile the pointer moved onto since the
  // screen was entered, and only when the click lies in that tile too.
  struct Case {
    int hovered, clicked, screen;
  } cases[] = {
      {-1, 2, SCREEN_COURSE_SELECTION},  // no motion: a double click's second half
      {1, 2, SCREEN_COURSE_SELECTION},   // moved over another tile
      {2, 2, SCREEN_START_THROW},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hovered);
    openCourseSelection();
    if (c.hovered != -1) {
      tileCentre(c.hovered, &x, &y);
      hoverAt(x, y);
    }
    tileCentre(c.clicked, &x, &y);
    pressAndReleaseAt(x, y);
    EXPECT_EQ(currentScreen, c.screen);
  }
  EXPECT_STREQ(courseSpec, predefinedCourses[2]);
  EXPECT_EQ(activeRider, 0);
}

TEST_F(CourseScreensTest, KeysOfEveryLanguage) {
  struct Case {
    int language;
    unsigned char key;
    int screen;
  } cases[] = {
      {LANGUAGE_GERMAN, 'n', SCREEN_COURSE_DESIGN},  {LANGUAGE_GERMAN, 'G', SCREEN_SAVED_COURSES},
      {LANGUAGE_GERMAN, 'z', SCREEN_TEAM_SETUP},     {LANGUAGE_ENGLISH, 'C', SCREEN_COURSE_DESIGN},
      {LANGUAGE_ENGLISH, 'u', SCREEN_SAVED_COURSES}, {LANGUAGE_ENGLISH, 'b', SCREEN_TEAM_SETUP},
      {LANGUAGE_FRENCH, 'c', SCREEN_COURSE_DESIGN},  {LANGUAGE_FRENCH, 'u', SCREEN_SAVED_COURSES},
      {LANGUAGE_FRENCH, 'r', SCREEN_TEAM_SETUP},     {LANGUAGE_DUTCH, 'n', SCREEN_COURSE_DESIGN},
      {LANGUAGE_DUTCH, 'o', SCREEN_SAVED_COURSES},   {LANGUAGE_DUTCH, 't', SCREEN_TEAM_SETUP},
      {LANGUAGE_ENGLISH, 'n', SCREEN_COURSE_SELECTION}, {LANGUAGE_GERMAN, 'c', SCREEN_COURSE_SELECTION},
  };
  for (const Case& c : cases) {
    language = static_cast<uint8_t>(c.language);
    setLanguageTexts();
    openCourseSelection();
    typeKey(c.key);
    EXPECT_EQ(currentScreen, c.screen) << c.language << " " << c.key;
  }
}

// The course selection's Back underlines its first letter, the key that
// answers it there; the designer's Back, which no key answers, underlines
// nothing. In every language.
TEST_F(CourseScreensTest, OnlyTheCourseSelectionsBackIsUnderlined) {
  for (int lang = 0; lang < LANGUAGE_COUNT; ++lang) {
    language = static_cast<uint8_t>(lang);
    setLanguageTexts();
    const unsigned char first = static_cast<unsigned char>(textBackCourses[0]);
    for (bool designer : {false, true}) {
      SCOPED_TRACE(testing::Message() << "language " << lang << (designer ? " designer" : ""));
      openCourseSelection();
      if (designer)
        typeKey(static_cast<unsigned char>(
            hotKeyLetter(textCreateNewCourse, HOTKEY_CREATE_NEW_COURSE)));
      ASSERT_EQ(currentScreen, designer ? SCREEN_COURSE_DESIGN : SCREEN_COURSE_SELECTION);
      drawNow();
      const float x = designer ? designBackButtonX : courseSelectBackButtonX;
      const float y = designer ? designBackButtonY : courseSelectBackButtonY;
      // Under the first letter, the two rows of the underline.
      const float labelWidth = static_cast<float>(measureTextWidth(textBackCourses, FONT_SMALL));
      const int left = drawAreaX + static_cast<int>(x + buttonWidth / 2 + 1 - labelWidth / 2);
      const int row = drawAreaY + static_cast<int>(y + buttonHeight / 2 + 5);
      const int underline =
          countColourInBox(left, row - 1, left + charWidthsSmall[first] - 1, row, 0, 0, 0);
      if (designer)
        EXPECT_EQ(underline, 0);
      else
        EXPECT_GE(underline, charWidthsSmall[first] - 2);
    }
  }
}

// A design from Start 2: D with a sprint, then F with the finish; the Sprint
// box re-arms on undo, the finished course is saved and raced with its
// run-out.
TEST_F(CourseScreensTest, ADesignMadeByClicksAndKeysIsSavedAndRaced) {
  std::memset(courseSpec, 'q', sizeof courseSpec);
  sprintToggle = finishToggle = 1;  // left over from an earlier design
  sprintCount = 3;
  typeKey('c');
  ASSERT_EQ(currentScreen, SCREEN_COURSE_DESIGN);
  EXPECT_STREQ(courseSpec, "");
  EXPECT_EQ(sprintToggle + finishToggle + sprintCount, 0);

  clickAt(choiceListX, choiceListY + choiceCellSize);  // Start 2
  EXPECT_EQ(designChoiceIndex, 1);
  typeKey('a');
  EXPECT_STREQ(courseSpec, "6");
  clickAt(sprintBoxX + 1, sprintBoxY + 1);
  EXPECT_EQ(sprintToggle, 1);
  clickCentreOf(addSectionButtonX, addSectionButtonY, designButtonWidth, buttonHeight);
  EXPECT_STREQ(courseSpec, "64S");
  typeKey('p');  // undo: the S comes back with the next Add
  EXPECT_STREQ(courseSpec, "6");
  EXPECT_EQ(sprintToggle, 1);
  typeKey('a');
  EXPECT_STREQ(courseSpec, "64S");
  clickAt(finishBoxX + 1, finishBoxY + 1);
  typeKey('a');
  EXPECT_STREQ(courseSpec, "64S5F");
  typeKey('a');  // Add does nothing on a finished design
  EXPECT_STREQ(courseSpec, "64S5F");

  clickCentreOf(saveCourseButtonX, saveCourseButtonY, designButtonWidth, buttonHeight);
  EXPECT_EQ(currentScreen, SCREEN_COURSE_DESIGN);
  EXPECT_EQ(countCourseRecords(), 1);
  typeKey('\r');
  EXPECT_EQ(currentScreen, SCREEN_START_THROW);
  EXPECT_STREQ(courseSpec, "64S5F12");
}

}  // namespace
