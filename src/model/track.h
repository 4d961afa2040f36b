// The laid track: the grids a course is copied into (row 0 is the start,
// rows grow along the race, each later lap 3 lanes further across), its
// picture pieces, and the sixteen riders standing on it.
#pragma once
#include <cstdint>

#include "model/board_sections.h"

const int TRACK_ROWS = 545;
const int TRACK_LANES = 23;
const int MAX_TRACK_QUADS = 265;
const int MAX_TRACK_ARCS = 315;
const int MAX_TRACK_DIVIDERS = 90;
const int RIDER_COUNT = 16;
const int TEAM_COUNT = 4;
const int TEAM_SIZE = 4;

extern int32_t trackSquareValue[TRACK_ROWS][TRACK_LANES];  // -99 none, -10 pass-through, else modifier
extern int32_t trackTerrain[TRACK_ROWS][TRACK_LANES];      // TERRAIN_*, 0 no square
extern int32_t trackOccupant[TRACK_ROWS][TRACK_LANES];     // rider index, -1 none
extern int32_t trackReach12[TRACK_ROWS][TRACK_LANES];      // farthest row with 12 + modifier steps
extern int32_t trackReach11[TRACK_ROWS][TRACK_LANES];      // the same with 11 + modifier steps

extern int32_t trackRowCount;
extern BoardQuad trackQuads[MAX_TRACK_QUADS];
extern int32_t trackQuadCount;
extern BoardArc trackArcs[MAX_TRACK_ARCS];
extern int32_t trackArcCount;
extern LaneDivider trackDividers[MAX_TRACK_DIVIDERS];
extern int32_t trackDividerCount;

// One rider. Index = team * 4 + member; printed number = team * 10 + member + 21.
struct Rider {
  int32_t row = -1;             // -1 until placed on the start grid
  int32_t lane = -1;
  int32_t skipTurns = 0;        // turns still to sit out
  int32_t parked = 0;           // off the grid for the rest of the round
  int32_t crashInvolved = 0;    // caught in a crash, still to decide on a hand-in
  int32_t movedThisRound = 0;
  uint8_t humanControlled = 0;  // 1 played by a person, 0 by the computer
  int32_t finished = 0;         // passed the finish, off the track
  int32_t disqualified = 0;     // caught by the doping countercheck
  double heading = 0;           // radians, for the drawn figure
  float boardX = 0, boardY = 0; // board units, for the drawn figure
};

extern Rider riders[RIDER_COUNT];

// Whether a value names one of the sixteen riders (-1 and values read from
// files may not).
inline bool isRiderIndex(int rider) { return rider >= 0 && rider < RIDER_COUNT; }
inline int riderTeam(int rider) { return rider / TEAM_SIZE; }
inline int riderMember(int rider) { return rider % TEAM_SIZE; }
inline int printedRiderNumber(int rider) { return riderTeam(rider) * 10 + riderMember(rider) + 21; }

// True for a cell of the track grids (row 0..544, lane 0..22).
inline bool insideTrack(int row, int lane) {
  return row >= 0 && row < TRACK_ROWS && lane >= 0 && lane < TRACK_LANES;
}
