#include "ui/start_screens.h"

// Until the start screens are played by hand no throw is listed.
void drawStartOrderList() {}
