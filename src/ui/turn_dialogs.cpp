#include "ui/turn_dialogs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <GL/freeglut.h>

#include "files/tour_file.h"
#include "model/occupancy.h"
#include "model/screens.h"
#include "model/track.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/widgets.h"
#include "rules/doping.h"
#include "rules/drafting.h"
#include "rules/event_deck.h"
#include "rules/event_effects.h"
#include "rules/line_points.h"
#include "rules/race_state.h"
#include "rules/stage_end.h"
#include "texts/language_texts.h"
#include "ui/dialog_panel.h"
#include "ui/screen_switch.h"

namespace {

const unsigned char KEY_ENTER = 13;
const unsigned char KEY_SPACE = 32;
const int OK_HOTKEY = 0;  // the "O" of "OK"

// ---- content, drawn with the origin at the panel body's top-left corner

float pw() { return dialogPanelWidth; }
float ph() { return dialogPanelHeight; }

void blackText(float x, float y, int align, const char* text) {
  glColor3f(0, 0, 0);
  drawText(x, y, align, text, FONT_SMALL, -1, 0, 0);
}

// A line of the dialog's text centred across the panel; a text too wide for
// the panel is broken into lines 12 pixels apart, centred on y together.
void centredLine(float y, const char* text) {
  const std::vector<std::string> lines = dialogTextLines(text, pw() - 2 * DIALOG_TEXT_MARGIN);
  float lineY = y - 6.0f * static_cast<float>(lines.size() - 1);
  for (const std::string& line : lines) {
    blackText(0.5f * pw(), lineY, ALIGN_CENTRE, line.c_str());
    lineY += 12;
  }
}

void riderFigureAt(int rider, float x, float y) {
  if (!isRiderIndex(rider)) return;
  glPushMatrix();
  glTranslatef(x, y, 0);
  drawRiderFigure(rider, POSE_FLAT, 1, 1.0f, 1);
  glPopMatrix();
}

// The follow question names the leader; the figure is the follower's.
void followContent() {
  riderFigureAt(followCandidate, 0.2f * pw(), 0.5f * ph());
  const int leader = isRiderIndex(activeRider) ? printedRiderNumber(activeRider) : 0;
  // The label's "%d" is filled in by hand: the label is never a format.
  char line[96];
  const char* mark = std::strstr(textFollowQuestion, "%d");
  if (mark != nullptr)
    std::snprintf(line, sizeof line, "%.*s%d%s", static_cast<int>(mark - textFollowQuestion),
                  textFollowQuestion, leader, mark + 2);
  else
    std::snprintf(line, sizeof line, "%s", textFollowQuestion);
  blackText(0.25f * pw(), 0.5f * ph(), ALIGN_LEFT, line);
}

// The title lines, a blank slot and the effect lines of the card drawn
// last, 12 pixels apart around the middle of the body.
void eventCardContent() {
  const int card = currentEventCard();
  if (card < 0 || card >= EVENT_CARD_COUNT) return;
  int titles = 0;
  while (titles < EVENT_TITLE_LINES && eventCardTitle[card][titles][0] != 0) ++titles;
  int effects = 0;
  while (effects < EVENT_EFFECT_LINES && eventCardEffect[card][effects][0] != 0) ++effects;
  const int slots = titles + effects + 1;
  auto slotY = [slots](int k) { return eventCardLineY(k, slots); };
  for (int i = 0; i < titles; ++i) centredLine(slotY(i), eventCardTitle[card][i]);
  for (int j = 0; j < effects; ++j) centredLine(slotY(titles + 1 + j), eventCardEffect[card][j]);
}

void cardKindContent() { centredLine(0.5f * ph(), textWhichCardKind); }
void cardTimingContent() { centredLine(0.5f * ph(), textWhenUseCard); }
void cancelledContent() { centredLine(0.5f * ph(), textNoCardEventCancelled); }
void dopingConfirmContent() { centredLine(0.5f * ph(), textConfirmDoping); }
void quitContent() { centredLine(0.5f * ph(), textConfirmQuit); }

void noMoveContent() {
  riderFigureAt(activeRider, 0.12f * pw(), 0.5f * ph());
  centredLine(0.5f * ph(), textNoForwardMove);
}

void noCardContent() {
  riderFigureAt(activeRider, 0.12f * pw(), 0.5f * ph());
  centredLine(0.5f * ph(), textNoStrengthCard);
}

void dopingNumberContent() {
  char line[64];
  const int number = isRiderIndex(activeRider) ? dopingNumber[activeRider] : -1;
  std::snprintf(line, sizeof line, "%s: %d", textDopingNumber, number);
  centredLine(0.5f * ph(), line);
}

void dopingControlContent() {
  char line[96];
  centredLine(0.5f * ph() - 30, textDopingControl);
  std::snprintf(line, sizeof line, "%s: %d %s %d", textDrawnNumbers, dopingDraw[0], textAnd,
                dopingDraw[1]);
  centredLine(0.5f * ph() - 15, line);
  char caught[4 * RIDER_COUNT + 1];
  listCaughtRiders(caught, sizeof caught);
  if (caught[0] == 0) return;
  centredLine(0.5f * ph(), textCyclistsCaught);
  centredLine(0.5f * ph() + 15, caught);
}

// The verdict was given by the countercheck itself; the panel tells it.
void countercheckContent() {
  if (!isRiderIndex(activeRider)) return;
  const int number = printedRiderNumber(activeRider);
  char line[96];
  centredLine(0.5f * ph() - 30, textCountercheck);
  std::snprintf(line, sizeof line, "%s %d: %d", textDopingNumberOfCyclist, number,
                dopingNumber[activeRider]);
  centredLine(0.5f * ph() - 15, line);
  std::snprintf(line, sizeof line, "%s: %d", textDraw, countercheckDie);
  centredLine(0.5f * ph(), line);
  std::snprintf(line, sizeof line, "%s %d %s", textCyclist, number,
                countercheckAcquits() ? textAcquitted : textDisqualificationConfirmed);
  centredLine(0.5f * ph() + 15, line);
}

// The file name is data: it goes in as an argument, never into the format.
void saveFailedContent() {
  char line[512];
  std::snprintf(line, sizeof line, "%s\"%s\"", textCouldNotSaveRace.c_str(), tourFileName.c_str());
  centredLine(0.5f * ph() - 30, line);
}

// ---- answers

void receiveBlueCard() { receiveExtraCard(STRENGTH_BLUE); }
void receiveWhiteCard() { receiveExtraCard(STRENGTH_WHITE); }
void useCardNow() { useExtraCardNowOrLater(1); }
void useCardLater() { useExtraCardNowOrLater(0); }

const char* okLabel() { return "OK"; }
const char* yesLabel() { return textYes; }
const char* noLabel() { return textNo; }
const char* blueLabel() { return textBlue; }
const char* whiteLabel() { return textWhite; }
const char* nowLabel() { return textImmediately; }
const char* laterLabel() { return textLater; }
const char* retryLabel() { return textRetry.c_str(); }
const char* abortLabel() { return textAbort.c_str(); }

// One dialog: its content, its left (or only) button and its right button.
// A dialog without a right button is a message answered by OK.
struct TurnDialog {
  int screen;
  void (*content)();
  const char* (*leftLabel)();
  int leftHotKey;  // HOTKEY_..., or OK_HOTKEY for the OK button
  void (*left)();
  const char* (*rightLabel)();
  int rightHotKey;
  void (*right)();
};

const TurnDialog turnDialogs[] = {
    {SCREEN_FOLLOW_QUESTION, followContent, yesLabel, HOTKEY_YES, acceptFollow, noLabel, HOTKEY_NO,
     declineFollow},
    {SCREEN_EVENT_CARD, eventCardContent, okLabel, OK_HOTKEY, applyEventCard, nullptr, 0, nullptr},
    {SCREEN_CARD_KIND, cardKindContent, blueLabel, HOTKEY_BLUE, receiveBlueCard, whiteLabel,
     HOTKEY_WHITE, receiveWhiteCard},
    {SCREEN_CARD_TIMING, cardTimingContent, nowLabel, HOTKEY_IMMEDIATELY, useCardNow, laterLabel,
     HOTKEY_LATER, useCardLater},
    {SCREEN_EVENT_CARD_CANCELLED, cancelledContent, okLabel, OK_HOTKEY, closeCancelledEventCard,
     nullptr, 0, nullptr},
    {SCREEN_NO_MOVE, noMoveContent, okLabel, OK_HOTKEY, parkBlockedRider, nullptr, 0, nullptr},
    {SCREEN_NO_CARD_TO_HAND_IN, noCardContent, okLabel, OK_HOTKEY, answerHandInCards, nullptr, 0,
     nullptr},
    {SCREEN_DOPING_CONFIRM, dopingConfirmContent, yesLabel, HOTKEY_YES, acceptDoping, noLabel,
     HOTKEY_NO, returnToPreviousScreen},
    {SCREEN_DOPING_NUMBER, dopingNumberContent, okLabel, OK_HOTKEY, takeDopingCard, nullptr, 0,
     nullptr},
    {SCREEN_DOPING_CONTROL, dopingControlContent, okLabel, OK_HOTKEY, continueDopingControl, nullptr,
     0, nullptr},
    {SCREEN_COUNTERCHECK, countercheckContent, okLabel, OK_HOTKEY, countercheckNextRider, nullptr, 0,
     nullptr},
    {SCREEN_QUIT_CONFIRM, quitContent, yesLabel, HOTKEY_YES, returnToMainMenu, noLabel, HOTKEY_NO,
     returnToPreviousScreen},
    {SCREEN_SAVE_FAILED, saveFailedContent, retryLabel, HOTKEY_RETRY, retrySavingTour, abortLabel,
     HOTKEY_ABORT, abortSavingTour},
};

const TurnDialog* dialogOf(int screen) {
  for (const TurnDialog& dialog : turnDialogs)
    if (dialog.screen == screen) return &dialog;
  return nullptr;
}

// The extra die's Throw answers only for a person; a computer rider throws
// it himself.
bool personToThrowExtraDie() {
  return currentScreen == SCREEN_EXTRA_THROW && isRiderIndex(activeRider) &&
         riders[activeRider].humanControlled != 0;
}

bool extraThrowMouse(int button, int state, float x, float y) {
  if (!personToThrowExtraDie()) return false;
  if (!pointInRect(x, y, extraThrowButtonX, extraThrowButtonY, throwButtonWidth, throwButtonHeight))
    return false;
  if (button == GLUT_LEFT_BUTTON && state == GLUT_UP) throwExtraDie();
  return true;
}

bool extraThrowKey(char letter) {
  if (!personToThrowExtraDie() || letter != hotKeyLetter(textThrow, HOTKEY_THROW)) return false;
  throwExtraDie();
  return true;
}

}  // namespace

float eventCardLineY(int k, int slots) {
  // A line of the small font reaches about 10 pixels above the y it is
  // drawn at (its baseline lies 3 below) and 6 below.
  const float ascent = 10, descent = 6, room = 2;
  const float top = ascent + room;
  const float bottom = ph() - 1.2f * buttonHeight - descent - room;
  float pitch = 12;
  float first = 0.5f * ph() - static_cast<float>(slots / 2 * 12);
  const float span = static_cast<float>(slots - 1);
  if (first + span * pitch > bottom) {
    if (span > 0 && bottom - top < span * pitch) pitch = std::max(0.0f, bottom - top) / span;
    first = std::max(top, bottom - span * pitch);
  }
  return first + static_cast<float>(k) * pitch;
}

void listCaughtRiders(char* out, int size) {
  if (out == nullptr || size <= 0) return;
  out[0] = 0;
  int used = 0;
  for (int rider = 0; rider < RIDER_COUNT; ++rider) {
    if (!caughtByDopingControl(rider)) continue;
    int written = std::snprintf(out + used, static_cast<size_t>(size - used), "%s%d",
                                used == 0 ? "" : ",", printedRiderNumber(rider));
    if (written < 0 || written >= size - used) {
      out[used] = 0;  // no number cut in half: the list ends at the last whole one
      return;
    }
    used += written;
  }
}

void drawTurnDialogs() {
  const TurnDialog* dialog = dialogOf(currentScreen);
  if (dialog == nullptr) return;
  const char* right = dialog->rightLabel != nullptr ? dialog->rightLabel() : nullptr;
  const int leftIndex = dialog->right != nullptr ? hotKeyOf(dialog->leftHotKey) : 0;
  const int rightIndex = dialog->right != nullptr ? hotKeyOf(dialog->rightHotKey) : 0;
  drawDialog(dialog->content, dialog->leftLabel(), leftIndex, right, rightIndex);
}

bool turnDialogCover(float rect[4]) {
  if (dialogOf(currentScreen) == nullptr) return false;
  panelCover(dialogPanelX, dialogPanelY, dialogPanelWidth, dialogPanelHeight, rect);
  return true;
}

bool turnDialogMouse(int button, int state, float x, float y) {
  if (currentScreen == SCREEN_EXTRA_THROW) return extraThrowMouse(button, state, x, y);
  const TurnDialog* dialog = dialogOf(currentScreen);
  if (dialog == nullptr) return false;
  void (*answer)() = nullptr;
  if (dialog->right == nullptr) {
    if (dialogOkButtonHit(x, y)) answer = dialog->left;
  } else if (dialogLeftButtonHit(x, y, dialog->leftLabel())) {
    answer = dialog->left;
  } else if (dialogRightButtonHit(x, y, dialog->rightLabel())) {
    answer = dialog->right;
  }
  if (answer == nullptr) return false;
  if (button == GLUT_LEFT_BUTTON && state == GLUT_UP) answer();
  return true;
}

bool turnDialogKey(unsigned char key) {
  const char letter = toLowerAscii(static_cast<char>(key));
  if (currentScreen == SCREEN_EXTRA_THROW) return letter != 0 && extraThrowKey(letter);
  const TurnDialog* dialog = dialogOf(currentScreen);
  if (dialog == nullptr) return false;
  if (dialog->right == nullptr) {
    if (key != KEY_ENTER && key != KEY_SPACE && letter != 'o') return false;
    dialog->left();
    return true;
  }
  if (letter == 0) return false;
  if (letter == hotKeyLetter(dialog->leftLabel(), dialog->leftHotKey)) {
    dialog->left();
    return true;
  }
  if (letter == hotKeyLetter(dialog->rightLabel(), dialog->rightHotKey)) {
    dialog->right();
    return true;
  }
  return false;
}
