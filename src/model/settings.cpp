#include "model/settings.h"

int smoothComputerMovement = defaultSmoothComputerMovement;
int smoothMoveDelayMs = defaultSmoothMoveDelayMs;
float smoothMoveDistance = defaultSmoothMoveDistance;
int stepMoveIntervalMs = defaultStepMoveIntervalMs;
double screenRatio[2] = {-1, -1};
