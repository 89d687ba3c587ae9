#include <gtest/gtest.h>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/shuffle.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::keyNumber;
using testing::readFile;

std::vector<int> shuffleWithKeys(const std::vector<int>& keys) {
  std::vector<float> numbers;
  for (int k : keys) numbers.push_back(keyNumber(k));
  ScriptedRandom random(numbers);
  std::vector<int16_t> k(keys.size() + 1), low(keys.size() + 1);
  auto order = keyShuffle(static_cast<int>(keys.size()), random, k, low);
  EXPECT_EQ(random.remaining(), 0u);
  return order;
}

TEST(Shuffle, KeysAreNudgedInOneForwardPass) {
  struct Case {
    const char* what;
    std::vector<int> drawn;  // the key each random number gives before nudging
    std::vector<int> order;
  };
  const Case cases[] = {
      // Cards 1 and 2 hold 6 and 5; card 3 draws 5, is raised to 6 on meeting card 2 and is not
      // compared with card 1 again, so cards 1 and 3 both hold 6 and card 1 comes first.
      {"6/5/5", {6, 5, 5}, {2, 1, 3}},
      // Card 2 draws card 1's 7 and becomes 8.
      {"7/7", {7, 7, 3}, {3, 1, 2}},
      {"equal keys keep file order", {9, 4, 8, 7, 5}, {2, 5, 4, 3, 1}},
      {"the largest key", {300, 300, 300}, {1, 2, 3}},
  };
  for (const auto& c : cases) EXPECT_EQ(shuffleWithKeys(c.drawn), c.order) << c.what;
}

TEST(Shuffle, EveryCardIsPlacedOnce) {
  SeededRandom random(5);
  for (int run = 0; run < 200; ++run) {
    std::vector<int16_t> k(53), low(53);
    auto order = keyShuffle(52, random, k, low);
    std::sort(order.begin(), order.end());
    for (int i = 0; i < 52; ++i) ASSERT_EQ(order[static_cast<std::size_t>(i)], i + 1);
  }
}

class DealTest : public ::testing::Test {
 protected:
  testing::GameDir dir;
  ScriptedRandom random{testing::identityShuffle()};
  Game game{dir.path(), random};
  GameState& st = game.mutableState();

  void deal() {
    st.dealt = 1;
    game.deal();
  }
};

TEST_F(DealTest, RewritesTheCardFileInItsNewOrder) {
  std::vector<float> reversed;
  for (int key = 52; key >= 1; --key) reversed.push_back(keyNumber(key));
  ScriptedRandom r(reversed);
  Game g(dir.path(), r);
  g.mutableState().dealt = 1;
  g.deal();
  const Deck written = readCardFile(dir / kCardFile);
  const Deck standard = standardDeck();
  for (int i = 1; i <= 52; ++i) {
    EXPECT_EQ(written[static_cast<std::size_t>(i - 1)], standard[static_cast<std::size_t>(52 - i)]);
    EXPECT_EQ(g.state().deckcard[i], standard[static_cast<std::size_t>(52 - i)].picture);
  }
  EXPECT_EQ(r.drawn(), 52u);
}

TEST_F(DealTest, FirstDealStartsAGame) {
  testing::writeFile(dir / kTotalsFile, "3,0,12,1\r\n");
  deal();
  EXPECT_EQ(st.wins, (Arr<int16_t, 4>{0, 3, 0, 12, 1}));
  EXPECT_EQ(st.honor, (Arr<int16_t, 4>{0, 4, 4, 4, 4}));
  EXPECT_EQ(st.pot, 0);
  const Table& t = game.table();
  EXPECT_EQ(t[Control::total3], "12");
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(t[image(n)], honorPicture(n == 5 ? 0 : 4)) << n;
  // All in: player 4 gets positions 1, 5, 9, player 3 2, 6, 10, player 2 3, 7, 11 and
  // player 1 4, 8, 12; the first discard is 13.
  const auto& deck = st.deckcard;
  EXPECT_EQ(st.p4card, (Arr<std::string, 4>{"", deck[1], deck[5], deck[9], ""}));
  EXPECT_EQ(st.p3card, (Arr<std::string, 4>{"", deck[2], deck[6], deck[10], ""}));
  EXPECT_EQ(st.p2card, (Arr<std::string, 4>{"", deck[3], deck[7], deck[11], ""}));
  EXPECT_EQ(st.p1card, (Arr<std::string, 4>{"", deck[4], deck[8], deck[12], ""}));
  EXPECT_EQ(st.p1value[2], st.deckvalue[8]);
  EXPECT_EQ(st.p2suit[3], st.decksuit[11]);
  EXPECT_EQ(st.deckpos, 13);
  EXPECT_EQ(st.discardbase, 13);
  EXPECT_EQ(t[Control::Picture1], deck[4]);
  EXPECT_EQ(t[Control::Picture3], deck[12]);
  for (int p = 5; p <= 14; ++p) EXPECT_EQ(t[pictureBox(p)], "down1.JPG") << p;
  EXPECT_EQ(t[Control::Picture15], deck[13]);
  EXPECT_EQ(t[Control::Picture4], "gone.JPG");
  EXPECT_EQ(t[Control::Text1], "Pell Varny");  // the deal writes no message to a player in
  EXPECT_EQ(st.knocked, (Arr<std::string, 4>{"", "F", "F", "F", "F"}));
  EXPECT_EQ(st.finalturn, st.knocked);
}

TEST_F(DealTest, PlayersWhoAreOutGetNoCards) {
  struct Case {
    const char* what;
    Arr<int16_t, 4> honor;
    int discard;
    std::vector<std::pair<int, std::vector<int>>> positions;  // player, deck positions
    std::vector<int> out;
  };
  const Case cases[] = {
      {"player 4 out", {0, 2, 3, 1, 0}, 10, {{3, {1, 4, 7}}, {2, {2, 5, 8}}, {1, {3, 6, 9}}}, {4}},
      {"player 1 out", {0, 0, 1, 1, 3}, 10, {{4, {1, 4, 7}}, {3, {2, 5, 8}}, {2, {3, 6, 9}}}, {1}},
      {"two out", {0, 0, 2, 0, 1}, 7, {{4, {1, 3, 5}}, {2, {2, 4, 6}}}, {1, 3}},
  };
  const char* outText[] = {"", "Pell is Out!", "Oma is Out!", "Tobin is Out!", "Wenna is Out!"};
  for (const auto& c : cases) {
    ScriptedRandom r(testing::identityShuffle());
    Game g(dir.path(), r);
    GameState& s = g.mutableState();
    s.honor = c.honor;
    s.p4card[1] = "old";
    s.dealt = 1;
    g.deal();
    EXPECT_EQ(s.honor, c.honor) << c.what << ": a deal in the middle of a game keeps honor";
    EXPECT_EQ(g.table()[Control::total1], "") << c.what << ": totals.txt is not read";
    EXPECT_EQ(s.deckpos, c.discard) << c.what;
    EXPECT_EQ(s.discardbase, c.discard) << c.what;
    for (const auto& [player, pos] : c.positions) {
      for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(s.hand(player).card[i], s.deckcard[pos[static_cast<std::size_t>(i - 1)]])
            << c.what << " player " << player;
      }
    }
    for (int player : c.out) {
      for (int i = 1; i <= 3; ++i) EXPECT_EQ(g.table()[cardPlace(player, i)], "gone.JPG");
      EXPECT_EQ(g.table()[textBox(player)], outText[player]) << c.what;
    }
    if (c.honor[4] < 1) {
      EXPECT_EQ(s.p4card[1], "old") << "an out player keeps his old cards";
    }
    EXPECT_EQ(s.turnphase, c.honor[1] < 1 ? 2 : 0) << c.what;
    EXPECT_EQ(g.table()[Control::Picture4], "gone.JPG");
  }
}

TEST(Deal, AFaultyOrMissingCardFileChangesNothingAndTheNextDealWorks) {
  for (const std::string fault : {"line 2", "missing"}) {
    SCOPED_TRACE(fault);
    testing::GameDir dir;
    SeededRandom random(4);  // as in a fresh game directory, the deal leaves a round under way
    Game game(dir.path(), random);
    if (fault == "missing") {
      std::filesystem::remove(dir / kCardFile);
    } else {
      testing::writeFile(dir / kCardFile, "\"♠\",11,\"AS.JPG\"\r\n");
    }
    const std::string before = fault == "missing" ? "" : readFile(dir / kCardFile);
    const GameState state = game.state();
    const ClickResult result = game.click(Control::Command1);
    ASSERT_TRUE(result.error);
    EXPECT_NE(result.error->find("cardfile.txt"), std::string::npos) << *result.error;
    if (!before.empty()) {
      EXPECT_NE(result.error->find(fault), std::string::npos) << *result.error;
      EXPECT_EQ(readFile(dir / kCardFile), before);
    }
    EXPECT_EQ(game.state(), state);
    EXPECT_EQ(game.table(), Table());
    EXPECT_EQ(random.drawn(), 0u);

    writeCardFile(dir / kCardFile, standardDeck());
    EXPECT_FALSE(game.click(Control::Command1).error);
    EXPECT_EQ(game.state().dealt, 1);
  }
}

TEST_F(DealTest, MissingTotalsLeavesACompleteNewDeck) {
  std::filesystem::remove(dir / kTotalsFile);
  const ClickResult result = game.click(Control::Command1);
  ASSERT_TRUE(result.error);
  EXPECT_NE(result.error->find("totals.txt"), std::string::npos) << *result.error;
  EXPECT_EQ(st.dealt, 0);
  // The deck was rewritten before the totals were wanted, and it is whole.
  const Deck written = readCardFile(dir / kCardFile);
  for (int i = 1; i <= 52; ++i)
    EXPECT_EQ(written[static_cast<std::size_t>(i - 1)].picture, st.deckcard[i]);

  testing::writeFile(dir / kTotalsFile, "0,0,0,0\r\n");
  ScriptedRandom again(testing::identityShuffle());
  Game retry(dir.path(), again);
  retry.mutableState() = st;
  retry.mutableState().dealt = 1;
  retry.deal();
  EXPECT_EQ(retry.state().honor[1], 4);
}

}  // namespace
}  // namespace korvo
