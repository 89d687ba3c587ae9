#include "players/pickdiscard.h"

#include <optional>

#include "game/game.h"

namespace korvo {

namespace {

enum class Shape { OneSuit, Pair, ThreeSuits };

// The hand's shape; for a pair also its two cards (a before b) and the odd card o.
struct Layout {
  Shape shape;
  int a = 0, b = 0, o = 0;
};

Layout layoutOf(const Hand& h) {
  const auto same = [&](int i, int j) { return h[i].suit == h[j].suit; };
  if (same(0, 1) && same(1, 2)) return {Shape::OneSuit};
  if (same(0, 1)) return {Shape::Pair, 0, 1, 2};
  if (same(0, 2)) return {Shape::Pair, 0, 2, 1};
  if (same(1, 2)) return {Shape::Pair, 1, 2, 0};
  return {Shape::ThreeSuits};
}

int firstLowest(const Hand& h) {
  int c = h[0].value > h[1].value ? 1 : 0;
  if (h[c].value > h[2].value) c = 2;
  return c;
}

int lowerOf(const Hand& h, int a, int b) {
  return h[a].value <= h[b].value ? a : b;
}

// The two cards other than k, in order.
std::pair<int, int> othersOf(int k) {
  if (k == 0) return {1, 2};
  if (k == 1) return {0, 2};
  return {0, 1};
}

// Index of the hand card whose suit is `suit`, or -1.
int cardOfSuit(const Hand& h, const std::string& suit) {
  for (int i = 0; i < 3; ++i) {
    if (h[i].suit == suit) return i;
  }
  return -1;
}

Value sum(const Hand& h) {
  return h[0].value + h[1].value + h[2].value;
}

// Step 1: the card to throw for the discard D, or nothing when D is not taken.
std::optional<int> takeDiscard(const Hand& h, const Card& d) {
  if (cardOfSuit(h, d.suit) < 0) {
    if (d.value > sum(h)) return firstLowest(h);
    return std::nullopt;
  }
  const Layout l = layoutOf(h);
  switch (l.shape) {
    case Shape::OneSuit:
      if (d.value > h[firstLowest(h)].value) return firstLowest(h);
      return std::nullopt;
    case Shape::Pair: {
      const Value pair = h[l.a].value + h[l.b].value;
      if (d.suit == h[l.a].suit && pair > h[l.o].value) return l.o;
      if (d.suit == h[l.o].suit && d.value + h[l.o].value > pair) return lowerOf(h, l.a, l.b);
      return std::nullopt;
    }
    case Shape::ThreeSuits: {
      const int k = cardOfSuit(h, d.suit);
      const auto [x, y] = othersOf(k);
      if (d.value + h[k].value > 16) return lowerOf(h, x, y);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// Rule F: the fallback for a drawn card P that no row placed.
int fallback(const Hand& h, Value best, const Card& p) {
  if (p.value > best) return firstLowest(h);
  const Layout l = layoutOf(h);
  switch (l.shape) {
    case Shape::OneSuit:
      return Move::kTakenCard;
    case Shape::Pair:
      return p.value > h[l.o].value ? l.o : Move::kTakenCard;
    case Shape::ThreeSuits:
      for (const Card& c : h) {
        if (p.value > c.value) return firstLowest(h);
      }
      return Move::kTakenCard;
  }
  return Move::kTakenCard;
}

// Step 2: what to throw once P is drawn.
int keepOrThrow(const Hand& h, Value best, const Card& p) {
  if (cardOfSuit(h, p.suit) < 0) return fallback(h, best, p);
  const Layout l = layoutOf(h);
  switch (l.shape) {
    case Shape::OneSuit:
      return p.value > h[firstLowest(h)].value ? firstLowest(h) : Move::kTakenCard;
    case Shape::Pair: {
      const Value pair = h[l.a].value + h[l.b].value;
      if (p.suit == h[l.a].suit && pair > h[l.o].value) return l.o;
      if (p.suit == h[l.o].suit && p.value + h[l.o].value > pair) return lowerOf(h, l.a, l.b);
      if (p.value > h[l.o].value) return l.o;
      return fallback(h, best, p);
    }
    case Shape::ThreeSuits: {
      const int k = cardOfSuit(h, p.suit);
      const auto [x, y] = othersOf(k);
      if (p.value + h[k].value > 14) return lowerOf(h, x, y);
      return fallback(h, best, p);
    }
  }
  return fallback(h, best, p);
}

}  // namespace

Move chooseMove(const Hand& hand, Value best, const Card& discard,
                const std::function<Card()>& draw) {
  if (const auto thrown = takeDiscard(hand, discard)) return {true, discard, *thrown};
  const Card p = draw();
  return {false, p, keepOrThrow(hand, best, p)};
}

void Game::PICKANDDISCARD() {
  Hand hand;
  for (int i = 1; i <= 3; ++i) {
    hand[static_cast<std::size_t>(i - 1)] = {st_.evalcard[i], st_.evalsuit[i], st_.evalvalue[i]};
  }
  const Card discard{st_.deckcard[st_.deckpos], st_.decksuit[st_.deckpos],
                     st_.deckvalue[st_.deckpos]};
  const Move move = chooseMove(hand, st_.evalvalue[5], discard, [this] {
    const int pos = drawFromPile();
    return Card{st_.deckcard[pos], st_.decksuit[pos], st_.deckvalue[pos]};
  });

  const std::string what = move.tookDiscard ? "Takes Discard.  " : "Takes from pile. ";
  if (move.thrown == Move::kTakenCard) {
    // The drawn card already lies on top of the discard pile at the new deckpos.
    st_.movetext = what + std::to_string(move.taken.value) + move.taken.suit;
    return;
  }
  const int slot = move.thrown + 1;
  st_.pickcard = st_.evalcard[slot];
  st_.picksuit = st_.evalsuit[slot];
  st_.pickvalue = st_.evalvalue[slot];
  st_.evalcard[slot] = move.taken.card;
  st_.evalsuit[slot] = move.taken.suit;
  st_.evalvalue[slot] = move.taken.value;
  st_.movetext = what + std::to_string(st_.pickvalue) + st_.picksuit;
  st_.deckcard[st_.deckpos] = st_.pickcard;
  st_.decksuit[st_.deckpos] = st_.picksuit;
  st_.deckvalue[st_.deckpos] = st_.pickvalue;
}

}  // namespace korvo
