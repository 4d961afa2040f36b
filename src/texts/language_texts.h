// The interface texts of the four languages: the named labels the screens
// draw, the teams' default country names, the race name, and the hot-key
// letter each button underlines.
#pragma once
#include <cstdint>
#include <string>

// Interface language: 0 German, 1 English, 2 French, 3 Dutch.
const int LANGUAGE_GERMAN = 0;
const int LANGUAGE_ENGLISH = 1;
const int LANGUAGE_FRENCH = 2;
const int LANGUAGE_DUTCH = 3;
const int LANGUAGE_COUNT = 4;
extern uint8_t language;

// The labels of the current language, set by setLanguageTexts (empty before
// its first call). The character buffers hold the longest of their four
// texts; trailing and leading blanks are part of the texts.
extern char textBoardGameCredit[44];
extern char textPcVersionCredit[54];
extern char textStart[10];
extern char textLanguageSelection[19];
extern char textManual[19];
extern std::string textContinueExistingRace;
extern char textBack[7];
extern char textCreateNewCourse[27];
extern char textUseSavedCourse[32];
extern char textNextCourse[9];
extern char textPreviousCourse[10];
extern char textBackSavedCourses[7];
extern char textUndoSection[13];
extern char textAdd[11];
extern char textSaveCourse[21];
extern char textBackCourses[7];
extern char textSprint[7];
extern char textFinish[14];
extern char textPreviousPage[16];
extern char textNextPage[16];
extern char textMainMenu[15];
extern char textTeamSetup[25];
extern char textCourseSelection[22];
extern char textPleaseWait[32];
extern char textThrow[8];
extern char textNextTeam[9];
extern char textScorecard[11];
extern char textPositions[11];
extern char textDoping[7];
extern char textSettings[14];
extern char textQuit[9];
extern char textExport[12];
extern std::string textStandingsWrittenTo;
extern std::string textCouldNotBeOpened;
extern std::string textFileAlreadyOpened;
extern char textExit[8];
extern char textSmoothComputerMovement[28];
extern char textStepwiseComputerMovement[29];
extern char textDelay[12];
extern char textDistance[9];
extern char textTimeBetweenSteps[24];
extern char textRatio54[4];
extern char textRatio43[4];
extern char textRatioWidescreen[19];
extern char textComputerMovement[19];
extern char textScreenRatio[21];
extern char textDefault[17];
extern char textCancel[10];
extern char textYes[4];
extern char textNo[5];
extern char textBlue[6];
extern char textWhite[6];
extern char textImmediately[14];
extern char textLater[10];
extern char textBreakaway[15];
extern char textBonusMoves[17];
extern char textMoves[11];
extern char textMovesLeft[18];
extern char textRound[12];
extern char textLap[7];
extern char textLapShort[3];
extern char textFollowQuestion[37];
extern char textNoCardEventCancelled[72];
extern char textNoForwardMove[45];
extern char textConfirmQuit[36];
extern char textConfirmDoping[41];
extern char textDopingNumber[17];
extern char textWhichCardKind[53];
extern char textWhenUseCard[43];
extern char textNoStrengthCard[43];
extern char textDopingControl[20];
extern char textDrawnNumbers[18];
extern char textCyclistsCaught[23];
extern char textCountercheck[17];
extern char textDraw[9];
extern char textDopingNumberOfCyclist[28];
extern char textCyclist[11];
extern char textAcquitted[15];
extern char textDisqualificationConfirmed[29];
extern char textComputerPlayer[16];
extern char textEnableEventCards[25];
extern char textAnd[4];
extern std::string textMultipleStages;
extern std::string textSingleStage;
extern std::string textRaceName;
extern std::string textStageWord;
extern std::string textStandings;
extern std::string textResult;
extern std::string textGeneralAfterStage;
extern std::string textGeneral;
extern std::string textStageTab;
extern std::string textEnterPlayerName;
extern std::string textEnterARaceName;
extern std::string textRaceNameExists;
extern std::string textRetry;
extern std::string textAbort;
extern std::string textCouldNotSaveRace;
// The credit line at the foot of every screen.
extern std::string textCreditLine;

// Team names: 12 characters and a terminating zero. Names read from files
// may lack the zero, so they are always handled with these bounds.
const int TEAM_NAME_SIZE = 13;
extern char teamNames[4][TEAM_NAME_SIZE];

// Each team's default name, a country, by language and team.
extern const char* const defaultTeamNames[LANGUAGE_COUNT][4];

// The race name typed on the team setup screen.
const int RACE_NAME_SIZE = 16;
extern char raceName[RACE_NAME_SIZE];

// Copies the texts of `language` into the labels, renames every team whose
// name is empty or still a default country name of that team, clears the
// race name when Dutch is chosen, takes the manual of the language and,
// once the window is laid out, divides it into pages. A language outside
// 0 to 3 changes nothing but the page division.
void setLanguageTexts();

// The buttons that underline a hot-key letter. hotKeyOf gives the index of
// that letter in the button's label for the current language (0 the first
// letter, -1 none); it is the letter whose key acts on that screen.
enum HotKeyButton {
  HOTKEY_FOOTER_SCORECARD,    // textScorecard, race footer
  HOTKEY_FOOTER_POSITIONS,    // textPositions, race footer
  HOTKEY_FOOTER_SETTINGS,     // textSettings, race footer
  HOTKEY_FOOTER_QUIT,         // textQuit, race footer
  HOTKEY_DOPING,              // textDoping, race footer
  HOTKEY_THROW,               // textThrow, race panel and extra die
  HOTKEY_NEXT_TEAM,           // textNextTeam, start-order result
  HOTKEY_BREAKAWAY,           // textBreakaway, race panel
  HOTKEY_YES,                 // textYes, question dialogs
  HOTKEY_NO,                  // textNo, question dialogs
  HOTKEY_BLUE,                // textBlue, card kind dialog
  HOTKEY_WHITE,               // textWhite, card kind dialog
  HOTKEY_IMMEDIATELY,         // textImmediately, card timing dialog
  HOTKEY_LATER,               // textLater, card timing dialog
  HOTKEY_RETRY,               // textRetry, failed save dialog
  HOTKEY_ABORT,               // textAbort, failed save dialog
  HOTKEY_MENU_LANGUAGE,       // textLanguageSelection, main menu
  HOTKEY_MENU_MANUAL,         // textManual, main menu
  HOTKEY_MENU_SETTINGS,       // textSettings, main menu
  HOTKEY_MENU_CONTINUE,       // textContinueExistingRace, main menu
  HOTKEY_MENU_START,          // textStart, main menu
  HOTKEY_MENU_EXIT,           // textExit, main menu
  HOTKEY_USE_SAVED_COURSE,    // textUseSavedCourse, course selection
  HOTKEY_CREATE_NEW_COURSE,   // textCreateNewCourse, course selection
  HOTKEY_BACK_COURSES,        // textBackCourses, course selection
  HOTKEY_UNDO_SECTION,        // textUndoSection, course designer
  HOTKEY_ADD_SECTION,         // textAdd, course designer
  HOTKEY_STANDINGS_QUIT,      // textQuit, stage standings panel
  HOTKEY_EXPORT,              // textExport, score panel
  HOTKEY_GENERAL_TAB,         // textGeneral, score panel
  HOTKEY_STAGE_TAB,           // textStageTab, score panel
  HOTKEY_SAVED_RACES_SCORECARD,  // textScorecard, saved races screen
  HOTKEY_SAVED_RACES_BACK,    // textBack, saved races screen
  HOTKEY_COUNT
};

// By button and language number (German, English, French, Dutch).
extern const int8_t hotKeyIndices[HOTKEY_COUNT][LANGUAGE_COUNT];

int hotKeyOf(int button);

// The key that acts for a button: the underlined letter of its label in
// lower case, 0 when the button underlines nothing in this language. Every
// screen takes its letters from here, so the key always matches the
// underline that is drawn.
char hotKeyLetter(const char* label, int button);
