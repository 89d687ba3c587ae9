// The frames a click records for the window to replay: the same play with and without them,
// and frames in the order the turns were played.
#include <gtest/gtest.h>

#include <random>

#include "game/game.h"
#include "game/gamedir.h"
#include "players/classic.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using Kind = TableFrame::Kind;

// The frames and the window reach the card places by number.
TEST(Table, NumbersNameTheirControls) {
  for (int n = 1; n <= 15; ++n)
    EXPECT_EQ(controlName(pictureBox(n)), "Picture" + std::to_string(n));
}

// Random clicks on two games of one seed, one recording frames: they must stay identical in
// state, table and random numbers, while the recorded frames follow the turns.
TEST(Replay, RecordingFramesChangesNothingAndFollowsTheTurns) {
  constexpr Control kClicks[] = {Control::Command1,  Control::Command2, Control::Picture14,
                                 Control::Picture15, Control::Picture1, Control::Picture2,
                                 Control::Picture3,  Control::Picture4};
  for (uint64_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    testing::GameDir plainDir, recordedDir;
    SeededRandom plainRandom(seed), recordedRandom(seed);
    Game plain(plainDir.path(), plainRandom, classicSeats());
    Game recorded(recordedDir.path(), recordedRandom, classicSeats());
    recorded.setRecording(true);
    std::mt19937 pick(static_cast<uint32_t>(seed));
    int passes = 0, wholeRounds = 0;
    for (int i = 0; i < 400; ++i) {
      const Control c = kClicks[pick() % std::size(kClicks)];
      const auto [roundsBefore, turnsBefore] =
          std::pair(recorded.stats().rounds, recorded.stats().turns);
      plain.click(c);
      recorded.click(c);
      ASSERT_EQ(plain.state(), recorded.state());
      ASSERT_EQ(plain.table(), recorded.table());
      ASSERT_EQ(plain.random().drawn(), recorded.random().drawn());
      ASSERT_TRUE(plain.frames().empty());
      const auto& frames = recorded.frames();
      if (frames.empty()) continue;
      if (frames.front().kind == Kind::Start) {
        // One pass: the player's own move, then every computer turn, in turn order 4, 3, 2.
        ++passes;
        const bool discard = c >= Control::Picture1 && c <= Control::Picture4;
        ASSERT_EQ(frames.size() - 1, recorded.stats().turns - turnsBefore - (discard ? 1 : 0));
        int last = 5;
        for (std::size_t f = 1; f < frames.size(); ++f) {
          ASSERT_EQ(frames[f].kind, Kind::Turn);
          ASSERT_LT(frames[f].player, last);
          ASSERT_GE(frames[f].player, 2);
          last = frames[f].player;
        }
      } else {
        // Player 1 out: one frame per round the click played, each after its show-down.
        ++wholeRounds;
        ASSERT_LT(recorded.state().honor[1], 1);
        for (const TableFrame& frame : frames) ASSERT_EQ(frame.kind, Kind::RoundEnd);
        ASSERT_EQ(frames.size(), recorded.stats().rounds - roundsBefore);
      }
    }
    EXPECT_GT(passes, 20);
    EXPECT_GT(wholeRounds, 0) << "the clicks should put player 1 out at least once";
  }
}

}  // namespace
}  // namespace korvo
