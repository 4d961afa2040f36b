#include "rules/tour_state.h"

#include <cstring>

#include "model/track.h"

std::vector<StageRecord> stageRecords;
std::string tourFileName;
std::string selectedRaceName;

char previewEventCardsOn = 0;
char previewTeamNames[4][TEAM_NAME_SIZE] = {};
char previewHumanControlled[4] = {0, 0, 0, 0};

namespace {

uint8_t courseCode(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c == 'F') return 14;
  if (c == 'S') return 15;
  return 0;
}

}  // namespace

void packCourseSpec(const char* spec, PackedCourse& packed) {
  memset(packed.bytes, 0, sizeof packed.bytes);
  // Reading stops at the terminating zero: the positions behind it keep
  // code 0, whatever an earlier, longer course left there, and a shorter
  // string than the whole buffer is never read past its end.
  size_t length = strnlen(spec, COURSE_SPEC_SIZE);
  for (size_t i = 0; i < length; i++) {
    uint8_t code = courseCode(spec[i]);
    packed.bytes[i / 2] = static_cast<uint8_t>(packed.bytes[i / 2] | (i % 2 ? code << 4 : code));
  }
}

void appendStageRecord() {
  StageRecord record;
  packCourseSpec(courseSpec, record.course);
  for (int e = 0; e < RESULT_PLACES; e++) {
    int32_t rider = raceResults[e];
    record.results[e] = isRiderIndex(rider) && riders[rider].disqualified == 0 ? rider : -1;
  }
  stageRecords.push_back(record);
}

int writeTourFile() {
  return tourSaveHook ? tourSaveHook(tourFileName) : 0;
}
