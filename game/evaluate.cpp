#include "game/evaluate.h"

#include "game/game.h"

namespace korvo {

Evaluation evaluate(const Hand& hand) {
  const std::string &s1 = hand[0].suit, &s2 = hand[1].suit, &s3 = hand[2].suit;
  const Value v1 = hand[0].value, v2 = hand[1].value, v3 = hand[2].value;
  if (s1 == s2 && s2 == s3) return {0, v1 + v2 + v3};
  if (s1 == s2) return v1 + v2 > v3 ? Evaluation{0, v1 + v2} : Evaluation{2, v3};
  if (s2 == s3) return v2 + v3 > v1 ? Evaluation{1, v2 + v3} : Evaluation{0, v1};
  if (s1 == s3) return v1 + v3 > v2 ? Evaluation{0, v1 + v3} : Evaluation{1, v2};
  if (v1 > v2 && v1 > v3) return {0, v1};
  if (v2 > v3) return {1, v2};
  return {2, v3};
}

void Game::lookatcards() {
  Hand hand;
  for (int i = 1; i <= 3; ++i) {
    hand[static_cast<std::size_t>(i - 1)] = {st_.evalcard[i], st_.evalsuit[i], st_.evalvalue[i]};
  }
  const Evaluation e = evaluate(hand);
  st_.evalsuit[5] = hand[static_cast<std::size_t>(e.best)].suit;
  st_.evalvalue[5] = e.total;
}

void Game::evaluateHand(int player) {
  HandRef h = st_.hand(player);
  for (int i = 1; i <= 3; ++i) {
    st_.evalcard[i] = h.card[i];
    st_.evalsuit[i] = h.suit[i];
    st_.evalvalue[i] = h.value[i];
  }
  lookatcards();
  h.suit[5] = st_.evalsuit[5];
  h.value[5] = st_.evalvalue[5];
}

}  // namespace korvo
