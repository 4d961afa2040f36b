// A person's turn: on the card screen he chooses cards (card_hand.h), may
// tick Breakaway, may take doping, and throws; on the move screen he steps
// his rider square by square with the arrow keys, may step back, and ends
// the move with Enter or Space. The hand-in screens answer with OK.
//
// Each handler returns true when the event hit one of the screen's own
// controls or is one of its keys, whether or not it acted.
#pragma once

// Card screen: a left press on Throw, a die square (takes its card back),
// the Breakaway box or the Doping button.
bool playCardsMouse(int button, int state, float x, float y);
// Card screen: the Throw, Breakaway and Doping letters of the language.
bool playCardsKey(unsigned char key);

// Move screen: Left, Up and Right step, Down steps back.
bool chooseMoveSpecialKey(int key);
// Move screen: "u" steps back; Enter or Space ends the move.
bool chooseMoveKey(unsigned char key);

// Hand-in screens: Enter, Space or "o" answer as the OK button does.
bool handInKey(unsigned char key);

// Whether Enter or Space may end the move now: before or on the finish
// row, with every step taken, or when no step at all is free from the
// rider's square.
bool moveMayEnd();
