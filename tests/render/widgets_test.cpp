// The widgets, drawn into the overlay and read back pixel by pixel.
#include <cstring>

#include <GL/gl.h>

#include "model/screens.h"
#include "model/track.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/shapes.h"
#include "render/widgets.h"
#include "render/window_harness.h"
#include "rules/race_state.h"

namespace {

class Widgets : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (HasFatalFailure()) return;
    uploadRiderPictures(false);
    startOverlay();
  }
};

TEST_F(Widgets, PanelHasADarkBlueTitleStripOverAWhiteBody) {
  drawPanel(100, 200, 300, 150);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(250, 200 - static_cast<int>(panelTitleHeight) + 2), 0, 0, 128));
  EXPECT_TRUE(colourNear(pixelAt(250, 198), 0, 0, 128));
  EXPECT_TRUE(colourNear(pixelAt(250, 202), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(250, 348), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(250, 352), 0, 0, 0));
  EXPECT_TRUE(colourNear(pixelAt(98, 250), 0, 0, 0));
}

TEST_F(Widgets, RoundedRectangleCutsItsCorners) {
  glColor3f(1, 0, 0);
  drawRoundedRect(100, 100, 200, 100, 20);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(200, 101), 255, 0, 0));   // top edge
  EXPECT_TRUE(colourNear(pixelAt(101, 150), 255, 0, 0));   // left edge
  EXPECT_TRUE(colourNear(pixelAt(101, 101), 0, 0, 0));     // corners are round
  EXPECT_TRUE(colourNear(pixelAt(298, 198), 0, 0, 0));
  EXPECT_TRUE(colourNear(pixelAt(110, 110), 255, 0, 0));   // inside the quarter disc
}

TEST_F(Widgets, ButtonColoursAndHotKeyUnderline) {
  // "HHHH" (9 pixels a letter) enabled, its second letter underlined: the
  // line runs 5 pixels below the centre line, under that letter only.
  drawButton(100, 100, 100, 30, 1, "HHHH", 1);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(102, 102), 179, 179, 179));
  const int underlineY = 100 + 15 + 5;
  const int start = 100 + 50 + 1 - 36 / 2 + 9;
  EXPECT_GE(countColourInBox(start, underlineY - 1, start + 8, underlineY, 0, 0, 0), 7);
  EXPECT_EQ(countColourInBox(start - 4, underlineY - 1, start - 1, underlineY, 0, 0, 0), 0);
  EXPECT_EQ(countColourInBox(start + 10, underlineY - 1, start + 14, underlineY, 0, 0, 0), 0);
  EXPECT_GT(countColourInBox(130, 105, 170, 118, 0, 0, 0), 10);  // the black label

  // Disabled: grey label and grey underline; no black anywhere.
  startOverlay();
  drawButton(100, 100, 100, 30, 0, "HHHH", 1);
  glFinish();
  EXPECT_EQ(countColourInBox(101, 101, 199, 129, 0, 0, 0), 0);
  EXPECT_GE(countColourInBox(start, underlineY - 1, start + 8, underlineY, 128, 128, 128), 7);

  // No hot key, or an index past the label: no underline.
  for (int index : {-1, 4, 40}) {
    startOverlay();
    drawButton(100, 100, 100, 30, 1, "HHHH", index);
    glFinish();
    EXPECT_EQ(countColourInBox(101, underlineY - 1, 199, underlineY, 0, 0, 0), 0)
        << "index " << index;
  }
}

TEST_F(Widgets, CheckedDisabledCheckButtonShowsABlackCrossInGrey) {
  drawCheckButton(100, 100, 40, "Breakaway", 0, 0, 1);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(120, 120), 0, 0, 0));      // the cross's centre
  EXPECT_TRUE(colourNear(pixelAt(120, 102), 128, 128, 128)); // the top triangle
  EXPECT_TRUE(colourNear(pixelAt(102, 120), 128, 128, 128)); // the left triangle
  EXPECT_TRUE(colourNear(pixelAt(102, 102), 0, 0, 0));      // a corner of the cross
  // The label starts at 1.15 box widths and is grey, with its first letter
  // underlined 5 pixels below its line.
  EXPECT_GT(countColourInBox(146, 110, 220, 125, 128, 128, 128), 10);
  EXPECT_GE(countColourInBox(146, 126, 146 + 8, 127, 128, 128, 128), 7);  // under the "B"

  // Unchecked and enabled: a white box, white label.
  startOverlay();
  drawCheckButton(100, 100, 40, "Breakaway", -1, 1, 0);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(120, 120), 255, 255, 255));
  EXPECT_EQ(countColourInBox(146, 126, 154, 127, 255, 255, 255), 0);
}

TEST_F(Widgets, FocusedTextFieldShowsItsCaretEightPixelsPerCharacter) {
  drawTextField(100, 100, 200, 30, "", 1, 3, 1);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(150, 105), 255, 255, 255));
  // The caret "_" of the fixed font: black pixels from x 101 + 24 on.
  int caret = countColourInBox(125, 110, 133, 122, 0, 0, 0);
  EXPECT_GT(caret, 3);
  EXPECT_EQ(countColourInBox(101, 110, 123, 122, 0, 0, 0), 0);

  startOverlay();
  drawTextField(100, 100, 200, 30, "", 0, 3, 0);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(150, 105), 128, 128, 128));
  EXPECT_EQ(countColourInBox(101, 110, 140, 122, 0, 0, 0), 0);
}

TEST_F(Widgets, RadioButtonHasABlackCentreWhenSelected) {
  drawRadioButton(200, 200, 20, 1, 1);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(200, 200), 0, 0, 0));
  EXPECT_TRUE(colourNear(pixelAt(215, 200), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(200, 186), 255, 255, 255));
  startOverlay();
  drawRadioButton(200, 200, 20, 0, 0);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(200, 200), 128, 128, 128));
}

// The pips of the first die, as a 3 x 3 grid of spots (quarter and half of
// the die's side).
int pipMask(float x, float y) {
  int mask = 0;
  const float spots[3] = {0.25f, 0.5f, 0.75f};
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) {
      Rgb p = pixelAt(static_cast<int>(x + spots[i] * dieSize), static_cast<int>(y + spots[j] * dieSize));
      if (colourNear(p, 255, 255, 255)) mask |= 1 << (j * 3 + i);
    }
  return mask;
}

TEST_F(Widgets, DiceShowTheirPips) {
  struct Case {
    int value;
    int mask;  // bit j * 3 + i: spot column i, row j
  } cases[] = {
      {1, 1 << 4},
      {2, (1 << 0) | (1 << 8)},
      {3, (1 << 0) | (1 << 4) | (1 << 8)},
      {4, (1 << 0) | (1 << 2) | (1 << 6) | (1 << 8)},
      {5, (1 << 0) | (1 << 2) | (1 << 4) | (1 << 6) | (1 << 8)},
      {6, (1 << 0) | (1 << 2) | (1 << 3) | (1 << 5) | (1 << 6) | (1 << 8)},
      {-1, 0},
  };
  chosenCards[0] = chosenCards[1] = CARD_DIE;
  for (const Case& c : cases) {
    startOverlay();
    movementValues[0] = c.value;
    movementValues[1] = -1;
    drawDice(0);
    glFinish();
    EXPECT_EQ(pipMask(diceX, diceY), c.mask) << "value " << c.value;
    EXPECT_TRUE(colourNear(pixelAt(static_cast<int>(diceX + 0.5f * dieSize),
                                   static_cast<int>(diceY + 0.1f * dieSize)), 153, 0, 0));
    // The second die is blank.
    EXPECT_EQ(pipMask(diceX + dieSize + dieGap, diceY), 0);
  }
  startOverlay();
  extraDie = 6;
  drawDice(1);
  glFinish();
  EXPECT_EQ(pipMask(extraDieX, extraDieY), (1 << 0) | (1 << 2) | (1 << 3) | (1 << 5) | (1 << 6) | (1 << 8));
  extraDie = -1;
}

TEST_F(Widgets, StrengthCardColoursBySlot) {
  // Slot 4 of team 1 is a blue card: blue body, white inner field.
  ASSERT_EQ(strengthCardValue[4], 6);
  drawStrengthCard(100, 100, 1, 4, 1);
  // Slot 10, a white team card: white body, blue rim.
  int white = -1;
  for (int slot = 10; slot < STRENGTH_CARDS; ++slot)
    if (strengthCardValue[slot] == 5) white = slot;
  ASSERT_NE(white, -1);
  drawStrengthCard(300, 100, 1, white, 1);
  // The doping card of value 5 and a slot that holds no card.
  dopingCardValue = 5;
  drawStrengthCard(500, 100, 1, CARD_DOPING, 1);
  drawStrengthCard(700, 100, 1, -1, 1);
  drawStrengthCard(700, 300, -1, 4, 1);
  glFinish();
  int bodyX = static_cast<int>(0.5f * cardWidth);
  int bodyY = static_cast<int>(0.97f * cardHeight);
  EXPECT_TRUE(colourNear(pixelAt(100 + bodyX, 100 + bodyY), 0, 0, 255));
  EXPECT_TRUE(colourNear(pixelAt(300 + bodyX, 100 + bodyY), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(500 + bodyX, 100 + bodyY), 255, 255, 255));
  // The inner field is white on every card.
  int fieldX = static_cast<int>(cardWidth / 6 + 2);
  int fieldY = static_cast<int>(cardHeight / 8 + 2);
  EXPECT_TRUE(colourNear(pixelAt(100 + fieldX, 100 + fieldY), 255, 255, 255));
  EXPECT_TRUE(colourNear(pixelAt(300 + fieldX, 100 + fieldY), 255, 255, 255));
  // The value "6" is white on the blue card, "5" blue on the white card.
  int valueY = 100 + static_cast<int>(0.85f * cardHeight);
  EXPECT_GT(countColourInBox(100 + bodyX - 4, valueY - 9, 100 + bodyX + 4, valueY + 3, 255, 255,
                             255),
            5);
  EXPECT_GT(
      countColourInBox(300 + bodyX - 4, valueY - 9, 300 + bodyX + 4, valueY + 3, 0, 0, 255), 5);
  // Nothing for the empty slot and the missing team.
  EXPECT_EQ(countColourInBox(700, 100, 700 + static_cast<int>(cardWidth),
                             100 + static_cast<int>(cardHeight), 0, 0, 0),
            (static_cast<int>(cardWidth) + 1) * (static_cast<int>(cardHeight) + 1));
  EXPECT_EQ(countColourInBox(700, 300, 700 + static_cast<int>(cardWidth),
                             300 + static_cast<int>(cardHeight), 0, 0, 0),
            (static_cast<int>(cardWidth) + 1) * (static_cast<int>(cardHeight) + 1));
  dopingCardValue = 0;
}

TEST_F(Widgets, RiderFigureColourLabelAndScale) {
  currentScreen = SCREEN_PLAY_CARDS;
  glPushMatrix();
  glTranslatef(100, 100, 0);
  drawRiderFigure(5, POSE_FLAT, 1, 1, 1);  // team 1, red, "32"
  glPopMatrix();
  glPushMatrix();
  glTranslatef(200, 100, 0);
  drawRiderFigure(5, POSE_FLAT, 1, 0.5f, 1);  // no number at scale 0.5
  glPopMatrix();
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(100 + 11, 100 - 3), 153, 0, 0));
  EXPECT_GT(countColourInBox(92, 88, 108, 104, 255, 255, 255), 5);
  EXPECT_TRUE(colourNear(pixelAt(200 + 4, 100), 153, 0, 0));
  EXPECT_EQ(countColourInBox(192, 88, 208, 104, 255, 255, 255), 0);

  // The last line's winner is yellow with a black number.
  startOverlay();
  lastLineWinner = 5;
  glPushMatrix();
  glTranslatef(100, 100, 0);
  drawRiderFigure(5, POSE_FLAT, 1, 1, 1);
  glPopMatrix();
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(100 + 11, 100 - 3), 255, 255, 0));
  EXPECT_GT(countColourInBox(92, 88, 108, 104, 0, 0, 0), 5);

  // On the settings screen every team is dimmed but the black one.
  startOverlay();
  glClearColor(0, 0, 1, 0);  // so that the black team shows
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(0, 0, 0, 0);
  lastLineWinner = -1;
  currentScreen = SCREEN_SETTINGS;
  for (int team = 0; team < 4; ++team) {
    glPushMatrix();
    glTranslatef(100.0f + 50 * team, 300, 0);
    drawRiderFigure(team * 4, POSE_FLAT, 0, 1, 0);
    glPopMatrix();
  }
  drawRiderFigure(-1, POSE_FLAT, 1, 1, 0);
  glFinish();
  EXPECT_TRUE(colourNear(pixelAt(100 + 5, 300), 0, 77, 0));
  EXPECT_TRUE(colourNear(pixelAt(150 + 5, 300), 77, 0, 0));
  EXPECT_TRUE(colourNear(pixelAt(200 + 5, 300 - 5), 0, 0, 0));
  EXPECT_TRUE(colourNear(pixelAt(250 + 5, 300), 0, 0, 77));
}

TEST_F(Widgets, FramedLabelLeavesAGapForItsText) {
  glColor3f(1, 1, 1);
  drawFramedLabel(100, 100, 300, 100, "Delay");
  glFinish();
  int inset = static_cast<int>(frameLabelInset);
  int textWidth = 9 + 7 + 3 + 7 + 7;  // D e l a y
  // Lines on whole coordinates light the pixel on one side or the other.
  EXPECT_EQ(countColourInBox(100 + inset / 2, 99, 100 + inset / 2, 100, 255, 255, 255), 1);
  EXPECT_EQ(countColourInBox(99, 150, 100, 150, 255, 255, 255), 1);
  EXPECT_EQ(countColourInBox(250, 199, 250, 200, 255, 255, 255), 1);
  EXPECT_EQ(countColourInBox(399, 150, 400, 150, 255, 255, 255), 1);
  // The top edge is open where the text sits: only the letters cross it.
  EXPECT_LT(countColourInBox(100 + inset + 1, 100, 100 + inset + textWidth - 1, 100, 255, 255, 255),
            textWidth / 2);
  int closed = 0;
  for (int x = 100 + inset + textWidth + 2; x <= 390; ++x)
    if (countColourInBox(x, 99, x, 100, 255, 255, 255) > 0) ++closed;
  EXPECT_EQ(closed, 390 - (100 + inset + textWidth + 2) + 1) << "the top edge beyond the text";
}

}  // namespace
