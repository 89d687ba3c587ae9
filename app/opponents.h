// Who plays seats 2 to 4, as the command line asks, and the seed of the Strong players'
// own numbers, which follows from the game's random source as the command line set it.
#pragma once

#include "app/options.h"
#include "players/classic.h"
#include "players/strong.h"

namespace korvo {

inline uint64_t strongSeedOf(const Options& o) {
  return strongSeed(o.seed, o.randomNumbers, o.randomFile.has_value());
}

inline ComputerSeats seatsFor(Options::Opponents kind, uint64_t seed) {
  return kind == Options::Opponents::Strong ? strongSeats(seed) : classicSeats();
}

}  // namespace korvo
