#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>

#include "model/track.h"
#include "rules/race_state.h"
#include "rules/tour_state.h"

namespace {

class TourStateTest : public ::testing::Test {
 protected:
  void SetUp() override { resetState(); }
  void TearDown() override { resetState(); }
  static void resetState() {
    stageRecords.clear();
    memset(courseSpec, 0, sizeof courseSpec);
    for (auto& rider : riders) rider.disqualified = 0;
    for (auto& entry : raceResults) entry = -1;
  }
};

using Bytes = std::array<uint8_t, PACKED_COURSE_SIZE>;

Bytes packed(const char* spec) {
  PackedCourse course;
  memset(course.bytes, 0xAA, sizeof course.bytes);
  packCourseSpec(spec, course);
  Bytes bytes;
  memcpy(bytes.data(), course.bytes, bytes.size());
  return bytes;
}

TEST_F(TourStateTest, PackingFollowsTheNibbleOrder) {
  Bytes filled, threes;
  filled.fill(0xFF);
  filled[13] = 0x0F;  // 27 characters; the last nibble holds the terminating zero
  threes.fill(0x33);  // 28 characters without a zero fill all 28 nibbles
  // Anything but a digit, "F" and "S" is code 0, lower case included; so is
  // whatever an older course left behind the terminating zero.
  const std::pair<std::string, Bytes> cases[] = {
      {"012S37812F34", Bytes{0x10, 0xF2, 0x73, 0x18, 0xE2, 0x43}},
      {std::string(27, 'S'), filled},
      {std::string("9fsAF") + std::string(15, '\0') + "7", Bytes{0x09, 0x00, 0x0E}},
      {std::string(28, '3'), threes},
  };
  for (const auto& c : cases) {
    char spec[COURSE_SPEC_SIZE] = {0};
    memcpy(spec, c.first.data(), c.first.size());
    EXPECT_EQ(packed(spec), c.second) << c.first;
  }
  EXPECT_EQ(packed("S1"), Bytes{0x1F});  // a short string is read up to its zero only
}

TEST_F(TourStateTest, AppendingTakesCourseAndResultsAndLeavesTheDisqualifiedOut) {
  strcpy(courseSpec, "012S37812F34");
  for (int e = 0; e < RESULT_PLACES; e++) raceResults[e] = e < 9 ? (e % 4) : (e - 9);
  riders[2].disqualified = 1;
  appendStageRecord();
  ASSERT_EQ(stageRecords.size(), 1u);
  const StageRecord& record = stageRecords[0];
  EXPECT_EQ(0, memcmp(record.course.bytes, packed(courseSpec).data(), PACKED_COURSE_SIZE));
  // Rider 2 is left out wherever he stood; his finish place stays empty and nobody moves up.
  for (int e = 0; e < RESULT_PLACES; e++) EXPECT_EQ(record.results[e], raceResults[e] == 2 ? -1 : raceResults[e]) << e;
  raceResults[24] = -1;
  appendStageRecord();
  ASSERT_EQ(stageRecords.size(), 2u);
  EXPECT_EQ(stageRecords[1].results[24], -1);
  EXPECT_EQ(stageRecords[0].results[24], 15);
}

std::string savedTo;
int savedResult = 0;

// The end of a stage writes the tour only through the bound saver, to the
// tour's own file, and passes on its answer; with none bound the save fails.
TEST_F(TourStateTest, TheTourIsWrittenThroughTheBoundSaver) {
  int (*bound)(const std::string&) = tourSaveHook;
  tourFileName = "race.velq";
  for (int answer : {1, 0}) {
    savedTo.clear();
    savedResult = answer;
    tourSaveHook = [](const std::string& fileName) {
      savedTo = fileName;
      return savedResult;
    };
    EXPECT_EQ(writeTourFile(), answer);
    EXPECT_EQ(savedTo, "race.velq");
  }
  tourSaveHook = nullptr;
  EXPECT_EQ(writeTourFile(), 0);
  tourSaveHook = bound;
  tourFileName.clear();
}

}  // namespace
