// Shared set-up of the screen tests: the test window laid out 5:4 with every
// screen installed, a scratch working folder for the files the screens
// write, and helpers that send events through the real GLUT callbacks.
#pragma once
#include <string>
#include <vector>

#include "render/window_harness.h"
#include "support/file_bytes.h"

// A fresh empty folder under /tmp for a window test that writes files into
// its working folder: enter() makes the folder and moves into it, leave()
// moves back to the folder the test started in and removes the scratch
// folder with everything in it. (The file tests' ScratchFolderTest is a
// fixture of its own; window fixtures derive from WindowTest instead.)
class ScratchFolder {
 public:
  // Makes /tmp/<prefix>XXXXXX and moves into it, leaving a folder entered
  // before; a fatal test failure when that cannot be done.
  void enter(const char* prefix);
  // Nothing when no folder was entered.
  void leave();

 private:
  std::string startFolder;
  std::string folder;
};

// Window test with the screens installed, the window laid out at 5:4 and the
// English texts; Exit is caught instead of ending the test.
class ScreenTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Moves into a fresh empty folder for the rest of the test (the folder
  // the tests started in is restored afterwards).
  void useScratchFolder();

  // Release of the left button at a drawing-area point, as GLUT delivers it
  // (window coordinates).
  void clickAt(float x, float y);
  void mouseEventAt(int button, int state, float x, float y);
  void pressAndReleaseAt(float x, float y);
  void clickCentreOf(float x, float y, float w, float h);
  void hoverAt(float x, float y);
  void typeKey(unsigned char key);
  void pressSpecialKey(int key);

  // Draws the current frame into the back buffer and waits for it.
  void drawNow();

  ScratchFolder scratch;
};

// A monitor the game is played on: the window's size and the ratio setting.
struct GameWindow {
  int width, height;
  double ratio[2];
};
// 1024 x 768 at 4:3, 1280 x 1024 at 5:4, 1920 x 1200 at 16:10, and
// 1920 x 1080 with each ratio setting.
extern const GameWindow gameWindows[6];
// The monitors players have, each with its ratio detected (-1, -1) and set.
extern const std::vector<GameWindow> gameMonitors;
// Lays the screens out as a resize to the window does; returns the
// window's name for failure messages ("1920x1080 ratio 16:10").
std::string layOutWindow(const GameWindow& w);

// The move timer's requests, recorded instead of arming a timer: the delay
// of each and the value of the last. recordMoveTicks binds the timer hook
// and clears the record; endPendingTick delivers the pending tick on the
// main menu, where it ends, so that none is left pending for the next test.
struct RecordedTicks {
  std::vector<unsigned> delays;
  int lastValue = 0;
};
extern RecordedTicks recordedTicks;
void recordMoveTicks();
void endPendingTick();

// Exit's status as caught by the tests, -1 when Exit was not chosen.
extern int caughtExitStatus;

