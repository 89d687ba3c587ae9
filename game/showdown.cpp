// The show-down that ends every round: the computer players still in turn their cards up,
// then the round is settled.
#include "game/game.h"

namespace korvo {

void Game::showcards() {
  for (int k = 4; k >= 2; --k) {
    if (st_.honor[k] <= 0) continue;  // an out player's places stay empty
    const HandRef h = st_.hand(k);
    for (int place = 1; place <= 3; ++place) table_.showPicture(cardPlace(k, place), h.card[place]);
  }
  table_.showPicture(kDiscardPile, st_.deckcard[st_.deckpos]);
  keepscore();
}

}  // namespace korvo
