// A computer player's turn. Oma, Tobin and Wenna play one algorithm; they differ only in
// their seat and in how bold they are about knocking.
#include <cmath>

#include "game/game.h"

namespace korvo {

namespace {

struct ComputerPlayer {
  const char* prefix;  // the start of every move message
  float m;             // the knock threshold is floor(r x m) + a for a random r
  float a;
};

// Indexed by player number: Oma knocks above 20..25, Tobin above 19..25, Wenna above 18..23.
constexpr ComputerPlayer kComputers[] = {
    {"", 0, 0}, {"", 0, 0}, {"Oma ", 6, 20}, {"Tobin ", 7, 19}, {"Wenna ", 6, 18},
};

}  // namespace

void Game::computerTurn(int k) {
  const ComputerPlayer& me = kComputers[k];
  const Control text = textBox(k);
  HandRef h = st_.hand(k);
  countTurn();

  // Play has come back to a player who knocked: the round ends.
  if (st_.knocked[k] == kYes) {
    table_.setText(text, "Show Cards!");
    showcards();
    return;
  }
  // This player has had its last turn after another player's knock.
  if (st_.finalturn[k] != kNo) return;
  for (int other = 1; other <= kPlayers; ++other) {
    if (other != k && st_.knocked[other] == kYes) st_.finalturn[k] = kYes;
  }

  evaluateHand(k);
  const bool othersUnknocked = othersAllUnknocked(k);
  if (st_.evalvalue[5] == 31 && othersUnknocked) {
    table_.setText(text, "Korvo!");
    st_.knocked[k] = kKorvo;
    showcards();
    return;
  }

  // One random number at every knock decision, whether or not a knock is possible.
  const float r = random_.next();
  const float threshold = std::floor(r * me.m) + me.a;
  if (othersUnknocked && static_cast<float>(st_.evalvalue[5]) > threshold) {
    st_.knocked[k] = kYes;
    table_.setText(text, "Knock!");
    return;
  }

  PICKANDDISCARD();
  lookatcards();
  h.suit[5] = st_.evalsuit[5];
  h.value[5] = st_.evalvalue[5];
  for (int i = 1; i <= 3; ++i) {
    h.card[i] = st_.evalcard[i];
    h.suit[i] = st_.evalsuit[i];
    h.value[i] = st_.evalvalue[i];
  }
  table_.setText(text, me.prefix + st_.movetext);
  if (st_.evalvalue[5] == 31 && othersAllUnknocked(k)) {
    table_.setText(text, "Korvo!");
    st_.knocked[k] = kKorvo;
    showcards();
  }
  table_.showPicture(Control::Picture15, st_.deckcard[st_.deckpos]);
}

}  // namespace korvo
