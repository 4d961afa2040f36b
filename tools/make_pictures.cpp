// Writes the game's picture files into a folder: "board.dat",
// "cyclist0.dat" to "cyclist4.dat" and "scorecard.dat".
//   make_pictures [folder] [--debug]
// With --debug it also writes "board_debug.ppm", a double-size board with
// every square centre marked by its section row and lane, and each picture
// as the game decodes it ("<name>.ppm", turned back the right way round).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "board_picture.h"
#include "model/board_sections.h"
#include "picture_writer.h"
#include "render/jpeg_loader.h"
#include "rider_pictures.h"
#include "scorecard_picture.h"

namespace {

bool writePpm(const std::string& path, const Canvas& canvas) {
  FILE* file = fopen(path.c_str(), "wb");
  if (!file) return false;
  fprintf(file, "P6\n%d %d\n255\n", canvas.width, canvas.height);
  fwrite(canvas.pixels.data(), 1, canvas.pixels.size(), file);
  return fclose(file) == 0;
}

// Decodes a written picture the way the game does and saves it unmirrored.
bool writeDecodedPpm(const std::string& folder, const char* name, int size, int height) {
  std::vector<uint8_t> buffer(static_cast<size_t>(size) * height * 3);
  std::string path = folder + "/" + name + ".dat";
  if (!loadJpegTexture(path.c_str(), buffer.data(), 0, size, height)) return false;
  Canvas canvas = makeCanvas(size, height, size, height, Colour{});
  for (int y = 0; y < height; y++)
    for (int x = 0; x < size; x++) {
      const uint8_t* p = &buffer[(static_cast<size_t>(y) * size + (size - 1 - x)) * 3];
      setPixel(canvas, x, y, Colour{p[0], p[1], p[2]});
    }
  return writePpm(folder + "/" + name + ".ppm", canvas);
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = ".";
  bool debug = false;
  for (int i = 1; i < argc; i++) {
    if (strcmp(argv[i], "--debug") == 0)
      debug = true;
    else
      folder = argv[i];
  }
  initBoardSections();
  bool written = true;

  Canvas board = paintBoardPicture(1, false);
  written &= writeJpegPicture((folder + "/board.dat").c_str(), board.pixels.data(), board.width, board.height, 90);
  for (int figure = 0; figure < RIDER_FIGURE_COUNT; figure++) {
    Canvas rider = paintRiderPicture(figure);
    std::string path = folder + "/cyclist" + std::to_string(figure) + ".dat";
    written &= writeJpegPicture(path.c_str(), rider.pixels.data(), rider.width, rider.height, 95);
  }
  Canvas scorecard = halveCanvas(paintScorecardPicture(2 * SCORECARD_PICTURE_SIZE));
  written &= writeJpegPicture((folder + "/scorecard.dat").c_str(), scorecard.pixels.data(), scorecard.width,
                              scorecard.height, 90);
  if (debug) {
    written &= writePpm(folder + "/board_debug.ppm", paintBoardPicture(2, true));
    written &= writeDecodedPpm(folder, "board", BOARD_PICTURE_WIDTH, BOARD_PICTURE_HEIGHT);
    written &= writeDecodedPpm(folder, "scorecard", SCORECARD_PICTURE_SIZE, SCORECARD_PICTURE_SIZE);
    for (int figure = 0; figure < RIDER_FIGURE_COUNT; figure++)
      written &= writeDecodedPpm(folder, ("cyclist" + std::to_string(figure)).c_str(), RIDER_PICTURE_SIZE,
                                 RIDER_PICTURE_SIZE);
  }
  return written ? 0 : 1;
}
