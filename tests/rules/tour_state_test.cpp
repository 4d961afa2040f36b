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

TEST_F(TourStateTest, PackingFollowsTheNibbleOrder) {
  using Bytes = std::array<uint8_t, PACKED_COURSE_SIZE>;
  Bytes filled;
  filled.fill(0xFF);
  filled[13] = 0x0F;  // 27 characters; the last nibble holds the terminating zero
  Bytes threes;
  threes.fill(0x33);  // 28 characters without a zero fill all 28 nibbles
  // Anything but a digit, "F" and "S" is code 0, lower case included; so is
  // whatever an older course left behind the terminating zero.
  std::string leftover = std::string("9fsAF") + std::string(15, '\0') + "7";
  const std::pair<std::string, Bytes> cases[] = {
      {"012S37812F34", Bytes{0x10, 0xF2, 0x73, 0x18, 0xE2, 0x43}},
      {std::string(27, 'S'), filled},
      {leftover, Bytes{0x09, 0x00, 0x0E}},
      {std::string(28, '3'), threes},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    char spec[COURSE_SPEC_SIZE] = {0};
    memcpy(spec, c.first.data(), c.first.size());
    PackedCourse packed;
    memset(packed.bytes, 0xAA, sizeof packed.bytes);
    packCourseSpec(spec, packed);
    Bytes got;
    memcpy(got.data(), packed.bytes, got.size());
    EXPECT_EQ(got, c.second);
  }
  // A short string is read up to its zero only.
  PackedCourse packed;
  packCourseSpec("S1", packed);
  EXPECT_EQ(packed.bytes[0], 0x1F);
  for (size_t i = 1; i < PACKED_COURSE_SIZE; i++) EXPECT_EQ(packed.bytes[i], 0) << i;
}

TEST_F(TourStateTest, AppendingTakesCourseAndResultsAndLeavesTheDisqualifiedOut) {
  strcpy(courseSpec, "012S37812F34");
  for (int e = 0; e < RESULT_PLACES; e++) raceResults[e] = e < 9 ? (e % 4) : (e - 9);
  riders[2].disqualified = 1;
  appendStageRecord();
  ASSERT_EQ(stageRecords.size(), 1u);
  const StageRecord& record = stageRecords[0];
  EXPECT_EQ(record.course.bytes[0], 0x10);
  EXPECT_EQ(record.course.bytes[5], 0x43);
  for (int e = 0; e < 9; e++) EXPECT_EQ(record.results[e], e % 4 == 2 ? -1 : e % 4) << e;
  // Finish places: rider 2 held place 3, which stays empty; nobody moves up.
  for (int q = 0; q < 16; q++) EXPECT_EQ(record.results[9 + q], q == 2 ? -1 : q) << q;

  raceResults[24] = -1;
  appendStageRecord();
  ASSERT_EQ(stageRecords.size(), 2u);
  EXPECT_EQ(stageRecords[1].results[24], -1);
  EXPECT_EQ(stageRecords[0].results[24], 15);
}

std::string savedTo;
int savedResult = 0;
int recordSave(const std::string& fileName) {
  savedTo = fileName;
  return savedResult;
}

// The end of a stage writes the tour only through the bound saver, to the
// tour's own file, and passes on its answer; with none bound the save fails.
TEST_F(TourStateTest, TheTourIsWrittenThroughTheBoundSaver) {
  int (*bound)(const std::string&) = tourSaveHook;
  tourFileName = "race.velq";
  for (int answer : {1, 0}) {
    savedTo.clear();
    savedResult = answer;
    tourSaveHook = recordSave;
    EXPECT_EQ(writeTourFile(), answer);
    EXPECT_EQ(savedTo, "race.velq");
  }
  tourSaveHook = nullptr;
  EXPECT_EQ(writeTourFile(), 0);
  tourSaveHook = bound;
  tourFileName.clear();
}

}  // namespace
