// The game's pictures turned into textures, from the files the picture
// generator writes into the build folder (the tests' working directory).
#include <unistd.h>

#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <GL/gl.h>

#include "model/board_sections.h"
#include "model/track_geometry.h"
#include "render/section_maps.h"
#include "render/textures.h"
#include "render/window_harness.h"

namespace {

class Textures : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (HasFatalFailure()) return;
    char* cwd = getcwd(nullptr, 0);
    home = cwd;
    std::free(cwd);
    char pattern[] = "/tmp/corvalis_textures_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch = pattern;
  }
  void TearDown() override {
    ASSERT_EQ(chdir(home.c_str()), 0);
    for (const char* name : {"board.dat", "cyclist0.dat", "cyclist1.dat", "cyclist2.dat",
                             "cyclist3.dat", "cyclist4.dat", "scorecard.dat"})
      std::remove((scratch + "/" + name).c_str());
    rmdir(scratch.c_str());
  }

  void copyPicture(const char* name) {
    std::FILE* in = std::fopen((home + "/" + name).c_str(), "rb");
    ASSERT_NE(in, nullptr) << name << " is missing from the build folder";
    std::FILE* out = std::fopen((scratch + "/" + name).c_str(), "wb");
    ASSERT_NE(out, nullptr);
    int c;
    while ((c = std::fgetc(in)) != EOF) std::fputc(c, out);
    std::fclose(in);
    std::fclose(out);
  }

  // The texels of level 0 of a texture, RGB.
  static std::vector<uint8_t> textureTexels(int index) {
    glBindTexture(GL_TEXTURE_2D, textureIds[index]);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<uint8_t> texels(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return texels;
  }

  static int textureWidth(int index) {
    glBindTexture(GL_TEXTURE_2D, textureIds[index]);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glBindTexture(GL_TEXTURE_2D, 0);
    return width;
  }

  std::string home;
  std::string scratch;
};

TEST_F(Textures, GamePicturesBecomeTexturesOfTheirSizes) {
  ASSERT_EQ(loadGameTextures(), 1);
  EXPECT_EQ(textureWidth(TEXTURE_BOARD), 1024);
  EXPECT_EQ(textureWidth(TEXTURE_SECTION_MAPS), 1024);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(textureWidth(TEXTURE_FIRST_RIDER + i), 64);
  EXPECT_EQ(textureWidth(TEXTURE_SCORECARD), 512);
  for (GLuint id : textureIds) EXPECT_TRUE(glIsTexture(id));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Textures, MissingBoardOrRiderPictureFailsMissingScorecardDoesNot) {
  ASSERT_EQ(chdir(scratch.c_str()), 0);
  EXPECT_EQ(loadGameTextures(), 0);  // nothing there

  ASSERT_EQ(chdir(home.c_str()), 0);
  for (const char* name : {"board.dat", "cyclist0.dat", "cyclist1.dat", "cyclist2.dat"})
    copyPicture(name);
  copyPicture("cyclist4.dat");
  ASSERT_EQ(chdir(scratch.c_str()), 0);
  EXPECT_EQ(loadGameTextures(), 0);  // cyclist3.dat is missing

  ASSERT_EQ(chdir(home.c_str()), 0);
  copyPicture("cyclist3.dat");
  ASSERT_EQ(chdir(scratch.c_str()), 0);
  EXPECT_EQ(loadGameTextures(), 1);  // no scorecard: a plain sheet
  EXPECT_EQ(textureWidth(TEXTURE_SCORECARD), 512);
  std::vector<uint8_t> plain = textureTexels(TEXTURE_SCORECARD);
  ASSERT_EQ(plain.size(), 512u * 512 * 3);
  for (uint8_t texel : plain) ASSERT_EQ(texel, 255);

  // A damaged scorecard picture gives the same plain sheet, not half a picture.
  ASSERT_EQ(chdir(home.c_str()), 0);
  copyPicture("scorecard.dat");
  std::FILE* cut = std::fopen((scratch + "/scorecard.dat").c_str(), "r+b");
  ASSERT_NE(cut, nullptr);
  std::fseek(cut, 0, SEEK_END);
  long size = std::ftell(cut);
  std::fclose(cut);
  ASSERT_EQ(truncate((scratch + "/scorecard.dat").c_str(), size / 2), 0);
  ASSERT_EQ(chdir(scratch.c_str()), 0);
  EXPECT_EQ(loadGameTextures(), 1);
  EXPECT_EQ(textureTexels(TEXTURE_SCORECARD), plain);
}

TEST_F(Textures, TheGeneratedScorecardIsNotThePlainSheet) {
  ASSERT_EQ(loadGameTextures(), 1);
  std::vector<uint8_t> sheet = textureTexels(TEXTURE_SCORECARD);
  size_t notWhite = 0;
  for (uint8_t texel : sheet) notWhite += texel < 200;
  EXPECT_GT(notWhite, sheet.size() / 50);
}


// Where a square's centre lies on the board, from the section's own pieces
// (the first covering piece; on a curve the real squares of a lane share it
// evenly).
bool squareCentre(int s, int row, int lane, double& x, double& y) {
  for (int q = 0; q < sectionQuadCount[s]; q++) {
    const BoardQuad& p = sectionQuads[s][q];
    if (row < p.rowFrom || row > p.rowTo || lane < p.laneFrom || lane > p.laneTo) continue;
    double t = (row - p.rowFrom) / (p.rowTo - p.rowFrom), u = (lane - p.laneFrom) / (p.laneTo - p.laneFrom);
    const float(*c)[2] = p.corners;
    double ax = c[0][0] + (c[1][0] - c[0][0]) * t, ay = c[0][1] + (c[1][1] - c[0][1]) * t;
    double bx = c[3][0] + (c[2][0] - c[3][0]) * t, by = c[3][1] + (c[2][1] - c[3][1]) * t;
    x = ax + (bx - ax) * u;
    y = ay + (by - ay) * u;
    return true;
  }
  for (int a = 0; a < sectionArcCount[s]; a++) {
    const BoardArc& p = sectionArcs[s][a];
    if (row < p.rowFrom || row > p.rowTo || lane < p.laneFrom || lane > p.laneTo) continue;
    int before = 0, all = 0;
    for (int i = static_cast<int>(std::ceil(p.rowFrom)); i <= static_cast<int>(p.rowTo); i++) {
      int v = sectionSquareValue[s][i][lane];
      if (v == SQUARE_NONE || v == SQUARE_PASS_THROUGH) continue;
      all++;
      before += i <= row;
    }
    double at = all ? p.rowFrom + (2.0 * before - 1) / (2.0 * all) * (p.rowTo - p.rowFrom) : row;
    double u = (lane - p.laneFrom) / (p.laneTo - p.laneFrom);
    double angle = p.angleFrom + (p.angleTo - p.angleFrom) * (at - p.rowFrom) / (p.rowTo - p.rowFrom);
    x = p.centreX + cos(angle) * (p.radiusXFrom + (p.radiusXTo - p.radiusXFrom) * u);
    y = p.centreY + sin(angle) * (p.radiusYFrom + (p.radiusYTo - p.radiusYFrom) * u);
    return true;
  }
  return false;
}

// The section map of a section shows every one of its squares at full
// brightness: its arcs, its outlined straights and its outline polygons
// together cover the whole section.
TEST(BoardSectionMaps, EverySquareShowsInItsSectionMap) {
  initBoardSections();
  fillSineTables();
  std::vector<uint8_t> image(BOARD_IMAGE_BYTES);
  int dimmed = 0, squares = 0;
  for (int s = 0; s < SECTION_COUNT; s++) {
    std::fill(image.begin(), image.end(), 200);
    dimOutsideSection(image.data(), s);
    for (int row = 0; row < sectionRowCount[s]; row++)
      for (int lane = 0; lane < SECTION_LANES; lane++) {
        int value = sectionSquareValue[s][row][lane];
        if (value == SQUARE_NONE || value == SQUARE_PASS_THROUGH) continue;
        double x, y;
        ASSERT_TRUE(squareCentre(s, row, lane, x, y));
        int column = MASK_WIDTH - 1 - static_cast<int>(x * MASK_WIDTH / BOARD_UNITS[0]);
        int line = static_cast<int>(y * MASK_HEIGHT / BOARD_UNITS[1]);
        squares++;
        if (image[(static_cast<size_t>(line) * MASK_WIDTH + column) * 3] == 200) continue;
        dimmed++;
        ADD_FAILURE() << "section " << s << " row " << row << " lane " << lane;
      }
  }
  EXPECT_EQ(dimmed, 0);
  EXPECT_GT(squares, 500);
}

}  // namespace
