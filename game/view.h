// What the player in one seat can know at the moment it must decide, and nothing more: its own
// cards, the discard pile and what it has seen of it since the deal, how many cards the draw
// pile holds, and what every player shows openly. Never another hand, never the order of the
// draw pile. A plain value: a player keeps nothing of the game it is asked about.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "game/card.h"
#include "game/state.h"

namespace korvo {

// What every player shows openly.
struct SeatStatus {
  enum class Call { None, Knocked, Korvo };
  Call call = Call::None;  // has knocked, or has shown 31
  bool finalTurn = false;  // has had, or is having, the last turn after a knock
  int honor = 0;
  int wins = 0;
  bool operator==(const SeatStatus&) const = default;
};

struct SeatView {
  // The decisions of a turn, in the order the rules ask them.
  enum class Phase {
    Turn,     // the turn begins: declare 31, knock, or take a card from one of the piles
    Throw,    // a card has been taken: throw one of the four away
    Declare,  // the throw has made 31: show it now, or play on
  };
  int seat = 0;  // whose turn it is: the seat this view belongs to
  Phase phase = Phase::Turn;
  Hand hand;
  // The card just taken (Throw phase), and whether it came from the discard pile.
  std::optional<Card> taken;
  bool takenFromDiscard = false;
  // The discard pile as it lies now, bottom to top (without a card just taken from it).
  std::vector<Card> discardPile;
  std::vector<Sighting> seen;
  int drawPile = 0;                                // cards left in the draw pile
  std::array<SeatStatus, kPlayers + 1> players{};  // 1..4
  int pot = 0;

  // True when no player but this seat's has knocked or shown 31.
  bool othersUnknocked() const;

  bool operator==(const SeatView&) const = default;
};

}  // namespace korvo
