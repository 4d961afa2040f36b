#include "files/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "files/little_endian.h"
#include "model/settings.h"
#include "platform/platform.h"
#include "texts/language_texts.h"

const char* const settingsFileName = "settings";

namespace {

const size_t LANGUAGE_AT = 0, MODE_AT = 1, DELAY_AT = 2, DISTANCE_AT = 6, INTERVAL_AT = 10,
             RATIO_AT = 14, NAMES_AT = 30, NAME_BYTES = 13;

float floatFromBits(uint32_t bits) {
  float f;
  memcpy(&f, &bits, sizeof f);
  return f;
}
double doubleFromBits(uint64_t bits) {
  double d;
  memcpy(&d, &bits, sizeof d);
  return d;
}

bool isKnownRatio(double w, double h) {
  return (w == 5 && h == 4) || (w == 4 && h == 3) || (w == 16 && h == 10) || (w == -1 && h == -1);
}

}  // namespace

void clampIntSetting(int& value, int lo, int hi, int replacement) {
  if (value < lo || value > hi) value = replacement;
}

void clampFloatSetting(float& value, int lo, int hi, int replacement) {
  if (std::isnan(value) || value < lo || value > hi) value = static_cast<float>(replacement);
}

void checkSettingRanges() {
  if (language > 3) language = 1;
  if (smoothComputerMovement != 0 && smoothComputerMovement != 1) smoothComputerMovement = 1;
  clampIntSetting(smoothMoveDelayMs, 0, 999, defaultSmoothMoveDelayMs);
  clampFloatSetting(smoothMoveDistance, 1, 999, static_cast<int>(defaultSmoothMoveDistance));
  clampIntSetting(stepMoveIntervalMs, 0, 999, defaultStepMoveIntervalMs);
  if (!isKnownRatio(screenRatio[0], screenRatio[1])) screenRatio[0] = screenRatio[1] = -1;
  for (auto& name : teamNames) name[NAME_BYTES - 1] = '\0';
}

void applyDefaultSettings() {
  language = 1;
  smoothComputerMovement = defaultSmoothComputerMovement;
  smoothMoveDelayMs = defaultSmoothMoveDelayMs;
  smoothMoveDistance = defaultSmoothMoveDistance;
  stepMoveIntervalMs = defaultStepMoveIntervalMs;
  checkSettingRanges();
}

void encodeSettings(uint8_t record[SETTINGS_FILE_SIZE]) {
  memset(record, 0, SETTINGS_FILE_SIZE);
  record[LANGUAGE_AT] = static_cast<uint8_t>(language);
  record[MODE_AT] = static_cast<uint8_t>(smoothComputerMovement);
  putUint32Le(record + DELAY_AT, static_cast<uint32_t>(smoothMoveDelayMs));
  uint32_t distanceBits;
  memcpy(&distanceBits, &smoothMoveDistance, sizeof distanceBits);
  putUint32Le(record + DISTANCE_AT, distanceBits);
  putUint32Le(record + INTERVAL_AT, static_cast<uint32_t>(stepMoveIntervalMs));
  for (int i = 0; i < 2; i++) {
    uint64_t bits;
    memcpy(&bits, &screenRatio[i], sizeof bits);
    putUint64Le(record + RATIO_AT + 8 * i, bits);
  }
  for (int t = 0; t < 4; t++) memcpy(record + NAMES_AT + NAME_BYTES * t, teamNames[t], NAME_BYTES);
}

void decodeSettings(const uint8_t* record, size_t size) {
  applyDefaultSettings();
  auto present = [size](size_t at, size_t bytes) { return at + bytes <= size; };
  if (present(LANGUAGE_AT, 1)) language = record[LANGUAGE_AT];
  if (present(MODE_AT, 1)) smoothComputerMovement = record[MODE_AT];
  if (present(DELAY_AT, 4)) smoothMoveDelayMs = static_cast<int32_t>(getUint32Le(record + DELAY_AT));
  if (present(DISTANCE_AT, 4)) smoothMoveDistance = floatFromBits(getUint32Le(record + DISTANCE_AT));
  if (present(INTERVAL_AT, 4))
    stepMoveIntervalMs = static_cast<int32_t>(getUint32Le(record + INTERVAL_AT));
  if (present(RATIO_AT, 16)) {
    screenRatio[0] = doubleFromBits(getUint64Le(record + RATIO_AT));
    screenRatio[1] = doubleFromBits(getUint64Le(record + RATIO_AT + 8));
  }
  for (int t = 0; t < 4; t++)
    if (present(NAMES_AT + NAME_BYTES * t, NAME_BYTES))
      memcpy(teamNames[t], record + NAMES_AT + NAME_BYTES * t, NAME_BYTES);
  checkSettingRanges();
}

void readSettingsFile() {
  // Anything but a regular file (a pipe, a folder) is read as no file, and
  // the open never waits.
  off_t fileSize = 0;
  int fd = openRegularFile(settingsFileName, O_RDONLY, fileSize);
  if (fd < 0) {
    applyDefaultSettings();
    return;
  }
  uint8_t record[SETTINGS_FILE_SIZE];
  ssize_t size = read(fd, record, sizeof record);
  close(fd);
  decodeSettings(record, size < 0 ? 0 : static_cast<size_t>(size));
}

bool writeSettingsFile() {
  uint8_t record[SETTINGS_FILE_SIZE];
  encodeSettings(record);
  return writeFileSafely(settingsFileName, record, sizeof record);
}
