// Hand-made stretches of road and rider set-ups for rules tests.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

// The race as the game resets it for a new stage (no squares, no pieces or
// dividers, nobody on the road, no scoring lines or lap marks, every place
// free, every card in hand and no extra card won), then: nothing to hand
// in; the laps 109 rows long; trackRowCount = rows. Riders: off the road,
// played by the computer, nothing to sit out; round 2 (so cards may be
// played), no move thrown, event cards off; the move-timer hook records the
// request instead of running it.
void clearTestTrack(int rows);

// Builds the course from its description as the race start does (the
// section catalogue already set up); whether it could be built.
bool buildTestCourse(const char* course);

// Squares of the given value and terrain over a rectangle, ends included.
void layRoad(int rowFrom, int rowTo, int laneFrom, int laneTo, int value = 0, int terrain = 1);
void setSquare(int row, int lane, int value, int terrain = 1);

// Reach values for every square: row + 12 and row + 11.
void fillTestReach();

// Puts the rider on the square (and into the occupancy grid).
void putRider(int rider, int row, int lane);
// Puts the rider on the square as one still in the race who has not moved
// this round.
void enterRider(int rider, int row, int lane);
// Whether the rider stands on the square, in the occupancy grid as well.
bool standsOn(int rider, int row, int lane);
// The rider's row and lane; the two cards chosen to play; the two dice of
// the last throw: each as one pair to compare.
std::pair<int, int> squareOf(int rider);
std::pair<int, int> cardsPlayed();
std::pair<int, int> diceThrown();
// Makes the rider the one whose turn it is: lifted off the grid, his
// square as the move's start.
void beginTurnOf(int rider);

// The next random draws of the game, in order; after them every draw is 0.
void scriptRandom(std::initializer_list<int> draws);
void stopScriptedRandom();
// The draw for a throw of two dice a and b (as the game's throw splits it:
// first die draw % 6 + 1, second draw / 6 + 1).
int diceDraw(int first, int second);

// Whether the move timer was asked for since clearTestTrack, and how often.
int moveTimerRequests();
void resetMoveTimerRequests();
// The value and delay of the last request.
int lastMoveTimerValue();
unsigned lastMoveTimerDelay();

// A results table (sprint places from entry 0, finish places from the
// first finish place) with every other entry -1.
void setResults(int32_t* results, std::vector<int32_t> sprints, std::vector<int32_t> finish);
