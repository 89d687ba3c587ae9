// What a seat may do, and the one interface through which every computer player decides.
#pragma once

#include <optional>
#include <vector>

#include "game/random.h"
#include "game/table.h"
#include "game/view.h"

namespace korvo {

struct Move {
  enum class Kind {
    TakePile,     // take the top card of the draw pile
    TakeDiscard,  // take the top card of the discard pile
    Throw,        // throw card `place` away: 1..3 from the hand, 4 the card just taken
    Knock,        // knock instead of taking a card: the others have one last turn
    Korvo,        // show 31: everybody else pays at once
    Pass,         // keep a fresh 31 hidden and end the turn
  };
  Kind kind = Kind::TakePile;
  int place = 0;
  bool operator==(const Move&) const = default;
};

// Every move the rules allow a seat in the view's phase.
std::vector<Move> legalMoves(const SeatView& view);
bool isLegal(const SeatView& view, const Move& move);

// The control player 1 clicks for a move: a pile, a card place or the Knock button. A 31 is
// shown by the rules themselves, so Korvo and Pass have none.
std::optional<Control> controlFor(const Move& move);

// A player turns what its seat can see into a move. `chance` is the game's random source, for
// a player whose rule draws a number; a player that draws none leaves it untouched.
class Player {
 public:
  virtual ~Player() = default;
  virtual Move decide(const SeatView& view, Random& chance) = 0;
};

}  // namespace korvo
