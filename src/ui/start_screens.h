// The start of a race: the start-order throw with its list of throws, and
// placing a person's riders on the start grid.
#pragma once

// The list of the teams' start-order throws on the race panel: each team's
// first rider number with its throw, a team out of a roll-off in grey.
void drawStartOrderList();

// The Throw button (Next once thrown) of the start-order throw: a left
// release on it throws for the team in turn, or after a throw goes on to the
// next team, a roll-off or the placing. True when the event hit the button.
bool startThrowMouse(int button, int state, float x, float y);

// The Throw or Next letter of the start-order throw in the current
// language. True when it is that letter.
bool startThrowKey(unsigned char key);

// Enter or Space on the start grid places the person's rider on the cursor
// square when he may stand there. True for those two keys.
bool startGridKey(unsigned char key);

// The arrow keys on the start grid move the cursor over the start squares,
// in the directions of the course's start section, and redraw. True for the
// four arrows.
bool startGridSpecialKey(int key);
