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

#include <optional>

#include "game/evaluate.h"

namespace korvo {

// The place (1..3) of the hand card to throw for the discard D, or nothing when D is not taken.
std::optional<int> placeForDiscard(const Hand& hand, const Card& discard);

// The place to throw once P is drawn: 1..3 a hand card, 4 the drawn card itself. `best` is the
// hand's best total before the draw.
int placeForDrawn(const Hand& hand, Value best, const Card& drawn);

}  // namespace korvo
