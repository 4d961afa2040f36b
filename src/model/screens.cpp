#include "model/screens.h"

int currentScreen = SCREEN_LOADING;
int previousScreen = SCREEN_MAIN_MENU;
