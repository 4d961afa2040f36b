// Tour files: a race of several stages is kept in "<race name>.velq" in the
// working directory. The file holds the options that must survive between
// stages (event cards, the four team names, which teams the computer plays)
// and one record per completed stage: its course, packed two characters to
// a byte, and its 25 result places.
//
// Layout, little-endian, no magic and no count:
//   0    1 byte   event cards on (0/1)
//   1    13 bytes team 0 name, zero-terminated
//   14   1 byte   team 0 controller (0 computer, 1 human)
//   15.. 56       teams 1 to 3 the same way
//   57   116 bytes per stage, back to back: 14 bytes packed course, 2 bytes
//        padding (written as zeros), 25 x int32 results
// The number of stages is (size - 57) / 116; a shorter tail is ignored.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/tour_state.h"
#include "texts/language_texts.h"

const size_t TOUR_HEADER_SIZE = 57;
const size_t STAGE_RECORD_SIZE = 116;
// More stages than any tour is ridden over: a longer tour is neither saved
// nor read (a file of more is refused like one too short for the header),
// so that reading never holds an unbounded file, the classification's point
// totals stay far from overflowing, and every saved tour can be read back.
const size_t MAX_TOUR_STAGES = 10000;

extern const std::string tourFileExtension;  // ".velq"
extern const std::string tourFilePattern;    // "*.velq"

// The first 57 bytes of a tour file.
struct TourHeader {
  uint8_t eventCardsOn = 0;
  char teamNames[4][TEAM_NAME_SIZE] = {};
  uint8_t humanControlled[4] = {0, 0, 0, 0};
};

// Writes the whole tour (options and every stored stage) to fileName.
// The old file is replaced only once the new one is completely written, so
// a failure never loses the stages already stored. Returns 1 when written,
// 0 on any failure (also for an existing file that may not be written, and
// for more than MAX_TOUR_STAGES stages).
int saveTour(const std::string& fileName);

// Binds the hooks through which the rules reach the files: the end of a
// stage writes the tour with saveTour. main calls it at start-up beside
// installScreens; so does every other program (a test, a tool) that ends
// the stages of a tour. Without it a tour's stage ends on the save-failed
// panel.
void installFileHooks();

// Reads a tour file to continue the tour: replaces eventCardsOn, teamNames,
// every rider's controller flag and stageRecords. Only a regular file that
// holds at least the header and at most MAX_TOUR_STAGES stages is taken;
// otherwise nothing changes and 0 is returned. Returns 1 when loaded.
int loadTour(const std::string& fileName);

// Reads a tour file for the saved-races screen: the header into the preview
// values, the stages into stageRecords; the race's own options stay. A file
// that cannot be read, or is refused as by loadTour, leaves an empty preview
// (blank names, no stages) and returns 0. Returns 1 when read.
int readTourPreview(const std::string& fileName);

// The byte forms, used by the functions above.
TourHeader currentTourHeader();
void encodeTourHeader(const TourHeader& header, uint8_t out[TOUR_HEADER_SIZE]);
// Decoding brings every value into range: names cut to 12 characters and
// terminated, option and controller bytes other than 0 count as 1.
TourHeader decodeTourHeader(const uint8_t in[TOUR_HEADER_SIZE]);
void encodeStageRecord(const StageRecord& record, uint8_t out[STAGE_RECORD_SIZE]);
// Rider indices outside -1..15 become -1.
StageRecord decodeStageRecord(const uint8_t in[STAGE_RECORD_SIZE]);
// The whole file for the current options and stageRecords.
std::vector<uint8_t> encodeTourFile();
