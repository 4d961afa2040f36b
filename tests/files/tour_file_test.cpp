#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/tour_file.h"
#include "model/track.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace {

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  if (!bytes.empty()) {
    ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
  }
  ASSERT_EQ(fclose(file), 0);
}

std::vector<std::string> folderEntries() {
  std::vector<std::string> names;
  DIR* dir = opendir(".");
  while (dirent* entry = readdir(dir))
    if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0) names.push_back(entry->d_name);
  closedir(dir);
  return names;
}

void putLe32(std::vector<uint8_t>& out, size_t at, int32_t value) {
  for (int i = 0; i < 4; i++) out[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

class TourFileTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    if (HasFatalFailure()) return;
    resetState();
  }
  void TearDown() override {
    resetState();
    ScratchFolderTest::TearDown();
  }

  static void resetState() {
    stageRecords.clear();
    memset(teamNames, 0, sizeof teamNames);
    memset(previewTeamNames, 0, sizeof previewTeamNames);
    memset(previewHumanControlled, 0, sizeof previewHumanControlled);
    previewEventCardsOn = 0;
    eventCardsOn = 0;
    memset(courseSpec, 0, sizeof courseSpec);
    for (auto& rider : riders) {
      rider.humanControlled = 0;
      rider.disqualified = 0;
    }
    for (auto& entry : raceResults) entry = -1;
  }

  // Four teams, team 1 and team 3 played by people, event cards on.
  static void setSampleOptions() {
    eventCardsOn = 1;
    strcpy(teamNames[0], "Alpha");
    strcpy(teamNames[1], "Twelve chars");
    strcpy(teamNames[2], "");
    strcpy(teamNames[3], "Delta");
    for (int r = 0; r < RIDER_COUNT; r++) riders[r].humanControlled = (r / 4) % 2;
  }

  static StageRecord sampleRecord(int shift) {
    StageRecord record;
    char spec[COURSE_SPEC_SIZE] = "0123S4F";  // a whole course buffer
    packCourseSpec(spec, record.course);
    for (int e = 0; e < RESULT_PLACES; e++) record.results[e] = (e + shift) % 17 - 1;
    return record;
  }
};

TEST_F(TourFileTest, PackingFollowsTheNibbleOrder) {
  char spec[COURSE_SPEC_SIZE] = {0};
  strcpy(spec, "012S37812F34");
  PackedCourse packed;
  memset(packed.bytes, 0xAA, sizeof packed.bytes);
  packCourseSpec(spec, packed);
  const uint8_t expected[14] = {0x10, 0xF2, 0x73, 0x18, 0xE2, 0x43, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(memcmp(packed.bytes, expected, 14), 0);

  // 27 characters fill 27 nibbles; the last holds the terminating zero.
  memset(spec, 0, sizeof spec);
  memset(spec, 'S', 27);
  packCourseSpec(spec, packed);
  for (int i = 0; i < 13; i++) EXPECT_EQ(packed.bytes[i], 0xFF) << i;
  EXPECT_EQ(packed.bytes[13], 0x0F);

  // Anything but a digit, "F" and "S" is code 0, lower case included; so
  // is whatever an older course left behind the terminating zero.
  memset(spec, 0, sizeof spec);
  strcpy(spec, "9fsAF");
  spec[20] = '7';
  packCourseSpec(spec, packed);
  EXPECT_EQ(packed.bytes[0], 0x09);
  EXPECT_EQ(packed.bytes[1], 0x00);
  EXPECT_EQ(packed.bytes[2], 0x0E);
  for (int i = 3; i < 14; i++) EXPECT_EQ(packed.bytes[i], 0) << i;

  // A short string is read up to its zero only.
  packCourseSpec("S1", packed);
  EXPECT_EQ(packed.bytes[0], 0x1F);
  for (int i = 1; i < 14; i++) EXPECT_EQ(packed.bytes[i], 0) << i;
  // 28 characters without a zero fill all 28 nibbles.
  memset(spec, '3', sizeof spec);
  packCourseSpec(spec, packed);
  for (int i = 0; i < 14; i++) EXPECT_EQ(packed.bytes[i], 0x33) << i;
}

TEST_F(TourFileTest, AConstructedTourEncodesToTheExpectedBytes) {
  setSampleOptions();
  teamNames[3][8] = 'x';  // bytes behind the terminator are written as they stand
  StageRecord record;
  char spec[COURSE_SPEC_SIZE] = {0};
  strcpy(spec, "012S37812F34");
  packCourseSpec(spec, record.course);
  record.padding[0] = 0x5A;  // never reaches the file
  record.padding[1] = 0xA5;
  for (int e = 0; e < RESULT_PLACES; e++) record.results[e] = -1;
  record.results[0] = 5;
  record.results[9] = 15;
  record.results[10] = 0x0C;
  stageRecords.push_back(record);

  std::vector<uint8_t> bytes = encodeTourFile();
  ASSERT_EQ(bytes.size(), 57u + 116u);
  std::vector<uint8_t> expected(57 + 116, 0);
  expected[0] = 1;
  memcpy(&expected[1], "Alpha", 5);
  expected[14] = 0;
  memcpy(&expected[15], "Twelve chars", 12);
  expected[28] = 1;
  expected[42] = 0;
  memcpy(&expected[43], "Delta", 5);
  expected[43 + 8] = 'x';
  expected[56] = 1;
  const uint8_t course[6] = {0x10, 0xF2, 0x73, 0x18, 0xE2, 0x43};
  memcpy(&expected[57], course, 6);
  for (int e = 0; e < RESULT_PLACES; e++) putLe32(expected, 57 + 16 + 4 * e, -1);
  putLe32(expected, 57 + 16, 5);
  putLe32(expected, 57 + 16 + 36, 15);
  putLe32(expected, 57 + 16 + 40, 12);
  EXPECT_EQ(bytes, expected);
  // Spot checks of the little-endian order.
  EXPECT_EQ(bytes[57 + 16], 5);
  EXPECT_EQ(bytes[57 + 16 + 4], 0xFF);
  EXPECT_EQ(bytes[57 + 14], 0);
  EXPECT_EQ(bytes[57 + 15], 0);

  ASSERT_EQ(saveTour("sample.velq"), 1);
  EXPECT_EQ(readFileBytes("sample.velq"), expected);
}

TEST_F(TourFileTest, AppendingTakesCourseAndResultsAndLeavesTheDisqualifiedOut) {
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

TEST_F(TourFileTest, SavedTourLoadsBackTheSameOptionsAndStages) {
  setSampleOptions();
  stageRecords.push_back(sampleRecord(0));
  stageRecords.push_back(sampleRecord(7));
  stageRecords.push_back(sampleRecord(11));
  ASSERT_EQ(saveTour("giro.velq"), 1);
  std::vector<uint8_t> saved = readFileBytes("giro.velq");
  EXPECT_EQ(saved.size(), 57u + 3 * 116u);

  resetState();
  strcpy(teamNames[2], "Stale");
  ASSERT_EQ(loadTour("giro.velq"), 1);
  EXPECT_EQ(eventCardsOn, 1);
  EXPECT_STREQ(teamNames[0], "Alpha");
  EXPECT_STREQ(teamNames[1], "Twelve chars");
  EXPECT_STREQ(teamNames[2], "");
  EXPECT_STREQ(teamNames[3], "Delta");
  // Each team's controller byte reaches all four of its riders.
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(riders[r].humanControlled, (r / 4) % 2) << r;
  ASSERT_EQ(stageRecords.size(), 3u);
  for (int s = 0; s < 3; s++) {
    StageRecord expected = sampleRecord(s == 0 ? 0 : s == 1 ? 7 : 11);
    EXPECT_EQ(memcmp(stageRecords[s].course.bytes, expected.course.bytes, 14), 0);
    for (int e = 0; e < RESULT_PLACES; e++) EXPECT_EQ(stageRecords[s].results[e], expected.results[e]);
  }
  // Saving what was loaded gives the same bytes.
  ASSERT_EQ(saveTour("again.velq"), 1);
  EXPECT_EQ(readFileBytes("again.velq"), saved);
}

TEST_F(TourFileTest, StageCountIsTheNumberOfWholeRecords) {
  setSampleOptions();
  std::vector<uint8_t> header = encodeTourFile();
  ASSERT_EQ(header.size(), 57u);
  writeBytes("empty.velq", header);
  stageRecords.push_back(sampleRecord(1));
  ASSERT_EQ(loadTour("empty.velq"), 1);
  EXPECT_TRUE(stageRecords.empty());

  for (int s = 0; s < 3; s++) stageRecords.push_back(sampleRecord(s));
  std::vector<uint8_t> bytes = encodeTourFile();
  bytes.resize(bytes.size() + 50, 0x33);  // a trailing piece shorter than a record
  writeBytes("tail.velq", bytes);
  stageRecords.clear();
  ASSERT_EQ(loadTour("tail.velq"), 1);
  EXPECT_EQ(stageRecords.size(), 3u);
  stageRecords.clear();
  ASSERT_EQ(readTourPreview("tail.velq"), 1);
  EXPECT_EQ(stageRecords.size(), 3u);
}

TEST_F(TourFileTest, ATourOfMoreThanTenThousandStagesIsRefusedLikeAShortFile) {
  setSampleOptions();
  for (size_t s = 0; s < MAX_TOUR_STAGES; s++) stageRecords.push_back(sampleRecord(static_cast<int>(s % 4)));
  std::vector<uint8_t> bytes = encodeTourFile();
  bytes.resize(bytes.size() + STAGE_RECORD_SIZE - 1, 0x33);  // the longest trailing piece
  writeBytes("longest.velq", bytes);
  bytes.push_back(0x33);  // one whole stage more
  writeBytes("toolong.velq", bytes);

  stageRecords.clear();
  ASSERT_EQ(loadTour("longest.velq"), 1);
  EXPECT_EQ(stageRecords.size(), MAX_TOUR_STAGES);
  eventCardsOn = 0;
  EXPECT_EQ(loadTour("toolong.velq"), 0);
  EXPECT_EQ(eventCardsOn, 0);
  EXPECT_EQ(stageRecords.size(), MAX_TOUR_STAGES);
  EXPECT_EQ(readTourPreview("toolong.velq"), 0);
  EXPECT_TRUE(stageRecords.empty());
  EXPECT_STREQ(previewTeamNames[0], "");
}

TEST_F(TourFileTest, FilesThatAreNoTourChangeNothingOnLoad) {
  setSampleOptions();
  stageRecords.push_back(sampleRecord(3));
  std::vector<uint8_t> good = encodeTourFile();
  ASSERT_EQ(mkdir("folder.velq", 0755), 0);
  writeBytes("short.velq", std::vector<uint8_t>(good.begin(), good.begin() + 56));
  writeBytes("nothing.velq", {});

  for (const char* name : {"missing.velq", "folder.velq", "short.velq", "nothing.velq"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(loadTour(name), 0);
    EXPECT_EQ(eventCardsOn, 1);
    EXPECT_STREQ(teamNames[0], "Alpha");
    EXPECT_STREQ(teamNames[3], "Delta");
    for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(riders[r].humanControlled, (r / 4) % 2);
    ASSERT_EQ(stageRecords.size(), 1u);
    EXPECT_EQ(stageRecords[0].results[4], sampleRecord(3).results[4]);
  }
}

TEST_F(TourFileTest, AFailedPreviewIsBlank) {
  setSampleOptions();
  stageRecords.push_back(sampleRecord(2));
  ASSERT_EQ(saveTour("ok.velq"), 1);
  ASSERT_EQ(readTourPreview("ok.velq"), 1);
  EXPECT_STREQ(previewTeamNames[1], "Twelve chars");
  EXPECT_EQ(previewHumanControlled[1], 1);
  EXPECT_EQ(previewEventCardsOn, 1);
  ASSERT_EQ(mkdir("folder.velq", 0755), 0);
  writeBytes("short.velq", std::vector<uint8_t>(30, 'a'));

  for (const char* name : {"missing.velq", "folder.velq", "short.velq"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(readTourPreview("ok.velq"), 1);
    EXPECT_EQ(stageRecords.size(), 1u);
    EXPECT_EQ(readTourPreview(name), 0);
    EXPECT_TRUE(stageRecords.empty());
    for (int t = 0; t < 4; t++) {
      EXPECT_STREQ(previewTeamNames[t], "");
      EXPECT_EQ(previewHumanControlled[t], 0);
    }
    EXPECT_EQ(previewEventCardsOn, 0);
  }
  // The race's own options were never touched.
  EXPECT_STREQ(teamNames[1], "Twelve chars");
  EXPECT_EQ(eventCardsOn, 1);
}

TEST_F(TourFileTest, PreviewFillsOnlyThePreviewValues) {
  setSampleOptions();
  stageRecords.push_back(sampleRecord(4));
  ASSERT_EQ(saveTour("other.velq"), 1);
  resetState();
  strcpy(teamNames[0], "Mine");
  ASSERT_EQ(readTourPreview("other.velq"), 1);
  EXPECT_STREQ(previewTeamNames[0], "Alpha");
  EXPECT_STREQ(previewTeamNames[3], "Delta");
  for (int t = 0; t < 4; t++) EXPECT_EQ(previewHumanControlled[t], t % 2);
  EXPECT_EQ(previewEventCardsOn, 1);
  ASSERT_EQ(stageRecords.size(), 1u);
  EXPECT_STREQ(teamNames[0], "Mine");
  EXPECT_EQ(eventCardsOn, 0);
  for (const auto& rider : riders) EXPECT_EQ(rider.humanControlled, 0);
}

TEST_F(TourFileTest, OutOfRangeValuesAreBroughtIntoRangeOnReading) {
  setSampleOptions();
  stageRecords.push_back(sampleRecord(0));
  std::vector<uint8_t> bytes = encodeTourFile();
  bytes[0] = 5;                          // option byte
  memset(&bytes[1], 'N', 13);            // team 0 name without its terminator
  bytes[14] = 7;                         // team 0 controller
  bytes[42] = 0xFF;                      // team 2 controller
  putLe32(bytes, 57 + 16 + 4 * 9, 99);   // finish place 1
  putLe32(bytes, 57 + 16 + 4 * 0, -2);   // sprint 1, place 1
  putLe32(bytes, 57 + 16 + 4 * 24, 16);  // finish place 16
  putLe32(bytes, 57 + 16 + 4 * 10, 15);  // the largest index stays
  writeBytes("odd.velq", bytes);

  resetState();
  ASSERT_EQ(loadTour("odd.velq"), 1);
  EXPECT_EQ(eventCardsOn, 1);
  EXPECT_EQ(std::string(teamNames[0]), std::string(12, 'N'));
  for (int r = 0; r < 4; r++) EXPECT_EQ(riders[r].humanControlled, 1);
  for (int r = 8; r < 12; r++) EXPECT_EQ(riders[r].humanControlled, 1);
  ASSERT_EQ(stageRecords.size(), 1u);
  EXPECT_EQ(stageRecords[0].results[9], -1);
  EXPECT_EQ(stageRecords[0].results[0], -1);
  EXPECT_EQ(stageRecords[0].results[24], -1);
  EXPECT_EQ(stageRecords[0].results[10], 15);

  ASSERT_EQ(readTourPreview("odd.velq"), 1);
  EXPECT_EQ(previewEventCardsOn, 1);
  EXPECT_EQ(previewHumanControlled[0], 1);
  EXPECT_EQ(previewHumanControlled[2], 1);
  EXPECT_EQ(strlen(previewTeamNames[0]), 12u);
  EXPECT_EQ(stageRecords[0].results[9], -1);
}

TEST_F(TourFileTest, AFailedSaveKeepsTheOldFile) {
  setSampleOptions();
  stageRecords.push_back(sampleRecord(0));
  ASSERT_EQ(saveTour("kept.velq"), 1);
  std::vector<uint8_t> old = readFileBytes("kept.velq");
  stageRecords.push_back(sampleRecord(5));
  stageRecords.push_back(sampleRecord(9));

  // The writes fail half way: no file may grow past 100 bytes.
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  int result = saveTour("kept.velq");
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
  signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(readFileBytes("kept.velq"), old);
  // No half-written temporary file is left behind.
  EXPECT_EQ(folderEntries(), std::vector<std::string>{"kept.velq"});

  // The stages stay in memory, so a retry writes the full file.
  ASSERT_EQ(stageRecords.size(), 3u);
  ASSERT_EQ(saveTour("kept.velq"), 1);
  EXPECT_EQ(readFileBytes("kept.velq").size(), 57u + 3 * 116u);
}

TEST_F(TourFileTest, ATargetThatMayNotBeWrittenIsLeftAlone) {
  setSampleOptions();
  stageRecords.push_back(sampleRecord(0));
  ASSERT_EQ(saveTour("locked.velq"), 1);
  std::vector<uint8_t> old = readFileBytes("locked.velq");
  ASSERT_EQ(chmod("locked.velq", 0444), 0);
  stageRecords.push_back(sampleRecord(1));
  EXPECT_EQ(saveTour("locked.velq"), 0);
  EXPECT_EQ(readFileBytes("locked.velq"), old);

  ASSERT_EQ(mkdir("folder.velq", 0755), 0);
  EXPECT_EQ(saveTour("folder.velq"), 0);
  struct stat info;
  ASSERT_EQ(stat("folder.velq", &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));

  EXPECT_EQ(saveTour("no-such-folder/x.velq"), 0);
  EXPECT_EQ(saveTour(""), 0);
  std::vector<std::string> entries = folderEntries();
  EXPECT_EQ(entries.size(), 2u);  // locked.velq and folder.velq, no leftovers
}

}  // namespace
