#include "players/roundsim.h"

#include <algorithm>
#include <cmath>

#include "game/shuffle.h"
#include "players/pickdiscard.h"

namespace korvo {

namespace {
// Above any total a live hand can reach, so that a player who is out never holds the lowest.
constexpr Value kOutTotal = 50;
constexpr int16_t kMaxWins = 32767;
}  // namespace

SimCard SimCards::add(const Card& card) {
  int suit = 0;
  while (suit < static_cast<int>(suitNames_.size()) && suitNames_[suit] != card.suit) ++suit;
  if (suit == static_cast<int>(suitNames_.size())) suitNames_.push_back(card.suit);
  cards_.push_back(card);
  suits_.push_back(suit);
  values_.push_back(card.value);
  return static_cast<SimCard>(cards_.size() - 1);
}

RoundSim::RoundSim(const SimCards& cards, Random& chance,
                   const std::array<SimSeat, kPlayers + 1>& seats)
    : cards_(cards), chance_(chance), seats_(seats) {}

Value simTotal(const SimCards& cards, const std::array<SimCard, 3>& h) {
  const int s1 = cards.suit(h[0]), s2 = cards.suit(h[1]), s3 = cards.suit(h[2]);
  const Value v1 = cards.value(h[0]), v2 = cards.value(h[1]), v3 = cards.value(h[2]);
  if (s1 == s2 && s2 == s3) return v1 + v2 + v3;
  if (s1 == s2) return std::max(v1 + v2, v3);
  if (s2 == s3) return std::max(v2 + v3, v1);
  if (s1 == s3) return std::max(v1 + v3, v2);
  return std::max({v1, v2, v3});
}

Value RoundSim::total(int seat) const {
  return simTotal(cards_, st.hand[static_cast<std::size_t>(seat)]);
}

bool RoundSim::othersUnknocked(int seat) const {
  for (int k = 1; k <= kPlayers; ++k) {
    if (k != seat && st.call[static_cast<std::size_t>(k)] != SeatStatus::Call::None) return false;
  }
  return true;
}

Move RoundSim::decide(int seat, SeatView::Phase phase, SimCard taken, bool fromDiscard) {
  using K = Move::Kind;
  const auto& ids = st.hand[static_cast<std::size_t>(seat)];
  const Hand hand = {cards_.card(ids[0]), cards_.card(ids[1]), cards_.card(ids[2])};
  const Value best = total(seat);
  switch (phase) {
    case SeatView::Phase::Turn: {
      const bool unknocked = othersUnknocked(seat);
      if (seat != 1 && best == 31 && unknocked) return {K::Korvo};
      const SimSeat& s = seats_[static_cast<std::size_t>(seat)];
      const float threshold = s.m == 0 ? s.a : std::floor(chance_.next() * s.m) + s.a;
      if (unknocked && static_cast<float>(best) > threshold) return {K::Knock};
      if (st.deckpos >= std::max(st.discardbase, 1) &&
          placeForDiscard(hand, cards_.card(st.deck[static_cast<std::size_t>(st.deckpos)]))) {
        return {K::TakeDiscard};
      }
      return {K::TakePile};
    }
    case SeatView::Phase::Throw:
      if (fromDiscard) {
        if (const auto place = placeForDiscard(hand, cards_.card(taken))) return {K::Throw, *place};
      }
      return {K::Throw, placeForDrawn(hand, best, cards_.card(taken))};
    case SeatView::Phase::Declare:
      break;
  }
  return {K::Korvo};
}

int RoundSim::draw() {
  if (st.deckpos >= kDeckSize) {
    // The discard pile under its top card becomes the new draw pile, shuffled as the deal does.
    const int base = st.discardbase;
    const int n = st.deckpos - base;
    if (n > 0) {
      std::array<SimCard, kDeckSize + 1> under{};
      for (int i = 0; i < n; ++i) under[static_cast<std::size_t>(i)] = st.deck[base + i];
      std::array<int16_t, kDeckSize + 1> keys{}, lowkeys{};
      const std::vector<int> order =
          keyShuffle(n, chance_, std::span(keys).first(n + 1), std::span(lowkeys).first(n + 1));
      st.deck[static_cast<std::size_t>(base)] = st.deck[kDeckSize];
      for (int i = 1; i <= n; ++i) {
        const int from = order[static_cast<std::size_t>(i - 1)] - 1, to = base + i;
        st.deck[static_cast<std::size_t>(to)] = under[static_cast<std::size_t>(from)];
      }
      st.deckpos = base;
    }
  }
  if (st.deckpos >= kDeckSize) return -1;
  return ++st.deckpos;
}

void RoundSim::deal() {
  st.dealt = true;
  const std::array<SimCard, kDeckSize + 1> file = st.order;
  std::array<int16_t, kDeckSize + 1> keys{}, lowkeys{};
  const std::vector<int> order = keyShuffle(kDeckSize, chance_, keys, lowkeys);
  for (int i = 1; i <= kDeckSize; ++i) {
    st.deck[static_cast<std::size_t>(i)] = file[static_cast<std::size_t>(order[i - 1])];
  }
  st.order = st.deck;
  bool newGame = true;
  for (int k = 1; k <= kPlayers; ++k) newGame = newGame && st.honor[k] < 1;
  if (newGame) {
    for (int k = 1; k <= kPlayers; ++k) st.honor[k] = 4;
  }
  st.deckpos = 0;
  for (int pass = 0; pass < 3; ++pass) {
    for (int k = kPlayers; k >= 1; --k) {
      if (st.honor[k] >= 1) st.hand[k][pass] = st.deck[++st.deckpos];
    }
  }
  st.call.fill(SeatStatus::Call::None);
  st.finalTurn.fill(false);
  st.discardbase = ++st.deckpos;
}

void RoundSim::showdown() {
  std::array<Value, kPlayers + 1> totals{};
  for (int k = 1; k <= kPlayers; ++k) totals[k] = st.honor[k] < 1 ? kOutTotal : total(k);
  int korvoHolder = 0;
  for (int k = kPlayers; k >= 1; --k) {
    if (st.call[k] == SeatStatus::Call::Korvo) korvoHolder = k;
  }
  if (korvoHolder != 0) {
    for (int k = 1; k <= kPlayers; ++k) {
      if (k != korvoHolder && st.honor[k] > 0) --st.honor[k];
    }
  } else {
    Value lowest = totals[1];
    for (int k = 2; k <= kPlayers; ++k) lowest = std::min(lowest, totals[k]);
    int knocker = 0;
    for (int k = 1; k <= kPlayers; ++k) {
      if (totals[k] == lowest && st.call[k] == SeatStatus::Call::Knocked) knocker = k;
    }
    if (knocker != 0) {
      st.honor[knocker] = static_cast<int16_t>(st.honor[knocker] - 2);
    } else {
      for (int k = 1; k <= kPlayers; ++k) {
        if (totals[k] == lowest) --st.honor[k];
      }
    }
  }
  int left = 0, winner = 0;
  for (int k = 1; k <= kPlayers; ++k) {
    if (st.honor[k] >= 1) {
      ++left;
      winner = k;
    }
  }
  if (left == 1) {
    if (st.wins[winner] < kMaxWins) ++st.wins[winner];
    st.honor[winner] = 0;
  }
  st.dealt = false;
}

bool RoundSim::afterTaking(int seat, SimCard taken, const Move& thrown) {
  auto& hand = st.hand[static_cast<std::size_t>(seat)];
  const SimCard out = thrown.place == 4 ? taken : hand[thrown.place - 1];
  st.deck[static_cast<std::size_t>(st.deckpos)] = out;
  if (thrown.place != 4) hand[thrown.place - 1] = taken;
  if (seat == 1) {
    // Player 1's last turn is marked once it is over, and his 31 is shown at once.
    for (int k = 2; k <= kPlayers; ++k) {
      if (st.call[k] == SeatStatus::Call::Knocked) st.finalTurn[1] = true;
    }
    if (total(1) == 31 && othersUnknocked(1)) {
      st.call[1] = SeatStatus::Call::Korvo;
      showdown();
      return false;
    }
    return true;
  }
  if (total(seat) == 31 && othersUnknocked(seat) &&
      decide(seat, SeatView::Phase::Declare, 0, false).kind == Move::Kind::Korvo) {
    st.call[static_cast<std::size_t>(seat)] = SeatStatus::Call::Korvo;
    showdown();
    return false;
  }
  return true;
}

bool RoundSim::afterOpening(int seat, const Move& opening) {
  switch (opening.kind) {
    case Move::Kind::Korvo:
      st.call[static_cast<std::size_t>(seat)] = SeatStatus::Call::Korvo;
      showdown();
      return false;
    case Move::Kind::Knock:
      st.call[static_cast<std::size_t>(seat)] = SeatStatus::Call::Knocked;
      return true;
    default:
      break;
  }
  const bool fromPile = opening.kind == Move::Kind::TakePile;
  const int pos = fromPile ? draw() : st.deckpos;
  if (pos < 0) {
    // Nothing left to draw: the round cannot go on.
    st.dealt = false;
    return false;
  }
  const SimCard taken = st.deck[static_cast<std::size_t>(pos)];
  return afterTaking(seat, taken, decide(seat, SeatView::Phase::Throw, taken, !fromPile));
}

bool RoundSim::turn(int seat) {
  ++turns_;
  const auto s = static_cast<std::size_t>(seat);
  if (st.call[s] == SeatStatus::Call::Knocked) {
    showdown();
    return false;
  }
  if (seat != 1) {
    if (st.finalTurn[s]) return true;
    for (int k = 1; k <= kPlayers; ++k) {
      if (k != seat && st.call[k] == SeatStatus::Call::Knocked) st.finalTurn[s] = true;
    }
  }
  return afterOpening(seat, decide(seat, SeatView::Phase::Turn, 0, false));
}

int RoundSim::nextSeat(int seat) const {
  // Play goes round the table 1, 4, 3, 2, past the players who are out.
  for (int step = 0; step < kPlayers; ++step) {
    seat = seat == 1 ? kPlayers : seat - 1;
    if (st.honor[static_cast<std::size_t>(seat)] >= 1) return seat;
  }
  return seat;
}

bool RoundSim::playRotation(int seat, int maxTurns) {
  if (st.honor[static_cast<std::size_t>(seat)] < 1) seat = nextSeat(seat);
  while (st.dealt) {
    if (turns_ > maxTurns) return false;
    if (!turn(seat)) break;
    seat = nextSeat(seat);
  }
  return true;
}

void RoundSim::playDealtRound() {
  turns_ = 0;
  deal();
  if (st.honor[1] >= 1) {
    if (total(1) == 31) {
      st.call[1] = SeatStatus::Call::Korvo;
      showdown();
      return;
    }
    playRotation(kPlayers, kDeckSize * 1000);
    return;
  }
  // Player 1 is out: the others play the rest of the game, unless a round never ends (the count
  // of turns runs on across its rounds, so the bound holds for the whole game).
  while (st.honor[2] >= 1 || st.honor[3] >= 1 || st.honor[4] >= 1) {
    if (!st.dealt) deal();
    if (!playRotation(kPlayers, kDeckSize * 1000)) return;
  }
}

bool RoundSim::playOn(int seat, SeatView::Phase phase, const Move& move, int maxTurns) {
  turns_ = 0;
  bool goesOn = true;
  switch (phase) {
    case SeatView::Phase::Turn:
      goesOn = afterOpening(seat, move);
      break;
    case SeatView::Phase::Throw:
      goesOn = afterTaking(seat, st.deck[static_cast<std::size_t>(st.deckpos)], move);
      break;
    case SeatView::Phase::Declare:
      if (move.kind == Move::Kind::Korvo) {
        st.call[static_cast<std::size_t>(seat)] = SeatStatus::Call::Korvo;
        showdown();
        goesOn = false;
      }
      break;
  }
  if (!goesOn) return true;
  return playRotation(nextSeat(seat), maxTurns);
}

}  // namespace korvo
