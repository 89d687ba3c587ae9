// statistics.json against the games: seeded whole games played through the headless driver,
// whose games and runs are checked against the wins after every click; files the keeper cannot
// use; a directory it cannot write; korvo --statistics.
#include "game/statistics.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

#include <random>
#include <sstream>

#include "app/headless.h"
#include "game/gamedir.h"
#include "players/classic.h"
#include "tests/process.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using ::testing::AllOf, ::testing::ElementsAre, ::testing::HasSubstr, ::testing::StartsWith;

// Player 1 deals, knocks on 26 or more, else draws and throws his lowest card outside his best
// suit; one click in eight goes anywhere (refused clicks too). He wins now and then, goes out,
// and a Deal then plays the rest of the game out without him.
std::string nextClick(const json& s, std::mt19937& rng) {
  const char* const any[] = {"Command1", "Command2", "Picture14", "Picture15", "Picture1"};
  if (rng() % 8 == 0) return any[rng() % 5];
  if (s["dealt"] == 0 || s["turnphase"] == kClosedPhase) return "Command1";
  const bool fits = s["decksuit"][s["deckpos"].get<int>() - 1] == s["p1suit"][4];
  if (s["turnphase"] == kTakePhase) {
    return s["p1value"][4] >= 28 ? "Command2" : fits ? "Picture15" : "Picture14";
  }
  const auto worth = [&](int i) {
    return s["p1value"][i - 1].get<int>() + (s["p1suit"][i - 1] == s["p1suit"][4] ? 100 : 0);
  };
  int throwAway = 4;
  for (int i = 1; i <= 3; ++i) throwAway = worth(i) < worth(throwAway) ? i : throwAway;
  return "Picture" + std::to_string(throwAway);
}

// Seeded games played through the headless driver: the games played and won, and player 1's
// runs of games won, follow the wins game by game, and the games won are the win tally of a
// directory that began at 0,0,0,0. (The counts of the rounds, knocks and 31s of whole games,
// player 1 out of them too, the golden games' statistics.json pins.)
TEST(Statistics, SeededGamesCountTheGamesAndRunsTheTallyShows) {
  int pellWins = 0;
  for (uint64_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    // In memory where there is room: every deal and settled round flushes a file to disk.
    testing::TempDir dir(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : fs::temp_directory_path());
    initGameFiles(dir.path());
    SeededRandom random(seed);
    Game game(dir.path(), random, classicSeats());
    StatisticsKeeper keeper(dir.path());
    ASSERT_FALSE(keeper.open());
    std::mt19937 rng(static_cast<unsigned>(seed));
    json state = clickRecord("", game, {})["state"];
    Statistics want = keeper.statistics();
    for (int click = 0; want.players[0].gamesPlayed < 6 && !HasFailure(); ++click) {
      ASSERT_LT(click, 5000);
      std::istringstream in(nextClick(state, rng) + "\n");
      std::ostringstream out, err;
      ASSERT_EQ(runHeadless(game, in, out, err, 0, &keeper), 0);
      ASSERT_EQ(err.str(), "");
      const json now = json::parse(out.str())["state"];
      for (int k = 1; k <= kPlayers; ++k) {
        if (now["wins"][k - 1] == state["wins"][k - 1]) continue;
        for (auto& p : want.players) ++p.gamesPlayed;
        ++want.players[k - 1].gamesWon;
        want.streak = k == 1 ? want.streak + 1 : 0;
        want.bestStreak = std::max(want.bestStreak, want.streak);
        pellWins += k == 1;
      }
      state = now;
      const Statistics is = keeper.statistics();
      for (int k = 0; k < kPlayers; ++k) {
        EXPECT_EQ(is.players[k].gamesPlayed, want.players[k].gamesPlayed) << "click " << click;
        EXPECT_EQ(is.players[k].gamesWon, want.players[k].gamesWon) << "player " << k + 1;
      }
      EXPECT_EQ(std::pair(is.streak, is.bestStreak), std::pair(want.streak, want.bestStreak));
    }
    EXPECT_EQ(statisticsJson(parseStatistics(testing::readFile(dir / kStatisticsFile)), false),
              statisticsJson(keeper.statistics(), false));
    const Wins totals = readTotalsFile(dir / kTotalsFile);
    for (int k = 1; k <= kPlayers; ++k) EXPECT_EQ(want.players[k - 1].gamesWon, totals[k - 1]);
  }
  EXPECT_GT(pellWins, 1);
}

// A file the keeper cannot use is set aside as statistics.json.bak (its bytes kept), the player
// is told, the counting starts afresh and the next settled round writes a good file.
TEST(Statistics, FilesThatCannotBeUsedAreSetAside) {
  Statistics good = freshStatistics(0);
  good.players[0] = {5, 2, 30, 12, 4, 1, 2};
  good.players[1] = {5, 3, 40, 11, 6, 0, 1};
  good.players[2] = good.players[3] = {5, 0, 35, 10, 3, 2, 0};
  good.bestStreak = 2;
  const nlohmann::ordered_json file = statisticsJson(good, true);
  ASSERT_EQ(parseStatistics(file.dump()), good);
  const auto count = [&](int player, const char* member, json value) {
    auto j = file;
    j["players"][player - 1][member] = value;
    return j.dump(2);
  };
  auto noVersion = file, v2 = file, badDate = file, three = file, noKorvos = file;
  noVersion.erase("version");
  v2["version"] = 2;
  badDate["since"] = "yesterday";
  three["players"].erase(3);
  noKorvos["players"][0].erase("korvos");
  const std::pair<std::string, const char*> rows[] = {
      // The contents ("dir": a directory, "fifo": a named pipe) and a word of the message.
      {"dir", "is a directory"},
      {"fifo", "not a regular file"},
      {" ", "not JSON"},
      {file.dump(2).substr(0, 300), "not JSON"},
      {"[1, 2]", "not a JSON object"},
      {count(1, "knocks", -4), "is -4, not a count"},
      {count(1, "rounds_played", 30'000'000'000'000), "not a count"},
      {count(1, "knocks", 4.5), "not a whole number"},
      {count(1, "knocks", "4"), "whole number"},
      {noVersion.dump(), "no version"},
      {v2.dump(), "version 2"},
      {badDate.dump(), "\"since\""},
      {three.dump(), "four players"},
      {noKorvos.dump(), "no \"korvos\""},
      {count(3, "name", "Tom"), "not named Tobin"},
      {count(2, "games_won", 6), "contradict"},
      {count(2, "games_won", 2), "add up"},
      {count(1, "best_streak", 3), "runs of games won"},
      // One byte past the bound, though what lies within it reads as statistics.
      {file.dump(2) + std::string(64 * 1024 + 1 - file.dump(2).size(), ' '), "is larger than"}};
  for (const auto& [contents, fault] : rows) {
    SCOPED_TRACE(contents.substr(0, 40));
    testing::GameDir dir;
    if (contents == "dir") fs::create_directory(dir / kStatisticsFile);
    ASSERT_TRUE(contents != "fifo" || ::mkfifo((dir / kStatisticsFile).c_str(), 0644) == 0);
    if (contents != "dir" && contents != "fifo")
      testing::writeFile(dir / kStatisticsFile, contents);
    StatisticsKeeper keeper(dir.path());
    const auto refused = keeper.open();
    const std::string told = refused ? refused->text() : "";
    EXPECT_THAT(told, AllOf(HasSubstr(fault), HasSubstr("kept as statistics.json.bak")));
    EXPECT_EQ(contents.size() > 4 ? testing::readFile(dir / kStatisticsBackup) : contents,
              contents);
    EXPECT_EQ(keeper.statistics().players, Statistics{}.players);
    RoundSettled round;
    round.played = {false, true, true, true, true};
    round.knocker = 3;
    EXPECT_FALSE(keeper.record({round}));
    EXPECT_EQ(parseStatistics(testing::readFile(dir / kStatisticsFile)).players[2].knocks, 1);
  }
}

// A directory that refuses the file: one warning a run, and the counting goes on.
TEST(Statistics, AnUnwritableDirectoryIsOneWarningARun) {
  testing::GameDir dir;
  testing::UnwritableDir readOnly(dir.path());
  if (!readOnly.ok) GTEST_SKIP() << "this system cannot make a directory refuse writes";
  StatisticsKeeper keeper(dir.path());
  EXPECT_FALSE(keeper.open());
  RoundSettled round;
  round.played[1] = true;
  EXPECT_THAT(keeper.record({round}).value_or(""), HasSubstr("statistics.json: cannot be written"));
  EXPECT_FALSE(keeper.record({round}));
  EXPECT_EQ(keeper.statistics().players[0].roundsPlayed, 2);
}

// --statistics reads only: zeros from now without a file, D15's members with --json, and for a
// file it cannot use zeros and one line on standard error, the file left in place. A headless
// game over that file prints the lines of the same game without it, and tells once.
TEST(Statistics, TheCommandLineAndABadFile) {
  testing::GameDir dir, clean;
  const std::vector<std::string> d = {"--statistics", "--dir", dir.path().string()};
  const std::string from = formatSince(std::time(nullptr));
  const json fresh = json::parse(testing::run({"--statistics", "--json", "--dir", d[2]}).out);
  EXPECT_TRUE(fresh["since"] >= from && fresh["since"] <= formatSince(std::time(nullptr)));
  EXPECT_EQ(fresh.size(), 2u);
  const json zeros = json::parse(R"({"name": "Oma", "games_played": 0, "games_won": 0,
      "rounds_played": 0, "rounds_lost": 0, "knocks": 0, "double_knocks": 0, "korvos": 0})");
  EXPECT_EQ(fresh["players"][1], zeros);
  auto pell = zeros;
  pell.update(json{{"name", "Pell"}, {"streak", 0}, {"best_streak", 0}});
  EXPECT_EQ(fresh["players"][0], pell);
  testing::writeFile(dir / kStatisticsFile, "not statistics");
  const auto bad = testing::run(d);
  EXPECT_EQ(bad.status, 0);
  EXPECT_THAT(bad.out, AllOf(HasSubstr("Pell        0    0         -       0"),
                             HasSubstr("\nWenna       0    0         -       0")));
  EXPECT_THAT(bad.err,
              StartsWith("korvo: " + dir.path().string() + "/statistics.json: is not JSON"));
  EXPECT_FALSE(fs::exists(dir / kStatisticsBackup));

  std::string clicks;
  for (int i = 0; i < 30; ++i) clicks += "Command1\nCommand2\n";
  const auto a =
      testing::run({"--headless", "--seed", "7", "--dir", clean.path().string()}, clicks);
  const auto b = testing::run({"--headless", "--seed", "7", "--dir", dir.path().string()}, clicks);
  EXPECT_EQ(b.out, a.out);
  EXPECT_EQ(a.err, "");
  EXPECT_THAT(testing::linesOf(b.err), ElementsAre(HasSubstr("kept as statistics.json.bak")));
  EXPECT_EQ(testing::readFile(dir / kStatisticsBackup), "not statistics");
  EXPECT_EQ(parseStatistics(testing::readFile(dir / kStatisticsFile)).players,
            parseStatistics(testing::readFile(clean / kStatisticsFile)).players);
}

}  // namespace
}  // namespace korvo
