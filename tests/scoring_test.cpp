// Settling a round: who pays, the pot, players going out, the winner of a game and the win
// counts in totals.txt.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <tuple>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::GameDir;
using testing::readFile;
using testing::writeFile;

constexpr const char* kStartTotals = "0,0,0,0\r\n";
using PerPlayer = Arr<int16_t, 4>;

// Each row: what; knocks ("T" knocked, "B" holds 31), honor and wins before, honor after,
// totals before (element 5 of each player's values), pot after; then the pictures
// Image1..Image5 (N for hundredN.JPG), the wins saved in totals.txt if it is written (else they
// stay as they were) and the four text boxes ("": the box keeps what it showed).
const struct {
  const char *what, *knocked;
  PerPlayer honor, wins, honorAfter;
  std::array<Value, 4> total;
  int16_t pot;
  std::array<int, 5> image;
  std::optional<PerPlayer> saved;
  std::array<const char*, 4> text;
} kSettlements[] = {
    // clang-format off
    {"player 2 holds 31; players 1, 3, 4 hold 4, 0, 2 points: everybody still in pays one",
     "FBFF", {0, 4, 4, 0, 2}, {0, 3, 0, 12, 1}, {0, 3, 4, 0, 1}, {20, 31, 5, 12}, 8,
     {3, 4, 0, 1, 8}, {}, {"", "Korvo Everybody Pays.", "", ""}},
    {"player 1 knocks with 25 against three 15s: the three lowest pay one each",
     "TFFF", {0, 4, 4, 4, 4}, {0, 3, 0, 12, 1}, {0, 4, 3, 3, 3}, {25, 15, 15, 15}, 3,
     {4, 3, 3, 3, 3}, {}, {"", "Oma Pays.", "Tobin Pays.", "Wenna Pays."}},
    {"player 3 knocks tied lowest with player 4: the knocker alone pays two",
     "FFTF", {0, 4, 4, 4, 4}, {}, {0, 4, 4, 2, 4}, {20, 25, 12, 12}, 2,
     {4, 4, 2, 4, 2}, {}, {"", "", "Tobin Pays Double.", ""}},
    {"all four tied: the knocker pays two, nobody else pays",
     "FTFF", {0, 4, 4, 4, 4}, {}, {0, 4, 2, 4, 4}, {20, 20, 20, 20}, 2,
     {4, 2, 4, 4, 2}, {}, {"", "Oma Pays Double.", "", ""}},
    {"players 1 and 2 tied lowest, player 3 knocked: both tied players pay one",
     "FFTF", {0, 4, 4, 4, 4}, {}, {0, 3, 3, 4, 4}, {12, 12, 20, 25}, 2,
     {3, 3, 4, 4, 2}, {}, {"Pell Pays.", "Oma Pays.", "", ""}},
    {"player 1 knocks with 1 point and is lowest: he goes to -1 and is out",
     "TFFF", {0, 1, 4, 4, 4}, {}, {0, -1, 4, 4, 4}, {10, 20, 20, 20}, 5,
     {0, 4, 4, 4, 5}, {}, {"Pell is out!", "", "", ""}},
    {"player 3 is out and his old cards total 3: he never pays, player 4's 15 does",
     "TFFF", {0, 4, 4, 0, 4}, {}, {0, 4, 4, 0, 3}, {20, 25, 3, 15}, 5,
     {4, 4, 0, 3, 5}, {}, {"", "", "", "Wenna Pays."}},
    {"three left, player 2 holds 31 and the two others fall to 0: player 2 wins the game",
     "FBFF", {0, 0, 2, 1, 1}, {0, 3, 0, 12, 1}, {0, 0, 0, 0, 0}, {9, 31, 20, 20}, 14,
     {0, 2, 0, 0, 12}, PerPlayer{0, 3, 1, 12, 1},
     {"Pell is out!", "Oma wins all the honor!", "", ""}},
    {"a pot of exactly 12 shows hundred12; a computer going out gets no message",
     "FFFT", {0, 2, 1, 1, 1}, {}, {0, 2, 0, 1, 1}, {20, 10, 20, 25}, 12,
     {2, 0, 1, 1, 12}, {}, {"", "Oma Pays.", "", ""}},
    {"player 1 is out: the show-down writes his out message and empty honor again",
     "FTFF", {0, 0, 3, 3, 3}, {}, {0, 0, 3, 3, 2}, {9, 25, 20, 15}, 8,
     {0, 3, 3, 2, 8}, {}, {"Pell is out!", "", "", "Wenna Pays."}},
    {"a win at 32767 leaves the count at 32767; the knocker at 1 ends at -1",
     "FFFT", {0, 0, 3, 0, 1}, {0, 0, 32767, 5, 0}, {0, 0, 0, 0, -1}, {9, 25, 9, 10}, 14,
     {0, 3, 0, 0, 12}, PerPlayer{0, 0, 32767, 5, 0},
     {"Pell is out!", "Oma wins all the honor!", "", "Wenna Pays Double."}},
    // clang-format on
};

// A game directory and a game in the middle of a round.
struct Settle {
  explicit Settle(std::vector<float> numbers = {}) : random(std::move(numbers)) { st.dealt = 1; }
  GameDir dir;
  ScriptedRandom random;
  Game game{dir.path(), random};
  GameState& st = game.mutableState();
  Table& table = game.mutableTable();
};

TEST(Settlement, ShowsTheHandsAndSettlesHonorPotPicturesAndTotals) {
  for (const auto& s : kSettlements) {
    SCOPED_TRACE(s.what);
    Settle g;
    auto& [dir, random, game, st, table] = g;
    st.turnphase = kClosedPhase;
    st.honor = s.honor;
    st.wins = s.wins;
    const auto cardName = [](int k, int i) { return std::to_string(10 * k + i) + ".JPG"; };
    for (int k = 1; k <= 4; ++k) {
      st.knocked[k] = std::string(1, s.knocked[k - 1]);
      st.hand(k).value[5] = s.total[k - 1];
      table.setText(textBox(k), "before");
      for (int i = 1; i <= 3; ++i) {
        st.hand(k).card[i] = cardName(k, i);
        table.showPicture(cardPlace(k, i), "before");
      }
    }
    for (int n = 1; n <= 5; ++n) table.showPicture(image(n), "before");
    st.deckcard[st.deckpos = 20] = "KS.JPG";
    game.showcards();  // the show-down, then the scoring

    const PerPlayer wins = s.saved.value_or(s.wins);
    EXPECT_EQ(st.honor, s.honorAfter);
    EXPECT_EQ(st.wins, wins);
    EXPECT_EQ(st.pot, s.pot);
    EXPECT_EQ(std::tuple(st.dealt, st.turnphase), std::tuple(0, kTakePhase));
    EXPECT_EQ(table[Control::Picture15], "KS.JPG");
    EXPECT_EQ(readFile(dir / kTotalsFile),
              s.saved ? formatTotals({wins[1], wins[2], wins[3], wins[4]}) : kStartTotals);
    for (int k = 1; k <= 4; ++k) {
      SCOPED_TRACE("player " + std::to_string(k));
      EXPECT_EQ(table.text(textBox(k)), *s.text[k - 1] != 0 ? s.text[k - 1] : "before");
      for (int i = 1; i <= 3; ++i) {  // the computers still in turn their hands up
        EXPECT_EQ(table[cardPlace(k, i)], k > 1 && s.honor[k] > 0 ? cardName(k, i) : "before");
      }
      EXPECT_EQ(table[totalLabel(k)], std::to_string(wins[k]));
      EXPECT_EQ(table[image(k)], honorPicture(s.image[k - 1]));
      // A player who is out shows 50, above any live hand, so that he never holds the lowest.
      EXPECT_EQ(st.hand(k).value[5], s.honor[k] < 1 ? 50 : s.total[k - 1]);
    }
    EXPECT_EQ(table[Control::Image5], honorPicture(s.image[4]));
  }
}

TEST(TotalsFile, AWinThatCannotBeSavedIsWrittenBeforeTheNextGameReadsTheFile) {
  // Players 3 and 4 are out, player 2 has 1 point left. Player 1 holds A♥ K♥ 2♣ and has
  // drawn Q♥; throwing the 2♣ makes 31, player 2 pays his last point and player 1 wins.
  // The numbers of a deal that stops at totals.txt, then of a deal and three computer turns.
  Settle g(testing::dealNumbers(2, {0.99f, 0.99f, 0.99f}));
  auto& [dir, random, game, st, table] = g;
  st.turnphase = kDiscardPhase;
  st.honor = {0, 4, 1, 0, 0};
  st.knocked = {"", "F", "F", "F", "F"};
  st.finalturn = st.knocked;
  st.wins = {0, 2, 0, 0, 0};
  testing::giveHand(st, 1, testing::hand("AH", "KH", "2C"));
  const Card q = testing::card("QH");
  std::tie(st.p1card[4], st.p1suit[4], st.p1value[4]) = std::tie(q.card, q.suit, q.value);
  st.discardbase = st.deckpos = 7;
  // A directory that is not empty cannot be replaced by a file, not even by root.
  std::filesystem::remove(dir / kTotalsFile);
  std::filesystem::create_directories(dir / kTotalsFile / "blocker");

  const ClickResult thrown = game.click(Control::Picture3);
  ASSERT_TRUE(thrown.error.has_value());
  EXPECT_NE(thrown.error->find("totals.txt"), std::string::npos) << *thrown.error;
  EXPECT_EQ(table.text(Control::Text1), "Pell wins all the honor!");
  EXPECT_EQ(table[Control::total1], "3");
  EXPECT_TRUE(game.totalsPending());

  // The next Deal finds the path still blocked: it stops there with the fault.
  const ClickResult blocked = game.click(Control::Command1);
  ASSERT_TRUE(blocked.error.has_value());
  EXPECT_NE(blocked.error->find("totals.txt"), std::string::npos) << *blocked.error;
  EXPECT_EQ(st.dealt, 0);
  EXPECT_TRUE(game.totalsPending());

  // With the file back as it was before that game, the next game start saves the win first.
  std::filesystem::remove_all(dir / kTotalsFile);
  writeFile(dir / kTotalsFile, kStartTotals);
  testing::stackDeck(dir.path(), {"2H", "5S", "9D"}, {"2C", "3D", "4S"}, {"5C", "6D", "7S"},
                     {"8C", "9H", "10S"}, "2D", {"3S", "3C", "3H"});
  const ClickResult dealt = game.click(Control::Command1);
  EXPECT_FALSE(dealt.error.has_value()) << *dealt.error;
  EXPECT_FALSE(game.totalsPending());
  EXPECT_EQ(readFile(dir / kTotalsFile), "3,0,0,0\r\n");
  EXPECT_EQ(random.remaining(), 0u);
}

}  // namespace
}  // namespace korvo
