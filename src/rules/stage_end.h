// The end of a stage: once every rider has finished, the doping control
// follows.
#pragma once

// Called when the last rider has finished: opens the doping control.
void startDopingControl();
