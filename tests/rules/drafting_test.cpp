#include <gtest/gtest.h>

#include "model/board_sections.h"
#include "model/hooks.h"
#include "model/screens.h"
#include "model/track.h"
#include "rules/drafting.h"
#include "rules/race_state.h"
#include "support/test_track.h"

namespace {

// A flat road of lanes 0..3, rows 0..150 (with its copies one lap on for
// the lap tests), the finish far ahead. The leader, rider 15, has just
// moved; riders not put on the road have finished, except rider 14, a
// person who waits far behind, so that the next turn stops on him.
class DraftingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clearTestTrack(300);
    layRoad(0, 150, 0, 3);
    fillTestReach();
    lineRows[3] = 140;
    for (Rider& r : riders) {
      r.finished = 1;
      r.movedThisRound = 1;
    }
    enterRider(14, 2, 0);
    riders[14].humanControlled = 1;
  }
  void TearDown() override { moveTimerHook = nullptr; }

  // The leader moved from (fromRow, lane) to (toRow, toLane).
  static void leaderMoved(int fromRow, int lane, int toRow, int toLane) {
    enterRider(15, toRow, toLane);
    riders[15].movedThisRound = 1;
    activeRider = 15;
    moveEndpoints[0] = static_cast<float>(fromRow);
    moveEndpoints[1] = static_cast<float>(lane);
  }
  // The chain has ended and the next turn went to the waiting person.
  static bool chainEnded() { return activeRider == 14 && currentScreen == SCREEN_PLAY_CARDS; }
  // The rider did not follow: the chain ended and, not having moved, he
  // has the next turn from his own square.
  static bool stayedAndPlaysNext(int rider, int row, int lane) {
    return riders[rider].row == row && riders[rider].lane == lane && riders[rider].movedThisRound == 0 &&
           activeRider == rider && moveEndpoints[0] == row && moveEndpoints[1] == lane;
  }
};

TEST_F(DraftingTest, AChainOfThreeFollowsTheLeader) {
  leaderMoved(30, 2, 39, 2);
  enterRider(0, 29, 2);
  enterRider(5, 28, 2);
  enterRider(10, 27, 2);
  offerFollow(30, 2, 9, 39, 2);
  EXPECT_TRUE(standsOn(0, 38, 2));
  EXPECT_TRUE(standsOn(5, 37, 2));
  EXPECT_TRUE(standsOn(10, 36, 2));
  for (int r : {0, 5, 10}) EXPECT_EQ(riders[r].movedThisRound, 1) << r;
  EXPECT_EQ(trackOccupant[29][2], -1);
  EXPECT_TRUE(standsOn(15, 39, 2));
  EXPECT_TRUE(chainEnded());
}

// The leader moved 9 rows from (30, 2) to (39, 2); rider 0 waits behind
// him on (29, 2) and does not follow.
TEST_F(DraftingTest, TheRiderBehindStaysWhenHeCannotOrWillNotFollow) {
  struct Case {
    const char* what;
    void (*more)();
    int steps, onFollowSquare;
  };
  const Case cases[] = {
      {"on other terrain he is not offered", [] { layRoad(0, 29, 2, 2, 0, TERRAIN_CLIMB); }, 9, -1},
      {"nine rows to go with six steps", nullptr, 6, -1},
      {"the follow square is taken", [] { enterRider(6, 38, 2), riders[6].movedThisRound = 1; }, 9, 6},
      // A poor square to stand on: his own move promises more reach.
      {"the computer declines", [] { trackReach12[38][2] = 20; }, 9, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    leaderMoved(30, 2, 39, 2);
    enterRider(0, 29, 2);
    if (c.more) c.more();
    offerFollow(30, 2, c.steps, 39, 2);
    EXPECT_TRUE(stayedAndPlaysNext(0, 29, 2));
    EXPECT_EQ(trackOccupant[38][2], c.onFollowSquare);
    EXPECT_EQ(followCandidate, -1);  // cleared by the next turn
  }
}

TEST_F(DraftingTest, ARiderWhoHasMovedIsNotOffered) {
  leaderMoved(30, 2, 39, 2);
  enterRider(0, 29, 2);
  riders[0].movedThisRound = 1;
  offerFollow(30, 2, 9, 39, 2);
  EXPECT_TRUE(standsOn(0, 29, 2));
  EXPECT_TRUE(chainEnded());
}

TEST_F(DraftingTest, BehindALeaderFromRowZeroThereIsNoCandidate) {
  leaderMoved(0, 1, 6, 1);
  offerFollow(0, 1, 6, 6, 1);
  EXPECT_TRUE(chainEnded());
}

TEST_F(DraftingTest, TheCandidateBehindAPassThroughSquareIsOffered) {
  setSquare(29, 2, SQUARE_PASS_THROUGH);
  setSquare(38, 2, SQUARE_PASS_THROUGH);
  fillTestReach();
  leaderMoved(30, 2, 39, 2);
  enterRider(0, 28, 2);
  offerFollow(30, 2, 9, 39, 2);
  EXPECT_TRUE(standsOn(0, 37, 2));
}

TEST_F(DraftingTest, NearTheFinishTheComputerAlwaysFollows) {
  lineRows[3] = 37;
  leaderMoved(30, 2, 39, 2);
  enterRider(0, 29, 2);
  trackReach12[38][2] = 20;
  offerFollow(30, 2, 9, 39, 2);
  // He crossed the finish drafting, and left the track with the leader,
  // queued directly behind him.
  EXPECT_EQ(riders[0].row, 38);
  EXPECT_EQ(riders[0].finished, 1);
  EXPECT_EQ(raceResults[9], 0);
  EXPECT_EQ(riderScore[0], 50);
}

TEST_F(DraftingTest, AFollowerScoresTheLinesHeCrosses) {
  lineRows[0] = 33;
  leaderMoved(30, 2, 39, 2);
  enterRider(0, 29, 2);
  raceResults[0] = 15;
  offerFollow(30, 2, 9, 39, 2);
  EXPECT_EQ(raceResults[1], 0);
  EXPECT_EQ(riderScore[0], 5);
}

TEST_F(DraftingTest, APersonIsAskedAndTheChainGoesOnWithTheLeadersSteps) {
  leaderMoved(30, 2, 39, 2);
  enterRider(0, 29, 2);
  enterRider(5, 28, 2);
  riders[0].humanControlled = 1;
  previousScreen = SCREEN_CHOOSE_MOVE;
  offerFollow(30, 2, 9, 39, 2);
  ASSERT_EQ(currentScreen, SCREEN_FOLLOW_QUESTION);
  EXPECT_EQ(followCandidate, 0);
  EXPECT_EQ(shownTeam, 0);
  EXPECT_EQ(trackOccupant[29][2], -1);
  EXPECT_EQ(moveEndpoints[2], 38);
  // The answer comes later; pathLength may hold anything meanwhile.
  pathLength = 2;
  acceptFollow();
  EXPECT_TRUE(standsOn(0, 38, 2));
  EXPECT_TRUE(standsOn(5, 37, 2));
  EXPECT_TRUE(chainEnded());
}

TEST_F(DraftingTest, APersonWhoDeclinesStaysAndTheNextTurnFollows) {
  leaderMoved(30, 2, 39, 2);
  enterRider(0, 29, 2);
  riders[0].humanControlled = 1;
  offerFollow(30, 2, 9, 39, 2);
  ASSERT_EQ(currentScreen, SCREEN_FOLLOW_QUESTION);
  declineFollow();
  // He has not moved and stands in front of the waiting person.
  EXPECT_TRUE(stayedAndPlaysNext(0, 29, 2));
  EXPECT_EQ(currentScreen, SCREEN_PLAY_CARDS);
}

// The circuit's copies one lap on lie 109 rows and 3 lanes further.
class LapDraftingTest : public DraftingTest {
 protected:
  void SetUp() override {
    DraftingTest::SetUp();
    layRoad(109, 260, 3, 6);
    fillTestReach();
    lineRows[3] = 250;
  }
};

TEST_F(LapDraftingTest, ACandidateOnTheNextLapIsComparedOnHisLap) {
  // The leader went from (40, 1) to (49, 1) on the first lap; the rider
  // behind him stands on the copy of (39, 1) one lap on.
  leaderMoved(40, 1, 49, 1);
  enterRider(0, 39 + 109, 1 + 3);
  offerFollow(40, 1, 9, 49, 1);
  EXPECT_TRUE(standsOn(0, 48 + 109, 1 + 3));
}

TEST_F(LapDraftingTest, TheFollowerGoesToTheCopyOfTheFollowSquareAheadOfHim) {
  enterRider(0, 110, 5);
  riders[0].movedThisRound = 0;
  followCandidate = 0;
  activeRider = 15;
  enterRider(15, 10, 2);
  riders[15].movedThisRound = 1;
  trackOccupant[110][5] = -1;
  performFollow(1, 110, 5, 3, 2, 9);
  // Row 3 lies behind him; its copy one lap on, 3 lanes across, does not.
  EXPECT_TRUE(standsOn(0, 112, 5));
}

TEST_F(DraftingTest, FollowZeroPutsTheCandidateBack) {
  leaderMoved(30, 2, 39, 2);
  enterRider(0, 29, 2);
  trackOccupant[29][2] = -1;
  followCandidate = 0;
  performFollow(0, 29, 2, 38, 2, 9);
  EXPECT_TRUE(stayedAndPlaysNext(0, 29, 2));
}

}  // namespace
