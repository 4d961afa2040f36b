#include "render/drawing_window.h"

#include <GL/freeglut.h>

#include "model/board_sections.h"
#include "model/track_geometry.h"
#include "texts/language_texts.h"
#include "texts/text_layout.h"

namespace {

// Frames are drawn when the caller asks, never by GLUT.
void ignoreRepaint() {}

}  // namespace

int openDrawingWindow(int* argc, char** argv, int width, int height) {
  glutInit(argc, argv);
  glutInitDisplayString("rgb double depth>=24");
  glutInitWindowSize(width, height);
  int window = glutCreateWindow("Corvalis");
  glutDisplayFunc(ignoreRepaint);
  // Let the window be mapped before anything is drawn or read back.
  for (int i = 0; i < 3; ++i) glutMainLoopEvent();
  fillSineTables();
  initFontWidths();
  initBoardSections();
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  return window;
}
