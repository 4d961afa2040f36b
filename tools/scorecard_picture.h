// The score sheet: a language-free form whose rows and boxes sit where the
// score panel writes its numbers (picture units of 1072 x 1419): the sixteen
// finish places, the podiums of the three sprints and the team table.
#pragma once
#include "canvas.h"

const double SCORECARD_UNITS_X = 1072;
const double SCORECARD_UNITS_Y = 1419;

// Centres of the cells the score panel fills.
Point finishFigureCell(int place);       // place 0..15
Point finishSprintPointsCell(int place);
Point finishTotalCell(int place);
Point sprintPodiumCell(int sprint, int place);  // sprint 0..2, place 0..2
Point teamTableCell(int team, int member);
Point teamTotalCell(int team);

// The paper colour of the boxes the numbers are written in, and the plain
// ground around the sheet.
const Colour SCORECARD_PAPER = {250, 246, 232};
const Colour SCORECARD_GROUND = {236, 240, 246};

// The sheet's paper (units). The score panel writes its stage title on plain
// paper between the sheet's top edge and the title band, and its export
// message on the plain ground below the sheet's bottom edge.
const double SCORECARD_SHEET_LEFT = 18, SCORECARD_SHEET_RIGHT = 1054;
const double SCORECARD_SHEET_TOP = 10, SCORECARD_SHEET_BOTTOM = 1334;
const double SCORECARD_TITLE_BAND_TOP = 100;

Canvas paintScorecardPicture(int size);
