// The mouse and keyboard callbacks of the one game window. Each event goes
// first to the handler of the screen that is current when the event
// arrives; the parts every race screen shares (the card hand, the panel
// grab, the footer and the view buttons) get it only when that handler did
// not take it and the screen has not changed, so one click or key never
// does two things. A left release acts only after a press on the same
// screen. A screen's handlers are named in its row of the table of screens.
//
// Pointer positions reach the screen handlers in drawing-area pixels (the
// window position minus drawAreaX, drawAreaY), y growing downwards.
#pragma once

// GLUT mouse callback: button GLUT_LEFT_BUTTON.., state GLUT_DOWN/GLUT_UP,
// window position. The wheel (buttons 3 and 4) is ignored.
void onMouseClick(int button, int state, int x, int y);
// GLUT motion callback: the pointer moves with a button held.
void onMouseDrag(int x, int y);
// GLUT passive-motion callback: the pointer moves with no button held.
void onMouseHover(int x, int y);
// GLUT keyboard-up callback: key as a byte. Keys act on release only.
void onKeyboardUp(unsigned char key, int x, int y);
// GLUT special-key-up callback: GLUT_KEY_LEFT, GLUT_KEY_HOME, ...
void onSpecialKeyUp(int key, int x, int y);

