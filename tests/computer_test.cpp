#include <gtest/gtest.h>

#include <cmath>

#include "game/game.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::card;
using testing::hand;

const char* const kPrefix[] = {"", "", "Oma ", "Tobin ", "Wenna "};
void (Game::*const kTurns[])() = {nullptr, nullptr, &Game::player2, &Game::player3, &Game::player4};
const float kNearOne = std::nextafter(1.0f, 0.0f);
// 5/6 in single precision lies just below 5/6: r x 6 is 4.9999999 exactly, but 5 once the
// product is rounded to single precision.
const float kBelowFiveSixths = 5.0f / 6.0f;

// A round under way: everybody in with 4 points and nobody knocked; Pell holds the lowest
// total (5). The discard pile's top is the 2♣ at 13; the draw pile starts 2♦, 3♠. Neither 2
// is wanted by a hand of 18 or more, and a drawn 2♦ is thrown straight back.
struct Position {
  explicit Position(std::vector<float> numbers)
      : random(std::move(numbers)), game(dir.path(), random) {
    st().dealt = 1;
    for (int k = 1; k <= kPlayers; ++k) {
      st().honor[k] = 4;
      st().knocked[k] = st().finalturn[k] = kNo;
    }
    testing::giveHand(st(), 1, hand("3C", "4D", "5S"));
    testing::giveHand(st(), 2, hand("6C", "7D", "8S"));
    testing::giveHand(st(), 3, hand("9C", "10D", "JS"));
    testing::giveHand(st(), 4, hand("QC", "KD", "AS"));
    put(13, "2C");
    put(14, "2D");
    put(15, "3S");
    st().deckpos = st().discardbase = 13;
  }
  void put(int pos, const std::string& name) { testing::putCard(st(), pos, card(name)); }
  void give(int k, const Hand& h) { testing::giveHand(st(), k, h); }
  void turn(int k) { (game.*kTurns[k])(); }
  GameState& st() { return game.mutableState(); }
  const std::string& text(int k) const { return game.table().text(textBox(k)); }
  std::string took(int k, const char* card) const {
    return kPrefix[k] + std::string("Takes from pile. ") + card;
  }

  testing::GameDir dir;
  ScriptedRandom random;
  Game game;
};

// A hand worth t (18..30): K♥ with a heart making t and an odd 2♠, or K♥ Q♥ and a third heart.
Hand handWorth(int t) {
  const auto heart = [](int v) { return (v == 11 ? std::string("A") : std::to_string(v)) + "H"; };
  return t <= 21 ? hand("KH", heart(t - 10), "2S") : hand("KH", "QH", heart(t - 20));
}

TEST(ComputerTurn, KnocksAboveTheRandomThreshold) {
  struct Case {
    int player;
    int total;
    float r;
    bool knocks;
  };
  // Threshold floor(r x m) + a: Oma 20..25, Tobin 19..25, Wenna 18..23.
  // clang-format off
  const Case cases[] = {
      {2, 20, 0.0f, false}, {2, 21, 0.0f, true}, {2, 25, kNearOne, false}, {2, 26, kNearOne, true},
      {2, 25, kBelowFiveSixths, false},
      {3, 19, 0.0f, false}, {3, 20, 0.0f, true}, {3, 20, 0.1428f, true}, {3, 20, 0.143f, false},
      {3, 25, kNearOne, false}, {3, 26, kNearOne, true},
      {4, 18, 0.0f, false}, {4, 19, 0.0f, true}, {4, 20, 0.333f, true}, {4, 20, 0.334f, false},
      {4, 23, kNearOne, false}, {4, 24, kNearOne, true}, {4, 23, kBelowFiveSixths, false}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.player) + " at " + std::to_string(c.total) +
                 ", r=" + std::to_string(c.r));
    Position t({c.r});
    t.give(c.player, handWorth(c.total));
    ASSERT_EQ(t.st().hand(c.player).value[5], c.total);
    t.turn(c.player);
    EXPECT_EQ(t.random.drawn(), 1u);
    EXPECT_EQ(t.st().knocked[c.player], c.knocks ? kYes : kNo);
    // A knocking player takes no card; one that does not draws the 2♦ and throws it back.
    EXPECT_EQ(t.text(c.player), c.knocks ? "Knock!" : t.took(c.player, "2♦"));
    EXPECT_EQ(t.st().deckpos, c.knocks ? 13 : 14);
  }
}

TEST(ComputerTurn, AfterAnotherPlayersKnockOrKorvo) {
  struct Case {
    int player;
    int other;
    const char* status;  // the other player's knocked
  };
  const Case cases[] = {{2, 1, "T"}, {3, 4, "T"}, {4, 2, "T"}, {2, 3, "B"}, {4, 1, "B"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.player) + " after " + c.status);
    // r = 0 would make any hand above 20 knock; the second number serves a second turn.
    Position t({0.0f, 0.0f});
    t.give(c.player, hand("AH", "KH", "QH"));
    t.st().knocked[c.other] = c.status;
    t.turn(c.player);
    // Holding 31, the player neither declares it nor knocks: it draws, and throws the 2♦.
    const bool knock = std::string(c.status) == kYes;
    EXPECT_EQ(t.st().finalturn[c.player], knock ? kYes : kNo);
    EXPECT_EQ(t.st().knocked[c.player], kNo);
    EXPECT_EQ(t.text(c.player), t.took(c.player, "2♦"));
    EXPECT_EQ(t.st().dealt, 1);
    EXPECT_EQ(t.random.drawn(), 1u);

    const GameState before = t.game.state();
    const Table table = t.game.table();
    t.turn(c.player);
    if (knock) {  // the final turn is over: nothing changes and no number is drawn
      EXPECT_EQ(t.game.state(), before);
      EXPECT_EQ(t.game.table(), table);
    } else {  // "B" gives no final turn: the player plays on, drawing the 3♠
      EXPECT_EQ(t.text(c.player), t.took(c.player, "3♠"));
    }
    EXPECT_EQ(t.random.drawn(), knock ? 1u : 2u);
  }
}

TEST(ComputerTurn, PlayComingBackToTheKnockerShowsTheCards) {
  for (int k = 2; k <= 4; ++k) {
    SCOPED_TRACE(k);
    Position t({});
    t.give(k, hand("KH", "QH", "JH"));
    t.st().knocked[k] = kYes;
    for (int other = 1; other <= kPlayers; ++other) {
      if (other != k) t.st().finalturn[other] = kYes;
    }
    t.turn(k);
    EXPECT_EQ(t.text(k), "Show Cards!");
    // The show-down: the computer hands face up, Pell's 5 the lowest total pays.
    for (int p = 2; p <= 4; ++p) {
      for (int place = 1; place <= 3; ++place) {
        EXPECT_EQ(t.game.table()[cardPlace(p, place)], t.st().hand(p).card[place]);
      }
    }
    EXPECT_EQ(t.text(1), "Pell Pays.");
    EXPECT_EQ(t.st().honor[1], 3);
    EXPECT_EQ(t.st().dealt, 0);
    EXPECT_EQ(t.st().deckpos, 13);
  }
}

TEST(ComputerTurn, ThirtyOneEndsTheRound) {
  struct Case {
    int player;
    Hand hand;
    const char* discard;  // the top of the discard pile at 13
    const char* drawn;    // the first card of the draw pile at 14
    int deckpos;          // after the turn: the top of the discard pile, the 5♠ if thrown
    unsigned randoms;
  };
  const Hand dealt31 = hand("AH", "KH", "QH"), twentyOne = hand("AH", "KH", "5S");
  const Case cases[] = {
      // Dealt 31: declared before the knock decision, with no random number and no draw.
      {2, dealt31, "2C", "2D", 13, 0},
      {3, hand("QH", "AH", "KH"), "2C", "2D", 13, 0},
      {4, hand("KH", "QH", "AH"), "2C", "2D", 13, 0},
      // 21 does not knock at r near 1; the Q♥ from either pile makes 31 and the 5♠ goes.
      {2, twentyOne, "QH", "2D", 13, 1},
      {3, twentyOne, "2C", "QH", 14, 1},
      {4, twentyOne, "QH", "2D", 13, 1},
      {4, twentyOne, "2C", "QH", 14, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.player) + " " + c.discard + " " + c.drawn);
    Position t(c.randoms == 0 ? std::vector<float>{} : std::vector<float>{kNearOne});
    t.give(c.player, c.hand);
    t.put(13, c.discard);
    t.put(14, c.drawn);
    t.turn(c.player);
    EXPECT_EQ(t.st().knocked[c.player], kKorvo);
    EXPECT_EQ(t.random.drawn(), c.randoms);
    EXPECT_EQ(t.st().deckpos, c.deckpos);
    EXPECT_EQ(t.st().deckcard[c.deckpos], c.randoms == 0 ? "2C.JPG" : "5S.JPG");
    EXPECT_EQ(t.game.table()[Control::Picture15], t.st().deckcard[c.deckpos]);
    // "Korvo!" is replaced at once by the show-down's message; everybody else pays.
    EXPECT_EQ(t.text(c.player), "Korvo Everybody Pays.");
    for (int k = 1; k <= kPlayers; ++k) EXPECT_EQ(t.st().honor[k], k == c.player ? 4 : 3);
    EXPECT_EQ(t.st().dealt, 0);
  }
}

}  // namespace
}  // namespace korvo
