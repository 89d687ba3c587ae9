// The rules' own computer player. Oma, Tobin and Wenna play it alike and differ only in how
// bold they are about knocking: one row of constants per seat.
//
// At the start of its turn the player shows a 31 if it holds one and nobody has knocked. Then
// it draws one random number r, whether or not a knock is possible, and knocks when nobody has
// knocked and its best total is above floor(r x m) + a. Otherwise it takes the discard when
// the rules' table of the discard pile says so, else the top of the draw pile; the same table,
// or the table for a drawn card, names the card it throws. A 31 made by the throw is shown.
#pragma once

#include "game/game.h"
#include "game/move.h"

namespace korvo {

class ClassicPlayer final : public Player {
 public:
  explicit ClassicPlayer(int seat);
  Move decide(const SeatView& view, Random& chance) override;

 private:
  float m_;  // the knock threshold is floor(r x m) + a for a random r
  float a_;
};

// Seats 2, 3 and 4 played by the rules' own player.
ComputerSeats classicSeats();

}  // namespace korvo
