// The seat's view: built from the state, leaving out everything the seat cannot see.
#include "game/game.h"

namespace korvo {

namespace {

SeatStatus::Call callOf(const std::string& knocked) {
  if (knocked == kYes) return SeatStatus::Call::Knocked;
  if (knocked == kKorvo) return SeatStatus::Call::Korvo;
  return SeatStatus::Call::None;
}

}  // namespace

SeatView Game::viewOf(int seat) const {
  return viewOf(seat, seat == 1 && st_.turnphase == kDiscardPhase ? SeatView::Phase::Throw
                                                                  : SeatView::Phase::Turn);
}

SeatView Game::viewOf(int seat, SeatView::Phase phase) const {
  SeatView v;
  v.seat = seat;
  v.phase = phase;
  v.hand = st_.handOf(seat);
  // The discard pile runs from discardbase up to deckpos; a card just taken lies at deckpos
  // until the throw covers it, whichever pile it came from.
  int top = st_.deckpos;
  if (phase == SeatView::Phase::Throw) {
    v.taken = st_.deckCard(st_.deckpos);
    v.takenFromDiscard = !st_.seen.empty() && st_.seen.back().kind == Sighting::Kind::TakenBack &&
                         st_.seen.back().player == seat;
    --top;
  }
  for (int pos = std::max<int>(st_.discardbase, 1); pos <= top; ++pos) {
    v.discardPile.push_back(st_.deckCard(pos));
  }
  v.seen = st_.seen;
  v.drawPile = kDeckSize - st_.deckpos;
  for (int k = 1; k <= kPlayers; ++k) {
    v.players[static_cast<std::size_t>(k)] = {callOf(st_.knocked[k]), st_.finalturn[k] == kYes,
                                              st_.honor[k], st_.wins[k]};
  }
  v.pot = st_.pot;
  return v;
}

}  // namespace korvo
