#include "rules/line_points.h"

#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/race_state.h"
#include "rules/turn_sequence.h"

namespace {

bool holdsPlaceOnLine(int rider, int first, int places) {
  for (int p = 0; p < places; p++)
    if (raceResults[first + p] == rider) return true;
  return false;
}

}  // namespace

void awardLinePoints(int fromRow, int toRow, int* rider) {
  if (!rider || *rider < 0 || *rider >= RIDER_COUNT) return;
  int who = *rider;
  for (int k = 0; k <= FINISH_LINE; k++) {
    int line = lineRows[k];
    if (line < 0 || !(fromRow <= line && line < toRow)) continue;
    int places = k < FINISH_LINE ? SPRINT_PLACES : FINISH_PLACES;
    int first = SPRINT_PLACES * k;
    // A rider put back behind a line he had already crossed crosses it
    // again on a later move; he keeps his first place and gets no other.
    if (holdsPlaceOnLine(who, first, places)) continue;
    for (int p = 0; p < places; p++) {
      if (raceResults[first + p] != -1) continue;
      raceResults[first + p] = who;
      riderScore[who] += placePoints[first + p];
      if (p == 0) {
        lastLineWinner = who;
        requestRedraw();
      }
      break;
    }
  }
}

void parkBlockedRider() {
  currentScreen = SCREEN_BUSY;
  if (isRiderIndex(activeRider)) {
    Rider& rider = riders[activeRider];
    rider.parked = 1;
    rider.movedThisRound = 1;
    liftRiderOffGrid(activeRider);
    pathLength = 0;
    placeRiderFigure(activeRider);
  }
  requestRedraw();
  nextTurn();
}
