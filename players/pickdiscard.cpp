#include "players/pickdiscard.h"

#include <optional>

namespace korvo {

namespace {

// Index of "the card just drawn" beside the hand's indices 0..2.
constexpr int kTakenCard = 3;

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
      return kTakenCard;
    case Shape::Pair:
      return p.value > h[l.o].value ? l.o : kTakenCard;
    case Shape::ThreeSuits:
      for (const Card& c : h) {
        if (p.value > c.value) return firstLowest(h);
      }
      return kTakenCard;
  }
  return kTakenCard;
}

// Step 2: what to throw once P is drawn.
int keepOrThrow(const Hand& h, Value best, const Card& p) {
  if (cardOfSuit(h, p.suit) < 0) return fallback(h, best, p);
  const Layout l = layoutOf(h);
  switch (l.shape) {
    case Shape::OneSuit:
      return p.value > h[firstLowest(h)].value ? firstLowest(h) : kTakenCard;
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

std::optional<int> placeForDiscard(const Hand& hand, const Card& discard) {
  if (const auto thrown = takeDiscard(hand, discard)) return *thrown + 1;
  return std::nullopt;
}

int placeForDrawn(const Hand& hand, Value best, const Card& drawn) {
  return keepOrThrow(hand, best, drawn) + 1;
}

}  // namespace korvo
