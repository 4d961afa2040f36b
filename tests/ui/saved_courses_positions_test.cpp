// The saved courses browser over the "courses" file (empty, short, odd,
// removed and hostile records), and the positions overview's lines and OK.
#include <GL/freeglut.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/course_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "render/layout.h"
#include "rules/move_animation.h"
#include "rules/race_state.h"
#include "ui/course_selection.h"
#include "ui/positions_screen.h"
#include "ui/screen_switch.h"
#include "ui/saved_courses.h"
#include "ui/ui_harness.h"

namespace {

class SavedCoursesTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    useScratchFolder();
    for (int r = 0; r < RIDER_COUNT; ++r) riders[r].humanControlled = 1;
    openCourseSelection();
  }
  void writeRecords(const std::vector<std::string>& courses, const std::string& tail = "") {
    FILE* file = std::fopen(courseFileName, "wb");
    ASSERT_NE(file, nullptr);
    for (const std::string& course : courses) {
      char record[COURSE_RECORD_SIZE] = "xyz";
      std::memcpy(record + COURSE_NAME_SIZE, course.data(),
                  std::min<size_t>(course.size(), COURSE_SPEC_SIZE));
      std::fwrite(record, 1, sizeof record, file);
    }
    std::fwrite(tail.data(), 1, tail.size(), file);
    std::fclose(file);
  }
  void next() { clickAt(nextCourseButtonX + 1, nextCourseButtonY + 1); }
  void previous() { clickAt(prevCourseButtonX + 1, prevCourseButtonY + 1); }
  void start() { clickAt(savedCourseButtonX + 1, savedCourseButtonY + 1); }
};

TEST_F(SavedCoursesTest, BrowsingNoneOneAndTwoRecords) {
  typeKey('u');  // no file at all
  ASSERT_EQ(currentScreen, SCREEN_SAVED_COURSES);
  EXPECT_STREQ(courseSpec, "");
  EXPECT_FALSE(savedCourseStartable());
  next();
  start();
  EXPECT_EQ(currentScreen, SCREEN_SAVED_COURSES);

  writeRecords({"01S23S4S5F", "67S8F"}, "torn");
  clickAt(savedCoursesBackButtonX + 1, savedCoursesBackButtonY + 1);
  ASSERT_EQ(currentScreen, SCREEN_COURSE_SELECTION);
  typeKey('u');
  EXPECT_STREQ(courseSpec, "01S23S4S5F");
  previous();
  EXPECT_EQ(savedCourseIndex, 0);
  next();
  EXPECT_EQ(savedCourseIndex, 1);
  EXPECT_STREQ(courseSpec, "67S8F");
  next();  // the torn tail is no record
  EXPECT_EQ(savedCourseIndex, 1);
  EXPECT_STREQ(courseSpec, "67S8F");
  previous();
  EXPECT_STREQ(courseSpec, "01S23S4S5F");

  // The file goes while the screen is open: Next empties the course.
  ASSERT_EQ(std::remove(courseFileName), 0);
  next();
  EXPECT_EQ(savedCourseIndex, 0);
  EXPECT_STREQ(courseSpec, "");
  start();
  EXPECT_EQ(currentScreen, SCREEN_SAVED_COURSES);
}

TEST_F(SavedCoursesTest, HostileRecordsNeverStartAndAGoodOneStartsWithItsRunOut) {
  const std::vector<std::string> hostile = {
      "0123",                          // no finish
      "F12",                           // the finish first
      "01S23S4SF",                     // a sprint before the finish
      "0129F",                         // no such section
      "01S23S4S5F1",                   // bytes behind the finish
      std::string(26, '0') + "F",      // no room for the run-out
      std::string(28, '1'),            // no terminator
  };
  for (const std::string& course : hostile) {
    writeRecords({course});
    openCourseSelection();
    typeKey('u');
    ASSERT_EQ(currentScreen, SCREEN_SAVED_COURSES);
    const std::string shown = courseSpec;
    EXPECT_LT(shown.size(), static_cast<size_t>(COURSE_SPEC_SIZE));
    EXPECT_FALSE(savedCourseStartable()) << course;
    start();
    EXPECT_EQ(currentScreen, SCREEN_SAVED_COURSES) << course;
    EXPECT_EQ(courseSpec, shown);
  }
  writeRecords({"01S23S4S5F"});
  openCourseSelection();
  typeKey('u');
  ASSERT_TRUE(savedCourseStartable());
  start();
  EXPECT_EQ(currentScreen, SCREEN_START_THROW);
  EXPECT_STREQ(courseSpec, "01S23S4S5F12");
}

class PositionsTest : public ScreenTest {};

// Lines from the figures to the map: a placed rider's in his team colour,
// a parked one's in half of it, none for a rider not yet on the grid, and
// nothing at all for a rider who has finished.
TEST_F(PositionsTest, RiderLinesByRiderState) {
  uploadBoardOfOneColour(255, 255, 255);
  for (int r = 0; r < RIDER_COUNT; ++r) {
    riders[r].row = riders[r].lane = -1;
    riders[r].parked = riders[r].finished = 0;
    riders[r].humanControlled = 1;
  }
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const float mapHeight = boardPictureHeight(0.8f * W);
  auto mapPoint = [&](float bx, float by, float* x, float* y) {
    *x = 0.1f * W + bx * 0.8f * W / 1954;
    *y = 0.46f * H - 0.5f * mapHeight + by * mapHeight / 1152;
  };
  struct Case {
    int rider;
    int row, parked, finished;
    float bx, by;
    int g;  // green of the line at its middle, -1 no line
  } cases[] = {
      {0, 5, 0, 0, 977, 576, 153},
      {1, -1, 0, 0, 400, 900, -1},
      {2, 7, 0, 1, 1500, 900, -1},
      {3, 9, 1, 0, 1500, 300, 77},
  };
  for (const Case& c : cases) {
    Rider& r = riders[c.rider];
    r.row = c.row;
    r.lane = c.row == -1 ? -1 : 1;
    r.parked = static_cast<uint8_t>(c.parked);
    r.finished = static_cast<uint8_t>(c.finished);
    r.boardX = c.bx;
    r.boardY = c.by;
  }
  currentScreen = SCREEN_POSITIONS;
  drawNow();
  for (const Case& c : cases) {
    float ax, ay, mx, my;
    positionsRiderAnchor(c.rider, &ax, &ay);
    mapPoint(c.bx, c.by, &mx, &my);
    const int x = static_cast<int>((ax + mx) / 2), y = static_cast<int>((ay + my) / 2);
    const int full = countColourInBox(x - 3, y - 3, x + 3, y + 3, 0, 153, 0, 12);
    const int half = countColourInBox(x - 3, y - 3, x + 3, y + 3, 0, 77, 0, 12);
    EXPECT_EQ(full > 0, c.g == 153) << "rider " << c.rider;
    EXPECT_EQ(half > 0, c.g == 77) << "rider " << c.rider;
    // The figure: the token stands at the anchor unless the rider finished.
    const int token = countColourInBox(static_cast<int>(ax) - 10, static_cast<int>(ay) - 10,
                                       static_cast<int>(ax) + 10, static_cast<int>(ay) + 10, 0,
                                       c.parked ? 77 : 153, 0, 12);
    if (c.finished)
      EXPECT_EQ(token, 0) << "rider " << c.rider;
    else
      EXPECT_GT(token, 0) << "rider " << c.rider;
  }
}

TEST_F(PositionsTest, OkAndItsKeysReturnAndResumeAMoveWithOneTick) {
  recordMoveTicks();
  for (unsigned char key : {'\r', ' ', 'o', 'O', 'x'}) {
    currentScreen = SCREEN_MOVING;
    showPositions();
    typeKey(key);
    EXPECT_EQ(currentScreen, key == 'x' ? SCREEN_POSITIONS : SCREEN_MOVING) << key;
  }
  currentScreen = SCREEN_MOVING;
  showPositions();
  clickAt(positionsOkButtonX + 1, positionsOkButtonY + 1);
  EXPECT_EQ(currentScreen, SCREEN_MOVING);
  EXPECT_EQ(recordedTicks.delays.size(), 1u);
  endPendingTick();
  EXPECT_FALSE(moveTickIsPending());
}

}  // namespace
