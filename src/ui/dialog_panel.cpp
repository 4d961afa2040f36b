#include "ui/dialog_panel.h"

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/view_state.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/text.h"
#include "render/widgets.h"

float dialogPanelX = 0, dialogPanelY = 0, dialogPanelWidth = 0, dialogPanelHeight = 0;
float dialogOkButtonX = 0, dialogOkButtonY = 0;
float dialogYesButtonX = 0, dialogYesButtonY = 0, dialogNoButtonX = 0, dialogNoButtonY = 0;
float blueCardButtonX = 0, blueCardButtonY = 0, whiteCardButtonX = 0, whiteCardButtonY = 0;
float useNowButtonX = 0, useNowButtonY = 0, useLaterButtonX = 0, useLaterButtonY = 0;
float retryButtonX = 0, retryButtonY = 0, abortButtonX = 0, abortButtonY = 0;
int panelGrabScreen = -1;

void placeDialogButtons() {
  const float top = dialogPanelY + dialogPanelHeight - 1.2f * buttonHeight;
  const float left = dialogPanelX + 0.4f * dialogPanelWidth - buttonWidth;
  const float right = dialogPanelX + 0.6f * dialogPanelWidth;
  dialogOkButtonX = dialogPanelX + 0.5f * dialogPanelWidth - 0.5f * buttonWidth;
  dialogYesButtonX = blueCardButtonX = useNowButtonX = retryButtonX = left;
  dialogNoButtonX = whiteCardButtonX = useLaterButtonX = abortButtonX = right;
  dialogOkButtonY = dialogYesButtonY = dialogNoButtonY = top;
  blueCardButtonY = whiteCardButtonY = useNowButtonY = useLaterButtonY = top;
  retryButtonY = abortButtonY = top;
}

void computeDialogPanelLayout() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  dialogPanelWidth = 0.4f * W;
  dialogPanelHeight = 0.125f * W;  // a share of the width, as the panel's shape is fixed
  dialogPanelX = 0.5f * W - 0.5f * dialogPanelWidth;
  dialogPanelY = 0.5f * H - 0.5f * dialogPanelHeight;
  placeDialogButtons();
}

bool isDialogScreen(int screen) { return screenShows(screen, SHOWS_DIALOG_PANEL); }

void panelCover(float panelX, float panelY, float panelWidth, float panelHeight, float rect[4]) {
  rect[0] = panelX;
  rect[1] = panelY - panelTitleHeight;
  rect[2] = panelX + panelWidth;
  rect[3] = panelY + panelHeight;
}

bool grabPanelStrip(float x, float y, float panelX, float panelY, float panelWidth) {
  if (!pointInRect(x, y, panelX, panelY - panelTitleHeight, panelWidth, panelTitleHeight))
    return false;
  panelDragging = 1;
  // Whole pixels, as the grab offset has always been kept.
  panelGrabOffset[0] = static_cast<float>(static_cast<int>(x - panelX));
  panelGrabOffset[1] = static_cast<float>(static_cast<int>(y - panelY));
  return true;
}

void movePanelWithin(float x, float y, float* panelX, float* panelY, float panelWidth,
                     float panelHeight) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  const float nx = x - panelGrabOffset[0];
  if (nx > 0 && nx + panelWidth < W) *panelX = nx;
  const float ny = y - panelGrabOffset[1];
  if (ny - panelTitleHeight > 0 && ny + panelHeight < H) *panelY = ny;
}

bool grabDialogPanel(float x, float y) {
  return isDialogScreen(currentScreen) &&
         grabPanelStrip(x, y, dialogPanelX, dialogPanelY, dialogPanelWidth);
}

void dragDialogPanel(float x, float y) {
  movePanelWithin(x, y, &dialogPanelX, &dialogPanelY, dialogPanelWidth, dialogPanelHeight);
  placeDialogButtons();
  onDisplay();
}

void dialogButtonRect(int which, const char* label, float rect[4]) {
  float x = dialogOkButtonX, y = dialogOkButtonY;
  int anchor = ANCHOR_CENTRE;
  if (which == DIALOG_BUTTON_LEFT) {
    x = dialogYesButtonX;
    y = dialogYesButtonY;
    anchor = ANCHOR_RIGHT;
  } else if (which == DIALOG_BUTTON_RIGHT) {
    x = dialogNoButtonX;
    y = dialogNoButtonY;
    anchor = ANCHOR_LEFT;
  }
  const float width = fittedButtonWidth(buttonWidth, label);
  rect[0] = anchoredButtonX(x, buttonWidth, width, anchor);
  rect[1] = y;
  rect[2] = width;
  rect[3] = buttonHeight;
}

std::vector<std::string> dialogTextLines(const char* text, float width) {
  std::vector<std::string> lines;
  std::string line;
  const std::string all = text != nullptr ? text : "";
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find(' ', start);
    if (end == std::string::npos) end = all.size();
    const std::string word = all.substr(start, end - start);
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && static_cast<float>(measureTextWidth(longer.c_str(), FONT_SMALL)) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    start = end + 1;
  }
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

namespace {

void drawDialogButton(int which, const char* label, int hotKey) {
  float rect[4];
  dialogButtonRect(which, label, rect);
  drawButton(rect[0], rect[1], rect[2], rect[3], 1, label, hotKey);
}

bool dialogButtonHit(int which, const char* label, float x, float y) {
  float rect[4];
  dialogButtonRect(which, label, rect);
  return pointInRect(x, y, rect[0], rect[1], rect[2], rect[3]);
}

}  // namespace

void drawDialog(void (*content)(), const char* leftLabel, int leftHotKey, const char* rightLabel,
                int rightHotKey) {
  glPushMatrix();
  glTranslatef(dialogPanelX, dialogPanelY, 0);
  drawPanel(0, 0, dialogPanelWidth, dialogPanelHeight);
  if (content != nullptr) content();
  glPopMatrix();
  if (leftLabel == nullptr) return;
  if (rightLabel == nullptr) {
    drawDialogButton(DIALOG_BUTTON_OK, leftLabel, leftHotKey);
    return;
  }
  drawDialogButton(DIALOG_BUTTON_LEFT, leftLabel, leftHotKey);
  drawDialogButton(DIALOG_BUTTON_RIGHT, rightLabel, rightHotKey);
}

bool dialogOkButtonHit(float x, float y) { return dialogButtonHit(DIALOG_BUTTON_OK, "OK", x, y); }

bool dialogLeftButtonHit(float x, float y, const char* label) {
  return dialogButtonHit(DIALOG_BUTTON_LEFT, label, x, y);
}

bool dialogRightButtonHit(float x, float y, const char* label) {
  return dialogButtonHit(DIALOG_BUTTON_RIGHT, label, x, y);
}
