#include "rules/move_animation.h"

float animRow = 0;
float animLane = 0;
float animRowTarget = 0;
