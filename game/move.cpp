#include "game/move.h"

#include <algorithm>

#include "game/evaluate.h"

namespace korvo {

bool SeatView::othersUnknocked() const {
  for (int k = 1; k <= kPlayers; ++k) {
    if (k != seat && players[static_cast<std::size_t>(k)].call != SeatStatus::Call::None) {
      return false;
    }
  }
  return true;
}

std::vector<Move> legalMoves(const SeatView& view) {
  using K = Move::Kind;
  std::vector<Move> moves;
  switch (view.phase) {
    case SeatView::Phase::Turn:
      // Player 1's 31 is shown by the rules themselves as soon as it is made.
      if (view.seat != 1 && view.othersUnknocked() && evaluate(view.hand).total == 31) {
        moves.push_back({K::Korvo});
      }
      if (view.othersUnknocked()) moves.push_back({K::Knock});
      moves.push_back({K::TakePile});
      if (!view.discardPile.empty()) moves.push_back({K::TakeDiscard});
      break;
    case SeatView::Phase::Throw:
      for (int place = 1; place <= 4; ++place) moves.push_back({K::Throw, place});
      break;
    case SeatView::Phase::Declare:
      moves.push_back({K::Korvo});
      moves.push_back({K::Pass});
      break;
  }
  return moves;
}

bool isLegal(const SeatView& view, const Move& move) {
  const std::vector<Move> moves = legalMoves(view);
  return std::find(moves.begin(), moves.end(), move) != moves.end();
}

std::optional<Control> controlFor(const Move& move) {
  switch (move.kind) {
    case Move::Kind::TakePile:
      return kDrawPile;
    case Move::Kind::TakeDiscard:
      return kDiscardPile;
    case Move::Kind::Throw:
      return cardPlace(1, move.place);
    case Move::Kind::Knock:
      return kKnockButton;
    case Move::Kind::Korvo:
    case Move::Kind::Pass:
      break;
  }
  return std::nullopt;
}

}  // namespace korvo
