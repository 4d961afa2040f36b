// The questions and messages of a race, each in the shared dialog panel
// over the board: the follow question, the event card and its follow-ups
// (card kind, timing, cancelled card, no card to hand in), the rider who
// cannot go forward, doping and its number, the doping control and the
// countercheck, the quit question and the failed save. Also the Throw of
// the extra die below the race panel's dice. Every answer calls the rule
// operation that carries it out; the panels only read the race state.
#pragma once

// The OVERLAY_DIALOGS block: the current screen's turn dialog, nothing on
// other screens.
void drawTurnDialogs();

// The current screen's dialog panel (see panelCover); false on screens
// without a turn dialog.
bool turnDialogCover(float rect[4]);

// A mouse event on the current turn dialog: a left release on one of its
// buttons answers it. True when the event hit one of its buttons.
bool turnDialogMouse(int button, int state, float x, float y);

// A key on the current turn dialog: Enter, Space or "o" confirm a message;
// the underlined letters of the current language answer a question. True
// when the key is one of the dialog's keys.
bool turnDialogKey(unsigned char key);

// The caught riders' printed numbers, in rider order, joined by ",";
// empty when nobody was caught. Reads the doping control's verdict only.
void listCaughtRiders(char* out, int size);

// The y (in the panel body, as drawText takes it) of slot k of an event
// card's slots lines: 12 pixels apart around the middle of the body, moved
// up and, where even that is not enough, drawn closer so that the last line
// ends above the buttons and the first stays inside the body.
float eventCardLineY(int k, int slots);
