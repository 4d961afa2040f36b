// The few ways the rules reach the outside world without knowing about a
// window: a redraw request, the move timer and the random generator.
// The window code binds the hooks; tests bind them to drive a race headless.
#pragma once

// Called after every change of state; the window binds it to the display
// function. Null means nothing is drawn.
extern void (*redrawHook)();
void requestRedraw();

// Arms the computer-move timer: after delayMs the timer callback is to be
// called with value. The window binds it to glutTimerFunc; null means no
// timer runs (a test driver then calls the tick itself).
extern void (*moveTimerHook)(unsigned int delayMs, int value);
void requestMoveTimer(unsigned int delayMs, int value);

// Every random draw of the game goes through gameRandom(): rand() unless a
// test has set gameRandomOverride to script exact values.
extern int (*gameRandomOverride)();
int gameRandom();
