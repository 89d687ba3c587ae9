// The Deal button and the rotation of turns: play goes round the table 1, 4, 3, 2.
#include "game/game.h"
#include "game/gamedir.h"

namespace korvo {

void Game::Command1_Click() {
  if (st_.dealt == 1) return;  // a round is under way
  st_.dealt = 1;
  deal();
  if (st_.honor[1] < 1) {
    // Player 1 is out: the computer players play the rest of the game inside this click.
    goaround();
    return;
  }
  evaluateHand(1);
  if (st_.p1value[5] == 31) {
    showKorvo(1);
    return;
  }
  goaround();
  if (st_.dealt != 0) table_.say(textBox(1), "Pell, it's your turn.", {Message::Kind::YourTurn, 1});
}

void Game::record(TableFrame::Kind kind, int player) {
  if (recording_) frames_.push_back({kind, player, table_});
}

void Game::onePass() {
  // Each honor test is made just before its call, and the pass ends with the round. While
  // player 1 is out only the round's end is worth showing, not each of its turns.
  const auto recordTurn = [this, watched = st_.honor[1] >= 1](int player) {
    if (watched) record(TableFrame::Kind::Turn, player);
  };
  if (st_.honor[4] >= 1) {
    player4();
    recordTurn(4);
  }
  if (st_.dealt == 0) return;
  if (st_.honor[3] >= 1) {
    player3();
    recordTurn(3);
  }
  if (st_.dealt == 0) return;
  if (st_.honor[2] >= 1) {
    player2();
    recordTurn(2);
  }
}

void Game::goaround() {
  if (st_.honor[1] >= 1) {
    record(TableFrame::Kind::Start);
    onePass();
    return;
  }
  while (st_.honor[2] >= 1 || st_.honor[3] >= 1 || st_.honor[4] >= 1) {
    table_.showPicture(honorImage(1), honorPicture(0));
    table_.say(textBox(1), "Pell is out!", {Message::Kind::Out, 1});
    if (st_.dealt == 0) deal();
    onePass();
    if (st_.dealt == 0) record(TableFrame::Kind::RoundEnd);
  }
}

}  // namespace korvo
