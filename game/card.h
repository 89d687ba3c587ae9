// One card, wherever it lies: in the deck file, the deck, a hand or a seat's memory.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace korvo {

inline constexpr int kDeckSize = 52;
inline constexpr int kPlayers = 4;

// Card values and hand totals are held wider than the 16 bits the deck file allows, so
// that the sum of three odd values from a hand-made deck never overflows.
using Value = int32_t;

struct Card {
  std::string picture;  // the picture file, which also names the card
  std::string suit;
  Value value = 0;
  bool operator==(const Card&) const = default;
};

// Cards 1, 2, 3 of a hand at indices 0, 1, 2.
using Hand = std::array<Card, 3>;

// The 52 cards of a deck file, in its order.
using Deck = std::array<Card, kDeckSize>;

}  // namespace korvo
