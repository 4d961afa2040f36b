// The end of a stage. Once every rider has finished, the doping control
// draws two different numbers; every rider who took doping with one of
// those numbers is caught and throws a countercheck die: showing his doping
// number acquits him, anything else confirms his disqualification. Then the
// stage standings open and, in a tour, the stage is stored in the tour file.
//
// Every outcome (who is caught, each verdict) is decided here in the
// actions, never by the panels that show it, so a race played without a
// window ends exactly as one on screen.
#pragma once
#include <cstdint>

// The score panel's view: 1 the general classification, 0 one stage; and
// the stage shown in a tour (0-based; the number of stored stages means the
// race being ridden).
extern char scoreGeneral;
extern int32_t scoreStage;

// Called when the last rider has finished: draws the two numbers of the
// doping control (every ordered pair of different numbers 1..6 equally
// likely), finds the caught riders and opens the doping-control panel.
void startDopingControl();

// True when the rider's doping number is one of the two drawn numbers; a
// rider who never took doping is never caught.
bool caughtByDopingControl(int rider);

// True when the countercheck of the rider being checked (activeRider)
// acquits him: the die shows his doping number.
bool countercheckAcquits();

// OK on the doping-control panel: with riders caught, the countercheck walk
// starts from the first rider; without, the stage ends.
void continueDopingControl();

// OK on the countercheck panel (and the start of the walk): the next caught
// rider in rider order throws the countercheck die and the verdict is
// applied at once; after the last rider the walk ends (activeRider back to
// -1) and so does the stage.
void countercheckNextRider();

// A confirmed disqualification: the rider loses his points and every place
// he held in the stage; the places stay empty, nobody moves up.
void disqualifyRider(int rider);

// Retry and Abort on the panel that says the tour could not be saved: Retry
// writes the tour file again and opens the stage standings when that
// succeeds; Abort opens them without saving (the stage stays in memory but
// is missing from the file).
void retrySavingTour();
void abortSavingTour();
