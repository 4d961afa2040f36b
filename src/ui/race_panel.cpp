#include "ui/race_panel.h"

#include <algorithm>
#include <cstdio>

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/track.h"
#include "model/track_geometry.h"
#include "render/frame.h"
#include "render/glyph_atlas.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/shapes.h"
#include "render/widgets.h"
#include "rules/doping.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "ui/card_hand.h"
#include "ui/footer.h"
#include "ui/start_screens.h"

float activeRiderBoxX = 0;

namespace {

const char* const VERSION_LINE = "Corvalis 1.5.2 for Windows XP";

void drawWhite(float x, float y, const char* text) {
  glColor3f(1, 1, 1);
  drawText(x, y, ALIGN_LEFT, text, FONT_SMALL, -1, 0, 0);
}

// A label followed by a number, or the label alone when the number is not
// to be shown.
void drawCounter(float x, float y, const char* label, bool withNumber, int number) {
  char line[64];
  if (withNumber)
    std::snprintf(line, sizeof line, "%s%d", label, number);
  else
    std::snprintf(line, sizeof line, "%s", label);
  drawWhite(x, y, line);
}

void clearColourBuffer() { glClear(GL_COLOR_BUFFER_BIT); }

// The dark-blue band over the drawing area's rows top to bottom (excluded),
// as a clear limited to those rows: the pixels a filled rectangle would give,
// at a fraction of its cost on a software renderer. On a board screen the
// card hand paints over its part of the band, which is left out.
void clearBand(int top, int bottom) {
  if (bottom <= top || drawAreaWidth <= 0) return;
  GLfloat clearColour[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
  glClearColor(backgroundColour[0], backgroundColour[1], backgroundColour[2], 1);
  const int band[4] = {drawAreaX, drawAreaY + top, drawAreaX + drawAreaWidth, drawAreaY + bottom};
  float cover[4];
  if (isBoardScreen()) cardHandCover(cover);
  if (!isBoardScreen() || !drawAroundCover(band, cover, clearColourBuffer))
    drawInArea(band, clearColourBuffer);
  glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
}

void drawPrelude() {
  const int W = drawAreaWidth;
  const float H = static_cast<float>(drawAreaHeight);
  // Full screens draw over a cleared window, not over the board.
  if (screenShows(currentScreen, CLEARS_WINDOW)) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  clearBand(isBoardScreen() ? static_cast<int>(cardPanelY) : 15, drawAreaHeight - 15);
  glColor3f(1, 1, 1);
  beginGlyphBatch();
  drawText(static_cast<float>(W / 2), 8, ALIGN_CENTRE, VERSION_LINE, FONT_SMALL, -1, 0, 0);
  drawText(static_cast<float>(W / 2), H - 5, ALIGN_CENTRE, textCreditLine.c_str(), FONT_SMALL, -1, 0, 0);
  endGlyphBatch();
}

void drawViewButtons() {
  const float s = viewSwitchSize;
  glColor3f(0.7f, 0.7f, 0.7f);
  filledRect(viewSwitchX, viewSwitchY, viewSwitchX + s, viewSwitchY + s);
  filledRect(cameraButtonX, cameraButtonY, cameraButtonX + cameraButtonSize,
             cameraButtonY + cameraButtonSize);
  glColor3f(0, 0, 0);
  drawText(viewSwitchX + 0.5f * s, viewSwitchY + 0.25f * s, ALIGN_CENTRE, "2D", FONT_SMALL, -1, 0, 0);
  drawText(viewSwitchX + 0.5f * s, viewSwitchY + 0.8f * s, ALIGN_CENTRE, "3D", FONT_SMALL, -1, 0, 0);
  glBegin(GL_LINES);
  glVertex2f(viewSwitchX, viewSwitchY + 0.5f * s);
  glVertex2f(viewSwitchX + s, viewSwitchY + 0.5f * s);
  glEnd();

  // A circular arrow, turning clockwise on the screen from its right-most
  // point, with its head at that point.
  const float c = cameraButtonSize;
  const float cx = cameraButtonX + 0.5f * c;
  const float cy = cameraButtonY + 0.5f * c;
  const float r = 0.4f * c;
  glBegin(GL_LINE_STRIP);
  for (int degree = 0; degree <= 320; degree += 20)
    glVertex2f(cx + r * cosTable[degree], cy + r * sinTable[degree]);
  glEnd();
  glBegin(GL_POINTS);
  glVertex2f(cx, cy);
  glEnd();
  const float ex = cx + r;
  glBegin(GL_LINE_STRIP);
  glVertex2f(ex - 0.1f * c, cy + 0.1f * c);
  glVertex2f(ex, cy);
  glVertex2f(ex + 0.1f * c, cy + 0.1f * c);
  glEnd();
}

void drawFooterButtons() {
  const int enabled = isFooterScreen(currentScreen) ? 1 : 0;
  drawButton(scorecardButtonX, scorecardButtonY, footerButtonWidth, buttonHeight, enabled,
             textScorecard, hotKeyOf(HOTKEY_FOOTER_SCORECARD));
  drawButton(positionsButtonX, positionsButtonY, footerButtonWidth, buttonHeight, enabled,
             textPositions, hotKeyOf(HOTKEY_FOOTER_POSITIONS));
  drawButton(settingsButtonX, settingsButtonY, footerButtonWidth, buttonHeight, enabled,
             textSettings, hotKeyOf(HOTKEY_FOOTER_SETTINGS));
  drawButton(quitButtonX, quitButtonY, footerButtonWidth, buttonHeight, enabled, textQuit,
             hotKeyOf(HOTKEY_FOOTER_QUIT));
  drawButton(dopingButtonX, dopingButtonY, footerButtonWidth, buttonHeight,
             dopingButtonEnabled() ? 1 : 0, textDoping, hotKeyOf(HOTKEY_DOPING));
}

// The box with the active rider's figure and his team's name. Like the
// counters and the empty bonus card's place, it lies on the band cleared
// just before, clear of everything drawn earlier in the frame, so its
// background is the band's own and needs no fill of its own.
void drawActiveRiderBox() {
  if (!isRiderIndex(activeRider) || currentScreen == SCREEN_STAGE_STANDINGS) return;
  const float x = activeRiderBoxX;
  const float y = diceY;
  glPushMatrix();
  glTranslatef(x + TOKEN_RADIUS, y + TOKEN_RADIUS, 0);
  drawRiderFigure(activeRider, POSE_FLAT, 1, 1.0f, 1);
  glPopMatrix();
  char name[TEAM_NAME_SIZE];
  std::snprintf(name, sizeof name, "%.*s", TEAM_NAME_SIZE - 1, teamNames[riderTeam(activeRider)]);
  drawWhite(x + 35, y + 14, name);
}

void drawBreakawayBox() {
  bool cardChosen = chosenCards[0] != CARD_DIE || chosenCards[1] != CARD_DIE;
  int enabled = currentScreen == SCREEN_PLAY_CARDS && cardChosen ? 1 : 0;
  drawCheckButton(static_cast<int>(breakawayBoxX), static_cast<int>(breakawayBoxY),
                  static_cast<int>(breakawayBoxSize), textBreakaway, hotKeyOf(HOTKEY_BREAKAWAY),
                  enabled, breakawayDeclared);
}

// The bonus strength card an event card gave; without one its place shows
// the band.
void drawEventBonusCard() {
  if ((eventCardBonusValue == STRENGTH_WHITE || eventCardBonusValue == STRENGTH_BLUE) &&
      isRiderIndex(activeRider))
    drawStrengthCard(extraDieX, extraDieY, riderTeam(activeRider), EVENT_BONUS_SLOT, 1);
}

void drawCounters() {
  const float H = static_cast<float>(drawAreaHeight);
  const float C = racePanelCounterTop();
  const float leftWidth = 0.15f * H;
  const float rightX = extraDieX + leftWidth;
  const float rightWidth = 0.135f * H;
  const bool standings = currentScreen == SCREEN_STAGE_STANDINGS;
  const bool thrown = pathLength != -1;

  const float movesX = extraDieX + 0.02f * leftWidth;
  beginGlyphBatch();
  if (bonusSquares != 0) drawCounter(movesX, C + 0.02f * H, textBonusMoves, true, bonusSquares);
  drawCounter(movesX, C + 0.06f * H, textMoves, thrown, pathLength);
  drawCounter(movesX, C + 0.10f * H, textMovesLeft, thrown, pathLength - pathPointIndex);
  drawCounter(rightX + 0.02f * rightWidth, C + 0.10f * H, textRound, !standings, roundNumber);
  const bool lapShown = !standings && isRiderIndex(activeRider);
  drawCounter(rightX + 0.02f * rightWidth, C + 0.06f * H, textLap, lapShown,
              lapShown ? riderLap[activeRider] : 0);
  endGlyphBatch();
}

void drawThrowButtons() {
  const bool result = currentScreen == SCREEN_START_THROW_RESULT;
  const int enabled = currentScreen == SCREEN_PLAY_CARDS || currentScreen == SCREEN_START_THROW ||
                              result
                          ? 1
                          : 0;
  drawButton(throwButtonX, throwButtonY, throwButtonWidth, throwButtonHeight, enabled,
             result ? textNextTeam : textThrow, hotKeyOf(result ? HOTKEY_NEXT_TEAM : HOTKEY_THROW));

  const bool extraThrow = currentScreen == SCREEN_EXTRA_THROW;
  if (!extraThrow && extraDie == -1) return;
  drawDice(1);
  const bool person = isRiderIndex(activeRider) && riders[activeRider].humanControlled;
  if (extraThrow && !person) return;
  drawButton(extraThrowButtonX, extraThrowButtonY, throwButtonWidth, throwButtonHeight,
             extraThrow ? 1 : 0, textThrow, hotKeyOf(HOTKEY_THROW));
}

}  // namespace

void computeRacePanelLayout() {
  for (const char* label : {textScorecard, textPositions, textDoping, textSettings, textQuit})
    footerButtonWidth = fittedButtonWidth(footerButtonWidth, label);
  // A column widened past the drawing area's right edge moves left until it
  // ends there, the view buttons over it with it.
  const float shift = std::max(0.0f, quitButtonX + footerButtonWidth - static_cast<float>(drawAreaWidth));
  for (float* x : {&viewSwitchX, &cameraButtonX, &scorecardButtonX, &positionsButtonX, &dopingButtonX,
                   &settingsButtonX, &quitButtonX})
    *x -= shift;
  throwButtonWidth = fittedButtonWidth(fittedButtonWidth(throwButtonWidth, textThrow), textNextTeam);
  breakawayBoxX = std::max(breakawayBoxX, throwButtonX + throwButtonWidth + dieGap);
  // The check box is drawn at whole pixels, its box as wide as a 5:4 area
  // shows it, its label 0.15 box widths to the right.
  const float box = static_cast<float>(static_cast<int>(breakawayBoxSize));
  const float boxWidth = box * (static_cast<float>(drawAreaWidth) / 5) / (static_cast<float>(drawAreaHeight) / 4);
  const float labelEnd = static_cast<float>(static_cast<int>(breakawayBoxX)) + 1.15f * boxWidth +
                         static_cast<float>(measureTextWidth(textBreakaway, FONT_SMALL));
  extraThrowButtonX = std::max(extraThrowButtonX, labelEnd + BUTTON_LABEL_PADDING);
  // The figure stands TOKEN_RADIUS in from the box's edge and is
  // TOKEN_RADIUS x tokenAspect() wide on each side of its centre.
  activeRiderBoxX = extraDieX + dieSize + std::max(0.0f, TOKEN_RADIUS * (tokenAspect() - 1));
}

bool dopingButtonEnabled() {
  return currentScreen == SCREEN_PLAY_CARDS && isRiderIndex(activeRider) &&
         dopingNumber[activeRider] == -1 && freeDopingSlot() != -1;
}

void drawRacePanel() {
  drawPrelude();
  if (!isBoardScreen()) return;
  drawViewButtons();
  drawFooterButtons();
  drawActiveRiderBox();
  if (currentScreen == SCREEN_START_THROW || currentScreen == SCREEN_START_THROW_RESULT)
    drawStartOrderList();
  drawCardHand();
  drawBreakawayBox();
  drawDice(0);
  drawEventBonusCard();
  drawCounters();
  if (screenShows(currentScreen, HAND_IN_SLOTS)) drawHandInSlots();
  drawThrowButtons();
}
