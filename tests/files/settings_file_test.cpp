#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "files/settings_file.h"
#include "model/settings.h"
#include "platform/platform.h"
#include "support/scratch_folder.h"
#include "texts/language_texts.h"

namespace {

class SettingsFileTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    if (HasFatalFailure()) return;
    screenRatio[0] = screenRatio[1] = -1;
    memset(teamNames, 0, sizeof teamNames);
  }
  void TearDown() override {
    applyDefaultSettings();
    screenRatio[0] = screenRatio[1] = -1;
    ScratchFolderTest::TearDown();
  }

  static void setSample() {
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
  }
};

TEST_F(SettingsFileTest, RecordBytesAreLittleEndianAndBackToBack) {
  setSample();
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSettings(record);
  EXPECT_EQ(record[0], 2);
  EXPECT_EQ(record[1], 0);
  int delay = 772;  // 0x304
  EXPECT_EQ(record[2], delay & 0xFF);
  EXPECT_EQ(record[3], delay >> 8);
  EXPECT_EQ(record[4], 0);
  EXPECT_EQ(record[5], 0);
  // 12.5f is 0x41480000.
  EXPECT_EQ(record[6], 0x00);
  EXPECT_EQ(record[8], 0x48);
  EXPECT_EQ(record[9], 0x41);
  EXPECT_EQ(record[10], 350 & 0xFF);
  EXPECT_EQ(record[11], 350 >> 8);
  // 16.0 is 0x4030000000000000, 10.0 is 0x4024000000000000.
  EXPECT_EQ(record[21], 0x40);
  EXPECT_EQ(record[20], 0x30);
  EXPECT_EQ(record[29], 0x40);
  EXPECT_EQ(record[28], 0x24);
  EXPECT_EQ(memcmp(record + 30, "Alpha\0", 6), 0);
  EXPECT_EQ(memcmp(record + 43, "Twelve chars", 13), 0);
  EXPECT_EQ(record[56], 0);
  EXPECT_EQ(record[69], 0xC9);
}

TEST_F(SettingsFileTest, WrittenFileReadsBackTheSameSettings) {
  setSample();
  ASSERT_TRUE(writeSettingsFile());
  FILE* f = fopen("settings", "rb");
  ASSERT_NE(f, nullptr);
  fseek(f, 0, SEEK_END);
  EXPECT_EQ(ftell(f), SETTINGS_FILE_SIZE);
  fclose(f);
  applyDefaultSettings();
  memset(teamNames, 'x', sizeof teamNames);
  readSettingsFile();
  EXPECT_EQ(language, 2);
  EXPECT_EQ(smoothComputerMovement, 0);
  EXPECT_EQ(smoothMoveDelayMs, 772);
  EXPECT_FLOAT_EQ(smoothMoveDistance, 12.5f);
  EXPECT_EQ(stepMoveIntervalMs, 350);
  EXPECT_EQ(screenRatio[0], 16);
  EXPECT_EQ(screenRatio[1], 10);
  EXPECT_STREQ(teamNames[1], "Twelve chars");
  EXPECT_STREQ(teamNames[3], "\xC9quipe");
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
}

TEST_F(SettingsFileTest, ShortRecordTakesOnlyWholeFields) {
  setSample();
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSettings(record);
  struct Case {
    size_t size;
    int language, mode, delay;
    float distance;
    int interval;
  } cases[] = {
      {0, 1, 1, 0, 10, 200},   {1, 2, 1, 0, 10, 200},   {5, 2, 0, 0, 10, 200},
      {6, 2, 0, 772, 10, 200}, {9, 2, 0, 772, 10, 200}, {14, 2, 0, 772, 12.5f, 350},
  };
  for (const Case& c : cases) {
    screenRatio[0] = screenRatio[1] = -1;
    memset(teamNames, 0, sizeof teamNames);
    decodeSettings(record, c.size);
    EXPECT_EQ(language, c.language) << c.size;
    EXPECT_EQ(smoothComputerMovement, c.mode) << c.size;
    EXPECT_EQ(smoothMoveDelayMs, c.delay) << c.size;
    EXPECT_FLOAT_EQ(smoothMoveDistance, c.distance) << c.size;
    EXPECT_EQ(stepMoveIntervalMs, c.interval) << c.size;
    EXPECT_EQ(screenRatio[0], -1) << c.size;
  }
  // Half of the ratio is no ratio; the first team name alone is taken.
  screenRatio[0] = screenRatio[1] = -1;
  decodeSettings(record, 22);
  EXPECT_EQ(screenRatio[0], -1);
  decodeSettings(record, 43);
  EXPECT_EQ(screenRatio[0], 16);
  EXPECT_STREQ(teamNames[0], "Alpha");
  EXPECT_STREQ(teamNames[1], "");
}

TEST_F(SettingsFileTest, OutOfRangeValuesAreReplaced) {
  setSample();
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSettings(record);
  record[0] = 4;      // no such language
  record[1] = 7;      // no such mode
  record[2] = 0xE8;   // delay 1000
  record[3] = 0x03;
  float nan = std::numeric_limits<float>::quiet_NaN();
  memcpy(record + 6, &nan, 4);
  record[10] = 0xFF;  // interval -1
  record[11] = 0xFF;
  record[12] = 0xFF;
  record[13] = 0xFF;
  double odd = 16.0 / 9.0;
  memcpy(record + 14, &odd, 8);
  memset(record + 30, 'n', 52);  // no terminators anywhere
  decodeSettings(record, SETTINGS_FILE_SIZE);
  EXPECT_EQ(language, 1);
  EXPECT_EQ(smoothComputerMovement, 1);
  EXPECT_EQ(smoothMoveDelayMs, 0);
  EXPECT_FLOAT_EQ(smoothMoveDistance, 10);
  EXPECT_EQ(stepMoveIntervalMs, 200);
  EXPECT_EQ(screenRatio[0], -1);
  EXPECT_EQ(screenRatio[1], -1);
  for (auto& name : teamNames) EXPECT_EQ(strlen(name), 12u);

  // A distance of 0 would never move a smooth rider: it becomes 10 too.
  smoothMoveDistance = 0.5f;
  checkSettingRanges();
  EXPECT_FLOAT_EQ(smoothMoveDistance, 10);
}

TEST_F(SettingsFileTest, WholeRecordByteForByte) {
  setSample();
  uint8_t record[SETTINGS_FILE_SIZE];
  memset(record, 0xAA, sizeof record);
  encodeSettings(record);
  const uint8_t expected[SETTINGS_FILE_SIZE] = {
      0x02,                                            // French
      0x00,                                            // square by square
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

  // The defaults without a chosen ratio: (-1, -1) is 0xBFF0000000000000.
  applyDefaultSettings();
  screenRatio[0] = screenRatio[1] = -1;
  memset(teamNames, 0, sizeof teamNames);
  language = 1;
  encodeSettings(record);
  const uint8_t defaults[30] = {1, 1, 0, 0, 0, 0, 0, 0, 0x20, 0x41, 0xC8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0xBF,
                                0, 0, 0, 0, 0, 0, 0xF0, 0xBF};
  for (int i = 0; i < 30; i++) EXPECT_EQ(record[i], defaults[i]) << "byte " << i;
  for (int i = 30; i < SETTINGS_FILE_SIZE; i++) EXPECT_EQ(record[i], 0) << "byte " << i;
}

TEST_F(SettingsFileTest, ShortFilesOnDiskTakeTheFieldsTheyHoldWhole) {
  setSample();
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSettings(record);
  for (size_t size : {0, 1, 2, 5, 6, 10, 13, 14, 21, 29, 30, 42, 43, 55, 56, 68, 69, 81}) {
    FILE* file = fopen("settings", "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(fwrite(record, 1, size, file), size);
    fclose(file);
    screenRatio[0] = screenRatio[1] = -1;
    memset(teamNames, 0, sizeof teamNames);
    readSettingsFile();
    EXPECT_EQ(language, size >= 1 ? 2 : 1) << size;
    EXPECT_EQ(smoothComputerMovement, size >= 2 ? 0 : 1) << size;
    EXPECT_EQ(smoothMoveDelayMs, size >= 6 ? 772 : 0) << size;
    EXPECT_FLOAT_EQ(smoothMoveDistance, size >= 10 ? 12.5f : 10) << size;
    EXPECT_EQ(stepMoveIntervalMs, size >= 14 ? 350 : 200) << size;
    EXPECT_EQ(screenRatio[0], size >= 30 ? 16 : -1) << size;
    EXPECT_EQ(screenRatio[1], size >= 30 ? 10 : -1) << size;
    EXPECT_STREQ(teamNames[0], size >= 43 ? "Alpha" : "") << size;
    EXPECT_STREQ(teamNames[1], size >= 56 ? "Twelve chars" : "") << size;
    EXPECT_STREQ(teamNames[3], "") << size;  // not even the last name is whole
  }
  // A longer file: the record is its first 82 bytes.
  FILE* file = fopen("settings", "wb");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(fwrite(record, 1, sizeof record, file), sizeof record);
  fputs("trailing bytes", file);
  fclose(file);
  memset(teamNames, 0, sizeof teamNames);
  readSettingsFile();
  EXPECT_STREQ(teamNames[3], "\xC9quipe");
  EXPECT_EQ(language, 2);
}

TEST_F(SettingsFileTest, BadValuesOneByOne) {
  struct Case {
    const char* name;
    size_t at;
    std::vector<uint8_t> bytes;
  };
  auto floatBytes = [](float f) {
    uint8_t b[4];
    memcpy(b, &f, 4);
    return std::vector<uint8_t>(b, b + 4);
  };
  auto doubleBytes = [](double d) {
    uint8_t b[8];
    memcpy(b, &d, 8);
    return std::vector<uint8_t>(b, b + 8);
  };
  auto intBytes = [](int32_t v) {
    uint8_t b[4];
    for (int i = 0; i < 4; i++) b[i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
    return std::vector<uint8_t>(b, b + 4);
  };
  const float inf = std::numeric_limits<float>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Expect {
    int language, mode, delay;
    float distance;
    int interval;
    double ratioWidth;
  };
  const struct {
    Case c;
    Expect e;
  } cases[] = {
      {{"language 3", 0, {3}}, {3, 0, 772, 12.5f, 350, 16}},
      {{"language 255", 0, {255}}, {1, 0, 772, 12.5f, 350, 16}},
      {{"mode 1", 1, {1}}, {2, 1, 772, 12.5f, 350, 16}},
      {{"mode 2", 1, {2}}, {2, 1, 772, 12.5f, 350, 16}},
      {{"mode 255", 1, {255}}, {2, 1, 772, 12.5f, 350, 16}},
      {{"delay 999", 2, intBytes(999)}, {2, 0, 999, 12.5f, 350, 16}},
      {{"delay 1000", 2, intBytes(1000)}, {2, 0, 0, 12.5f, 350, 16}},
      {{"delay -5", 2, intBytes(-5)}, {2, 0, 0, 12.5f, 350, 16}},
      {{"distance 1", 6, floatBytes(1)}, {2, 0, 772, 1, 350, 16}},
      {{"distance 0", 6, floatBytes(0)}, {2, 0, 772, 10, 350, 16}},
      {{"distance 0.99", 6, floatBytes(0.99f)}, {2, 0, 772, 10, 350, 16}},
      {{"distance -3", 6, floatBytes(-3)}, {2, 0, 772, 10, 350, 16}},
      {{"distance 999", 6, floatBytes(999)}, {2, 0, 772, 999, 350, 16}},
      {{"distance inf", 6, floatBytes(-inf)}, {2, 0, 772, 10, 350, 16}},
      {{"distance nan", 6, floatBytes(std::numeric_limits<float>::quiet_NaN())}, {2, 0, 772, 10, 350, 16}},
      {{"interval 0", 10, intBytes(0)}, {2, 0, 772, 12.5f, 0, 16}},
      {{"interval -1", 10, intBytes(-1)}, {2, 0, 772, 12.5f, 200, 16}},
      {{"interval huge", 10, intBytes(INT32_MIN)}, {2, 0, 772, 12.5f, 200, 16}},
      {{"ratio 5", 14, doubleBytes(5)}, {2, 0, 772, 12.5f, 350, -1}},  // 5:10
      {{"ratio nan", 14, doubleBytes(nan)}, {2, 0, 772, 12.5f, 350, -1}},
      {{"ratio height nan", 22, doubleBytes(nan)}, {2, 0, 772, 12.5f, 350, -1}},
      {{"ratio -1", 14, doubleBytes(-1)}, {2, 0, 772, 12.5f, 350, -1}},  // -1:10
  };
  setSample();
  uint8_t sample[SETTINGS_FILE_SIZE];
  encodeSettings(sample);
  for (const auto& item : cases) {
    uint8_t record[SETTINGS_FILE_SIZE];
    memcpy(record, sample, sizeof record);
    memcpy(record + item.c.at, item.c.bytes.data(), item.c.bytes.size());
    decodeSettings(record, sizeof record);
    EXPECT_EQ(language, item.e.language) << item.c.name;
    EXPECT_EQ(smoothComputerMovement, item.e.mode) << item.c.name;
    EXPECT_EQ(smoothMoveDelayMs, item.e.delay) << item.c.name;
    EXPECT_FLOAT_EQ(smoothMoveDistance, item.e.distance) << item.c.name;
    EXPECT_EQ(stepMoveIntervalMs, item.e.interval) << item.c.name;
    EXPECT_EQ(screenRatio[0], item.e.ratioWidth) << item.c.name;
    if (item.e.ratioWidth == -1) {
      EXPECT_EQ(screenRatio[1], -1) << item.c.name;
    }
  }
  // Each allowed ratio and the unset one are kept.
  const double allowed[4][2] = {{5, 4}, {4, 3}, {16, 10}, {-1, -1}};
  for (const auto& pair : allowed) {
    uint8_t record[SETTINGS_FILE_SIZE];
    memcpy(record, sample, sizeof record);
    memcpy(record + 14, &pair[0], 8);
    memcpy(record + 22, &pair[1], 8);
    decodeSettings(record, sizeof record);
    EXPECT_EQ(screenRatio[0], pair[0]);
    EXPECT_EQ(screenRatio[1], pair[1]);
  }
}

TEST_F(SettingsFileTest, TeamNamesWithoutTerminatorEndAfterTwelveCharacters) {
  setSample();
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSettings(record);
  memcpy(record + 43, "ABCDEFGHIJKLM", 13);  // the second name fills its 13 bytes
  decodeSettings(record, sizeof record);
  EXPECT_STREQ(teamNames[0], "Alpha");
  EXPECT_STREQ(teamNames[1], "ABCDEFGHIJKL");
  EXPECT_STREQ(teamNames[2], "");
  // A short file cut inside the last name leaves it as it was, terminated.
  memset(teamNames[3], 'z', sizeof teamNames[3]);
  decodeSettings(record, 75);
  EXPECT_EQ(strlen(teamNames[3]), 12u);
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFile) {
  setSample();
  ASSERT_TRUE(writeSettingsFile());
  // A folder in the file's place cannot be replaced: the write says so.
  ASSERT_EQ(rename("settings", "kept"), 0);
  ASSERT_EQ(mkdir("settings", 0755), 0);
  language = 0;
  EXPECT_FALSE(writeSettingsFile());
  ASSERT_EQ(rmdir("settings"), 0);
  ASSERT_EQ(rename("kept", "settings"), 0);
  readSettingsFile();
  EXPECT_EQ(language, 2);
  // No half-written copy is left behind.
  std::string name;
  FileSearch* search = findFirstFile("settings.tmp*", name);
  EXPECT_EQ(search, nullptr) << name;
  if (search != nullptr) findCloseFile(search);
}

TEST(SettingClamps, BoundsAreInsideTheRange) {
  int v = 0;
  clampIntSetting(v, 0, 999, 5);
  EXPECT_EQ(v, 0);
  v = 999;
  clampIntSetting(v, 0, 999, 5);
  EXPECT_EQ(v, 999);
  v = 1000;
  clampIntSetting(v, 0, 999, 5);
  EXPECT_EQ(v, 5);
  v = -1;
  clampIntSetting(v, 0, 999, 5);
  EXPECT_EQ(v, 5);
  float f = 999;
  clampFloatSetting(f, 0, 999, 10);
  EXPECT_FLOAT_EQ(f, 999);
  f = 999.5f;
  clampFloatSetting(f, 0, 999, 10);
  EXPECT_FLOAT_EQ(f, 10);
  f = std::numeric_limits<float>::infinity();
  clampFloatSetting(f, 0, 999, 10);
  EXPECT_FLOAT_EQ(f, 10);
}

}  // namespace
