#include "ui/positions_screen.h"

#include <algorithm>
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

// Room kept between a text and what it must clear, and between the top
// team's name and the version strip over the screen.
const float TEXT_GAP = 1;
const float STRIP_GAP = 4;
const float VERSION_STRIP_HEIGHT = 15;
// A figure's token: 14 pixels down from its centre, 14 k across.
const float FIGURE_RADIUS = 14;

// Heights of the two fonts' glyphs about the baseline, which lies 3 pixels
// under the y that drawText is given.
float capitalHeight(int font) { return font == FONT_LARGE ? 13.0f : 9.0f; }
float descenderDepth(int font) { return font == FONT_LARGE ? 4.0f : 3.0f; }

bool sideTeam(int team) { return team % 2 == 1; }

// Where a team's name and its "Computer player" line are centred.
void teamLabelPoint(int team, float* x, float* y) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const float side = static_cast<float>(team / 2);
  if (sideTeam(team)) {
    *x = 0.05f * W + side * 0.9f * W;
    *y = 0.31f * H;
  } else {
    *x = 0.5f * W;
    *y = 0.89f * H - side * 0.84f * H;
  }
}

void planAnchor(int rider, float* x, float* y) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const int team = riderTeam(rider);
  const float m = static_cast<float>(riderMember(rider));
  const float side = static_cast<float>(team / 2);
  if (sideTeam(team)) {
    *x = 0.05f * W + side * 0.9f * W;
    *y = (0.35f + 0.1f * m) * H;
  } else {
    *x = (0.35f + 0.1f * m) * W;
    *y = 0.82f * H - side * 0.72f * H;
  }
}

void placeText(PositionsText* text, const std::string& content, int font, float x, float y) {
  text->text = content;
  text->font = font;
  text->x = x;
  text->y = y;
  text->shown = true;
}

bool overlapAcross(const PositionsTextBox& a, const PositionsTextBox& b) {
  return a.left < b.right + TEXT_GAP && b.left < a.right + TEXT_GAP;
}

PositionsTextBox figureBox(const PositionsLayout& layout, int rider) {
  const float across = FIGURE_RADIUS * tokenAspect();
  return {layout.anchorX[rider] - across, layout.anchorY[rider] - FIGURE_RADIUS,
          layout.anchorX[rider] + across, layout.anchorY[rider] + FIGURE_RADIUS};
}

// How far the top (direction 1, down) or bottom (-1, up) row of riders must
// move towards the map so that no figure or text of the row lies on the
// team's name or computer line.
float rowShift(const PositionsLayout& layout, int team, float direction) {
  float shift = 0;
  for (const PositionsText* label : {&layout.teamName[team], &layout.computerLine[team]}) {
    if (!label->shown) continue;
    const PositionsTextBox fixed = positionsTextBox(*label);
    for (int m = 0; m < TEAM_SIZE; ++m) {
      const int rider = team * TEAM_SIZE + m;
      if (riders[rider].finished) continue;
      PositionsTextBox boxes[3] = {figureBox(layout, rider), positionsTextBox(layout.lap[rider]),
                                   positionsTextBox(layout.doping[rider])};
      const int count = layout.doping[rider].shown ? 3 : 2;
      for (int b = 0; b < count; ++b) {
        if (!overlapAcross(boxes[b], fixed)) continue;
        const float need = direction > 0 ? fixed.bottom + TEXT_GAP - boxes[b].top
                                         : boxes[b].bottom + TEXT_GAP - fixed.top;
        if (need > shift) shift = need;
      }
    }
  }
  return shift;
}

void moveRow(PositionsLayout* layout, int team, float dy) {
  for (int m = 0; m < TEAM_SIZE; ++m) {
    const int rider = team * TEAM_SIZE + m;
    layout->anchorY[rider] += dy;
    layout->lap[rider].y += dy;
    layout->doping[rider].y += dy;
  }
}

// Moves a text sideways until it lies inside the window.
void keepInsideWindow(PositionsText* text) {
  if (!text->shown) return;
  const float W = static_cast<float>(drawAreaWidth);
  const PositionsTextBox box = positionsTextBox(*text);
  if (box.left < TEXT_GAP)
    text->x += TEXT_GAP - box.left;
  else if (box.right > W - TEXT_GAP)
    text->x -= box.right - (W - TEXT_GAP);
}

void layOutTeam(PositionsLayout* layout, int team) {
  float labelX, labelY;
  teamLabelPoint(team, &labelX, &labelY);
  char name[TEAM_NAME_SIZE];
  std::snprintf(name, sizeof name, "%.*s", TEAM_NAME_SIZE - 1, teamNames[team]);
  // Beside the map a name has the margin between the window's edge and the
  // map; one too wide for it in the large font is set in the small one.
  int nameFont = FONT_LARGE;
  if (sideTeam(team) && static_cast<float>(measureTextWidth(name, FONT_LARGE)) > layout->mapX - 2 * TEXT_GAP)
    nameFont = FONT_SMALL;
  placeText(&layout->teamName[team], name, nameFont, labelX, labelY - 14);
  if (!riders[team * TEAM_SIZE].humanControlled)
    placeText(&layout->computerLine[team], textComputerPlayer, FONT_SMALL, labelX, labelY);

  // Beside a column the texts keep clear of a token widened on a drawing
  // area of other proportions than 5:4.
  const float widening = sideTeam(team) ? FIGURE_RADIUS * (tokenAspect() - 1) : 0;
  for (int m = 0; m < TEAM_SIZE; ++m) {
    const int rider = team * TEAM_SIZE + m;
    float x, y;
    planAnchor(rider, &x, &y);
    layout->anchorX[rider] = x;
    layout->anchorY[rider] = y;
    if (riders[rider].finished) continue;
    const float outward = LAP_TEXT_OFFSET[team][0] < 0 ? -widening : widening;
    char text[32];
    std::snprintf(text, sizeof text, "%s%d", textLapShort, riderLap[rider]);
    placeText(&layout->lap[rider], text, FONT_SMALL, x + LAP_TEXT_OFFSET[team][0] + outward,
              y + LAP_TEXT_OFFSET[team][1]);
    if (dopingNumber[rider] != -1) {
      std::snprintf(text, sizeof text, "D:%d", dopingNumber[rider]);
      placeText(&layout->doping[rider], text, FONT_SMALL, x + DOPING_TEXT_OFFSET[team][0] + outward,
                y + DOPING_TEXT_OFFSET[team][1]);
    }
  }
}

void drawRiderLine(int rider, float anchorX, float anchorY, const PositionsLayout& layout) {
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
  glVertex2f(layout.mapX + r.boardX * layout.mapWidth / 1954,
             layout.mapY + r.boardY * layout.mapHeight / 1152);
  glEnd();
}

void drawPlacedText(const PositionsText& text) {
  if (text.shown) drawText(text.x, text.y, ALIGN_CENTRE, text.text.c_str(), text.font, -1, 0, 0);
}

void drawTeam(int team, const PositionsLayout& layout) {
  glColor3f(1, 1, 1);
  drawPlacedText(layout.computerLine[team]);
  drawPlacedText(layout.teamName[team]);

  for (int m = 0; m < TEAM_SIZE; ++m) {
    const int rider = team * TEAM_SIZE + m;
    if (riders[rider].finished) continue;
    const float x = layout.anchorX[rider];
    const float y = layout.anchorY[rider];
    drawRiderLine(rider, x, y, layout);
    glPushMatrix();
    glTranslatef(x, y, 0);
    drawRiderFigure(rider, POSE_FLAT, 1, 1.0f, 1);
    glPopMatrix();
    glColor3f(1, 1, 1);
    drawPlacedText(layout.lap[rider]);
    drawPlacedText(layout.doping[rider]);
  }
}

}  // namespace

PositionsTextBox positionsTextBox(const PositionsText& text) {
  const char* content = text.text.c_str();
  const float left = alignedTextX(text.x, ALIGN_CENTRE, content, text.font);
  const float baseline = text.y + 3;
  return {left, baseline - capitalHeight(text.font),
          left + static_cast<float>(measureTextWidth(content, text.font)),
          baseline + descenderDepth(text.font)};
}

void layOutPositions(PositionsLayout* layout) {
  *layout = PositionsLayout();
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  // The map narrows about its centre where a side team's computer line,
  // kept inside the window, would reach it.
  layout->mapX = 0.1f * W;
  for (int team = 1; team < TEAM_COUNT; team += 2) {
    if (riders[team * TEAM_SIZE].humanControlled) continue;
    PositionsText line;
    placeText(&line, textComputerPlayer, FONT_SMALL, 0.05f * W, 0);
    keepInsideWindow(&line);
    layout->mapX = std::max(layout->mapX, positionsTextBox(line).right + TEXT_GAP);
  }
  layout->mapWidth = 0.8f * W - 2 * (layout->mapX - 0.1f * W);
  layout->mapHeight = boardPictureHeight(layout->mapWidth);
  layout->mapY = 0.46f * H - 0.5f * layout->mapHeight;
  for (int team = 0; team < TEAM_COUNT; ++team) layOutTeam(layout, team);

  // The top team's name and computer line keep off the version strip.
  const float nameTop = positionsTextBox(layout->teamName[2]).top;
  if (nameTop < VERSION_STRIP_HEIGHT + STRIP_GAP) {
    const float down = VERSION_STRIP_HEIGHT + STRIP_GAP - nameTop;
    layout->teamName[2].y += down;
    layout->computerLine[2].y += down;
  }
  moveRow(layout, 2, rowShift(*layout, 2, 1));
  moveRow(layout, 0, -rowShift(*layout, 0, -1));

  for (int team = 0; team < TEAM_COUNT; ++team) {
    keepInsideWindow(&layout->teamName[team]);
    keepInsideWindow(&layout->computerLine[team]);
  }
  for (int rider = 0; rider < RIDER_COUNT; ++rider) {
    keepInsideWindow(&layout->lap[rider]);
    keepInsideWindow(&layout->doping[rider]);
  }
}

void positionsRiderAnchor(int rider, float* x, float* y) {
  if (rider < 0 || rider >= RIDER_COUNT) {
    *x = *y = 0;
    return;
  }
  PositionsLayout layout;
  layOutPositions(&layout);
  *x = layout.anchorX[rider];
  *y = layout.anchorY[rider];
}

void drawPositionsScreen() {
  if (currentScreen != SCREEN_POSITIONS) return;
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  PositionsLayout layout;
  layOutPositions(&layout);
  drawBoardPicture(layout.mapX, layout.mapY, layout.mapWidth, layout.mapHeight);

  for (int team = 0; team < TEAM_COUNT; ++team) drawTeam(team, layout);

  const float cx = 0.05f * W;
  const float cy = 0.81f * H;
  const CourseLapList laps = {cx - 6, cy - 8, cx, cy, 0.02f * H};
  drawCourseLapList(laps, countCourseLaps(1));

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
