#include <gtest/gtest.h>

#include <tuple>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/shuffle.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::keyNumber;
using testing::readFile;

TEST(Shuffle, KeysAreNudgedInOneForwardPass) {
  const struct {
    const char* what;
    std::vector<int> drawn;  // the key each random number gives before nudging
    std::vector<int> order;
  } cases[] = {
      // Cards 1 and 2 hold 6 and 5; card 3 draws 5, is raised to 6 on meeting card 2 and is not
      // compared with card 1 again, so cards 1 and 3 both hold 6 and card 1 comes first.
      {"6/5/5", {6, 5, 5}, {2, 1, 3}},
      {"7/7: card 2 draws card 1's 7 and becomes 8", {7, 7, 3}, {3, 1, 2}},
      {"equal keys keep file order", {9, 4, 8, 7, 5}, {2, 5, 4, 3, 1}},
      {"the largest key", {300, 300, 300}, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    std::vector<float> numbers;
    for (int k : c.drawn) numbers.push_back(keyNumber(k));
    ScriptedRandom random(numbers);
    std::vector<int16_t> k(c.drawn.size() + 1), low(c.drawn.size() + 1);
    EXPECT_EQ(keyShuffle(static_cast<int>(c.drawn.size()), random, k, low), c.order) << c.what;
    EXPECT_EQ(random.remaining(), 0u) << c.what;
  }
}

TEST(Deal, PlayersInGetCardsInTurnAndAGameStartsWhenNobodyIsIn) {
  const struct {
    const char* what;
    Arr<int16_t, 4> honor;
    std::array<int, 4> first;  // deck position of player 1..4's first card; 0: out
    int discard;               // the first discard; a player's cards lie (discard - 1) / 3 apart
  } cases[] = {
      {"all in, start of game", {0, 0, 0, 0, 0}, {4, 3, 2, 1}, 13},
      {"player 4 out", {0, 2, 3, 1, 0}, {3, 2, 1, 0}, 10},
      {"player 1 out", {0, 0, 1, 1, 3}, {0, 3, 2, 1}, 10},
      {"players 1 and 3 out", {0, 0, 2, 0, 1}, {0, 2, 0, 1}, 7},
  };
  using Honor = Arr<int16_t, 4>;
  const char* outText[] = {"", "Pell is Out!", "Oma is Out!", "Tobin is Out!", "Wenna is Out!"};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const bool newGame = c.discard == 13;
    testing::GameDir dir;
    testing::writeFile(dir / kTotalsFile, "3,0,12,1\r\n");
    ScriptedRandom r(testing::identityShuffle());
    Game g(dir.path(), r);
    GameState& s = g.mutableState();
    const Table& t = g.table();
    s.honor = c.honor;
    s.pot = 5;
    s.dealt = 1;
    for (int k = 1; k <= 4; ++k) s.hand(k).card = {"", "old", "old", "old", ""};
    g.deal();
    EXPECT_EQ(s.honor, newGame ? Honor({0, 4, 4, 4, 4}) : c.honor);
    EXPECT_EQ(s.pot, newGame ? 0 : 5);
    EXPECT_EQ(s.wins, newGame ? Honor({0, 3, 0, 12, 1}) : Honor());
    EXPECT_EQ(t[Control::total3], newGame ? "12" : "");
    for (int n = 1; n <= 5; ++n) {
      EXPECT_EQ(t[image(n)], newGame ? honorPicture(n == 5 ? 0 : 4) : Table()[image(n)]) << n;
    }
    EXPECT_EQ(std::tuple(s.deckpos, s.discardbase), std::tuple(c.discard, c.discard));
    EXPECT_EQ(t[Control::Picture15], s.deckcard[c.discard]);
    EXPECT_EQ(t[Control::Picture4], kEmptyPlace);
    EXPECT_EQ(s.turnphase, c.honor[1] < 1 && !newGame ? kClosedPhase : kTakePhase);
    EXPECT_EQ(s.knocked, (Arr<std::string, 4>{"", kNo, kNo, kNo, kNo}));
    EXPECT_EQ(s.finalturn, s.knocked);
    for (int k = 1; k <= 4; ++k) {
      SCOPED_TRACE("player " + std::to_string(k));
      const HandRef h = s.hand(k);
      const int first = c.first[static_cast<std::size_t>(k - 1)];
      EXPECT_EQ(t[textBox(k)], first == 0 ? outText[k] : Table()[textBox(k)]);
      for (int i = 1; i <= 3; ++i) {
        const int pos = first + (i - 1) * (c.discard - 1) / 3;
        if (first == 0) {
          EXPECT_EQ(h.card[i], "old") << "an out player keeps his old cards";
          EXPECT_EQ(t[cardPlace(k, i)], kEmptyPlace);
          continue;
        }
        EXPECT_EQ(std::tie(h.card[i], h.suit[i], h.value[i]),
                  std::tie(s.deckcard[pos], s.decksuit[pos], s.deckvalue[pos]));
        EXPECT_EQ(t[cardPlace(k, i)], k == 1 ? s.deckcard[pos] : kCardBack) << i;
      }
    }
  }
}

TEST(Deal, AFaultyOrMissingCardFileChangesNothingAndTheNextDealWorks) {
  for (const std::string fault : {"line 2", "missing"}) {
    SCOPED_TRACE(fault);
    testing::GameDir dir;
    SeededRandom random(4);  // as in a fresh game directory, the deal leaves a round under way
    Game game(dir.path(), random);
    if (fault == "missing") std::filesystem::remove(dir / kCardFile);
    if (fault != "missing") testing::writeFile(dir / kCardFile, "\"♠\",11,\"AS.JPG\"\r\n");
    const GameState state = game.state();
    const ClickResult result = game.click(Control::Command1);
    ASSERT_TRUE(result.error);
    EXPECT_NE(result.error->find("cardfile.txt"), std::string::npos) << *result.error;
    if (fault != "missing") {
      EXPECT_NE(result.error->find(fault), std::string::npos) << *result.error;
      EXPECT_EQ(readFile(dir / kCardFile), "\"♠\",11,\"AS.JPG\"\r\n");
    }
    EXPECT_EQ(game.state(), state);
    EXPECT_EQ(game.table(), Table());
    EXPECT_EQ(random.drawn(), 0u);

    writeCardFile(dir / kCardFile, standardDeck());
    EXPECT_FALSE(game.click(Control::Command1).error);
    EXPECT_EQ(game.state().dealt, 1);
  }
}

TEST(Deal, RewritesTheCardFileInItsNewOrderBeforeTheMissingTotalsStopIt) {
  testing::GameDir dir;
  std::vector<float> reversed;
  for (int key = 52; key >= 1; --key) reversed.push_back(keyNumber(key));
  ScriptedRandom random(reversed);
  Game game(dir.path(), random);
  std::filesystem::remove(dir / kTotalsFile);
  const ClickResult result = game.click(Control::Command1);
  ASSERT_TRUE(result.error);
  EXPECT_NE(result.error->find("totals.txt"), std::string::npos) << *result.error;
  EXPECT_EQ(game.state().dealt, 0);
  const Deck written = readCardFile(dir / kCardFile), standard = standardDeck();
  for (std::size_t i = 0; i < 52; ++i) {
    EXPECT_EQ(written[i], standard[51 - i]);
    EXPECT_EQ(game.state().deckcard[static_cast<int>(i) + 1], standard[51 - i].picture);
  }
  EXPECT_EQ(random.drawn(), 52u);
}

}  // namespace
}  // namespace korvo
