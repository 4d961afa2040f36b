#include "rules/stage_end.h"

#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/race_state.h"
#include "rules/tour_state.h"

char scoreGeneral = 0;
int32_t scoreStage = 0;

namespace {

// The stage standings open over the finished board.
void showStageStandings() {
  previousScreen = SCREEN_STAGE_OVER;
  currentScreen = SCREEN_STAGE_STANDINGS;
}

// The stage standings open on the finished stage; in a tour the stage is
// stored and the tour file written, or the save-failure panel opens.
void endStage() {
  showStageStandings();
  scoreGeneral = 0;
  scoreStage = static_cast<int32_t>(stageRecords.size());
  if (tourMode == 1) {
    appendStageRecord();
    if (!writeTourFile()) currentScreen = SCREEN_SAVE_FAILED;
  }
  requestRedraw();
}

}  // namespace

void startDopingControl() {
  int r = randomBelow(30);
  int a = r / 5 + 1;
  int b = r % 5 + 1;
  if (b >= a) b += 1;
  dopingDraw[0] = a;
  dopingDraw[1] = b;
  dopingCaught = 0;
  for (int rider = 0; rider < RIDER_COUNT; rider++)
    if (caughtByDopingControl(rider)) dopingCaught = 1;
  currentScreen = SCREEN_DOPING_CONTROL;
  requestRedraw();
}

bool caughtByDopingControl(int rider) {
  if (!isRiderIndex(rider) || dopingNumber[rider] == -1) return false;
  return dopingNumber[rider] == dopingDraw[0] || dopingNumber[rider] == dopingDraw[1];
}

bool countercheckAcquits() {
  if (!isRiderIndex(activeRider)) return false;
  return countercheckDie == dopingNumber[activeRider];
}

void continueDopingControl() {
  if (currentScreen != SCREEN_DOPING_CONTROL) return;
  if (dopingCaught) {
    activeRider = -1;
    countercheckNextRider();
  } else {
    endStage();
  }
}

void countercheckNextRider() {
  // The walk runs only from the doping-control panel or a countercheck
  // panel, so a stray call after the stage has ended never restarts it.
  if (currentScreen != SCREEN_DOPING_CONTROL && currentScreen != SCREEN_COUNTERCHECK) return;
  for (;;) {
    if (activeRider >= RIDER_COUNT) return;
    activeRider += 1;
    if (activeRider >= RIDER_COUNT) {
      activeRider = -1;
      endStage();
      return;
    }
    if (caughtByDopingControl(activeRider)) {
      countercheckDie = randomBelow(6) + 1;
      if (!countercheckAcquits()) disqualifyRider(activeRider);
      currentScreen = SCREEN_COUNTERCHECK;
      requestRedraw();
      return;
    }
  }
}

void disqualifyRider(int rider) {
  if (!isRiderIndex(rider)) return;
  riders[rider].disqualified = 1;
  riderScore[rider] = 0;
  for (int p = 0; p < RESULT_PLACES; p++)
    if (raceResults[p] == rider) raceResults[p] = -1;
}

void retrySavingTour() {
  if (currentScreen != SCREEN_SAVE_FAILED) return;
  if (writeTourFile()) showStageStandings();
  requestRedraw();
}

void abortSavingTour() {
  if (currentScreen != SCREEN_SAVE_FAILED) return;
  showStageStandings();
  requestRedraw();
}
