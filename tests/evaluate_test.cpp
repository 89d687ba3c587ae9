#include "game/evaluate.h"

#include <gtest/gtest.h>

#include <tuple>

#include "game/game.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::card;

// The best suit and total, from the pure rule and from lookatcards, which must change nothing
// but element 5 of evalsuit and evalvalue (marks lie in the elements it must not touch).
void expectWorth(const Hand& h, const std::string& suit, Value total, const std::string& what) {
  const Evaluation e = evaluate(h);
  EXPECT_EQ(h[static_cast<std::size_t>(e.best)].suit, suit) << what;
  EXPECT_EQ(e.total, total) << what;

  ScriptedRandom random({});
  Game game("/nonexistent", random);
  GameState& st = game.mutableState();
  for (int i = 1; i <= 3; ++i) {
    const Card& c = h[static_cast<std::size_t>(i - 1)];
    std::tie(st.evalcard[i], st.evalsuit[i], st.evalvalue[i]) = std::tie(c.card, c.suit, c.value);
  }
  std::tie(st.evalcard[0], st.evalsuit[4], st.evalvalue[4], st.evalsuit[5]) =
      std::tuple("zero", "four", 44, "stale");
  GameState expected = st;
  expected.evalsuit[5] = suit;
  expected.evalvalue[5] = total;
  const Table table = game.table();
  game.lookatcards();
  EXPECT_EQ(game.state(), expected) << what;
  EXPECT_EQ(game.table(), table) << what;
}

Card c(const char* suit, Value value) {
  return {std::string(suit) + std::to_string(value), suit, value};
}

TEST(Evaluate, WorkedExamplesAndTies) {
  struct Case {
    const char* what;
    Hand hand;
    const char* bestSuitOf;  // a card name of the best suit
    Value total;
  };
  const Case cases[] = {
      // The worked examples.
      {"one suit", testing::hand("AH", "KH", "QH"), "AH", 31},
      {"pair 21 beats 10", testing::hand("AH", "KH", "10S"), "AH", 21},
      {"pair 11 ties single 11 (card 3)", testing::hand("2H", "9H", "AS"), "AS", 11},
      {"pair 11 ties single 11 (card 1)", testing::hand("AH", "6S", "5S"), "AH", 11},
      {"pair of cards 2 and 3", testing::hand("5H", "10S", "9S"), "10S", 19},
      {"pair of cards 1 and 3", testing::hand("10S", "3H", "2S"), "10S", 12},
      {"pair 9 ties single 9 (card 2)", testing::hand("3H", "9D", "6H"), "9D", 9},
      {"card 1 strictly highest", testing::hand("AH", "KS", "10D"), "AH", 11},
      {"tie of cards 1 and 2: card 2", testing::hand("10H", "KS", "5D"), "KS", 10},
      {"tie of cards 1 and 3: card 3", testing::hand("10H", "5S", "JD"), "JD", 10},
      {"three-way tie: card 3", testing::hand("7H", "7S", "7D"), "7D", 7},
      {"card 2 highest", testing::hand("2H", "9S", "4D"), "9S", 9},
      // Three of one suit always count all three, also below 31.
      {"one suit, 9", testing::hand("4C", "2C", "3C"), "4C", 9},
      {"one suit, 30", testing::hand("KD", "QD", "JD"), "KD", 30},
      // A pair one above the odd card wins, whichever place the odd card holds.
      {"pair 12 beats 11 (card 3)", testing::hand("3H", "9H", "AS"), "3H", 12},
      {"pair 12 beats 11 (card 1)", testing::hand("AH", "7S", "5S"), "7S", 12},
      {"pair 10 beats 9 (card 2)", testing::hand("3H", "9D", "7H"), "3H", 10},
      // Three suits: the card further right wins a tie for the highest value.
      {"tie of cards 2 and 3: card 3", testing::hand("5H", "QS", "KD"), "KD", 10},
      {"card 3 strictly highest", testing::hand("5H", "4S", "6D"), "6D", 6},
      {"card 1 below a tie", testing::hand("2H", "AS", "AD"), "AD", 11},
  };
  for (const auto& t : cases) expectWorth(t.hand, card(t.bestSuitOf).suit, t.total, t.what);
}

TEST(Evaluate, SuitsDifferingInCaseAreDifferentSuits) {
  // Read as one suit, each hand would count all three cards.
  expectWorth({c("x", 5), c("X", 6), c("x", 4)}, "x", 9, "pair of cards 1 and 3 in x");
  expectWorth({c("X", 3), c("x", 3), c("x", 3)}, "x", 6, "pair of cards 2 and 3 in x");
  expectWorth({c("x", 7), c("x", 2), c("X", 9)}, "X", 9, "pair 9 ties the X card");
}

}  // namespace
}  // namespace korvo
