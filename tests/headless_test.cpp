#include "app/headless.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "game/gamedir.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

using json = nlohmann::ordered_json;

std::vector<json> lines(const std::string& out) {
  std::vector<json> records;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) records.push_back(json::parse(line));
  return records;
}

TEST(Headless, OneLineOfJsonPerClick) {
  testing::GameDir dir;
  ScriptedRandom random(testing::identityShuffle());
  Game game(dir.path(), random);
  std::istringstream in("\n# a comment\n  Picture14 \nForm1\nNoSuchThing\nLabel1\n");
  std::ostringstream out, err;
  EXPECT_EQ(runHeadless(game, in, out, err), 0);
  const auto records = lines(out.str());
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[2]["click"], "NoSuchThing");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(records[i].contains("error"), i == 2) << i;

  const json& first = records[0];
  std::vector<std::string> keys;
  for (const auto& [key, value] : first.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"click", "controls", "state", "randoms"}));
  EXPECT_EQ(first["click"], "Picture14");
  EXPECT_EQ(first["controls"].size(), 28u);
  EXPECT_EQ(first["controls"]["Text2"], "Quillbrook Oma");
  // State arrays leave out their unused element 0.
  const json& state = first["state"];
  EXPECT_EQ(state.size(), 25u);
  EXPECT_EQ(state["deckcard"].size(), 52u);
  EXPECT_EQ(state["p1suit"].size(), 5u);
  EXPECT_EQ(state["honor"], json::array({0, 0, 0, 0}));
}

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

TEST(Program, PlaysARoundHeadlessAndStopsWithThreeWhenTheNumbersRunOut) {
  testing::GameDir dir;
  std::string numbers;
  for (float r : testing::identityShuffle()) numbers += std::to_string(r) + "\n";
  // Wenna holds 25 in clubs and knocks whatever the number; Tobin and Oma draw. The second
  // Deal needs 52 numbers more than the file holds.
  testing::writeFile(dir / "r.txt", numbers + "0.99\n0.99\n0.99\n");
  testing::writeFile(dir / "clicks.txt", "Command1\nPicture15\nPicture4\nCommand1\n");
  const ProgramRun r = run("--headless --dir " + dir.path().string() + " --random-file " +
                           (dir / "r.txt").string() + " < " + (dir / "clicks.txt").string());
  EXPECT_EQ(r.status, 3) << r.out;
  const std::size_t begin = r.out.find('{'), end = r.out.rfind('}') + 1;
  const auto records = lines(r.out.substr(begin, end - begin));
  ASSERT_EQ(records.size(), 3u) << "no line for the click that needed a number: " << r.out;
  EXPECT_NE(r.out.find("random", end), std::string::npos) << r.out;
  EXPECT_EQ(records[0]["randoms"], 55);
  // Player 1's final turn, then play comes back to Wenna and the show-down settles the round.
  EXPECT_EQ(records[2]["controls"]["Text4"], "Show Cards!");
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
