// statistics.json against what the games show: seeded whole games played through the headless
// driver one click at a time, each click's change of the file checked against its output line;
// files the keeper cannot use; a directory it cannot write; korvo --statistics.
#include "game/statistics.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <iterator>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "app/headless.h"
#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

Statistics onDisk(const fs::path& dir, const Statistics& missing) {
  if (!fs::exists(dir / kStatisticsFile)) return missing;
  return parseStatistics(testing::readFile(dir / kStatisticsFile));
}

int at(const json& list, int k) {
  return list[static_cast<std::size_t>(k - 1)].get<int>();
}

// Player 1's next click from what the line shows: he deals, knocks on 27 or more, else draws
// and throws the card that leaves his best suit highest; one click in eight goes anywhere
// (refused clicks included). He wins now and then, goes out, and a Deal then plays the rest of
// the game out without him.
std::string nextClick(const json& s, std::mt19937& rng) {
  const char* const names[] = {"Command1", "Command2", "Picture14", "Picture15",
                               "Picture1", "Picture2", "Picture3",  "Picture4"};
  if (rng() % 8 == 0) return names[rng() % 8];
  if (s["dealt"] == 0 || s["turnphase"] == kClosedPhase) return "Command1";
  // The best suit's total of the hand without place `out` (0: places 1..3).
  const auto best = [&](int out) {
    int top = 0;
    for (int i = 1; i <= 4; ++i) {
      int sum = 0;
      for (int j = 1; j <= 4; ++j) {
        if (j != out && (out != 0 || j != 4) && s["p1suit"][j - 1] == s["p1suit"][i - 1]) {
          sum += s["p1value"][j - 1].get<int>();
        }
      }
      if (i != out && (out != 0 || i != 4)) top = std::max(top, sum);
    }
    return top;
  };
  if (s["turnphase"] == kTakePhase) return best(0) >= 27 ? "Command2" : "Picture14";
  int throwAway = 4;
  for (int i = 1; i <= 4; ++i) throwAway = best(i) > best(throwAway) ? i : throwAway;
  return "Picture" + std::to_string(throwAway);
}

TEST(Statistics, SeededGamesCountWhatTheTranscriptShows) {
  int singleRounds = 0, playedOut = 0, doubles = 0, korvos = 0, games = 0, pellWins = 0;
  for (uint64_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    // In memory where there is room: every deal and settled round flushes a file to disk.
    testing::TempDir dir(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : fs::temp_directory_path());
    initGameFiles(dir.path());
    SeededRandom random(seed);
    Game game(dir.path(), random);
    game.setRecording(true);  // the rounds a click plays out without player 1, one frame each
    StatisticsKeeper keeper(dir.path());
    ASSERT_FALSE(keeper.open());
    const Statistics zero = keeper.statistics();
    std::mt19937 rng(static_cast<unsigned>(seed));
    json prev = clickRecord("", game, {})["state"];
    Statistics before = zero;
    int seedGames = 0;
    for (int click = 0; seedGames < 6 && click < 5000 && !HasFailure(); ++click) {
      const std::string name = nextClick(prev, rng);
      std::istringstream in(name + "\n");
      std::ostringstream out, err;
      ASSERT_EQ(runHeadless(game, in, out, err, &keeper), 0);
      ASSERT_EQ(err.str(), "");
      const json line = json::parse(out.str());
      ASSERT_FALSE(line.contains("error")) << out.str();
      const json& now = line["state"];
      const Statistics after = onDisk(dir.path(), zero);
      SCOPED_TRACE("click " + std::to_string(click) + " " + name);

      // What the line shows: honor before and after the click, the winner, who knocked.
      const bool deals = name == "Command1" && prev["dealt"] == 0;
      bool newGame = deals;
      for (int k = 1; k <= kPlayers; ++k) newGame = newGame && at(prev["honor"], k) < 1;
      int before1[kPlayers + 1], after1[kPlayers + 1], winner = 0, knocker = 0, korvo = 0;
      for (int k = 1; k <= kPlayers; ++k) {
        before1[k] = newGame ? 4 : at(prev["honor"], k);
        after1[k] = at(now["honor"], k);
        if (at(now["wins"], k) != at(prev["wins"], k)) winner = k;
        if (now["knocked"][k - 1] == kYes) knocker = k;
        if (now["knocked"][k - 1] == kKorvo) korvo = k;
      }
      if (winner != 0) {
        // The winner's honor goes back to 0 after the pot is counted: the pot still holds it.
        after1[winner] = 16 - now["pot"].get<int>();
        for (int k = 1; k <= kPlayers; ++k) after1[winner] -= k == winner ? 0 : after1[k];
      }
      const bool settled = now["dealt"] == 0 && (prev["dealt"] == 1 || deals);
      const bool withoutPell = deals && !newGame && before1[1] < 1;

      Statistics expected = before;
      if (winner != 0) {
        for (auto& p : expected.players) ++p.gamesPlayed;
        ++expected.players[static_cast<std::size_t>(winner - 1)].gamesWon;
        expected.streak = winner == 1 ? before.streak + 1 : 0;
        expected.bestStreak = std::max(before.bestStreak, expected.streak);
        ++seedGames;
        pellWins += winner == 1;
      }
      if (settled && !withoutPell) {
        // One round: its players, who paid, the knock or the 31.
        ++singleRounds;
        for (int k = 1; k <= kPlayers; ++k) {
          PlayerCounts& p = expected.players[static_cast<std::size_t>(k - 1)];
          p.roundsPlayed += before1[k] >= 1;
          p.roundsLost += after1[k] < before1[k];
          p.knocks += knocker == k;
          p.doubleKnocks += knocker == k && before1[k] - after1[k] == 2;
          p.korvos += korvo == k;
          doubles += knocker == k && before1[k] - after1[k] == 2;
        }
        korvos += korvo != 0;
        EXPECT_EQ(after, expected);
      } else if (settled) {
        // Many rounds: the line shows only their sums. Every round ends on one knock or one
        // 31; each paying player paid 1 point a round, a knocker who paid double 2.
        ++playedOut;
        int rounds = 0;
        for (const TableFrame& f : game.frames()) rounds += f.kind == TableFrame::Kind::RoundEnd;
        int64_t endings = 0;
        for (int k = 1; k <= kPlayers; ++k) {
          const auto i = static_cast<std::size_t>(k - 1);
          const PlayerCounts& a = after.players[i];
          const PlayerCounts& b = before.players[i];
          EXPECT_EQ((a.roundsLost - b.roundsLost) + (a.doubleKnocks - b.doubleKnocks),
                    before1[k] - after1[k])
              << "player " << k;
          EXPECT_LE(a.roundsPlayed - b.roundsPlayed, rounds);
          if (k == 1 || k == winner) {
            EXPECT_EQ(a.roundsPlayed - b.roundsPlayed, k == 1 ? 0 : rounds) << "player " << k;
          }
          endings += (a.knocks - b.knocks) + (a.korvos - b.korvos);
          expected.players[i] = {expected.players[i].gamesPlayed,
                                 expected.players[i].gamesWon,
                                 a.roundsPlayed,
                                 a.roundsLost,
                                 a.knocks,
                                 a.doubleKnocks,
                                 a.korvos};
          doubles += a.doubleKnocks > b.doubleKnocks;
          korvos += a.korvos > b.korvos;
        }
        EXPECT_EQ(endings, rounds);
        // The last round's knock or 31 is the one the line still shows.
        if (knocker != 0) {
          EXPECT_GT(after.players[knocker - 1].knocks, before.players[knocker - 1].knocks);
        }
        if (korvo != 0) {
          EXPECT_GT(after.players[korvo - 1].korvos, before.players[korvo - 1].korvos);
        }
        EXPECT_EQ(after, expected) << "games and runs";
      } else {
        EXPECT_EQ(after, before) << "a click that settled nothing";
      }
      before = after;
      prev = now;
    }
    EXPECT_EQ(seedGames, 6);
    games += seedGames;
    // The wins agree with the tally, which started at 0.
    const Wins totals = readTotalsFile(dir / kTotalsFile);
    for (int k = 1; k <= kPlayers; ++k) {
      EXPECT_EQ(before.players[static_cast<std::size_t>(k - 1)].gamesWon, totals[k - 1]);
    }
  }
  // The games went through every kind of round.
  EXPECT_GT(singleRounds, 50);
  EXPECT_GT(playedOut, 5);
  EXPECT_GT(doubles, 0);
  EXPECT_GT(korvos, 0);
  EXPECT_GT(pellWins, 1);
  std::cout << "[ figures  ] " << games << " games, " << singleRounds
            << " rounds of single clicks, " << playedOut << " games played out without player 1, "
            << pellWins << " won by him\n";
}

// A file the keeper cannot use is set aside as statistics.json.bak (its bytes kept), the player
// is told once, the counting starts afresh and the next settled round writes a good file.
TEST(Statistics, FilesThatCannotBeUsedAreSetAsideAndCountingStartsAfresh) {
  Statistics good = freshStatistics(0);
  good.players[0] = {5, 2, 30, 12, 4, 1, 2};
  good.players[1] = {5, 3, 40, 11, 6, 0, 1};
  good.players[2] = good.players[3] = {5, 0, 35, 10, 3, 2, 0};
  good.streak = 1;
  good.bestStreak = 2;
  const nlohmann::ordered_json good1 = statisticsJson(good, true);
  const std::string text = good1.dump(2);
  // The good file with one change.
  const auto edit = [&](const std::function<void(nlohmann::ordered_json&)>& change) {
    nlohmann::ordered_json j = good1;
    change(j);
    return j.dump(2);
  };
  const auto count = [&](int player, const char* member, json value) {
    return edit([=](auto& j) { j["players"][player - 1][member] = value; });
  };
  const struct {
    const char* what;
    std::string contents;  // empty: not a regular file
    const char* fault;
  } rows[] = {
      {"a directory", "", "is not a regular file"},
      {"a named pipe", "", "is not a regular file"},
      {"blank", " ", "is not JSON"},
      {"not JSON", "games: 5\n", "is not JSON"},
      {"truncated", text.substr(0, text.size() / 2), "is not JSON"},
      {"a list", "[1, 2]", "is not a JSON object"},
      {"another version", edit([](auto& j) { j["version"] = 2; }), "is of version 2"},
      {"no version", edit([](auto& j) { j.erase("version"); }), "has no version"},
      {"a bad date", edit([](auto& j) { j["since"] = "yesterday"; }), "\"since\""},
      {"a negative count", count(1, "knocks", -4), "is -4, not a count"},
      {"an absurd count", count(1, "rounds_played", 30'000'000'000'000), "not a count"},
      {"a fraction", count(1, "knocks", 4.5), "not a whole number"},
      {"a count as text", count(1, "knocks", "4"), "not a whole number"},
      {"a count missing", edit([](auto& j) { j["players"][0].erase("korvos"); }),
       "has no \"korvos\""},
      {"three players", edit([](auto& j) { j["players"].erase(3); }), "four players"},
      {"another name", count(3, "name", "Tom"), "not named Tobin"},
      {"more wins than games", count(2, "games_won", 6), "contradict"},
      {"wins not adding up", count(2, "games_won", 2), "add up"},
      {"a run longer than the wins", count(1, "best_streak", 3), "runs of games won"},
  };
  ASSERT_EQ(parseStatistics(text), good);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    testing::GameDir dir;
    const fs::path file = dir / kStatisticsFile;
    if (row.contents.empty()) {
      if (std::string(row.what) == "a directory") {
        fs::create_directory(file);
      } else {
        ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
      }
    } else {
      testing::writeFile(file, row.contents);
    }
    StatisticsKeeper keeper(dir.path());
    const auto told = keeper.open();
    ASSERT_TRUE(told);
    EXPECT_NE(told->find(row.fault), std::string::npos) << *told;
    EXPECT_NE(told->find("kept as statistics.json.bak"), std::string::npos) << *told;
    EXPECT_FALSE(fs::exists(file));
    if (!row.contents.empty()) {
      EXPECT_EQ(testing::readFile(dir / kStatisticsBackup), row.contents);
    }
    EXPECT_EQ(keeper.statistics().players, Statistics{}.players);

    RoundSettled round;
    round.played = {false, true, true, true, true};
    round.lostHonor[2] = true;
    round.knocker = 3;
    EXPECT_FALSE(keeper.record({round}));
    const Statistics written = parseStatistics(testing::readFile(file));
    EXPECT_EQ(written.players[2].knocks, 1);
    EXPECT_EQ(written.players[1].roundsLost, 1);
    // The next run finds nothing wrong.
    EXPECT_FALSE(StatisticsKeeper(dir.path()).open());
  }
}

// A directory that refuses the file: one warning a run, the game and its lines unchanged.
TEST(Statistics, AnUnwritableDirectoryIsOneWarningARun) {
  testing::GameDir dir;
  testing::UnwritableDir readOnly(dir.path());
  if (!readOnly.ok) GTEST_SKIP() << "this system cannot make a directory refuse writes";
  StatisticsKeeper keeper(dir.path());
  EXPECT_FALSE(keeper.open());
  RoundSettled round;
  round.played[1] = true;
  const auto first = keeper.record({round});
  ASSERT_TRUE(first);
  EXPECT_NE(first->find("statistics.json: cannot be written"), std::string::npos) << *first;
  EXPECT_FALSE(keeper.record({round}));
  EXPECT_EQ(keeper.statistics().players[0].roundsPlayed, 2) << "counted all the same";
}

// The built program with `args` and `input` on standard input.
struct Ran {
  int status;
  std::string out, err;
};
Ran run(const std::string& args, const std::string& input = "") {
  testing::TempDir scratch;
  testing::writeFile(scratch / "in", input);
  const std::string command = "'" KORVO_BINARY "' " + args + " < '" + (scratch / "in").string() +
                              "' > '" + (scratch / "out").string() + "' 2> '" +
                              (scratch / "err").string() + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing::readFile(scratch / "out"),
          testing::readFile(scratch / "err")};
}

// --statistics reads only: zeros from now where there is no file, the table or the object of
// a file, zeros and one line on standard error for a file it cannot use (left in place).
TEST(Statistics, TheCommandLinePrintsTheTableOrOneObject) {
  testing::GameDir dir;
  const std::string d = "--statistics --dir '" + dir.path().string() + "'";
  const std::string from = formatSince(std::time(nullptr));
  const Ran none = run(d + " --json");
  const std::string to = formatSince(std::time(nullptr));
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.err, "");
  const json fresh = json::parse(none.out);
  EXPECT_GE(fresh["since"].get<std::string>(), from);
  EXPECT_LE(fresh["since"].get<std::string>(), to);
  const std::vector<std::string> members = {
      "name",   "games_played",  "games_won", "rounds_played", "rounds_lost",
      "knocks", "double_knocks", "korvos",    "streak",        "best_streak"};
  std::vector<std::string> keys;
  for (const auto& [key, value] : fresh.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"players", "since"}));
  ASSERT_EQ(fresh["players"].size(), 4u);
  for (std::size_t k = 0; k < 4; ++k) {
    std::size_t seen = 0;
    for (const std::string& m : members) {
      if (!fresh["players"][k].contains(m)) continue;
      ++seen;
      if (m != "name") {
        EXPECT_EQ(fresh["players"][k][m], 0) << m;
      }
    }
    EXPECT_EQ(seen, fresh["players"][k].size());
    EXPECT_EQ(seen, k == 0 ? 10u : 8u) << "player " << k + 1;
  }
  EXPECT_FALSE(fs::exists(dir / kStatisticsFile));

  Statistics s = freshStatistics(86400 * 365);
  s.players[0] = {5, 2, 30, 12, 4, 1, 2};
  s.players[1] = {5, 3, 40, 11, 6, 0, 1};
  s.players[2] = s.players[3] = {5, 0, 35, 10, 3, 2, 0};
  s.bestStreak = 2;
  testing::writeFile(dir / kStatisticsFile, statisticsJson(s, true).dump());
  EXPECT_EQ(json::parse(run(d + " --json").out), json(statisticsJson(s, false)));
  const Ran table = run(d);
  EXPECT_EQ(table.status, 0);
  std::istringstream lines(table.out);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    rows.emplace_back(std::istream_iterator<std::string>(words),
                      std::istream_iterator<std::string>());
  }
  ASSERT_GE(rows.size(), 8u) << table.out;
  EXPECT_EQ(rows[0], (std::vector<std::string>{"Statistics", "since", "1971-01-01T00:00:00Z"}));
  EXPECT_EQ(rows[3], (std::vector<std::string>{"Pell", "5", "2", "40%", "30", "12", "4", "1", "2",
                                               "0", "2"}));
  EXPECT_EQ(rows[4], (std::vector<std::string>{"Oma", "5", "3", "60%", "40", "11", "6", "0", "1"}));

  testing::writeFile(dir / kStatisticsFile, "{\"version\": 1");
  const Ran bad = run(d);
  EXPECT_EQ(bad.status, 0);
  EXPECT_NE(bad.out.find("Pell        0    0         -"), std::string::npos) << bad.out;
  EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1) << bad.err;
  EXPECT_NE(bad.err.find((dir / kStatisticsFile).string() + ": is not JSON"), std::string::npos);
  EXPECT_EQ(testing::readFile(dir / kStatisticsFile), "{\"version\": 1");
  EXPECT_FALSE(fs::exists(dir / kStatisticsBackup));
}

// A headless game over a statistics file it cannot use prints the lines of the same game
// without one, and says so once on standard error.
TEST(Statistics, ABadFileChangesNoOutputLine) {
  testing::GameDir clean, damaged;
  testing::writeFile(damaged / kStatisticsFile, "not statistics");
  std::string clicks;
  for (int i = 0; i < 30; ++i) clicks += "Command1\nCommand2\n";
  const Ran a = run("--headless --seed 7 --dir '" + clean.path().string() + "'", clicks);
  const Ran b = run("--headless --seed 7 --dir '" + damaged.path().string() + "'", clicks);
  EXPECT_EQ(a.err, "");
  EXPECT_EQ(b.out, a.out);
  EXPECT_EQ(b.err, "korvo: " + (damaged / kStatisticsFile).string() + ": is not JSON (" +
                       b.err.substr(b.err.find('(') + 1, b.err.find(')') - b.err.find('(') - 1) +
                       "); it is kept as statistics.json.bak and the statistics start afresh.\n");
  EXPECT_EQ(testing::readFile(damaged / kStatisticsBackup), "not statistics");
  Statistics counted = parseStatistics(testing::readFile(damaged / kStatisticsFile));
  const Statistics alone = parseStatistics(testing::readFile(clean / kStatisticsFile));
  counted.since = alone.since;
  EXPECT_EQ(counted, alone);
  EXPECT_GT(alone.players[1].roundsPlayed, 0);
}

}  // namespace
}  // namespace korvo
