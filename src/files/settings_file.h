// The "settings" file: the player's language, computer-movement settings,
// screen ratio and team names, one 82-byte record, little-endian.
#pragma once
#include <cstddef>
#include <cstdint>

const int SETTINGS_FILE_SIZE = 82;
extern const char* const settingsFileName;  // "settings"

// A value below lo or above hi becomes the replacement.
void clampIntSetting(int& value, int lo, int hi, int replacement);
// The same for a float; not a number also becomes the replacement.
void clampFloatSetting(float& value, int lo, int hi, int replacement);

// The current settings as the file's 82 bytes.
void encodeSettings(uint8_t record[SETTINGS_FILE_SIZE]);
// Takes the fields wholly present in the first size bytes; the movement
// settings and the language missing from a short record get their defaults,
// the screen ratio and team names keep their values. Then brings every value
// into range.
void decodeSettings(const uint8_t* record, size_t size);
// Default movement settings and language, then the range checks: what the
// game starts with when there is no settings file.
void applyDefaultSettings();
// Brings the values into range: mode 0..1 (else 1), delay 0..999 (else 0),
// distance 1..999 (else 10: a distance of 0 would never end a smooth move),
// step interval 0..999 (else 200), a screen ratio other than 5:4, 4:3, 16:10
// unset, every team name terminated.
void checkSettingRanges();

// Reads "settings" from the working directory; no file, or anything but a
// regular file, gives the defaults at once.
void readSettingsFile();
// Writes "settings" safely (a failed write keeps the old file).
bool writeSettingsFile();
