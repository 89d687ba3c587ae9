// The built program as real processes: one Korvo per game directory, kills at random moments
// that must leave whole files, --init over existing files, a stale temporary file, and
// standard error that carries only Korvo's own lines.
#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <thread>

#include "game/gamedir.h"
#include "game/statistics.h"
#include "tests/process.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

using ::testing::HasSubstr, ::testing::Not;
using testing::Process;

// A second Korvo in every mode, --init too: status 4, the holder named, not a byte of output,
// no file changed. (That the hold dies with a killed holder, the kills below show.) A directory
// that refuses writes is still held and played, and its Deal reports the deck it cannot write.
TEST(Hold, ASecondKorvoOnAHeldDirectoryPlaysNothing) {
  testing::GameDir dir;
  testing::TempDir scratch;
  testing::writeFile(scratch / "clicks.txt", "Command1\n");
  const std::string deck = testing::readFile(dir / kCardFile), d = dir.path().string();
  testing::UnwritableDir readOnly(dir.path());
  Process holder({"--headless", "--dir", d});
  holder.send("Command1\n");
  std::string answer;
  ASSERT_TRUE(holder.readLine(answer));
  if (readOnly.ok) {
    EXPECT_THAT(answer,
                HasSubstr("\"error\":\"" + (dir / kCardFile).string() + ": cannot be written"));
  }
  const std::vector<std::vector<std::string>> seconds = {
      {"--headless", "--dir", d},
      {"--init", d},
      {"--script", (scratch / "clicks.txt").string(), "--screenshot", (scratch / "x.png").string(),
       "--dir", d},
  };
  for (const auto& args : seconds) {
    SCOPED_TRACE(args[0]);
    const auto [status, out, err] = testing::run(args, "Command1\n");
    EXPECT_EQ(status, 4);
    EXPECT_EQ(out, "");
    // The holder is named where the kernel lists its locks.
    EXPECT_EQ(
        err,
        "korvo: " + d + " is in use by another Korvo" +
            (std::ifstream("/proc/locks") ? " (process " + std::to_string(holder.pid) + ")" : "") +
            "\n");
  }
  EXPECT_EQ(testing::readFile(dir / kCardFile), deck);
  EXPECT_FALSE(fs::exists(scratch / "x.png"));
  EXPECT_EQ(holder.finish(), 0);
}

// SIGKILL at a random moment of play, 200 times on one directory (in memory where there is
// one: a deal fsyncs the deck). After every kill the deck is the same 52 cards, the win counts
// and the statistics parse, never go down and hold every win the program reported, and the
// next run plays on without a fault, over any temporary file or hold a killed run left behind.
TEST(Faults, KilledAtRandomMomentsTheFilesStayWhole) {
  testing::TempDir dir(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : fs::temp_directory_path());
  initGameFiles(dir.path());
  // Player 1 knocks at every chance, or takes and throws back the top card when somebody has
  // knocked; he is soon out, and then one Deal plays out the rest of the game, deal after deal.
  std::string clicks;
  for (int i = 0; i < 2000; ++i) clicks += "Command1\nCommand2\nPicture14\nPicture4\n";

  std::mt19937 rng(7031);
  std::uniform_int_distribution<int> delayUs(0, 40000);  // after the first click is answered
  Wins floor{};
  Statistics counted = freshStatistics(0);
  int lag = 0;
  for (int kill = 0; kill < 200 && !HasFailure(); ++kill) {
    SCOPED_TRACE("run " + std::to_string(kill));
    Process p({"--headless", "--dir", dir.path().string(), "--seed", std::to_string(kill)});
    p.send(clicks);
    std::string out;
    const bool running = p.readLine(out);
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(rng)));
    ::kill(p.pid, SIGKILL);
    ASSERT_EQ(p.finish(&out), -SIGKILL) << "the program ended before the kill";
    ASSERT_TRUE(running);
    ASSERT_THAT(out, Not(HasSubstr("\"error\":")));
    const std::size_t end = out.rfind('\n'), start = out.rfind('\n', end - 1);  // npos + 1 == 0
    const auto last = nlohmann::json::parse(out.substr(start + 1, end - start - 1));
    // A file that does not parse throws, which fails the test.
    EXPECT_TRUE(testing::holdsTheStandardDeck(dir / kCardFile));
    const Wins wins = readTotalsFile(dir / kTotalsFile);
    for (std::size_t k = 0; k < wins.size(); ++k) {
      EXPECT_GE(wins[k], std::max(int{floor[k]}, last["state"]["wins"][k].get<int>()))
          << "player " << k + 1 << " lost a win";
    }
    floor = wins;
    // The statistics parse too and no count goes back; their wins fall behind the tally's by
    // at most one a kill (a game the killed click ended between writing the one and the other).
    const StatisticsRead read = readStatistics(dir.path());
    ASSERT_FALSE(read.fault) << *read.fault;
    int behind = 0;
    for (std::size_t k = 0; read.found && k < wins.size(); ++k) {
      const PlayerCounts &now = read.statistics.players[k], &was = counted.players[k];
      EXPECT_TRUE(now.gamesPlayed >= was.gamesPlayed && now.gamesWon >= was.gamesWon &&
                  now.roundsPlayed >= was.roundsPlayed && now.roundsLost >= was.roundsLost &&
                  now.knocks >= was.knocks && now.doubleKnocks >= was.doubleKnocks &&
                  now.korvos >= was.korvos)
          << "a count of player " << k + 1 << " went back";
      behind += wins[k] - static_cast<int>(now.gamesWon);
    }
    EXPECT_TRUE(!read.found || (behind >= lag && behind <= lag + 1)) << behind << " " << lag;
    if (read.found) std::tie(lag, counted) = std::tuple(behind, read.statistics);
  }
  EXPECT_GT(floor[0] + floor[1] + floor[2] + floor[3], 0) << "no game was won";
  EXPECT_GT(counted.players[0].gamesPlayed, 0) << "no game was counted";
  std::cout << "[ figures  ] " << counted.players[0].gamesPlayed
            << " games counted over 200 kills, " << lag << " lost with their killed clicks\n";
}

// The headless output is the program's protocol: a game with a wrong name in it prints the same
// bytes, on both outputs, whatever the language of the desktop.
TEST(Program, HeadlessOutputIsTheSameInEveryLanguage) {
  std::vector<std::string> outputs;
  for (const std::string language : {"C", "de", "nl", "da"}) {
    testing::GameDir dir;
    Process p({"--headless", "--dir", dir.path().string(), "--seed", "4"},
              {"LC_ALL", "LC_MESSAGES", "LANG=" + language, "LANGUAGE=" + language});
    p.send("Command1\nBogus\nPicture14\nPicture4\nCommand2\nCommand1\nPicture15\nPicture1\n");
    std::string out, err;
    p.finish(&out, &err);
    outputs.push_back(out + "\n--\n" + err);
  }
  EXPECT_NE(outputs[0].find("\"error\""), std::string::npos) << outputs[0];
  for (std::size_t i = 1; i < outputs.size(); ++i) EXPECT_EQ(outputs[i], outputs[0]) << i;
}

// Without --seed the system seeds the game: two runs deal two different games.
TEST(Program, RunsWithoutASeedDealDifferently) {
  testing::GameDir a, b;
  EXPECT_NE(testing::run({"--headless", "--dir", a.path().string()}, "Command1\n").out,
            testing::run({"--headless", "--dir", b.path().string()}, "Command1\n").out);
}

// --init makes the deck and a tally of no wins, and keeps win counts that are there already;
// without XDG_RUNTIME_DIR, it, a script and a headless run print nothing on standard error. A
// killed run's temporary file carries its process id: a later run with the same id (a sandbox may
// start every run at the same id) must still deal, and clears the leftover away.
TEST(Program, InitKeepsFilesAndRunsStayQuietOverAStaleTemporary) {
  testing::TempDir dir;
  testing::writeFile(dir / kTotalsFile, "5,6,7,8\r\n");
  testing::writeFile(dir / "clicks.txt", "Command1\n");
  std::vector<std::vector<std::string>> runs = {{"--init", dir.path().string()}};
#ifdef KORVO_WINDOW  // without the window no Qt runs, whose notes these would be
  runs.push_back({"--script", (dir / "clicks.txt").string(), "--screenshot",
                  (dir / "x.png").string(), "--dir", dir.path().string()});
#endif
  runs.push_back({"--headless", "--dir", dir.path().string()});
  for (const auto& args : runs) {
    SCOPED_TRACE(args[0]);
    Process p(args);
    const fs::path stale = dir / (".cardfile.txt.new-" + std::to_string(p.pid) + "-0");
    if (args[0] == "--headless") {  // it waits for its clicks until the leftover is in place
      testing::writeFile(stale, formatCardRecord(standardDeck()[0]));  // part of a deck
      fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    }
    p.send("Command1\n");
    std::string out, err;
    EXPECT_EQ(p.finish(&out, &err), 0);
    EXPECT_EQ(err, "");
    EXPECT_THAT(out, Not(HasSubstr("\"error\"")));
    EXPECT_FALSE(fs::exists(stale));
    // The deck --init made, before the script's deal shuffles it: four suits, each an ace at
    // 11, 2 to 10 and three faces at 10.
    if (args[0] == "--init") {
      int total = 0;
      for (const auto& card : readCardFile(dir / kCardFile)) total += card.value;
      EXPECT_EQ(total, 4 * (11 + 54 + 30));
    }
  }
  EXPECT_EQ(testing::readFile(dir / kTotalsFile), "5,6,7,8\r\n");
  testing::TempDir fresh;  // a new tally starts at no wins
  EXPECT_EQ(testing::run({"--init", fresh.path().string()}).status, 0);
  EXPECT_EQ(testing::readFile(fresh / kTotalsFile), "0,0,0,0\r\n");
}

}  // namespace
}  // namespace korvo
