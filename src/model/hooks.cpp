#include "model/hooks.h"

#include <cstdlib>

void (*redrawHook)() = nullptr;
void (*moveTimerHook)(unsigned int delayMs, int value) = nullptr;
int (*gameRandomOverride)() = nullptr;

void requestRedraw() {
  if (redrawHook) redrawHook();
}

void requestMoveTimer(unsigned int delayMs, int value) {
  if (moveTimerHook) moveTimerHook(delayMs, value);
}

int gameRandom() {
  return gameRandomOverride ? gameRandomOverride() : rand();
}
