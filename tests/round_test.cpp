// Rounds played through the table's clicks: the Deal button, the computer players' passes,
// player 1's takes, discards and knock, and whole games.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <tuple>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "tests/invariants.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::GameDir;
using testing::readFile;
using enum Control;

// floor(0.99 x m) + a is the highest threshold: 25 for Oma and Tobin, 23 for Wenna.
constexpr float kNoKnock = 0.99f;

// The cards dealt to each player, the discard 2♠ and the draw pile. By default a quiet deal:
// player 1 holds 10♣ J♦ Q♥ (10); no computer takes a discard: each draws a low card of the one
// suit it lacks and throws it at once, so its hand stays as dealt.
struct Deal {
  std::vector<std::string> p1{"10C", "JD", "QH"}, p2{"7S", "7C", "7H"}, p3{"8S", "8D", "8H"},
      p4{"9C", "9D", "9H"}, pile{"3S", "2C", "2D", "4S", "3C", "3D", "5S"};
};
// Wenna holds A♣ K♣ 3♣ (24) and always knocks.
const Deal kWennaKnocks{.p4 = {"AC", "KC", "3C"}, .pile = {"2C", "2D", "4S"}};

// A game on a stacked deck, dealt unless `deal` is empty; the random numbers are the deal's
// and `more`.
struct Play {
  explicit Play(const std::vector<float>& more, std::optional<Deal> deal = Deal{})
      : random(testing::dealNumbers(1, more)), game(dir.path(), random) {
    if (!deal) return;
    testing::stackDeck(dir.path(), deal->p1, deal->p2, deal->p3, deal->p4, "2S", deal->pile);
    click(Command1);
  }
  GameDir dir;
  ScriptedRandom random;
  Game game;
  const GameState& st() const { return game.state(); }
  const std::string& shown(Control c) const { return game.table()[c]; }
  std::array<std::string, 4> texts() const {
    return {shown(Text1), shown(Text2), shown(Text3), shown(Text4)};
  }
  void click(Control c) {
    const ClickResult r = game.click(c);
    ASSERT_FALSE(r.error.has_value()) << *r.error;
  }
};

TEST(Round, Scenarios) {
  const Table start;
  const struct {
    const char* what;
    int decisions;  // computer knock decisions, all made: kNoKnock each
    Deal deal;
    std::vector<Control> clicks;
    std::array<std::string, 4> texts;
    Arr<int16_t, 4> honor;
    const char* pileTop;
    const char* omasFirst;  // turned up by the show-down
  } cases[] = {
      // clang-format off
      {"dealt 31: the round ends before any computer moves", 0, {.p1 = {"AH", "KH", "QH"}}, {},
       {"Korvo Everybody Pays.", start[Text2], start[Text3], start[Text4]},
       {0, 4, 3, 3, 3}, "2S.JPG", "7S.JPG"},
      {"the first pass moves Wenna, Tobin and Oma, then it is Pell's turn", 3, {}, {},
       {"Pell, it's your turn.", "Oma Takes from pile. 2♦", "Tobin Takes from pile. 2♣",
        "Wenna Takes from pile. 3♠"},
       {0, 4, 4, 4, 4}, "2D.JPG", kCardBack},
      {"Tobin is dealt 31, moves after Wenna and Oma must not move", 1,
       {.p3 = {"AS", "KS", "QS"}}, {},
       {start[Text1], start[Text2], "Korvo Everybody Pays.", "Wenna Takes from pile. 3♠"},
       {0, 3, 3, 4, 3}, "3S.JPG", "7S.JPG"},
      // Pell 10, Oma 7, Tobin 8, Wenna 9: Oma pays.
      {"Pell knocks, the others take their last turns, then the show-down", 6, {}, {Command2},
       {"Show Cards!", "Oma Pays.", "Tobin Takes from pile. 3♣", "Wenna Takes from pile. 4♠"},
       {0, 4, 3, 4, 4}, "3D.JPG", "7S.JPG"},
      {"Wenna knocks; Pell's last turn, Tobin's and Oma's, then the show-down", 3, kWennaKnocks,
       {Picture14, Picture4},
       {"Pell takes from pile. 4♠", "Oma Pays.", "Tobin Takes from pile. 2♣", "Show Cards!"},
       {0, 4, 3, 4, 4}, "4S.JPG", "7S.JPG"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Play p(std::vector<float>(static_cast<std::size_t>(c.decisions), kNoKnock), c.deal);
    for (Control click : c.clicks) p.click(click);
    EXPECT_EQ(p.texts(), c.texts);
    EXPECT_EQ(p.st().honor, c.honor);
    EXPECT_EQ(p.shown(Picture15), c.pileTop);
    EXPECT_EQ(p.shown(Picture5), c.omasFirst);
    EXPECT_EQ(p.random.remaining(), 0u);
  }
}

TEST(Round, PellThrowingBackTheCardHeTookLeavesHisHandAndTheCardOnTopOfThePile) {
  // The drawn 4♠ lands on the pile one place higher; the taken discard 2♦ returns to its place.
  // Wenna, Tobin and Oma then each draw and throw one card.
  const struct {
    Control take;
    std::string message, taken, shortName;
    const char* pileWhileHeld;  // the old top, or the card under the one taken
    int16_t at;                 // the deck position of the card thrown back
  } cases[] = {{Picture14, "Pell takes from pile.", "4S", "4♠", "2D.JPG", 17},
               {Picture15, "Pell takes discard.", "2D", "2♦", "2C.JPG", 16}};
  for (const auto& t : cases) {
    SCOPED_TRACE(t.message);
    Play p(std::vector<float>(6, kNoKnock));
    auto hand = p.st().p1card;
    hand[4] = t.taken + ".JPG";  // place 4 keeps the card thrown from it
    p.click(t.take);
    EXPECT_EQ(p.shown(Text1), t.message);
    EXPECT_EQ(p.shown(Picture4), hand[4]);
    EXPECT_EQ(p.shown(Picture15), t.pileWhileHeld);
    EXPECT_EQ(p.st().deckpos, t.at);
    p.click(Picture4);
    EXPECT_EQ(p.shown(Text1), t.message + " " + t.shortName);
    EXPECT_EQ(p.st().deckcard[t.at], hand[4]);
    EXPECT_EQ(p.st().deckpos, t.at + 3);
    EXPECT_EQ(p.st().p1card, hand);
    EXPECT_EQ(p.shown(Picture4), kEmptyPlace);
  }
}

TEST(Round, ADrawFromAnEmptyPileShufflesTheDiscardsUnderTheTopIntoANewPile) {
  // After the first pass the discard pile is taken to reach position 52: its 39 cards under
  // the top get descending keys, so the new draw pile is their reverse order.
  std::vector<float> numbers{kNoKnock, kNoKnock, kNoKnock};
  for (int j = 1; j <= 39; ++j) numbers.push_back(testing::keyNumber(300 - j));
  Play p(numbers);
  GameState& st = p.game.mutableState();
  st.deckpos = 52;
  const GameState before = st;
  const Table shown = p.game.table();
  const std::string file = readFile(p.dir / kCardFile);

  p.click(Picture14);
  EXPECT_EQ(p.random.remaining(), 0u);
  for (int i = 0; i <= 39; ++i) EXPECT_EQ(st.deckcard[13 + i], before.deckcard[52 - i]) << i;
  EXPECT_EQ(st.deckpos, 14);
  EXPECT_EQ(p.shown(Picture4), before.deckcard[51]);
  EXPECT_EQ(p.shown(Picture15), shown[Picture15]);
  EXPECT_EQ(readFile(p.dir / kCardFile), file);
}

TEST(Round, WhilePellIsOutOneDealPlaysTheGameToItsEnd) {
  GameDir dir;
  SeededRandom random(7);
  Game game(dir.path(), random);
  // Between rounds of a game: Pell is out, the others hold 2 points each.
  game.mutableState().honor = {0, 0, 2, 2, 2};
  game.mutableState().pot = 10;
  ASSERT_FALSE(game.click(Command1).error.has_value());
  const GameState& st = game.state();
  for (int k = 1; k <= 4; ++k) EXPECT_LT(st.honor[k], 1) << k;
  EXPECT_EQ(st.wins[1], 0);
  EXPECT_EQ(st.wins[2] + st.wins[3] + st.wins[4], 1);
  const Wins saved{st.wins[1], st.wins[2], st.wins[3], st.wins[4]};
  EXPECT_EQ(readFile(dir / kTotalsFile), formatTotals(saved));

  // The next Deal starts a new game: the counts read back, 4 points each, Pell deals in.
  ASSERT_FALSE(game.click(Command1).error.has_value());
  ASSERT_EQ(st.dealt, 1) << "seed 7 is chosen so that no show-down follows this deal";
  EXPECT_EQ(st.honor, (Arr<int16_t, 4>{0, 4, 4, 4, 4}));
  EXPECT_EQ(st.pot, 0);
  EXPECT_EQ(st.wins, (Arr<int16_t, 4>{0, saved[0], saved[1], saved[2], saved[3]}));
}

TEST(Round, RefusedClicksChangeNothingAtAll) {
  const struct {
    const char* why;
    std::optional<Deal> deal;
    std::vector<Control> toReach, refused;  // the clicks that reach the position, then the test's
    bool pellOut = false;  // then put out as a deal leaves him when he has no points left
  } cases[] = {
      // clang-format off
      {"no deal yet", std::nullopt, {}, {Command2, Picture14, Picture15, Picture1, Picture4}},
      {"discard in the take phase, Deal in a round, controls without a handler", Deal{}, {},
       {Picture1, Picture2, Picture3, Picture4, Command1, Picture5, Picture10, Picture13, Text1,
        Label1, Label2, total1, Image1, Image5}},
      {"a second take, a knock after taking", Deal{}, {Picture14},
       {Picture14, Picture15, Command2, Command1}},
      {"after the knock's show-down: a second knock, takes and discards", Deal{}, {Command2},
       {Command2, Picture14, Picture15, Picture2}},
      {"Wenna has knocked", kWennaKnocks, {}, {Command2}},
      {"Pell is out", Deal{}, {}, {Command2, Picture14, Picture15, Picture1, Picture4, Command1},
       true},
      // clang-format on
  };
  for (const auto& r : cases) {
    for (Control c : r.refused) {
      SCOPED_TRACE(std::string(r.why) + ": " + std::string(controlName(c)));
      Play p(std::vector<float>(9, kNoKnock), r.deal);
      for (Control click : r.toReach) p.click(click);
      if (r.pellOut) {
        p.game.mutableState().honor[1] = 0;
        p.game.mutableState().turnphase = kClosedPhase;
      }
      const auto now = [&] { return std::tuple(p.st(), p.game.table(), p.random.drawn()); };
      const auto before = now();
      EXPECT_FALSE(p.game.click(c).error.has_value());
      EXPECT_TRUE(now() == before);
    }
  }
}

// The whole game, many times over: a simple human player against the three computers, with
// the rules' bookkeeping checked after every click.

TEST(WholeGames, AThousandGamesKeepEveryCardThePointsAndTheFiles) {
  // Every deal flushes cardfile.txt to disk; a directory in memory keeps the run quick.
  namespace fs = std::filesystem;
  const GameDir dir(fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path());
  SeededRandom random(20240611);
  Game game(dir.path(), random);
  std::mt19937 human(97);
  const GameState& st = game.state();
  const Deck deck = standardDeck();
  int games = 0;
  long clicks = 0, clicksThisGame = 0;

  while (games < 1000) {
    const Control c = st.dealt != 1                ? Command1
                      : st.turnphase != kTakePhase ? pictureBox(1 + static_cast<int>(human() % 4))
                      : human() % 10 == 0          ? Command2
                      : human() % 2                ? Picture14
                                                   : Picture15;
    const bool wasIn = invariants::anyoneIn(st);
    const ClickResult r = game.click(c);
    ++clicks;
    ASSERT_FALSE(r.error.has_value()) << *r.error;
    ASSERT_LT(++clicksThisGame, 100000) << "game " << games << " does not end";

    const std::vector<std::string> faults = invariants::checkState(st, game.table(), deck);
    ASSERT_TRUE(faults.empty()) << "click " << clicks << ": " << faults.front();
    const bool gameEnded = wasIn && !invariants::anyoneIn(st);
    if (gameEnded) {
      ++games;
      clicksThisGame = 0;
    }
    if (c == Command1 || gameEnded) {
      const auto fileFaults = invariants::checkFiles(dir.path(), st, deck, games);
      ASSERT_TRUE(fileFaults.empty()) << "click " << clicks << ": " << fileFaults.front();
    }
  }
}

}  // namespace
}  // namespace korvo
