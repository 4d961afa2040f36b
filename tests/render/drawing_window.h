// The window that the drawing tests and the frame benchmark draw in: one
// freeglut window under X (Xvfb with Mesa in the tests), opened the same way
// for both, with the tables every frame needs.
#pragma once

// Opens a double-buffered RGB window with a depth buffer of width x height,
// lets it be mapped before anything is drawn or read back, and prepares the
// sine tables, the font widths, the board sections and the English interface
// texts. argc and argv go to glutInit. Returns the GLUT window id.
int openDrawingWindow(int* argc, char** argv, int width, int height);
