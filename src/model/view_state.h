// View and editing state that every new race resets: the board view and
// camera, a dragged dialog panel, and the course designer's marks.
#pragma once
#include <cstdint>

extern int32_t boardView2D;      // 1 the 2D top view, 0 a 3D view
extern int32_t cameraIndex;      // 1 or 2 in 2D, 3 to 10 in 3D
extern int32_t otherModeCamera;  // the camera of the mode not shown
extern int panelDragging;        // 1 while a dialog panel is held by its title strip
extern float panelGrabOffset[2]; // where the panel was grabbed, relative to its corner

extern int sprintToggle;  // the next appended section gets a sprint mark
extern int finishToggle;  // the next appended section gets the finish
extern int sprintCount;   // sprint marks in the designed course, at most 3
