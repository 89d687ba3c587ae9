// A game split over several runs with --resume, as real processes: runs killed with SIGKILL at
// random moments print the lines of one run, click for click, and resume the game from just
// before or just after the click in flight; a window ended by SIGTERM comes back with the same
// table. (A game over a file of numbers resumes at its next number: savedgame_test.)
#include <gmock/gmock.h>

#include <chrono>
#include <iostream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <thread>

#include "game/gamedir.h"
#include "game/savedgame.h"
#include "tests/process.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr, ::testing::Not;
using testing::linesOf;
using testing::Process;

// In memory where there is one: every click of a --resume run flushes its saved game.
fs::path fastBase() {
  return ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : fs::temp_directory_path();
}

// `count` clicks of a random player: the draw pile and the card places most, Deal often, now
// and then a control without a handler or a line that is no click at all.
std::vector<std::string> randomClicks(int count, unsigned seed) {
  static const char* const kNames[] = {"Command1", "Command2", "Picture14", "Picture15", "Picture1",
                                       "Picture2", "Picture3", "Picture4",  "Label1",    "Form1"};
  std::discrete_distribution<int> pick({12, 1, 22, 6, 8, 8, 8, 8, 1, 1});
  std::mt19937 rng(seed);
  std::vector<std::string> clicks;
  for (int i = 0; i < count; ++i) clicks.push_back(kNames[pick(rng)]);
  return clicks;
}

std::string joined(const std::vector<std::string>& clicks, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to && i < clicks.size(); ++i) text += clicks[i] + "\n";
  return text;
}

// The output lines of one headless run over `dir` fed `clicks`.
std::vector<std::string> run(std::vector<std::string> args, const fs::path& dir,
                             const std::string& clicks) {
  args.insert(args.begin(), {"--headless", "--dir", dir.string()});
  const testing::Ran ran = testing::run(args, clicks);
  EXPECT_EQ(ran.status, 0) << ran.err;
  return linesOf(ran.out);
}

// A game against Strong players goes on against them when a later run resumes it without
// naming the opponents, and prints what one run against them prints.
TEST(Resume, AResumedGameGoesOnAgainstTheOpponentsItWasPlayedAgainst) {
  const std::vector<std::string> clicks = randomClicks(120, 5);
  testing::TempDir whole(fastBase()), split(fastBase());
  initGameFiles(whole.path());
  initGameFiles(split.path());
  const std::vector<std::string> one =
      run({"--seed", "5", "--opponents", "strong"}, whole.path(), joined(clicks, 0, 120));
  std::vector<std::string> parts = run({"--seed", "5", "--opponents", "strong", "--resume"},
                                       split.path(), joined(clicks, 0, 40));
  for (auto& line : run({"--seed", "5", "--resume"}, split.path(), joined(clicks, 40, 120))) {
    parts.push_back(std::move(line));
  }
  EXPECT_EQ(parts, one);
  EXPECT_NE(one, run({"--seed", "5"}, split.path(), joined(clicks, 0, 120)))
      << "the Strong players played as the Classic ones would";
}

// What a line says of the game, without the click's name and message.
nlohmann::json gameOf(const std::string& line) {
  nlohmann::json j = nlohmann::json::parse(line);
  j.erase("click");
  j.erase("error");
  return j;
}

// A game played by --resume runs killed with SIGKILL at random moments. Every line a killed run
// printed is the line of the same click in one unbroken run; the next run resumes the game as
// it stood after the last line printed or after the click then in flight, never another; and
// the game goes on from there.
TEST(Resume, RunsKilledAtRandomMomentsResumeBeforeOrAfterTheClickInFlight) {
  testing::TempDir reference(fastBase()), killed(fastBase());
  initGameFiles(reference.path());
  initGameFiles(killed.path());
  const std::vector<std::string> clicks = randomClicks(6000, 5);
  const std::vector<std::string> seed = {"--seed", "9"}, resumed = {"--seed", "9", "--resume"};
  const std::vector<std::string> ref =
      run(seed, reference.path(), joined(clicks, 0, clicks.size()));
  ASSERT_EQ(ref.size(), clicks.size());
  const nlohmann::json start = gameOf(run({}, killed.path(), "Form1\n").at(0));

  std::mt19937 rng(31);
  std::uniform_int_distribution<int> delayUs(0, 12000);
  std::size_t done = 0;  // clicks the saved game has played
  int kills = 0, before = 0, after = 0;
  for (int runs = 0; runs < 120 && done < clicks.size() && !HasFailure(); ++runs) {
    Process p({"--headless", "--resume", "--dir", killed.path().string(), "--seed", "9"});
    p.send(joined(clicks, done, clicks.size()));
    std::string out;
    ASSERT_TRUE(p.readLine(out));
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(rng)));
    ::kill(p.pid, SIGKILL);
    const int status = p.finish(&out);
    const std::vector<std::string> lines = linesOf(out);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      ASSERT_EQ(lines[i], ref.at(done + i)) << "click " << done + i + 1;
    }
    const std::size_t printed = done + lines.size();
    if (status != -SIGKILL) {
      done = printed;  // ended before the kill: every click played and kept
      continue;
    }
    ++kills;
    // A run that changes nothing shows the game the saved one holds.
    const nlohmann::json now = gameOf(run(resumed, killed.path(), "Form1\n").at(0));
    if (now == (printed == 0 ? start : gameOf(ref[printed - 1]))) {
      ++before;
      done = printed;
    } else {
      ASSERT_LT(printed, ref.size());
      ASSERT_EQ(now, gameOf(ref[printed]))
          << "resumed neither before nor after click " << printed + 1;
      ++after;
      done = printed + 1;
    }
  }
  std::cout << "kills " << kills << ", resumed before the click in flight " << before
            << ", after it " << after << ", clicks " << done << std::endl;
  EXPECT_GE(kills, 60);
  EXPECT_GT(before, 0);
}

#ifdef KORVO_WINDOW
// The window, ended by SIGTERM as a logout ends it, after a game played through the real
// widgets of script mode: the saved game is as it was, no temporary file is left, and the next
// start draws the same table pixel for pixel.
TEST(Resume, AWindowEndedBySigtermComesBackWithTheSameTable) {
  testing::TempDir dir;
  initGameFiles(dir.path());
  const std::string d = dir.path().string();
  testing::writeFile(dir / "clicks.txt", "Command1\nPicture14\nPicture2\nPicture15\n");
  testing::writeFile(dir / "none.txt", "");
  Process played({"--script", (dir / "clicks.txt").string(), "--screenshot",
                  (dir / "a.png").string(), "--resume", "--dir", d, "--seed", "4"});
  ASSERT_EQ(played.finish(), 0);
  const std::string kept = testing::readFile(dir / kSavedGameFile);

  ::setenv("KORVO_BENCH_FIRST_PAINT", "", 1);  // the window says when it has drawn its table
  Process window({"--dir", d});
  ::unsetenv("KORVO_BENCH_FIRST_PAINT");
  std::string err;
  while (err.find("first-paint-ns") == std::string::npos) {
    char buf[4096];
    const ssize_t n = ::read(window.err, buf, sizeof buf);
    ASSERT_GT(n, 0) << "the window ended before it drew: " << err;
    err.append(buf, static_cast<std::size_t>(n));
  }
  ::kill(window.pid, SIGTERM);
  EXPECT_EQ(window.finish(nullptr, &err), -SIGTERM);
  EXPECT_THAT(err, Not(HasSubstr(kSavedGameFile)));  // resumed, nothing refused
  EXPECT_EQ(testing::readFile(dir / kSavedGameFile), kept);
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
  }

  Process again({"--script", (dir / "none.txt").string(), "--screenshot", (dir / "b.png").string(),
                 "--resume", "--dir", d});
  ASSERT_EQ(again.finish(), 0);
  EXPECT_EQ(testing::readFile(dir / "b.png"), testing::readFile(dir / "a.png"));
}
#endif

}  // namespace
}  // namespace korvo
