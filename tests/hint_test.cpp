// The headless line `Hint`: the usual output line of a click that changes nothing, with the
// Strong player's advice for player 1, and no trace in the lines of the game around it.
#include <gtest/gtest.h>

#include <sstream>

#include "app/headless.h"
#include "players/classic.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

std::vector<nlohmann::json> play(const std::string& clicks) {
  testing::GameDir dir;
  SeededRandom random(5);
  Game game(dir.path(), random, classicSeats());
  std::istringstream in(clicks);
  std::ostringstream out, err;
  EXPECT_EQ(runHeadless(game, in, out, err, 5), 0);
  std::vector<nlohmann::json> lines;
  std::istringstream read(out.str());
  for (std::string line; std::getline(read, line);) lines.push_back(nlohmann::json::parse(line));
  return lines;
}

TEST(Headless, HintChangesNothing) {
  const std::vector<std::string> clicks = {"Command1", "Picture14", "Picture2", "Picture15",
                                           "Picture4", "Command2",  "Command1", "Picture15",
                                           "Picture1", "Picture14", "Picture3", "Command2"};
  std::string plain, hinted = "Hint\n";
  for (const auto& c : clicks) {
    plain += c + "\n";
    hinted += c + "\nHint\n";
  }
  const auto game = play(plain);
  const auto withHints = play(hinted);
  ASSERT_EQ(withHints.size(), 2 * game.size() + 1);
  EXPECT_EQ(withHints[0]["hint"]["move"], "none");
  int moves = 0;
  for (std::size_t i = 0; i < game.size(); ++i) {
    SCOPED_TRACE(clicks[i]);
    EXPECT_EQ(withHints[2 * i + 1], game[i]);
    nlohmann::json hint = withHints[2 * i + 2];
    ASSERT_TRUE(hint.contains("hint"));
    const nlohmann::json advice = hint["hint"];
    hint.erase("hint");
    hint["click"] = game[i]["click"];
    EXPECT_EQ(hint, game[i]) << "a hint shows the table, state and random count unchanged";
    const std::string move = advice["move"];
    EXPECT_FALSE(advice["words"].get<std::string>().empty());
    EXPECT_EQ(advice["place"] != 0, move == "throw");
    // Player 1 has a move exactly while a round is under way and he may take or throw.
    const auto& st = game[i]["state"];
    EXPECT_EQ(move != "none", st["dealt"] != 0 && st["turnphase"] != 2) << advice.dump();
    moves += move != "none";
  }
  EXPECT_GE(moves, 4);
}

}  // namespace
}  // namespace korvo
