// The right-hand column of the race panel: the footer buttons that open the
// overlays over a running race (Scorecard, Positions, Settings, Quit) and
// the two view buttons (the 2D/3D switch and the camera button).
#pragma once

// Screens whose footer buttons and letters act (FOOTER_LIVE in the table of
// screens): the turn phases a player waits on, the start screens and a
// computer's turn.
bool isFooterScreen(int screen);

// Screens whose view buttons act (VIEW_BUTTONS_LIVE): the footer screens and
// the questions about the move drawn over the board.
bool isViewScreen(int screen);

// A mouse event on the footer buttons: a left press on a footer screen opens
// the overlay of the button under the pointer. True when it hit a button.
bool footerMouse(int button, int state, float x, float y);

// A key on a footer screen: the underlined letters of Quit, Scorecard,
// Positions and Settings in the current language. True when it acted.
bool footerKey(unsigned char key);

// A press on the view buttons of a view screen: the switch (left button)
// between the 2D view and the 3D view, each keeping its last camera; the
// camera button (left: next camera, right: previous one; in 2D either
// button turns the board by 180 degrees). True when it hit one of them.
bool viewButtonsMouse(int button, int state, float x, float y);

// The camera the camera button goes to from camera: left or right in 3D
// (3 to 10 round), either way in 2D (1 and 2). Any value comes back in range.
int nextCamera(int camera, bool view3D, bool leftButton);
