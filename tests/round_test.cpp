// Rounds played through the table's clicks: the Deal button, the computer players' passes,
// player 1's takes, discards and knock, and whole games.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "tests/invariants.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::card;
using testing::GameDir;
using testing::readFile;
using enum Control;

// floor(0.99 x m) + a is the highest threshold: 25 for Oma and Tobin, 23 for Wenna.
constexpr float kNoKnock = 0.99f;

// The deal's 52 numbers that keep the stacked order, then `more`.
std::vector<float> afterDeal(std::vector<float> more) {
  std::vector<float> numbers = testing::identityShuffle();
  numbers.insert(numbers.end(), more.begin(), more.end());
  return numbers;
}

// "Takes from pile. " and the like followed by the card's value and suit, as "2♠".
std::string valueAndSuit(const std::string& name) {
  const Card c = card(name);
  return std::to_string(c.value) + c.suit;
}

// A quiet deal: player 1 holds 10♣ J♦ Q♥ (10); Oma 7♠ 7♣ 7♥, Tobin 8♠ 8♦ 8♥, Wenna 9♣ 9♦ 9♥.
// The discard is 2♠. No computer takes a discard: each draws a low card of the one suit it
// lacks and throws it at once, so its hand stays as dealt.
void stackQuietFor(const std::filesystem::path& dir, std::vector<std::string> p1) {
  testing::stackDeck(dir, p1, {"7S", "7C", "7H"}, {"8S", "8D", "8H"}, {"9C", "9D", "9H"}, "2S",
                     {"3S", "2C", "2D", "4S", "3C", "3D", "5S"});
}

// As the quiet deal, but Wenna holds A♣ K♣ 3♣ (24) and always knocks.
void stackQuiet(const std::filesystem::path& dir) {
  stackQuietFor(dir, {"10C", "JD", "QH"});
}

void stackWennaKnocks(const std::filesystem::path& dir) {
  testing::stackDeck(dir, {"10C", "JD", "QH"}, {"7S", "7C", "7H"}, {"8S", "8D", "8H"},
                     {"AC", "KC", "3C"}, "2S", {"2C", "2D", "4S"});
}

using Stack = void (*)(const std::filesystem::path&);

// A game on the deck that `stack` lays out, dealt unless `stack` is null; the random numbers
// are the deal's and `more`.
struct Play {
  explicit Play(std::vector<float> more, Stack stack = stackQuiet)
      : random(afterDeal(std::move(more))), game(dir.path(), random) {
    if (stack == nullptr) return;
    stack(dir.path());
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

using Texts = std::array<std::string, 4>;
using PerPlayer = Arr<int16_t, 4>;
const Table kStart;

TEST(Round, DealtThirtyOneEndsTheRoundBeforeAnyComputerMoves) {
  Play p({}, [](const std::filesystem::path& dir) { stackQuietFor(dir, {"AH", "KH", "QH"}); });
  EXPECT_EQ(p.st().knocked[1], kKorvo);
  EXPECT_EQ(p.texts(),
            (Texts{"Korvo Everybody Pays.", kStart[Text2], kStart[Text3], kStart[Text4]}));
  EXPECT_EQ(p.st().honor, (PerPlayer{0, 4, 3, 3, 3}));
  EXPECT_EQ(p.st().deckpos, 13);
  EXPECT_EQ(p.shown(Picture5), "7S.JPG");  // the show-down turned the hands up
  EXPECT_EQ(p.st().dealt, 0);
  EXPECT_EQ(p.game.random().drawn(), 52u);
}

TEST(Round, FirstPassMovesWennaTobinAndOmaThenItIsPellsTurn) {
  Play p({kNoKnock, kNoKnock, kNoKnock});
  EXPECT_EQ(p.texts(), (Texts{"Pell, it's your turn.", "Oma Takes from pile. " + valueAndSuit("2D"),
                              "Tobin Takes from pile. " + valueAndSuit("2C"),
                              "Wenna Takes from pile. " + valueAndSuit("3S")}));
  EXPECT_EQ(p.st().deckpos, 16);
  EXPECT_EQ(p.shown(Picture15), "2D.JPG");
  EXPECT_EQ(p.st().dealt, 1);
  EXPECT_EQ(p.st().turnphase, kTakePhase);
  EXPECT_EQ(p.random.remaining(), 0u);
}

TEST(Round, AComputerThirtyOneEndsThePassBeforeTheNextComputer) {
  // Tobin is dealt A♠ K♠ Q♠. Wenna moves first; Oma, after Tobin, must not move.
  Play p({kNoKnock}, [](const std::filesystem::path& dir) {
    testing::stackDeck(dir, {"10C", "JD", "QH"}, {"7C", "7D", "7H"}, {"AS", "KS", "QS"},
                       {"9C", "9D", "9H"}, "2S", {"3S"});
  });
  EXPECT_EQ(p.texts(), (Texts{kStart[Text1], kStart[Text2], "Korvo Everybody Pays.",
                              "Wenna Takes from pile. " + valueAndSuit("3S")}));
  EXPECT_EQ(p.st().knocked[3], kKorvo);
  EXPECT_EQ(p.st().honor, (PerPlayer{0, 3, 3, 4, 3}));
  EXPECT_EQ(p.st().deckpos, 14);
  EXPECT_EQ(p.st().dealt, 0);
  EXPECT_EQ(p.random.remaining(), 0u);
}

TEST(Round, PellKnocksTheOthersTakeTheirLastTurnsThenTheShowDown) {
  // Each computer draws one number for its knock decision but may not knock.
  Play p(std::vector<float>(6, kNoKnock));
  p.click(Command2);
  EXPECT_EQ(p.random.remaining(), 0u);
  EXPECT_EQ(p.st().knocked, (Arr<std::string, 4>{"", "T", "F", "F", "F"}));
  EXPECT_EQ(p.st().finalturn, (Arr<std::string, 4>{"", "F", "T", "T", "T"}));
  // Pell 10, Oma 7, Tobin 8, Wenna 9: Oma pays.
  EXPECT_EQ(p.texts(),
            (Texts{"Show Cards!", "Oma Pays.", "Tobin Takes from pile. " + valueAndSuit("3C"),
                   "Wenna Takes from pile. " + valueAndSuit("4S")}));
  EXPECT_EQ(p.st().honor, (PerPlayer{0, 4, 3, 4, 4}));
  EXPECT_EQ(p.shown(Picture15), "3D.JPG");
  EXPECT_EQ(p.st().deckpos, 19);
  EXPECT_EQ(p.st().dealt, 0);
  EXPECT_EQ(p.st().turnphase, kTakePhase);
}

TEST(Round, AComputerKnockEndsTheRoundWhenPlayComesBackAfterPellsLastTurn) {
  Play p({kNoKnock, kNoKnock, kNoKnock}, stackWennaKnocks);
  EXPECT_EQ(p.shown(Text4), "Knock!");
  EXPECT_EQ(p.st().finalturn, (Arr<std::string, 4>{"", "F", "T", "T", "F"}));
  EXPECT_EQ(p.shown(Text1), "Pell, it's your turn.");

  p.click(Picture14);
  p.click(Picture4);
  EXPECT_EQ(p.st().finalturn[1], kYes);
  EXPECT_EQ(p.texts(), (Texts{"Pell takes from pile. " + valueAndSuit("4S"), "Oma Pays.",
                              "Tobin Takes from pile. " + valueAndSuit("2C"), "Show Cards!"}));
  EXPECT_EQ(p.shown(Picture11), "AC.JPG");
  EXPECT_EQ(p.shown(Picture15), "4S.JPG");
  EXPECT_EQ(p.st().honor, (PerPlayer{0, 4, 3, 4, 4}));
  EXPECT_EQ(p.st().dealt, 0);
  EXPECT_EQ(p.random.remaining(), 0u);
}

TEST(Round, PellThrowingBackTheCardHeTookLeavesHisHandAndTheCardOnTopOfThePile) {
  // The drawn 4♠ lands on the pile one place higher; the taken discard 2♦ returns to its place.
  // Wenna, Tobin and Oma then each draw and throw one card.
  struct Case {
    Control take;
    const char* message;
    const char* taken;
    const char* pileWhileHeld;  // the old top, or the card under the one taken
    int16_t at;                 // the deck position of the card thrown back
  };
  for (const Case& t : {Case{Picture14, "Pell takes from pile.", "4S", "2D", 17},
                        Case{Picture15, "Pell takes discard.", "2D", "2C", 16}}) {
    SCOPED_TRACE(t.message);
    Play p(std::vector<float>(6, kNoKnock));
    auto hand = p.st().p1card;
    p.click(t.take);
    EXPECT_EQ(p.shown(Text1), t.message);
    EXPECT_EQ(p.shown(Picture4), std::string(t.taken) + ".JPG");
    EXPECT_EQ(p.shown(Picture15), std::string(t.pileWhileHeld) + ".JPG");
    EXPECT_EQ(p.st().deckpos, t.at);
    p.click(Picture4);
    EXPECT_EQ(p.shown(Text1), t.message + (" " + valueAndSuit(t.taken)));
    EXPECT_EQ(p.st().deckcard[t.at], std::string(t.taken) + ".JPG");
    EXPECT_EQ(p.st().deckpos, t.at + 3);
    hand[4] = t.taken + std::string(".JPG");  // place 4 keeps the card thrown from it
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
  EXPECT_EQ(st.deckcard[13], before.deckcard[52]);
  for (int i = 1; i <= 39; ++i) EXPECT_EQ(st.deckcard[13 + i], before.deckcard[52 - i]) << i;
  EXPECT_EQ(st.deckpos, 14);
  EXPECT_EQ(st.p1card[4], before.deckcard[51]);
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
  EXPECT_EQ(st.dealt, 0);
  for (int k = 1; k <= 4; ++k) EXPECT_LT(st.honor[k], 1) << k;
  EXPECT_EQ(st.wins[1], 0);
  EXPECT_EQ(st.wins[2] + st.wins[3] + st.wins[4], 1);
  const auto winner = std::max_element(st.wins.begin() + 2, st.wins.end()) - st.wins.begin();
  EXPECT_EQ(game.table().text(textBox(static_cast<int>(winner))),
            std::string(shortName(static_cast<int>(winner))) + " wins all the honor!");
  EXPECT_EQ(game.table().text(Text1), "Pell is out!");
  EXPECT_EQ(game.table()[Image1], honorPicture(0));
  const Wins saved{st.wins[1], st.wins[2], st.wins[3], st.wins[4]};
  EXPECT_EQ(readFile(dir / kTotalsFile), formatTotals(saved));

  // The next Deal starts a new game: the counts read back, 4 points each, Pell deals in.
  ASSERT_FALSE(game.click(Command1).error.has_value());
  ASSERT_EQ(st.dealt, 1) << "seed 7 is chosen so that no show-down follows this deal";
  EXPECT_EQ(st.honor, (PerPlayer{0, 4, 4, 4, 4}));
  EXPECT_EQ(st.pot, 0);
  EXPECT_EQ(st.wins, (PerPlayer{0, saved[0], saved[1], saved[2], saved[3]}));
  EXPECT_EQ(game.table()[Image1], honorPicture(4));
  EXPECT_EQ(game.table().text(Text1), "Pell, it's your turn.");
}

// Positions from which refused clicks are tried.
enum class At { Start, TakePhase, DiscardPhase, BetweenRounds, ComputerKnocked, PellOut };

TEST(Round, RefusedClicksChangeNothingAtAll) {
  const struct {
    At at;
    std::vector<Control> clicks;
    const char* why;
  } cases[] = {
      {At::Start, {Command2, Picture14, Picture15, Picture1, Picture4}, "no deal yet"},
      {At::TakePhase,
       {Picture1, Picture2, Picture3, Picture4, Command1, Picture5, Picture10, Picture13, Text1,
        Label1, Label2, total1, Image1, Image5},
       "discard in the take phase, Deal in a round, controls without a handler"},
      {At::DiscardPhase,
       {Picture14, Picture15, Command2, Command1},
       "a second take, a knock after taking"},
      {At::BetweenRounds,
       {Command2, Picture14, Picture15, Picture2},
       "after the knock's show-down: a second knock, takes and discards"},
      {At::ComputerKnocked, {Command2}, "Wenna has knocked"},
      {At::PellOut, {Command2, Picture14, Picture15, Picture1, Picture4, Command1}, "Pell is out"},
  };
  for (const auto& r : cases) {
    for (Control c : r.clicks) {
      SCOPED_TRACE(std::string(r.why) + ": " + std::string(controlName(c)));
      Play p(std::vector<float>(9, kNoKnock), r.at == At::Start             ? nullptr
                                              : r.at == At::ComputerKnocked ? stackWennaKnocks
                                                                            : stackQuiet);
      if (r.at == At::DiscardPhase) p.click(Picture14);
      if (r.at == At::BetweenRounds) p.click(Command2);
      if (r.at == At::PellOut) {  // as a deal leaves it when Pell has no points left
        p.game.mutableState().honor[1] = 0;
        p.game.mutableState().turnphase = kClosedPhase;
      }
      const GameState state = p.st();
      const Table table = p.game.table();
      const uint64_t drawn = p.game.random().drawn();
      EXPECT_FALSE(p.game.click(c).error.has_value());
      EXPECT_TRUE(p.st() == state);
      EXPECT_TRUE(p.game.table() == table);
      EXPECT_EQ(p.game.random().drawn(), drawn);
    }
  }
}

// The whole game, many times over: a simple human player against the three computers, with
// the rules' bookkeeping checked after every click.

TEST(WholeGames, AThousandGamesKeepEveryCardThePointsAndTheFiles) {
  constexpr int kGames = 1000;
  const auto started = std::chrono::steady_clock::now();
  // Every deal flushes cardfile.txt to disk; a directory in memory keeps the run quick.
  const testing::TempDir memory(std::filesystem::is_directory("/dev/shm")
                                    ? "/dev/shm"
                                    : std::filesystem::temp_directory_path());
  const std::filesystem::path& dir = memory.path();
  initGameFiles(dir);
  SeededRandom random(20240611);
  Game game(dir, random);
  std::mt19937 human(97);
  const GameState& st = game.state();
  const Deck deck = standardDeck();
  int games = 0;
  long clicks = 0, clicksThisGame = 0;

  while (games < kGames) {
    Control c = Command1;
    if (st.dealt == 1 && st.turnphase == kTakePhase) {
      c = human() % 10 == 0 ? Command2 : (human() % 2 ? Picture14 : Picture15);
    } else if (st.dealt == 1) {
      c = pictureBox(1 + static_cast<int>(human() % 4));
    }
    const bool wasIn = invariants::anyoneIn(st);
    const ClickResult r = game.click(c);
    ++clicks;
    ASSERT_FALSE(r.error.has_value()) << *r.error;
    ASSERT_LT(++clicksThisGame, 100000) << "game " << games << " does not end";

    const std::vector<std::string> faults = invariants::checkState(st, game.table(), deck);
    ASSERT_TRUE(faults.empty()) << "click " << clicks << ": " << faults.front();
    if (c == Command1) {
      ASSERT_EQ(invariants::checkDeckFile(readCardFile(dir / kCardFile), deck), "");
    }
    if (wasIn && !invariants::anyoneIn(st)) {
      ++games;
      clicksThisGame = 0;
      const Wins totals = readTotalsFile(dir / kTotalsFile);
      ASSERT_EQ(totals, (Wins{st.wins[1], st.wins[2], st.wins[3], st.wins[4]}));
      ASSERT_EQ(totals[0] + totals[1] + totals[2] + totals[3], games);
    }
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::cout << "whole games: " << games << " games, " << clicks << " clicks, " << took.count()
            << " s\n";
}

}  // namespace
}  // namespace korvo
