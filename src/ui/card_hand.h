// The card hand of the race panel: the shown team's strength cards with the
// team tabs, and the hand-in slots of an event card. A person chooses cards
// for his throw (card screen) or to hand in (the two hand-in screens) by
// pressing on them or by F1 to F12, and takes them back the same way.
#pragma once

// The card panel with the team tabs and the shown team's cards.
void drawCardHand();

// The rectangle (drawing-area pixels: left, top, right, bottom) that the
// card hand paints over opaquely, its white rim included.
void cardHandCover(float rect[4]);

// The two hand-in slots and their OK button (hand-in screens only).
void drawHandInSlots();

// A mouse event on the cards, tabs and hand-in slots. True when it hit one
// of them.
bool cardHandMouse(int button, int state, float x, float y);

// A special key for the card hand (F1 to F12). True when it is one of its
// keys on this screen.
bool cardHandSpecialKey(int key);

// A key for the card hand: Tab shows the next team's hand, Shift-Tab the
// previous one's. True when it acted.
bool cardHandKey(unsigned char key);

// The card slot 0..17 whose place in the card grid holds the point, -1 for
// a point outside the grid or in a gap between cards. Card edges belong to
// the card.
int cardGridSlotAt(float x, float y);

// OK of the hand-in slots (button or key): the cards placed are handed in
// (answerHandInCards); an entry that names no card counts as empty.
void answerHandInSlots();

// The card in entry 0 or 1 of the chosen cards (not the doping card) goes
// back to the hand; with no card left chosen, Breakaway is cleared. True
// when a card went back. Does not redraw.
bool takeBackChosenCard(int entry);

