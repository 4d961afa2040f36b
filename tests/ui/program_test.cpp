// The real program started as a player starts it: it reaches the main menu
// in one full-screen window titled "Corvalis" and ends with status 0 on
// Exit; a missing rider picture ends it at once with a failure status.
#include "ui/whole_program.h"

namespace {

using namespace whole_program;

TEST_F(WholeProgram, ReachesTheMainMenuAndExitEndsItWithStatusZero) {
  start();
  if (!HasFatalFailure()) reachMainMenu();
  if (HasFatalFailure()) return;
  char* title = nullptr;
  ASSERT_TRUE(XFetchName(display, window, &title));
  EXPECT_STREQ(title, "Corvalis");
  XFree(title);
  Screen* screen = DefaultScreenOfDisplay(display);
  EXPECT_EQ(attributes.width, WidthOfScreen(screen));
  EXPECT_EQ(attributes.height, HeightOfScreen(screen));

  const float x = menuExitButtonX + buttonWidth / 2, y = menuExitButtonY + buttonHeight / 2;
  click(x, y - buttonHeight);  // beside the button: nothing
  EXPECT_EQ(waitForEnd(1), -1) << "the program ended without Exit";
  click(x, y);
  const int status = waitForEnd(30);
  ASSERT_NE(status, -1) << "Exit did not end the program";
  ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(access((folder + "/settings").c_str(), F_OK), -1) << "Exit saves nothing";
}

TEST_F(WholeProgram, AMissingRiderPictureEndsItWithAFailureStatus) {
  start("cyclist3.dat");
  if (HasFatalFailure()) return;
  const int status = waitForEnd(60);
  ASSERT_NE(status, -1) << "the program kept running without its rider picture";
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 0);
  const std::string errors = readAllErrors();
  EXPECT_NE(errors.find("can't open cyclist3.dat\n"), std::string::npos) << errors;
  EXPECT_EQ(readLineFrom(out, 1), "") << "no main menu";
}

TEST_F(WholeProgram, WithoutAScorecardItStillStarts) {
  start("scorecard.dat");
  if (HasFatalFailure()) return;
  reachMainMenu();
}

}  // namespace
