// Whole games of the built program against transcripts recorded from it: each folder of
// tests/golden holds the game directory a run starts from (files/), the extra arguments (args)
// and the clicks; its transcript is what the run printed, its exit status, what it wrote on
// standard error and every file the game directory holds afterwards. The games were played by
// a careless player 1 over seeded decks, hand-made decks and broken files, so they pass through
// knocks, 31s, reshuffles, players going out, games played on without player 1, won games and
// file faults; the rules were checked independently on such games, so a transcript is the
// reference. After a deliberate change, KORVO_RECORD_GOLDEN=1 rewrites the transcripts.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <vector>

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
  const std::string command = "cd '" + game.string() +
                              "' && '" KORVO_BINARY "' --headless --dir '" + dir.string() + "' " +
                              args + " < clicks > '" + (scratch / "out").string() + "' 2> '" +
                              (scratch / "err").string() + "'";
  const int status = std::system(command.c_str());
  std::string text = testing::readFile(scratch / "out") + "-- exit " +
                     std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "\n" +
                     testing::readFile(scratch / "err");
  std::vector<fs::path> files(fs::directory_iterator(dir), {});
  std::sort(files.begin(), files.end());
  for (const fs::path& f : files)
    text += "-- " + f.filename().string() + "\n" + testing::readFile(f);
  // Messages name the game directory, which is a new one every run.
  for (std::size_t p; (p = text.find(dir.string())) != std::string::npos;) {
    text.replace(p, dir.string().size(), "GAMEDIR");
  }
  return text;
}

TEST(Golden, GamesReplayTheirTranscripts) {
  const bool record = std::getenv("KORVO_RECORD_GOLDEN") != nullptr;
  int games = 0;
  for (const auto& entry : fs::directory_iterator(KORVO_GOLDEN_DIR)) {
    if (!fs::exists(entry.path() / "clicks")) continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++games;
    testing::TempDir scratch;
    const std::string text = transcriptOf(entry.path(), scratch);
    if (record) testing::writeFile(entry.path() / "transcript", text);
    // A failure shows the lines that differ: the first click that went another way.
    EXPECT_EQ(testing::readFile(entry.path() / "transcript"), text);
  }
  EXPECT_GE(games, 8);
}

// The notice the transcripts do not show: in the game wins-at-limit, a winner whose count is at
// its limit is told that the win was not counted (that the count stays, the transcript shows).
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
  EXPECT_NE(notice->find("has won 32767"), std::string::npos) << *notice;
}

}  // namespace
}  // namespace korvo
