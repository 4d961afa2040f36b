// The game's pictures turned into textures, from the files the picture
// generator writes into the build folder (the tests' working directory).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <GL/gl.h>

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
}

}  // namespace
