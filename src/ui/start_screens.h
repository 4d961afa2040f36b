// The start of a race: the start-order throw with its list of throws, and
// placing a person's riders on the start grid.
#pragma once

// The list of the teams' start-order throws on the race panel.
void drawStartOrderList();
