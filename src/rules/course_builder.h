// Lays the course string courseSpec into the track grids and resets the
// race to the start of a stage.
#pragma once

// Whether a course string can be laid: it starts with section 0 or 6, holds
// only the digits 0 to 8, "S" and "F", every section may follow the one
// before it, at most three sprints, exactly one finish with at least one
// section of run-out after it, and the laid course fits the track grids.
bool courseCanBeLaid(const char* spec);

// Empties every cell of the track grids: no square, no terrain, nobody on
// the road, no reach.
void clearTrackGrids();

// Resets every part of the race state to the start of a stage, with empty
// track grids and no course laid; the riders keep who plays them.
void resetRace();

// Lays courseSpec and resets every part of the race state for a new stage.
// A course that cannot be laid is refused: false, and nothing is touched.
bool buildCourse();
