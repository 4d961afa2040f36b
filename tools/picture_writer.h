// Writes a picture as JPEG data through the library's compressor. The same
// pixels always give the same bytes.
#pragma once
#include <cstdint>

// rgb holds width x height pixels of 3 bytes, rows from the top. Colour
// components are not subsampled, so small figures keep their colours.
bool writeJpegPicture(const char* path, const uint8_t* rgb, int width, int height, int quality);
