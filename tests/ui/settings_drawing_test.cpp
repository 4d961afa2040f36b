// The settings screen as drawn: read back from the frame, the radios show
// the mode and the ratio, the open fields are white and the closed ones
// grey, the labels of the closed mode are grey, and nothing of it shows on
// another screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include <GL/freeglut.h>

#include "model/screens.h"
#include "model/settings.h"
#include "texts/language_texts.h"
#include "render/frame.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "render/views.h"
#include "ui/settings_screen.h"
#include "ui/settings_support.h"

namespace {

class SettingsDrawingTest : public SettingsScreenTest {
 protected:
  // The pixel of a point in drawing-area pixels.
  static Rgb at(float x, float y) {
    return pixelAt(static_cast<int>(x) + drawAreaX, static_cast<int>(y) + drawAreaY);
  }
  static Rgb atCentre(const float centre[2]) { return at(centre[0], centre[1]); }
  // Black, white or a grey: all three channels at v.
  static ::testing::AssertionResult shade(const Rgb& pixel, int v) { return colourNear(pixel, v, v, v); }
  // A point inside a field, clear of its text and caret: near its right end.
  static Rgb inField(int field) {
    const SettingsLayout layout = settingsLayout();
    const float* rect = layout.fields[field];
    return at(rect[0] + rect[2] - 3, rect[1] + 3);
  }
  // Counts the pixels of a box (drawing-area pixels) that are white, and
  // those that are the mid grey of a closed label.
  static void countColours(float x, float y, int w, int h, int* white, int* grey) {
    const int left = static_cast<int>(x) + drawAreaX;
    const int top = static_cast<int>(y) + drawAreaY;
    *white = countColourInBox(left, top, left + w - 1, top + h - 1, 255, 255, 255, 2);
    *grey = countColourInBox(left, top, left + w - 1, top + h - 1, 128, 128, 128, 2);
  }
};

// Read back from the frame: the chosen radios black, the others white; the
// open fields white and the closed ones grey; the labels of the closed mode
// grey. Smooth at 5:4, stepwise with 16:10 chosen, and smooth on a 4:3 screen.
TEST_F(SettingsDrawingTest, RadiosFieldsAndLabelsShowModeAndRatio) {
  const struct {
    bool stepwise;
    int ratio;
    bool screen43;
  } cases[] = {{false, 0, false}, {true, 2, false}, {false, 1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.stepwise ? "stepwise" : "smooth") + " ratio " + std::to_string(c.ratio));
    if (c.screen43) {
      screenRatio[0] = 4;
      screenRatio[1] = 3;
      sceneListsBuilt = 0;
      onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
      ASSERT_EQ(drawAreaX, 40);
    }
    smoothComputerMovement = 1;
    openFrom(SCREEN_MAIN_MENU);
    const SettingsLayout layout = settingsLayout();
    if (c.stepwise) {
      clickCentre(layout.stepwiseRadio);
      clickCentre(layout.ratioRadios[c.ratio]);  // chosen, not yet in force
      std::strcpy(settingsFieldText[SETTINGS_FIELD_STEP_INTERVAL], "");
    }
    drawFrame();
    glFinish();
    EXPECT_FLOAT_EQ(layout.smoothRadio[0], 0.4f * static_cast<float>(drawAreaWidth));
    EXPECT_TRUE(shade(atCentre(layout.smoothRadio), c.stepwise ? 255 : 0));
    EXPECT_TRUE(shade(atCentre(layout.stepwiseRadio), c.stepwise ? 0 : 255));
    for (int r = 0; r < 3; ++r) EXPECT_TRUE(shade(atCentre(layout.ratioRadios[r]), r == c.ratio ? 0 : 255)) << r;
    // The chosen radio's rim, off its black middle, is white.
    const float* chosen = c.stepwise ? layout.stepwiseRadio : layout.smoothRadio;
    EXPECT_TRUE(shade(at(chosen[0], chosen[1] + layout.radioSize / 2 - 3), 255));
    EXPECT_TRUE(shade(inField(SETTINGS_FIELD_DELAY), c.stepwise ? 128 : 255));
    EXPECT_TRUE(shade(inField(SETTINGS_FIELD_DISTANCE), c.stepwise ? 128 : 255));
    EXPECT_TRUE(shade(inField(SETTINGS_FIELD_STEP_INTERVAL), c.stepwise ? 255 : 128));
    // The three buttons' grey faces.
    for (const float* button : {layout.defaultButton, layout.okButton, layout.cancelButton})
      EXPECT_TRUE(shade(at(button[0] + 2, button[1] + 2), 179));
    // The title stands in white above the frames.
    const float width = static_cast<float>(drawAreaWidth), height = static_cast<float>(drawAreaHeight);
    int white = 0, grey = 0;
    countColours(0.5f * width - 50, 0.2f * height - 18, 100, 24, &white, &grey);
    EXPECT_GT(white, 30);
    // The delay label is white in smooth mode, the step label in stepwise mode;
    // the other is grey.
    const float labelX = 0.4f * width + 1.5f * layout.radioSize;
    for (float row : {0.25f, 0.33f}) {
      countColours(labelX, row * height + layout.radioSize - 12, 60, 14, &white, &grey);
      const bool open = (row == 0.25f) != c.stepwise;
      EXPECT_GT(open ? white : grey, 10) << "label at " << row;
      EXPECT_EQ(open ? grey : white, 0) << "label at " << row;
    }
    // The frame of the movement settings: its left edge runs down the screen
    // (a line on a pixel border lights the column on one side of it).
    const float* frame = layout.movementFrame;
    const float middle = frame[1] + frame[3] / 2;
    const float edge = static_cast<float>(static_cast<int>(frame[0]));
    EXPECT_TRUE(shade(at(edge - 1, middle), 255) || shade(at(edge, middle), 255));
    EXPECT_TRUE(shade(at(edge + 3, middle), 0));
    if (c.stepwise) {
      // The focused empty step field shows its caret "_" at its start, in black.
      const float* step = layout.fields[SETTINGS_FIELD_STEP_INTERVAL];
      int black = 0;
      for (int dy = 0; dy < static_cast<int>(step[3]); ++dy)
        for (int dx = 1; dx < 9; ++dx)
          if (shade(at(step[0] + static_cast<float>(dx), step[1] + static_cast<float>(dy)), 0)) ++black;
      EXPECT_GT(black, 3);
    }
  }
}

TEST_F(SettingsDrawingTest, NothingOfItOnAnotherScreen) {
  fillSettingsFields();
  currentScreen = SCREEN_MAIN_MENU;
  drawFrame();
  glFinish();
  const SettingsLayout layout = settingsLayout();
  EXPECT_TRUE(shade(atCentre(layout.stepwiseRadio), 0));
  EXPECT_TRUE(shade(inField(SETTINGS_FIELD_DELAY), 0));
  EXPECT_TRUE(shade(at(layout.okButton[0] + 2, layout.okButton[1] + 2), 0));
}

// The pixels a label moves the raster position when drawn in the small
// font.
float drawnLabelWidth(const char* text) {
  drawText(0, 100, ALIGN_LEFT, text, FONT_SMALL, -1, 0, 0);
  GLfloat position[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
  return position[0];
}

TEST_F(SettingsDrawingTest, LabelsClearTheirFieldsAndButtonsInEveryLanguageAndRatio) {
  struct Screen {
    int width, height;
    double ratio[2];
  } screens[] = {{1280, 1024, {5, 4}}, {1280, 1024, {4, 3}}, {1280, 1024, {16, 10}},
                 {1024, 768, {4, 3}},  {1280, 800, {16, 10}}, {1280, 960, {4, 3}},
                 {1680, 1050, {16, 10}}};
  for (int lang = 0; lang < LANGUAGE_COUNT; ++lang) {
    language = static_cast<uint8_t>(lang);
    setLanguageTexts();
    for (const Screen& screen : screens) {
      screenRatio[0] = screen.ratio[0];
      screenRatio[1] = screen.ratio[1];
      onReshape(screen.width, screen.height);
      startOverlay();
      SCOPED_TRACE("language " + std::to_string(lang) + ", " + std::to_string(screen.width) + " x " +
                   std::to_string(screen.height) + " at " + std::to_string(screen.ratio[0]));
      const SettingsLayout layout = settingsLayout();
      const float labelX = 0.4f * drawAreaWidth + 1.5f * layout.radioSize;
      // Labels beside the number fields end before their field.
      const float smoothField = layout.fields[SETTINGS_FIELD_DELAY][0];
      EXPECT_FLOAT_EQ(layout.fields[SETTINGS_FIELD_DISTANCE][0], smoothField);
      EXPECT_LT(labelX + drawnLabelWidth(textDelay) + 2, smoothField);
      EXPECT_LT(labelX + drawnLabelWidth(textDistance) + 2, smoothField);
      const float stepField = layout.fields[SETTINGS_FIELD_STEP_INTERVAL][0];
      EXPECT_LT(labelX + drawnLabelWidth(textTimeBetweenSteps) + 2, stepField);
      // The fields keep their places where the labels fit, and the units
      // stay inside the frame.
      if (labelX + drawnLabelWidth(textTimeBetweenSteps) + 5 <= 0.54f * drawAreaWidth) {
        EXPECT_FLOAT_EQ(stepField, 0.54f * drawAreaWidth);
      }
      const float frameRight = layout.movementFrame[0] + layout.movementFrame[2];
      EXPECT_LT(std::max(layout.delayUnitX, layout.stepUnitX) + drawnLabelWidth("ms"), frameRight);
      // Button labels fit their buttons; OK and Cancel stay side by side.
      EXPECT_LT(drawnLabelWidth(textCancel) + 4, layout.cancelButton[2]);
      EXPECT_LT(drawnLabelWidth("OK") + 4, layout.okButton[2]);
      EXPECT_LT(drawnLabelWidth(textDefault) + 4, layout.defaultButton[2]);
      EXPECT_LT(layout.okButton[0] + layout.okButton[2], layout.cancelButton[0]);
    }
  }
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  screenRatio[0] = 5;
  screenRatio[1] = 4;
  onReshape(TEST_WINDOW_WIDTH, TEST_WINDOW_HEIGHT);
}

}  // namespace
