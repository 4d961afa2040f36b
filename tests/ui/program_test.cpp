// The real program, started as a player starts it: from a folder that holds
// the pictures. It must reach the main menu in a full-screen window titled
// "Corvalis" and end with status 0 when Exit is clicked; a missing rider
// picture must end it at once with a failure status. Each run gets an X
// server of its own (Xvfb), so that the program's window is the only one
// there; the click is a real X button event sent to that window.
#include "ui/whole_program.h"

namespace {

using namespace whole_program;

TEST_F(WholeProgram, ReachesTheMainMenuAndExitEndsItWithStatusZero) {
  copyPictures();
  if (HasFatalFailure()) return;
  start();
  if (HasFatalFailure()) return;
  std::string line = readLine(120);
  double seconds = std::chrono::duration<double>(Clock::now() - startTime).count();
  ASSERT_EQ(line.rfind("main menu after ", 0), 0u) << "output: \"" << line << "\"\nerrors: "
                                                    << readAllErrors();
  RecordProperty("seconds_to_main_menu", std::to_string(seconds));
  std::printf("start to main menu: %.3f s (the program counts %s)\n", seconds,
              line.substr(16).c_str());

  std::vector<Window> windows = topLevelWindows();
  ASSERT_EQ(windows.size(), 1u) << "the program opens one window";
  Window window = windows[0];
  char* title = nullptr;
  ASSERT_TRUE(XFetchName(display, window, &title));
  EXPECT_STREQ(title, "Corvalis");
  XFree(title);

  // Full screen: the window covers the screen.
  XWindowAttributes attributes;
  ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
  Screen* screen = DefaultScreenOfDisplay(display);
  EXPECT_EQ(attributes.width, WidthOfScreen(screen));
  EXPECT_EQ(attributes.height, HeightOfScreen(screen));

  // Where the program lays out its Exit button in that window.
  layOutFor(attributes.width, attributes.height);
  int exitX = drawAreaX + static_cast<int>(menuExitButtonX + buttonWidth / 2);
  int exitY = drawAreaY + static_cast<int>(menuExitButtonY + buttonHeight / 2);

  // A click beside the button does nothing.
  sendButton(window, ButtonPress, exitX, exitY - static_cast<int>(buttonHeight));
  sendButton(window, ButtonRelease, exitX, exitY - static_cast<int>(buttonHeight));
  EXPECT_EQ(waitForEnd(1), -1) << "the program ended without Exit";

  sendButton(window, ButtonPress, exitX, exitY);
  sendButton(window, ButtonRelease, exitX, exitY);
  int status = waitForEnd(30);
  ASSERT_NE(status, -1) << "Exit did not end the program";
  ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(access((folder + "/settings").c_str(), F_OK), -1) << "Exit saves nothing";
}

TEST_F(WholeProgram, AMissingRiderPictureEndsItWithAFailureStatus) {
  copyPictures("cyclist3.dat");
  if (HasFatalFailure()) return;
  start();
  if (HasFatalFailure()) return;
  int status = waitForEnd(60);
  ASSERT_NE(status, -1) << "the program kept running without its rider picture";
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 0);
  std::string errors = readAllErrors();
  EXPECT_NE(errors.find("can't open cyclist3.dat\n"), std::string::npos) << errors;
  EXPECT_EQ(readLine(1), "") << "no main menu";
}

TEST_F(WholeProgram, WithoutAScorecardItStillStarts) {
  copyPictures("scorecard.dat");
  if (HasFatalFailure()) return;
  start();
  if (HasFatalFailure()) return;
  std::string line = readLine(120);
  EXPECT_EQ(line.rfind("main menu after ", 0), 0u) << readAllErrors();
}

}  // namespace
