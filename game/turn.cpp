// A turn at the table: the game asks the seat's player at each decision and carries out the
// move. Oma, Tobin and Wenna are asked through their Player; player 1's clicks reach the same
// moves through the click handlers.
#include <stdexcept>

#include "game/game.h"
#include "game/gamedir.h"

namespace korvo {

Move Game::ask(int seat, SeatView::Phase phase) {
  const SeatView view = viewOf(seat, phase);
  const Move move = computers_[static_cast<std::size_t>(seat - 2)]->decide(view, random_);
  // A player that breaks the rules is a fault of the program, never of the game's files.
  if (!isLegal(view, move)) {
    throw std::logic_error("the player of seat " + std::to_string(seat) +
                           " chose a move the rules do not allow");
  }
  return move;
}

Card Game::takeCard(int seat, bool fromPile) {
  const int pos = fromPile ? drawFromPile() : st_.deckpos;
  Card taken = st_.deckCard(pos);
  if (!fromPile) st_.sight({Sighting::Kind::TakenBack, seat, taken});
  return taken;
}

Card Game::throwCard(int seat, int place, const Card& taken) {
  Card thrown = place == 4 ? taken : st_.card(seat, place);
  st_.setDeckCard(st_.deckpos, thrown);
  if (place != 4) st_.setCard(seat, place, taken);
  st_.sight({Sighting::Kind::Thrown, seat, thrown});
  return thrown;
}

void Game::knock(int seat) {
  st_.knocked[seat] = kYes;
  table_.say(textBox(seat), "Knock!", {Message::Kind::Knock, seat});
}

void Game::showKorvo(int seat) {
  table_.say(textBox(seat), "Korvo!", {Message::Kind::Korvo, seat});
  st_.knocked[seat] = kKorvo;
  showcards();
}

void Game::computerTurn(int k) {
  countTurn();

  // Play has come back to a player who knocked: the round ends.
  if (st_.knocked[k] == kYes) {
    table_.say(textBox(k), "Show Cards!", {Message::Kind::ShowCards, k});
    showcards();
    return;
  }
  // This player has had its last turn after another player's knock.
  if (st_.finalturn[k] != kNo) return;
  for (int other = 1; other <= kPlayers; ++other) {
    if (other != k && st_.knocked[other] == kYes) st_.finalturn[k] = kYes;
  }

  evaluateHand(k);
  const Move opening = ask(k, SeatView::Phase::Turn);
  if (opening.kind == Move::Kind::Korvo) {
    showKorvo(k);
    return;
  }
  if (opening.kind == Move::Kind::Knock) {
    knock(k);
    return;
  }

  const bool fromPile = opening.kind == Move::Kind::TakePile;
  PICKANDDISCARD(k, fromPile);
  table_.say(textBox(k), std::string(shortName(k)) + " " + st_.movetext,
             {fromPile ? Message::Kind::TookPile : Message::Kind::TookDiscard, k,
              Card{st_.pickcard, st_.picksuit, st_.pickvalue}});
  if (st_.evalvalue[5] == 31 && othersAllUnknocked(k) &&
      ask(k, SeatView::Phase::Declare).kind == Move::Kind::Korvo) {
    showKorvo(k);
  }
  table_.showPicture(kDiscardPile, st_.deckcard[st_.deckpos]);
}

void Game::PICKANDDISCARD(int k, bool fromPile) {
  const Card taken = takeCard(k, fromPile);
  const int place = ask(k, SeatView::Phase::Throw).place;
  const Card thrown = throwCard(k, place, taken);
  st_.pickcard = thrown.picture;
  st_.picksuit = thrown.suit;
  st_.pickvalue = thrown.value;
  st_.movetext = std::string(fromPile ? "Takes from pile. " : "Takes Discard.  ") +
                 std::to_string(thrown.value) + thrown.suit;
  evaluateHand(k);
}

void Game::player1() {
  if (st_.knocked[1] == kYes) {
    table_.say(textBox(1), "Show Cards!", {Message::Kind::ShowCards, 1});
    showcards();
    return;
  }
  if (st_.finalturn[1] != kNo) return;
  for (int k = 2; k <= kPlayers; ++k) {
    if (st_.knocked[k] == kYes) st_.finalturn[1] = kYes;
  }
  evaluateHand(1);
  // Player 1's 31 is shown at once: the window has no button to keep it hidden.
  if (st_.p1value[5] == 31 && othersAllUnknocked(1)) {
    showKorvo(1);
    return;
  }
  goaround();
}

}  // namespace korvo
