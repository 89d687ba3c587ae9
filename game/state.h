// The whole state of a game: every variable of the table under its own name.
//
// Arrays are 1-based like the game's rules: element 0 is never used, cards count 1..52,
// players 1..4, hand places 1..3 (4: player 1's card just taken, 5: best suit and total).
// At program start every integer is 0 and every text empty; the first deal starts a game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/card.h"

namespace korvo {

template <typename T, int Highest>
using Arr = std::array<T, Highest + 1>;

// References to one player's three hand arrays, so that the per-player procedures can be
// one algorithm over a row of constants.
struct HandRef {
  Arr<std::string, 4>& card;
  Arr<std::string, 5>& suit;
  Arr<Value, 5>& value;
};

// A card that every seat saw land on the discard pile or leave it since the deal. The table's
// variables forget a card once another covers it; the seats remember.
struct Sighting {
  enum class Kind {
    TurnedUp,   // the deal turned it up to start the discard pile (player 0)
    Thrown,     // the player threw it onto the pile
    TakenBack,  // the player took it from the top of the pile into the hand
  };
  Kind kind = Kind::TurnedUp;
  int player = 0;
  Card card;
  bool operator==(const Sighting&) const = default;
};

struct GameState {
  // The deck: dealt cards, then the discard pile up to deckpos, then the draw pile.
  Arr<std::string, kDeckSize> deckcard{};
  Arr<std::string, kDeckSize> decksuit{};
  Arr<Value, kDeckSize> deckvalue{};
  // The cards in the order cardfile.txt lists them, while the deal shuffles them.
  Arr<std::string, kDeckSize> filecard{};
  Arr<std::string, kDeckSize> filesuit{};
  Arr<Value, kDeckSize> filevalue{};

  Arr<std::string, 4> p1card{};
  Arr<std::string, 5> p1suit{};
  Arr<Value, 5> p1value{};
  Arr<std::string, 4> p2card{};
  Arr<std::string, 5> p2suit{};
  Arr<Value, 5> p2value{};
  Arr<std::string, 4> p3card{};
  Arr<std::string, 5> p3suit{};
  Arr<Value, 5> p3value{};
  Arr<std::string, 4> p4card{};
  Arr<std::string, 5> p4suit{};
  Arr<Value, 5> p4value{};

  // The scratch hand handed to lookatcards and PICKANDDISCARD.
  Arr<std::string, 3> evalcard{};
  Arr<std::string, 5> evalsuit{};
  Arr<Value, 5> evalvalue{};

  std::string pickcard;
  std::string picksuit;
  Value pickvalue = 0;

  int16_t deckpos = 0;
  Arr<int16_t, kDeckSize> shufflekey{};
  Arr<int16_t, kDeckSize> lowkey{};
  std::string movetext;
  Arr<std::string, kPlayers> knocked{};
  int16_t turnphase = 0;
  int16_t dealt = 0;
  Arr<std::string, kPlayers> payflag{};
  Arr<std::string, kPlayers> finalturn{};
  Arr<int16_t, kPlayers> honor{};
  int16_t pot = 0;
  Arr<int16_t, kPlayers> wins{};
  int16_t discardbase = 0;

  // What every seat has seen of the discard pile since the deal: the last sighting of each
  // card, oldest first. One entry a card keeps it within the deck's size however long a
  // round runs.
  std::vector<Sighting> seen;
  void sight(const Sighting& s);

  HandRef hand(int player);

  // Card `place` of a player's hand (1..3; 4: player 1's card just taken).
  Card card(int player, int place) const;
  void setCard(int player, int place, const Card& c);
  // Cards 1..3 of a player's hand.
  Hand handOf(int player) const;
  // The card at a position of the deck, and of the deck as the file lists it.
  Card deckCard(int pos) const;
  void setDeckCard(int pos, const Card& c);
  void setFileCard(int pos, const Card& c);
  Card fileCard(int pos) const;

  bool operator==(const GameState&) const = default;
};

// Status marks of `knocked`, `finalturn` and `payflag`.
inline const std::string kNo = "F";
inline const std::string kYes = "T";
inline const std::string kKorvo = "B";

// Turn phases of player 1.
inline constexpr int16_t kTakePhase = 0;
inline constexpr int16_t kDiscardPhase = 1;
inline constexpr int16_t kClosedPhase = 2;

}  // namespace korvo
