#include "rules/stage_end.h"

#include "model/hooks.h"
#include "model/screens.h"

// The doping control itself (the draws, the countercheck and the stage
// standings) is still to come; for now the race ends on its screen.
void startDopingControl() {
  currentScreen = SCREEN_DOPING_CONTROL;
  requestRedraw();
}
