// The positions overview over a running race: the board as a map with every
// rider's figure around it joined by a line to his place, his lap and
// doping number, the course lap by lap, the stage mode and the event-card
// option. OK goes back to the race.
#pragma once

// Where rider r's figure stands around the map (drawing-area pixels).
void positionsRiderAnchor(int rider, float* x, float* y);

void drawPositionsScreen();
bool positionsScreenMouse(int button, int state, float x, float y);
bool positionsScreenKey(unsigned char key);
