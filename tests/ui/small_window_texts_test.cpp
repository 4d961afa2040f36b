// Texts that must stay readable at every window size and ratio setting: the
// positions overview's names and rider texts, the rider numbers on the 2D
// board's tokens and the race name field of the team setup.
#include <GL/freeglut.h>

#include <cstring>
#include <string>
#include <vector>

#include "files/team_entries.h"
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

struct WindowCase {
  int width, height;
  double ratioWidth, ratioHeight;
};

// The monitors the game is played on, 1920 x 1080 with each ratio setting.
const WindowCase windows[] = {
    {1024, 768, 4, 3},   {1280, 1024, 5, 4}, {1920, 1200, 16, 10},
    {1920, 1080, 5, 4},  {1920, 1080, 4, 3}, {1920, 1080, 16, 10},
};

std::string describe(const WindowCase& w) {
  return std::to_string(w.width) + "x" + std::to_string(w.height) + " at " +
         std::to_string(static_cast<int>(w.ratioWidth)) + ":" + std::to_string(static_cast<int>(w.ratioHeight));
}

class SmallWindowTextsTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    keepRaceState(false);
  }
  void TearDown() override {
    keepRaceState(true);
    ScreenTest::TearDown();
  }
  // The names, riders, race name and mode these tests change: copied aside
  // before a test and put back after it.
  void keepRaceState(bool putBack) {
    auto keep = [putBack](void* live, void* kept, size_t size) {
      if (putBack)
        std::memcpy(live, kept, size);
      else
        std::memcpy(kept, live, size);
    };
    keep(teamNames, savedNames, sizeof savedNames);
    keep(riders, savedRiders, sizeof savedRiders);
    keep(dopingNumber, savedDoping, sizeof savedDoping);
    keep(riderLap, savedLaps, sizeof savedLaps);
    keep(raceName, savedRaceName, sizeof savedRaceName);
    keep(&tourMode, &savedTourMode, sizeof savedTourMode);
  }
  static void layOutWindow(const WindowCase& w) {
    windowWidth = w.width;
    windowHeight = w.height;
    screenRatio[0] = w.ratioWidth;
    screenRatio[1] = w.ratioHeight;
    applyScreenRatio();
    computeLayout();
    computeBoardViewport(drawAreaWidth, drawAreaHeight, boardViewport);
  }
  char savedNames[4][TEAM_NAME_SIZE];
  Rider savedRiders[RIDER_COUNT];
  int32_t savedDoping[RIDER_COUNT];
  int32_t savedLaps[RIDER_COUNT];
  char savedRaceName[RACE_NAME_SIZE];
  decltype(tourMode) savedTourMode = 0;
};

bool boxesMeet(const PositionsTextBox& a, const PositionsTextBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct Placed {
  std::string what;
  PositionsTextBox box;
};

// Every text of the overview with every rider on the screen, all teams
// played by the computer and every doping number shown: inside the window
// between the version strip and the credit strip, clear of the other texts,
// of every figure and of the OK button; with the default names also clear
// of the map. Where the plan fits (1280 x 1024) the figures stand exactly
// where the plan puts them.
TEST_F(SmallWindowTextsTest, PositionsTextsStayInsideAndApart) {
  const std::string widest(12, 'W');
  for (int r = 0; r < RIDER_COUNT; ++r) {
    riders[r].humanControlled = 0;
    riders[r].finished = 0;
    riders[r].row = riders[r].lane = -1;
    dopingNumber[r] = 6;
    riderLap[r] = 9;
  }
  for (const WindowCase& w : windows) {
    for (int l = 0; l < LANGUAGE_COUNT; ++l) {
      for (bool defaultNames : {true, false}) {
        language = static_cast<uint8_t>(l);
        std::memset(teamNames, 0, sizeof teamNames);
        setLanguageTexts();
        if (!defaultNames)
          for (auto& name : teamNames) std::memcpy(name, widest.c_str(), widest.size());
        layOutWindow(w);
        const std::string where = describe(w) + ", language " + std::to_string(l) +
                                  (defaultNames ? ", default names" : ", widest names");
        const float W = static_cast<float>(drawAreaWidth);
        const float H = static_cast<float>(drawAreaHeight);
        PositionsLayout layout;
        layOutPositions(&layout);

        std::vector<Placed> texts;
        auto add = [&](const PositionsText& t, const std::string& what) {
          if (t.shown) texts.push_back({what + " \"" + t.text + "\"", positionsTextBox(t)});
        };
        for (int t = 0; t < TEAM_COUNT; ++t) {
          add(layout.teamName[t], "name of team " + std::to_string(t));
          add(layout.computerLine[t], "computer line of team " + std::to_string(t));
        }
        for (int r = 0; r < RIDER_COUNT; ++r) {
          add(layout.lap[r], "lap of rider " + std::to_string(r));
          add(layout.doping[r], "doping of rider " + std::to_string(r));
        }
        ASSERT_EQ(texts.size(), 40u) << where;

        std::vector<Placed> obstacles = {
            {"OK button", {positionsOkButtonX, positionsOkButtonY, positionsOkButtonX + buttonWidth,
                           positionsOkButtonY + buttonHeight}}};
        const float across = 14 * tokenAspect();
        for (int r = 0; r < RIDER_COUNT; ++r)
          obstacles.push_back({"figure " + std::to_string(r),
                               {layout.anchorX[r] - across, layout.anchorY[r] - 14,
                                layout.anchorX[r] + across, layout.anchorY[r] + 14}});
        const PositionsTextBox map = {layout.mapX, layout.mapY, layout.mapX + layout.mapWidth,
                                      layout.mapY + layout.mapHeight};

        for (size_t i = 0; i < texts.size(); ++i) {
          const PositionsTextBox& b = texts[i].box;
          EXPECT_TRUE(b.left >= 0 && b.right <= W && b.top > 15 && b.bottom < H - 15)
              << texts[i].what << " leaves the window, " << where;
          for (size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(boxesMeet(b, texts[j].box)) << texts[i].what << " on " << texts[j].what << ", " << where;
          for (const Placed& o : obstacles)
            EXPECT_FALSE(boxesMeet(b, o.box)) << texts[i].what << " on " << o.what << ", " << where;
          if (defaultNames) {
            EXPECT_FALSE(boxesMeet(b, map)) << texts[i].what << " on the map, " << where;
          }
        }

        if (w.width == 1280 && defaultNames) {
          for (int r = 0; r < RIDER_COUNT; ++r) {
            const int t = r / 4, m = r % 4;
            const float x = t % 2 == 1 ? 0.05f * W + (t / 2) * 0.9f * W : (0.35f + 0.1f * m) * W;
            const float y = t % 2 == 1 ? (0.35f + 0.1f * m) * H : 0.82f * H - (t / 2) * 0.72f * H;
            EXPECT_EQ(layout.anchorX[r], x) << r << ", " << where;
            EXPECT_EQ(layout.anchorY[r], y) << r << ", " << where;
          }
          EXPECT_EQ(layout.teamName[1].font, FONT_LARGE) << where;
          EXPECT_EQ(layout.teamName[2].y, 0.89f * H - 0.84f * H - 14) << where;
        }
      }
    }
  }
}

// A rider's number on his 2D token: in Helvetica 12 as before wherever the
// token is as wide as the number, in Helvetica 10 centred on the token
// where it is narrower, and then inside the token.
TEST_F(SmallWindowTextsTest, RiderNumbersStayOnTheirTokens) {
  struct Case {
    WindowCase window;
    bool small;
  } cases[] = {
      {windows[0], true},  {windows[1], false}, {windows[2], false},
      {windows[3], false}, {windows[4], false}, {windows[5], false},
      {{1024, 768, 16, 10}, true},
  };
  for (const Case& c : cases) {
    layOutWindow(c.window);
    const float token = boardTokenPixelWidth();
    const float pixelsPerUnit = static_cast<float>(boardViewport[2]) / 1954;
    for (const char* number : {"21", "44", "54"}) {
      void* font = nullptr;
      float lead = 0;
      riderNumberPlacement(number, &font, &lead);
      const float width = static_cast<float>(
          glutBitmapLength(font, reinterpret_cast<const unsigned char*>(number)));
      const std::string where = describe(c.window) + ", number " + number;
      EXPECT_EQ(font == GLUT_BITMAP_HELVETICA_10, c.small) << where << ", token " << token;
      if (!c.small) {
        EXPECT_EQ(lead, 12) << where;
        EXPECT_GE(token, width) << where;
        continue;
      }
      const float left = -lead * pixelsPerUnit;
      EXPECT_NEAR(left + width / 2, 0, 0.01f) << where;
      if (token >= width) {
        EXPECT_GE(left, -token / 2) << where;
        EXPECT_LE(left + width, token / 2) << where;
      }
    }
  }
}

// The race name field holds the widest name it accepts, 12 characters of
// the fixed font after the field's one-pixel inset, as the team name
// fields do; a click on its last column puts the caret on the last letter.
TEST_F(SmallWindowTextsTest, RaceNameFieldHoldsTheLongestName) {
  for (const char* name : {"WWWWWWWWWWWW", "MMMMMMMMMMMM", "Tour 2026 AB"}) {
    ASSERT_EQ(std::strlen(name), static_cast<size_t>(RACE_NAME_LENGTH));
    EXPECT_LE(1 + drawnTextWidth(name, FONT_FIXED), RACE_NAME_FIELD_WIDTH) << name;
    EXPECT_EQ(RACE_NAME_FIELD_WIDTH, TEAM_NAME_FIELD_WIDTH);
  }
  openTeamSetup();
  tourMode = 1;
  std::memset(raceName, 0, sizeof raceName);
  std::memcpy(raceName, "Tour 2026 AB", RACE_NAME_LENGTH);
  clickAt(raceNameFieldX + RACE_NAME_FIELD_WIDTH - 1, raceNameFieldY + 1);
  EXPECT_EQ(teamSetupActiveRow, RACE_NAME_ROW);
  EXPECT_EQ(teamSetupCaret, RACE_NAME_LENGTH - 1);
}

}  // namespace
