// The Knock button: player 1 knocks instead of taking a card; the others have their last turns
// and the show-down follows.
#include "game/game.h"

namespace korvo {

void Game::Command2_Click() {
  if (!mayKnock()) return;
  st_.turnphase = kClosedPhase;
  evaluateHand(1);
  knock(1);
  goaround();
  table_.say(textBox(1), "Show Cards!", {Message::Kind::ShowCards, 1});
  showcards();
}

}  // namespace korvo
