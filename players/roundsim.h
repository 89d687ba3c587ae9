// A lean copy of the rules for playing rounds forward many times a second: cards are small
// numbers into a card table, the deck is one array of them, nothing is shown and no file is
// read or written. It follows the game's procedures step for step (the deal's key shuffle,
// the rotation 1, 4, 3, 2, the knock and its last turns, 31, the show-down and the scoring),
// so that the same cards and the same random numbers give the same rounds as the engine;
// the tests hold it against the engine over whole games.
//
// Every seat is played by the rules' own player (the decision tables and the random knock
// threshold floor(r x m) + a); a seat may instead knock at a fixed threshold.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/move.h"
#include "game/random.h"

namespace korvo {

using SimCard = uint8_t;

// The cards a simulation knows, by number: the card itself for the rules' player's tables,
// and its suit as a small number for everything else.
class SimCards {
 public:
  SimCard add(const Card& card);
  const Card& card(SimCard c) const { return cards_[c]; }
  int suit(SimCard c) const { return suits_[c]; }
  Value value(SimCard c) const { return values_[c]; }
  std::size_t size() const { return cards_.size(); }

 private:
  std::vector<Card> cards_;
  std::vector<int> suits_;
  std::vector<Value> values_;
  std::vector<std::string> suitNames_;
};

// The best suit total of three cards.
Value simTotal(const SimCards& cards, const std::array<SimCard, 3>& hand);

// How a seat decides in a simulation.
struct SimSeat {
  // The rules' knock threshold floor(r x m) + a; with m = 0 no number is drawn and the seat
  // knocks when its best total is above a.
  float m = 6;
  float a = 20;
};

struct SimState {
  std::array<std::array<SimCard, 3>, kPlayers + 1> hand{};
  std::array<SimCard, kDeckSize + 1> deck{};   // positions 1..52 as in the game
  std::array<SimCard, kDeckSize + 1> order{};  // the deck as the next deal reads it
  std::array<int16_t, kPlayers + 1> honor{};
  std::array<int16_t, kPlayers + 1> wins{};
  std::array<SeatStatus::Call, kPlayers + 1> call{};
  std::array<bool, kPlayers + 1> finalTurn{};
  int deckpos = 0;
  int discardbase = 0;
  bool dealt = false;
};

class RoundSim {
 public:
  // `chance` gives the knock draws and the reshuffles (and the deals of whole games).
  RoundSim(const SimCards& cards, Random& chance, const std::array<SimSeat, kPlayers + 1>& seats);

  SimState st;

  // Plays a whole round from the deal as the Deal click does (and, while player 1 is out, the
  // rounds after it until the game ends), reading the deck from st.order.
  void playDealtRound();

  // Carries out `move` of `seat` in `phase` (the taken card lies at deckpos in the Throw phase)
  // and plays the round on to its show-down. False if the round ran past `maxTurns` turns.
  bool playOn(int seat, SeatView::Phase phase, const Move& move, int maxTurns);

  Value total(int seat) const;
  int turns() const { return turns_; }

 private:
  Move decide(int seat, SeatView::Phase phase, SimCard taken, bool fromDiscard);
  void deal();
  // One turn of `seat` from its start; false when the round ended in it.
  bool turn(int seat);
  // The rest of a turn once the seat's opening move is known.
  bool afterOpening(int seat, const Move& opening);
  bool afterTaking(int seat, SimCard taken, const Move& thrown);
  bool othersUnknocked(int seat) const;
  void showdown();
  int nextSeat(int seat) const;
  bool playRotation(int seat, int maxTurns);
  int draw();

  const SimCards& cards_;
  Random& chance_;
  std::array<SimSeat, kPlayers + 1> seats_;
  int turns_ = 0;
};

}  // namespace korvo
