#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>

#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

// The built program, run as a user would, with what it writes to stdout and stderr.
struct ProgramRun {
  int status;
  std::string out;
};

ProgramRun run(const std::string& args) {
  ProgramRun r{-1, ""};
  FILE* pipe = ::popen((std::string(KORVO_BINARY) + " " + args + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return r;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) r.out.append(buf, n);
  const int status = ::pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST(Program, CommandLineMistakesExitWithTwoAndOneLine) {
  for (const char* args : {"--bogus", "--seed x", "--random-file /nonexistent/r.txt",
                           "--seed 1 --random-file /dev/null"}) {
    const ProgramRun r = run(std::string("--headless ") + args + " < /dev/null");
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << args << ": " << r.out;
  }
}

TEST(Program, InitMakesAGameDirectoryAndKeepsFiles) {
  testing::TempDir dir;
  testing::writeFile(dir / kTotalsFile, "5,6,7,8\r\n");
  ASSERT_EQ(run("--init " + dir.path().string()).status, 0);
  EXPECT_EQ(readCardFile(dir / kCardFile), standardDeck());
  EXPECT_EQ(testing::readFile(dir / kTotalsFile), "5,6,7,8\r\n");
}

}  // namespace
}  // namespace korvo
