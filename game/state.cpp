#include "game/state.h"

#include <cassert>
#include <tuple>
#include <vector>

namespace korvo {

namespace {

template <typename State>
auto handArrays(State& st, int player) {
  switch (player) {
    case 1:
      return std::tie(st.p1card, st.p1suit, st.p1value);
    case 2:
      return std::tie(st.p2card, st.p2suit, st.p2value);
    case 3:
      return std::tie(st.p3card, st.p3suit, st.p3value);
    default:
      assert(player == 4);
      return std::tie(st.p4card, st.p4suit, st.p4value);
  }
}

}  // namespace

HandRef GameState::hand(int player) {
  auto [card, suit, value] = handArrays(*this, player);
  return {card, suit, value};
}

Card GameState::card(int player, int place) const {
  const auto& [cards, suits, values] = handArrays(*this, player);
  return {cards[place], suits[place], values[place]};
}

void GameState::setCard(int player, int place, const Card& c) {
  auto [cards, suits, values] = handArrays(*this, player);
  cards[place] = c.picture;
  suits[place] = c.suit;
  values[place] = c.value;
}

void GameState::sight(const Sighting& s) {
  std::erase_if(seen, [&](const Sighting& old) { return old.card == s.card; });
  seen.push_back(s);
}

Hand GameState::handOf(int player) const {
  return {card(player, 1), card(player, 2), card(player, 3)};
}

Card GameState::deckCard(int pos) const {
  return {deckcard[pos], decksuit[pos], deckvalue[pos]};
}

void GameState::setDeckCard(int pos, const Card& c) {
  deckcard[pos] = c.picture;
  decksuit[pos] = c.suit;
  deckvalue[pos] = c.value;
}

Card GameState::fileCard(int pos) const {
  return {filecard[pos], filesuit[pos], filevalue[pos]};
}

void GameState::setFileCard(int pos, const Card& c) {
  filecard[pos] = c.picture;
  filesuit[pos] = c.suit;
  filevalue[pos] = c.value;
}

}  // namespace korvo
