// The real program as a player starts it: from a folder of its own holding
// the pictures, on an X server of its own (Xvfb) where its window is the
// only one. The fixture sends real X button and key events to that window,
// reads back what it shows, and lays the screens out for its size with the
// program's own layout code. The program prints "main menu after <ms> ms"
// when CORVALIS_ANNOUNCE_MAIN_MENU is set (its only test hook).
#pragma once
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/settings.h"
#include "render/layout.h"
#include "support/file_bytes.h"
#include "ui/screen_units.h"

// Xlib's macros (None, Bool, Status) must come after the test framework.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace whole_program {

using Clock = std::chrono::steady_clock;

// A line read from a pipe, empty on timeout or end of output.
inline std::string readLineFrom(int fd, double seconds) {
  std::string line;
  for (auto end = Clock::now() + std::chrono::duration<double>(seconds); Clock::now() < end;) {
    pollfd p = {fd, POLLIN, 0};
    char c;
    if (poll(&p, 1, 100) <= 0) continue;
    if (read(fd, &c, 1) <= 0) return std::string();
    if (c == '\n') return line;
    line += c;
  }
  return std::string();
}

// Waits until the check holds; false when the time is up first.
template <typename Check>
bool waitUntil(Check check, double seconds = 10) {
  for (auto end = Clock::now() + std::chrono::duration<double>(seconds); Clock::now() < end; usleep(10000))
    if (check()) return true;
  return false;
}

class WholeProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/corvalis_run_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
  }

  void TearDown() override {
    if (pid > 0) kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
    if (out >= 0) close(out);
    if (display != nullptr) XCloseDisplay(display);
    if (server > 0) kill(server, SIGTERM), waitpid(server, nullptr, 0);
    if (std::system(("rm -rf '" + folder + "'").c_str()) != 0) ADD_FAILURE() << "cannot remove " << folder;
  }

  // Starts the program from its folder with the pictures the build drew
  // (but leaveOut) on a new server of one 1280x1024 screen.
  void start(const char* leaveOut = nullptr) {
    const std::string copy = std::string("cd '") + CORVALIS_PICTURE_FOLDER +
                             "' && cp board.dat cyclist[0-4].dat scorecard.dat '" + folder + "/'";
    ASSERT_EQ(std::system(copy.c_str()), 0) << copy;
    if (leaveOut != nullptr) {
      ASSERT_EQ(unlink((folder + "/" + leaveOut).c_str()), 0) << leaveOut;
    }
    // The server tells its display number through a pipe once it accepts
    // connections.
    int ready[2], outPipe[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_GE(server = fork(), 0);
    if (server == 0) {
      const int quiet = open("/dev/null", O_WRONLY);
      dup2(quiet, 1);
      dup2(quiet, 2);
      const std::string fd = std::to_string(ready[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(122);
    }
    close(ready[1]);
    const std::string displayName = ":" + readLineFrom(ready[0], 30);
    close(ready[0]);
    ASSERT_NE(displayName, ":") << "Xvfb did not start";
    ASSERT_NE(display = XOpenDisplay(displayName.c_str()), nullptr) << displayName;
    // A window read while the program changes it must not end the test.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    ASSERT_EQ(pipe(outPipe), 0);
    ASSERT_GE(pid = fork(), 0);
    if (pid == 0) {
      dup2(outPipe[1], 1);
      if (chdir(folder.c_str()) != 0) _exit(120);
      dup2(open("errors", O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
      setenv("CORVALIS_ANNOUNCE_MAIN_MENU", "1", 1);
      setenv("DISPLAY", displayName.c_str(), 1);
      execl(CORVALIS_PROGRAM, CORVALIS_PROGRAM, static_cast<char*>(nullptr));
      _exit(121);
    }
    close(outPipe[1]);
    out = outPipe[0];
  }

  // Waits for the main menu, finds the program's one window and lays every
  // screen out as the program does for it.
  void reachMainMenu() {
    const std::string line = readLineFrom(out, 120);
    ASSERT_EQ(line.rfind("main menu after ", 0), 0u)
        << "output: \"" << line << "\"\nerrors: " << readAllErrors();
    Window root = DefaultRootWindow(display), parent, *children = nullptr;
    unsigned int count = 0;
    ASSERT_TRUE(XQueryTree(display, root, &root, &parent, &children, &count));
    if (count == 1) window = children[0];
    if (children != nullptr) XFree(children);
    ASSERT_EQ(count, 1u) << "the program opens one window";
    ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
    Screen* screen = DefaultScreenOfDisplay(display);
    screenRatio[0] = screenRatio[1] = -1;
    screenRatioProvisional = 0;
    windowWidth = attributes.width;
    windowHeight = attributes.height;
    updateScreenRatio(windowWidth, windowHeight, WidthOfScreen(screen), HeightOfScreen(screen));
    applyScreenRatio();
    computeLayout();
    computeScreenLayouts();
  }

  // What the program wrote to its standard error (kept in its folder).
  std::string readAllErrors() { return readWholeFile(folder + "/errors"); }

  bool running() {
    if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) pid = -1;
    return pid > 0;
  }
  // The program's wait status once it has ended, -1 after the timeout.
  int waitForEnd(double seconds) {
    return waitUntil([&] { return !running(); }, seconds) ? status : -1;
  }

  // The fields that place a pointer or key event at a drawing-area point
  // of the window (key and button events share them).
  template <typename Event>
  void aimAt(Event& e, float x, float y) {
    e.display = display;
    e.window = window;
    e.root = DefaultRootWindow(display);
    e.x = e.x_root = drawAreaX + static_cast<int>(x);
    e.y = e.y_root = drawAreaY + static_cast<int>(y);
    e.same_screen = True;
  }
  // A press and a release sent to the window: of the left button at a
  // drawing-area point, or of a key (a capital letter with Shift held); the
  // program acts on the release. Key and button events share their fields.
  void pressAndRelease(bool button, unsigned code, unsigned state = 0, float x = 0, float y = 0) {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    XButtonEvent& e = event.xbutton;
    aimAt(e, x, y);
    e.button = code;
    e.state = state;
    e.type = button ? ButtonPress : KeyPress;
    XSendEvent(display, window, True, button ? ButtonPressMask : KeyPressMask, &event);
    e.type = button ? ButtonRelease : KeyRelease;
    e.state |= button ? Button1Mask : 0;
    XSendEvent(display, window, True, button ? ButtonReleaseMask : KeyReleaseMask, &event);
    XFlush(display);
  }
  void click(float x, float y) { pressAndRelease(true, Button1, 0, x, y); }
  // The pointer moved to a drawing-area point with no button held.
  void moveTo(float x, float y) {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    XMotionEvent& e = event.xmotion;
    e.type = MotionNotify;
    aimAt(e, x, y);
    XSendEvent(display, window, True, PointerMotionMask, &event);
    XFlush(display);
  }
  void key(KeySym symbol) {
    const bool shift = symbol >= 'A' && symbol <= 'Z';
    pressAndRelease(false, XKeysymToKeycode(display, shift ? symbol - 'A' + 'a' : symbol),
                    shift ? ShiftMask : 0);
  }
  void typeText(const std::string& text) {
    for (char c : text) key(static_cast<KeySym>(static_cast<unsigned char>(c)));
  }

  // Whether a pixel of a drawing-area box is within tolerance of a colour
  // (0..1 a channel) as the window shows it.
  bool colourIn(float x, float y, float w, float h, float r, float g, float b, int tolerance = 8) {
    const int width = static_cast<int>(w), height = static_cast<int>(h);
    if (width <= 0 || height <= 0) return false;
    XImage* image =
        XGetImage(display, window, drawAreaX + static_cast<int>(x), drawAreaY + static_cast<int>(y),
                  static_cast<unsigned>(width), static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const int want[3] = {static_cast<int>(r * 255), static_cast<int>(g * 255), static_cast<int>(b * 255)};
    bool found = false;
    for (int j = 0; j < height && !found; ++j)
      for (int i = 0; i < width && !found; ++i) {
        const unsigned long value = XGetPixel(image, i, j);
        found = true;
        for (int c = 0; c < 3; ++c)
          found = found && std::abs(static_cast<int>(value >> (16 - 8 * c) & 0xff) - want[c]) <= tolerance;
      }
    XDestroyImage(image);
    return found;
  }
  bool colourAt(float x, float y, float r, float g, float b) { return colourIn(x, y, 1, 1, r, g, b); }
  bool anyBlackIn(float x, float y, float w, float h) { return colourIn(x, y, w, h, 0, 0, 0, 39); }

  std::string folder;
  pid_t server = -1, pid = -1;  // its own Xvfb, the program
  int out = -1;                 // the program's standard output
  int status = 0;               // its wait status once ended
  Display* display = nullptr;
  Window window = 0;
  XWindowAttributes attributes;
};

}  // namespace whole_program
