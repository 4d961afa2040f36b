// The state of one race (one stage): course marks, strength cards, scoring
// places, the move being played and the turn cycle. All of it is reset by
// buildCourse at the start of every stage.
#pragma once
#include <cstdint>

#include "model/track.h"

const int CARD_DIE = -1;
const int CARD_DOPING = 99;
// The slot number of the strength card an event card gives as a bonus.
const int EVENT_BONUS_SLOT = 98;
const int CARD_SLOTS = 18;        // per team: 14 strength cards, 4 extra slots
const int STRENGTH_CARDS = 14;
const int FIRST_TEAM_SLOT = 10;   // slots 0..9 are member cards, 10..13 team cards
const int FIRST_EXTRA_SLOT = 14;
const int EXTRA_SLOTS = 4;
// The two values of a strength card: a blue card may not be played or
// handed in on a climb.
const int STRENGTH_BLUE = 6;
const int STRENGTH_WHITE = 5;
const int SPRINT_PLACES = 3;
const int FINISH_PLACES = 16;
const int RESULT_PLACES = 25;     // 3 places for each of 3 sprints, 16 at the finish
const int FIRST_FINISH_PLACE = 9;
const int FINISH_LINE = 3;        // the finish's entry in lineRows
const int MAX_PATH_POINTS = 50;
const int COURSE_SPEC_SIZE = 28;  // 27 characters and the terminating zero

// Race options and the course.
extern char courseSpec[COURSE_SPEC_SIZE];
extern int tourMode;      // 1 a tour of several stages, 0 a single stage
extern char eventCardsOn; // 1 event cards are drawn on a throw of 7

// Course marks.
extern int32_t lineRows[4];      // rows of sprints 0..2 and of the finish, -1 none
extern int32_t lapLineRows[5];   // last rows of the start section and of each lap
extern int32_t lapLineCount;
extern int32_t climbEndRow;      // last row of the last climb section before the finish
extern int32_t startCursorLane;
extern int32_t startCursorRow;

// Per-rider tables.
extern int32_t riderScore[RIDER_COUNT];
extern int32_t riderLap[RIDER_COUNT];
extern int32_t dopingNumber[RIDER_COUNT];
extern int32_t bestMoveRiderValues[RIDER_COUNT];

// Strength cards.
extern int32_t cardUsed[TEAM_COUNT][CARD_SLOTS];  // 0 available, 1 used, -1 empty extra slot
extern const int32_t strengthCardValue[STRENGTH_CARDS];
// The member holding each slot below FIRST_TEAM_SLOT, -1 for a team card.
extern const int32_t cardHolderMember[STRENGTH_CARDS];
// The first of a member's slots; the slots after it that he holds follow.
extern const int32_t firstCardOfMember[TEAM_SIZE];
extern int32_t extraCardHolder[TEAM_COUNT][EXTRA_SLOTS];
extern int32_t extraCardValue[TEAM_COUNT][EXTRA_SLOTS];
extern int32_t chosenCards[2];
extern int32_t dopingCardValue;
extern int32_t handInCards[2];

// Scoring lines.
extern int32_t raceResults[RESULT_PLACES];
extern const int32_t placePoints[RESULT_PLACES];
extern int32_t lastLineWinner;

// The move being played.
extern int32_t movementValues[2];
extern int32_t movementTotal;
extern int32_t pathLength;
extern float pathPoints[MAX_PATH_POINTS][2];
extern int32_t pathPointIndex;
extern int32_t breakawayDeclared;
extern int32_t bonusSquares;
extern int32_t eventCardBonusValue;
extern int32_t extraDie;
extern float moveEndpoints[4];

// The turn cycle.
extern int32_t roundNumber;
extern int32_t activeRider;
extern int32_t eventCardRider;
extern int32_t followCandidate;
extern int32_t startRolls[TEAM_COUNT];
extern int32_t shownTeam;
extern int32_t dopingDraw[2];
extern int32_t countercheckDie;
extern int32_t dopingCaught;

// One random draw of the race, gameRandom() reduced to 0..count-1 (a
// scripted draw may be negative).
int randomBelow(int count);
