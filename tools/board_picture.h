// The board picture, drawn from the board section catalogue: every square as
// the shape its pieces give it, coloured by terrain and marked with its
// movement modifier, the lane dividers, the section seams, the two start
// grids, the podium on the summit and the country around the roads.
#pragma once
#include <vector>

#include "canvas.h"

// The fill of a square of this terrain and movement modifier.
Colour squareColour(int terrain, int modifier);
// The fill of the squares of the two start grids.
const Colour START_GRID_COLOUR = {214, 214, 218};

// Where the centre of square (row, lane) of a section lies, in board units,
// with the section's own pieces and exact trigonometry. False when no piece
// of the section covers it.
bool sectionSquareCentre(int section, int row, int lane, Point& centre);
// Any fractional position of a section.
bool sectionPosition(int section, double row, double lane, Point& point);

// A tree or a house of the country around the roads: the circle (board
// units) that holds all of it, its shadow and roof included.
const int SCENERY_TREE = 0;
const int SCENERY_HOUSE = 1;
struct SceneryObject {
  int kind;
  Point centre;
  double radius;
};
// Every tree and house the board picture draws, each wholly on the board and
// off the roads; houses never overlap each other, and trees keep off them.
std::vector<SceneryObject> boardScenery();

// The board picture of scale x (1024 x 512) pixels. With debugMarks every
// square centre is marked with its section-local row and lane.
Canvas paintBoardPicture(int scale, bool debugMarks);

