#include "ui/positions_screen.h"

#include <cstdio>
#include <string>

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/track.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/widgets.h"
#include "rules/course_design.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "ui/course_designer.h"
#include "ui/screen_switch.h"

namespace {

// Offsets of the lap and doping texts from a figure, by team: below the
// bottom row, left of the left column, above the top row, right of the
// right column.
const float LAP_TEXT_OFFSET[TEAM_COUNT][2] = {{0, 25}, {-25, 0}, {0, -25}, {25, 0}};
const float DOPING_TEXT_OFFSET[TEAM_COUNT][2] = {{0, 40}, {-25, 15}, {0, -40}, {25, 15}};

// Where a team's name and its "Computer player" line are centred.
void teamLabelPoint(int team, float* x, float* y) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const float side = static_cast<float>(team / 2);
  if (team % 2 == 1) {
    *x = 0.05f * W + side * 0.9f * W;
    *y = 0.31f * H;
  } else {
    *x = 0.5f * W;
    *y = 0.89f * H - side * 0.84f * H;
  }
}

void drawRiderLine(int rider, float anchorX, float anchorY, float mapX, float mapY, float mapWidth,
                   float mapHeight) {
  const Rider& r = riders[rider];
  if (r.row == -1 || r.lane == -1) return;
  const int team = riderTeam(rider);
  if (!r.parked)
    glColor3fv(teamColour[team]);
  else if (team == 2)
    glColor3f(0.5f, 0.5f, 0.5f);
  else
    glColor3f(0.5f * teamColour[team][0], 0.5f * teamColour[team][1], 0.5f * teamColour[team][2]);
  glBegin(GL_LINES);
  glVertex2f(anchorX, anchorY);
  glVertex2f(mapX + r.boardX * mapWidth / 1954, mapY + r.boardY * mapHeight / 1152);
  glEnd();
}

void drawTeam(int team, float mapX, float mapY, float mapWidth, float mapHeight) {
  float labelX, labelY;
  teamLabelPoint(team, &labelX, &labelY);
  glColor3f(1, 1, 1);
  if (!riders[team * TEAM_SIZE].humanControlled)
    drawText(labelX, labelY, ALIGN_CENTRE, textComputerPlayer, FONT_SMALL, -1, 0, 0);
  char name[TEAM_NAME_SIZE];
  std::snprintf(name, sizeof name, "%.*s", TEAM_NAME_SIZE - 1, teamNames[team]);
  drawText(labelX, labelY - 14, ALIGN_CENTRE, name, FONT_LARGE, -1, 0, 0);

  for (int m = 0; m < TEAM_SIZE; ++m) {
    const int rider = team * TEAM_SIZE + m;
    if (riders[rider].finished) continue;
    float x, y;
    positionsRiderAnchor(rider, &x, &y);
    drawRiderLine(rider, x, y, mapX, mapY, mapWidth, mapHeight);
    glPushMatrix();
    glTranslatef(x, y, 0);
    drawRiderFigure(rider, POSE_FLAT, 1, 1.0f, 1);
    glPopMatrix();
    char text[32];
    glColor3f(1, 1, 1);
    std::snprintf(text, sizeof text, "%s%d", textLapShort, riderLap[rider]);
    drawText(x + LAP_TEXT_OFFSET[team][0], y + LAP_TEXT_OFFSET[team][1], ALIGN_CENTRE, text,
             FONT_SMALL, -1, 0, 0);
    if (dopingNumber[rider] != -1) {
      std::snprintf(text, sizeof text, "D:%d", dopingNumber[rider]);
      drawText(x + DOPING_TEXT_OFFSET[team][0], y + DOPING_TEXT_OFFSET[team][1], ALIGN_CENTRE, text,
               FONT_SMALL, -1, 0, 0);
    }
  }
}

}  // namespace

void positionsRiderAnchor(int rider, float* x, float* y) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const int team = riderTeam(rider);
  const float m = static_cast<float>(riderMember(rider));
  const float side = static_cast<float>(team / 2);
  if (team % 2 == 1) {
    *x = 0.05f * W + side * 0.9f * W;
    *y = (0.35f + 0.1f * m) * H;
  } else {
    *x = (0.35f + 0.1f * m) * W;
    *y = 0.82f * H - side * 0.72f * H;
  }
}

void drawPositionsScreen() {
  if (currentScreen != SCREEN_POSITIONS) return;
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const float mapWidth = 0.8f * W;
  const float mapHeight = boardPictureHeight(mapWidth);
  const float mapX = 0.1f * W;
  const float mapY = 0.46f * H - 0.5f * mapHeight;
  drawBoardPicture(mapX, mapY, mapWidth, mapHeight);

  for (int team = 0; team < TEAM_COUNT; ++team) drawTeam(team, mapX, mapY, mapWidth, mapHeight);

  const float cx = 0.05f * W;
  const float cy = 0.81f * H;
  drawCourseLapList(cx, cx - 6, cy, countCourseLaps(1));

  drawButton(positionsOkButtonX, positionsOkButtonY, buttonWidth, buttonHeight, 1, "OK", 0);

  std::string mode = tourMode ? textMultipleStages + ", " + raceName : textSingleStage;
  glColor3f(1, 1, 1);
  drawText(cx + 176, 0.93f * H, ALIGN_LEFT, mode.c_str(), FONT_SMALL, -1, 0, 0);
  glColor3f(0.5f, 0.5f, 0.5f);
  drawCheckButton(static_cast<int>(cx + 176), static_cast<int>(0.947f * H),
                  static_cast<int>(0.02f * H), textEnableEventCards, -1, 0, eventCardsOn ? 1 : 0);
}

bool positionsScreenMouse(int button, int state, float x, float y) {
  if (button == GLUT_LEFT_BUTTON && state == GLUT_UP &&
      pointInRect(x, y, positionsOkButtonX, positionsOkButtonY, buttonWidth, buttonHeight))
    returnToPreviousScreen();
  return true;
}

bool positionsScreenKey(unsigned char key) {
  if (key == '\r' || key == ' ' || key == 'o' || key == 'O') returnToPreviousScreen();
  return true;
}
