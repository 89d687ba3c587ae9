// Decks and counts at the edges of what the files allow: the game stays responsive and loses
// nothing.
#include <gtest/gtest.h>

#include "game/game.h"
#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

TEST(Reliability, ADeckThatCannotEndARoundDoesNotFreezeTheClick) {
  testing::GameDir dir;
  // Every card worth 1: no hand ever reaches a knock or 31.
  Deck deck = standardDeck();
  for (auto& card : deck) card.value = 1;
  writeCardFile(dir / kCardFile, deck);
  SeededRandom random(3);
  Game game(dir.path(), random);
  GameState& st = game.mutableState();
  st.honor = {0, 0, 4, 4, 4};  // player 1 is out: the computers play on inside one click

  const ClickResult result = game.click(Control::Command1);
  ASSERT_TRUE(result.error);
  EXPECT_NE(result.error->find("cardfile.txt"), std::string::npos) << *result.error;
  EXPECT_EQ(game.stats().longestClick, kMaxTurnsPerClick + 1);
  EXPECT_GE(game.stats().reshuffles, 1u);
  EXPECT_EQ(st.dealt, 0);
  EXPECT_LE(st.deckpos, 52);
  // The deck file is still a whole deck, and the next Deal tries again.
  EXPECT_EQ(readCardFile(dir / kCardFile).size(), 52u);
  writeCardFile(dir / kCardFile, standardDeck());
  EXPECT_FALSE(game.click(Control::Command1).error);
}

TEST(Reliability, AWinCountAtItsLimitStaysThereAndThePlayerIsTold) {
  testing::GameDir dir;
  testing::writeFile(dir / kTotalsFile, "32767,0,0,0\r\n");
  SeededRandom random(11);
  Game game(dir.path(), random);
  game.click(Control::Command1);  // starts a game: the counts are read
  // Oma and Tobin are out; Wenna knocked with nothing (0), and player 1 is about to throw
  // the card he took. Play comes back to Wenna, she pays double, and player 1 wins the game.
  GameState& st = game.mutableState();
  st.dealt = 1;
  st.turnphase = kDiscardPhase;
  st.knocked = {"", "F", "F", "F", "T"};
  st.finalturn = {"", "F", "F", "F", "F"};
  st.honor = {0, 4, 0, 0, 2};
  st.p4value[5] = 0;
  st.p1card[4] = st.deckcard[st.deckpos];
  const ClickResult result = game.click(Control::Picture4);
  ASSERT_TRUE(result.notice) << "the player is told the win was not counted";
  EXPECT_NE(result.notice->find("32767"), std::string::npos) << *result.notice;
  EXPECT_FALSE(result.error);
  EXPECT_EQ(game.table()[Control::Text1], "Pell wins all the honor!");
  EXPECT_EQ(st.wins[1], 32767);
  EXPECT_EQ(testing::readFile(dir / kTotalsFile), "32767,0,0,0\r\n");
}

}  // namespace
}  // namespace korvo
