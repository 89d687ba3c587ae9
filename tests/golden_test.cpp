// Whole games of the built program against transcripts recorded from it: each folder of
// tests/golden holds the game directory a run starts from (files/), the extra arguments (args)
// and the clicks; its transcript is what the run printed, its exit status, what it wrote on
// standard error and every file the game directory holds afterwards. The games were played by
// a careless player 1 over seeded decks, hand-made decks and broken files, so they pass through
// knocks, 31s, reshuffles, players going out, games played on without player 1, won games and
// file faults; the rules were checked independently on such games, so a transcript is the
// reference. After a deliberate change, KORVO_RECORD_GOLDEN=1 rewrites the transcripts, and
// scripts/golden-diff shows the re-recorded ones click by click before they are committed.
#include <gmock/gmock.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <sstream>

#include "game/game.h"
#include "players/classic.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

std::string transcriptOf(const fs::path& game, const testing::TempDir& scratch) {
  const fs::path dir = scratch / "game";
  fs::copy(game / "files", dir);
  std::string args = testing::readFile(game / "args");
  args.erase(args.find_last_not_of("\n") + 1);
  // The command line's mistakes are told in the desktop's language; the transcripts are English.
  const std::string command =
      "cd '" + game.string() +
      "' && LANGUAGE= LC_ALL=C.UTF-8 '" KORVO_BINARY "' --headless --dir '" + dir.string() + "' " +
      args + " < clicks > '" + (scratch / "out").string() + "' 2> '" + (scratch / "err").string() +
      "'";
  const int status = std::system(command.c_str());
  std::string text = testing::readFile(scratch / "out") + "-- exit " +
                     std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "\n" +
                     testing::readFile(scratch / "err");
  std::vector<fs::path> files(fs::directory_iterator(dir), {});
  std::sort(files.begin(), files.end());
  for (const fs::path& f : files) {
    std::string contents = testing::readFile(f);
    // The statistics count from the moment of the run.
    if (f.filename() == "statistics.json") {
      contents =
          std::regex_replace(contents, std::regex("\"since\": \"[^\"]*\""), "\"since\": \"SINCE\"");
    }
    text += "-- " + f.filename().string() + "\n" + contents;
  }
  // Messages name the game directory, which is a new one every run.
  for (std::size_t p; (p = text.find(dir.string())) != std::string::npos;) {
    text.replace(p, dir.string().size(), "GAMEDIR");
  }
  return text;
}

// The games of tests/golden, by folder name.
std::vector<std::string> goldenGames() {
  std::vector<std::string> games;
  for (const auto& entry : fs::directory_iterator(KORVO_GOLDEN_DIR)) {
    if (fs::exists(entry.path() / "clicks")) games.push_back(entry.path().filename().string());
  }
  std::sort(games.begin(), games.end());
  return games;
}

// The first line where the run left its transcript: for a click, its number and the JSON
// patch that turns the recorded line into the one printed; else both lines, cut short.
std::optional<std::string> firstDifference(const std::string& want, const std::string& got) {
  const std::vector<std::string> a = testing::linesOf(want), b = testing::linesOf(got);
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string x = i < a.size() ? a[i] : "(none)", y = i < b.size() ? b[i] : "(none)";
    if (x == y) continue;
    const auto wantJson = nlohmann::json::parse(x, nullptr, false);
    const auto gotJson = nlohmann::json::parse(y, nullptr, false);
    if (wantJson.is_object() && gotJson.is_object()) {
      return "click " + std::to_string(i + 1) + " (" + wantJson.value("click", "?") +
             ") differs: " + nlohmann::json::diff(wantJson, gotJson).dump();
    }
    const auto cut = [](const std::string& s) {
      return s.size() > 300 ? s.substr(0, 300) + "…" : s;
    };
    return "line " + std::to_string(i + 1) + " differs:\n  recorded: " + cut(x) +
           "\n  printed:  " + cut(y);
  }
  return std::nullopt;
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, ReplaysItsTranscript) {
  const fs::path game = fs::path(KORVO_GOLDEN_DIR) / GetParam();
  testing::TempDir scratch;
  const std::string text = transcriptOf(game, scratch);
  if (std::getenv("KORVO_RECORD_GOLDEN") != nullptr) testing::writeFile(game / "transcript", text);
  if (const auto difference = firstDifference(testing::readFile(game / "transcript"), text)) {
    ADD_FAILURE() << GetParam() << ": " << *difference;
  }
}

INSTANTIATE_TEST_SUITE_P(Games, Golden, ::testing::ValuesIn(goldenGames()),
                         [](const ::testing::TestParamInfo<std::string>& game) {
                           std::string name = game.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// A game folder that lost its clicks would drop out of the list above without a word.
TEST(GoldenGames, AllThirtyTwoAreThere) {
  EXPECT_EQ(goldenGames().size(), 32u);
}

// The notice the transcripts do not show: in the game wins-at-limit, a winner whose count is at
// its limit is told once that the win was not counted (that the count stays, the transcript
// shows).
TEST(Golden, AWinCountAtItsLimitStaysThereAndThePlayerIsTold) {
  const fs::path game = fs::path(KORVO_GOLDEN_DIR) / "wins-at-limit";
  testing::TempDir dir;
  fs::copy(game / "files", dir.path());
  SeededRandom random(11);
  Game korvo(dir.path(), random, classicSeats());
  std::istringstream clicks(testing::readFile(game / "clicks"));
  std::optional<std::string> notice;
  for (std::string name; !notice && std::getline(clicks, name);) {
    if (const auto control = controlFromName(name)) notice = korvo.click(*control).notice;
  }
  ASSERT_TRUE(notice) << "no win at the limit";
  EXPECT_THAT(*notice, ::testing::HasSubstr("has won 32767"));
  const ClickResult next = korvo.click(Control::Picture5);  // told once, not at the next click
  EXPECT_FALSE(next.notice || next.uncountedWinner != 0);
}

}  // namespace
}  // namespace korvo
