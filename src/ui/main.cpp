// Program entry: prepares everything that lives for the whole run, opens
// the full-screen window and hands control to GLUT, which runs the game
// through the callbacks registered here. The program is started from the
// folder that holds its pictures ("board.dat", ...) and its "settings".
//
// Test hook: with CORVALIS_ANNOUNCE_MAIN_MENU set in the environment, the
// program prints one line, "main menu after <ms> ms", on standard output
// once the main menu has been drawn for the first time. The window test of
// the whole program waits for that line.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <GL/freeglut.h>

#include "files/settings_file.h"
#include "files/tour_file.h"
#include "model/board_sections.h"
#include "model/screens.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "render/frame.h"
#include "render/textures.h"
#include "texts/language_texts.h"
#include "texts/text_layout.h"
#include "ui/input.h"
#include "ui/loading_screen.h"
#include "ui/screen_units.h"
#include "ui/settings_screen.h"

namespace {

std::chrono::steady_clock::time_point startTime;

// The loading step, announcing the main menu for the program's own test.
void onLoadingIdleAnnounced() {
  onLoadingIdle();
  if (currentScreen != SCREEN_MAIN_MENU) return;
  long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now() - startTime)
                     .count();
  std::printf("main menu after %lld ms\n", ms);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  startTime = std::chrono::steady_clock::now();
  const bool announce = std::getenv("CORVALIS_ANNOUNCE_MAIN_MENU") != nullptr;

  std::srand(static_cast<unsigned>(std::time(nullptr)));
  fillSineTables();

  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
  glutInitWindowSize(1280, 960);
  glutInit(&argc, argv);
  mainWindow = glutCreateWindow("Corvalis");
  glutSetWindow(mainWindow);

  installScreens();
  installFileHooks();
  installWindowHooks();
  glutReshapeFunc(onReshape);
  glutDisplayFunc(onDisplay);
  glutIdleFunc(announce ? onLoadingIdleAnnounced : onLoadingIdle);
  glutMouseFunc(onMouseClick);
  glutMotionFunc(onMouseDrag);
  glutPassiveMotionFunc(onMouseHover);
  glutKeyboardUpFunc(onKeyboardUp);
  glutSpecialUpFunc(onSpecialKeyUp);
  // Keys act on release; a held key must not repeat its action. This is
  // the window's own setting, not the X server's.
  glutIgnoreKeyRepeat(1);

  glutFullScreen();
  glAlphaFunc(GL_GREATER, 0);

  createTextureNames();
  // A missing or damaged board or rider picture ends the program (the
  // loader has named the file); the scorecard is optional.
  if (!loadGameTextures()) return EXIT_FAILURE;

  readSettingsFile();
  fillSettingsFields();
  initFontWidths();
  initBoardSections();
  setLanguageTexts();
  for (int i = 0; i < RIDER_COUNT; ++i) {
    BoardPoint point = positionToBoard(static_cast<float>(riders[i].row),
                                       static_cast<float>(riders[i].lane), i, false);
    riders[i].boardX = point.x;
    riders[i].boardY = point.y;
  }
  currentScreen = SCREEN_LOADING;
  glutMainLoop();
  return EXIT_SUCCESS;
}
