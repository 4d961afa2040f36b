// The five rider figures: a cyclist seen from the side, riding to the right,
// in the jersey of a team (0 to 3) or of the rider who last won a line (4),
// on the yellow colour key that the loader makes transparent.
#pragma once
#include "canvas.h"

const int RIDER_FIGURE_COUNT = 5;
// The background: pure yellow, well inside the colour key.
const Colour RIDER_KEY_COLOUR = {255, 255, 0};

Colour riderJerseyColour(int figure);
Canvas paintRiderPicture(int figure);
