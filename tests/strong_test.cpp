// The Strong player and its simulator: the simulator plays what the engine plays, the player
// plays only legally. (It decides from the seat's view, which holds nothing the seat cannot see:
// seat_test; the hint it gives player 1: hint_test.)
#include "players/strong.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/evaluate.h"
#include "game/gamedir.h"
#include "players/classic.h"
#include "players/roundsim.h"

namespace korvo {
namespace {

// Player 1's seat played through its clicks until the round is over.
void playRound(Game& game, Player& first, Random& random) {
  game.click(kDealButton);
  while (game.state().dealt != 0) {
    const auto control = controlFor(first.decide(game.viewOf(1), random));
    ASSERT_TRUE(control);
    game.click(*control);
  }
}

bool gameOver(const GameState& st) {
  return std::all_of(st.honor.begin() + 1, st.honor.end(), [](int16_t h) { return h < 1; });
}

// Knocks only above 29, so that rounds run long enough to turn the discard pile into a new
// draw pile; otherwise the rules' player, and like the simulator's seat with a fixed knock it
// draws no random number.
class Patient final : public Player {
 public:
  Move decide(const SeatView& view, Random&) override {
    if (view.phase == SeatView::Phase::Turn && view.othersUnknocked() &&
        evaluate(view.hand).total == 31) {
      return {Move::Kind::Korvo};
    }
    if (view.phase == SeatView::Phase::Turn && view.othersUnknocked() &&
        evaluate(view.hand).total > 29) {
      return {Move::Kind::Knock};
    }
    // The rules' player never knocks once somebody else has; its number is not used then.
    SeatView blind = view;
    const int other = view.seat == 1 ? 2 : 1;
    if (view.phase != SeatView::Phase::Declare) {
      blind.players[static_cast<std::size_t>(other)].call = SeatStatus::Call::Knocked;
    }
    ScriptedRandom unused({0.5f});
    return ClassicPlayer(2).decide(blind, unused);
  }
};

// Whole games, the engine and the simulator from the same deck and seed: after every round
// the same hands, deck, scores and random count. With the rules' players in every seat, and
// with players who knock late (rounds long enough to reshuffle the discard pile).
TEST(RoundSim, PlaysWhatTheEnginePlays) {
  SimCards cards;
  for (const Card& c : standardDeck()) cards.add(c);
  struct Case {
    bool patient;
    uint64_t seeds;
  };
  for (const Case c : {Case{false, 60}, Case{true, 4}}) {
    std::array<SimSeat, kPlayers + 1> seats = {SimSeat{}, SimSeat{6, 20}, SimSeat{6, 20},
                                               SimSeat{7, 19}, SimSeat{6, 18}};
    if (c.patient) seats.fill(SimSeat{0, 29});
    int rounds = 0;
    uint64_t reshuffles = 0;
    for (uint64_t seed = 1; seed <= c.seeds; ++seed) {
      SCOPED_TRACE(::testing::Message() << "seed " << seed << (c.patient ? ", patient" : ""));
      SeededRandom engineRandom(seed), simRandom(seed);
      ComputerSeats computers = classicSeats();
      if (c.patient) {
        for (auto& p : computers) p = std::make_unique<Patient>();
      }
      Game game(standardDeck(), engineRandom, std::move(computers));
      std::unique_ptr<Player> first = std::make_unique<ClassicPlayer>(2);
      if (c.patient) first = std::make_unique<Patient>();
      RoundSim sim(cards, simRandom, seats);
      for (int i = 1; i <= kDeckSize; ++i) {
        sim.st.order[static_cast<std::size_t>(i)] = static_cast<SimCard>(i - 1);
      }
      // Two games each, so that a game's end and the next game's start are compared too.
      for (int games = 0; games < 2;) {
        playRound(game, *first, engineRandom);
        sim.playDealtRound();
        ++rounds;
        const GameState& st = game.state();
        ASSERT_EQ(engineRandom.drawn(), simRandom.drawn()) << "round " << rounds;
        for (int k = 1; k <= kPlayers; ++k) {
          const auto s = static_cast<std::size_t>(k);
          ASSERT_EQ(st.honor[s], sim.st.honor[s]) << "player " << k << ", round " << rounds;
          ASSERT_EQ(st.wins[s], sim.st.wins[s]) << "player " << k;
          for (std::size_t place = 1; place <= 3; ++place) {
            ASSERT_EQ(st.card(k, static_cast<int>(place)), cards.card(sim.st.hand[s][place - 1]));
          }
        }
        ASSERT_EQ(st.deckpos, sim.st.deckpos);
        ASSERT_EQ(st.discardbase, sim.st.discardbase);
        for (int pos = 1; pos <= kDeckSize; ++pos) {
          ASSERT_EQ(st.deckCard(pos), cards.card(sim.st.deck[static_cast<std::size_t>(pos)]));
        }
        if (gameOver(st)) ++games;
      }
      reshuffles += game.stats().reshuffles;
    }
    // The comparison reached the rarer paths too.
    if (c.patient) {
      EXPECT_GT(reshuffles, 0u);
    }
    EXPECT_GT(rounds, 20);
  }
}

// Whole games with the Strong player in every seat (player 1's through its clicks): every
// decision is legal (the game refuses any other) and every game ends.
TEST(StrongPlayer, PlaysWholeGamesLegally) {
  for (uint64_t seed = 1; seed <= 3; ++seed) {
    SeededRandom random(seed);
    const StrongSettings quick{.deals = 6};
    ComputerSeats seats = {std::make_unique<StrongPlayer>(seed, quick),
                           std::make_unique<StrongPlayer>(seed + 1, quick),
                           std::make_unique<StrongPlayer>(seed + 2, quick)};
    Game game(standardDeck(), random, std::move(seats));
    StrongPlayer first(seed, quick);
    int rounds = 0;
    do {
      ASSERT_NO_THROW(playRound(game, first, random));
      ++rounds;
    } while (!gameOver(game.state()) && rounds < 200);
    EXPECT_TRUE(gameOver(game.state()));
  }
}

}  // namespace
}  // namespace korvo
