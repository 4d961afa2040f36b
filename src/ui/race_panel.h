// The strip of controls and read-outs below and beside the board on every
// board screen, and the frame every screen shares: the second clear of the
// full screens, the dark band and the two text lines at the top and bottom
// of the drawing area. It only draws, from the race state as it stands.
#pragma once

// The first overlay block of every frame: the shared frame, then on a board
// screen the race panel.
void drawRacePanel();

// The left edge of the active rider's box, right of the extra die: moved
// right where the drawing area is wider than 5:4 in pixels, so that the
// figure, as wide as tokenAspect() makes it, clears the die.
extern float activeRiderBoxX;

// Widens the race panel's buttons for their labels in the current language:
// the footer column as one (left edge kept), the Throw button (which reads
// Next on the start screens) with the Breakaway box moving right beside it,
// and the extra die's Throw moved clear of the Breakaway label; places the
// active rider's box. Part of every reshape, after the shared layout.
void computeRacePanelLayout();

// Whether the Doping button can be pressed: on the card screen for a rider
// without a doping number and with a die left to replace by the doping card.
bool dopingButtonEnabled();
