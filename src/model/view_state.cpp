#include "model/view_state.h"

int32_t boardView2D = 1;
int32_t cameraIndex = 1;
int32_t otherModeCamera = 3;
int panelDragging = 0;
float panelGrabOffset[2] = {0, 0};

int sprintToggle = 0;
int finishToggle = 0;
int sprintCount = 0;
