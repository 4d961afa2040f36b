#include "ui/score_panel.h"

// No score panel is shown yet, so there is nothing to hold or move.
bool grabScorePanel(float, float) { return false; }

void dragScorePanel(float, float) {}
