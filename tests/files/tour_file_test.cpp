#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/tour_file.h"
#include "support/failing_disk.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace {

const size_t HEADER = TOUR_HEADER_SIZE, RECORD = STAGE_RECORD_SIZE;

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(bytes.empty() ? 0 : fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
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
    if (!HasFatalFailure()) resetState();
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
    for (auto& rider : riders) rider.humanControlled = rider.disqualified = 0;
    for (auto& entry : raceResults) entry = -1;
  }

  // Four teams, team 1 and team 3 played by people, event cards on; with
  // the sample records of the given shifts.
  static void setSampleTour(std::vector<int> shifts) {
    eventCardsOn = 1;
    const char* names[4] = {"Alpha", "Twelve chars", "", "Delta"};
    for (int t = 0; t < 4; t++) strcpy(teamNames[t], names[t]);
    for (int r = 0; r < RIDER_COUNT; r++) riders[r].humanControlled = (r / 4) % 2;
    stageRecords.clear();
    for (int shift : shifts) stageRecords.push_back(sampleRecord(shift));
  }
  static StageRecord sampleRecord(int shift) {
    StageRecord record;
    char spec[COURSE_SPEC_SIZE] = "0123S4F";  // a whole course buffer
    packCourseSpec(spec, record.course);
    for (int e = 0; e < RESULT_PLACES; e++) record.results[e] = (e + shift) % 17 - 1;
    return record;
  }
};

TEST_F(TourFileTest, AConstructedTourEncodesToTheExpectedBytes) {
  setSampleTour({});
  teamNames[3][8] = 'x';  // bytes behind the terminator are written as they stand
  StageRecord record;
  packCourseSpec("012S37812F34", record.course);
  record.padding[0] = 0x5A;  // never reaches the file
  record.padding[1] = 0xA5;
  for (int e = 0; e < RESULT_PLACES; e++) record.results[e] = -1;
  record.results[0] = 5;
  record.results[9] = 15;
  record.results[10] = 0x0C;
  stageRecords.push_back(record);

  std::vector<uint8_t> expected(HEADER + RECORD, 0);
  expected[0] = 1;
  memcpy(&expected[1], "Alpha", 5);
  memcpy(&expected[15], "Twelve chars", 12);
  expected[28] = 1;
  memcpy(&expected[43], "Delta\0\0\0x", 9);
  expected[56] = 1;
  const uint8_t course[6] = {0x10, 0xF2, 0x73, 0x18, 0xE2, 0x43};
  memcpy(&expected[HEADER], course, 6);
  for (int e = 0; e < RESULT_PLACES; e++) putLe32(expected, HEADER + 16 + 4 * e, -1);
  putLe32(expected, HEADER + 16, 5);
  putLe32(expected, HEADER + 16 + 36, 15);
  putLe32(expected, HEADER + 16 + 40, 12);
  EXPECT_EQ(expected[HEADER + 16], 5);  // little-endian
  EXPECT_EQ(encodeTourFile(), expected);
  installFileHooks();
  EXPECT_EQ(tourSaveHook, &saveTour) << "the end of a stage writes this file";
  ASSERT_EQ(saveTour("sample.velq"), 1);
  EXPECT_EQ(readFileBytes("sample.velq"), expected);
}

// The stage count is the number of whole records, at most MAX_TOUR_STAGES.
// A file that is no tour (missing, a folder, shorter than the header, too
// long) changes nothing on loading and leaves a blank preview. A preview
// never touches the race's own options.
TEST_F(TourFileTest, LoadAndPreviewTakeWholeRecordsAndRefuseWhatIsNoTour) {
  setSampleTour({2});
  ASSERT_EQ(saveTour("ok.velq"), 1);
  setSampleTour({});
  writeBytes("header.velq", encodeTourFile());
  for (size_t s = 0; s < MAX_TOUR_STAGES; s++) stageRecords.push_back(sampleRecord(static_cast<int>(s % 4)));
  std::vector<uint8_t> bytes = encodeTourFile();
  writeBytes("tail.velq", std::vector<uint8_t>(bytes.begin(), bytes.begin() + HEADER + 3 * RECORD + 50));
  writeBytes("short.velq", std::vector<uint8_t>(bytes.begin(), bytes.begin() + HEADER - 1));
  writeBytes("letters.velq", std::vector<uint8_t>(30, 'a'));
  writeBytes("nothing.velq", {});
  bytes.resize(bytes.size() + RECORD - 1, 0x33);  // the longest trailing piece
  writeBytes("longest.velq", bytes);
  bytes.push_back(0x33);  // one whole stage more
  writeBytes("toolong.velq", bytes);
  ASSERT_EQ(mkdir("folder.velq", 0755), 0);
  ASSERT_EQ(mkfifo("pipe.velq", 0644), 0);  // refused at once (the alarm fails a wait)
  alarm(20);

  const size_t refused = 99999;
  const std::pair<const char*, size_t> cases[] = {
      {"header.velq", 0},       {"tail.velq", 3},          {"longest.velq", MAX_TOUR_STAGES},
      {"toolong.velq", refused}, {"missing.velq", refused}, {"folder.velq", refused},
      {"short.velq", refused},   {"letters.velq", refused}, {"nothing.velq", refused},
      {"pipe.velq", refused}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    bool taken = c.second != refused;
    // The race's own options and one stored stage before each read.
    auto mine = [] {
      resetState();
      strcpy(teamNames[0], "Mine");
      strcpy(teamNames[2], "Stale");
      stageRecords.assign(1, sampleRecord(3));
    };
    mine();
    EXPECT_EQ(loadTour(c.first), taken ? 1 : 0);
    EXPECT_EQ(eventCardsOn, taken ? 1 : 0);
    const char* names[4] = {"Alpha", "Twelve chars", "", "Delta"};
    const char* mineNames[4] = {"Mine", "", "Stale", ""};
    for (int t = 0; t < 4; t++) EXPECT_STREQ(teamNames[t], taken ? names[t] : mineNames[t]);
    // Each team's controller byte reaches all four of its riders.
    for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(riders[r].humanControlled, taken ? (r / 4) % 2 : 0);
    ASSERT_EQ(stageRecords.size(), taken ? c.second : 1u);
    for (size_t s = 0; s < stageRecords.size() && s < 5; s++) {
      StageRecord want = sampleRecord(taken ? static_cast<int>(s % 4) : 3);
      EXPECT_EQ(memcmp(stageRecords[s].course.bytes, want.course.bytes, PACKED_COURSE_SIZE), 0);
      EXPECT_EQ(memcmp(stageRecords[s].results, want.results, sizeof want.results), 0) << s;
    }
    if (taken) {  // saving what was loaded gives the same bytes, the tail cut off
      ASSERT_EQ(saveTour("again.velq"), 1);
      std::vector<uint8_t> file = readFileBytes(c.first);
      file.resize(HEADER + c.second * RECORD);
      EXPECT_EQ(readFileBytes("again.velq"), file);
    }

    mine();
    if (!taken) {
      ASSERT_EQ(readTourPreview("ok.velq"), 1);  // a preview to be blanked
      EXPECT_STREQ(previewTeamNames[1], "Twelve chars");
      EXPECT_EQ(previewHumanControlled[1] + previewEventCardsOn, 2);
      EXPECT_EQ(stageRecords.size(), 1u);
    }
    EXPECT_EQ(readTourPreview(c.first), taken ? 1 : 0);
    EXPECT_EQ(stageRecords.size(), taken ? c.second : 0u);
    for (int t = 0; t < 4; t++) {
      EXPECT_STREQ(previewTeamNames[t], taken ? names[t] : "");
      EXPECT_EQ(previewHumanControlled[t], taken ? t % 2 : 0);
    }
    EXPECT_EQ(previewEventCardsOn, taken ? 1 : 0);
    EXPECT_STREQ(teamNames[0], "Mine");
    EXPECT_EQ(eventCardsOn, 0);
    for (const auto& rider : riders) EXPECT_EQ(rider.humanControlled, 0);
  }
  alarm(0);
}

TEST_F(TourFileTest, OutOfRangeValuesAreBroughtIntoRangeOnReading) {
  setSampleTour({0});
  std::vector<uint8_t> bytes = encodeTourFile();
  bytes[0] = 5;                                  // option byte
  memset(&bytes[1], 'N', 13);                    // team 0 name without its terminator
  bytes[14] = 7;                                 // team 0 controller
  bytes[42] = 0xFF;                              // team 2 controller
  putLe32(bytes, HEADER + 16 + 4 * 9, 99);       // finish place 1
  putLe32(bytes, HEADER + 16 + 4 * 0, -2);       // sprint 1, place 1
  putLe32(bytes, HEADER + 16 + 4 * 24, 16);      // finish place 16
  putLe32(bytes, HEADER + 16 + 4 * 10, 15);      // the largest index stays
  writeBytes("odd.velq", bytes);

  resetState();
  ASSERT_EQ(loadTour("odd.velq"), 1);
  EXPECT_EQ(eventCardsOn, 1);
  EXPECT_EQ(std::string(teamNames[0]), std::string(12, 'N'));
  for (int r = 0; r < RIDER_COUNT; r++) EXPECT_EQ(riders[r].humanControlled, 1) << r;
  ASSERT_EQ(stageRecords.size(), 1u);
  const std::pair<int, int> results[] = {{9, -1}, {0, -1}, {24, -1}, {10, 15}};
  for (const auto& e : results) EXPECT_EQ(stageRecords[0].results[e.first], e.second) << e.first;

  ASSERT_EQ(readTourPreview("odd.velq"), 1);
  EXPECT_EQ(previewEventCardsOn, 1);
  EXPECT_EQ(previewHumanControlled[0], 1);
  EXPECT_EQ(previewHumanControlled[2], 1);
  EXPECT_EQ(strlen(previewTeamNames[0]), 12u);
  EXPECT_EQ(stageRecords[0].results[9], -1);
}

TEST_F(TourFileTest, AFailedSaveKeepsTheOldFile) {
  setSampleTour({0});
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
  old = readFileBytes("kept.velq");
  EXPECT_EQ(old.size(), HEADER + 3 * RECORD);
  // Nor is it replaced by data the disk could not sync, or by a tour one
  // stage longer than loading takes; at the limit it saves and loads.
  stageRecords.resize(MAX_TOUR_STAGES + 1, sampleRecord(1));
  EXPECT_EQ(saveTour("kept.velq"), 0);
  stageRecords.resize(4);
  EXPECT_EQ(withFailingSyncs([] { return saveTour("kept.velq"); }), 0);
  EXPECT_EQ(readFileBytes("kept.velq"), old);
  stageRecords.resize(MAX_TOUR_STAGES);
  ASSERT_EQ(saveTour("kept.velq"), 1);
  ASSERT_EQ(loadTour("kept.velq"), 1);
  EXPECT_EQ(stageRecords.size(), MAX_TOUR_STAGES);
}

TEST_F(TourFileTest, ATargetThatMayNotBeWrittenIsLeftAlone) {
  setSampleTour({0});
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
  EXPECT_EQ(folderEntries().size(), 2u);  // locked.velq and folder.velq, no leftovers
}

}  // namespace
