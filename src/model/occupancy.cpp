#include "model/occupancy.h"

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/track.h"

int riderAtSquare(int row, int lane, bool acrossLaps) {
  // Drafting looks one row behind a rider on row 0, so rows outside the
  // grid do occur here: they hold nobody.
  if (!insideTrack(row, lane)) return -1;
  if (!acrossLaps) return trackOccupant[row][lane];
  if (lapRowCount <= 0) return trackOccupant[row][lane];
  int lap = row / lapRowCount;
  int base = row % lapRowCount;
  for (int k = 0; k <= 5; k++) {
    int r = base + k * lapRowCount;
    if (r >= trackRowCount || r >= TRACK_ROWS) return -1;
    int l = lane + 3 * (k - lap);
    if (l >= 0 && l < TRACK_LANES && trackOccupant[r][l] != -1) return trackOccupant[r][l];
  }
  return -1;
}

int findUniqueMax(int values[], int count) {
  if (count <= 0) return -1;
  int best = 0;
  int tie = -1;
  for (int i = 1; i < count; i++) {
    if (values[i] > values[best]) {
      best = i;
      tie = -1;
    } else if (values[i] == values[best]) {
      tie = values[i];
    }
  }
  if (tie == -1) return best;
  for (int i = 0; i < count; i++) values[i] = values[i] == tie ? -1 : 0;
  requestRedraw();
  return -1;
}

bool containsInt(const int values[], int value, unsigned count) {
  return indexOfInt(values, value, count) != -1;
}

int indexOfInt(const int values[], int value, unsigned count) {
  for (unsigned i = 0; i < count; i++)
    if (values[i] == value) return static_cast<int>(i);
  return -1;
}

char toLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
