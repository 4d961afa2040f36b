// Frame benchmark: how long drawFrame plus glFinish takes for a mid-race 2D
// board, a 3D camera and the main menu, in a 1280 x 1024 window (run it
// under Xvfb, where Mesa draws in software). Prints the median and the 95th
// percentile of each. Overlay blocks that no screen has registered yet are
// stood in for by a comparable load of the same widgets (marked in the
// output), so the figures stay meaningful while the screens are built.
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

// The race panel's load: band, card hand, dice, buttons, counters.
void standInRacePanel() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  glColor3f(0, 0, 0.2f);
  glRectf(0, cardPanelY, W, H - 15);
  glColor3f(1, 1, 1);
  drawText(W / 2, 8, ALIGN_CENTRE, "Corvalis", FONT_SMALL, -1, 0, 0);
  if (!isBoardScreen()) return;
  for (int slot = 0; slot < CARD_SLOTS; ++slot) {
    float x = cardPanelX + cardGapX + static_cast<float>(slot % 9) * (cardWidth + cardGapX);
    float y = cardPanelY + cardGapY + static_cast<float>(slot / 9) * (cardHeight + cardGapY);
    drawStrengthCard(x, y, 0, slot < STRENGTH_CARDS ? slot : 99, 1);
  }
  drawDice(0);
  const char* labels[] = {textScorecard, textPositions, textDoping, textSettings, textQuit};
  for (int i = 0; i < 5; ++i)
    drawButton(quitButtonX, diceY + 1.2f * buttonHeight * static_cast<float>(i + 1),
               footerButtonWidth, buttonHeight, 1, labels[i], 0);
  drawButton(diceX, diceY + 1.2f * dieSize, dieSize, dieSize / 3, 1, textThrow, 0);
  drawCheckButton(static_cast<int>(diceX + dieSize + dieGap), static_cast<int>(diceY + 1.2f * dieSize),
                  static_cast<int>(dieSize / 3), "Breakaway", 0, 1, 0);
  glPushMatrix();
  glTranslatef(extraDieX + dieSize + 14, diceY + 14, 0);
  drawRiderFigure(activeRider, POSE_FLAT, 1, 1, 1);
  glPopMatrix();
  glColor3f(1, 1, 1);
  for (int i = 0; i < 4; ++i)
    drawText(extraDieX, diceY + 2 * dieSize + 20 * static_cast<float>(i), ALIGN_LEFT, "Moves: 12",
             FONT_SMALL, -1, 0, 0);
}

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
  onReshape(1280, 1024);
  installScreens();

  bool standIn = false;
  if (overlayBlocks[OVERLAY_RACE_PANEL] == nullptr) {
    overlayBlocks[OVERLAY_RACE_PANEL] = standInRacePanel;
    standIn = true;
  }
  std::printf("renderer: %s, %d frames each%s\n", glGetString(GL_RENDERER), MEASURED_FRAMES,
              standIn ? " (race panel stood in for)" : "");

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
