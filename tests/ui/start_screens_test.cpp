// The start screens: Throw and Next by button and by the letters of each
// language, the start-grid cursor on both start sections, Enter on and off
// the grid, and whole starts by hand up to the first turn.
#include <GL/freeglut.h>

#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "render/layout.h"
#include "rules/race_start.h"
#include "rules/race_state.h"
#include "rules/turn_sequence.h"
#include "texts/language_texts.h"
#include "ui/hand_started_race.h"
#include "ui/ui_harness.h"

namespace {

const char* const COURSE_ZERO = "01S23S4S5F12";
const char* const COURSE_SIX = "64S5F12";

class StartScreensTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    redrawHook = nullptr;
    moveTimerHook = nullptr;
  }
  void TearDown() override {
    gameRandomOverride = nullptr;
    ScreenTest::TearDown();
  }
  // A person's team 0 places rider 0, the cursor on the first start square.
  void placingRiderZero(const char* course) {
    ASSERT_TRUE(openRaceStart(course, 5, 0));
    firstPlacingRider = activeRider = 0;
    startCursorRow = 0;
    startCursorLane = course[0] == '0' ? 0 : 4;
    currentScreen = SCREEN_START_PLACE_HUMAN;
  }
};

TEST_F(StartScreensTest, ThrowAndNextByButtonAndTheLettersOfEachLanguage) {
  const int MOUSE = -1, RIGHT_BUTTON = -2, BESIDE = -3;
  struct Case {
    int screen, language, input;
    bool acts;
  } cases[] = {
      {20, LANGUAGE_ENGLISH, MOUSE, true},  {20, LANGUAGE_GERMAN, 'W', true},
      {20, LANGUAGE_ENGLISH, 't', true},    {20, LANGUAGE_FRENCH, 'j', true},
      {20, LANGUAGE_DUTCH, 'G', true},      {20, LANGUAGE_GERMAN, 't', false},
      {20, LANGUAGE_FRENCH, 'u', false},    {20, LANGUAGE_ENGLISH, RIGHT_BUTTON, false},
      {20, LANGUAGE_ENGLISH, BESIDE, false}, {21, LANGUAGE_FRENCH, MOUSE, true},
      {21, LANGUAGE_GERMAN, 'n', true},     {21, LANGUAGE_ENGLISH, 'N', true},
      {21, LANGUAGE_FRENCH, 'U', true},     {21, LANGUAGE_DUTCH, 'v', true},
      {21, LANGUAGE_FRENCH, 'n', false},    {21, LANGUAGE_ENGLISH, 't', false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.screen << " " << c.language << " " << c.input);
    language = static_cast<uint8_t>(c.language);
    setLanguageTexts();
    ASSERT_TRUE(openRaceStart(COURSE_ZERO, 11, 0));
    if (c.screen == SCREEN_START_THROW_RESULT) throwStartOrder();
    const int team0Roll = startRolls[0];
    const float x = throwButtonX + (c.input == BESIDE ? -2 : 2), y = throwButtonY + 2;
    if (c.input == MOUSE || c.input == BESIDE)
      clickAt(x, y);
    else if (c.input == RIGHT_BUTTON)
      mouseEventAt(GLUT_RIGHT_BUTTON, GLUT_UP, x, y);
    else
      typeKey(static_cast<unsigned char>(c.input));
    if (!c.acts) {
      EXPECT_EQ(currentScreen, c.screen);
      EXPECT_EQ(activeRider, 0);
      EXPECT_EQ(startRolls[0], team0Roll);
      EXPECT_EQ(startRolls[1], -1);
    } else {
      // Throw: team 0's result waits. Next: computer team 1 has thrown.
      EXPECT_EQ(currentScreen, SCREEN_START_THROW_RESULT);
      const int team = c.screen == SCREEN_START_THROW ? 0 : 1;
      EXPECT_EQ(activeRider, 4 * team);
      EXPECT_GE(startRolls[team], 2);
      EXPECT_LE(startRolls[team], 12);
    }
  }
}

TEST_F(StartScreensTest, TheCursorKeysMoveOppositeWaysOnTheTwoStartSections) {
  struct Case {
    const char* course;
    int row, lane, key, toRow, toLane;
  } cases[] = {
      {COURSE_ZERO, 0, 0, GLUT_KEY_LEFT, 1, 0},  {COURSE_ZERO, 3, 0, GLUT_KEY_LEFT, 3, 0},
      {COURSE_ZERO, 2, 3, GLUT_KEY_RIGHT, 1, 3}, {COURSE_ZERO, 0, 3, GLUT_KEY_RIGHT, 0, 3},
      {COURSE_ZERO, 1, 3, GLUT_KEY_UP, 1, 4},    {COURSE_ZERO, 1, 4, GLUT_KEY_UP, 1, 4},
      {COURSE_ZERO, 1, 1, GLUT_KEY_DOWN, 1, 0},  {COURSE_ZERO, 1, 0, GLUT_KEY_DOWN, 1, 0},
      {COURSE_SIX, 2, 5, GLUT_KEY_LEFT, 1, 5},   {COURSE_SIX, 0, 5, GLUT_KEY_LEFT, 0, 5},
      {COURSE_SIX, 2, 5, GLUT_KEY_RIGHT, 3, 5},  {COURSE_SIX, 3, 5, GLUT_KEY_RIGHT, 3, 5},
      {COURSE_SIX, 1, 5, GLUT_KEY_UP, 1, 4},     {COURSE_SIX, 1, 4, GLUT_KEY_UP, 1, 4},
      {COURSE_SIX, 1, 6, GLUT_KEY_DOWN, 1, 7},   {COURSE_SIX, 1, 7, GLUT_KEY_DOWN, 1, 7},
      {COURSE_SIX, 1, 6, GLUT_KEY_HOME, 1, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.course << " " << c.row << "," << c.lane << " " << c.key);
    placingRiderZero(c.course);
    startCursorRow = c.row;
    startCursorLane = c.lane;
    pressSpecialKey(c.key);
    EXPECT_EQ(startCursorRow, c.toRow);
    EXPECT_EQ(startCursorLane, c.toLane);
  }
}

TEST_F(StartScreensTest, EnterPlacesOnlyOnAFreeGridSquareInALaneWithoutATeamMate) {
  for (const char* course : {COURSE_ZERO, COURSE_SIX}) {
    SCOPED_TRACE(course);
    const int first = course[0] == '0' ? 0 : 4;
    placingRiderZero(course);
    // Off the grid, as the cursor is once the last rider stands: nothing.
    const int offGrid[][2] = {{-1, -1}, {4, first}, {1, first + 5}, {0, -1}};
    for (const auto& square : offGrid) {
      startCursorRow = square[0];
      startCursorLane = square[1];
      typeKey(13);
      EXPECT_EQ(riders[0].row, -1);
      EXPECT_EQ(activeRider, 0);
    }
    // He stands, the cursor goes back, the computer teams place their first
    // riders, and member 1 of team 0 is next.
    ASSERT_TRUE(walkStartCursorTo(1, first + 1));
    typeKey(' ');
    EXPECT_EQ(riders[0].row, 1);
    EXPECT_EQ(riders[0].lane, first + 1);
    EXPECT_EQ(trackOccupant[1][first + 1], 0);
    for (int rider : {4, 8, 12}) EXPECT_NE(riders[rider].row, -1) << rider;
    EXPECT_EQ(activeRider, 1);
    EXPECT_EQ(currentScreen, SCREEN_START_PLACE_HUMAN);
    EXPECT_EQ(startCursorRow, 0);
    EXPECT_EQ(startCursorLane, first);
    // Not in his team-mate's lane, not on a taken square.
    const int refused[][2] = {{3, first + 1}, {0, first + 1}, {riders[4].row, riders[4].lane}};
    for (const auto& square : refused) {
      startCursorRow = square[0];
      startCursorLane = square[1];
      typeKey(13);
      EXPECT_EQ(riders[1].row, -1);
      EXPECT_EQ(activeRider, 1);
    }
  }
}

// For a person's team in every seat, on both start sections, roll-offs
// included.
TEST_F(StartScreensTest, AStartByHandReachesTheFirstTurn) {
  int rollOffs = 0;
  for (uint32_t seed = 1; seed <= 24; ++seed) {
    const int person = static_cast<int>(seed % 4);
    SCOPED_TRACE(seed);
    ASSERT_TRUE(openRaceStart(seed % 2 == 0 ? COURSE_ZERO : COURSE_SIX, seed, person));
    ASSERT_TRUE(playStartByKeys());
    for (int t = 0; t < 4; ++t) rollOffs += startRolls[t] == 0 ? 1 : 0;
    EXPECT_EQ(startCursorRow, -1);
    EXPECT_EQ(roundNumber, 1);
    int front = 0;
    for (int i = 0; i < RIDER_COUNT; ++i) {
      ASSERT_GE(riders[i].row, 0) << i;
      EXPECT_LE(riders[i].row, 3);
      for (int j = 0; j < i; ++j) {
        EXPECT_FALSE(riders[j].row == riders[i].row && riders[j].lane == riders[i].lane);
        EXPECT_FALSE(riderTeam(j) == riderTeam(i) && riders[j].lane == riders[i].lane);
      }
      if (riderAheadOf(riders[i], riders[front])) front = i;
    }
    EXPECT_EQ(activeRider, front);
    const bool personFirst = riderTeam(front) == person;
    EXPECT_EQ(currentScreen == SCREEN_PLAY_CARDS, personFirst) << currentScreen;
  }
  EXPECT_GT(rollOffs, 0) << "no seed threw a roll-off";
}

}  // namespace
