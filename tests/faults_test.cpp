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
#include <set>
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

// Names in a game directory other than the two files: temporaries of an unfinished write.
std::vector<std::string> strayFiles(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (name != kCardFile && name != kTotalsFile) names.push_back(name);
  }
  return names;
}

std::vector<std::string> sortedRecords(const Deck& deck) {
  std::vector<std::string> records;
  for (const auto& card : deck) records.push_back(formatCardRecord(card));
  std::sort(records.begin(), records.end());
  return records;
}

// A game directory in memory where there is one: a deal fsyncs the deck, which is slow on disk.
class FastDir {
 public:
  FastDir() {
    std::error_code ec;
    const fs::path shm = "/dev/shm";
    if (fs::is_directory(shm, ec) && ::access(shm.c_str(), W_OK) == 0) {
      path_ = shm / ("korvo-faults-" + std::to_string(::getpid()));
      fs::create_directories(path_);
    } else {
      fallback_ = std::make_unique<testing::TempDir>();
      path_ = fallback_->path();
    }
  }
  ~FastDir() {
    std::error_code ec;
    if (!fallback_) fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  std::unique_ptr<testing::TempDir> fallback_;
  fs::path path_;
};

// The built program in headless mode, its output on a pipe; its clicks come from the file
// `clicks`, or without one from a pipe that the test writes (`in`).
struct Program {
  pid_t pid = -1;
  int in = -1;
  int out = -1;
};

Program startProgram(const std::vector<std::string>& args,
                     const std::optional<fs::path>& clicks = std::nullopt) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int inFds[2], outFds[2];
  if (::pipe2(inFds, O_CLOEXEC) != 0) return {};
  if (::pipe2(outFds, O_CLOEXEC) != 0) {
    ::close(inFds[0]);
    ::close(inFds[1]);
    return {};
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = clicks ? ::open(clicks->c_str(), O_RDONLY) : inFds[0];
    const int null = ::open("/dev/null", O_WRONLY);
    if (in < 0 || null < 0 || ::dup2(in, 0) < 0 || ::dup2(outFds[1], 1) < 0 ||
        ::dup2(null, 2) < 0) {
      ::_exit(126);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(inFds[0]);
  ::close(outFds[1]);
  if (pid < 0 || clicks) ::close(inFds[1]);
  if (pid < 0) {
    ::close(outFds[0]);
    return {};
  }
  return {pid, clicks ? -1 : inFds[1], outFds[0]};
}

// Reads what the program writes until `until` returns true or the output ends; false at the end.
bool readOutput(int fd, std::string& out, const std::function<bool()>& until,
                std::optional<Clock::time_point> deadline) {
  char buf[65536];
  while (!until()) {
    int waitMs = -1;
    if (deadline) {
      const auto left =
          std::chrono::duration_cast<std::chrono::microseconds>(*deadline - Clock::now());
      if (left.count() <= 0) return true;
      waitMs = static_cast<int>((left.count() + 999) / 1000);
    }
    pollfd p{fd, POLLIN, 0};
    const int ready = ::poll(&p, 1, waitMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) continue;
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) return false;
    out.append(buf, static_cast<std::size_t>(n));
  }
  return true;
}

void readToEnd(int fd, std::string& out) {
  readOutput(
      fd, out, [] { return false; }, std::nullopt);
}

// The built program, killed with SIGKILL at a random moment of play, again and again on the same
// directory. After every kill the deck is a whole deck of the same 52 cards, the win counts
// parse, never go down and hold every win that the program had reported, and the next run
// plays on without a fault. A kill between the temporary file's creation and its rename
// leaves that file behind, as nothing runs after SIGKILL; such files are counted, and they
// must not stop a later run.
TEST(Faults, KilledAtRandomMomentsTheFilesStayWhole) {
  constexpr int kKills = 200;
  constexpr int kMaxDelayUs = 40000;  // after the first click is answered
  FastDir dir;
  initGameFiles(dir.path());
  // Player 1 knocks at every chance, or takes and throws back the top card when somebody has
  // knocked; he is soon out, and then one Deal plays out the rest of the game, deal after deal.
  testing::TempDir scratch;
  std::string stream;
  for (int i = 0; i < 2000; ++i) stream += "Command1\nCommand2\nPicture14\nPicture4\n";
  testing::writeFile(scratch / "clicks", stream);

  const auto standard = sortedRecords(standardDeck());
  std::mt19937 rng(7031);
  std::uniform_int_distribution<int> delayUs(0, kMaxDelayUs);
  Wins floor{};
  std::set<std::string> strays;
  int kills = 0, answered = 0, killsLeavingStrays = 0;
  for (int run = 0; run < kKills; ++run) {
    const Program p = startProgram(
        {KORVO_BINARY, "--headless", "--dir", dir.path().string(), "--seed", std::to_string(run)},
        scratch / "clicks");
    ASSERT_GT(p.pid, 0) << "cannot start " << KORVO_BINARY;
    std::string out;
    bool running = readOutput(
        p.out, out, [&] { return out.find('\n') != std::string::npos; }, std::nullopt);
    if (running) {
      const auto deadline = Clock::now() + std::chrono::microseconds(delayUs(rng));
      running = readOutput(
          p.out, out, [] { return false; }, deadline);
    }
    ::kill(p.pid, SIGKILL);
    int status = 0;
    ::waitpid(p.pid, &status, 0);
    readToEnd(p.out, out);
    ::close(p.out);
    ASSERT_TRUE(running && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "run " << run << ": the program ended before the kill, status " << status;
    ++kills;

    const auto lastEnd = out.rfind('\n');
    ASSERT_NE(lastEnd, std::string::npos);
    answered += static_cast<int>(std::count(out.begin(), out.end(), '\n'));
    const auto lastStart = out.rfind('\n', lastEnd - 1);
    const auto last = nlohmann::json::parse(
        out.substr(lastStart == std::string::npos ? 0 : lastStart + 1, lastEnd - lastStart - 1));
    ASSERT_EQ(out.find("\"error\":"), std::string::npos) << "run " << run << ": " << out;

    try {
      EXPECT_EQ(sortedRecords(readCardFile(dir.path() / kCardFile)), standard)
          << "run " << run << ": the deck lost or changed cards";
      const Wins wins = readTotalsFile(dir.path() / kTotalsFile);
      for (std::size_t k = 0; k < wins.size(); ++k) {
        const int reported = last["state"]["wins"][k];
        EXPECT_GE(wins[k], std::max<int>(floor[k], reported))
            << "run " << run << ": player " << k + 1 << " lost a win";
      }
      floor = wins;
    } catch (const FileError& e) {
      FAIL() << "run " << run << ": " << e.what();
    }
    bool leftBehind = false;
    for (const auto& name : strayFiles(dir.path())) leftBehind |= strays.insert(name).second;
    killsLeavingStrays += leftBehind;
    if (HasFailure()) break;  // one broken state is enough; the runs after it would repeat it
  }
  std::cout << kills << " kills, " << 2 * kills << " files checked, " << answered
            << " clicks answered, " << floor[0] + floor[1] + floor[2] + floor[3] << " games won, "
            << strays.size() << " temporary files left by " << killsLeavingStrays << " kills\n";
}

// A temporary file left by a killed run carries that run's process id. A later run that gets
// the same process id, as in a sandbox that starts every run at the same id, must still save,
// and the old leftover is cleared away.
TEST(Faults, ATemporaryLeftByAKilledRunDoesNotStopTheNextDeal) {
  testing::GameDir dir;
  const Program p =
      startProgram({KORVO_BINARY, "--headless", "--dir", dir.path().string(), "--seed", "1"});
  ASSERT_GT(p.pid, 0) << "cannot start " << KORVO_BINARY;
  // What a kill in the middle of the first write of a run with this id leaves: part of a deck.
  const fs::path stale = dir / (".cardfile.txt.new-" + std::to_string(p.pid) + "-0");
  testing::writeFile(stale, formatCardRecord(standardDeck()[0]));
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::minutes(5));
  const std::string click = "Command1\n";
  EXPECT_EQ(::write(p.in, click.data(), click.size()), static_cast<ssize_t>(click.size()));
  ::close(p.in);
  std::string out;
  readToEnd(p.out, out);
  ::close(p.out);
  int status = 0;
  ::waitpid(p.pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  const auto record = nlohmann::json::parse(out);
  EXPECT_FALSE(record.contains("error")) << record["error"];
  EXPECT_EQ(record["state"]["dealt"], 1);
  EXPECT_FALSE(fs::exists(stale));
}

// Makes every file of this process stop growing at `bytes`, as a full disk stops it, while the
// object lives: write() fails with EFBIG once SIGXFSZ is ignored. Only the soft limit is
// lowered, so that it can be raised again without privileges.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool ok() const { return ok_; }

 private:
  rlimit old_{};
  sighandler_t oldHandler_ = SIG_DFL;
  bool ok_ = false;
};

// A way to make the writes in a game directory fail; start() returns what keeps the fault up,
// or nothing where this system cannot make the fault.
struct WriteFault {
  const char* what;
  const char* fault;  // in the message, or nullptr where it depends on the system
  std::shared_ptr<void> (*start)(const fs::path& dir);
};

void PrintTo(const WriteFault& f, std::ostream* os) {
  *os << f.what;
}

// Both faults stop the deck (960 bytes) and the win counts (9 bytes) alike.
const WriteFault kWriteFaults[] = {
    {"the directory refuses new files", nullptr,
     [](const fs::path& dir) -> std::shared_ptr<void> {
       auto guard = std::make_shared<testing::UnwritableDir>(dir);
       return guard->ok() ? guard : nullptr;
     }},
    {"the disk is full after 4 bytes of a file", "File too large",
     [](const fs::path&) -> std::shared_ptr<void> {
       auto guard = std::make_shared<FileSizeLimit>(4);
       return guard->ok() ? guard : nullptr;
     }},
};

class FailedWrite : public ::testing::TestWithParam<WriteFault> {
 protected:
  // Checks a click's message: it names the file and says that it could not be written.
  void expectMessage(const ClickResult& result, const char* file) const {
    ASSERT_TRUE(result.error.has_value()) << "no message for a failed write of " << file;
    EXPECT_NE(result.error->find(file), std::string::npos) << *result.error;
    EXPECT_NE(result.error->find("cannot be written"), std::string::npos) << *result.error;
    if (GetParam().fault != nullptr) {
      EXPECT_NE(result.error->find(GetParam().fault), std::string::npos) << *result.error;
    }
  }
};

TEST_P(FailedWrite, ADealThatCannotSaveTheDeckChangesNoFileAndTheNextDealWorks) {
  testing::GameDir dir;
  SeededRandom random(5);
  Game game(dir.path(), random);
  ASSERT_FALSE(game.click(Control::Command1).error);
  game.click(Control::Command2);  // player 1 knocks: the round is played out
  ASSERT_EQ(game.state().dealt, 0);
  const std::string deck = readFile(dir / kCardFile), totals = readFile(dir / kTotalsFile);
  const auto honor = game.state().honor;
  {
    const auto fault = GetParam().start(dir.path());
    if (!fault) GTEST_SKIP() << "this system cannot make the fault: " << GetParam().what;
    expectMessage(game.click(Control::Command1), kCardFile);
    EXPECT_EQ(game.state().dealt, 0);
    EXPECT_EQ(game.state().turnphase, kTakePhase);
    EXPECT_EQ(game.state().honor, honor);
    // The other buttons find no round under way.
    EXPECT_FALSE(game.click(Control::Command2).error);
    EXPECT_FALSE(game.click(Control::Picture14).error);
    EXPECT_EQ(game.state().dealt, 0);
  }
  EXPECT_EQ(readFile(dir / kCardFile), deck);
  EXPECT_EQ(readFile(dir / kTotalsFile), totals);
  EXPECT_EQ(strayFiles(dir.path()), std::vector<std::string>{});

  const ClickResult next = game.click(Control::Command1);
  EXPECT_FALSE(next.error) << *next.error;
  EXPECT_EQ(game.state().dealt, 1);
  EXPECT_NE(readFile(dir / kCardFile), deck);
  EXPECT_EQ(sortedRecords(readCardFile(dir / kCardFile)), sortedRecords(standardDeck()));
}

TEST_P(FailedWrite, AWinThatCannotBeSavedIsKeptAndWrittenAtTheNextGameStart) {
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
    EXPECT_EQ(st.dealt, 0);
    EXPECT_EQ(st.turnphase, kTakePhase);
    EXPECT_TRUE(game.totalsPending());
    // A Deal while the fault lasts stops at the deck, which it writes first.
    expectMessage(game.click(Control::Command1), kCardFile);
    EXPECT_EQ(st.dealt, 0);
    EXPECT_TRUE(game.totalsPending());
  }
  EXPECT_EQ(readFile(dir / kTotalsFile), "2,0,1,0\r\n");
  EXPECT_EQ(readFile(dir / kCardFile), deck);
  EXPECT_EQ(strayFiles(dir.path()), std::vector<std::string>{});

  const ClickResult next = game.click(Control::Command1);
  EXPECT_FALSE(next.error) << *next.error;
  EXPECT_FALSE(game.totalsPending());
  EXPECT_EQ(readFile(dir / kTotalsFile), "3,0,1,0\r\n");
  EXPECT_EQ(st.wins, (std::array<int16_t, kPlayers + 1>{0, 3, 0, 1, 0}));
  EXPECT_EQ(st.honor, (std::array<int16_t, kPlayers + 1>{0, 4, 4, 4, 4}));
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedWrite, ::testing::ValuesIn(kWriteFaults));

}  // namespace
}  // namespace korvo
