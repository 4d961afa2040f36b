#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/standings_export.h"
#include "files/tour_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/race_state.h"
#include "texts/language_texts.h"
#include "support/failing_disk.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "support/test_track.h"

namespace {

int redraws = 0;
void countRedraw() { redraws++; }

using Lines = std::vector<std::string>;

Lines joined(std::initializer_list<Lines> blocks) {
  Lines all;
  for (const auto& block : blocks) all.insert(all.end(), block.begin(), block.end());
  return all;
}

// The whole text; gtest shows a line diff when it differs.
void expectSameLines(const std::string& actual, const Lines& expectedLines) {
  std::string expected;
  for (const auto& line : expectedLines) expected += line + "\n";
  EXPECT_EQ(actual, expected);
}

void setTeams(char (*names)[TEAM_NAME_SIZE], const char* const (&four)[4]) {
  for (int t = 0; t < 4; t++) strcpy(names[t], four[t]);
}
const char* const kTeams[4] = {"Belgium", "Netherlands", "Germany", "France"};

const char* const kHeader = "Finish;Nr.;Score;Sprints;Tot.;;Score;Sprint 1;Sprint 2;Sprint 3";

class StandingsExportTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    if (HasFatalFailure()) return;
    language = LANGUAGE_ENGLISH;
    setLanguageTexts();
    setTeams(teamNames, kTeams);
    for (auto& rider : riders) rider.disqualified = 0;
    stageRecords.clear();
    setResults(raceResults, {}, {});
    standingsPath = "standings.csv";
    standingsStatus = STANDINGS_NONE;
    tourMode = 0;
    currentScreen = SCREEN_SCORECARD;
    redraws = 0;
    redrawHook = countRedraw;
  }
  void TearDown() override {
    redrawHook = nullptr;
    for (auto& rider : riders) rider.disqualified = 0;
    stageRecords.clear();
    standingsStatus = STANDINGS_NONE;
    tourMode = 0;
    language = LANGUAGE_ENGLISH;
    setLanguageTexts();
    memset(previewTeamNames, 0, sizeof previewTeamNames);
    ScratchFolderTest::TearDown();
  }
};

// Two stored stages after which the Netherlands and France are level.
void storeTwoStages() {
  StageRecord first, second;
  setResults(first.results, {8, 4, 12}, {8, 9, 10, 11, 4, 5, 6, 7, 12, 13, 14, 15, 0, 1, 2, 3});
  // Rider 0 won the first sprint but is not among the finishers (place 13
  // is free): his sprint counts for nothing.
  setResults(second.results, {0, 5, -1, 4}, {12, 13, 14, 15, 4, 5, 6, 7, 8, 9, 10, 11, -1, 1, 2, 3});
  stageRecords.push_back(first);
  stageRecords.push_back(second);
}

const Lines kGeneralAfterTwo = {
    "General classification after stage 2",
    "1;Germany;243", "2;Netherlands;236", "3;France;236", "4;Belgium;74", "",
    "Belgium;;Netherlands;;Germany;;France;;",
    "21;14;31;75;41;82;51;75;",
    "22;24;32;61;42;60;52;60;",
    "23;20;33;52;43;53;53;53;",
    "24;16;34;48;44;48;54;48;",
    "Tot.;74;Tot.;236;Tot.;243;Tot.;236;",
    "",
};

// Finish places 11 to 16 still open, and the block's closing empty line.
const Lines kOpenTail = {"11;;18;;;", "12;;16;;;", "13;;14;;;", "14;;12;;;", "15;;10;;;", "16;;8;;;", ""};

const Lines kStageOne = {
    "Result stage 1", kHeader,
    "1;41;50;10;60;;1 = 10 ptn.;41;;;",
    "2;42;40;0;40;;2 = 5 ptn.;31;;;",
    "3;43;35;0;35;;3 = 3 ptn.;51;;;",
    "4;44;32;0;32;",
    "5;31;30;5;35;;Belgium;;Netherlands;;Germany;;France",
    "6;32;28;0;28;;21;14;31;35;41;60;51;25;",
    "7;33;26;0;26;;22;12;32;28;42;40;52;20;",
    "8;34;24;0;24;;23;10;33;26;43;35;53;18;",
    "9;51;22;3;25;;24;8;34;24;44;32;54;16;",
    "10;52;20;0;20;;Tot.;44;Tot.;113;Tot.;167;Tot.;79",
    "11;53;18;0;18;", "12;54;16;0;16;", "13;21;14;0;14;", "14;22;12;0;12;", "15;23;10;0;10;", "16;24;8;0;8;",
    "",
};

const Lines kStageTwo = {
    "Result stage 2", kHeader,
    "1;51;50;0;50;;1 = 10 ptn.;21;31;;",
    "2;52;40;0;40;;2 = 5 ptn.;32;;;",
    "3;53;35;0;35;;3 = 3 ptn.;;;;",
    "4;54;32;0;32;",
    "5;31;30;10;40;;Belgium;;Netherlands;;Germany;;France",
    "6;32;28;5;33;;21;0;31;40;41;22;51;50;",
    "7;33;26;0;26;;22;12;32;33;42;20;52;40;",
    "8;34;24;0;24;;23;10;33;26;43;18;53;35;",
    "9;41;22;0;22;;24;8;34;24;44;16;54;32;",
    "10;42;20;0;20;;Tot.;30;Tot.;123;Tot.;76;Tot.;157",
    "11;43;18;0;18;", "12;44;16;0;16;", "13;;14;;;", "14;22;12;0;12;", "15;23;10;0;10;", "16;24;8;0;8;",
    "",
};

// Team 0 and rider 8 have finished; rider 12 (51) won sprint 1 and is
// still racing, so his points count for him but show nowhere yet.
const Lines kRunning = joined({{"Standings stage 1", kHeader,
                                "1;21;50;5;55;;1 = 10 ptn.;51;;;",
                                "2;22;40;0;40;;2 = 5 ptn.;21;;;",
                                "3;23;35;0;35;;3 = 3 ptn.;31;;;",
                                "4;24;32;0;32;",
                                "5;41;30;0;30;;Belgium;;Netherlands;;Germany;;France",
                                "6;;28;;;;21;55;31;;41;30;51;;",
                                "7;;26;;;;22;40;32;;42;;52;;",
                                "8;;24;;;;23;35;33;;43;;53;;",
                                "9;;22;;;;24;32;34;;44;;54;;",
                                "10;;20;;;;Tot.;162;Tot.;;Tot.;;Tot.;"},
                               kOpenTail});

// Whole files: the race or tour as it stands (results, disqualified rider,
// stored stages, screen the export is asked from) -> the file's every line,
// written over an older, longer file.
TEST_F(StandingsExportTest, WholeFiles) {
  struct Case {
    const char* name;
    int tour;
    bool storedStages;
    std::vector<int32_t> sprints, finish;
    int disqualified;
    int screen;
    const char* path;
    Lines expected;
  };
  const Case cases[] = {
      // Rider 6 (33) was disqualified: his first place of sprint 1, his third
      // place of sprint 3 and his finish place 12 stay free.
      {"finished single stage, disqualified rider", 0, false, {2, 8, -1, 13, 2, 0, -1, 4, 8},
       {2, 8, 13, 4, 0, 15, 9, 1, 12, 5, 10, -1, 3, 14, 7, 11}, 6, SCREEN_STAGE_STANDINGS, "standings.csv",
       {"Result stage 1", kHeader,
        "1;23;50;15;65;;1 = 10 ptn.;23;52;;",
        "2;41;40;8;48;;2 = 5 ptn.;41;23;31;",
        "3;52;35;10;45;;3 = 3 ptn.;;21;41;",
        "4;31;32;5;37;",
        "5;21;30;3;33;;Belgium;;Netherlands;;Germany;;France",
        "6;54;28;0;28;;21;33;31;37;41;48;51;22;",
        "7;42;26;0;26;;22;24;32;20;42;26;52;45;",
        "8;22;24;0;24;;23;65;33;0;43;18;53;12;",
        "9;51;22;0;22;;24;14;34;10;44;8;54;28;",
        "10;32;20;0;20;;Tot.;136;Tot.;67;Tot.;100;Tot.;107",
        "11;43;18;0;18;", "12;;16;;;", "13;24;14;0;14;", "14;53;12;0;12;", "15;34;10;0;10;", "16;44;8;0;8;",
        ""}},
      {"running single stage", 0, false, {12, 0, 4}, {0, 1, 2, 3, 8}, -1, SCREEN_SCORECARD, "standings.csv", kRunning},
      {"first stage of a tour", 1, false, {12, 0, 4}, {0, 1, 2, 3, 8}, -1, SCREEN_SCORECARD, "standings.csv", kRunning},
      // Stages left behind by looking at a saved race do not belong to a single stage.
      {"single stage after a saved race", 0, true, {12, 0, 4}, {0, 1, 2, 3, 8}, -1, SCREEN_SCORECARD, "standings.csv",
       kRunning},
      {"tour during its third stage", 1, true, {15, 3}, {15}, -1, SCREEN_SCORECARD, "Giro.csv",
       joined({kGeneralAfterTwo, kStageOne, kStageTwo,
               {"Standings stage 3", kHeader,
                "1;54;50;10;60;;1 = 10 ptn.;54;;;",
                "2;;40;;;;2 = 5 ptn.;24;;;",
                "3;;35;;;;3 = 3 ptn.;;;;",
                "4;;32;;;",
                "5;;30;;;;Belgium;;Netherlands;;Germany;;France",
                "6;;28;;;;21;;31;;41;;51;;",
                "7;;26;;;;22;;32;;42;;52;;",
                "8;;24;;;;23;;33;;43;;53;;",
                "9;;22;;;;24;;34;;44;;54;60;",
                "10;;20;;;;Tot.;;Tot.;;Tot.;;Tot.;"},
               kOpenTail})},
      // The stage on the board is already stored: it is not written again.
      {"tour after its stage was stored", 1, true, {15, 3}, {15}, -1, SCREEN_STAGE_STANDINGS, "standings.csv",
       joined({kGeneralAfterTwo, kStageOne, kStageTwo})},
      // A saved race is written with its own teams, not the ones set up now.
      {"saved race", 1, true, {}, {}, -1, SCREEN_SAVED_RACE_SCORECARD, "standings.csv",
       joined({kGeneralAfterTwo, kStageOne, kStageTwo})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tourMode = c.tour;
    stageRecords.clear();
    if (c.storedStages) storeTwoStages();
    setResults(raceResults, c.sprints, c.finish);
    for (int r = 0; r < RIDER_COUNT; r++) riders[r].disqualified = r == c.disqualified;
    currentScreen = c.screen;
    bool saved = c.screen == SCREEN_SAVED_RACE_SCORECARD;
    setTeams(previewTeamNames, kTeams);
    if (saved) setTeams(teamNames, {"Other A", "Other B", "Other C", "Other D"});
    standingsPath = c.path;
    FILE* old = fopen(c.path, "wb");
    ASSERT_NE(old, nullptr);
    fputs(std::string(5000, 'z').c_str(), old);
    fclose(old);
    standingsStatus = STANDINGS_NONE;
    redraws = 0;
    writeStandingsFile();
    if (saved) setTeams(teamNames, kTeams);
    EXPECT_EQ(standingsStatus, STANDINGS_WRITTEN);
    EXPECT_EQ(redraws, 1);
    expectSameLines(readWholeFile(c.path), c.expected);
  }
}

TEST_F(StandingsExportTest, LabelsFollowTheLanguageAndLiteralsStay) {
  language = LANGUAGE_FRENCH;
  setLanguageTexts();
  tourMode = 1;
  storeTwoStages();
  writeStandingsFile();
  std::string text = readWholeFile("standings.csv");
  EXPECT_EQ(text.rfind("Classement g\xe9n\xe9ral apr\xe8s l'\xe9tape 2\n", 0), 0u);
  EXPECT_NE(text.find("\nR\xe9sultat \xe9tape 1\n"), std::string::npos);
  EXPECT_NE(text.find("\nClassement \xe9tape 3\n"), std::string::npos);
  EXPECT_NE(text.find(std::string("\n") + kHeader + "\n"), std::string::npos);
  EXPECT_NE(text.find(";1 = 10 ptn.;"), std::string::npos);
  EXPECT_EQ(text.find("Result"), std::string::npos);
}

TEST_F(StandingsExportTest, FailuresAreNeverReportedAsWritten) {
  setResults(raceResults, {12, 0, 4}, {0, 1, 2, 3, 8});
  ASSERT_EQ(mkdir("folder.csv", 0755), 0);
  // A folder, a missing folder, no name, and a device that takes no data
  // (the open succeeds, the writes fail); each from a different status.
  std::vector<std::pair<const char*, int>> failing = {
      {"folder.csv", STANDINGS_NONE}, {"no-such-folder/standings.csv", STANDINGS_WRITTEN}, {"", STANDINGS_NONE}};
  struct stat info;
  if (stat("/dev/full", &info) == 0 && S_ISCHR(info.st_mode)) failing.push_back({"/dev/full", STANDINGS_WRITTEN});
  for (const auto& f : failing) {
    standingsPath = f.first;
    standingsStatus = f.second;
    redraws = 0;
    writeStandingsFile();
    EXPECT_EQ(standingsStatus, STANDINGS_OPEN_FAILED) << f.first;
    EXPECT_EQ(redraws, 1) << f.first;
  }
  standingsPath = "again.csv";
  writeStandingsFile();
  EXPECT_EQ(standingsStatus, STANDINGS_WRITTEN);
  std::string written = readWholeFile("again.csv");
  EXPECT_FALSE(written.empty());
  // An export the disk could not sync leaves the previous one whole.
  tourMode = 1;
  storeTwoStages();
  withFailingSyncs(writeStandingsFile);
  EXPECT_EQ(standingsStatus, STANDINGS_OPEN_FAILED);
  EXPECT_EQ(readWholeFile("again.csv"), written);
}

TEST_F(StandingsExportTest, OneStageBlockOnAnOpenFile) {
  StageRecord stage;
  setResults(stage.results, {}, {5});
  FILE* file = fopen("block.csv", "wb");
  ASSERT_NE(file, nullptr);
  writeStageStandings(stage.results, 6, 1, file);
  fclose(file);
  std::string text = readWholeFile("block.csv");
  EXPECT_EQ(text, stageStandingsText(stage.results, 6, 1));
  EXPECT_EQ(text.substr(0, 15), "Result stage 7\n");
  EXPECT_NE(text.find("\n1;32;50;0;50;;1 = 10 ptn.;;;;\n"), std::string::npos);
  EXPECT_NE(text.find("\n10;;20;;;;Tot.;0;Tot.;50;Tot.;0;Tot.;0\n"), std::string::npos);
}

}  // namespace
