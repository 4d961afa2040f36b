#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "files/settings_file.h"
#include "model/settings.h"
#include "platform/platform.h"
#include "support/failing_disk.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "texts/language_texts.h"

namespace {

class SettingsFileTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    if (HasFatalFailure()) return;
    clearRatioAndNames();
  }
  void TearDown() override {
    applyDefaultSettings();
    screenRatio[0] = screenRatio[1] = -1;
    ScratchFolderTest::TearDown();
  }
  static void clearRatioAndNames() {
    screenRatio[0] = screenRatio[1] = -1;
    memset(teamNames, 0, sizeof teamNames);
  }
  // French, square by square, delay 772, distance 12.5, interval 350, 16:10,
  // a name of all twelve characters, an empty one and one with a Latin-1 letter.
  static void encodeSample(uint8_t record[SETTINGS_FILE_SIZE]) {
    language = 2;
    smoothComputerMovement = 0;
    smoothMoveDelayMs = 772;
    smoothMoveDistance = 12.5f;
    stepMoveIntervalMs = 350;
    screenRatio[0] = 16;
    screenRatio[1] = 10;
    strcpy(teamNames[0], "Alpha");
    strcpy(teamNames[1], "Twelve chars");
    strcpy(teamNames[2], "");
    strcpy(teamNames[3], "\xC9quipe");
    encodeSettings(record);
  }
  static void writeFile(const uint8_t* bytes, size_t size, const char* trailing = "") {
    FILE* file = fopen("settings", "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(fwrite(bytes, 1, size, file), size);
    fputs(trailing, file);
    fclose(file);
  }
};

TEST_F(SettingsFileTest, WholeRecordByteForByteAndBack) {
  uint8_t record[SETTINGS_FILE_SIZE];
  memset(record, 0xAA, sizeof record);
  encodeSample(record);
  const uint8_t expected[SETTINGS_FILE_SIZE] = {
      0x02, 0x00,                                      // French, square by square
      0x04, 0x03, 0x00, 0x00,                          // delay 772
      0x00, 0x00, 0x48, 0x41,                          // distance 12.5f
      0x5E, 0x01, 0x00, 0x00,                          // step interval 350
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x40,  // 16.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x24, 0x40,  // 10.0
      'A', 'l', 'p', 'h', 'a', 0, 0, 0, 0, 0, 0, 0, 0,
      'T', 'w', 'e', 'l', 'v', 'e', ' ', 'c', 'h', 'a', 'r', 's', 0,
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      0xC9, 'q', 'u', 'i', 'p', 'e', 0, 0, 0, 0, 0, 0, 0,
  };
  for (int i = 0; i < SETTINGS_FILE_SIZE; i++) EXPECT_EQ(record[i], expected[i]) << "byte " << i;

  // Written and read back, with the file exactly one record long.
  ASSERT_TRUE(writeSettingsFile());
  EXPECT_EQ(readFileBytes("settings").size(), static_cast<size_t>(SETTINGS_FILE_SIZE));
  applyDefaultSettings();
  memset(teamNames, 'x', sizeof teamNames);
  readSettingsFile();
  encodeSettings(record);
  EXPECT_EQ(memcmp(record, expected, sizeof record), 0);

  // The defaults without a chosen ratio: (-1, -1) is 0xBFF0000000000000.
  applyDefaultSettings();
  clearRatioAndNames();
  encodeSettings(record);
  const uint8_t defaults[30] = {1, 1, 0, 0, 0, 0, 0, 0, 0x20, 0x41, 0xC8, 0, 0, 0, 0,
                                0, 0, 0, 0, 0, 0xF0, 0xBF, 0, 0, 0, 0, 0, 0, 0xF0, 0xBF};
  for (int i = 0; i < SETTINGS_FILE_SIZE; i++) EXPECT_EQ(record[i], i < 30 ? defaults[i] : 0) << "byte " << i;
}

TEST_F(SettingsFileTest, MissingFileGivesTheDefaults) {
  language = 3;
  smoothMoveDistance = 55;
  screenRatio[0] = 4;
  screenRatio[1] = 3;
  readSettingsFile();
  EXPECT_EQ(language, 1);
  EXPECT_EQ(smoothComputerMovement, 1);
  EXPECT_EQ(smoothMoveDelayMs, 0);
  EXPECT_FLOAT_EQ(smoothMoveDistance, 10);
  EXPECT_EQ(stepMoveIntervalMs, 200);
  EXPECT_EQ(screenRatio[0], 4);  // kept
  // A pipe of that name gives them at once (the alarm fails a test that waits).
  ASSERT_EQ(mkfifo("settings", 0644), 0);
  language = 3;
  alarm(10);
  readSettingsFile();
  alarm(0);
  EXPECT_EQ(language, 1);
}

// A short record, decoded or read from a short file, takes only the fields it
// holds whole; half of the ratio is no ratio.
TEST_F(SettingsFileTest, ShortRecordsTakeTheFieldsTheyHoldWhole) {
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSample(record);
  for (size_t size : {0, 1, 2, 5, 6, 9, 10, 13, 14, 21, 22, 29, 30, 42, 43, 55, 56, 68, 69, 81}) {
    for (bool fromFile : {false, true}) {
      clearRatioAndNames();
      if (fromFile) {
        writeFile(record, size);
        readSettingsFile();
      } else {
        decodeSettings(record, size);
      }
      SCOPED_TRACE(std::to_string(size) + (fromFile ? " bytes on disk" : " bytes decoded"));
      EXPECT_EQ(language, size >= 1 ? 2 : 1);
      EXPECT_EQ(smoothComputerMovement, size >= 2 ? 0 : 1);
      EXPECT_EQ(smoothMoveDelayMs, size >= 6 ? 772 : 0);
      EXPECT_FLOAT_EQ(smoothMoveDistance, size >= 10 ? 12.5f : 10);
      EXPECT_EQ(stepMoveIntervalMs, size >= 14 ? 350 : 200);
      EXPECT_EQ(screenRatio[0], size >= 30 ? 16 : -1);
      EXPECT_EQ(screenRatio[1], size >= 30 ? 10 : -1);
      EXPECT_STREQ(teamNames[0], size >= 43 ? "Alpha" : "");
      EXPECT_STREQ(teamNames[1], size >= 56 ? "Twelve chars" : "");
      EXPECT_STREQ(teamNames[3], "");  // not even the last name is whole
    }
  }
  // A longer file: the record is its first 82 bytes.
  writeFile(record, sizeof record, "trailing bytes");
  memset(teamNames, 0, sizeof teamNames);
  readSettingsFile();
  EXPECT_STREQ(teamNames[3], "\xC9quipe");
  EXPECT_EQ(language, 2);
}

template <typename T>
std::vector<uint8_t> bytesOf(T value) {
  uint8_t b[sizeof value];
  memcpy(b, &value, sizeof value);
  return std::vector<uint8_t>(b, b + sizeof value);
}

TEST_F(SettingsFileTest, BadValuesAreReplacedOneByOne) {
  const float inf = std::numeric_limits<float>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    size_t at;
    std::vector<uint8_t> bytes;
    int language, mode, delay;
    float distance;
    int interval;
    double ratioWidth;
  } cases[] = {
      {"language 3", 0, {3}, 3, 0, 772, 12.5f, 350, 16}, {"language 4", 0, {4}, 1, 0, 772, 12.5f, 350, 16},
      {"language 255", 0, {255}, 1, 0, 772, 12.5f, 350, 16}, {"mode 1", 1, {1}, 2, 1, 772, 12.5f, 350, 16},
      {"mode 2", 1, {2}, 2, 1, 772, 12.5f, 350, 16}, {"mode 7", 1, {7}, 2, 1, 772, 12.5f, 350, 16},
      {"mode 255", 1, {255}, 2, 1, 772, 12.5f, 350, 16},
      {"delay 999", 2, bytesOf<int32_t>(999), 2, 0, 999, 12.5f, 350, 16},
      {"delay 1000", 2, bytesOf<int32_t>(1000), 2, 0, 0, 12.5f, 350, 16},
      {"delay -5", 2, bytesOf<int32_t>(-5), 2, 0, 0, 12.5f, 350, 16},
      {"distance 1", 6, bytesOf(1.0f), 2, 0, 772, 1, 350, 16},
      {"distance 0", 6, bytesOf(0.0f), 2, 0, 772, 10, 350, 16},
      {"distance 0.99", 6, bytesOf(0.99f), 2, 0, 772, 10, 350, 16},
      {"distance -3", 6, bytesOf(-3.0f), 2, 0, 772, 10, 350, 16},
      {"distance 999", 6, bytesOf(999.0f), 2, 0, 772, 999, 350, 16},
      {"distance inf", 6, bytesOf(-inf), 2, 0, 772, 10, 350, 16},
      {"distance nan", 6, bytesOf(std::numeric_limits<float>::quiet_NaN()), 2, 0, 772, 10, 350, 16},
      {"interval 0", 10, bytesOf<int32_t>(0), 2, 0, 772, 12.5f, 0, 16},
      {"interval -1", 10, bytesOf<int32_t>(-1), 2, 0, 772, 12.5f, 200, 16},
      {"interval huge", 10, bytesOf<int32_t>(INT32_MIN), 2, 0, 772, 12.5f, 200, 16},
      {"ratio 5:10", 14, bytesOf(5.0), 2, 0, 772, 12.5f, 350, -1},
      {"ratio 16:9", 14, bytesOf(16.0 / 9.0), 2, 0, 772, 12.5f, 350, -1},
      {"ratio nan", 14, bytesOf(nan), 2, 0, 772, 12.5f, 350, -1},
      {"ratio height nan", 22, bytesOf(nan), 2, 0, 772, 12.5f, 350, -1},
      {"ratio -1:10", 14, bytesOf(-1.0), 2, 0, 772, 12.5f, 350, -1},
  };
  uint8_t sample[SETTINGS_FILE_SIZE], record[SETTINGS_FILE_SIZE];
  encodeSample(sample);
  for (const auto& c : cases) {
    memcpy(record, sample, sizeof record);
    memcpy(record + c.at, c.bytes.data(), c.bytes.size());
    decodeSettings(record, sizeof record);
    EXPECT_EQ(language, c.language) << c.name;
    EXPECT_EQ(smoothComputerMovement, c.mode) << c.name;
    EXPECT_EQ(smoothMoveDelayMs, c.delay) << c.name;
    EXPECT_FLOAT_EQ(smoothMoveDistance, c.distance) << c.name;
    EXPECT_EQ(stepMoveIntervalMs, c.interval) << c.name;
    EXPECT_EQ(screenRatio[0], c.ratioWidth) << c.name;
    EXPECT_EQ(screenRatio[1], c.ratioWidth == -1 ? -1 : 10) << c.name;
  }
  // Each allowed ratio and the unset one are kept.
  const double allowed[4][2] = {{5, 4}, {4, 3}, {16, 10}, {-1, -1}};
  for (const auto& pair : allowed) {
    memcpy(record, sample, sizeof record);
    memcpy(record + 14, pair, 16);
    decodeSettings(record, sizeof record);
    EXPECT_EQ(screenRatio[0], pair[0]);
    EXPECT_EQ(screenRatio[1], pair[1]);
  }
  // A distance of 0 would never move a smooth rider: below 1 it becomes 10.
  smoothMoveDistance = 0.5f;
  checkSettingRanges();
  EXPECT_FLOAT_EQ(smoothMoveDistance, 10);
}

TEST_F(SettingsFileTest, TeamNamesWithoutTerminatorEndAfterTwelveCharacters) {
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSample(record);
  memcpy(record + 43, "ABCDEFGHIJKLM", 13);  // the second name fills its 13 bytes
  decodeSettings(record, sizeof record);
  EXPECT_STREQ(teamNames[0], "Alpha");
  EXPECT_STREQ(teamNames[1], "ABCDEFGHIJKL");
  EXPECT_STREQ(teamNames[2], "");
  // A short file cut inside the last name leaves it as it was, terminated.
  memset(teamNames[3], 'z', sizeof teamNames[3]);
  decodeSettings(record, 75);
  EXPECT_EQ(strlen(teamNames[3]), 12u);
  // No terminator in any of the four names.
  memset(record + 30, 'n', 52);
  decodeSettings(record, sizeof record);
  for (auto& name : teamNames) EXPECT_EQ(strlen(name), 12u);
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFile) {
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSample(record);
  ASSERT_TRUE(writeSettingsFile());
  // A folder in the file's place cannot be replaced: the write says so.
  ASSERT_EQ(rename("settings", "kept"), 0);
  ASSERT_EQ(mkdir("settings", 0755), 0);
  language = 0;
  EXPECT_FALSE(writeSettingsFile());
  ASSERT_EQ(rmdir("settings"), 0);
  ASSERT_EQ(rename("kept", "settings"), 0);
  EXPECT_FALSE(withFailingSyncs(writeSettingsFile));  // nor when the disk cannot sync
  readSettingsFile();
  EXPECT_EQ(language, 2);
  // No half-written copy is left behind.
  std::string name;
  FileSearch* search = findFirstFile("settings.tmp*", name);
  EXPECT_EQ(search, nullptr) << name;
  if (search != nullptr) findCloseFile(search);
}

TEST(SettingClamps, BoundsAreInsideTheRange) {
  const int ints[][2] = {{0, 0}, {999, 999}, {1000, 5}, {-1, 5}};
  for (const auto& c : ints) {
    int v = c[0];
    clampIntSetting(v, 0, 999, 5);
    EXPECT_EQ(v, c[1]) << c[0];
  }
  const float floats[][2] = {{999, 999}, {999.5f, 10}, {std::numeric_limits<float>::infinity(), 10}};
  for (const auto& c : floats) {
    float f = c[0];
    clampFloatSetting(f, 0, 999, 10);
    EXPECT_FLOAT_EQ(f, c[1]) << c[0];
  }
}

}  // namespace
