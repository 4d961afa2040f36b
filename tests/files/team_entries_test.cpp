// The team setup's checks of the names and the race name against the working folder.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "files/file_listing.h"
#include "files/team_entries.h"
#include "rules/race_state.h"
#include "support/scratch_folder.h"

namespace {

using TeamEntriesTest = ScratchFolderTest;

// All messages for team names ('-' empty) and a race name with old bytes behind.
std::string check(int mode, const char* teams, const char* race) {
  tourMode = mode;
  for (int t = 0; t < 4; ++t) std::strcpy(teamNames[t], teams[t] == '-' ? "" : "T");
  std::memset(raceName, 'x', sizeof raceName);
  std::strcpy(raceName, race);
  std::string all;
  for (int k = 0, count = checkTeamEntries(); k < count; ++k) all += setupErrors[k] + "|";
  return all;
}

TEST_F(TeamEntriesTest, ATakenRaceNameNeverASixthMessageAndEveryMessageInEveryLanguage) {
  for (const char* name : {"Giro.velq", ".velq"}) ASSERT_TRUE(std::ofstream(name).good());
  ASSERT_EQ(mkdir("Alps.velq", 0700), 0);
  ASSERT_EQ(symlink("nowhere", "Tour 2.velq"), 0);
  language = LANGUAGE_ENGLISH;
  setLanguageTexts();
  // Any entry of the file name takes a race name, in its letter case.
  const struct { int mode; const char *teams, *race, *expected; } cases[] = {
      {1, "TTTT", "Alps", "Race name \"Alps\" already exists|"},      // a folder
      {1, "TTTT", "Tour 2", "Race name \"Tour 2\" already exists|"},  // a link to nowhere
      {1, "TTTT", "giro", ""},
      {1, "TTTT", "Giro 2", ""},
      {0, "TTTT", "Giro", ""},  // a single stage checks no race name
      // ".velq" is no race of an empty name: five messages at most.
      {1, "----", "",
       "Enter a name for player 21|Enter a name for player 31|Enter a name for player 41|"
       "Enter a name for player 51|Enter a race name|"},
  };
  for (const auto& c : cases) EXPECT_EQ(check(c.mode, c.teams, c.race), c.expected) << c.race;
  const char* expected[LANGUAGE_COUNT][3] = {
      {"Geben Sie einen Namen ein f\xfcr den Spieler 31|", "Der Rennenname \"Giro\" besteht bereits|",
       "Geben Sie einen Namen des Rennens ein|"},
      {"Enter a name for player 31|", "Race name \"Giro\" already exists|", "Enter a race name|"},
      {"Entrez un nom pour le joueur 31|", "Le nom de tour \"Giro\" existe d\xe9j\xe0|", "Entrez un nom de tour|"},
      {"Voer een naam voor speler 31 in|", "Wedstrijdnaam \"Giro\" bestaat al|", "Voer een wedstrijdnaam in|"},
  };
  for (int l = 0; l < LANGUAGE_COUNT; l++) {
    language = static_cast<uint8_t>(l);
    setLanguageTexts();
    EXPECT_EQ(check(1, "T-TT", "Giro"), std::string(expected[l][0]) + expected[l][1]);
    EXPECT_EQ(check(1, "T-TT", ""), std::string(expected[l][0]) + expected[l][2]);
  }
  EXPECT_EQ(savedRaceFiles, (std::vector<std::string>{".velq", "Giro.velq"}));
}

}  // namespace
