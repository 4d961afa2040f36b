// The real program, started as a player starts it: from a folder that holds
// the pictures. It must reach the main menu in a full-screen window titled
// "Corvalis" and end with status 0 when Exit is clicked; a missing rider
// picture must end it at once with a failure status. Each run gets an X
// server of its own (Xvfb), so that the program's window is the only one
// there; the click is a real X button event sent to that window.
//
// The program prints "main menu after <ms> ms" when the environment holds
// CORVALIS_ANNOUNCE_MAIN_MENU (its only test hook).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/settings.h"
#include "render/layout.h"

// Xlib's macros (None, Bool, Status) must come after the test framework.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using Clock = std::chrono::steady_clock;

const char* const pictureFiles[] = {"board.dat",    "cyclist0.dat", "cyclist1.dat",
                                    "cyclist2.dat", "cyclist3.dat", "cyclist4.dat",
                                    "scorecard.dat"};

struct Program {
  pid_t server = -1;  // its own Xvfb
  std::string displayName;
  pid_t pid = -1;
  int out = -1;  // its standard output
  int err = -1;  // its standard error
};

class WholeProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/corvalis_run_XXXXXX";
    char* made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    folder = made;
  }

  void TearDown() override {
    if (program.pid > 0) {
      kill(program.pid, SIGKILL);
      waitpid(program.pid, nullptr, 0);
    }
    if (program.out >= 0) close(program.out);
    if (program.err >= 0) close(program.err);
    if (display != nullptr) XCloseDisplay(display);
    if (program.server > 0) {
      kill(program.server, SIGTERM);
      waitpid(program.server, nullptr, 0);
    }
    std::string command = "rm -rf '" + folder + "'";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << "cannot remove " << folder;
  }

  // Copies the pictures the build drew into the program's folder.
  void copyPictures(const char* leaveOut = nullptr) {
    for (const char* name : pictureFiles) {
      if (leaveOut != nullptr && std::strcmp(name, leaveOut) == 0) continue;
      std::string command = std::string("cp '") + CORVALIS_PICTURE_FOLDER + "/" + name + "' '" +
                            folder + "/'";
      ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
  }

  // Starts an Xvfb of 1280 x 1024 on a free display number, which the
  // server reports through a pipe once it accepts connections.
  void startServer() {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      close(ready[0]);
      int quiet = open("/dev/null", O_WRONLY);
      if (quiet >= 0) {
        dup2(quiet, 1);
        dup2(quiet, 2);
      }
      std::string fd = std::to_string(ready[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", static_cast<char*>(nullptr));
      _exit(122);
    }
    close(ready[1]);
    program.server = pid;
    std::string number;
    auto deadline = Clock::now() + std::chrono::seconds(30);
    while (Clock::now() < deadline) {
      pollfd p = {ready[0], POLLIN, 0};
      if (poll(&p, 1, 100) <= 0) continue;
      char c;
      if (read(ready[0], &c, 1) <= 0 || c == '\n') break;
      number += c;
    }
    close(ready[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    program.displayName = ":" + number;
    display = XOpenDisplay(program.displayName.c_str());
    ASSERT_NE(display, nullptr) << program.displayName;
  }

  void start() {
    startServer();
    if (HasFatalFailure()) return;
    int out[2], err[2];
    ASSERT_EQ(pipe(out), 0);
    ASSERT_EQ(pipe(err), 0);
    startTime = Clock::now();
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      dup2(out[1], 1);
      dup2(err[1], 2);
      close(out[0]);
      close(err[0]);
      if (chdir(folder.c_str()) != 0) _exit(120);
      setenv("CORVALIS_ANNOUNCE_MAIN_MENU", "1", 1);
      setenv("DISPLAY", program.displayName.c_str(), 1);
      execl(CORVALIS_PROGRAM, CORVALIS_PROGRAM, static_cast<char*>(nullptr));
      _exit(121);
    }
    close(out[1]);
    close(err[1]);
    program.pid = pid;
    program.out = out[0];
    program.err = err[0];
  }

  // Reads the program's output until it holds a whole line or the time is
  // up; empty on timeout or end of output.
  std::string readLine(int seconds) {
    std::string line;
    auto deadline = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < deadline) {
      pollfd p = {program.out, POLLIN, 0};
      if (poll(&p, 1, 100) <= 0) continue;
      char c;
      ssize_t n = read(program.out, &c, 1);
      if (n <= 0) return std::string();
      if (c == '\n') return line;
      line += c;
    }
    return std::string();
  }

  std::string readAllErrors() {
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(program.err, buffer, sizeof buffer)) > 0) text.append(buffer, n);
    return text;
  }

  // Waits for the program to end; its wait status, or -1 after the timeout.
  int waitForEnd(int seconds) {
    auto deadline = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < deadline) {
      int status = 0;
      pid_t done = waitpid(program.pid, &status, WNOHANG);
      if (done == program.pid) {
        program.pid = -1;
        return status;
      }
      usleep(20000);
    }
    return -1;
  }

  // The top-level windows on the program's own server: its window only.
  std::vector<Window> topLevelWindows() {
    std::vector<Window> windows;
    Window root = DefaultRootWindow(display);
    Window parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return windows;
    for (unsigned int i = 0; i < count; ++i) windows.push_back(children[i]);
    if (children != nullptr) XFree(children);
    return windows;
  }

  void sendButton(Window window, int type, int x, int y) {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xbutton.type = type;
    event.xbutton.display = display;
    event.xbutton.window = window;
    event.xbutton.root = DefaultRootWindow(display);
    event.xbutton.subwindow = None;
    event.xbutton.time = CurrentTime;
    event.xbutton.x = x;
    event.xbutton.y = y;
    event.xbutton.x_root = x;
    event.xbutton.y_root = y;
    event.xbutton.button = Button1;
    event.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
    event.xbutton.same_screen = True;
    long mask = type == ButtonPress ? ButtonPressMask : ButtonReleaseMask;
    XSendEvent(display, window, True, mask, &event);
    XFlush(display);
  }

  std::string folder;
  Program program;
  Display* display = nullptr;
  Clock::time_point startTime;
};

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
  screenRatio[0] = screenRatio[1] = -1;
  screenRatioProvisional = 0;
  windowWidth = attributes.width;
  windowHeight = attributes.height;
  updateScreenRatio(attributes.width, attributes.height, WidthOfScreen(screen),
                    HeightOfScreen(screen));
  applyScreenRatio();
  computeLayout();
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
