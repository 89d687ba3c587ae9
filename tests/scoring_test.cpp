// Settling a round: who pays, the pot, players going out, the winner of a game and the win
// counts in totals.txt.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <tuple>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::card;
using testing::GameDir;
using testing::readFile;
using testing::writeFile;

constexpr const char* kStartTotals = "0,0,0,0\r\n";
constexpr const char* kKeeps = nullptr;  // the text box keeps what it showed

struct Settlement {
  const char* what;
  std::array<int16_t, 4> honor;
  const char* knocked;         // "T" knocked, "B" holds 31, per player
  std::array<Value, 4> total;  // element 5 of each player's values
  std::array<int16_t, 4> wins;
  std::array<int16_t, 4> honorAfter;
  int16_t pot;
  std::array<int, 5> image;  // Image1..Image5: N for hundredN.JPG
  std::array<int16_t, 4> winsAfter;
  bool fileWritten;
  std::array<const char*, 4> text;
};

// Each row: what; honor, knocks, totals and wins before; honor, pot, honor pictures, wins and
// whether totals.txt was written after; the four text boxes after.
// clang-format off
const Settlement kSettlements[] = {
    {"player 2 holds 31; players 1, 3, 4 hold 4, 0, 2 points: everybody still in pays one",
     {4, 4, 0, 2}, "FBFF", {20, 31, 5, 12}, {3, 0, 12, 1},
     {3, 4, 0, 1}, 8, {3, 4, 0, 1, 8}, {3, 0, 12, 1}, false,
     {kKeeps, "Korvo Everybody Pays.", kKeeps, kKeeps}},
    {"player 1 knocks with 25 against three 15s: the three lowest pay one each",
     {4, 4, 4, 4}, "TFFF", {25, 15, 15, 15}, {3, 0, 12, 1},
     {4, 3, 3, 3}, 3, {4, 3, 3, 3, 3}, {3, 0, 12, 1}, false,
     {kKeeps, "Oma Pays.", "Tobin Pays.", "Wenna Pays."}},
    {"player 3 knocks tied lowest with player 4: the knocker alone pays two",
     {4, 4, 4, 4}, "FFTF", {20, 25, 12, 12}, {0, 0, 0, 0},
     {4, 4, 2, 4}, 2, {4, 4, 2, 4, 2}, {0, 0, 0, 0}, false,
     {kKeeps, kKeeps, "Tobin Pays Double.", kKeeps}},
    {"all four tied: the knocker pays two, nobody else pays",
     {4, 4, 4, 4}, "FTFF", {20, 20, 20, 20}, {0, 0, 0, 0},
     {4, 2, 4, 4}, 2, {4, 2, 4, 4, 2}, {0, 0, 0, 0}, false,
     {kKeeps, "Oma Pays Double.", kKeeps, kKeeps}},
    {"players 1 and 2 tied lowest, player 3 knocked: both tied players pay one",
     {4, 4, 4, 4}, "FFTF", {12, 12, 20, 25}, {0, 0, 0, 0},
     {3, 3, 4, 4}, 2, {3, 3, 4, 4, 2}, {0, 0, 0, 0}, false,
     {"Pell Pays.", "Oma Pays.", kKeeps, kKeeps}},
    {"player 1 knocks with 1 point and is lowest: he goes to -1 and is out",
     {1, 4, 4, 4}, "TFFF", {10, 20, 20, 20}, {0, 0, 0, 0},
     {-1, 4, 4, 4}, 5, {0, 4, 4, 4, 5}, {0, 0, 0, 0}, false,
     {"Pell is out!", kKeeps, kKeeps, kKeeps}},
    {"player 3 is out and his old cards total 3: he never pays, player 4's 15 does",
     {4, 4, 0, 4}, "TFFF", {20, 25, 3, 15}, {0, 0, 0, 0},
     {4, 4, 0, 3}, 5, {4, 4, 0, 3, 5}, {0, 0, 0, 0}, false,
     {kKeeps, kKeeps, kKeeps, "Wenna Pays."}},
    {"three left, player 2 holds 31 and the two others fall to 0: player 2 wins the game",
     {0, 2, 1, 1}, "FBFF", {9, 31, 20, 20}, {3, 0, 12, 1},
     {0, 0, 0, 0}, 14, {0, 2, 0, 0, 12}, {3, 1, 12, 1}, true,
     {"Pell is out!", "Oma wins all the honor!", kKeeps, kKeeps}},
    {"a pot of exactly 12 shows hundred12; a computer going out gets no message",
     {2, 1, 1, 1}, "FFFT", {20, 10, 20, 25}, {0, 0, 0, 0},
     {2, 0, 1, 1}, 12, {2, 0, 1, 1, 12}, {0, 0, 0, 0}, false,
     {kKeeps, "Oma Pays.", kKeeps, kKeeps}},
    {"player 1 is out: the show-down writes his out message and empty honor again",
     {0, 3, 3, 3}, "FTFF", {9, 25, 20, 15}, {0, 0, 0, 0},
     {0, 3, 3, 2}, 8, {0, 3, 3, 2, 8}, {0, 0, 0, 0}, false,
     {"Pell is out!", kKeeps, kKeeps, "Wenna Pays."}},
    {"a win at 32767 leaves the count at 32767; the knocker at 1 ends at -1",
     {0, 3, 0, 1}, "FFFT", {9, 25, 9, 10}, {0, 32767, 5, 0},
     {0, 0, 0, -1}, 14, {0, 3, 0, 0, 12}, {0, 32767, 5, 0}, true,
     {"Pell is out!", "Oma wins all the honor!", kKeeps, "Wenna Pays Double."}},
};
// clang-format on

TEST(Settlement, SettlesHonorPotPicturesAndTotals) {
  for (const Settlement& s : kSettlements) {
    SCOPED_TRACE(s.what);
    GameDir dir;
    ScriptedRandom random({});
    Game game(dir.path(), random);
    GameState& st = game.mutableState();
    Table& table = game.mutableTable();
    st.dealt = 1;
    st.turnphase = kClosedPhase;
    for (int k = 1; k <= 4; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      st.honor[k] = s.honor[i];
      st.knocked[k] = std::string(1, s.knocked[i]);
      st.finalturn[k] = kNo;
      st.hand(k).value[5] = s.total[i];
      st.wins[k] = s.wins[i];
      table.setText(textBox(k), "before");
    }
    for (int n = 1; n <= 5; ++n) table.showPicture(image(n), "before");
    game.keepscore();

    for (int k = 1; k <= 4; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      SCOPED_TRACE("player " + std::to_string(k));
      EXPECT_EQ(st.honor[k], s.honorAfter[i]);
      EXPECT_EQ(table.text(textBox(k)), s.text[i] != kKeeps ? s.text[i] : "before");
      EXPECT_EQ(st.wins[k], s.winsAfter[i]);
      EXPECT_EQ(table[totalLabel(k)], std::to_string(s.winsAfter[i]));
      // A player who is out shows 50, above any live hand, so that he never holds the lowest.
      if (s.honor[i] < 1) {
        EXPECT_EQ(st.hand(k).value[5], 50);
      }
    }
    for (int n = 1; n <= 5; ++n) {
      EXPECT_EQ(table[image(n)], honorPicture(s.image[static_cast<std::size_t>(n - 1)])) << n;
    }
    EXPECT_EQ(st.pot, s.pot);
    EXPECT_EQ(st.dealt, 0);
    EXPECT_EQ(st.turnphase, kTakePhase);
    const Wins after{s.winsAfter[0], s.winsAfter[1], s.winsAfter[2], s.winsAfter[3]};
    EXPECT_EQ(readFile(dir / kTotalsFile), s.fileWritten ? formatTotals(after) : kStartTotals);
  }
}

TEST(ShowCards, TurnsUpTheHandsOfComputersStillInAndTheDiscardTop) {
  // Player 1 knocked with 25 and keeps his places; player 3 is out and shows empty places;
  // players 2 (9) and 4 (27) hold their cards face down. The K♠ is the discard top.
  GameDir dir;
  ScriptedRandom random({});
  Game game(dir.path(), random);
  GameState& st = game.mutableState();
  Table& table = game.mutableTable();
  st.dealt = 1;
  st.honor = {0, 4, 4, 0, 4};
  st.knocked = {"", "T", "F", "F", "F"};
  st.p1value[5] = 25;
  testing::giveHand(st, 2, testing::hand("2C", "3C", "4C"));
  testing::giveHand(st, 4, testing::hand("8H", "9H", "10H"));
  st.deckpos = 20;
  st.deckcard[20] = "KS.JPG";
  for (int place = 1; place <= 3; ++place) {
    table.showPicture(cardPlace(1, place), "mine.JPG");
    for (int k = 2; k <= 4; ++k)
      table.showPicture(cardPlace(k, place), k == 3 ? kEmptyPlace : kCardBack);
  }

  game.showcards();

  for (int place = 1; place <= 3; ++place) {
    const auto i = static_cast<std::size_t>(place);
    EXPECT_EQ(table[cardPlace(1, place)], "mine.JPG");
    EXPECT_EQ(table[cardPlace(2, place)], st.p2card[i]);
    EXPECT_EQ(table[cardPlace(3, place)], kEmptyPlace);
    EXPECT_EQ(table[cardPlace(4, place)], st.p4card[i]);
  }
  EXPECT_EQ(table[Control::Picture15], "KS.JPG");
  EXPECT_EQ(table.text(Control::Text2), "Oma Pays.");  // the scoring followed
}

TEST(TotalsFile, AWinThatCannotBeSavedIsWrittenBeforeTheNextGameReadsTheFile) {
  // Players 3 and 4 are out, player 2 has 1 point left. Player 1 holds A♥ K♥ 2♣ and has
  // drawn Q♥; throwing the 2♣ makes 31, player 2 pays his last point and player 1 wins.
  GameDir dir;
  std::vector<float> numbers = testing::identityShuffle();  // a deal that stops at totals.txt
  const std::vector<float> deal = testing::identityShuffle();
  numbers.insert(numbers.end(), deal.begin(), deal.end());
  numbers.insert(numbers.end(), {0.99f, 0.99f, 0.99f});  // a deal and three computer turns
  ScriptedRandom random(numbers);
  Game game(dir.path(), random);
  GameState& st = game.mutableState();
  st.dealt = 1;
  st.turnphase = kDiscardPhase;
  st.honor = {0, 4, 1, 0, 0};
  st.knocked = {"", "F", "F", "F", "F"};
  st.finalturn = st.knocked;
  st.wins = {0, 2, 0, 0, 0};
  testing::giveHand(st, 1, testing::hand("AH", "KH", "2C"));
  const Card queen = card("QH");
  std::tie(st.p1card[4], st.p1suit[4], st.p1value[4]) =
      std::tie(queen.card, queen.suit, queen.value);
  st.discardbase = st.deckpos = 7;
  // A directory that is not empty cannot be replaced by a file, not even by root.
  namespace fs = std::filesystem;
  const fs::path totals = dir / kTotalsFile;
  fs::remove(totals);
  fs::create_directories(totals / "blocker");

  const ClickResult thrown = game.click(Control::Picture3);
  ASSERT_TRUE(thrown.error.has_value());
  EXPECT_NE(thrown.error->find("totals.txt"), std::string::npos) << *thrown.error;
  EXPECT_EQ(game.table().text(Control::Text1), "Pell wins all the honor!");
  EXPECT_EQ(game.table()[Control::total1], "3");
  EXPECT_EQ(st.dealt, 0);
  EXPECT_EQ(st.turnphase, kTakePhase);
  EXPECT_EQ(st.wins[1], 3);
  EXPECT_TRUE(game.totalsPending());

  // The next Deal finds the path still blocked: it stops there with the fault.
  const ClickResult blocked = game.click(Control::Command1);
  ASSERT_TRUE(blocked.error.has_value());
  EXPECT_NE(blocked.error->find("totals.txt"), std::string::npos) << *blocked.error;
  EXPECT_EQ(st.dealt, 0);
  EXPECT_TRUE(game.totalsPending());

  // With the file back as it was before that game, the next game start saves the win first.
  fs::remove_all(totals);
  writeFile(totals, kStartTotals);
  testing::stackDeck(dir.path(), {"2H", "5S", "9D"}, {"2C", "3D", "4S"}, {"5C", "6D", "7S"},
                     {"8C", "9H", "10S"}, "2D", {"3S", "3C", "3H"});
  const ClickResult dealt = game.click(Control::Command1);
  EXPECT_FALSE(dealt.error.has_value()) << *dealt.error;
  EXPECT_FALSE(game.totalsPending());
  EXPECT_EQ(readFile(totals), "3,0,0,0\r\n");
  EXPECT_EQ(st.wins, (Arr<int16_t, 4>{0, 3, 0, 0, 0}));
  EXPECT_EQ(st.honor, (Arr<int16_t, 4>{0, 4, 4, 4, 4}));
  EXPECT_EQ(random.remaining(), 0u);
}

}  // namespace
}  // namespace korvo
