// A fixture for tests of the files the game keeps in its working directory:
// each test runs in a fresh, empty folder under /tmp, which is removed with
// everything in it afterwards. Fixtures that derive from it call its SetUp
// first and its TearDown last.
#pragma once
#include <gtest/gtest.h>

#include <string>

class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string folder;  // the scratch folder, the working directory during the test

 private:
  char previous[4096] = {};
};
