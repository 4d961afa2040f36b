// The plain filled shapes every overlay and the scene lists are built from,
// drawn in immediate mode in the current colour and GL transform.
#pragma once

// Filled axis-aligned rectangle from (x0, y0) to (x1, y1), current colour.
void filledRect(float x0, float y0, float x1, float y1);

// Filled rectangle with rounded corners of radius r, in the current colour.
void drawRoundedRect(float x, float y, float w, float h, float r);
