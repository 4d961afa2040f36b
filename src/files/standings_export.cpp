#include "files/standings_export.h"

#include "files/tour_file.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "platform/platform.h"
#include "rules/race_state.h"
#include "rules/standings.h"
#include "texts/language_texts.h"

std::string standingsPath;
int standingsStatus = STANDINGS_NONE;

namespace {


std::string number(int value) { return std::to_string(value); }

// The printed number of the rider in a result entry, empty for a free place.
std::string riderField(int32_t entry) {
  return isRiderIndex(entry) ? number(printedRiderNumber(entry)) : std::string();
}

const char* const sprintPodiumLabels[3] = {";1 = 10 ptn.;", ";2 = 5 ptn.;", ";3 = 3 ptn.;"};

}  // namespace

std::string generalClassificationText() {
  GeneralScore score;
  scoreGeneralClassification(score);
  std::string text = textGeneralAfterStage + number(static_cast<int>(stageRecords.size())) + "\n";
  for (int i = 0; i < TEAM_COUNT; i++) {
    int team = score.ranking[i];
    text += number(i + 1) + ";" + standingsTeamName(team) + ";" + number(score.teamTotal[team]) + "\n";
  }
  text += "\n";
  for (int t = 0; t < TEAM_COUNT; t++) text += standingsTeamName(t) + ";;";
  text += "\n";
  for (int m = 0; m < TEAM_SIZE; m++) {
    for (int t = 0; t < TEAM_COUNT; t++) {
      int rider = t * TEAM_SIZE + m;
      text += number(printedRiderNumber(rider)) + ";" + number(score.riderTotal[rider]) + ";";
    }
    text += "\n";
  }
  for (int t = 0; t < TEAM_COUNT; t++) text += "Tot.;" + number(score.teamTotal[t]) + ";";
  text += "\n\n";
  return text;
}

std::string stageStandingsText(const int32_t* results, int stageIndex, int completed) {
  StageScore score;
  scoreStageResults(results, completed, score);
  std::string text = (completed ? textResult : textStandings) + textStageWord + number(stageIndex + 1) + "\n";
  text += "Finish;Nr.;Score;Sprints;Tot.;;Score;Sprint 1;Sprint 2;Sprint 3\n";
  for (int n = 1; n <= RIDER_COUNT; n++) {
    int32_t entry = results[FIRST_FINISH_PLACE + n - 1];
    bool rider = isRiderIndex(entry);
    text += number(n) + ";";
    text += riderField(entry) + ";";
    text += number(placePoints[FIRST_FINISH_PLACE + n - 1]) + ";";
    text += (rider ? number(score.sprintPoints[entry]) : std::string()) + ";";
    text += (rider ? number(score.stageTotal[entry]) : std::string()) + ";";
    if (n <= 3) {
      text += sprintPodiumLabels[n - 1];
      for (int k = 0; k < 3; k++) text += riderField(results[3 * k + n - 1]) + ";";
    } else if (n == 5) {
      text += ";";
      for (int t = 0; t < TEAM_COUNT; t++) text += (t > 0 ? ";;" : "") + standingsTeamName(t);
    } else if (n >= 6 && n <= 9) {
      int m = n - 6;
      text += ";";
      for (int t = 0; t < TEAM_COUNT; t++) {
        int member = t * TEAM_SIZE + m;
        text += number(printedRiderNumber(member)) + ";";
        if (score.finishPlace[member] >= 0)
          text += number(score.stageTotal[member]);
        else if (completed)
          text += "0";
        text += ";";
      }
    } else if (n == 10) {
      for (int t = 0; t < TEAM_COUNT; t++) {
        text += ";Tot.;";
        if (completed || score.teamAllFinished[t]) text += number(score.teamTotal[t]);
      }
    }
    text += "\n";
  }
  text += "\n";
  return text;
}

void writeStageStandings(const int32_t* results, int stageIndex, int completed, FILE* file) {
  std::string text = stageStandingsText(results, stageIndex, completed);
  fwrite(text.data(), 1, text.size(), file);
}

void writeStandingsFile() {
  // A single-stage race has no stored stages; whatever a saved race's
  // preview left in the list does not belong to it.
  int stored = tourMode == 1 ? static_cast<int>(stageRecords.size()) : 0;
  std::string text;
  if (tourMode == 1 && stored > 0) text = generalClassificationText();
  for (int s = 0; s < stored; s++) text += stageStandingsText(stageRecords[s].results, s, 1);
  if (currentScreen == SCREEN_SCORECARD)
    text += stageStandingsText(raceResults, stored, 0);
  else if (tourMode == 0 && currentScreen == SCREEN_STAGE_STANDINGS)
    text += stageStandingsText(raceResults, stored, 1);
  // Written like the tour: a failed write (a full disk) leaves the previous
  // export whole and is reported like a file that could not be opened.
  const char* path = standingsPath.c_str();
  bool ok = !standingsPath.empty() && mayReplaceFile(path) && writeFileSafely(path, text.data(), text.size());
  standingsStatus = ok ? STANDINGS_WRITTEN : STANDINGS_OPEN_FAILED;
  requestRedraw();
}
