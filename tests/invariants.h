// What must hold of a game between any two clicks, for the whole-game tests and the soak
// program: every card of the deck exactly once while a round is under way, the piles within the
// deck, the honor points all accounted for, player 1's turn phase matching what the table shows,
// and game files that still hold the deck and the win counts. Each check returns descriptions of
// the faults it finds; none means the state is sound.
#pragma once

#include <algorithm>
#include <compare>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "game/gamedir.h"
#include "game/recordfile.h"
#include "game/state.h"
#include "game/table.h"

namespace korvo::invariants {

// A card as the deck file describes it; a card that moves keeps all three fields together.
struct CardId {
  std::string picture;
  std::string suit;
  Value value = 0;
  auto operator<=>(const CardId&) const = default;
};

inline std::string describe(const CardId& c) {
  return c.picture + "/" + c.suit + "/" + std::to_string(c.value);
}

// Empty when `cards` holds each card of `deck` as often as the deck does and nothing else;
// otherwise the cards that are off, as "7H.JPG/♥/7 x2 (deck x1)".
inline std::string notOnceEach(const std::vector<CardId>& cards, const Deck& deck) {
  std::map<CardId, std::pair<int, int>> seen;  // card -> (times found, times in the deck)
  for (const CardRecord& r : deck) ++seen[{r.picture, r.suit, r.value}].second;
  for (const CardId& c : cards) ++seen[c].first;
  std::string wrong;
  for (const auto& [c, n] : seen) {
    if (n.first == n.second) continue;
    if (!wrong.empty()) wrong += ", ";
    wrong +=
        describe(c) + " x" + std::to_string(n.first) + " (deck x" + std::to_string(n.second) + ")";
  }
  return wrong;
}

inline bool anyoneIn(const GameState& st) {
  return std::any_of(st.honor.begin() + 1, st.honor.end(), [](int16_t h) { return h >= 1; });
}

inline CardId deckAt(const GameState& st, int pos) {
  return {st.deckcard[pos], st.decksuit[pos], st.deckvalue[pos]};
}

inline CardId heldBy(const GameState& st, int player, int place) {
  const std::array hands{&st.p1card, &st.p2card, &st.p3card, &st.p4card};
  const std::array suits{&st.p1suit, &st.p2suit, &st.p3suit, &st.p4suit};
  const std::array values{&st.p1value, &st.p2value, &st.p3value, &st.p4value};
  const auto k = static_cast<std::size_t>(player - 1);
  const auto i = static_cast<std::size_t>(place);
  return {(*hands[k])[i], (*suits[k])[i], (*values[k])[i]};
}

// The cards of a round under way: places 1..3 of every player still in, the discard pile
// (discardbase..deckpos) and the draw pile (deckpos+1..52). In the discard phase player 1's
// fourth place holds the card just taken, which still lies at deckpos as well: it is counted
// once, from the hand. Positions outside 1..52 are left out; checkState reports them.
inline std::vector<CardId> cardsInPlay(const GameState& st) {
  std::vector<CardId> in;
  for (int k = 1; k <= kPlayers; ++k) {
    if (st.honor[k] < 1) continue;
    for (int place = 1; place <= 3; ++place) in.push_back(heldBy(st, k, place));
  }
  const bool holding = st.turnphase == kDiscardPhase;
  if (holding) in.push_back(heldBy(st, 1, 4));
  for (int pos = std::max<int>(st.discardbase, 1); pos <= kDeckSize; ++pos) {
    if (!holding || pos != st.deckpos) in.push_back(deckAt(st, pos));
  }
  return in;
}

// Every fault of the game between two clicks. `deck` is the deck the game plays with, as its
// file held it when the game directory was made.
inline std::vector<std::string> checkState(const GameState& st, const Table& table,
                                           const Deck& deck) {
  std::vector<std::string> faults;
  const auto fault = [&faults](std::string what) { faults.push_back(std::move(what)); };
  const std::string where = " (deckpos " + std::to_string(st.deckpos) + ", discardbase " +
                            std::to_string(st.discardbase) + ")";

  if (st.dealt != 0 && st.dealt != 1) fault("dealt is " + std::to_string(st.dealt));
  if (st.turnphase < kTakePhase || st.turnphase > kClosedPhase)
    fault("turnphase is " + std::to_string(st.turnphase));
  const bool piles = st.discardbase <= st.deckpos && st.deckpos <= kDeckSize;
  if (!piles) fault("the piles are out of order" + where);

  for (int k = 1; k <= kPlayers; ++k) {
    if (st.honor[k] > 4 || st.honor[k] < -1)
      fault("player " + std::to_string(k) + " has " + std::to_string(st.honor[k]) + " honor");
  }
  if (anyoneIn(st)) {
    const int sum = st.pot + st.honor[1] + st.honor[2] + st.honor[3] + st.honor[4];
    if (sum != 16)
      fault("pot " + std::to_string(st.pot) + " and honor add up to " + std::to_string(sum) +
            ", not 16");
  }

  // Player 1 has the table's card in the fourth place exactly while he must throw one away.
  const bool takenShown = table[Control::Picture4] != "" && table[Control::Picture4] != kEmptyPlace;
  if (st.turnphase == kDiscardPhase && (st.dealt != 1 || !takenShown))
    fault("the discard phase without a round under way or a card taken in place 4");
  if (st.dealt == 1 && st.turnphase != kDiscardPhase && takenShown)
    fault("place 4 shows " + table[Control::Picture4] + " outside the discard phase");
  if (st.turnphase == kClosedPhase && st.knocked[1] != kYes && st.honor[1] >= 1)
    fault("turnphase 2 while player 1 has neither knocked nor gone out");

  if (st.dealt == 1) {
    // A round under way waits for player 1, who is in and may act.
    if (st.honor[1] < 1) fault("a round waits for player 1, who is out");
    if (st.turnphase == kClosedPhase) fault("a round waits for player 1 in turnphase 2");
    if (piles && st.discardbase < 1) fault("a round under way without a discard pile" + where);
    if (piles && st.turnphase == kDiscardPhase && heldBy(st, 1, 4) != deckAt(st, st.deckpos))
      fault("the card taken, " + describe(heldBy(st, 1, 4)) + ", is not the one at deckpos, " +
            describe(deckAt(st, st.deckpos)));
    if (piles && st.turnphase == kDiscardPhase && table[Control::Picture4] != st.p1card[4])
      fault("place 4 shows " + table[Control::Picture4] + " but player 1 holds " + st.p1card[4]);
    const std::string wrong = piles ? notOnceEach(cardsInPlay(st), deck) : "";
    if (!wrong.empty()) fault("cards not once each in play" + where + ": " + wrong);
  }
  return faults;
}

// A deck file read back: the cards of the deck in any order.
inline std::string checkDeckFile(const Deck& read, const Deck& deck) {
  std::vector<CardId> cards;
  for (const CardRecord& r : read) cards.push_back({r.picture, r.suit, r.value});
  return notOnceEach(cards, deck);
}

// The game directory after a Deal or a game end: cardfile.txt still holds `deck`, and
// totals.txt the win counts of the state, `games` wins in all.
inline std::vector<std::string> checkFiles(const std::filesystem::path& dir, const GameState& st,
                                           const Deck& deck, uint64_t games) {
  std::vector<std::string> faults;
  try {
    const std::string wrong = checkDeckFile(readCardFile(dir / kCardFile), deck);
    if (!wrong.empty()) faults.push_back("cardfile.txt does not hold the deck: " + wrong);
    const Wins totals = readTotalsFile(dir / kTotalsFile);
    const int sum = totals[0] + totals[1] + totals[2] + totals[3];
    if (totals != Wins{st.wins[1], st.wins[2], st.wins[3], st.wins[4]})
      faults.push_back("totals.txt does not hold the win counts");
    if (static_cast<uint64_t>(sum) != games)
      faults.push_back("totals.txt counts " + std::to_string(sum) + " wins after " +
                       std::to_string(games) + " games");
  } catch (const FileError& e) {
    faults.push_back(std::string("a game file does not read back: ") + e.what());
  }
  return faults;
}

}  // namespace korvo::invariants
