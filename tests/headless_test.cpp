#include "app/headless.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

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
  EXPECT_EQ(records[0]["click"], "Picture14");
  EXPECT_FALSE(records[0].contains("error"));
  EXPECT_FALSE(records[1].contains("error"));
  EXPECT_EQ(records[2]["click"], "NoSuchThing");
  EXPECT_TRUE(records[2].contains("error"));

  const json& first = records[0];
  std::vector<std::string> keys;
  for (const auto& [key, value] : first.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"click", "controls", "state", "randoms"}));
  EXPECT_EQ(first["controls"].size(), 28u);
  EXPECT_EQ(first["controls"]["Text2"], "Quillbrook Oma");
  EXPECT_EQ(first["controls"]["Picture1"], "");
  EXPECT_EQ(first["controls"]["total1"], "");
  const json& state = first["state"];
  EXPECT_EQ(state.size(), 25u);
  EXPECT_EQ(state["deckcard"].size(), 52u);
  EXPECT_EQ(state["p1card"].size(), 4u);
  EXPECT_EQ(state["p1suit"].size(), 5u);
  EXPECT_EQ(state["p4value"].size(), 5u);
  EXPECT_EQ(state["knocked"], json::array({"", "", "", ""}));
  EXPECT_EQ(state["honor"], json::array({0, 0, 0, 0}));
  EXPECT_EQ(state["movetext"], "");
  EXPECT_EQ(first["randoms"], 0);
}

TEST(Headless, StopsWithStatusThreeWhenTheNumbersRunOut) {
  testing::GameDir dir;
  ScriptedRandom random(std::vector<float>(51, 0.5f));
  Game game(dir.path(), random);
  std::istringstream in("Label1\nCommand1\nCommand1\n");
  std::ostringstream out, err;
  EXPECT_EQ(runHeadless(game, in, out, err), 3);
  EXPECT_EQ(lines(out.str()).size(), 1u) << "no line for the click that needed a number";
  EXPECT_NE(err.str().find("random"), std::string::npos);
}

// The built program, run as a user would.
struct ProgramRun {
  int status;
  std::string out;
};

ProgramRun run(const std::string& command) {
  ProgramRun r{-1, ""};
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return r;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) r.out.append(buf, n);
  const int status = ::pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST(Program, PlaysARoundHeadless) {
  testing::GameDir dir;
  std::string numbers;
  for (float r : testing::identityShuffle()) numbers += std::to_string(r) + "\n";
  // Wenna holds 25 in clubs and knocks whatever the number; Tobin and Oma draw.
  testing::writeFile(dir / "r.txt", numbers + "0.99\n0.99\n0.99\n");
  // The second Deal needs 52 numbers more than the file holds.
  testing::writeFile(dir / "clicks.txt", "Command1\nPicture15\nPicture4\nCommand1\n");
  const std::string korvo = KORVO_BINARY;
  const ProgramRun r = run(korvo + " --headless --dir " + dir.path().string() + " --random-file " +
                           (dir / "r.txt").string() + " < " + (dir / "clicks.txt").string());
  EXPECT_EQ(r.status, 3) << r.out;
  const std::string out = r.out.substr(r.out.find('{'));
  const auto records = lines(out.substr(0, out.rfind('}') + 1));
  ASSERT_EQ(records.size(), 3u) << r.out;
  EXPECT_EQ(records[0]["randoms"], 55);
  EXPECT_EQ(records[0]["controls"]["Text1"], "Pell, it's your turn.");
  EXPECT_EQ(records[0]["controls"]["Text4"], "Knock!");
  EXPECT_EQ(records[1]["controls"]["Text1"], "Pell takes discard.");
  // Player 1's final turn, then play comes back to Wenna and the show-down settles the round.
  EXPECT_EQ(records[2]["controls"]["Text4"], "Show Cards!");
  EXPECT_EQ(records[2]["state"]["dealt"], 0);
  EXPECT_EQ(records[2]["state"]["pot"], 1);
  // The deck file holds the order of the deal: the hands and the draw pile are as dealt.
  const Deck written = readCardFile(dir / kCardFile);
  for (int i = 0; i < 52; ++i) {
    if (i == 12 || i == 13) continue;  // the discard pile, changed by play
    EXPECT_EQ(records[2]["state"]["deckcard"][i], written[i].picture) << i;
  }
}

TEST(Program, CommandLineMistakesExitWithTwo) {
  const std::string korvo = KORVO_BINARY;
  for (const char* args : {"--bogus", "--seed x", "--random-file /nonexistent/r.txt",
                           "--seed 1 --random-file /dev/null"}) {
    const ProgramRun r = run(korvo + " --headless " + args + " < /dev/null");
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << args << ": " << r.out;
  }
}

TEST(Program, InitMakesAGameDirectoryAndKeepsFiles) {
  testing::TempDir dir;
  const std::string korvo = KORVO_BINARY;
  testing::writeFile(dir / kTotalsFile, "5,6,7,8\r\n");
  ASSERT_EQ(run(korvo + " --init " + dir.path().string()).status, 0);
  EXPECT_EQ(readCardFile(dir / kCardFile), standardDeck());
  EXPECT_EQ(testing::readFile(dir / kTotalsFile), "5,6,7,8\r\n");
}

}  // namespace
}  // namespace korvo
