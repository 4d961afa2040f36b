// Texts that must stay readable at every window size and ratio setting.
#include <GL/freeglut.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/settings.h"
#include "model/track.h"
#include "render/layout.h"
#include "render/scene_lists.h"
#include "render/text.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "ui/positions_screen.h"
#include "ui/team_setup.h"
#include "ui/ui_harness.h"

namespace {

// The bytes of a variable, put back when the copy goes.
struct KeptBytes {
  template <typename T>
  explicit KeptBytes(T& live)
      : live(&live), copy(reinterpret_cast<char*>(&live), reinterpret_cast<char*>(&live) + sizeof live) {}
  ~KeptBytes() { std::memcpy(live, copy.data(), copy.size()); }
  void* live;
  std::vector<char> copy;
};

// The names and riders these tests change are put back after each test.
class SmallWindowTextsTest : public ScreenTest {
 protected:
  KeptBytes names{teamNames}, keptRiders{riders}, doping{dopingNumber}, laps{riderLap};
};

// Boxes that share an edge (up to rounding) do not meet.
bool boxesMeet(const PositionsTextBox& a, const PositionsTextBox& b) {
  const float e = 1e-3f;
  return a.left < b.right - e && b.left < a.right - e && a.top < b.bottom - e && b.top < a.bottom - e;
}

// Every text of the overview, with all teams played by the computer and
// every doping number shown, in each language with the default and with
// the widest names: inside the window between the version and credit
// strips, clear of the other texts, the figures and the OK button, and with
// the default names clear of the map. At 1280 x 1024, where the plan fits,
// the figures and names stand where the plan puts them.
TEST_F(SmallWindowTextsTest, PositionsTextsStayInsideAndApart) {
  for (int r = 0; r < RIDER_COUNT; ++r) {
    riders[r].humanControlled = riders[r].finished = 0;
    dopingNumber[r] = 6;
    riderLap[r] = 9;
  }
  for (const GameWindow& w : gameMonitors) {
    for (int l = 0; l < LANGUAGE_COUNT; ++l) {
      for (bool defaultNames : {true, false}) {
        language = static_cast<uint8_t>(l);
        std::memset(teamNames, defaultNames ? 0 : 'W', sizeof teamNames);
        for (auto& name : teamNames) name[TEAM_NAME_SIZE - 1] = 0;
        setLanguageTexts();
        const std::string where = layOutWindow(w) + ", language " + std::to_string(l) +
                                  (defaultNames ? "" : ", widest names");
        const float W = static_cast<float>(drawAreaWidth), H = static_cast<float>(drawAreaHeight);
        PositionsLayout layout;
        layOutPositions(&layout);

        // The texts first, then what they must also keep off.
        std::vector<std::pair<std::string, PositionsTextBox>> boxes;
        for (int t = 0; t < TEAM_COUNT; ++t)
          for (const PositionsText& text : {layout.teamName[t], layout.computerLine[t]})
            boxes.push_back({text.text, positionsTextBox(text)});
        for (int r = 0; r < RIDER_COUNT; ++r)
          for (const PositionsText& text : {layout.lap[r], layout.doping[r]})
            boxes.push_back({text.text + " of rider " + std::to_string(r), positionsTextBox(text)});
        const size_t textCount = boxes.size();
        ASSERT_EQ(textCount, 40u);
        const float across = 14 * tokenAspect();
        for (int r = 0; r < RIDER_COUNT; ++r) {
          const float x = layout.anchorX[r], y = layout.anchorY[r];
          boxes.push_back({"figure " + std::to_string(r), {x - across, y - 14, x + across, y + 14}});
        }
        const float okX = positionsOkButtonX, okY = positionsOkButtonY, mapX = layout.mapX, mapY = layout.mapY;
        boxes.push_back({"OK", {okX, okY, okX + buttonWidth, okY + buttonHeight}});
        if (defaultNames) boxes.push_back({"map", {mapX, mapY, mapX + layout.mapWidth, mapY + layout.mapHeight}});

        for (size_t i = 0; i < textCount; ++i) {
          const PositionsTextBox& b = boxes[i].second;
          EXPECT_TRUE(b.left >= 0 && b.right <= W && b.top > 15 && b.bottom < H - 15)
              << boxes[i].first << " leaves the window, " << where;
          for (size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxesMeet(b, boxes[j].second)) << boxes[i].first << " on " << boxes[j].first << ", " << where;
        }
        if (W != 1280 || H != 1024 || !defaultNames) continue;
        for (int r = 0; r < RIDER_COUNT; ++r) {
          const int t = r / 4, m = r % 4;
          EXPECT_EQ(layout.anchorX[r], t % 2 == 1 ? 0.05f * W + (t / 2) * 0.9f * W : (0.35f + 0.1f * m) * W);
          EXPECT_EQ(layout.anchorY[r], t % 2 == 1 ? (0.35f + 0.1f * m) * H : 0.82f * H - (t / 2) * 0.72f * H);
        }
        EXPECT_EQ(layout.teamName[1].font, FONT_LARGE) << where;
        EXPECT_EQ(layout.teamName[2].y, 0.89f * H - 0.84f * H - 14) << where;
      }
    }
  }
}

// A rider's number on his 2D token: in Helvetica 12 as before wherever the
// token is as wide as the number, else in Helvetica 10 centred on the token
// (and then inside it wherever it can be), as on the 1024 x 768 monitors,
// also one set to 16:10 with its 800-pixel drawing area. The race name field
// holds the widest name it accepts, as the team name fields do.
TEST_F(SmallWindowTextsTest, RiderNumbersOnTheirTokensAndRaceNamesInTheirField) {
  std::vector<GameWindow> windows(std::begin(gameWindows), std::end(gameWindows));
  windows.push_back({1024, 768, {16, 10}});
  for (const GameWindow& w : windows) {
    const std::string where = layOutWindow(w);
    computeBoardViewport(drawAreaWidth, drawAreaHeight, boardViewport);
    const bool smallNumbers = w.width == 1024;  // the 2D token is narrower than a number in Helvetica 12
    const float token = boardTokenPixelWidth();
    for (const char* number : {"21", "54"}) {
      void* font = nullptr;
      float lead = 0;
      riderNumberPlacement(number, &font, &lead);
      const float width = static_cast<float>(glutBitmapLength(font, reinterpret_cast<const unsigned char*>(number)));
      const float left = -lead * static_cast<float>(boardViewport[2]) / 1954;
      EXPECT_EQ(font == GLUT_BITMAP_HELVETICA_10, smallNumbers) << where << ", token " << token;
      if (!smallNumbers) {
        EXPECT_EQ(lead, 12) << where;
        EXPECT_GE(token, width) << where;
      } else {
        EXPECT_NEAR(left + width / 2, 0, 0.01f) << where;
        EXPECT_TRUE(token < width || (left >= -token / 2 && left + width <= token / 2)) << where;
      }
    }
  }
  for (const char* name : {"WWWWWWWWWWWW", "MMMMMMMMMMMM"})
    for (float field : {RACE_NAME_FIELD_WIDTH, TEAM_NAME_FIELD_WIDTH})
      EXPECT_LE(1 + drawnTextWidth(name, FONT_FIXED), field) << name;
}

}  // namespace
