// The key shuffle of the deal, also used to turn the discard pile into a new draw pile.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "game/random.h"

namespace korvo {

// Gives cards 1..n a random key each, floor(r x 300 + 1) in single precision, raised by one
// for every earlier card it meets with an equal key in a single forward pass (so two cards can
// still end up with equal keys), then picks the cards in ascending key order, the earlier card
// first among equal keys. keys and lowkeys have room for elements 1..n (element 0 unused);
// they are left as the deal leaves them: every key 999, lowkeys the key of each position.
// Returns the card numbers (1..n) in their new order. Draws exactly n random numbers.
std::vector<int> keyShuffle(int n, Random& random, std::span<int16_t> keys,
                            std::span<int16_t> lowkeys);

}  // namespace korvo
