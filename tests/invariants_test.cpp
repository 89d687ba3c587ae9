// The checks that the whole-game test and the soak run make after every click: each finds the
// fault it is there for, and a sound game passes them.
#include "tests/invariants.h"

#include <gtest/gtest.h>

#include <functional>

#include "game/game.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

// The faults found in a round dealt with seed 4, player 1 about to take a card, after `spoil`.
std::string faultsAfter(const std::function<void(GameState&)>& spoil, bool take = false) {
  testing::GameDir dir;
  SeededRandom random(4);
  Game game(dir.path(), random);
  game.click(Control::Command1);
  EXPECT_EQ(game.state().dealt, 1) << "seed 4 is chosen so that the deal leaves a round under way";
  if (take) game.click(Control::Picture14);
  spoil(game.mutableState());
  std::string all;
  for (const std::string& f : invariants::checkState(game.state(), game.table(), standardDeck()))
    all += f + "\n";
  return all;
}

TEST(Invariants, ASoundRoundPassesAndEachFaultIsReported) {
  EXPECT_EQ(faultsAfter([](GameState&) {}), "");
  EXPECT_EQ(faultsAfter([](GameState& st) { EXPECT_EQ(st.turnphase, kDiscardPhase); }, true), "");
  std::string lost, twice;
  const std::string duplicated = faultsAfter([&](GameState& st) {
    lost = st.p2card[1];
    std::tie(st.p2card[1], st.p2suit[1], st.p2value[1]) =
        std::tie(st.p2card[2], st.p2suit[2], st.p2value[2]);
    twice = st.p2card[2] + "/" + st.p2suit[2] + "/" + std::to_string(st.p2value[2]);
  });
  EXPECT_NE(duplicated.find(twice + " x2 (deck x1)"), std::string::npos) << duplicated;
  EXPECT_NE(duplicated.find(lost + "/"), std::string::npos) << duplicated;
  EXPECT_NE(faultsAfter([](GameState& st) { st.deckvalue[52] += 1; }).find("cards not once each"),
            std::string::npos);
  const std::string books = faultsAfter([](GameState& st) {
    st.deckpos = 53;
    st.pot = 1;
    st.turnphase = kDiscardPhase;  // but nothing was taken into place 4
  });
  for (const char* f : {"piles are out of order", "add up to 17", "discard phase without"})
    EXPECT_NE(books.find(f), std::string::npos) << books;
}

TEST(Invariants, ADeckFileWithACardTwiceIsReported) {
  Deck deck = standardDeck();
  EXPECT_EQ(invariants::checkDeckFile(deck, standardDeck()), "");
  deck[7] = deck[8];
  EXPECT_NE(invariants::checkDeckFile(deck, standardDeck()), "");
}

}  // namespace
}  // namespace korvo
