// The start screens: Throw and Next by button and by letter, the start-grid
// cursor on both start sections, Enter on and off the grid, whole starts.
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
  void tryPlacingOn(int row, int lane, int rider) {
    startCursorRow = row, startCursorLane = lane;
    typeKey(13);
    EXPECT_EQ(riders[rider].row, -1) << row << ", " << lane;
    EXPECT_EQ(activeRider, rider);
  }
};

// Throw: team 0's result waits. Next: computer team 1 has thrown.
TEST_F(StartScreensTest, ThrowAndNextByButtonAndTheLettersOfEachLanguage) {
  const int MOUSE = -1, RIGHT_BUTTON = -2, BESIDE = -3;
  const int E = LANGUAGE_ENGLISH, G = LANGUAGE_GERMAN, F = LANGUAGE_FRENCH, D = LANGUAGE_DUTCH;
  struct Case {
    int screen, language, input;
    bool acts;
  } cases[] = {
      {20, E, MOUSE, true}, {20, G, 'W', true},  {20, E, 't', true},          {20, F, 'j', true},
      {20, D, 'G', true},   {20, G, 't', false}, {20, F, 'u', false},         {20, E, BESIDE, false},
      {20, E, RIGHT_BUTTON, false}, {21, F, MOUSE, true}, {21, G, 'n', true}, {21, E, 'N', true},
      {21, F, 'U', true},   {21, D, 'v', true},  {21, F, 'n', false},         {21, E, 't', false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.screen << " " << c.language << " " << c.input);
    language = static_cast<uint8_t>(c.language);
    setLanguageTexts();
    ASSERT_TRUE(openRaceStart(COURSE_ZERO, 11, 0));
    if (c.screen == SCREEN_START_THROW_RESULT) throwStartOrder();
    const int team = c.acts && c.screen == SCREEN_START_THROW_RESULT ? 1 : 0, roll = startRolls[0];
    const float x = throwButtonX + (c.input == BESIDE ? -2 : 2), y = throwButtonY + 2;
    if (c.input < 0)
      mouseEventAt(c.input == RIGHT_BUTTON ? GLUT_RIGHT_BUTTON : GLUT_LEFT_BUTTON, GLUT_UP, x, y);
    else
      typeKey(static_cast<unsigned char>(c.input));
    EXPECT_EQ(currentScreen, c.acts ? SCREEN_START_THROW_RESULT : c.screen);
    EXPECT_EQ(activeRider, 4 * team);
    if (c.acts) {
      EXPECT_TRUE(startRolls[team] >= 2 && startRolls[team] <= 12) << startRolls[team];
    } else {
      EXPECT_TRUE(startRolls[0] == roll && startRolls[1] == -1);
    }
  }
}

TEST_F(StartScreensTest, TheCursorKeysMoveOppositeWaysOnTheTwoStartSections) {
  const char *Z = COURSE_ZERO, *S = COURSE_SIX;
  const int L = GLUT_KEY_LEFT, R = GLUT_KEY_RIGHT, U = GLUT_KEY_UP, D = GLUT_KEY_DOWN;
  struct Case {
    const char* course;
    int row, lane, key, toRow, toLane;
  } cases[] = {
      {Z, 0, 0, L, 1, 0}, {Z, 3, 0, L, 3, 0}, {Z, 2, 3, R, 1, 3}, {Z, 0, 3, R, 0, 3},
      {Z, 1, 3, U, 1, 4}, {Z, 1, 4, U, 1, 4}, {Z, 1, 1, D, 1, 0}, {Z, 1, 0, D, 1, 0},
      {S, 2, 5, L, 1, 5}, {S, 0, 5, L, 0, 5}, {S, 2, 5, R, 3, 5}, {S, 3, 5, R, 3, 5},
      {S, 1, 5, U, 1, 4}, {S, 1, 4, U, 1, 4}, {S, 1, 6, D, 1, 7}, {S, 1, 7, D, 1, 7},
      {S, 1, 6, GLUT_KEY_HOME, 1, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.course << " " << c.row << "," << c.lane << " " << c.key);
    placingRiderZero(c.course);
    startCursorRow = c.row, startCursorLane = c.lane;
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
    for (const auto& square : offGrid) tryPlacingOn(square[0], square[1], 0);
    // He stands, the cursor goes back, the computer teams place their first
    // riders, and member 1 of team 0 is next.
    ASSERT_TRUE(walkStartCursorTo(1, first + 1));
    typeKey(' ');
    EXPECT_EQ(trackOccupant[1][first + 1], 0);
    EXPECT_TRUE(riders[0].row == 1 && riders[0].lane == first + 1);
    for (int rider : {4, 8, 12}) EXPECT_NE(riders[rider].row, -1) << rider;
    EXPECT_EQ(activeRider, 1);
    EXPECT_EQ(currentScreen, SCREEN_START_PLACE_HUMAN);
    EXPECT_TRUE(startCursorRow == 0 && startCursorLane == first);
    // Not in his team-mate's lane, not on a taken square.
    tryPlacingOn(3, first + 1, 1);
    tryPlacingOn(0, first + 1, 1);
    tryPlacingOn(riders[4].row, riders[4].lane, 1);
  }
}

// A person's team in every seat, on both start sections, roll-offs included.
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
      for (int j = 0; j < i; ++j)
        EXPECT_FALSE(riders[j].lane == riders[i].lane &&
                     (riders[j].row == riders[i].row || riderTeam(j) == riderTeam(i))) << i << " " << j;
      if (riderAheadOf(riders[i], riders[front])) front = i;
    }
    EXPECT_EQ(activeRider, front);
    EXPECT_EQ(currentScreen == SCREEN_PLAY_CARDS, riderTeam(front) == person) << currentScreen;
  }
  EXPECT_GT(rollOffs, 0) << "no seed threw a roll-off";
}

}  // namespace
