// Reading a whole file back in tests: as text, or as bytes. A missing file
// reads as empty.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline std::string readWholeFile(const std::string& path) {
  std::string text;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return text;
  int c;
  while ((c = std::fgetc(file)) != EOF) text += static_cast<char>(c);
  std::fclose(file);
  return text;
}

inline std::vector<uint8_t> readFileBytes(const std::string& path) {
  std::string text = readWholeFile(path);
  return std::vector<uint8_t>(text.begin(), text.end());
}
