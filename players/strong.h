// A computer player that looks ahead without cheating. At each decision it deals the cards its
// seat cannot see at random, consistent with what it has seen (the other hands and the draw
// pile come from the cards that are not in its hand, not on the discard pile and not known to
// be in another hand because that player took them from the discard pile; a hand that has
// been played for some turns is built up by the rules' table over as many draws), plays every
// candidate move forward to the end of the round many times on those deals (everybody else
// played by the rules' own player), and chooses the move whose rounds leave it best placed to
// win the game: honor points kept against the others', a win of the game counting whole.
//
// It draws no number from the game's random source. Its own numbers come from a seed handed
// in, the count of numbers the game has drawn and the view itself, so the same game gives the
// same decisions, and two games that differ only in cards it cannot see give the same ones.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/move.h"

namespace korvo {

struct StrongSettings {
  int deals = 256;          // sampled deals of the unseen cards per decision
  float margin = 2.5;       // standard errors by which a move must beat its usual one
  float knockMargin = 1.5;  // the same between knocking and taking a card
  int patience = 8;         // own turns in a round after which its usual knock needs `margin`
  int maxTurns = 120;       // a round played forward further than this counts as it stands
  float knockAbove = 25;    // in the rounds played forward, its own knock: best total above this
  float guessedM = 6;       // player 1 played forward as the rules' player with this row
  float guessedA = 19;
};

class StrongPlayer final : public Player {
 public:
  explicit StrongPlayer(uint64_t seed, StrongSettings settings = {});
  // Reads only how many numbers `chance` has drawn; draws none.
  Move decide(const SeatView& view, Random& chance) override;
  // The decision for a view, with `drawn` the count of numbers the game has drawn so far.
  Move choose(const SeatView& view, uint64_t drawn) const;

 private:
  uint64_t seed_;
  StrongSettings settings_;
};

// What the Strong player would do in player 1's seat now: the move, the control to click for
// it, and the sentence that says it. `move` is empty when player 1 has no move now; `words`
// then says why.
struct Hint {
  // Why there is no move: no round under way, player 1 out of the game, not his turn.
  enum class Why { HasMove, NoRound, Out, NotYourTurn };
  Why why = Why::HasMove;
  std::optional<Move> move;
  std::optional<Control> control;
  std::string words;
  // The card the words name (the discard to take, the card to throw), if any.
  std::optional<Card> card;
  Value knockTotal = 0;
  std::string knockSuit;
};

Hint hintFor(const Game& game, uint64_t seed);

// A suit as words ("hearts" for ♥); another deck's suit as it is written.
std::string suitWords(const std::string& suit);

// A seed for the Strong players and the hint from the game's random source as the command line
// set it: the --seed number, or the numbers of a --random-file; unpredictable without either.
uint64_t strongSeed(std::optional<uint64_t> seed, const std::vector<float>& randomNumbers,
                    bool fromFile);

// Seats 2, 3 and 4 played by Strong players.
ComputerSeats strongSeats(uint64_t seed);

}  // namespace korvo
