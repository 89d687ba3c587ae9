// The checks that the whole-game test and the soak run make after every click: each finds the
// fault it is there for, and a sound game passes them.
#include "tests/invariants.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

std::string joined(const std::vector<std::string>& faults) {
  std::string all;
  for (const std::string& f : faults) all += f + "\n";
  return all;
}

// A round under way: dealt with seed 4, player 1 about to take a card.
struct Dealt {
  Dealt() : random(4), game(dir.path(), random) { game.click(Control::Command1); }
  testing::GameDir dir;
  SeededRandom random;
  Game game;
  GameState& st() { return game.mutableState(); }
  std::vector<std::string> faults() {
    return invariants::checkState(game.state(), game.table(), standardDeck());
  }
};

TEST(Invariants, ASoundRoundPassesBeforeAndAfterPlayer1TakesACard) {
  Dealt d;
  ASSERT_EQ(d.st().dealt, 1) << "seed 4 is chosen so that the deal leaves a round under way";
  EXPECT_EQ(joined(d.faults()), "");
  d.game.click(Control::Picture14);
  ASSERT_EQ(d.st().turnphase, kDiscardPhase);
  EXPECT_EQ(joined(d.faults()), "");
}

TEST(Invariants, ADuplicatedCardIsReportedWithTheCardItPushedOut) {
  Dealt d;
  const std::string lost = d.st().p2card[1];
  d.st().p2card[1] = d.st().p2card[2];
  d.st().p2suit[1] = d.st().p2suit[2];
  d.st().p2value[1] = d.st().p2value[2];
  const std::string faults = joined(d.faults());
  EXPECT_NE(faults.find(d.st().p2card[2] + "/" + d.st().p2suit[2] + "/" +
                        std::to_string(d.st().p2value[2]) + " x2 (deck x1)"),
            std::string::npos)
      << faults;
  EXPECT_NE(faults.find(lost + "/"), std::string::npos) << faults;
}

TEST(Invariants, ACardThatLosesItsValueOnTheWayIsReported) {
  Dealt d;
  d.st().deckvalue[52] += 1;
  EXPECT_NE(joined(d.faults()).find("cards not once each"), std::string::npos);
}

TEST(Invariants, BookkeepingFaultsAreReported) {
  Dealt d;
  d.st().deckpos = 53;
  d.st().pot = 1;
  d.st().turnphase = kDiscardPhase;  // but nothing was taken into place 4
  const std::string faults = joined(d.faults());
  EXPECT_NE(faults.find("piles are out of order"), std::string::npos) << faults;
  EXPECT_NE(faults.find("add up to 17"), std::string::npos) << faults;
  EXPECT_NE(faults.find("discard phase without"), std::string::npos) << faults;
}

TEST(Invariants, ADeckFileWithACardTwiceIsReported) {
  Deck deck = standardDeck();
  EXPECT_EQ(invariants::checkDeckFile(deck, standardDeck()), "");
  deck[7] = deck[8];
  EXPECT_NE(invariants::checkDeckFile(deck, standardDeck()), "");
}

}  // namespace
}  // namespace korvo
