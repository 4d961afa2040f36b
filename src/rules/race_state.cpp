#include "rules/race_state.h"

#include "model/hooks.h"

char courseSpec[COURSE_SPEC_SIZE] = {0};
int tourMode = 0;
char eventCardsOn = 0;

int32_t lineRows[4] = {-1, -1, -1, -1};
int32_t lapLineRows[5] = {-1, -1, -1, -1, -1};
int32_t lapLineCount = 0;
int32_t climbEndRow = 0;
int32_t startCursorLane = 0;
int32_t startCursorRow = 0;

int32_t riderScore[RIDER_COUNT];
int32_t riderLap[RIDER_COUNT];
int32_t dopingNumber[RIDER_COUNT];
int32_t bestMoveRiderValues[RIDER_COUNT];

int32_t cardUsed[TEAM_COUNT][CARD_SLOTS];
const int32_t strengthCardValue[STRENGTH_CARDS] = {6, 6, 5, 5, 6, 5, 6, 6, 5, 5, 6, 6, 5, 5};
const int32_t cardHolderMember[STRENGTH_CARDS] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, -1, -1, -1, -1};
const int32_t firstCardOfMember[TEAM_SIZE] = {0, 4, 6, 8};
int32_t extraCardHolder[TEAM_COUNT][EXTRA_SLOTS];
int32_t extraCardValue[TEAM_COUNT][EXTRA_SLOTS];
int32_t chosenCards[2] = {CARD_DIE, CARD_DIE};
int32_t dopingCardValue = 0;
int32_t handInCards[2];

int32_t raceResults[RESULT_PLACES];
const int32_t placePoints[RESULT_PLACES] = {10, 5, 3, 10, 5, 3, 10, 5, 3,
                                            50, 40, 35, 32, 30, 28, 26, 24, 22,
                                            20, 18, 16, 14, 12, 10, 8};
int32_t lastLineWinner = -1;

int32_t movementValues[2] = {-1, -1};
int32_t movementTotal = 0;
int32_t pathLength = -1;
float pathPoints[MAX_PATH_POINTS][2];
int32_t pathPointIndex = 0;
int32_t breakawayDeclared = 0;
int32_t bonusSquares = 0;
int32_t eventCardBonusValue = 0;
int32_t extraDie = -1;
float moveEndpoints[4];

int32_t roundNumber = 1;
int32_t activeRider = -1;
int32_t eventCardRider = -1;
int32_t followCandidate = -1;
int32_t startRolls[TEAM_COUNT] = {-1, -1, -1, -1};
int32_t shownTeam = 0;
int32_t dopingDraw[2];
int32_t countercheckDie = 0;
int32_t dopingCaught = 0;

int randomBelow(int count) {
  int draw = gameRandom() % count;
  return draw < 0 ? draw + count : draw;
}
