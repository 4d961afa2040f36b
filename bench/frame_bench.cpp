// Frame benchmark: how long drawFrame plus glFinish takes for a mid-race 2D
// board, a 3D camera and the main menu, in a 1280 x 1024 window (run it
// under Xvfb, where Mesa draws in software). Prints the median and the 95th
// percentile of each, with the game's own screens and race panel installed.
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "model/screens.h"
#include "model/settings.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "model/view_state.h"
#include "render/drawing_window.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/textures.h"
#include "render/views.h"
#include "render/widgets.h"
#include "rules/course_builder.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "ui/screen_units.h"

namespace {

const int WARM_UP_FRAMES = 10;
const int MEASURED_FRAMES = 300;

void layMidRace() {
  std::strcpy(courseSpec, "01S23S4S5F12");
  if (!buildCourse()) {
    std::fprintf(stderr, "the course cannot be laid\n");
    std::exit(1);
  }
  // Sixteen riders spread over the first rows that the board places.
  int rider = 0;
  for (int row = 2; row < TRACK_ROWS && rider < RIDER_COUNT; row += 2) {
    for (int lane = 0; lane < TRACK_LANES && rider < RIDER_COUNT; ++lane) {
      if (trackSquareValue[row][lane] == SQUARE_NONE) continue;
      BoardPoint probe = squareToBoard(row, lane, rider);
      if (probe.x == 0 && probe.y == 0) continue;  // no picture piece there yet
      riders[rider].row = row;
      riders[rider].lane = lane;
      riders[rider].humanControlled = 1;
      trackOccupant[row][lane] = rider;
      ++rider;
      break;
    }
  }
  std::printf("riders on the board: %d\n", rider);
  activeRider = 5;
  roundNumber = 4;
  movementValues[0] = 5;
  movementValues[1] = 3;
  lastLineWinner = 2;
}

double percentile(std::vector<double> samples, double p) {
  std::sort(samples.begin(), samples.end());
  size_t index = static_cast<size_t>(p * static_cast<double>(samples.size() - 1) + 0.5);
  return samples[index];
}

void measure(const char* name) {
  for (int i = 0; i < WARM_UP_FRAMES; ++i) {
    drawFrame();
    glFinish();
  }
  std::vector<double> ms;
  for (int i = 0; i < MEASURED_FRAMES; ++i) {
    auto start = std::chrono::steady_clock::now();
    drawFrame();
    glFinish();
    auto end = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::printf("%-28s median %6.2f ms   95th percentile %6.2f ms\n", name, percentile(ms, 0.5),
              percentile(ms, 0.95));
}

}  // namespace

int main(int argc, char** argv) {
  openDrawingWindow(&argc, argv, 1280, 1024);
  if (!loadGameTextures()) {
    std::fprintf(stderr, "run the benchmark in the build folder, where the pictures are\n");
    return 1;
  }
  layMidRace();
  screenRatio[0] = 5;
  screenRatio[1] = 4;
  installScreens();
  onReshape(1280, 1024);
  std::printf("renderer: %s, %d frames each\n", glGetString(GL_RENDERER), MEASURED_FRAMES);

  currentScreen = SCREEN_PLAY_CARDS;
  boardView2D = 1;
  cameraIndex = 1;
  measure("mid-race board, 2D");
  boardView2D = 0;
  cameraIndex = 4;
  applyBoardViewState();
  measure("mid-race board, camera 4");
  boardView2D = 1;
  cameraIndex = 1;
  currentScreen = SCREEN_MAIN_MENU;
  measure("main menu");
  return 0;
}
