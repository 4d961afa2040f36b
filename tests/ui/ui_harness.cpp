#include "ui/ui_harness.h"

#include <cstdlib>

#include <GL/freeglut.h>
#include <unistd.h>

#include "files/tour_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/settings.h"
#include "render/layout.h"
#include "render/frame.h"
#include "render/views.h"
#include "rules/move_animation.h"
#include "texts/language_texts.h"
#include "texts/manual.h"
#include "ui/input.h"
#include "ui/main_menu.h"
#include "ui/screen_units.h"

int caughtExitStatus = -1;
RecordedTicks recordedTicks;

namespace {

void catchExit(int status) { caughtExitStatus = status; }

}  // namespace

void recordMoveTicks() {
  recordedTicks = RecordedTicks();
  moveTimerHook = [](unsigned delayMs, int value) {
    recordedTicks.delays.push_back(delayMs);
    recordedTicks.lastValue = value;
  };
}

void endPendingTick() {
  const int screen = currentScreen;
  currentScreen = SCREEN_MAIN_MENU;
  onComputerMoveTimer(recordedTicks.lastValue);
  currentScreen = screen;
}

void ScratchFolder::enter(const char* prefix) {
  leave();
  char here[4096];
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  std::string pattern = std::string("/tmp/") + prefix + "XXXXXX";
  ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
  startFolder = here;
  folder = pattern;
  ASSERT_EQ(chdir(folder.c_str()), 0);
}

void ScratchFolder::leave() {
  if (folder.empty()) return;
  if (chdir(startFolder.c_str()) != 0) ADD_FAILURE() << "cannot return to " << startFolder;
  std::string command = "rm -rf '" + folder + "'";
  if (std::system(command.c_str()) != 0) ADD_FAILURE() << "cannot remove " << folder;
  folder.clear();
}

void ScreenTest::SetUp() {
  WindowTest::SetUp();
  if (HasFatalFailure()) return;
  caughtExitStatus = -1;
  exitProgramHook = catchExit;
  installScreens();
  installFileHooks();
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  screenRatio[0] = 5;
  screenRatio[1] = 4;
  onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
  manualPage = 0;
  currentScreen = SCREEN_MAIN_MENU;
}

void ScreenTest::TearDown() {
  moveTimerHook = nullptr;
  scratch.leave();
  exitProgramHook = std::exit;
}

void ScreenTest::useScratchFolder() { scratch.enter("corvalis_ui_"); }

void ScreenTest::clickAt(float x, float y) {
  int wx = static_cast<int>(x) + drawAreaX;
  int wy = static_cast<int>(y) + drawAreaY;
  onMouseClick(GLUT_LEFT_BUTTON, GLUT_UP, wx, wy);
}

void ScreenTest::mouseEventAt(int button, int state, float x, float y) {
  onMouseClick(button, state, static_cast<int>(x) + drawAreaX, static_cast<int>(y) + drawAreaY);
}

void ScreenTest::pressAndReleaseAt(float x, float y) {
  int wx = static_cast<int>(x) + drawAreaX;
  int wy = static_cast<int>(y) + drawAreaY;
  onMouseClick(GLUT_LEFT_BUTTON, GLUT_DOWN, wx, wy);
  onMouseClick(GLUT_LEFT_BUTTON, GLUT_UP, wx, wy);
}

void ScreenTest::clickCentreOf(float x, float y, float w, float h) {
  clickAt(x + w / 2, y + h / 2);
}

void ScreenTest::hoverAt(float x, float y) {
  onMouseHover(static_cast<int>(x) + drawAreaX, static_cast<int>(y) + drawAreaY);
}

void ScreenTest::typeKey(unsigned char key) { onKeyboardUp(key, 0, 0); }

void ScreenTest::pressSpecialKey(int key) { onSpecialKeyUp(key, 0, 0); }

void ScreenTest::drawNow() {
  drawFrame();
  glFinish();
}

const GameWindow gameWindows[6] = {
    {1024, 768, {4, 3}},  {1280, 1024, {5, 4}}, {1920, 1200, {16, 10}},
    {1920, 1080, {5, 4}}, {1920, 1080, {4, 3}}, {1920, 1080, {16, 10}},
};

const std::vector<GameWindow> gameMonitors = [] {
  std::vector<GameWindow> monitors;
  const int sizes[][2] = {{1024, 768}, {1280, 1024}, {1280, 800},  {1366, 768},
                          {1600, 900}, {1920, 1080}, {1920, 1200}, {2560, 1440}};
  const double settings[][2] = {{-1, -1}, {5, 4}, {4, 3}, {16, 10}};
  for (const auto& size : sizes)
    for (const auto& ratio : settings) monitors.push_back({size[0], size[1], {ratio[0], ratio[1]}});
  return monitors;
}();

std::string layOutWindow(const GameWindow& w) {
  windowWidth = w.width;
  windowHeight = w.height;
  screenRatio[0] = w.ratio[0];
  screenRatio[1] = w.ratio[1];
  screenRatioProvisional = 0;
  updateScreenRatio(w.width, w.height, w.width, w.height);
  applyScreenRatio();
  computeLayout();
  return std::to_string(w.width) + "x" + std::to_string(w.height) + " ratio " + (w.ratio[0] < 0 ? "detected " : "") +
         std::to_string(static_cast<int>(screenRatio[0])) + ":" + std::to_string(static_cast<int>(screenRatio[1]));
}
