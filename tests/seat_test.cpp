// The seat's view: what a player may decide from, and nothing it may not see.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/move.h"
#include "players/classic.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

// Two tables that differ only in the cards one seat cannot see (the other hands and the
// order of the draw pile) give that seat the same view, in both phases it decides in; its own
// cards do change the view. A player decides from the view alone (and the count of numbers
// drawn), so the same view is the same decision.
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

      // The Throw phase as if the seat had just taken the top of the discard pile.
      EXPECT_EQ(game.viewOf(seat, SeatView::Phase::Throw),
                other.viewOf(seat, SeatView::Phase::Throw));
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

// Whether the card in hand came from the discard pile, as every seat saw it taken back.
TEST(SeatView, TellsWhetherTheCardInHandCameFromTheDiscardPile) {
  for (const auto& [pile, fromDiscard] : {std::pair{kDrawPile, false}, {kDiscardPile, true}}) {
    testing::GameDir dir;
    SeededRandom random(5);
    Game game(dir.path(), random, classicSeats());
    game.click(kDealButton);
    game.click(pile);
    EXPECT_EQ(game.viewOf(1, SeatView::Phase::Throw).takenFromDiscard, fromDiscard);
  }
}

// The moves a turn offers: 31 only with 31 in hand while nobody else has knocked, and never to
// player 1 (the rules show its 31 themselves); a knock only while nobody else has knocked.
TEST(SeatView, ATurnOffers31AndTheKnockOnlyWhenTheRulesAllowThem) {
  const Hand thirtyOne = {Card{"AH.JPG", "H", 11}, Card{"KH.JPG", "H", 10},
                          Card{"QH.JPG", "H", 10}};
  const Hand thirty = {Card{"AH.JPG", "H", 11}, Card{"KH.JPG", "H", 10}, Card{"9H.JPG", "H", 9}};
  using K = Move::Kind;
  struct Row {
    int seat;
    Hand hand;
    bool someoneKnocked;
    std::vector<K> offered;
  };
  const Row rows[] = {
      {2, thirtyOne, false, {K::Korvo, K::Knock, K::TakePile, K::TakeDiscard}},
      {2, thirty, false, {K::Knock, K::TakePile, K::TakeDiscard}},
      {2, thirtyOne, true, {K::TakePile, K::TakeDiscard}},
      {1, thirtyOne, false, {K::Knock, K::TakePile, K::TakeDiscard}},
  };
  for (const Row& row : rows) {
    SeatView view;
    view.seat = row.seat;
    view.hand = row.hand;
    view.discardPile = {Card{"2C.JPG", "C", 2}};
    if (row.someoneKnocked) view.players[3].call = SeatStatus::Call::Knocked;
    std::vector<K> offered;
    for (const Move& move : legalMoves(view)) offered.push_back(move.kind);
    EXPECT_EQ(offered, row.offered) << "seat " << row.seat;
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
  // Nor does a seat take no player, or player 1's seat a computer one.
  EXPECT_THROW(game.setPlayer(3, nullptr), std::invalid_argument);
  EXPECT_THROW(game.setPlayer(1, std::make_unique<Cheat>()), std::invalid_argument);
}

}  // namespace
}  // namespace korvo
