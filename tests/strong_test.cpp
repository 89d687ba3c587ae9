// The Strong player, its simulator and the hint: the simulator plays what the engine plays,
// the player decides from its view alone and only ever legally, the hint changes nothing.
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

// Two games that differ only in what a seat cannot see (the other hands, the draw pile's
// order) get the same decision from it, in every phase it decides in.
TEST(StrongPlayer, DecidesFromTheViewAlone) {
  int positions = 0;
  for (uint64_t seed = 1; seed <= 12; ++seed) {
    SeededRandom random(seed);
    Game game(standardDeck(), random, classicSeats());
    game.click(kDealButton);
    game.click(kDrawPile);
    game.click(Control::Picture4);
    if (game.state().dealt == 0) continue;  // the round ended in the click
    ++positions;
    for (int seat = 2; seat <= kPlayers; ++seat) {
      SCOPED_TRACE(::testing::Message() << "seed " << seed << ", seat " << seat);
      const GameState& st = game.state();
      Game other(standardDeck(), random, classicSeats());
      GameState& moved = other.mutableState();
      moved = st;
      std::vector<Card> hidden;
      for (int pos = st.deckpos + 1; pos <= kDeckSize; ++pos) hidden.push_back(st.deckCard(pos));
      for (int k = 1; k <= kPlayers; ++k) {
        if (k != seat) hidden.insert(hidden.end(), {st.card(k, 1), st.card(k, 2), st.card(k, 3)});
      }
      std::rotate(hidden.begin(), hidden.begin() + 5, hidden.end());
      std::size_t n = 0;
      for (int pos = st.deckpos + 1; pos <= kDeckSize; ++pos) moved.setDeckCard(pos, hidden[n++]);
      for (int k = 1; k <= kPlayers; ++k) {
        if (k == seat) continue;
        for (int place = 1; place <= 3; ++place) moved.setCard(k, place, hidden[n++]);
      }
      ASSERT_NE(moved, st);
      StrongPlayer player(seed, {.deals = 12});
      for (auto phase : {SeatView::Phase::Turn, SeatView::Phase::Throw}) {
        // In the Throw phase, as if the seat had just taken the top of the discard pile.
        const SeatView view = game.viewOf(seat, phase);
        const SeatView same = other.viewOf(seat, phase);
        ASSERT_EQ(view, same);
        EXPECT_EQ(player.choose(view, random.drawn()), player.choose(same, random.drawn()));
      }
    }
  }
  EXPECT_GE(positions, 4);
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

// Through a long game, the hint names a move player 1 may make now, and the click it marks.
// (That it changes nothing is checked on the headless line and in the window.)
TEST(Hint, NamesALegalMove) {
  SeededRandom random(11);
  Game game(standardDeck(), random, classicSeats());
  int hinted = 0;
  for (int click = 0; click < 200; ++click) {
    const Hint hint = hintFor(game, 11);
    if (game.state().dealt == 0) {
      EXPECT_FALSE(hint.move);
      game.click(kDealButton);
      continue;
    }
    ASSERT_TRUE(hint.move);
    EXPECT_TRUE(isLegal(game.viewOf(1), *hint.move)) << hint.words;
    ASSERT_EQ(hint.control, controlFor(*hint.move));
    ++hinted;
    game.click(*hint.control);
  }
  EXPECT_GT(hinted, 50);
}

}  // namespace
}  // namespace korvo
