// The frames a click records for the window to replay: the same play with and without them,
// and frames in the order the turns were played.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "game/game.h"
#include "game/gamedir.h"
#include "players/classic.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using Kind = TableFrame::Kind;

// While anyone is in, the pot and the players' honor make 16 points; while a round is under
// way, every card of the deck is once in play: in the hands of the players still in (player 1's
// fourth place while he must throw), on the discard pile and on the draw pile (the card just
// taken lies at deckpos too: it is counted once, from the hand).
void expectHonorAndCardsAccountedFor(const GameState& st) {
  int honor = st.pot;
  for (int k = 1; k <= kPlayers; ++k) honor += st.honor[k];
  const auto in = [](int16_t h) { return h >= 1; };
  EXPECT_TRUE(honor == 16 || std::none_of(st.honor.begin() + 1, st.honor.end(), in)) << honor;
  if (st.dealt != 1) return;
  const bool holding = st.turnphase == kDiscardPhase;
  std::vector<Card> play;
  for (int k = 1; k <= kPlayers; ++k) {
    for (int place = 1; place <= (k == 1 && holding ? 4 : 3) && in(st.honor[k]); ++place)
      play.push_back(st.card(k, place));
  }
  for (int pos = std::max<int>(st.discardbase, 1); pos <= kDeckSize; ++pos) {
    if (!holding || pos != st.deckpos) play.push_back(st.deckCard(pos));
  }
  const Deck deck = standardDeck();
  EXPECT_TRUE(std::is_permutation(play.begin(), play.end(), deck.begin(), deck.end()));
}

// Random clicks on two games of one seed, one recording frames: they must stay identical in
// state, table and random numbers, while the recorded frames follow the turns; and the honor
// points and the cards stay accounted for.
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
      expectHonorAndCardsAccountedFor(recorded.state());
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
