// A headless driver for whole races in tests: four computer teams, a laid
// course, the start-order throw and the start grid, then every turn until
// the last rider has finished, the doping control and the end of the stage.
// It stands where the window would: it runs the move timer's ticks from a
// loop (never from inside the rules), and answers every panel that waits
// for OK exactly as the panel's OK does.
// After every move it checks that the race state is consistent.
#pragma once
#include <cstdint>
#include <string>

struct RaceRun {
  bool ended = false;         // the doping control was held and the stage ended
  bool dopingControl = false; // reached the doping control
  std::string failure;        // the first broken rule or a stall; empty when none
  int driverSteps = 0;        // ticks run and panels answered
  int moves = 0;              // moves started
  int rounds = 0;             // roundNumber at the end
  int eventCards[30] = {};    // event cards carried out, by card number
};

// Random draws of the game come from a small seeded generator.
void seedRaceRandom(uint32_t seed);
// Where the seeded generator stands: a test compares it to see whether a
// step drew from it.
uint64_t seededRandomState();

// Lays the course with all four teams played by the computer, shuffles the
// event deck and starts the start-order throw; the driver's hooks are bound.
// False when the course cannot be laid.
bool startComputerRace(const char* course, uint32_t seed, bool eventCards);

// Runs the race started by startComputerRace through the doping control to
// the end of the stage (the stage standings, or the panel saying the tour
// could not be saved), until a broken invariant, or maxSteps driver steps.
// The race end is checked as the doping control opens. Without checks it
// only runs.
RaceRun runRaceToEnd(int maxSteps = 2000000, bool checks = true);

// With interruptions on, the driver now and then opens an overlay over a
// moving rider and closes it again, as a person looking at the scorecard
// would: sometimes the pending tick arrives while the overlay is open,
// sometimes only after it has closed. Off after startComputerRace.
void setOverlayInterruptions(bool on);

// One driver step: the pending timer tick if there is one, else the answer
// to the panel on screen. False when nothing can go on (the race is over or
// stalled on a screen the driver cannot answer).
bool driveOneStep();

// Starts the checks afresh for a race started without startComputerRace
// (by the screens): the round number may only grow from here.
void beginRaceChecks();

// The checks made after every move; empty when all hold. The active rider
// may be off the grid while a move or a panel of his turn is open.
std::string checkRaceInvariants();
// The checks at the end of a race: every rider finished, the finish places
// a permutation of the sixteen riders, the points of all places given.
std::string checkRaceEnd();

// Unbinds the driver's hooks.
void releaseRaceDriver();
