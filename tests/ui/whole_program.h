// The real program under test, as a player starts it: from a folder of its
// own that holds the pictures, on an X server of its own (Xvfb), so that its
// window is the only one there. The fixture sends real X events to that
// window (button and key events through XSendEvent), reads back what the
// window shows (XGetImage) and lays out the screens for the window's size
// with the program's own layout code.
//
// The program prints "main menu after <ms> ms" when the environment holds
// CORVALIS_ANNOUNCE_MAIN_MENU (its only test hook).
#pragma once
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
#include "ui/screen_units.h"

// Xlib's macros (None, Bool, Status) must come after the test framework.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace whole_program {

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

// A colour read back from the window, 0..255 a channel.
struct Pixel {
  int r = 0, g = 0, b = 0;
};

inline int ignoreXError(Display*, XErrorEvent*) { return 0; }

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

  // Starts an Xvfb with one screen of the given size on a free display
  // number, which the server reports through a pipe once it accepts
  // connections.
  void startServer(int width = 1280, int height = 1024) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    std::string size = std::to_string(width) + "x" + std::to_string(height) + "x24";
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
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", size.c_str(), "-nolisten",
             "tcp", static_cast<char*>(nullptr));
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
    // A window read while the program changes it must not end the test.
    XSetErrorHandler(ignoreXError);
  }

  void start(int width = 1280, int height = 1024) {
    startServer(width, height);
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

  // True while the program has not ended.
  bool running() {
    if (program.pid <= 0) return false;
    int status = 0;
    if (waitpid(program.pid, &status, WNOHANG) != program.pid) return true;
    program.pid = -1;
    return false;
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

  // Lays out every screen as the program does for a window of that size on
  // this screen, the screen ratio detected from the window.
  void layOutFor(int width, int height) {
    Screen* screen = DefaultScreenOfDisplay(display);
    screenRatio[0] = screenRatio[1] = -1;
    screenRatioProvisional = 0;
    windowWidth = width;
    windowHeight = height;
    updateScreenRatio(width, height, WidthOfScreen(screen), HeightOfScreen(screen));
    applyScreenRatio();
    computeLayout();
    computeScreenLayouts();
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

  // A left click (press and release) at a drawing-area point.
  void click(Window window, float x, float y) {
    const int wx = drawAreaX + static_cast<int>(x);
    const int wy = drawAreaY + static_cast<int>(y);
    sendButton(window, ButtonPress, wx, wy);
    sendButton(window, ButtonRelease, wx, wy);
  }

  // A key pressed and let go: the program acts on the release. shift holds
  // Shift down for both events.
  void sendKey(Window window, KeySym symbol, bool shift = false) {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.subwindow = None;
    event.xkey.time = CurrentTime;
    event.xkey.state = shift ? ShiftMask : 0;
    event.xkey.keycode = XKeysymToKeycode(display, symbol);
    event.xkey.same_screen = True;
    event.xkey.type = KeyPress;
    XSendEvent(display, window, True, KeyPressMask, &event);
    event.xkey.type = KeyRelease;
    XSendEvent(display, window, True, KeyReleaseMask, &event);
    XFlush(display);
  }

  // A printable character as its key (with Shift for a capital).
  void typeCharacter(Window window, char c) {
    if (c >= 'A' && c <= 'Z') {
      sendKey(window, XK_a + (c - 'A'), true);
    } else if (c == ' ') {
      sendKey(window, XK_space);
    } else if (c == '-') {
      sendKey(window, XK_minus);
    } else {
      sendKey(window, static_cast<KeySym>(static_cast<unsigned char>(c)));
    }
  }

  void typeText(Window window, const std::string& text) {
    for (char c : text) typeCharacter(window, c);
  }

  // What the window shows at a drawing-area point (black when it cannot be
  // read).
  Pixel pixelAt(Window window, float x, float y) {
    Pixel pixel;
    XImage* image = XGetImage(display, window, drawAreaX + static_cast<int>(x),
                              drawAreaY + static_cast<int>(y), 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return pixel;
    unsigned long value = XGetPixel(image, 0, 0);
    pixel.r = static_cast<int>((value >> 16) & 0xff);
    pixel.g = static_cast<int>((value >> 8) & 0xff);
    pixel.b = static_cast<int>(value & 0xff);
    XDestroyImage(image);
    return pixel;
  }

  // Whether any pixel of a drawing-area rectangle is (nearly) black.
  bool anyBlackIn(Window window, float x, float y, float w, float h) {
    const int width = static_cast<int>(w), height = static_cast<int>(h);
    if (width <= 0 || height <= 0) return false;
    XImage* image = XGetImage(display, window, drawAreaX + static_cast<int>(x),
                              drawAreaY + static_cast<int>(y), static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool found = false;
    for (int j = 0; j < height && !found; ++j)
      for (int i = 0; i < width && !found; ++i) {
        unsigned long value = XGetPixel(image, i, j);
        found = ((value >> 16) & 0xff) < 40 && ((value >> 8) & 0xff) < 40 && (value & 0xff) < 40;
      }
    XDestroyImage(image);
    return found;
  }

  std::string folder;
  Program program;
  Display* display = nullptr;
  Clock::time_point startTime;
};

// Near a colour given in 0..1 a channel, as the program draws it.
inline bool pixelIs(const Pixel& p, float r, float g, float b) {
  auto near = [](int value, float want) { return std::abs(value - static_cast<int>(want * 255)) <= 8; };
  return near(p.r, r) && near(p.g, g) && near(p.b, b);
}

}  // namespace whole_program
