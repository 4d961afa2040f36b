#include "files/tour_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "files/little_endian.h"
#include "model/track.h"
#include "platform/platform.h"

const std::string tourFileExtension = ".velq";
const std::string tourFilePattern = "*.velq";

namespace {

const size_t TEAM_BLOCK_SIZE = TEAM_NAME_SIZE + 1;
const size_t RESULTS_AT = 16;

// The largest tour file taken: the header, the most stages and a trailing
// piece shorter than a record.
const size_t MAX_TOUR_FILE_SIZE = TOUR_HEADER_SIZE + STAGE_RECORD_SIZE * (MAX_TOUR_STAGES + 1) - 1;

// The whole content of a regular file of at most maxSize bytes, or false for
// anything else (missing, a folder, unreadable, longer).
bool readRegularFile(const std::string& fileName, size_t maxSize, std::vector<uint8_t>& bytes) {
  // Opened without waiting: a pipe named like a tour cannot hang the game.
  off_t size = 0;
  int fd = openRegularFile(fileName.c_str(), O_RDONLY, size);
  if (fd < 0) return false;
  FILE* file = static_cast<unsigned long long>(size) <= maxSize ? fdopen(fd, "rb") : nullptr;
  if (!file) {
    close(fd);
    return false;
  }
  bytes.clear();
  uint8_t chunk[4096];
  size_t got;
  // A file that grows while it is read is still held to the limit.
  while ((got = fread(chunk, 1, sizeof chunk, file)) > 0 && bytes.size() <= maxSize)
    bytes.insert(bytes.end(), chunk, chunk + got);
  bool ok = ferror(file) == 0 && bytes.size() <= maxSize;
  fclose(file);
  return ok;
}

// The header and the whole records of a file; false, leaving header and
// records as they were, when the file is not a regular file holding at least
// the header and at most MAX_TOUR_STAGES records.
bool readTourFile(const std::string& fileName, TourHeader& header,
                  std::vector<StageRecord>& records) {
  std::vector<uint8_t> bytes;
  if (!readRegularFile(fileName, MAX_TOUR_FILE_SIZE, bytes) || bytes.size() < TOUR_HEADER_SIZE)
    return false;
  header = decodeTourHeader(bytes.data());
  records.clear();
  for (size_t at = TOUR_HEADER_SIZE; at + STAGE_RECORD_SIZE <= bytes.size(); at += STAGE_RECORD_SIZE)
    records.push_back(decodeStageRecord(bytes.data() + at));
  return true;
}

}  // namespace

TourHeader currentTourHeader() {
  TourHeader header;
  header.eventCardsOn = static_cast<uint8_t>(eventCardsOn);
  for (int t = 0; t < 4; t++) {
    memcpy(header.teamNames[t], teamNames[t], TEAM_NAME_SIZE);
    header.humanControlled[t] = riders[t * TEAM_SIZE].humanControlled;
  }
  return header;
}

void encodeTourHeader(const TourHeader& header, uint8_t out[TOUR_HEADER_SIZE]) {
  out[0] = header.eventCardsOn;
  for (int t = 0; t < 4; t++) {
    uint8_t* block = out + 1 + TEAM_BLOCK_SIZE * t;
    memcpy(block, header.teamNames[t], TEAM_NAME_SIZE);
    block[TEAM_NAME_SIZE] = header.humanControlled[t];
  }
}

TourHeader decodeTourHeader(const uint8_t in[TOUR_HEADER_SIZE]) {
  TourHeader header;
  header.eventCardsOn = in[0] != 0;
  for (int t = 0; t < 4; t++) {
    const uint8_t* block = in + 1 + TEAM_BLOCK_SIZE * t;
    memcpy(header.teamNames[t], block, TEAM_NAME_SIZE);
    header.teamNames[t][TEAM_NAME_SIZE - 1] = '\0';
    header.humanControlled[t] = block[TEAM_NAME_SIZE] != 0;
  }
  return header;
}

void encodeStageRecord(const StageRecord& record, uint8_t out[STAGE_RECORD_SIZE]) {
  memcpy(out, record.course.bytes, PACKED_COURSE_SIZE);
  out[PACKED_COURSE_SIZE] = 0;
  out[PACKED_COURSE_SIZE + 1] = 0;
  for (int e = 0; e < RESULT_PLACES; e++)
    putUint32Le(out + RESULTS_AT + 4 * e, static_cast<uint32_t>(record.results[e]));
}

StageRecord decodeStageRecord(const uint8_t in[STAGE_RECORD_SIZE]) {
  StageRecord record;
  memcpy(record.course.bytes, in, PACKED_COURSE_SIZE);
  for (int e = 0; e < RESULT_PLACES; e++) {
    int32_t rider = static_cast<int32_t>(getUint32Le(in + RESULTS_AT + 4 * e));
    record.results[e] = isRiderIndex(rider) ? rider : -1;
  }
  return record;
}

std::vector<uint8_t> encodeTourFile() {
  std::vector<uint8_t> bytes(TOUR_HEADER_SIZE + STAGE_RECORD_SIZE * stageRecords.size());
  encodeTourHeader(currentTourHeader(), bytes.data());
  for (size_t s = 0; s < stageRecords.size(); s++)
    encodeStageRecord(stageRecords[s], bytes.data() + TOUR_HEADER_SIZE + STAGE_RECORD_SIZE * s);
  return bytes;
}

int saveTour(const std::string& fileName) {
  // A file that loading would refuse is never reported as saved.
  if (stageRecords.size() > MAX_TOUR_STAGES) return 0;
  if (fileName.empty() || !mayReplaceFile(fileName.c_str())) return 0;
  std::vector<uint8_t> bytes = encodeTourFile();
  return writeFileSafely(fileName.c_str(), bytes.data(), bytes.size()) ? 1 : 0;
}

void installFileHooks() { tourSaveHook = saveTour; }

int loadTour(const std::string& fileName) {
  TourHeader header;
  std::vector<StageRecord> records;
  if (!readTourFile(fileName, header, records)) return 0;
  eventCardsOn = static_cast<char>(header.eventCardsOn);
  for (int t = 0; t < 4; t++) {
    memcpy(teamNames[t], header.teamNames[t], TEAM_NAME_SIZE);
    for (int m = 0; m < TEAM_SIZE; m++) riders[t * TEAM_SIZE + m].humanControlled = header.humanControlled[t];
  }
  stageRecords.swap(records);
  return 1;
}

int readTourPreview(const std::string& fileName) {
  TourHeader header;  // blank: what a file that cannot be read shows
  std::vector<StageRecord> records;
  int ok = readTourFile(fileName, header, records) ? 1 : 0;
  previewEventCardsOn = static_cast<char>(header.eventCardsOn);
  for (int t = 0; t < 4; t++) {
    memcpy(previewTeamNames[t], header.teamNames[t], TEAM_NAME_SIZE);
    previewHumanControlled[t] = static_cast<char>(header.humanControlled[t]);
  }
  stageRecords.swap(records);
  return ok;
}
