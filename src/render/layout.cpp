#include "render/layout.h"

#include <algorithm>

#include "model/settings.h"

int32_t windowWidth = 0;
int32_t windowHeight = 0;
int32_t drawAreaX = 0;
int32_t drawAreaY = 0;
int screenRatioProvisional = 0;

const float backgroundColour[3] = {0, 0, 0.2f};

float buttonWidth = 0;
float buttonHeight = 0;
float footerButtonWidth = 0;
float panelTitleHeight = 0;
float frameLabelInset = 0;

float quitButtonX = 0, quitButtonY = 0;
float menuExitButtonX = 0, menuExitButtonY = 0;
float manualOkButtonX = 0, manualOkButtonY = 0;
float designBackButtonX = 0, designBackButtonY = 0;
float courseSelectBackButtonX = 0, courseSelectBackButtonY = 0;
float teamSetupBackButtonX = 0, teamSetupBackButtonY = 0;
float savedRacesBackButtonX = 0, savedRacesBackButtonY = 0;
float savedCoursesBackButtonX = 0, savedCoursesBackButtonY = 0;
float positionsOkButtonX = 0, positionsOkButtonY = 0;

float manualBoxX = 0, manualBoxY = 0, manualBoxWidth = 0, manualBoxHeight = 0;

float cardPanelX = 0, cardPanelY = 0, cardPanelWidth = 0, cardPanelHeight = 0;
float cardWidth = 0, cardHeight = 0;
float cardGapX = 0, cardGapY = 0;
float diceX = 0, diceY = 0, dieSize = 0, dieGap = 0;
float extraDieX = 0, extraDieY = 0;

float teamTabsX = 0, teamTabsY = 0, teamTabsWidth = 0, teamTabsHeight = 0;
float throwButtonX = 0, throwButtonY = 0, throwButtonWidth = 0, throwButtonHeight = 0;
float breakawayBoxX = 0, breakawayBoxY = 0, breakawayBoxSize = 0;
float handInSlotsX = 0, handInSlotsY = 0;
float handInOkButtonX = 0, handInOkButtonY = 0;
float extraThrowButtonX = 0, extraThrowButtonY = 0;
float viewSwitchX = 0, viewSwitchY = 0, viewSwitchSize = 0;
float cameraButtonX = 0, cameraButtonY = 0, cameraButtonSize = 0;
float scorecardButtonX = 0, scorecardButtonY = 0;
float positionsButtonX = 0, positionsButtonY = 0;
float dopingButtonX = 0, dopingButtonY = 0;
float settingsButtonX = 0, settingsButtonY = 0;

float scorecardWidth = 0, scorecardHeight = 0;
float courseTileWidth = 0, courseTileHeight = 0;

int32_t boardViewport[4] = {0, 0, 0, 0};

namespace {

// The ratio the detection took last, to tell it from a ratio set since.
double provisionalRatio[2] = {-1, -1};

bool ratioIs(const double ratio[2], double width, double height) {
  return ratio[0] == width && ratio[1] == height;
}

void setRatio(double width, double height) {
  screenRatio[0] = width;
  screenRatio[1] = height;
}

}  // namespace

int detectScreenRatio(int width, int height, double ratio[2]) {
  if (height <= 0) return 0;
  double q = static_cast<double>(width) / static_cast<double>(height);
  if (q == 1.25) {
    ratio[0] = 5;
    ratio[1] = 4;
  } else if (q == 4.0 / 3.0) {
    ratio[0] = 4;
    ratio[1] = 3;
  } else if (q >= 1.6) {
    ratio[0] = 16;
    ratio[1] = 10;
  } else {
    return 0;
  }
  return 1;
}

bool isKnownScreenRatio(const double ratio[2]) {
  return ratioIs(ratio, 5, 4) || ratioIs(ratio, 4, 3) || ratioIs(ratio, 16, 10) ||
         ratioIs(ratio, -1, -1);
}

void updateScreenRatio(int width, int height, int screenWidth, int screenHeight) {
  if (!isKnownScreenRatio(screenRatio)) setRatio(-1, -1);
  // A ratio set since the last detection (the settings) is the player's.
  if (screenRatioProvisional && !ratioIs(screenRatio, provisionalRatio[0], provisionalRatio[1]))
    screenRatioProvisional = 0;
  if (!ratioIs(screenRatio, -1, -1) && !screenRatioProvisional) return;

  double detected[2] = {-1, -1};
  detectScreenRatio(width, height, detected);
  setRatio(detected[0], detected[1]);
  bool screenKnown = screenWidth > 0 && screenHeight > 0;
  bool fullScreen = !screenKnown || (width == screenWidth && height == screenHeight);
  // Under X11 the first reshape reports the window as created, before the
  // full-screen size arrives; only a window of the screen's size decides.
  screenRatioProvisional = (!ratioIs(detected, -1, -1) && !fullScreen) ? 1 : 0;
  provisionalRatio[0] = detected[0];
  provisionalRatio[1] = detected[1];
}

void applyScreenRatio() {
  double rw = screenRatio[0];
  double rh = screenRatio[1];
  drawAreaY = 0;
  if (rw / rh > 1.2 && !ratioIs(screenRatio, 5, 4) && isKnownScreenRatio(screenRatio)) {
    drawAreaWidth = static_cast<int32_t>(windowWidth * (1 - (rw - 5 * rh / 4) / rw));
    drawAreaHeight = windowHeight;
    drawAreaX = static_cast<int32_t>((windowWidth - drawAreaWidth) * 0.5);
    return;
  }
  // 5:4, or no ratio known yet: the whole window, so that there is always
  // something to draw in.
  drawAreaWidth = windowWidth;
  drawAreaHeight = windowHeight;
  drawAreaX = 0;
}

void computeBoardViewport(int w, int h, int32_t viewport[4]) {
  viewport[0] = viewport[1] = viewport[2] = viewport[3] = 0;
  if (w <= 0 || h <= 0) return;
  float fw = static_cast<float>(w);
  float fh = static_cast<float>(h);
  float panelTop = 0.761f * fh;
  float x = 0.04f * fw;
  float y = fh - 0.99f * panelTop;
  float width = fw - 2 * x;
  float height = ((fh / 4) / (fw / 5)) * width * 1152 / 1954;
  x = (fw - width) * 0.5f;
  viewport[0] = static_cast<int32_t>(x);
  viewport[1] = static_cast<int32_t>(y);
  viewport[2] = static_cast<int32_t>(width);
  viewport[3] = static_cast<int32_t>(height);
}

void computeLayout() {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);

  buttonWidth = 0.064f * W;
  buttonHeight = 0.03f * H;
  footerButtonWidth = 0.08f * W;
  panelTitleHeight = 0.024f * W;
  frameLabelInset = 0.01f * W;

  float cornerX = W - 1.5f * buttonWidth;
  float cornerY = (H - 20) - 1.1f * buttonHeight;
  quitButtonX = menuExitButtonX = manualOkButtonX = designBackButtonX = cornerX;
  courseSelectBackButtonX = teamSetupBackButtonX = savedRacesBackButtonX = cornerX;
  savedCoursesBackButtonX = positionsOkButtonX = cornerX;
  quitButtonY = menuExitButtonY = manualOkButtonY = designBackButtonY = cornerY;
  courseSelectBackButtonY = teamSetupBackButtonY = savedRacesBackButtonY = cornerY;
  savedCoursesBackButtonY = positionsOkButtonY = cornerY;

  wrapMarginX = 0.1f * W;
  wrapPaddingX = 0.01f * W;
  manualBoxX = wrapMarginX;
  manualBoxY = 16;
  manualBoxWidth = 0.8f * W;
  manualBoxHeight = 0.97f * manualOkButtonY;
  manualLinesPerPage = static_cast<int32_t>((manualBoxHeight - 40) / 20);

  cardPanelX = 0.02f * W;
  cardPanelY = 0.761f * H;
  cardPanelWidth = 0.496f * W;
  cardPanelHeight = 0.176f * H;
  cardWidth = static_cast<float>((drawAreaWidth * 3) / 70);
  cardHeight = static_cast<float>((drawAreaHeight * 12) / 175);
  cardGapX = (cardPanelWidth - 9 * cardWidth) / 10;
  cardGapY = (cardPanelHeight - 2 * cardHeight) / 3;
  diceX = cardPanelX + cardPanelWidth + cardGapX;
  diceY = cardPanelY;
  dieSize = cardHeight;
  dieGap = cardGapX;
  extraDieX = diceX + 2 * dieSize + 3 * dieGap;
  extraDieY = diceY;

  teamTabsX = cardPanelX;
  teamTabsY = cardPanelY + cardPanelHeight;
  teamTabsWidth = cardPanelWidth;
  teamTabsHeight = 0.02f * W;
  throwButtonX = diceX;
  throwButtonY = diceY + 6 * dieSize / 5;
  throwButtonWidth = dieSize;
  throwButtonHeight = dieSize / 3;
  breakawayBoxX = diceX + dieSize + dieGap;
  breakawayBoxY = diceY + 6 * dieSize / 5;
  breakawayBoxSize = dieSize / 3;
  handInSlotsX = diceX;
  handInSlotsY = throwButtonY + throwButtonHeight + dieGap;
  handInOkButtonX = diceX;
  handInOkButtonY = std::min(handInSlotsY + cardHeight + dieSize / 5, H - BAND_STRIP_HEIGHT - throwButtonHeight);
  extraThrowButtonX = extraDieX;
  extraThrowButtonY = extraDieY + dieSize + 0.5f * throwButtonHeight;

  // The right-hand column: the view buttons at the top, then the footer.
  viewSwitchX = scorecardButtonX = positionsButtonX = dopingButtonX = settingsButtonX = cornerX;
  viewSwitchY = diceY;
  viewSwitchSize = buttonHeight;
  cameraButtonX = cornerX + footerButtonWidth - buttonHeight;
  cameraButtonY = diceY;
  cameraButtonSize = buttonHeight;
  scorecardButtonY = diceY + 1.2f * buttonHeight;
  positionsButtonY = diceY + 2.4f * buttonHeight;
  dopingButtonY = diceY + 3.6f * buttonHeight;
  settingsButtonY = diceY + 4.8f * buttonHeight;

  // The scorecard sheet is 0.4 W wide unless the score panel (the sheet,
  // the row of buttons under it and the title strip above) would then be
  // taller than the room between the strips above and below the band, as
  // on a wide window laid out 5:4; then it takes the largest width that
  // fits.
  const float sheetHeightRoom = H - 2 * BAND_STRIP_HEIGHT - SCORE_PANEL_BUTTON_ROW * H - panelTitleHeight;
  scorecardWidth = std::min(0.4f * W, std::max(0.0f, sheetHeightRoom) * 1072 / 1419);
  scorecardHeight = scorecardWidth * 1419 / 1072;

  courseTileWidth = 0.38f * W;
  courseTileHeight = boardPictureHeight(courseTileWidth);

  computeBoardViewport(drawAreaWidth, drawAreaHeight, boardViewport);

  if (screenLayoutHook != nullptr) screenLayoutHook();
}

float boardPictureHeight(float w) {
  const float W = static_cast<float>(drawAreaWidth);
  const float H = static_cast<float>(drawAreaHeight);
  return (W > 0 && H > 0) ? ((H / 4) / (W / 5)) * w * 1152 / 1954 : 0;
}

float racePanelCounterTop() { return extraThrowButtonY + 1.3f * throwButtonHeight; }

bool pointInRect(float x, float y, float rectX, float rectY, float rectWidth, float rectHeight) {
  return rectX <= x && x <= rectX + rectWidth && rectY <= y && y <= rectY + rectHeight;
}
