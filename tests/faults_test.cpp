// Faults from outside: the program killed in the middle of play, and writes of the game's two
// files that fail (a directory that refuses new files, a file that may not grow).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <random>
#include <tuple>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testing::readFile;

std::vector<std::string> sortedRecords(const Deck& deck) {
  std::vector<std::string> records;
  for (const auto& card : deck) records.push_back(formatCardRecord(card));
  std::sort(records.begin(), records.end());
  return records;
}

// The built program in headless mode, its output on a pipe (`out`); its clicks come from the
// file `clicks`, or without one from a pipe that the test writes (`in`).
struct Program {
  pid_t pid = -1;
  int in = -1, out = -1;
};

Program startProgram(const fs::path& dir, const std::string& seed,
                     const std::optional<fs::path>& clicks = std::nullopt) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int input = clicks ? ::open(clicks->c_str(), O_RDONLY) : in[0];
    const int null = ::open("/dev/null", O_WRONLY);
    if (input < 0 || null < 0 || ::dup2(input, 0) < 0 || ::dup2(out[1], 1) < 0 ||
        ::dup2(null, 2) < 0) {
      ::_exit(126);
    }
    ::execl(KORVO_BINARY, KORVO_BINARY, "--headless", "--dir", dir.c_str(), "--seed", seed.c_str(),
            nullptr);
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  if (clicks) ::close(in[1]);
  return {pid, clicks ? -1 : in[1], out[0]};
}

// Reads what the program writes until `until` holds or the deadline passes (true), or the
// output ends (false).
bool readOutput(
    int fd, std::string& out, const std::function<bool()>& until = [] { return false; },
    std::optional<Clock::time_point> deadline = std::nullopt) {
  char buf[65536];
  while (!until()) {
    int waitMs = -1;
    if (deadline) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
      if (left.count() <= 0) return true;
      waitMs = static_cast<int>(left.count());
    }
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, waitMs) <= 0) continue;
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) return false;
    out.append(buf, static_cast<std::size_t>(n));
  }
  return true;
}

// SIGKILL at a random moment of play, 200 times on one directory (in memory where there is
// one: a deal fsyncs the deck). After every kill the deck is the same 52 cards, the win counts
// parse, never go down and hold every win the program reported, and the next run plays on
// without a fault, over any temporary file a kill left behind.
TEST(Faults, KilledAtRandomMomentsTheFilesStayWhole) {
  const fs::path dir = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : fs::temp_directory_path()) /
                       ("korvo-faults-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::shared_ptr<void> cleanup(nullptr, [&](void*) {
    std::error_code ec;
    fs::remove_all(dir, ec);
  });
  initGameFiles(dir);
  // Player 1 knocks at every chance, or takes and throws back the top card when somebody has
  // knocked; he is soon out, and then one Deal plays out the rest of the game, deal after deal.
  testing::TempDir scratch;
  std::string clicks;
  for (int i = 0; i < 2000; ++i) clicks += "Command1\nCommand2\nPicture14\nPicture4\n";
  testing::writeFile(scratch / "clicks", clicks);

  std::mt19937 rng(7031);
  std::uniform_int_distribution<int> delayUs(0, 40000);  // after the first click is answered
  Wins floor{};
  int kills = 0, answered = 0;
  for (; kills < 200 && !HasFailure(); ++kills) {
    SCOPED_TRACE("run " + std::to_string(kills));
    const Program p = startProgram(dir, std::to_string(kills), scratch / "clicks");
    ASSERT_GT(p.pid, 0) << "cannot start " << KORVO_BINARY;
    std::string out;
    const bool running =
        readOutput(p.out, out, [&] { return out.find('\n') != std::string::npos; }) &&
        readOutput(
            p.out, out, [] { return false; },
            Clock::now() + std::chrono::microseconds(delayUs(rng)));
    ::kill(p.pid, SIGKILL);
    int status = 0;
    ::waitpid(p.pid, &status, 0);
    readOutput(p.out, out);
    ::close(p.out);
    ASSERT_TRUE(running && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the program ended before the kill, status " << status;
    ASSERT_EQ(out.find("\"error\":"), std::string::npos) << out;
    answered += static_cast<int>(std::count(out.begin(), out.end(), '\n'));
    const std::size_t end = out.rfind('\n'), start = out.rfind('\n', end - 1);  // npos + 1 == 0
    const auto last = nlohmann::json::parse(out.substr(start + 1, end - start - 1));
    // A file that does not parse throws, which fails the test.
    EXPECT_EQ(sortedRecords(readCardFile(dir / kCardFile)), sortedRecords(standardDeck()));
    const Wins wins = readTotalsFile(dir / kTotalsFile);
    for (std::size_t k = 0; k < wins.size(); ++k) {
      EXPECT_GE(wins[k], std::max(int{floor[k]}, last["state"]["wins"][k].get<int>()))
          << "player " << k + 1 << " lost a win";
    }
    floor = wins;
  }
  std::cout << kills << " kills, " << answered << " clicks answered, "
            << floor[0] + floor[1] + floor[2] + floor[3] << " games won, "
            << std::distance(fs::directory_iterator(dir), {}) - 2 << " temporary files left\n";
}

// A killed run's temporary file carries its process id. A later run with the same id, as in a
// sandbox that starts every run at the same id, must still save, and clears the leftover away.
TEST(Faults, ATemporaryLeftByAKilledRunDoesNotStopTheNextDeal) {
  testing::GameDir dir;
  const Program p = startProgram(dir.path(), "1");
  ASSERT_GT(p.pid, 0) << "cannot start " << KORVO_BINARY;
  const fs::path stale = dir / (".cardfile.txt.new-" + std::to_string(p.pid) + "-0");
  testing::writeFile(stale, formatCardRecord(standardDeck()[0]));  // part of a deck
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::minutes(5));
  EXPECT_EQ(::write(p.in, "Command1\n", 9), 9);
  ::close(p.in);
  std::string out;
  readOutput(p.out, out);
  ::close(p.out);
  int status = 0;
  ::waitpid(p.pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  const auto record = nlohmann::json::parse(out);
  EXPECT_FALSE(record.contains("error")) << record["error"];
  EXPECT_EQ(record["state"]["dealt"], 1);
  EXPECT_FALSE(fs::exists(stale));
}

// Makes every file of this process stop growing at `bytes`, as a full disk does, while the
// object lives: write() fails with EFBIG once SIGXFSZ is ignored. Only the soft limit is
// lowered, so that it can be raised again without privileges.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit lowered{bytes, old.rlim_max};
    ok_ = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
  }
  bool ok() const { return ok_; }
  sighandler_t oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  bool ok_ = false;
};

// A way to make the writes in a game directory fail; start() returns what keeps the fault up,
// or nothing where this system cannot make the fault. Both stop the deck (960 bytes) and the
// win counts (9 bytes) alike.
struct WriteFault {
  const char* what;
  const char* fault;  // in the message, or nullptr where it depends on the system
  std::shared_ptr<void> (*start)(const fs::path& dir);
};
void PrintTo(const WriteFault& f, std::ostream* os) {
  *os << f.what;
}

template <typename Guard, typename Arg>
std::shared_ptr<void> startFault(Arg arg) {
  auto guard = std::make_shared<Guard>(arg);
  return guard->ok() ? guard : nullptr;
}

const WriteFault kWriteFaults[] = {
    {"the directory refuses new files", nullptr,
     [](const fs::path& dir) { return startFault<testing::UnwritableDir>(dir); }},
    {"the disk is full after 4 bytes of a file", "File too large",
     [](const fs::path&) { return startFault<FileSizeLimit>(rlim_t{4}); }},
};

class FailedWrite : public ::testing::TestWithParam<WriteFault> {};

// A won game whose win cannot be saved: no file changes, the win is kept and written by the
// next Deal that works, and a Deal while the fault lasts changes nothing at all.
TEST_P(FailedWrite, NoFileChangesAndTheWinIsSavedAtTheNextGameStart) {
  const auto expectMessage = [](const ClickResult& result, const char* file) {
    ASSERT_TRUE(result.error.has_value()) << "no message for a failed write of " << file;
    EXPECT_NE(result.error->find(file), std::string::npos) << *result.error;
    EXPECT_NE(result.error->find("cannot be written"), std::string::npos) << *result.error;
    const char* fault = GetParam().fault;
    EXPECT_TRUE(fault == nullptr || result.error->find(fault) != std::string::npos)
        << *result.error;
  };
  testing::GameDir dir;
  testing::writeFile(dir / kTotalsFile, "2,0,1,0\r\n");
  SeededRandom random(5);
  Game game(dir.path(), random);
  // Players 3 and 4 are out, player 2 has 1 point left. Player 1 holds A♥ K♥ 2♣ and has drawn
  // Q♥; throwing the 2♣ makes 31, player 2 pays his last point and player 1 wins the game.
  GameState& st = game.mutableState();
  st.dealt = 1;
  st.turnphase = kDiscardPhase;
  st.honor = {0, 4, 1, 0, 0};
  st.knocked = {"", kNo, kNo, kNo, kNo};
  st.finalturn = st.knocked;
  st.wins = {0, 2, 0, 1, 0};
  const char* const held[] = {"AH", "KH", "2C", "QH"};
  for (std::size_t i = 1; i <= 4; ++i) {
    const Card c = testing::card(held[i - 1]);
    std::tie(st.p1card[i], st.p1suit[i], st.p1value[i]) = std::tie(c.card, c.suit, c.value);
  }
  st.discardbase = st.deckpos = 7;
  const std::string deck = readFile(dir / kCardFile);
  {
    const auto fault = GetParam().start(dir.path());
    if (!fault) GTEST_SKIP() << "this system cannot make the fault: " << GetParam().what;
    expectMessage(game.click(Control::Picture3), kTotalsFile);
    // The show-down closed the round all the same, and the win is kept.
    EXPECT_EQ(game.table().text(Control::Text1), "Pell wins all the honor!");
    EXPECT_EQ(game.table()[Control::total1], "3");
    EXPECT_EQ(st.wins[1], 3);
    EXPECT_TRUE(game.totalsPending());
    const auto honor = st.honor;
    expectMessage(game.click(Control::Command1), kCardFile);  // the deck is written first
    EXPECT_EQ(st.dealt, 0);
    EXPECT_EQ(st.turnphase, kTakePhase);
    EXPECT_EQ(st.honor, honor);
    EXPECT_TRUE(game.totalsPending());
  }
  EXPECT_EQ(readFile(dir / kTotalsFile), "2,0,1,0\r\n");
  EXPECT_EQ(readFile(dir / kCardFile), deck);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2) << "a temporary file is left";

  const ClickResult next = game.click(Control::Command1);
  EXPECT_FALSE(next.error) << *next.error;
  EXPECT_FALSE(game.totalsPending());
  EXPECT_EQ(readFile(dir / kTotalsFile), "3,0,1,0\r\n");
  EXPECT_EQ(st.honor, (std::array<int16_t, kPlayers + 1>{0, 4, 4, 4, 4}));
  EXPECT_EQ(st.dealt, 1);
  EXPECT_NE(readFile(dir / kCardFile), deck);
  EXPECT_EQ(sortedRecords(readCardFile(dir / kCardFile)), sortedRecords(standardDeck()));
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedWrite, ::testing::ValuesIn(kWriteFaults));

}  // namespace
}  // namespace korvo
