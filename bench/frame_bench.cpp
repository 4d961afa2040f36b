// Frame benchmark: how long drawFrame plus glFinish takes on every screen of
// the game in a 1280 x 1024 window (run it under Xvfb, where Mesa draws in
// software; LP_NUM_THREADS=1 gives a one-core machine).
//
// The screens are set up from a real race: an all-computer race played by
// the tests' race driver is timed on each screen the first time it shows
// one, the person's screens and overlays are timed over a computer turn in
// the middle of the race, and the full screens after the stage has ended.
// Frames of a screen are interleaved with a bare clear and with the bare
// board scene (clear and board only, 2D), so that the load of a busy machine
// falls on all three alike; the ratio to the bare board is the figure to
// compare between runs.
//
//   frame_bench [--frames N] [--dump FOLDER] [--size WxH] [--ratio A:B]
//               [--language N]
//
// --dump writes the last frame of every screen as FOLDER/<screen>.ppm, for
// comparing what the player sees before and after a change of drawing code.
// --size, --ratio (5:4, 4:3, 16:10) and --language (0 German, 1 English,
// 2 French, 3 Dutch) set up the window the player would have.
#include <GL/freeglut.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "files/tour_file.h"
#include "model/screens.h"
#include "model/settings.h"
#include "model/view_state.h"
#include "render/drawing_window.h"
#include "render/frame.h"
#include "render/textures.h"
#include "render/views.h"
#include "rules/course_builder.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "support/race_driver.h"
#include "texts/language_texts.h"
#include "ui/course_selection.h"
#include "ui/language_screen.h"
#include "ui/loading_screen.h"
#include "ui/manual_screen.h"
#include "ui/saved_races.h"
#include "ui/screen_units.h"
#include "ui/settings_screen.h"
#include "ui/team_setup.h"

namespace {

int WINDOW_WIDTH = 1280;
int WINDOW_HEIGHT = 1024;
const int WARM_UP_FRAMES = 5;

int measuredFrames = 40;
const char* dumpFolder = nullptr;

struct Row {
  std::string name;
  bool board;
  double screenMs, boardMs, clearMs;
};
std::vector<Row> rows;

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

template <typename Draw>
double timeOnce(Draw draw) {
  auto start = std::chrono::steady_clock::now();
  draw();
  glFinish();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

void drawBareClear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

// The clear and the 2D board scene with its figures, no overlay: the frame
// of a board screen without anything drawn over the board.
void drawBareBoard() {
  void (*blocks[OVERLAY_BLOCK_COUNT])();
  std::memcpy(blocks, overlayBlocks, sizeof blocks);
  std::memset(overlayBlocks, 0, sizeof overlayBlocks);
  const int screen = currentScreen;
  const int view2D = boardView2D;
  const int camera = cameraIndex;
  currentScreen = SCREEN_COMPUTER_TURN;
  boardView2D = 1;
  cameraIndex = 1;
  drawFrame();
  currentScreen = screen;
  boardView2D = view2D;
  cameraIndex = camera;
  std::memcpy(overlayBlocks, blocks, sizeof blocks);
  applyBoardViewState();
}

void dumpFrame(const std::string& name) {
  drawFrame();
  glFinish();
  std::vector<unsigned char> pixels(static_cast<size_t>(WINDOW_WIDTH) * WINDOW_HEIGHT * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  const std::string path = std::string(dumpFolder) + "/" + name + ".ppm";
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::fprintf(file, "P6\n%d %d\n255\n", WINDOW_WIDTH, WINDOW_HEIGHT);
  std::fwrite(pixels.data(), 1, pixels.size(), file);
  std::fclose(file);
}

// Times the current screen as it stands.
void measure(const std::string& name) {
  for (int i = 0; i < WARM_UP_FRAMES; ++i) {
    drawFrame();
    glFinish();
  }
  std::vector<double> screen, board, clear;
  for (int i = 0; i < measuredFrames; ++i) {
    clear.push_back(timeOnce(drawBareClear));
    board.push_back(timeOnce(drawBareBoard));
    screen.push_back(timeOnce(drawFrame));
  }
  rows.push_back({name, isBoardScreen() != 0, median(screen), median(board), median(clear)});
  const Row& row = rows.back();
  std::printf("%-34s %7.2f ms   board %6.2f   clear %5.2f   ratio %5.2f\n", name.c_str(),
              row.screenMs, row.boardMs, row.clearMs, row.screenMs / row.boardMs);
  std::fflush(stdout);
  if (dumpFolder != nullptr) dumpFrame(name);
}

// Times an overlay or a person's screen over the race as it stands, and
// puts the race back as it was.
void measureOver(int screen, const std::string& name) {
  const int screenBefore = currentScreen;
  const int previousBefore = previousScreen;
  previousScreen = currentScreen;
  currentScreen = screen;
  measure(name);
  currentScreen = screenBefore;
  previousScreen = previousBefore;
}

struct RaceScreen {
  int screen;
  const char* name;
  bool seen;
};

RaceScreen raceScreens[] = {
    {SCREEN_START_THROW_RESULT, "start-throw-result", false},
    {SCREEN_MOVING, "moving", false},
    {SCREEN_EVENT_CARD, "event-card", false},
    {SCREEN_EVENT_CARD_CANCELLED, "event-card-cancelled", false},
    {SCREEN_NO_MOVE, "no-move", false},
    {SCREEN_NO_CARD_TO_HAND_IN, "no-card-to-hand-in", false},
    {SCREEN_DOPING_NUMBER, "doping-number", false},
    {SCREEN_DOPING_CONTROL, "doping-control", false},
    {SCREEN_COUNTERCHECK, "countercheck", false},
    {SCREEN_STAGE_STANDINGS, "stage-standings", false},
    {SCREEN_SAVE_FAILED, "save-failed", false},
};

// The start screens a person sees, on the grid the computer teams have
// just taken.
void measureStartScreens() {
  measureOver(SCREEN_START_THROW, "start-throw");
  measureOver(SCREEN_START_PLACE_COMPUTER, "start-grid");
  measureOver(SCREEN_START_PLACE_HUMAN, "start-place-person");
}

// The person's screens, the questions and the overlays, over a computer
// rider's move in the middle of the race: the hand shown is the active
// team's, the rider asked to follow his team-mate.
void measurePersonScreens() {
  const int shownBefore = shownTeam;
  const int followBefore = followCandidate;
  shownTeam = activeRider / 4;
  followCandidate = activeRider / 4 * 4 + (activeRider + 1) % 4;
  measureOver(SCREEN_PLAY_CARDS, "play-cards");
  boardView2D = 0;
  cameraIndex = 4;
  applyBoardViewState();
  measureOver(SCREEN_PLAY_CARDS, "play-cards-3d");
  boardView2D = 1;
  cameraIndex = 1;
  applyBoardViewState();
  measureOver(SCREEN_CHOOSE_MOVE, "choose-move");
  measureOver(SCREEN_HAND_IN_CARDS, "hand-in-cards");
  measureOver(SCREEN_EXTRA_THROW, "extra-throw");
  measureOver(SCREEN_FOLLOW_QUESTION, "follow-question");
  measureOver(SCREEN_CARD_KIND, "card-kind");
  measureOver(SCREEN_CARD_TIMING, "card-timing");
  measureOver(SCREEN_DOPING_CONFIRM, "doping-question");
  measureOver(SCREEN_QUIT_CONFIRM, "quit-question");
  scoreGeneral = 0;
  measureOver(SCREEN_SCORECARD, "scorecard");
  measureOver(SCREEN_POSITIONS, "positions");
  savedSmoothComputerMovement = smoothComputerMovement;
  savedScreenRatio[0] = screenRatio[0];
  savedScreenRatio[1] = screenRatio[1];
  fillSettingsFields();
  measureOver(SCREEN_SETTINGS, "settings");
  shownTeam = shownBefore;
  followCandidate = followBefore;
}

void playRace() {
  seedRaceRandom(5);
  if (!startComputerRace("01S23S4S5F12", 5, true)) {
    std::fprintf(stderr, "the course cannot be laid\n");
    std::exit(1);
  }
  bool startScreensDone = false;
  bool personScreensDone = false;
  for (int step = 0; step < 2000000; ++step) {
    for (RaceScreen& wanted : raceScreens) {
      if (wanted.seen || wanted.screen != currentScreen) continue;
      wanted.seen = true;
      measure(wanted.name);
    }
    if (!startScreensDone && currentScreen == SCREEN_MOVING) {
      startScreensDone = true;
      measureStartScreens();
    }
    if (!personScreensDone && currentScreen == SCREEN_MOVING && roundNumber >= 4) {
      personScreensDone = true;
      measurePersonScreens();
    }
    if (currentScreen == SCREEN_STAGE_STANDINGS || currentScreen == SCREEN_SAVE_FAILED) break;
    if (!driveOneStep()) break;
  }
  for (const RaceScreen& wanted : raceScreens)
    if (!wanted.seen) std::printf("%-34s not shown in this race\n", wanted.name);
  releaseRaceDriver();
}

void measureFullScreens() {
  currentScreen = SCREEN_LOADING;
  measure("loading");
  onLoadingIdle();  // builds the course previews, then the main menu
  measure("main-menu");
  openLanguageScreen();
  measure("language");
  openManual();
  measure("manual");
  openTeamSetup();
  measure("team-setup");
  openCourseSelection();
  measure("course-selection");
  resetCourseDesign();
  currentScreen = SCREEN_COURSE_DESIGN;
  measure("course-designer");
  openSavedRaces();
  measure("saved-races");
}

void printSummary() {
  std::printf("\nboard screens over their bare board (one run):\n");
  double worst = 0;
  for (const Row& row : rows) {
    if (!row.board) continue;
    worst = std::max(worst, row.screenMs / row.boardMs);
  }
  std::printf("highest ratio %.2f\n", worst);
}

}  // namespace

int main(int argc, char** argv) {
  int ratio[2] = {5, 4};
  int chosenLanguage = LANGUAGE_ENGLISH;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--size") == 0)
      std::sscanf(argv[i + 1], "%dx%d", &WINDOW_WIDTH, &WINDOW_HEIGHT);
    else if (std::strcmp(argv[i], "--ratio") == 0)
      std::sscanf(argv[i + 1], "%d:%d", &ratio[0], &ratio[1]);
    else if (std::strcmp(argv[i], "--language") == 0)
      chosenLanguage = std::atoi(argv[i + 1]);
  }
  openDrawingWindow(&argc, argv, WINDOW_WIDTH, WINDOW_HEIGHT);
  language = chosenLanguage;
  setLanguageTexts();
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
      measuredFrames = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--dump") == 0 && i + 1 < argc) {
      static char folder[4096];
      if (realpath(argv[++i], folder) == nullptr) {
        std::fprintf(stderr, "no folder %s\n", argv[i]);
        return 2;
      }
      dumpFolder = folder;
    } else if ((std::strcmp(argv[i], "--size") == 0 || std::strcmp(argv[i], "--ratio") == 0 ||
                std::strcmp(argv[i], "--language") == 0) &&
               i + 1 < argc) {
      ++i;  // taken before the window opened
    } else {
      std::fprintf(stderr, "usage: frame_bench [--frames N] [--dump FOLDER] [--size WxH] [--ratio A:B] "
                   "[--language N]\n");
      return 2;
    }
  }
  if (!loadGameTextures()) {
    std::fprintf(stderr, "run the benchmark in the build folder, where the pictures are\n");
    return 1;
  }
  // The race ends by writing its standings: into a folder of its own.
  char scratch[] = "/tmp/frame_benchXXXXXX";
  if (mkdtemp(scratch) == nullptr || chdir(scratch) != 0) {
    std::fprintf(stderr, "no scratch folder\n");
    return 1;
  }
  screenRatio[0] = ratio[0];
  screenRatio[1] = ratio[1];
  installScreens();
  installFileHooks();
  onReshape(WINDOW_WIDTH, WINDOW_HEIGHT);
  const char* threads = std::getenv("LP_NUM_THREADS");
  std::printf("renderer: %s, LP_NUM_THREADS %s, median of %d frames each\n",
              glGetString(GL_RENDERER), threads != nullptr ? threads : "(default)",
              measuredFrames);
  playRace();
  measureFullScreens();
  printSummary();
  std::string cleanup = std::string("rm -rf ") + scratch;
  if (std::system(cleanup.c_str()) != 0) std::fprintf(stderr, "%s was left\n", scratch);
  return 0;
}
