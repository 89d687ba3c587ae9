// The seat's view: what a player may decide from, and nothing it may not see.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "game/game.h"
#include "players/classic.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

// Two tables that differ only in the cards one seat cannot see (the other hands and the
// order of the draw pile) give that seat the same view; its own cards do change the view.
TEST(SeatView, HoldsNothingTheSeatCannotSee) {
  for (uint64_t seed : {3u, 8u, 21u}) {
    testing::GameDir dir;
    SeededRandom random(seed);
    Game game(dir.path(), random, classicSeats());
    // Deal and play a few turns so that the discard pile and the sightings hold something.
    game.click(kDealButton);
    game.click(kDrawPile);
    game.click(Control::Picture2);
    for (int seat = 1; seat <= kPlayers; ++seat) {
      SCOPED_TRACE(::testing::Message() << "seed " << seed << ", seat " << seat);
      const GameState& st = game.state();
      Game other(dir.path(), random, classicSeats());
      GameState& moved = other.mutableState();
      moved = st;
      // Every hidden card, read in one order and written back in the reverse one.
      std::vector<std::pair<int, int>> places;  // (player, place); player 0: the draw pile
      for (int k = 1; k <= kPlayers; ++k) {
        if (k == seat || st.honor[k] < 1) continue;
        for (int place = 1; place <= 3; ++place) places.emplace_back(k, place);
      }
      for (int pos = st.deckpos + 1; pos <= kDeckSize; ++pos) places.emplace_back(0, pos);
      std::vector<Card> hidden;
      for (auto [k, i] : places) hidden.push_back(k == 0 ? st.deckCard(i) : st.card(k, i));
      std::reverse(hidden.begin(), hidden.end());
      for (std::size_t n = 0; n < places.size(); ++n) {
        const auto [k, i] = places[n];
        k == 0 ? moved.setDeckCard(i, hidden[n]) : moved.setCard(k, i, hidden[n]);
      }
      ASSERT_NE(moved, st);

      const SeatView view = game.viewOf(seat, SeatView::Phase::Turn);
      EXPECT_EQ(view, other.viewOf(seat, SeatView::Phase::Turn));
      EXPECT_EQ(view.hand, st.handOf(seat));
      EXPECT_EQ(view.discardPile.back(), st.deckCard(st.deckpos));
      EXPECT_EQ(view.drawPile, kDeckSize - st.deckpos);
      // The last card seen is the one every seat saw thrown onto the pile.
      EXPECT_EQ(view.seen.back().card, view.discardPile.back());

      std::swap(moved.p1card, moved.p2card);
      std::swap(moved.p1suit, moved.p2suit);
      std::swap(moved.p1value, moved.p2value);
      if (seat <= 2) {
        EXPECT_NE(view, other.viewOf(seat, SeatView::Phase::Turn));
      }
    }
  }
}

// A player that breaks the rules is a fault of the program: it stops loudly, never quietly
// plays an impossible move.
TEST(SeatView, AnIllegalMoveIsRefused) {
  struct Cheat final : Player {
    Move decide(const SeatView&, Random&) override { return {Move::Kind::Throw, 2}; }
  };
  testing::GameDir dir;
  SeededRandom random(1);
  ComputerSeats seats = classicSeats();
  seats[2] = std::make_unique<Cheat>();
  Game game(dir.path(), random, std::move(seats));
  EXPECT_THROW(game.click(kDealButton), std::logic_error);
}

}  // namespace
}  // namespace korvo
