// The Knock button: player 1 knocks instead of taking a card; the others have their last turns
// and the show-down follows.
#include "game/game.h"

namespace korvo {

void Game::Command2_Click() {
  for (int k = 1; k <= kPlayers; ++k) {
    if (st_.knocked[k] != kNo) return;  // somebody has knocked or holds 31
  }
  if (st_.dealt == 0 || st_.turnphase == kDiscardPhase || st_.turnphase == kClosedPhase) return;

  st_.turnphase = kClosedPhase;
  evaluateHand(1);
  st_.knocked[1] = kYes;
  table_.setText(Control::Text1, "Knock!");
  goaround();
  table_.setText(Control::Text1, "Show Cards!");
  showcards();
}

}  // namespace korvo
