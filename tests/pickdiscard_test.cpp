#include "players/pickdiscard.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "game/game.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using testing::putCard;

// "h5" is a card of suit "h" worth 5; the picture name says where the card came from.
Card parse(const std::string& text, const std::string& picture) {
  return {picture, text.substr(0, 1), std::stoi(text.substr(1))};
}

// A deck of filler cards ("z" suit), the scratch hand h and its evaluation in element 5.
void setUp(GameState& st, const std::string& text) {
  std::istringstream in(text);
  std::string t[3];
  in >> t[0] >> t[1] >> t[2];
  const Hand h{parse(t[0], "hand1"), parse(t[1], "hand2"), parse(t[2], "hand3")};
  for (int pos = 1; pos <= kDeckSize; ++pos)
    putCard(st, pos, {std::string("f") + std::to_string(pos), "z", 1});
  for (int i = 1; i <= 3; ++i) {
    const Card& c = h[static_cast<std::size_t>(i - 1)];
    std::tie(st.evalcard[i], st.evalsuit[i], st.evalvalue[i]) = std::tie(c.card, c.suit, c.value);
  }
  const Evaluation e = evaluate(h);
  st.evalsuit[5] = h[static_cast<std::size_t>(e.best)].suit;
  st.evalvalue[5] = e.total;
}

// pickcard, picksuit and pickvalue only carry the card within one call, and the keys of a
// reshuffle are its own affair: the rest of the state must be as wanted.
void expectState(const GameState& st, GameState want, const std::string& what) {
  std::tie(want.pickcard, want.picksuit, want.pickvalue, want.shufflekey, want.lowkey) =
      std::tie(st.pickcard, st.picksuit, st.pickvalue, st.shufflekey, st.lowkey);
  EXPECT_EQ(st, want) << what;
}

constexpr int kDrawn = 0;  // the drawn card is thrown away at once

struct Row {
  const char* what;
  const char* hand;
  const char* discard;
  const char* drawn;  // "" when the discard is to be taken
  int thrown;         // hand card 1..3, or kDrawn
};

// Runs PICKANDDISCARD on a deck whose discard pile tops out at position 20 with the row's
// discard, and the drawn card next.
void play(const Row& r) {
  ScriptedRandom random({});
  Game game("/nonexistent", random);
  GameState& st = game.mutableState();
  setUp(st, r.hand);
  const Card d = parse(r.discard, "discard");
  const bool draws = *r.drawn;
  const Card in = draws ? parse(r.drawn, "drawn") : d;
  st.deckpos = 20;
  st.discardbase = 13;
  putCard(st, 20, d);
  if (draws) putCard(st, 21, in);
  GameState want = st;
  want.deckpos = draws ? 21 : 20;
  const Card out = r.thrown == kDrawn
                       ? in
                       : Card{st.evalcard[r.thrown], st.evalsuit[r.thrown], st.evalvalue[r.thrown]};
  if (r.thrown != kDrawn) {
    std::tie(want.evalcard[r.thrown], want.evalsuit[r.thrown], want.evalvalue[r.thrown]) =
        std::tie(in.card, in.suit, in.value);
    putCard(want, want.deckpos, out);
  }
  want.movetext =
      (draws ? "Takes from pile. " : "Takes Discard.  ") + std::to_string(out.value) + out.suit;
  const Table table = game.table();
  game.PICKANDDISCARD();
  expectState(st, want, r.what);
  EXPECT_EQ(game.table(), table) << r.what;
}

TEST(PickDiscard, DecisionTables) {
  const Row rows[] = {
      {"one suit 5,5,9: a discard 6 replaces the first 5", "h5 h5 h9", "h6", "", 1},
      {"one suit 8,6,2: a drawn 9 replaces the 2", "h8 h6 h2", "s5", "h9", 3},
      {"a drawn 2 of a fourth suit is thrown", "h5 s6 d7", "c9", "c2", kDrawn},
      {"one suit: a discard 5 is not above 5", "h5 h5 h9", "h5", "h5", kDrawn},
      {"three suits: discard + card 1 = 16 is not taken", "h6 s4 d3", "h10", "h9", 3},
      {"three suits: drawn + card 1 = 16, cards 2 and 3 equal", "h6 s4 d4", "h10", "h10", 2},
      {"other suit, discard 10 beats 2+3+4", "h2 s3 d4", "c10", "", 1},
      {"other suit, discard 9 does not beat 2+3+4", "h2 s3 d4", "c9", "c2", kDrawn},
      // The discard pile.
      // A discard of no suit in the hand is judged against the whole hand, whatever its shape.
      {"one suit, other-suit 5 beats the 2 only", "h2 h3 h4", "s5", "s2", kDrawn},
      {"pair, other-suit 10 beats 2+3+4", "h2 h3 s4", "d10", "", 1},
      {"first lowest of 3,2,2 is card 2", "h3 s2 d2", "c8", "", 2},
      {"one suit, lowest in places 2 and 3", "h9 h4 h4", "h5", "", 2},
      {"one suit, lowest in place 3", "h8 h6 h2", "h3", "", 3},
      // Pairs: join the pair that beats the odd card, or the odd card to beat the pair.
      {"pair 1,2 joined", "h5 h6 s10", "h2", "", 3},
      {"pair 1,2 not above the odd card", "h4 h5 s9", "h10", "c2", kDrawn},
      {"odd card 3 joined, card 1 lower", "h5 h6 s10", "s2", "", 1},
      {"odd card 3 joined, card 2 lower", "h7 h4 s10", "s2", "", 2},
      {"odd card 3 joined, 1 and 2 equal", "h6 h6 s10", "s3", "", 1},
      {"odd card 3 only ties the pair", "h5 h6 s9", "s2", "c3", kDrawn},
      {"pair 1,3 joined", "h5 s10 h6", "h2", "", 2},
      {"odd card 2 joined, card 1 lower", "h5 s10 h6", "s2", "", 1},
      {"odd card 2 joined, card 3 lower", "h7 s10 h4", "s2", "", 3},
      {"pair 2,3 joined", "s10 h5 h6", "h2", "", 1},
      {"odd card 1 joined, card 3 lower", "s10 h6 h5", "s2", "", 3},
      {"odd card 1 joined, 2 and 3 equal", "s10 h6 h6", "s3", "", 2},
      // Three suits: the discard and the card of its suit must make more than 16.
      {"three suits, card 1 + 11 = 17", "h6 s4 d3", "h11", "", 3},
      {"three suits, card 2 + 9 = 17", "h3 s8 d5", "s9", "", 1},
      {"three suits, card 3 + 9 = 17", "h5 s3 d8", "d9", "", 2},
      // The draw pile.
      // A drawn card of no suit in the hand goes straight to rule F, whatever the shape.
      {"one suit, other-suit 5 is thrown, not the 2", "h2 h3 h4", "s5", "d5", kDrawn},
      {"one suit, other-suit 10 beats the hand's 9", "h2 h3 h4", "s2", "d10", 1},
      {"pair, other-suit 11 beats the hand's 5", "h2 h3 s4", "c9", "d11", 1},
      {"pair, other-suit 5 beats the odd 3", "h6 h7 s3", "c2", "d5", 3},
      {"pair, other-suit 5 only ties the odd 5", "h6 h7 s5", "c2", "d5", kDrawn},
      {"three suits, other-suit 5 beats the 3", "h6 s3 d8", "c2", "c5", 2},
      {"three suits, other-suit 5 beats nothing", "h5 s6 d7", "c9", "c5", kDrawn},
      // Pair 1,2, odd card 3: join the pair, join the odd card, beat the odd card, rule F.
      {"p12: joins the pair", "h5 h6 s4", "c2", "h2", 3},
      {"p12: joins the odd card rather than beat it", "h5 h6 s4", "c2", "s9", 1},
      {"p12: beats the odd card rather than the hand", "h2 h3 s9", "c2", "h10", 3},
      {"p12: nothing fits", "h6 h7 s5", "c2", "s2", kDrawn},
      {"p13: joins the pair", "h5 s4 h6", "c2", "h2", 2},
      {"p13: joins the odd card, 1 and 3 equal", "h6 s4 h6", "c2", "s9", 1},
      {"p13: beats the odd card rather than the hand", "h2 s9 h3", "c2", "h10", 2},
      {"p13: nothing fits", "h6 s5 h7", "c2", "s2", kDrawn},
      {"p23: joins the pair", "s4 h5 h6", "c2", "h2", 1},
      {"p23: joins the odd card", "s4 h5 h6", "c2", "s9", 2},
      {"p23: beats the odd card rather than the hand", "s9 h2 h3", "c2", "h10", 1},
      {"p23: nothing fits", "s5 h6 h7", "c2", "s2", kDrawn},
      // Three suits: more than 14 with the card of its suit, else rule F.
      {"three suits, card 1 + 11 = 15 rather than beat the hand", "h4 s5 d6", "c3", "h11", 2},
      {"three suits, card 1 + 10 = 14: rule F", "h4 s5 d6", "c3", "h10", 1},
      {"three suits, card 1 + 3 = 7 beats nothing", "h4 s5 d6", "c3", "h3", kDrawn},
      {"three suits, card 2 + 7 = 15", "h3 s8 d5", "c2", "s7", 1},
      {"three suits, card 3 + 7 = 15", "h5 s3 d8", "c2", "d7", 2},
  };
  for (const Row& r : rows) play(r);
}

TEST(PickDiscard, EmptyDrawPileReshufflesTheDiscards) {
  // Cards u1..u4 lie under the top card t at 48..52; the draw pile is empty. The four random
  // numbers give keys 7, 6, 5, 5: u4 meets u3's 5 and becomes 6, but the single pass has
  // already gone past u2, so u2 and u4 both hold 6 and u2, the earlier, comes first. New
  // order: t at the old base 48, then u3 (5), u2 (6), u4 (6), u1 (7). The hand 2+3+4 of one
  // suit does not take t (a 2 of another suit), draws u3 (a 3 of another suit) and throws it.
  using testing::keyNumber;
  ScriptedRandom random({keyNumber(7), keyNumber(6), keyNumber(5), keyNumber(5)});
  Game game("/nonexistent", random);
  GameState& st = game.mutableState();
  setUp(st, "h2 h3 h4");
  const Card u1{"u1", "d", 7}, u2{"u2", "d", 8}, u3{"u3", "s", 3}, u4{"u4", "d", 9};
  const Card t{"t", "c", 2};
  const Card before[] = {u1, u2, u3, u4, t}, after[] = {t, u3, u2, u4, u1};
  GameState want = st;
  for (int i = 0; i < 5; ++i) {
    putCard(st, 48 + i, before[i]);
    putCard(want, 48 + i, after[i]);
  }
  st.discardbase = want.discardbase = 48;
  st.deckpos = 52;
  want.deckpos = 49;
  want.movetext = "Takes from pile. 3s";
  game.PICKANDDISCARD();
  expectState(st, want, "reshuffle");
  EXPECT_EQ(random.drawn(), 4u);
}

}  // namespace
}  // namespace korvo
