#include "model/hooks.h"

#include <cstdlib>

void (*redrawHook)() = nullptr;
void (*moveTimerHook)(unsigned int delayMs, int value) = nullptr;
int (*tourSaveHook)(const std::string& fileName) = nullptr;
void (*exitProgramHook)(int status) = std::exit;
int (*keyModifiersHook)() = nullptr;
void (*overlayBlocks[OVERLAY_BLOCK_COUNT])() = {};
bool (*opaqueOverlayHook)(float rect[4]) = nullptr;
void (*screenLayoutHook)() = nullptr;
void (*sceneListsRebuiltHook)() = nullptr;
int (*gameRandomOverride)() = nullptr;
int (*syncToDiskOverride)(int fd) = nullptr;

void requestRedraw() {
  if (redrawHook) redrawHook();
}

void requestMoveTimer(unsigned int delayMs, int value) {
  if (moveTimerHook) moveTimerHook(delayMs, value);
}

int gameRandom() {
  return gameRandomOverride ? gameRandomOverride() : rand();
}
