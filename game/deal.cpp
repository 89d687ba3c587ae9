// The deal: the deck file is shuffled and written back in its new order, so that the next deal,
// in this run or the next, starts from this order.
#include <cmath>

#include "game/evaluate.h"
#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "game/shuffle.h"

namespace korvo {

namespace {
constexpr int16_t kPlaced = 999;
}

std::vector<int> keyShuffle(int n, Random& random, std::span<int16_t> keys,
                            std::span<int16_t> lowkeys) {
  for (int j = 1; j <= n; ++j) {
    const float r = random.next();
    keys[j] = static_cast<int16_t>(std::floor(r * 300.0f + 1.0f));
    // One forward pass: a key raised past an earlier one is not compared with it again.
    for (int k = 1; k < j; ++k) {
      while (keys[k] == keys[j]) ++keys[j];
    }
  }
  std::vector<int> order;
  order.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) {
    lowkeys[i] = kPlaced;
    int chosen = 0;
    for (int m = 1; m <= n; ++m) {
      if (keys[m] < lowkeys[i]) {  // strict: among equal keys the earlier card comes first
        lowkeys[i] = keys[m];
        chosen = m;
      }
    }
    keys[chosen] = kPlaced;
    order.push_back(chosen);
  }
  return order;
}

void Game::deal() {
  if (st_.dealt == 0) st_.dealt = 1;
  ++stats_.rounds;

  // Read the deck as the file lists it. A faulty file changes nothing.
  const Deck fileDeck = memory_ ? memory_->deck : readCardFile(cardFile());
  for (int j = 1; j <= kDeckSize; ++j)
    st_.setFileCard(j, fileDeck[static_cast<std::size_t>(j - 1)]);

  const std::vector<int> order = keyShuffle(kDeckSize, random_, st_.shufflekey, st_.lowkey);
  Deck shuffled;
  for (int i = 1; i <= kDeckSize; ++i) {
    const Card c = st_.fileCard(order[static_cast<std::size_t>(i - 1)]);
    st_.setDeckCard(i, c);
    shuffled[static_cast<std::size_t>(i - 1)] = c;
  }
  if (memory_) {
    memory_->deck = shuffled;
  } else {
    writeCardFile(cardFile(), shuffled);
  }

  // Start of a game: everybody's honor is gone, so the win counts are read afresh and every
  // player gets 4 points. Counts that could not be saved at the end of the last game are
  // written first, so that no win is lost.
  bool newGame = true;
  for (int k = 1; k <= kPlayers; ++k) newGame = newGame && st_.honor[k] < 1;
  if (newGame) {
    if (totalsPending_) saveTotals();
    const Wins wins = memory_ ? memory_->wins : readTotalsFile(totalsFile());
    for (int k = 1; k <= kPlayers; ++k) {
      st_.wins[k] = wins[static_cast<std::size_t>(k - 1)];
      table_.setCaption(totalLabel(k), std::to_string(st_.wins[k]));
    }
    for (int k = 1; k <= kPlayers; ++k) st_.honor[k] = 4;
    st_.pot = 0;
    for (int k = 1; k <= kPlayers; ++k) table_.showPicture(honorImage(k), honorPicture(4));
    table_.showPicture(kPot, honorPicture(0));
  }

  // Three passes, each to player 4, 3, 2 and 1; players who are out get no cards.
  static const char* const outMessage[] = {"", "Pell is Out!", "Oma is Out!", "Tobin is Out!",
                                           "Wenna is Out!"};
  st_.deckpos = 0;
  for (int pass = 1; pass <= 3; ++pass) {
    for (int k = 4; k >= 1; --k) {
      const Control place = cardPlace(k, pass);
      if (st_.honor[k] >= 1) {
        ++st_.deckpos;
        st_.setCard(k, pass, st_.deckCard(st_.deckpos));
        table_.showPicture(place, k == 1 ? st_.deckcard[st_.deckpos] : kCardBack);
      } else {
        table_.showPicture(place, kEmptyPlace);
        if (pass == 1) {
          table_.say(textBox(k), outMessage[k], {Message::Kind::OutAtDeal, k});
          if (k == 1) st_.turnphase = kClosedPhase;
        }
      }
    }
  }

  for (int k = 1; k <= kPlayers; ++k) {
    st_.knocked[k] = kNo;
    st_.finalturn[k] = kNo;
  }

  ++st_.deckpos;
  st_.discardbase = st_.deckpos;
  st_.seen = {{Sighting::Kind::TurnedUp, 0, st_.deckCard(st_.deckpos)}};
  table_.showPicture(kDiscardPile, st_.deckcard[st_.deckpos]);
  table_.showPicture(kDrawPile, kCardBack);
  table_.showPicture(kNewCardPlace, kEmptyPlace);
}

void Game::reshuffleDiscards() {
  // The cards under the top of the discard pile become the new draw pile; the top stays.
  const int base = st_.discardbase;
  const int n = st_.deckpos - base;
  if (n <= 0) return;
  ++stats_.reshuffles;
  std::vector<Card> under;
  for (int pos = base; pos < st_.deckpos; ++pos) under.push_back(st_.deckCard(pos));
  const Card top = st_.deckCard(st_.deckpos);
  std::vector<int16_t> keys(static_cast<std::size_t>(n) + 1), lowkeys(keys.size());
  const std::vector<int> order = keyShuffle(n, random_, keys, lowkeys);
  st_.setDeckCard(base, top);
  for (int i = 1; i <= n; ++i) {
    st_.setDeckCard(base + i,
                    under[static_cast<std::size_t>(order[static_cast<std::size_t>(i - 1)] - 1)]);
  }
  st_.deckpos = static_cast<int16_t>(base);
}

}  // namespace korvo
