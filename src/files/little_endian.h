// The game's files store their numbers little-endian, whatever the machine:
// these read and write 32- and 64-bit values byte by byte.
#pragma once
#include <cstdint>

inline void putUint32Le(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; i++) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline void putUint64Le(uint8_t* out, uint64_t value) {
  for (int i = 0; i < 8; i++) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint32_t getUint32Le(const uint8_t* in) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; i--) value = (value << 8) | in[i];
  return value;
}

inline uint64_t getUint64Le(const uint8_t* in) {
  uint64_t value = 0;
  for (int i = 7; i >= 0; i--) value = (value << 8) | in[i];
  return value;
}
