// One Korvo per game directory, tried with real processes: a second Korvo on a held directory
// plays nothing and says who holds it; the hold dies with its holder, even a killed one, and
// needs no write access. Also: standard error carries only Korvo's own lines.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "game/recordfile.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

std::string drain(int fd) {
  std::string out;
  char buf[4096];
  for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
    out.append(buf, static_cast<std::size_t>(n));
  ::close(fd);
  return out;
}

// The built program with `args`; its standard input a pipe the test writes (`in`), its output
// and error output on pipes. `unset` names an environment variable the program does not get.
struct Process {
  pid_t pid = -1;
  int in = -1, out = -1, err = -1;

  Process(const std::vector<std::string>& args, const char* unset = nullptr) {
    int p[3][2];
    for (auto& fds : p) {
      if (::pipe2(fds, O_CLOEXEC) != 0) return;
    }
    pid = ::fork();
    if (pid == 0) {
      if (unset) ::unsetenv(unset);
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      std::vector<char*> argv{const_cast<char*>(KORVO_BINARY)};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      if (::dup2(p[0][0], 0) < 0 || ::dup2(p[1][1], 1) < 0 || ::dup2(p[2][1], 2) < 0) ::_exit(126);
      ::execv(KORVO_BINARY, argv.data());
      ::_exit(127);
    }
    ::close(p[0][0]);
    ::close(p[1][1]);
    ::close(p[2][1]);
    in = p[0][1];
    out = p[1][0];
    err = p[2][0];
  }

  // One line of output: the program answered a click, so it holds its directory by now.
  std::string line() {
    std::string text;
    char c;
    while (::read(out, &c, 1) == 1 && c != '\n') text += c;
    return text;
  }

  // Closes its input, collects its output and error output; the exit status, or -signal.
  int finish(std::string* output = nullptr, std::string* error = nullptr) {
    ::close(in);
    std::string o = drain(out), e = drain(err);
    if (output) *output = o;
    if (error) *error = e;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  }
};

Process headless(const fs::path& dir) {
  return Process({"--headless", "--dir", dir.string(), "--seed", "3"});
}

// A second Korvo in every mode, --init too: status 4, the holder named, not a byte of output,
// no file changed.
TEST(Hold, ASecondKorvoOnAHeldDirectoryPlaysNothing) {
  testing::GameDir dir;
  testing::writeFile(dir / "clicks.txt", "Command1\n");
  Process holder = headless(dir.path());
  ASSERT_GT(holder.pid, 0);
  ASSERT_EQ(::write(holder.in, "Form1\n", 6), 6);
  ASSERT_NE(holder.line(), "");
  const std::string deck = testing::readFile(dir / kCardFile);

  const std::string d = dir.path().string();
  const bool locksListed = std::ifstream("/proc/locks").good();
  const std::vector<std::vector<std::string>> seconds = {
      {"--headless", "--dir", d},
      {"--init", d},
      {"--script", (dir / "clicks.txt").string(), "--screenshot", (dir / "x.png").string(), "--dir",
       d},
  };
  for (const auto& args : seconds) {
    SCOPED_TRACE(args[0]);
    Process second(args);
    ASSERT_EQ(::write(second.in, "Command1\n", 9), 9);
    std::string out, err;
    EXPECT_EQ(second.finish(&out, &err), 4);
    EXPECT_EQ(out, "");
    // The holder is named where the kernel lists its locks.
    EXPECT_EQ(err, "korvo: " + d + " is in use by another Korvo" +
                       (locksListed ? " (process " + std::to_string(holder.pid) + ")" : "") + "\n");
  }
  EXPECT_EQ(testing::readFile(dir / kCardFile), deck);
  EXPECT_FALSE(fs::exists(dir / "x.png"));
  EXPECT_EQ(holder.finish(), 0);
}

// After its holder ends, even by SIGKILL, the directory plays at once.
TEST(Hold, TheHoldDiesWithItsHolder) {
  testing::GameDir dir;
  for (const bool killed : {true, false}) {
    SCOPED_TRACE(killed ? "killed" : "ended");
    Process holder = headless(dir.path());
    ASSERT_EQ(::write(holder.in, "Command1\n", 9), 9);
    ASSERT_NE(holder.line(), "");
    if (killed) ::kill(holder.pid, SIGKILL);
    EXPECT_EQ(holder.finish(), killed ? -SIGKILL : 0);

    Process next = headless(dir.path());
    ASSERT_EQ(::write(next.in, "Command1\n", 9), 9);
    std::string out;
    EXPECT_EQ(next.finish(&out), 0);
    EXPECT_NE(out.find("\"dealt\":1"), std::string::npos) << out;
  }
}

// A directory that refuses writes is still held and played: its Deal reports the deck that
// cannot be written.
TEST(Hold, AReadOnlyDirectoryStartsAndItsDealReportsTheWrite) {
  testing::GameDir dir;
  testing::UnwritableDir readOnly(dir.path());
  if (!readOnly.ok()) GTEST_SKIP() << "this system cannot make a directory refuse writes";
  Process p = headless(dir.path());
  ASSERT_EQ(::write(p.in, "Command1\n", 9), 9);
  std::string out;
  EXPECT_EQ(p.finish(&out), 0);
  EXPECT_NE(out.find("\"error\":\"" + (dir / kCardFile).string() + ": cannot be written"),
            std::string::npos)
      << out;
}

// Where XDG_RUNTIME_DIR is unset (an ssh or cron shell), making a game directory and playing
// in it in script mode print nothing on standard error.
TEST(QuietStderr, InitAndAScriptPrintNothingWithoutARuntimeDirectory) {
#ifndef KORVO_WINDOW
  GTEST_SKIP() << "a build without the window runs no Qt, whose notes these are";
#endif
  testing::TempDir base;
  const std::string dir = (base / "game").string();
  testing::writeFile(base / "clicks.txt", "Command1\n");
  const std::vector<std::vector<std::string>> runs = {
      {"--init", dir},
      {"--script", (base / "clicks.txt").string(), "--screenshot", (base / "x.png").string(),
       "--dir", dir},
  };
  for (const auto& args : runs) {
    SCOPED_TRACE(args[0]);
    std::string err;
    EXPECT_EQ(Process(args, "XDG_RUNTIME_DIR").finish(nullptr, &err), 0);
    EXPECT_EQ(err, "");
  }
}

}  // namespace
}  // namespace korvo
