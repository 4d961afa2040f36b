// The section maps and course previews: pictures made once from the board
// picture. A section map is the board with everything outside one section
// dimmed to half brightness; a course preview shows the sections of a
// ready-made course at full brightness on a dimmed board. The course
// designer and the course selection show them.
//
// Plain memory work on the board picture: no GL here.
#pragma once
#include <cstdint>

#include "model/board_sections.h"

// Pictures and mask share the board picture's grid: 1024 x 512 pixels, rows
// from the top, mirrored in x against board units.
const int MASK_SIZE[2] = {1024, 512};
const int MASK_WIDTH = 1024;
const int MASK_HEIGHT = 512;
const int BOARD_IMAGE_BYTES = MASK_WIDTH * MASK_HEIGHT * 3;
const int COURSE_PREVIEW_COUNT = 4;

// Mask values.
const uint8_t MASK_OUTSIDE = 0;
const uint8_t MASK_OUTLINE = 1;  // an outline pixel just drawn
const uint8_t MASK_INSIDE = 2;

extern uint8_t sectionMapImages[SECTION_COUNT][BOARD_IMAGE_BYTES];
extern uint8_t coursePreviewImages[COURSE_PREVIEW_COUNT][BOARD_IMAGE_BYTES];

// Halves, in place, every pixel of a board-sized RGB image outside board
// section s (its arcs, its straight pieces marked for the mask and its
// outline polygons). A section number outside 0 to 8 dims everything.
void dimOutsideSection(uint8_t* image, int s);

// Draws a line of outline pixels with a plus-shaped brush into a
// 1024 x 512 mask; two equal end points set that one pixel only. Pixels
// off the mask are skipped.
void plotMaskLine(uint8_t* mask, int x0, int y0, int x1, int y1);

// Marks as inside the empty pixels enclosed by outline pixels in the box
// (widened by 3 pixels and kept on the mask), by a pass over its columns and
// one over its rows; a column or row crossed by an odd number of outline
// runs is left to the other pass.
void fillMaskOutline(uint8_t* mask, int minX, int maxX, int minY, int maxY);

// Copies every source pixel whose red byte is larger than the destination's
// over the destination pixel.
void mergeBrighterPixels(uint8_t* destination, const uint8_t* source);

// Preview c: black, then the maps of the sections named in
// predefinedCourses[c] before its finish mark merged in. Needs the maps.
void buildCoursePreview(int c);
