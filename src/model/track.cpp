#include "model/track.h"

int32_t trackSquareValue[TRACK_ROWS][TRACK_LANES];
int32_t trackTerrain[TRACK_ROWS][TRACK_LANES];
int32_t trackOccupant[TRACK_ROWS][TRACK_LANES];
int32_t trackReach12[TRACK_ROWS][TRACK_LANES];
int32_t trackReach11[TRACK_ROWS][TRACK_LANES];

int32_t trackRowCount = 0;
BoardQuad trackQuads[MAX_TRACK_QUADS];
int32_t trackQuadCount = 0;
BoardArc trackArcs[MAX_TRACK_ARCS];
int32_t trackArcCount = 0;
LaneDivider trackDividers[MAX_TRACK_DIVIDERS];
int32_t trackDividerCount = 0;

Rider riders[RIDER_COUNT];
