#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "model/view_state.h"
#include "rules/course_builder.h"
#include "rules/course_design.h"
#include "rules/race_state.h"

namespace {

int redraws = 0;

class CourseDesignTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initBoardSections();
    resetCourseDesign();
    redraws = 0;
    redrawHook = [] { redraws++; };
    for (Rider& r : riders) r.humanControlled = 1;
  }
  void TearDown() override { redrawHook = nullptr; }
};

// A course in a heap block of exactly 28 bytes: a read past it is caught
// under the sanitizers.
std::vector<char> courseBlock(const std::string& bytes) {
  std::vector<char> block(COURSE_SPEC_SIZE, '\0');
  bytes.copy(block.data(), COURSE_SPEC_SIZE);
  return block;
}

TEST_F(CourseDesignTest, LapTextsAndLapCounts) {
  const char* const cases[][4] = {
      {"012S37812F34", "0", "Start 1-A-E-B-C-F", "          S      "},
      {"012S37812F34", "1", "A-E", "  F"},
      {"012S37812F34", "2", "", ""},
      {"0123", "0", "Start 1-A-E-B-", "              "},
      {"01S23S4S5F", "0", "Start 1-A-E-B-D-F", "        S   S S F"},
      {"64S5F12", "0", "Start 2-D-F", "        S F"},
      {"01S23S4S5F", "-1", "", ""},
  };
  for (const auto& c : cases) {
    CourseLapText text = formatCourseLap(c[0], atoi(c[1]));
    EXPECT_STREQ(text.names(), c[2]) << c[0] << " lap " << c[1];
    EXPECT_STREQ(text.marks(), c[3]) << c[0] << " lap " << c[1];
  }
  // Course, laps by lap ends, laps by lap starts before the finish.
  const char* const counts[][2] = {{"", "11"}, {"012S37812F34", "22"}, {"01S23S4S5F", "21"},
                                   {"64S5F12", "11"}, {"6451234F12", "22"}, {"0123", "11"}};
  for (const auto& c : counts) {
    strcpy(courseSpec, c[0]);
    EXPECT_EQ(countCourseLaps(0), c[1][0] - '0') << c[0];
    EXPECT_EQ(countCourseLaps(1), c[1][1] - '0') << c[0];
  }
  memset(courseSpec, '5', sizeof courseSpec);  // no terminator: 28 bytes read, none beyond
  courseSpec[0] = '0';
  EXPECT_EQ(countCourseLaps(0), 28);
}

TEST_F(CourseDesignTest, HostileCoursesStayInsideTheLapBlock) {
  EXPECT_STREQ(formatCourseLap(courseBlock(std::string(26, '0') + "90").data(), 0).names(),
               "Start 1-Start 1-");
  EXPECT_STREQ(formatCourseLap(courseBlock(std::string(28, '1')).data(), 0).names(),
               "A-A-A-A-A-A-A-A-A");
  std::mt19937 rng(18);
  const char alphabet[] = "0123456789SF-x\x80";
  for (int n = 0; n < 3000; n++) {
    std::string bytes(rng() % (COURSE_SPEC_SIZE + 1), '\0');
    for (char& b : bytes) b = alphabet[rng() % (sizeof alphabet - 1)];
    std::vector<char> course = courseBlock(bytes);
    for (int lap = 0; lap < 8; lap++) {
      CourseLapText text = formatCourseLap(course.data(), lap);
      ASSERT_LE(strnlen(text.names(), COURSE_LAP_MARKS_AT), size_t(COURSE_LAP_LINE_MAX)) << bytes;
      ASSERT_EQ(strnlen(text.marks(), COURSE_LAP_MARKS_AT), strlen(text.names())) << bytes;
    }
    int sections[2];
    for (int k = offeredSections(course.data(), sections); k-- > 0;)
      ASSERT_TRUE(sections[k] >= 0 && sections[k] < SECTION_COUNT);
  }
}

// Actions: a Add, p Previous, s / f a click on the Sprint / Finish box (it
// acts only when enabled), S a stale Sprint tick, 0 / 1 pick an offered
// section, n Create new course. Then: course, offered sections, sprints,
// Sprint tick, Finish tick, complete.
TEST_F(CourseDesignTest, DesignerSequences) {
  const char* const cases[][4] = {
      {"sfpp", "", "06", "0000"},  // the boxes are disabled on an empty course
      {"1a", "6", "47", "0000"},
      {"aaaa", "0123", "47", "0000"},
      {"a1a", "0", "1", "0000"},  // an entry that is not offered adds nothing
      {"aasap", "01", "2", "0100"},
      {"aasapa", "012S", "3", "1000"},
      {"aafa", "012F", "", "0001"},
      {"aafap", "01", "2", "0010"},
      {"asasasasa", "01S2S3S4", "5", "3000"},  // no fourth sprint
      {"asasasaSa", "01S2S3S4", "5", "3000"},
      {"asasasap", "01S2S", "3", "2100"},
      {"aafna", "0", "1", "0000"},
      {"asasasapnsa", "0", "1", "0000"},
      {"aaaa1aaaaa1aaaaa1aaaaa1aa", "012378123781237812378F", "", "0001"},
      {"asaaaaasaaaaasaaaaaaaaaa", "01S23451S23451S234512345F", "", "3001"},
  };
  for (const auto& c : cases) {
    resetCourseDesign();
    for (const char* a = c[0]; *a; a++) {
      if (*a == 'a') appendSection();
      if (*a == 'p') removeLastSection();
      if (*a == 's' && sprintBoxEnabled()) sprintToggle = !sprintToggle;
      if (*a == 'S') sprintToggle = 1;
      if (*a == 'f' && finishBoxEnabled()) finishToggle = !finishToggle;
      if (*a == '0' || *a == '1') designChoiceIndex = *a - '0';
      if (*a == 'n') resetCourseDesign();
    }
    SCOPED_TRACE(c[0]);
    std::vector<char> expected = courseBlock(c[1]);  // removed bytes are zeroed
    EXPECT_EQ(std::string(courseSpec, sizeof courseSpec), std::string(expected.begin(), expected.end()));
    int sections[2];
    int count = offeredSections(courseSpec, sections);
    std::string offered;
    for (int k = 0; k < count; k++) offered += char('0' + sections[k]);
    EXPECT_EQ(offered, c[2]);
    std::string state{char('0' + sprintCount), char('0' + sprintToggle), char('0' + finishToggle),
                      char('0' + courseDesignComplete())};
    EXPECT_EQ(state, c[3]);
    bool complete = c[3][3] == '1';
    EXPECT_EQ(designMapSection(courseSpec, 0),
              complete ? courseSpec[strlen(courseSpec) - 2] - '0' : count ? sections[0] : -1);
    if (complete) {
      char out[COURSE_SPEC_SIZE];
      EXPECT_TRUE(composeCourseRunOut(courseSpec, out) && courseCanBeLaid(out));
      EXPECT_FALSE(sprintBoxEnabled() || finishBoxEnabled());
    }
  }
}

TEST_F(CourseDesignTest, RunOutAfterEverySection) {
  const char* const cases[][2] = {
      {"0F", "0F12"},       {"01F", "01F23"},         {"012F", "012F34"},
      {"0123F", "0123F45"}, {"01234F", "01234F51"},   {"012345F", "012345F12"},
      {"6F", "6F78"},       {"67F", "67F81"},         {"678F", "678F12"},
      {"64S5F", "64S5F12"}, {"01S23S7S8F", "01S23S7S8F12"},
  };
  char out[COURSE_SPEC_SIZE];
  for (const auto& c : cases) {
    ASSERT_TRUE(composeCourseRunOut(c[0], out)) << c[0];
    EXPECT_STREQ(out, c[1]);
    EXPECT_TRUE(courseCanBeLaid(out)) << out;
  }
  for (const std::string& r : std::vector<std::string>{"", "F", "01", "0SF", "09F", "01F2", "01FF", std::string(25, '1') + "F",
                        std::string(28, '1')}) {
    EXPECT_FALSE(composeCourseRunOut(courseBlock(r).data(), out)) << r;
    EXPECT_EQ(out[0], 0);
  }
}

TEST_F(CourseDesignTest, EveryWayIntoARaceSharesOneStart) {
  memset(courseSpec, 'x', sizeof courseSpec);  // a tile's course goes into a zeroed string
  previousScreen = SCREEN_TEAM_SETUP;
  ASSERT_TRUE(startRaceOnCourse(predefinedCourses[0]));
  EXPECT_EQ(std::string(courseSpec, sizeof courseSpec), "64S5F12" + std::string(21, '\0'));
  EXPECT_EQ(currentScreen, SCREEN_START_THROW);
  EXPECT_EQ(previousScreen, 0);
  EXPECT_EQ(activeRider, 0);
  EXPECT_GT(redraws, 0);
  EXPECT_NE(lineRows[FINISH_LINE], -1);

  riders[0].humanControlled = 0;  // a computer team 0 throws at once
  strcpy(courseSpec, "01S23S4S5F");
  ASSERT_TRUE(startSavedCourse());
  EXPECT_STREQ(courseSpec, "01S23S4S5F12");
  EXPECT_EQ(currentScreen, SCREEN_START_THROW_RESULT);
  EXPECT_NE(startRolls[0], -1);

  // A refused course changes nothing, and a second OK adds no second run-out.
  for (const char* course : {"02F", "0F1F"}) {
    strcpy(courseSpec, course);
    currentScreen = SCREEN_COURSE_DESIGN;
    previousScreen = activeRider = 5;
    redraws = 0;
    for (bool (*start)() : {finishCourseDesign, finishCourseDesign, startSavedCourse}) {
      EXPECT_FALSE(start());
      EXPECT_STREQ(courseSpec, course);
    }
    EXPECT_FALSE(startRaceOnCourse("01S2"));
    EXPECT_STREQ(courseSpec, course);
    EXPECT_EQ(currentScreen, SCREEN_COURSE_DESIGN);
    EXPECT_EQ(previousScreen, 5);
    EXPECT_EQ(activeRider, 5);
    EXPECT_EQ(redraws, 0);
  }
  riders[0].humanControlled = 1;  // the designer's OK
  strcpy(courseSpec, "012F");
  ASSERT_TRUE(finishCourseDesign());
  EXPECT_STREQ(courseSpec, "012F34");
  EXPECT_EQ(currentScreen, SCREEN_START_THROW);
}

}  // namespace
