// A win count at its limit: the headless record cannot show it, but the player is told.
#include <gtest/gtest.h>

#include "game/game.h"
#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

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
