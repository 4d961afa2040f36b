#include "ui/card_hand.h"

#include <cmath>
#include <cstdio>

#include <GL/freeglut.h>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "render/frame.h"
#include "render/glyph_atlas.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/shapes.h"
#include "render/widgets.h"
#include "rules/event_effects.h"
#include "rules/race_state.h"
#include "rules/throw_rules.h"
#include "texts/language_texts.h"

namespace {

const int GRID_COLUMNS = 9;
const int GRID_ROWS = 2;
const int TAB_KEY = 9;

bool isCardSlot(int value) { return value >= 0 && value < CARD_SLOTS; }

// An entry of chosenCards that holds no card: the die, or any value that is
// neither a card slot nor the doping card.
bool chosenEntryEmpty(int value) { return value != CARD_DOPING && !isCardSlot(value); }

// An entry of handInCards that holds no card.
bool handInEntryEmpty(int value) { return !isCardSlot(value); }

bool isCardScreen(int screen) { return screenShows(screen, CARD_CHOICE); }

bool isHandInScreen(int screen) { return screenShows(screen, HAND_IN_SLOTS); }

// The tabs act on every board screen but those of the score panel.
bool tabsActive() {
  return isBoardScreen() && !screenShows(currentScreen, SHOWS_SCORE_PANEL);
}

bool activeRiderOnCobbles() { return terrainUnderRider(riders[activeRider]) == TERRAIN_COBBLES; }

// Whether one more card fits where the screen puts it: among the chosen
// cards (both dice free on cobbles), or into the hand-in slots (one per turn
// to sit out, one only on cobbles; the bonus hand-in takes one card). The
// drawing reads "two turns to sit out" as "two or more".
bool roomForCard(int screen, bool drawing) {
  if (screen == SCREEN_PLAY_CARDS) {
    const bool free0 = chosenEntryEmpty(chosenCards[0]);
    const bool free1 = chosenEntryEmpty(chosenCards[1]);
    return activeRiderOnCobbles() ? free0 && free1 : free0 || free1;
  }
  if (screen == SCREEN_HAND_IN_CARDS) {
    const bool free0 = handInEntryEmpty(handInCards[0]);
    if (activeRiderOnCobbles()) return free0;
    const int skip = riders[activeRider].skipTurns;
    const bool twoTurns = drawing ? skip >= 2 : skip == 2;
    return free0 || (twoTurns && handInEntryEmpty(handInCards[1]));
  }
  if (screen == SCREEN_HAND_IN_FOR_BONUS) return handInEntryEmpty(handInCards[0]);
  return false;
}

// From the second round, a card the active rider may play.
bool usableNow(int slot) {
  return isRiderIndex(activeRider) && roundNumber != 1 && cardUsableByRider(activeRider, slot);
}

bool choosableOn(int slot, int screen, bool drawing) {
  return usableNow(slot) && roomForCard(screen, drawing);
}

// Puts the slot into the first free entry of the chosen cards (card screen)
// or of the hand-in slots, and marks it used.
void chooseCard(int slot) {
  const bool play = currentScreen == SCREEN_PLAY_CARDS;
  int32_t* entries = play ? chosenCards : handInCards;
  for (int j = 0; j < 2; j++) {
    const bool empty = play ? chosenEntryEmpty(entries[j]) : handInEntryEmpty(entries[j]);
    if (!empty) continue;
    entries[j] = slot;
    cardUsed[riderTeam(activeRider)][slot] = 1;
    requestRedraw();
    return;
  }
}

// Hand-in slot j gives its card back to the hand.
bool returnHandInCard(int j) {
  if (!isRiderIndex(activeRider) || !isCardSlot(handInCards[j])) return false;
  cardUsed[riderTeam(activeRider)][handInCards[j]] = 0;
  handInCards[j] = -1;
  return true;
}

// The slot an F-key names for the active rider, -1 when none: F1 to F4 his
// own member cards (only those he holds), F5 to F12 slots 10 to 17.
int slotOfFunctionKey(int key) {
  const int member = riderMember(activeRider);
  if (key >= GLUT_KEY_F1 && key <= GLUT_KEY_F4) {
    const int slot = firstCardOfMember[member] + key - GLUT_KEY_F1;
    return slot < FIRST_TEAM_SLOT && cardHolderMember[slot] == member ? slot : -1;
  }
  return key + FIRST_TEAM_SLOT - GLUT_KEY_F5;
}

float slotX(int slot) { return cardPanelX + cardGapX + static_cast<float>(slot / 2) * (cardWidth + cardGapX); }
float slotY(int slot) { return cardPanelY + cardGapY + static_cast<float>(slot % 2) * (cardHeight + cardGapY); }

float handInSlotX(int j) { return handInSlotsX + static_cast<float>(j) * (cardWidth + cardGapX); }

// Whether a card of the active team shows bright: one the active rider may
// choose now. An extra card shows bright on any board screen when he may
// play it; on the card screen and on the hand-in screen only when it fits.
bool cardBright(int slot) {
  if (!isRiderIndex(activeRider) || shownTeam != riderTeam(activeRider)) return false;
  const int screen = currentScreen;
  if (slot < FIRST_EXTRA_SLOT) return isCardScreen(screen) && choosableOn(slot, screen, true);
  if (!usableNow(slot)) return false;
  if (screen == SCREEN_PLAY_CARDS || screen == SCREEN_HAND_IN_CARDS) return roomForCard(screen, true);
  return true;
}

float rimWidth() { return 0.001f * static_cast<float>(drawAreaWidth); }

// The white rim, rimWidth() wide, around the card grid, and the white under the team
// tabs below it. The grid's rectangle inside the rim is left out: the grid
// paints over all of it, and shading those pixels white first would cost a
// software renderer a fifth of the card hand. The strips share the grid's
// own corners, so that they and the grid meet without a gap.
void drawCardHandRim() {
  const float e = rimWidth();
  const float left = cardPanelX, right = cardPanelX + cardPanelWidth;
  const float top = cardPanelY, middle = cardPanelY + cardPanelHeight;
  glColor3f(1, 1, 1);
  filledRect(left - e, top - e, right + e, top);
  filledRect(left - e, top, left, middle);
  filledRect(right, top, right + e, middle);
  filledRect(left - e, middle, right + e, cardPanelY + cardPanelHeight + teamTabsHeight + e);
}

void drawTeamTabs() {
  const float tabWidth = 0.25f * teamTabsWidth;
  for (int i = 0; i < TEAM_COUNT; i++) {
    const bool shown = i == shownTeam;
    // The black team's tab is the other way round: grey when shown.
    const bool bright = i == 2 ? !shown : shown;
    glColor3fv(bright ? teamColour[i] : teamColourDim[i]);
    const float x = teamTabsX + static_cast<float>(i) * tabWidth;
    filledRect(x, teamTabsY, x + tabWidth, teamTabsY + teamTabsHeight);
    if (shown)
      glColor3f(1, 1, 1);
    else
      glColor3f(0.5f, 0.5f, 0.5f);
    char name[TEAM_NAME_SIZE];
    std::snprintf(name, sizeof name, "%.*s", TEAM_NAME_SIZE - 1, teamNames[i]);
    drawText(teamTabsX + teamTabsWidth * (0.25f * static_cast<float>(i) + 0.125f),
             teamTabsY + 0.6f * teamTabsHeight, ALIGN_CENTRE, name, FONT_LARGE, -1, 0, 0);
  }
}

// The grid's fill, shown between the cards, at their rounded corners and
// where a card has been played. Under the rest of a card it is left out: the
// card paints over it at once, and shading it first would cost a software
// renderer a third of the grid. The pieces reach a pixel into the cards
// around them, and the corner squares a pixel past the corner radius, so
// that each pixel left out lies well inside the card's own rectangles.
void drawCardGridFill(int team) {
  const float left = cardPanelX, right = cardPanelX + cardPanelWidth;
  const float top = cardPanelY, bottom = cardPanelY + cardPanelHeight;
  const float corner = static_cast<float>(drawAreaWidth) / 112 + 1;
  // Above, between and below the two rows of cards.
  filledRect(left, top, right, slotY(0) + 1);
  filledRect(left, slotY(0) + cardHeight - 1, right, slotY(1) + 1);
  filledRect(left, slotY(1) + cardHeight - 1, right, bottom);
  for (int row = 0; row < GRID_ROWS; row++) {
    const float y0 = slotY(row), y1 = y0 + cardHeight;
    float gapLeft = left;  // where the gap before the next card begins
    for (int column = 0; column < GRID_COLUMNS; column++) {
      const int slot = 2 * column + row;
      const float x0 = slotX(slot), x1 = x0 + cardWidth;
      filledRect(gapLeft, y0, x0 + 1, y1);
      gapLeft = x1 - 1;
      if (cardUsed[team][slot] != 0) {
        filledRect(x0, y0, x1, y1);
        continue;
      }
      filledRect(x0, y0, x0 + corner, y0 + corner);
      filledRect(x1 - corner, y0, x1, y0 + corner);
      filledRect(x0, y1 - corner, x0 + corner, y1);
      filledRect(x1 - corner, y1 - corner, x1, y1);
    }
    filledRect(gapLeft, y0, right, y1);
  }
}

}  // namespace

void drawCardHand() {
  const int team = shownTeam >= 0 && shownTeam < TEAM_COUNT ? shownTeam : 0;
  drawCardHandRim();
  if (team == 2)
    glColor3fv(teamColour[2]);
  else
    glColor3f(0.75f * teamColourDim[team][0], 0.75f * teamColourDim[team][1],
              0.75f * teamColourDim[team][2]);
  drawCardGridFill(team);
  drawTeamTabs();
  // The cards lie side by side and each one's figures stay inside it, so
  // their figures can all be drawn after the last card, in one batch.
  beginGlyphBatch();
  for (int slot = 0; slot < CARD_SLOTS; slot++) {
    if (cardUsed[team][slot] != 0) continue;
    drawStrengthCard(slotX(slot), slotY(slot), team, slot, cardBright(slot) ? 1.0f : 0.5f);
  }
  endGlyphBatch();
}

void cardHandCover(float rect[4]) {
  const float e = rimWidth();
  rect[0] = cardPanelX - e;
  rect[1] = cardPanelY - e;
  rect[2] = cardPanelX + cardPanelWidth + e;
  rect[3] = cardPanelY + cardPanelHeight + teamTabsHeight + e;
}

void drawHandInSlots() {
  if (!isRiderIndex(activeRider)) return;
  const int team = riderTeam(activeRider);
  const bool bonus = currentScreen == SCREEN_HAND_IN_FOR_BONUS;
  glColor3fv(backgroundColour);
  filledRect(handInSlotsX, handInSlotsY, handInSlotsX + 2 * cardWidth + dieGap,
             handInOkButtonY + throwButtonHeight);
  int count = 1;
  if (!bonus && !activeRiderOnCobbles()) {
    const int skip = riders[activeRider].skipTurns;
    count = skip < 0 ? 0 : skip > 2 ? 2 : skip;
  }
  for (int j = 0; j < count; j++) {
    if (isCardSlot(handInCards[j])) {
      drawStrengthCard(handInSlotX(j), handInSlotsY, team, handInCards[j], 1);
    } else {
      glColor3f(0.5f, 0.5f, 0.5f);
      drawRoundedRect(handInSlotX(j), handInSlotsY, cardWidth, cardHeight,
                      static_cast<float>(drawAreaWidth / 112));
    }
  }
  const int okEnabled = !bonus || isCardSlot(handInCards[0]) ? 1 : 0;
  drawButton(handInOkButtonX, handInOkButtonY, throwButtonWidth, throwButtonHeight, okEnabled, "OK", 0);
}

int cardGridSlotAt(float x, float y) {
  if (x < cardPanelX + cardGapX || x > cardPanelX + cardPanelWidth || y < cardPanelY ||
      y > cardPanelY + cardPanelHeight)
    return -1;
  // Column, row and the gap test all measure from the first card's corner,
  // so a card's own right and bottom edges belong to it.
  const float dx = x - (cardPanelX + cardGapX);
  const float dy = y - (cardPanelY + cardGapY);
  const float pitchX = cardWidth + cardGapX;
  const float pitchY = cardHeight + cardGapY;
  if (pitchX <= 0 || pitchY <= 0) return -1;
  if (std::fmod(dx, pitchX) > cardWidth || std::fmod(dy, pitchY) > cardHeight) return -1;
  int column = static_cast<int>(dx / pitchX);
  int row = static_cast<int>(dy / pitchY);
  column = column < 0 ? 0 : column >= GRID_COLUMNS ? GRID_COLUMNS - 1 : column;
  row = row < 0 ? 0 : row >= GRID_ROWS ? GRID_ROWS - 1 : row;
  const int slot = 2 * column + row;
  return isCardSlot(slot) ? slot : -1;
}

bool takeBackChosenCard(int entry) {
  if (entry < 0 || entry > 1 || !isRiderIndex(activeRider) || !isCardSlot(chosenCards[entry]))
    return false;
  cardUsed[riderTeam(activeRider)][chosenCards[entry]] = 0;
  chosenCards[entry] = CARD_DIE;
  if (chosenEntryEmpty(chosenCards[1 - entry])) breakawayDeclared = 0;
  return true;
}

void answerHandInSlots() {
  for (int32_t& entry : handInCards)
    if (!isCardSlot(entry)) entry = -1;
  answerHandInCards();
}

bool cardHandMouse(int button, int state, float x, float y) {
  if (button != GLUT_LEFT_BUTTON) return false;
  const int screen = currentScreen;
  if (state == GLUT_UP) {
    if (!tabsActive() || !pointInRect(x, y, teamTabsX, teamTabsY, teamTabsWidth, teamTabsHeight))
      return false;
    const int tab = static_cast<int>((x - teamTabsX) / (0.25f * teamTabsWidth));
    shownTeam = tab < 0 ? 0 : tab > 3 ? 3 : tab;
    requestRedraw();
    return true;
  }
  if (isHandInScreen(screen)) {
    for (int j = 0; j < 2; j++) {
      if (!pointInRect(x, y, handInSlotX(j), handInSlotsY, cardWidth, cardHeight)) continue;
      if (returnHandInCard(j)) requestRedraw();
      return true;
    }
    if (pointInRect(x, y, handInOkButtonX, handInOkButtonY, throwButtonWidth, throwButtonHeight)) {
      answerHandInSlots();
      return true;
    }
  }
  if (!isCardScreen(screen)) return false;
  if (!pointInRect(x, y, cardPanelX, cardPanelY, cardPanelWidth, cardPanelHeight)) return false;
  const int slot = cardGridSlotAt(x, y);
  if (slot != -1 && isRiderIndex(activeRider) && shownTeam == riderTeam(activeRider) &&
      choosableOn(slot, screen, false))
    chooseCard(slot);
  return true;
}

bool cardHandSpecialKey(int key) {
  const int screen = currentScreen;
  if (key < GLUT_KEY_F1 || key > GLUT_KEY_F12 || !isCardScreen(screen)) return false;
  if (!isRiderIndex(activeRider)) return true;
  const int slot = slotOfFunctionKey(key);
  if (slot == -1) return true;
  const int team = riderTeam(activeRider);
  // A key whose card is already chosen takes it back.
  for (int j = 0; j < 2; j++) {
    const bool back = screen == SCREEN_PLAY_CARDS
                          ? chosenCards[j] == slot && takeBackChosenCard(j)
                          : handInCards[j] == slot && returnHandInCard(j);
    if (!back) continue;
    shownTeam = team;
    requestRedraw();
    return true;
  }
  if (!choosableOn(slot, screen, false)) return true;
  if (screen == SCREEN_PLAY_CARDS) shownTeam = team;
  chooseCard(slot);
  return true;
}

bool cardHandKey(unsigned char key) {
  if (key != TAB_KEY || !tabsActive()) return false;
  const bool back = keyModifiersHook != nullptr && (keyModifiersHook() & GLUT_ACTIVE_SHIFT) != 0;
  const int team = ((shownTeam % TEAM_COUNT) + TEAM_COUNT) % TEAM_COUNT;
  shownTeam = (team + (back ? TEAM_COUNT - 1 : 1)) % TEAM_COUNT;
  requestRedraw();
  return true;
}
