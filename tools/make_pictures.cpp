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

// One of the game's pictures: "<name>.dat", and its JPEG quality.
struct Picture {
  std::string name;
  Canvas canvas;
  int quality;
};

std::string picturePath(const std::string& folder, const Picture& picture) {
  return folder + "/" + picture.name + ".dat";
}

// Decodes a written picture the way the game does and saves it unmirrored.
bool writeDecodedPpm(const std::string& folder, const Picture& picture) {
  const int size = picture.canvas.width, height = picture.canvas.height;
  std::vector<uint8_t> buffer(static_cast<size_t>(size) * height * 3);
  if (!loadJpegTexture(picturePath(folder, picture).c_str(), buffer.data(), 0, size, height)) return false;
  Canvas canvas = makeCanvas(size, height, size, height, Colour{});
  for (int y = 0; y < height; y++)
    for (int x = 0; x < size; x++) {
      const uint8_t* p = &buffer[(static_cast<size_t>(y) * size + (size - 1 - x)) * 3];
      setPixel(canvas, x, y, Colour{p[0], p[1], p[2]});
    }
  return writePpm(folder + "/" + picture.name + ".ppm", canvas);
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

  std::vector<Picture> pictures;
  pictures.push_back(Picture{"board", paintBoardPicture(1, false), 90});
  for (int figure = 0; figure < RIDER_FIGURE_COUNT; figure++)
    pictures.push_back(Picture{"cyclist" + std::to_string(figure), paintRiderPicture(figure), 95});
  pictures.push_back(Picture{"scorecard", halveCanvas(paintScorecardPicture(2 * SCORECARD_PICTURE_SIZE)), 90});

  bool written = true;
  for (const Picture& picture : pictures) {
    const Canvas& canvas = picture.canvas;
    written &= writeJpegPicture(picturePath(folder, picture).c_str(), canvas.pixels.data(), canvas.width,
                                canvas.height, picture.quality);
  }
  if (debug) {
    written &= writePpm(folder + "/board_debug.ppm", paintBoardPicture(2, true));
    for (const Picture& picture : pictures) written &= writeDecodedPpm(folder, picture);
  }
  return written ? 0 : 1;
}
