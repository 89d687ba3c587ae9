// The computer players' fixed rule for what to take and what to throw away.
//
// First the discard pile: its top card D is taken when a row of the table for the hand's shape
// holds; the row names the card thrown. A D whose suit is in none of the hand's suits is taken
// only when it is worth more than the whole hand; with all three suits equal, when it beats the
// lowest card; with a pair, when it joins a pair that beats the odd card, or joins the odd card
// to beat the pair; with three suits, when it makes more than 16 with the card of its suit.
//
// Otherwise the next card P of the draw pile is drawn and either kept in place of a hand card
// or thrown away at once, by a second table of the same shape (more than 14 is enough with
// three suits) and a fallback (rule F) for a card that fits nowhere.
//
// "The first lowest card" is the card of smallest value, the lower-numbered among equal values;
// "the lower of cards a and b" is a unless b is strictly lower.
#pragma once

#include <functional>

#include "game/evaluate.h"

namespace korvo {

struct Move {
  static constexpr int kTakenCard = 3;

  bool tookDiscard = false;
  Card taken;      // the discard or the drawn card
  int thrown = 0;  // index (0..2) of the hand card thrown away, or kTakenCard
  bool operator==(const Move&) const = default;
};

// `best` is the hand's best total; `draw` gives the next card of the draw pile and is called
// only when the discard is not taken.
Move chooseMove(const Hand& hand, Value best, const Card& discard,
                const std::function<Card()>& draw);

}  // namespace korvo
