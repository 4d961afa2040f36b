// The team setup's checks of the names and the race name, in the four
// languages and against what stands in the working folder.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/file_listing.h"
#include "files/team_entries.h"
#include "rules/race_state.h"
#include "support/scratch_folder.h"

namespace {

class TeamEntriesTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    language = LANGUAGE_ENGLISH;
    setLanguageTexts();
    for (auto& name : teamNames) std::strcpy(name, "Team");
    tourMode = 1;
  }
  // Checks with this race name and old bytes behind it; all messages in one.
  static std::string check(const char* name) {
    std::memset(raceName, 'x', sizeof raceName);
    std::strcpy(raceName, name);
    std::string all;
    const int count = checkTeamEntries();
    for (int k = 0; k < count; ++k) all += setupErrors[k] + "|";
    return all;
  }
};

TEST_F(TeamEntriesTest, EveryMessageInEveryLanguage) {
  const char* expected[LANGUAGE_COUNT][2] = {
      {"Geben Sie einen Namen ein f\xfcr den Spieler 31|Der Rennenname \"Giro\" besteht bereits|",
       "Geben Sie einen Namen ein f\xfcr den Spieler 31|Geben Sie einen Namen des Rennens ein|"},
      {"Enter a name for player 31|Race name \"Giro\" already exists|",
       "Enter a name for player 31|Enter a race name|"},
      {"Entrez un nom pour le joueur 31|Le nom de tour \"Giro\" existe d\xe9j\xe0|",
       "Entrez un nom pour le joueur 31|Entrez un nom de tour|"},
      {"Voer een naam voor speler 31 in|Wedstrijdnaam \"Giro\" bestaat al|",
       "Voer een naam voor speler 31 in|Voer een wedstrijdnaam in|"},
  };
  FILE* file = std::fopen("Giro.velq", "wb");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  for (int l = 0; l < LANGUAGE_COUNT; ++l) {
    language = static_cast<uint8_t>(l);
    setLanguageTexts();
    teamNames[1][0] = '\0';
    EXPECT_EQ(check("Giro"), expected[l][0]);
    EXPECT_EQ(savedRaceFiles, std::vector<std::string>{"Giro.velq"});
    EXPECT_EQ(check(""), expected[l][1]);
  }
}

TEST_F(TeamEntriesTest, ATakenRaceNameIsAnyEntryOfItsFileNameInItsLetterCaseAndNeverASixthMessage) {
  for (const char* name : {"Giro.velq", ".velq"}) {
    FILE* file = std::fopen(name, "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
  }
  ASSERT_EQ(mkdir("Alps.velq", 0700), 0);
  ASSERT_EQ(symlink("nowhere", "Tour 2.velq"), 0);
  const char* taken[] = {"Giro", "Alps", "Tour 2"};
  for (const char* name : taken)
    EXPECT_EQ(check(name), std::string("Race name \"") + name + "\" already exists|");
  for (const char* name : {"giro", "GIRO", "Giro 2"}) EXPECT_EQ(check(name), "") << name;
  // ".velq" is no race of an empty name: four names and the race name fill
  // the five messages.
  for (auto& name : teamNames) name[0] = '\0';
  EXPECT_EQ(check(""),
            "Enter a name for player 21|Enter a name for player 31|Enter a name for player 41|"
            "Enter a name for player 51|Enter a race name|");
  // A single stage checks no race name.
  tourMode = 0;
  for (auto& name : teamNames) std::strcpy(name, "T");
  EXPECT_EQ(check("Giro"), "");
}

}  // namespace
