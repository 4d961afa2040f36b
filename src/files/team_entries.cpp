#include "files/team_entries.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "files/file_listing.h"
#include "files/standings_export.h"
#include "files/tour_file.h"
#include "model/occupancy.h"
#include "rules/race_state.h"
#include "texts/text_editing.h"

std::string setupErrors[SETUP_ERROR_SLOTS];
int setupErrorCount = 0;

namespace {

void addSetupError(const std::string& message) {
  if (setupErrorCount < SETUP_ERROR_SLOTS) setupErrors[setupErrorCount++] = message;
}

// The printed number of the team's first rider: 21, 31, 41, 51.
int firstRiderNumber(int team) { return team * 10 + 21; }

}  // namespace

bool isNameCharacter(unsigned char key) {
  if (key >= 0x80) return false;
  const char letter = toLowerAscii(static_cast<char>(key));
  return (letter >= 'a' && letter <= 'z') || (key >= '0' && key <= '9') || key == ' ' || key == '-';
}

std::string typedRaceName() {
  return std::string(raceName, static_cast<size_t>(fieldTextLength(raceName, RACE_NAME_LENGTH)));
}

bool fileSystemEntryExists(const std::string& name) {
  struct stat info;
  return lstat(name.c_str(), &info) == 0;
}

int checkTeamEntries() {
  setupErrorCount = 0;
  for (std::string& message : setupErrors) message.clear();
  char message[160];
  for (int team = 0; team < 4; ++team) {
    if (teamNames[team][0] != '\0') continue;
    std::snprintf(message, sizeof message, textEnterPlayerName.c_str(), firstRiderNumber(team));
    addSetupError(message);
  }
  if (tourMode == 1) {
    const std::string name = typedRaceName();
    if (name.empty()) {
      // With no name there is no tour file to find: a file named only
      // ".velq" must not add a sixth message.
      addSetupError(textEnterARaceName);
    } else {
      savedRaceFiles = listFiles();
      const std::string fileName = name + tourFileExtension;
      // Not only the listed tour files: a folder or other entry of that
      // name would make every save of the tour fail.
      const bool listed =
          std::find(savedRaceFiles.begin(), savedRaceFiles.end(), fileName) != savedRaceFiles.end();
      if (listed || fileSystemEntryExists(fileName)) {
        std::snprintf(message, sizeof message, textRaceNameExists.c_str(), name.c_str());
        addSetupError(message);
      }
    }
  }
  return setupErrorCount;
}

void fixRaceFileNames() {
  stageRecords.clear();
  selectedRaceName = typedRaceName();
  tourFileName = selectedRaceName + tourFileExtension;
  standingsPath = tourMode == 1 ? selectedRaceName + ".csv" : "standings.csv";
}
