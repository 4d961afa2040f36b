#include "render/widgets.h"

#include <cstdio>
#include <cstring>

#include <GL/gl.h>

#include "model/screens.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/shapes.h"
#include "render/text.h"
#include "rules/race_state.h"

const float teamColour[4][3] = {{0, 0.6f, 0}, {0.6f, 0, 0}, {0, 0, 0}, {0, 0, 0.6f}};
const float teamColourDim[4][3] = {{0, 0.3f, 0}, {0.3f, 0, 0}, {0.5f, 0.5f, 0.5f}, {0, 0, 0.3f}};

namespace {

void line(float x0, float y0, float x1, float y1) {
  glBegin(GL_LINES);
  glVertex2f(x0, y0);
  glVertex2f(x1, y1);
  glEnd();
}

struct HotKeyExtent {
  int total;   // the whole label
  int before;  // the letters before the hot key
  int key;     // the hot key itself
};

// Measures the label for its underline; false when hotKeyIndex names no
// letter of the label.
bool hotKeyExtent(const char* label, int hotKeyIndex, HotKeyExtent* extent) {
  if (label == nullptr || hotKeyIndex < 0) return false;
  int length = static_cast<int>(std::strlen(label));
  if (hotKeyIndex >= length) return false;
  extent->total = 0;
  extent->before = 0;
  for (int i = 0; i < length; ++i) {
    int width = charWidthsSmall[static_cast<unsigned char>(label[i])];
    extent->total += width;
    if (i < hotKeyIndex) extent->before += width;
  }
  extent->key = charWidthsSmall[static_cast<unsigned char>(label[hotKeyIndex])];
  return true;
}

void printedNumber(int rider, char* out, size_t size) {
  std::snprintf(out, size, "%d", printedRiderNumber(rider));
}

// The pips of a die showing v (1 to 6) on a die of side s; anything else is
// a blank die.
void drawPips(int v, float s) {
  if (v < 1 || v > 6) return;
  float points[6][2];
  int count = 0;
  auto add = [&](float px, float py) {
    points[count][0] = px;
    points[count][1] = py;
    ++count;
  };
  if (v % 2 == 1) add(0.5f, 0.5f);
  if (v == 2 || v == 3) {
    add(0.25f, 0.25f);
    add(0.75f, 0.75f);
  }
  if (v > 3) {
    add(0.25f, 0.25f);
    add(0.75f, 0.25f);
    add(0.25f, 0.75f);
    add(0.75f, 0.75f);
  }
  if (v == 6) {
    add(0.25f, 0.5f);
    add(0.75f, 0.5f);
  }
  for (int i = 0; i < count; ++i) {
    glPushMatrix();
    glTranslatef(points[i][0] * s, points[i][1] * s, 0);
    glCallList(diePipList);
    glPopMatrix();
  }
}

}  // namespace

void drawPanel(float x, float y, float w, float h) { drawPanelUnderPicture(x, y, w, h, 0); }

void drawPanelUnderPicture(float x, float y, float w, float h, float pictureHeight) {
  glColor3f(0, 0, 0.5f);
  filledRect(x, y - panelTitleHeight, x + w, y);
  glColor3f(1, 1, 1);
  filledRect(x, y + pictureHeight, x + w, y + h);
}

void drawStrengthCard(float x, float y, int team, int slot, float intensity) {
  if (team < 0 || team >= TEAM_COUNT) return;
  const float i = intensity;
  bool white = false;
  char label[12] = "";
  if (slot >= 0 && slot < STRENGTH_CARDS) {
    white = strengthCardValue[slot] == STRENGTH_WHITE;
    if (slot < FIRST_TEAM_SLOT)
      printedNumber(team * TEAM_SIZE + cardHolderMember[slot], label, sizeof label);
    else
      std::strcpy(label, "P");
  } else if (slot >= FIRST_EXTRA_SLOT && slot < CARD_SLOTS) {
    int holder = extraCardHolder[team][slot - FIRST_EXTRA_SLOT];
    white = extraCardValue[team][slot - FIRST_EXTRA_SLOT] == STRENGTH_WHITE;
    if (isRiderIndex(holder)) printedNumber(holder, label, sizeof label);
  } else if (slot == EVENT_BONUS_SLOT) {
    white = eventCardBonusValue == STRENGTH_WHITE;
    if (isRiderIndex(activeRider))
      printedNumber(team * TEAM_SIZE + riderMember(activeRider), label, sizeof label);
  } else if (slot == CARD_DOPING) {
    white = dopingCardValue == STRENGTH_WHITE;
    std::strcpy(label, "D");
  } else {
    return;
  }
  const char* value = white ? "5" : "6";

  glPushMatrix();
  glTranslatef(x, y, 0);
  if (white)
    glColor3f(i, i, i);
  else
    glColor3f(0, 0, i);
  glCallList(cardShapeLists[0]);
  glColor3f(0, 0, i);
  glCallList(cardShapeLists[1]);
  glColor3f(i, i, i);
  glCallList(cardShapeLists[2]);
  glColor3f(0, 0, i);
  drawText(0.5f * cardWidth, 0.35f * cardHeight, ALIGN_CENTRE, label, FONT_SMALL, -1, 0, 0);
  if (white)
    glColor3f(0, 0, i);
  else
    glColor3f(i, i, i);
  drawText(0.5f * cardWidth, 0.85f * cardHeight, ALIGN_CENTRE, value, FONT_SMALL, -1, 0, 0);
  glPopMatrix();
}

float fittedButtonWidth(float width, const char* label) {
  const float needed = static_cast<float>(measureTextWidth(label, FONT_SMALL)) + 2 * BUTTON_LABEL_PADDING;
  return needed > width ? needed : width;
}

float anchoredButtonX(float x, float width, float fittedWidth, int anchor) {
  if (anchor == ANCHOR_RIGHT) return x + width - fittedWidth;
  if (anchor == ANCHOR_CENTRE) return x + 0.5f * (width - fittedWidth);
  return x;
}

void drawButton(float x, float y, float w, float h, int enabled, const char* label,
                int hotKeyIndex) {
  glColor3f(0.7f, 0.7f, 0.7f);
  filledRect(x, y, x + w, y + h);
  if (enabled)
    glColor3f(0, 0, 0);
  else
    glColor3f(0.5f, 0.5f, 0.5f);
  drawText(x + w / 2, y + h / 2, ALIGN_CENTRE, label, FONT_SMALL, -1, 0, 0);
  HotKeyExtent e;
  if (hotKeyExtent(label, hotKeyIndex, &e)) {
    float start = x + w / 2 + 1 - static_cast<float>(e.total) / 2 + static_cast<float>(e.before);
    line(start, y + h / 2 + 5, start + static_cast<float>(e.key) - 1, y + h / 2 + 5);
  }
}

void drawCheckButton(int x, int y, int size, const char* label, int hotKeyIndex, int enabled,
                     int checked) {
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  const float s = static_cast<float>(size);
  const float b = s * tokenAspect();

  if (checked)
    glColor3f(0, 0, 0);
  else if (enabled)
    glColor3f(1, 1, 1);
  else
    glColor3f(0.5f, 0.5f, 0.5f);
  filledRect(fx, fy, fx + b, fy + s);
  if (checked) {
    if (enabled)
      glColor3f(1, 1, 1);
    else
      glColor3f(0.5f, 0.5f, 0.5f);
    glBegin(GL_TRIANGLES);
    glVertex2f(fx + 0.1f * b, fy);
    glVertex2f(fx + 0.9f * b, fy);
    glVertex2f(fx + 0.5f * b, fy + 0.4f * s);
    glVertex2f(fx, fy + 0.1f * s);
    glVertex2f(fx, fy + 0.9f * s);
    glVertex2f(fx + 0.4f * b, fy + 0.5f * s);
    glVertex2f(fx + 0.1f * b, fy + s);
    glVertex2f(fx + 0.9f * b, fy + s);
    glVertex2f(fx + 0.5f * b, fy + 0.6f * s);
    glVertex2f(fx + b, fy + 0.1f * s);
    glVertex2f(fx + b, fy + 0.9f * s);
    glVertex2f(fx + 0.6f * b, fy + 0.5f * s);
    glEnd();
  }
  if (enabled)
    glColor3f(1, 1, 1);
  else
    glColor3f(0.5f, 0.5f, 0.5f);
  float textX = fx + 1.15f * b;
  float textY = fy + 0.55f * s;
  drawText(textX, textY, ALIGN_LEFT, label, FONT_SMALL, -1, 0, 0);
  HotKeyExtent e;
  if (hotKeyExtent(label, hotKeyIndex, &e)) {
    float start = textX + static_cast<float>(e.before);
    line(start, textY + 5, start + static_cast<float>(e.key) - 1, textY + 5);
  }
}

void drawFramedLabel(int x, int y, int w, int h, const char* text) {
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  float textWidth = static_cast<float>(measureTextWidth(text != nullptr ? text : "", FONT_SMALL));
  glBegin(GL_LINE_STRIP);
  glVertex2f(fx + frameLabelInset, fy);
  glVertex2f(fx, fy);
  glVertex2f(fx, fy + static_cast<float>(h));
  glVertex2f(fx + static_cast<float>(w), fy + static_cast<float>(h));
  glVertex2f(fx + static_cast<float>(w), fy);
  glVertex2f(fx + frameLabelInset + textWidth, fy);
  glEnd();
  drawText(fx + frameLabelInset, fy, ALIGN_LEFT, text, FONT_SMALL, -1, 0, 0);
}

void drawTextField(int x, int y, int w, int h, const char* text, char focused, char caret,
                   int enabled) {
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  if (enabled)
    glColor3f(1, 1, 1);
  else
    glColor3f(0.5f, 0.5f, 0.5f);
  filledRect(fx, fy, fx + static_cast<float>(w), fy + static_cast<float>(h));
  glColor3f(0, 0, 0);
  float textY = fy + static_cast<float>(h) / 2;
  const float textX = fx + TEXT_FIELD_INSET;
  drawText(textX, textY, ALIGN_LEFT, text, FONT_FIXED, -1, 0, 0);
  if (focused)
    drawText(textX + static_cast<float>(caret) * FIXED_FONT_ADVANCE, textY, ALIGN_LEFT, "_", FONT_FIXED, -1, 0, 0);
}

void drawRadioButton(int cx, int cy, int r, int selected, int enabled) {
  const float k = tokenAspect();
  auto fan = [&](float radius) {
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(static_cast<float>(cx), static_cast<float>(cy));
    for (int degree = 0; degree <= 360; degree += 45)
      glVertex2f(static_cast<float>(cx) + k * radius * cosTable[degree],
                 static_cast<float>(cy) + radius * sinTable[degree]);
    glEnd();
  };
  if (enabled)
    glColor3f(1, 1, 1);
  else
    glColor3f(0.5f, 0.5f, 0.5f);
  fan(static_cast<float>(r));
  if (selected) {
    glColor3f(0, 0, 0);
    fan(static_cast<float>(r) / 2);
  }
}

void drawDice(int extraOnly) {
  glPushMatrix();
  int count = extraOnly ? 1 : 2;
  float originX = extraOnly ? extraDieX : diceX;
  float originY = extraOnly ? extraDieY : diceY;
  for (int k = 0; k < count; ++k) {
    glPushMatrix();
    glTranslatef(originX + static_cast<float>(k) * (dieSize + dieGap), originY, 0);
    glCallList(dieBodyList);
    if (!extraOnly && chosenCards[k] != CARD_DIE) {
      // The card played in the die's place, centred across it.
      if (isRiderIndex(activeRider))
        drawStrengthCard((dieSize - cardWidth) / 2, 0, activeRider / 4, chosenCards[k], 1);
    } else if (extraOnly) {
      drawPips(extraDie, dieSize);
    } else if (movementValues[k] != -1) {
      drawPips(movementValues[k], dieSize);
    }
    glPopMatrix();
  }
  glPopMatrix();
}

void drawRiderFigure(int rider, int pose, int withLabel, float scale, int markWinner) {
  if (!isRiderIndex(rider)) return;
  const int team = rider / 4;
  const bool scaled = scale != 1.0f;
  if (scaled) {
    glPushMatrix();
    glScalef(scale, scale, 1);
  }

  const float* colour = teamColour[team];
  if (currentScreen == SCREEN_POSITIONS && riders[rider].parked)
    colour = teamColourDim[team];
  else if (currentScreen == SCREEN_SETTINGS && team != 2)
    colour = teamColourDim[team];
  const bool winnerMarked = markWinner && rider == lastLineWinner;
  if (winnerMarked)
    glColor3f(1, 1, 0);
  else
    glColor3fv(colour);

  if (pose == POSE_FLAT) {
    glCallList(tokenDiscList);
    glCallList(riderFigureLists[0]);
  } else {
    glCallList(tokenCylinderList);
    glCallList(rider == lastLineWinner ? riderFigureLists[5] : riderFigureLists[1 + team]);
  }

  if (withLabel) {
    if (winnerMarked)
      glColor3f(0, 0, 0);
    else
      glColor3f(1, 1, 1);
    char number[12];
    printedNumber(rider, number, sizeof number);
    if (scale == 1.0f)
      drawText(0, 0, ALIGN_CENTRE, number, FONT_SMALL, -1, 0, 0);
    else if (scale == 0.7f)
      drawText(-1 / 0.49f, 1 / 0.49f, ALIGN_CENTRE, number, FONT_SMALL, -1, 0, 0);
  }

  if (scaled) glPopMatrix();
}
