#include "game/state.h"

#include <cassert>

namespace korvo {

HandRef GameState::hand(int player) {
  switch (player) {
    case 1:
      return {p1card, p1suit, p1value};
    case 2:
      return {p2card, p2suit, p2value};
    case 3:
      return {p3card, p3suit, p3value};
    default:
      assert(player == 4);
      return {p4card, p4suit, p4value};
  }
}

}  // namespace korvo
