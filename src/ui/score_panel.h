// The score panel of the scorecard, the stage standings and a saved race's
// scorecard: it can be dragged by its title strip like a dialog.
#pragma once

// A left press on the score panel's title strip on one of its screens takes
// hold of it. True when it did.
bool grabScorePanel(float x, float y);

// Moves a held score panel with the pointer (drawing-area pixels).
void dragScorePanel(float x, float y);
