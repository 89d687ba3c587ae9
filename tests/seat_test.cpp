// The seat's view: what a player may decide from, and nothing it may not see.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>
#include <utility>

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
      EXPECT_EQ(view != other.viewOf(seat, SeatView::Phase::Turn), seat <= 2);  // its own hand
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
  using K = Move::Kind;
  const std::vector<K> take = {K::TakePile, K::TakeDiscard};
  const auto with = [&](std::vector<K> first) {
    first.insert(first.end(), take.begin(), take.end());
    return first;
  };
  // The seat, its third card beside A♥ K♥ (31 or 30), whether another has knocked, the offer.
  const std::tuple<int, Value, bool, std::vector<K>> rows[] = {
      {2, 10, false, with({K::Korvo, K::Knock})},
      {2, 9, false, with({K::Knock})},
      {2, 10, true, take},
      {1, 10, false, with({K::Knock})}};
  for (const auto& [seat, third, knocked, offered] : rows) {
    SeatView view;
    view.seat = seat;
    view.hand = {Card{"AH.JPG", "H", 11}, Card{"KH.JPG", "H", 10}, Card{"3H.JPG", "H", third}};
    view.discardPile = {view.hand[0]};
    if (knocked) view.players[3].call = SeatStatus::Call::Knocked;
    std::vector<K> kinds;
    for (const Move& move : legalMoves(view)) kinds.push_back(move.kind);
    EXPECT_EQ(kinds, offered) << "seat " << seat << ", " << third;
  }
}

// With player 1 out (no honor left, whether by paying the last point or a double), one Deal
// has the computer players play the rest of the game, whatever player 1 last held.
TEST(SeatView, WithPlayer1OutOneDealPlaysTheGameToItsEnd) {
  for (const int pell : {0, -1}) {
    testing::GameDir dir;
    SeededRandom random(4);
    Game game(dir.path(), random, classicSeats());
    GameState& st = game.mutableState();
    st.honor = {0, static_cast<int16_t>(pell), 2, 3, 4};
    st.pot = static_cast<int16_t>(16 - 9 - pell);
    // The 31 player 1 held when it went out is no 31 at the next deal.
    const Card held[] = {{"AH.JPG", "♥", 11}, {"KH.JPG", "♥", 10}, {"QH.JPG", "♥", 10}};
    for (int i = 1; i <= 3; ++i) st.setCard(1, i, held[i - 1]);
    game.click(kDealButton);
    EXPECT_EQ(st.wins[1] + st.wins[2] + st.wins[3] + st.wins[4], 1) << "Pell at " << pell;
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
