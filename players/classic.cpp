#include "players/classic.h"

#include <cmath>
#include <stdexcept>

#include "game/evaluate.h"
#include "players/pickdiscard.h"

namespace korvo {

namespace {

struct Boldness {
  float m;
  float a;
};

// Indexed by seat: Oma knocks above 20..25, Tobin above 19..25, Wenna above 18..23.
constexpr Boldness kBoldness[] = {{0, 0}, {0, 0}, {6, 20}, {7, 19}, {6, 18}};

}  // namespace

ClassicPlayer::ClassicPlayer(int seat) {
  if (seat < 2 || seat > kPlayers) throw std::invalid_argument("the rules' player sits in 2..4");
  m_ = kBoldness[seat].m;
  a_ = kBoldness[seat].a;
}

Move ClassicPlayer::decide(const SeatView& view, Random& chance) {
  using K = Move::Kind;
  const Value best = evaluate(view.hand).total;
  switch (view.phase) {
    case SeatView::Phase::Turn: {
      const bool unknocked = view.othersUnknocked();
      if (best == 31 && unknocked) return {K::Korvo};
      const float r = chance.next();
      if (unknocked && static_cast<float>(best) > std::floor(r * m_) + a_) return {K::Knock};
      if (!view.discardPile.empty() && placeForDiscard(view.hand, view.discardPile.back())) {
        return {K::TakeDiscard};
      }
      return {K::TakePile};
    }
    case SeatView::Phase::Throw:
      if (view.takenFromDiscard) {
        // The table that took the discard names the card it makes room for.
        if (const auto place = placeForDiscard(view.hand, *view.taken)) return {K::Throw, *place};
      }
      return {K::Throw, placeForDrawn(view.hand, best, *view.taken)};
    case SeatView::Phase::Declare:
      return {K::Korvo};
  }
  return {K::TakePile};
}

ComputerSeats classicSeats() {
  return {std::make_unique<ClassicPlayer>(2), std::make_unique<ClassicPlayer>(3),
          std::make_unique<ClassicPlayer>(4)};
}

}  // namespace korvo
