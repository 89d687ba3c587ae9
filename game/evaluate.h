// The worth of a three-card hand: the suit that scores best and that suit's total.
#pragma once

#include "game/card.h"

namespace korvo {

struct Evaluation {
  int best = 0;     // index (0..2) of a card of the best suit
  Value total = 0;  // the total of that suit
  bool operator==(const Evaluation&) const = default;
};

// The total is always the largest suit total of the hand; the tie rules only choose which suit
// is reported. A pair needs a strictly greater sum than the odd card to be reported; among
// three different suits the highest value wins, and equal highest values go to the card
// further right. Suits are equal only when their texts are equal byte for byte.
Evaluation evaluate(const Hand& hand);

}  // namespace korvo
