// Who plays seats 2 to 4, as the command line asks, and the seed of the Strong players'
// own numbers, which follows from the game's random source as the command line set it.
#pragma once

#include <string>

#include "app/options.h"
#include "game/game.h"
#include "players/classic.h"
#include "players/strong.h"

namespace korvo {

inline uint64_t strongSeedOf(const Options& o) {
  return strongSeed(o.seed, o.randomNumbers, o.randomFile.has_value());
}

inline ComputerSeats seatsFor(Options::Opponents kind, uint64_t seed) {
  return kind == Options::Opponents::Strong ? strongSeats(seed) : classicSeats();
}

// Seats the opponents a saved game names ("classic" or "strong") in seats 2 to 4.
inline void seatSaved(Game& game, const std::string& name, uint64_t seed) {
  ComputerSeats seats =
      seatsFor(name == "strong" ? Options::Opponents::Strong : Options::Opponents::Classic, seed);
  for (int seat = 2; seat <= kPlayers; ++seat) {
    game.setPlayer(seat, std::move(seats[static_cast<std::size_t>(seat - 2)]));
  }
}

}  // namespace korvo
