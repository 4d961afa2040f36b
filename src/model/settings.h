// The player's preferences that the rules and the display read: how computer
// moves are animated and the screen ratio. Kept in the "settings" file.
#pragma once

const int defaultSmoothComputerMovement = 1;
const int defaultSmoothMoveDelayMs = 0;
const float defaultSmoothMoveDistance = 10;
const int defaultStepMoveIntervalMs = 200;

extern int smoothComputerMovement;  // 1 smooth, 0 square by square
extern int smoothMoveDelayMs;       // timer interval of a smooth move
extern float smoothMoveDistance;    // board units per tick of a smooth move
extern int stepMoveIntervalMs;      // timer interval between two squares
extern double screenRatio[2];       // (5,4), (4,3), (16,10); (-1,-1) until detected
