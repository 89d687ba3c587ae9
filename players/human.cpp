// Player 1's turn: a click on a pile takes a card into the fourth place, a click on one of the
// four card places throws that card onto the discard pile and hands play on.
#include "game/game.h"
#include "game/gamedir.h"

namespace korvo {

void Game::Picture14_Click() {
  if (st_.dealt == 0 || st_.turnphase == kDiscardPhase || st_.turnphase == kClosedPhase) return;
  st_.turnphase = kDiscardPhase;
  table_.setText(Control::Text1, "Pell takes from pile.");
  const int pos = drawFromPile();
  st_.p1card[4] = st_.deckcard[pos];
  st_.p1suit[4] = st_.decksuit[pos];
  st_.p1value[4] = st_.deckvalue[pos];
  // The discard pile keeps showing its old top, which the coming discard covers.
  table_.showPicture(Control::Picture4, st_.deckcard[pos]);
}

void Game::Picture15_Click() {
  if (st_.dealt == 0 || st_.turnphase == kDiscardPhase || st_.turnphase == kClosedPhase) return;
  st_.turnphase = kDiscardPhase;
  table_.setText(Control::Text1, "Pell takes discard.");
  const int pos = st_.deckpos;
  st_.p1card[4] = st_.deckcard[pos];
  st_.p1suit[4] = st_.decksuit[pos];
  st_.p1value[4] = st_.deckvalue[pos];
  table_.showPicture(Control::Picture4, st_.deckcard[pos]);
  // The pile shows what lies under the card taken, or nothing.
  table_.showPicture(Control::Picture15,
                     pos <= st_.discardbase ? kEmptyPlace : st_.deckcard[pos - 1]);
}

void Game::discardClick(int place) {
  if (st_.dealt == 0 || st_.turnphase == kTakePhase || st_.turnphase == kClosedPhase) return;
  st_.turnphase = kTakePhase;
  countTurn();
  const Control thrown = cardPlace(1, place);
  table_.copyPicture(thrown, Control::Picture15);
  // The card taken moves into the gap, unless it is the one thrown.
  if (place != 4) table_.copyPicture(Control::Picture4, thrown);
  table_.showPicture(Control::Picture4, kEmptyPlace);

  const int pos = st_.deckpos;
  st_.deckcard[pos] = st_.p1card[place];
  st_.decksuit[pos] = st_.p1suit[place];
  st_.deckvalue[pos] = st_.p1value[place];
  if (place != 4) {
    st_.p1card[place] = st_.p1card[4];
    st_.p1suit[place] = st_.p1suit[4];
    st_.p1value[place] = st_.p1value[4];
  }
  table_.setText(Control::Text1, table_.text(Control::Text1) + " " +
                                     std::to_string(st_.deckvalue[pos]) + st_.decksuit[pos]);
  player1();
}

void Game::player1() {
  if (st_.knocked[1] == kYes) {
    table_.setText(Control::Text1, "Show Cards!");
    showcards();
    return;
  }
  if (st_.finalturn[1] != kNo) return;
  for (int k = 2; k <= kPlayers; ++k) {
    if (st_.knocked[k] == kYes) st_.finalturn[1] = kYes;
  }
  evaluateHand(1);
  if (st_.p1value[5] == 31 && othersAllUnknocked(1)) {
    table_.setText(Control::Text1, "Korvo!");
    st_.knocked[1] = kKorvo;
    showcards();
    return;
  }
  goaround();
}

}  // namespace korvo
