// The picture generator and the JPEG loader together: the game's pictures as
// the generator draws them, written and read back the way the game reads
// them, and the loader's refusal of pictures that are not what they must be.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "board_picture.h"
#include "canvas.h"
#include "model/board_sections.h"
#include "picture_writer.h"
#include "render/jpeg_loader.h"
#include "rider_pictures.h"
#include "scorecard_picture.h"
#include "support/file_bytes.h"
#include "texts/language_texts.h"

namespace {

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

bool sameColour(Colour a, Colour b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

class Pictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    initBoardSections();
    board = new Canvas(paintBoardPicture(1, false));
  }
  static void TearDownTestSuite() {
    delete board;
    board = nullptr;
  }
  void SetUp() override {
    char pattern[] = "/tmp/corvalis_pictures_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
  }
  void TearDown() override {
    for (const std::string& name : written) std::remove((folder + "/" + name).c_str());
    rmdir(folder.c_str());
  }
  std::string path(const std::string& name) {
    written.push_back(name);
    return folder + "/" + name;
  }
  // Writes a canvas as the generator does and returns the file's path.
  std::string writeCanvas(const std::string& name, const Canvas& canvas, int quality = 90) {
    std::string p = path(name);
    EXPECT_TRUE(writeJpegPicture(p.c_str(), canvas.pixels.data(), canvas.width, canvas.height, quality));
    return p;
  }

  static Canvas* board;
  std::string folder;
  std::vector<std::string> written;
};

Canvas* Pictures::board = nullptr;

// The fill a square of the board should show: the start grid's grey where a
// start section lies, its terrain's colour elsewhere.
Colour expectedFill(int section, int row, int lane) {
  if (section == 0 || section == 6 || (section == 5 && row >= 11) || (section == 8 && row >= 17) ||
      (section == 3 && row >= 11 && lane >= 4))
    return START_GRID_COLOUR;
  return squareColour(sectionTerrain[section][row][lane], sectionSquareValue[section][row][lane]);
}

TEST_F(Pictures, EverySquareShowsItsTerrainAroundItsCentre) {
  ASSERT_EQ(board->width, BOARD_PICTURE_WIDTH);
  ASSERT_EQ(board->height, BOARD_PICTURE_HEIGHT);
  int squares = 0;
  for (int s = 0; s < SECTION_COUNT; s++)
    for (int row = 0; row < sectionRowCount[s]; row++)
      for (int lane = 0; lane < SECTION_LANES; lane++) {
        int value = sectionSquareValue[s][row][lane];
        if (value == SQUARE_NONE || value == SQUARE_PASS_THROUGH) continue;
        Point centre;
        ASSERT_TRUE(sectionSquareCentre(s, row, lane, centre));
        int px = static_cast<int>(centre.x * board->width / BOARD_UNITS[0]);
        int py = static_cast<int>(centre.y * board->height / BOARD_UNITS[1]);
        // The modifier is written on the centre and cobbles carry stones, so
        // most, not all, of the pixels around it show the fill.
        Colour fill = expectedFill(s, row, lane);
        int matching = 0;
        for (int dy = -4; dy <= 4; dy++)
          for (int dx = -4; dx <= 4; dx++) matching += sameColour(pixelAt(*board, px + dx, py + dy), fill);
        EXPECT_GE(matching, 25) << "section " << s << " row " << row << " lane " << lane;
        squares++;
      }
  EXPECT_GT(squares, 500);
}

TEST_F(Pictures, TerrainsAndSlopesHaveTheirOwnColours) {
  Colour flat = squareColour(TERRAIN_FLAT, 0), cobbles = squareColour(TERRAIN_COBBLES, -2);
  Colour climb = squareColour(TERRAIN_CLIMB, -3), descent = squareColour(TERRAIN_DESCENT, 3);
  const Colour all[4] = {flat, cobbles, climb, descent};
  for (int i = 0; i < 4; i++)
    for (int j = i + 1; j < 4; j++) EXPECT_FALSE(sameColour(all[i], all[j])) << i << " " << j;
  EXPECT_FALSE(sameColour(squareColour(TERRAIN_DESCENT, 1), squareColour(TERRAIN_DESCENT, 5)));
  // Steeper climbs are darker.
  Colour gentle = squareColour(TERRAIN_CLIMB, -1), steep = squareColour(TERRAIN_CLIMB, -6);
  EXPECT_GT(gentle.r + gentle.g + gentle.b, steep.r + steep.g + steep.b);
}

// The board written and read back comes back mirrored row by row, close to
// what was drawn. The course previews merge section maps by the red byte
// alone, so no pixel may be (nearly) without red, before or after coding.
TEST_F(Pictures, TheBoardComesBackMirroredAndNeverWithoutRed) {
  const int w = BOARD_PICTURE_WIDTH, h = BOARD_PICTURE_HEIGHT;
  std::string p = writeCanvas("board.dat", *board);
  std::vector<uint8_t> decoded(static_cast<size_t>(w) * h * 3);
  ASSERT_EQ(loadJpegTexture(p.c_str(), decoded.data(), 0, w, h), 1);
  double total = 0;
  long far = 0;
  int lowestDrawn = 255, lowestRead = 255;
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++)
      for (int c = 0; c < 3; c++) {
        int drawn = board->pixels[(static_cast<size_t>(y) * w + x) * 3 + c];
        int read = decoded[(static_cast<size_t>(y) * w + (w - 1 - x)) * 3 + c];
        total += abs(drawn - read);
        far += abs(drawn - read) > 40;
        if (c == 0) lowestDrawn = std::min(lowestDrawn, drawn);
        if (c == 0) lowestRead = std::min(lowestRead, read);
      }
  EXPECT_LT(total / (w * h * 3.0), 4.0);
  EXPECT_LT(far, w * h * 3 / 200);
  EXPECT_GE(lowestDrawn, 24);
  EXPECT_GE(lowestRead, 16);
}

TEST_F(Pictures, RiderFiguresStandOnTheColourKey) {
  for (int figure = 0; figure < RIDER_FIGURE_COUNT; figure++) {
    SCOPED_TRACE(figure);
    Canvas rider = paintRiderPicture(figure);
    ASSERT_EQ(rider.width, RIDER_PICTURE_SIZE);
    EXPECT_TRUE(sameColour(pixelAt(rider, 0, 0), RIDER_KEY_COLOUR));
    Colour jersey = riderJerseyColour(figure);
    // The jersey itself is far from the key.
    EXPECT_FALSE(jersey.r >= COLOUR_KEY_MIN_RED_GREEN && jersey.g >= COLOUR_KEY_MIN_RED_GREEN &&
                 jersey.b <= COLOUR_KEY_MAX_BLUE);
    std::string p = writeCanvas("cyclist" + std::to_string(figure) + ".dat", rider, 95);
    std::vector<uint8_t> rgba(RIDER_PICTURE_SIZE * RIDER_PICTURE_SIZE * 4, 0x5a);
    ASSERT_EQ(loadJpegTexture(p.c_str(), rgba.data(), 1, RIDER_PICTURE_SIZE, RIDER_PICTURE_SIZE), 1);
    int clear = 0, solid = 0, jerseyLike = 0;
    for (int i = 0; i < RIDER_PICTURE_SIZE * RIDER_PICTURE_SIZE; i++) {
      const uint8_t* px = &rgba[i * 4];
      if (px[3] == 0) {
        EXPECT_EQ(px[0] + px[1] + px[2], 0);
        clear++;
      } else {
        EXPECT_EQ(px[3], 255);
        solid++;
        jerseyLike += abs(px[0] - jersey.r) + abs(px[1] - jersey.g) + abs(px[2] - jersey.b) < 40;
      }
    }
    EXPECT_GT(clear, 2000);  // the background is keyed out
    EXPECT_GT(solid, 300);   // the figure is not
    EXPECT_GT(jerseyLike, 40);
    EXPECT_EQ(rgba[3], 0);   // a corner
  }
}

TEST_F(Pictures, ScoreSheetBoxesSitWhereTheNumbersAreWritten) {
  Canvas sheet = paintScorecardPicture(SCORECARD_PICTURE_SIZE);
  ASSERT_EQ(sheet.width, SCORECARD_PICTURE_SIZE);
  // Around each cell's centre the sheet is light and free of lines, so the
  // number written there can be read.
  auto paperAt = [&sheet](Point cell) {
    int x = static_cast<int>(cell.x * sheet.width / SCORECARD_UNITS_X);
    int y = static_cast<int>(cell.y * sheet.height / SCORECARD_UNITS_Y);
    for (int dy = -4; dy <= 4; dy++)
      for (int dx = -6; dx <= 6; dx++) {
        Colour c = pixelAt(sheet, x + dx, y + dy);
        if (std::min({c.r, c.g, c.b}) < 200) return false;
      }
    return true;
  };
  for (int i = 0; i < 16; i++) {
    EXPECT_TRUE(paperAt(finishFigureCell(i)) && paperAt(finishSprintPointsCell(i)) && paperAt(finishTotalCell(i)) &&
                paperAt(sprintPodiumCell(i / 3 % 3, i % 3)) && paperAt(teamTableCell(i / 4, i % 4)) &&
                paperAt(teamTotalCell(i % 4)))
        << i;
  }
  std::string p = writeCanvas("scorecard.dat", sheet);
  std::vector<uint8_t> rgb(SCORECARD_PICTURE_SIZE * SCORECARD_PICTURE_SIZE * 3);
  EXPECT_EQ(loadJpegTexture(p.c_str(), rgb.data(), 0, SCORECARD_PICTURE_SIZE, SCORECARD_PICTURE_SIZE), 1);
}

// The sheet as the game's file holds it: drawn at double size and halved.
Canvas gameScoreSheet() { return halveCanvas(paintScorecardPicture(2 * SCORECARD_PICTURE_SIZE)); }

// A zone of the picture in fractions of its width and height.
struct Zone {
  const char* what;
  double left, right, top, bottom;
};

// The zones where the panel writes its texts in a drawing area of W x H
// pixels, in Helvetica 12 (at most 10 pixels above the baseline and 3 below,
// kept with a margin of 2); titleWidth is the widest stage title in pixels.
std::vector<Zone> panelTextZones(double W, double H, double titleWidth) {
  const double sw = 0.4 * W, sh = sw * 1419 / 1072, ph = sh + 0.045 * H, title = 0.016 * ph + 0.015 * H;
  auto band = [&](const char* what, double left, double right, double firstBaseline, double lastBaseline) {
    return Zone{what, left / sw, right / sw, (firstBaseline - 12) / sh, (lastBaseline + 5) / sh};
  };
  // The file name has no length limit: the export messages may run to the panel's edge.
  return {band("stage title", 0.5 * (sw - titleWidth) - 2, 0.5 * (sw + titleWidth) + 2, title, title),
          band("export written", 0.04 * sw - 2, sw, 0.92 * ph, 0.92 * ph),
          band("export failed", 0.04 * sw - 2, sw, 0.91 * ph, 0.91 * ph + 12)};
}

// Every pixel of a zone (cut to the picture) has the same light colour.
::testing::AssertionResult plainGround(const Canvas& picture, const Zone& zone) {
  const int x0 = std::max(0, static_cast<int>(zone.left * picture.width));
  const int x1 = std::min(picture.width - 1, static_cast<int>(zone.right * picture.width));
  const int y0 = std::max(0, static_cast<int>(zone.top * picture.height));
  const int y1 = std::min(picture.height - 1, static_cast<int>(zone.bottom * picture.height));
  if (x0 > x1 || y0 > y1) return ::testing::AssertionFailure() << zone.what << " lies outside the picture";
  const Colour ground = pixelAt(picture, x0, y0);
  if (std::min({ground.r, ground.g, ground.b}) < 200)
    return ::testing::AssertionFailure() << zone.what << " starts on a dark pixel";
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++)
      if (!sameColour(pixelAt(picture, x, y), ground))
        return ::testing::AssertionFailure() << zone.what << " crosses a drawing at pixel " << x << ", " << y;
  return ::testing::AssertionSuccess();
}

// In every drawing area (1024 x 768, 1280 x 1024 and 1920 x 1200 screens laid
// out at 5:4, and the whole window when the ratio is not known), with the
// longest stage title of the four languages at a generous 7 pixels a
// character and a two-digit stage number.
TEST(ScoreSheetPicture, PanelTextsFallOnPlainGroundInEveryLanguageAndSize) {
  size_t longest = 0;
  for (int l = 0; l < LANGUAGE_COUNT; l++) {
    language = l;
    setLanguageTexts();
    for (const std::string* word : {&textStandings, &textResult})
      longest = std::max(longest, (*word + textStageWord + "12").size());
  }
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  const Canvas sheet = gameScoreSheet();
  for (const auto& area : {std::make_pair(960, 768), {1280, 1024}, {1500, 1200}, {1024, 768}, {1920, 1200}})
    for (const Zone& zone : panelTextZones(area.first, area.second, 7.0 * longest))
      EXPECT_TRUE(plainGround(sheet, zone)) << area.first << " x " << area.second;
}

// At 1024 x 768 the panel shows the 512-pixel sheet 384 pixels wide and about
// 508 high with nearest filtering. Every rule of the finish list and every
// digit of its points column must survive that.
TEST(ScoreSheetPicture, RulesAndPointsSurviveTheSmallestPanel) {
  const Canvas sheet = gameScoreSheet();
  const int shownWidth = 384, shownHeight = 508;
  auto shown = [&](int x, int y) {  // the texel GL's nearest filter picks for a panel pixel
    return pixelAt(sheet, (2 * x + 1) * sheet.width / (2 * shownWidth), (2 * y + 1) * sheet.height / (2 * shownHeight));
  };
  auto dark = [](Colour c) { return std::max({c.r, c.g, c.b}) < 140; };
  auto panelX = [&](double units) { return static_cast<int>(units * shownWidth / SCORECARD_UNITS_X); };
  auto panelY = [&](double units) { return static_cast<int>(units * shownHeight / SCORECARD_UNITS_Y); };
  auto darkRuns = [&](int from, int to, bool across, int at) {
    int runs = 0;
    for (int i = from, inRun = 0; i <= to; i++) {
      const int d = dark(across ? shown(i, at) : shown(at, i));
      runs += d && !inRun;
      inRun = d;
    }
    return runs;
  };
  const double listTop = 395 - 59.6 / 2;
  for (int place = 0; place < 16; place++) {
    SCOPED_TRACE(place);
    // Just below a row's upper rule: the six column rules and nothing else;
    // the place points in the points column (x 210 to 266) keep strokes of
    // more than a speck.
    const double rowTop = listTop + 59.6 * place;
    EXPECT_EQ(darkRuns(panelX(30), panelX(432), true, panelY(rowTop + 9)), 6);
    int ink = 0;
    for (int y = panelY(rowTop + 12); y <= panelY(rowTop + 48); y++)
      for (int x = panelX(214); x <= panelX(262); x++) ink += dark(shown(x, y)) || shown(x, y).r < 160;
    EXPECT_GE(ink, 20);
  }
  // Down the figure column, from the list's upper rule: the seventeen rules between and around the rows.
  EXPECT_EQ(darkRuns(panelY(listTop - 2), panelY(listTop + 16 * 59.6 + 8), false, panelX(190)), 17);
}

// Every tree and house lies wholly on the board and off every road, which is
// sampled here from the pieces of the section catalogue, and no tree stands
// on a house; a wood and two villages, not a bare board.
TEST(BoardScenery, ObjectsLieWhollyOnTheBoardAndOffTheRoads) {
  initBoardSections();
  std::vector<Point> road;
  auto sample = [&road](int section, const auto* pieces, int count) {
    for (int i = 0; i < count; i++)
      for (double row = pieces[i].rowFrom; row <= pieces[i].rowTo; row += 0.1)
        for (double lane = pieces[i].laneFrom; lane <= pieces[i].laneTo; lane += 0.2) {
          Point p;
          if (sectionPosition(section, row, lane, p)) road.push_back(p);
        }
  };
  for (int s = 0; s < SECTION_COUNT; s++) {
    sample(s, sectionQuads[s], sectionQuadCount[s]);
    sample(s, sectionArcs[s], sectionArcCount[s]);
  }
  ASSERT_GT(road.size(), 5000u);
  const std::vector<SceneryObject> scenery = boardScenery();
  int counts[2] = {0, 0};
  for (const SceneryObject& object : scenery) {
    const Point c = object.centre;
    const double r = object.radius;
    SCOPED_TRACE(testing::Message() << "kind " << object.kind << " at " << c.x << ", " << c.y);
    counts[object.kind]++;
    EXPECT_TRUE(c.x - r >= 0 && c.y - r >= 0 && c.x + r <= BOARD_UNITS[0] && c.y + r <= BOARD_UNITS[1]);
    double nearest = 1e9;
    for (const Point& p : road) nearest = std::min(nearest, std::hypot(p.x - c.x, p.y - c.y));
    EXPECT_GT(nearest, r);
    for (const SceneryObject& house : scenery) {
      if (object.kind == SCENERY_TREE && house.kind == SCENERY_HOUSE) {
        EXPECT_GE(std::hypot(house.centre.x - c.x, house.centre.y - c.y), r + house.radius);
      }
    }
  }
  EXPECT_GE(counts[SCENERY_TREE], 200);
  EXPECT_GE(counts[SCENERY_HOUSE], 20);
}

TEST_F(Pictures, TheSamePixelsGiveTheSameFile) {
  std::string a = writeCanvas("a.dat", *board), b = writeCanvas("b.dat", *board);
  std::vector<uint8_t> first = readFileBytes(a), second = readFileBytes(b);
  EXPECT_GT(first.size(), 10000u);
  EXPECT_EQ(first, second);
}

// ---- Pictures the loader refuses ---------------------------------------------

// A flat JPEG picture of one (grey) or three (colour) components, baseline or progressive.
void writeFlatJpeg(const std::string& path, int width, int height, int components, bool progressive) {
  FILE* f = fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  jpeg_compress_struct encoder;
  jpeg_error_mgr errors;
  encoder.err = jpeg_std_error(&errors);
  jpeg_create_compress(&encoder);
  jpeg_stdio_dest(&encoder, f);
  encoder.image_width = width;
  encoder.image_height = height;
  encoder.input_components = components;
  encoder.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&encoder);
  if (progressive) jpeg_simple_progression(&encoder);
  jpeg_start_compress(&encoder, TRUE);
  std::vector<uint8_t> row(width * components, 160);
  while (encoder.next_scanline < encoder.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&encoder, &r, 1);
  }
  jpeg_finish_compress(&encoder);
  jpeg_destroy_compress(&encoder);
  fclose(f);
}

class Refusals : public Pictures {
 protected:
  // Loads a file as the board and expects a refusal that leaves the
  // destination as it was and names the file on the error stream.
  void expectRefused(const std::string& file) {
    std::vector<uint8_t> destination(static_cast<size_t>(BOARD_PICTURE_WIDTH) * BOARD_PICTURE_HEIGHT * 3, 0x5a);
    testing::internal::CaptureStderr();
    int result = loadJpegTexture(file.c_str(), destination.data(), 0, BOARD_PICTURE_WIDTH, BOARD_PICTURE_HEIGHT);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, 0) << file;
    EXPECT_NE(errors.find("can't open " + file + "\n"), std::string::npos) << errors;
    size_t changed = 0;
    for (uint8_t b : destination) changed += b != 0x5a;
    EXPECT_EQ(changed, 0u) << file;
  }
};

TEST_F(Refusals, MissingWrongSizeOrGrey) {
  expectRefused(folder + "/nothing.dat");
  // A rider picture where the board belongs, a board one pixel short, a grey board.
  expectRefused(writeCanvas("small.dat", paintRiderPicture(0)));
  expectRefused(writeCanvas("narrow.dat", makeCanvas(BOARD_PICTURE_WIDTH - 1, BOARD_PICTURE_HEIGHT, 1, 1,
                                                     Colour{100, 100, 100})));
  std::string grey = path("grey.dat");
  writeFlatJpeg(grey, BOARD_PICTURE_WIDTH, BOARD_PICTURE_HEIGHT, 1, false);
  expectRefused(grey);
  // The right board read as a rider picture does not overrun the buffer.
  std::string p = writeCanvas("board.dat", *board);
  std::vector<uint8_t> rider(RIDER_PICTURE_SIZE * RIDER_PICTURE_SIZE * 4, 0x5a);
  testing::internal::CaptureStderr();
  EXPECT_EQ(loadJpegTexture(p.c_str(), rider.data(), 1, RIDER_PICTURE_SIZE, RIDER_PICTURE_SIZE), 0);
  testing::internal::GetCapturedStderr();
}

TEST_F(Refusals, HugeSizeInTheHeader) {
  // A small progressive colour picture whose frame header is made to claim
  // 65500 x 65500 pixels: refused on the header alone, before the library
  // reserves the many gigabytes such a picture would need.
  std::string p = path("huge.dat");
  writeFlatJpeg(p, 16, 16, 3, true);
  std::vector<uint8_t> bytes = readFileBytes(p);
  size_t frame = 0;
  while (frame + 9 < bytes.size() && !(bytes[frame] == 0xff && bytes[frame + 1] == 0xc2)) frame++;
  ASSERT_LT(frame + 9, bytes.size());
  // Marker, length (2), precision (1), then height and width, big-endian.
  for (size_t at : {frame + 5, frame + 7}) {
    bytes[at] = 65500 >> 8;
    bytes[at + 1] = 65500 & 0xff;
  }
  writeFile(p, bytes);
  expectRefused(p);
}

// Files that are no picture, and the good board cut short or damaged.
TEST_F(Refusals, NotAPictureTruncatedOrCorrupt) {
  const std::vector<uint8_t> good = readFileBytes(writeCanvas("good.dat", *board));
  const size_t n = good.size();
  auto cut = [&good](size_t keep) { return std::vector<uint8_t>(good.begin(), good.begin() + keep); };
  auto overwrite = [&good](size_t from, size_t to, uint8_t value) {
    std::vector<uint8_t> bytes = good;
    for (size_t i = from; i < to; i++) bytes[i] = value;
    return bytes;
  };
  // A stray marker in the middle of the compressed data: the library warns
  // that the data segment ends early and would fill the rest with grey.
  std::vector<uint8_t> marked = good;
  marked[n / 2] = 0xff;
  marked[n / 2 + 1] = 0xd5;
  const std::pair<const char*, std::vector<uint8_t>> files[] = {
      {"text", std::vector<uint8_t>(4000, 'x')}, {"empty", {}},
      {"half", cut(n / 2)}, {"all-but-two", cut(n - 2)}, {"first-200", cut(200)},
      {"marked", marked},
      {"scrambled", overwrite(n / 3, n / 3 + 600, 0xfe)},  // no Huffman table decodes these
      {"header", overwrite(20, 120, 0xff)},
  };
  for (const auto& file : files) {
    std::string p = path(std::string(file.first) + ".dat");
    writeFile(p, file.second);
    expectRefused(p);
  }
}

// The build runs the generator into the build folder, where the game and
// these tests start.
TEST(BuiltPictures, TheSixFilesAreThereAndLoad) {
  std::vector<uint8_t> rgb(static_cast<size_t>(BOARD_PICTURE_WIDTH) * BOARD_PICTURE_HEIGHT * 3);
  EXPECT_EQ(loadJpegTexture("board.dat", rgb.data(), 0, BOARD_PICTURE_WIDTH, BOARD_PICTURE_HEIGHT), 1);
  std::vector<uint8_t> rgba(RIDER_PICTURE_SIZE * RIDER_PICTURE_SIZE * 4);
  for (int figure = 0; figure < RIDER_FIGURE_COUNT; figure++) {
    std::string name = "cyclist" + std::to_string(figure) + ".dat";
    EXPECT_EQ(loadJpegTexture(name.c_str(), rgba.data(), 1, RIDER_PICTURE_SIZE, RIDER_PICTURE_SIZE), 1) << name;
  }
  std::vector<uint8_t> sheet(SCORECARD_PICTURE_SIZE * SCORECARD_PICTURE_SIZE * 3);
  EXPECT_EQ(loadJpegTexture("scorecard.dat", sheet.data(), 0, SCORECARD_PICTURE_SIZE, SCORECARD_PICTURE_SIZE), 1);
}

}  // namespace
