// Player 1's turn: a click on a pile takes a card into the fourth place, a click on one of the
// four card places throws that card onto the discard pile and hands play on. The moves are
// carried out by the same code as the computer players'.
#include "game/game.h"
#include "game/gamedir.h"

namespace korvo {

void Game::Picture14_Click() {
  if (!mayTake()) return;
  // The discard pile keeps showing its old top, which the coming discard covers.
  player1Takes(true, "Pell takes from pile.");
}

void Game::Picture15_Click() {
  if (!mayTake()) return;
  player1Takes(false, "Pell takes discard.");
  // The pile shows what lies under the card taken, or nothing.
  const int pos = st_.deckpos;
  table_.showPicture(kDiscardPile, pos <= st_.discardbase ? kEmptyPlace : st_.deckcard[pos - 1]);
}

void Game::player1Takes(bool fromPile, const char* words) {
  st_.turnphase = kDiscardPhase;
  table_.say(textBox(1), words,
             {fromPile ? Message::Kind::TookPile : Message::Kind::TookDiscard, 1});
  const Card taken = takeCard(1, fromPile);
  st_.setCard(1, 4, taken);
  table_.showPicture(kNewCardPlace, taken.picture);
}

void Game::discardClick(int place) {
  if (!mayDiscard()) return;
  st_.turnphase = kTakePhase;
  countTurn();
  const Control thrownPlace = cardPlace(1, place);
  table_.copyPicture(thrownPlace, kDiscardPile);
  // The card taken moves into the gap, unless it is the one thrown.
  if (place != 4) table_.copyPicture(kNewCardPlace, thrownPlace);
  table_.showPicture(kNewCardPlace, kEmptyPlace);

  const Card thrown = throwCard(1, place, st_.card(1, 4));
  // The message of the take goes on with the card thrown.
  std::string text = table_.text(textBox(1)) + " " + std::to_string(thrown.value) + thrown.suit;
  if (std::optional<Message> took = table_.message(textBox(1))) {
    took->thrown = thrown;
    table_.say(textBox(1), std::move(text), *took);
  } else {
    table_.setText(textBox(1), std::move(text));
  }
  player1();
}

}  // namespace korvo
