#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "files/settings_file.h"
#include "model/settings.h"
#include "texts/language_texts.h"

namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/corvalis-settings-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    folder = dir;
    ASSERT_EQ(getcwd(previous, sizeof previous), previous);
    ASSERT_EQ(chdir(dir), 0);
    screenRatio[0] = screenRatio[1] = -1;
    memset(teamNames, 0, sizeof teamNames);
  }
  void TearDown() override {
    ASSERT_EQ(chdir(previous), 0);
    applyDefaultSettings();
    screenRatio[0] = screenRatio[1] = -1;
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

  std::string folder;
  char previous[4096];
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
