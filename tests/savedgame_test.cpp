// The saved game in one process (that a resumed game plays on exactly, the runs of
// resume_test show): a table of saved games that no play can leave behind, files that are no
// saved game (each set aside as savedgame.json.bak, the game left fresh), and a saved game that
// cannot be written.
#include "game/savedgame.h"

#include <gmock/gmock.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <random>

#include "game/gamedir.h"
#include "players/classic.h"
#include "tests/test_support.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;
using enum Control;
using ::testing::ElementsAre, ::testing::HasSubstr;

GameKeeper keeperOf(Game& game, Random& random, std::vector<std::string>* warnings = nullptr) {
  return GameKeeper(game, random, "classic", [warnings](const std::string& w) {
    if (warnings) warnings->push_back(w);
  });
}

// A position in the middle of a round, player 1 to throw a card away, as its saved text.
Json savedMidRound(const fs::path& dir) {
  SeededRandom random(8);
  Game game(dir, random, classicSeats());
  game.click(Command1);
  game.click(Picture14);
  EXPECT_EQ(game.state().turnphase, kDiscardPhase);
  return Json::parse(
      formatSavedGame(savedGameOf(game, random, "classic", readCardFile(dir / kCardFile)), dir));
}

// One row per fault: what is changed in a good saved game and what the refusal names.
struct BadSave {
  const char* what;
  std::function<void(Json&)> spoil;
  const char* named;
};

TEST(SavedGame, APositionNoPlayCanReachIsRefusedAndNamed) {
  testing::GameDir dir;
  const Json good = savedMidRound(dir.path());
  const Deck deck = readCardFile(dir / kCardFile);
  const auto card = [](Json& j, const char* hand, int place, const Json& from, const char* fromHand,
                       int fromPlace) {
    for (const char* part : {"card", "suit", "value"}) {
      j["state"][std::string(hand) + part][place - 1] =
          from["state"][std::string(fromHand) + part][fromPlace - 1];
    }
  };
  const BadSave rows[] = {
      {"another version", [](Json& j) { j["version"] = 2; }, "is of version 2"},
      {"a version that is a list", [](Json& j) { j["version"] = Json::parse("[1]"); }, "an array;"},
      {"a member missing", [](Json& j) { j.erase("controls"); }, "no member \"controls\""},
      {"a state member missing", [](Json& j) { j["state"].erase("pot"); }, "no member \"pot\""},
      {"an extra member", [](Json& j) { j["state"]["cheat"] = 1; }, "\"cheat\" that no saved"},
      {"a control missing", [](Json& j) { j["controls"].erase("Text3"); }, "member \"Text3\""},
      {"a list too short", [](Json& j) { j["state"]["honor"].erase(3); }, "honor is not a list"},
      {"a text for a number", [](Json& j) { j["state"]["pot"] = "0"; }, "pot is not a whole"},
      {"deckpos past the deck", [](Json& j) { j["state"]["deckpos"] = 53; }, "deckpos is 53"},
      {"dealt 2", [](Json& j) { j["state"]["dealt"] = 2; }, "dealt is 2, outside 0..1"},
      {"a win count below 0", [](Json& j) { j["state"]["wins"][1] = -1; }, "wins(2) is -1"},
      {"honor above 4", [](Json& j) { j["state"]["honor"][0] = 5; }, "is 5, outside -1..4"},
      {"an unknown status", [](Json& j) { j["state"]["knocked"][2] = "X"; }, "knocked(3) \"X\""},
      {"unknown opponents", [](Json& j) { j["opponents"] = "cheats"; }, "neither \"classic\""},
      {"a negative count of numbers", [](Json& j) { j["random"]["drawn"] = -1; }, "not a count"},
      {"a broken generator", [](Json& j) { j["random"]["generator"] = "1 2 x"; }, "not the state"},
      {"an unknown sighting", [](Json& j) { j["state"]["seen"][0][0] = "peeked"; }, "no sighting"},
      {"a short deck file", [](Json& j) { j["cardfile"].erase(0); }, "not a list of 52"},
      {"honor that does not add up", [](Json& j) { j["state"]["honor"][1] = 3; }, "add up to 15"},
      {"a card twice", [&](Json& j) { card(j, "p2", 1, good, "p1", 1); }, "more often than"},
      {"a card of no deck", [](Json& j) { j["state"]["p3card"][0] = "ZZ.JPG"; },
       "not in the deck file"},
      {"a card lost", [](Json& j) { j["state"]["deckvalue"][51] = 99; }, "not in the deck file"},
      {"place 4 empty while a card must be thrown",
       [](Json& j) { j["controls"]["Picture4"] = kEmptyPlace; }, "fourth card place"},
      {"a closed turn while Pell, on his last point, has not knocked",
       [](Json& j) {
         j["state"]["turnphase"] = 2, j["state"]["honor"][0] = 1, j["state"]["pot"] = 3;
       },
       "turnphase is 2 while Pell has neither"},
      {"a round that waits for nobody",
       [](Json& j) { j["state"]["turnphase"] = 2, j["state"]["knocked"][0] = "T"; },
       "Pell can make"},
      {"a card in hand while no round is under way", [](Json& j) { j["state"]["dealt"] = 0; },
       "turnphase is 1 while no round"},
      {"an unknown message", [](Json& j) { j["messages"][1] = Json::parse(R"(["sings",2,null])"); },
       "messages(2) is no message"},
  };
  // The good text itself reads back as the same game, the records of the players' messages
  // included (from which a resumed window words them in the player's language).
  ASSERT_EQ(formatSavedGame(parseSavedGame(good.dump(), deck, dir / kSavedGameFile), dir.path()),
            good.dump() + "\n");
  for (const BadSave& row : rows) {
    SCOPED_TRACE(row.what);
    Json bad = good;
    row.spoil(bad);
    try {
      parseSavedGame(bad.dump(), deck, dir / kSavedGameFile);
      ADD_FAILURE() << "taken";
    } catch (const FileError& e) {
      EXPECT_THAT(e.what(), HasSubstr(row.named));
      EXPECT_EQ(e.file(), dir / kSavedGameFile);
    }
  }
}

// A game over a file of numbers resumes at the number it had reached (a seeded one resumes its
// generator: the runs of resume_test).
TEST(SavedGame, AGameOverAFileOfNumbersResumesAtItsNextNumber) {
  testing::GameDir dir;
  std::vector<float> numbers(2000);
  for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = float(i * 7919 % 1000) / 1000;
  ScriptedRandom played(numbers), resumed(numbers);
  Game game(dir.path(), played, classicSeats());
  GameKeeper keeper = keeperOf(game, played);
  for (Control c : {Command1, Picture14, Picture1, Picture15}) game.click(c);
  keeper.save();
  Game again(dir.path(), resumed, classicSeats());
  ASSERT_TRUE(keeperOf(again, resumed).resume().resumed);
  EXPECT_EQ(resumed.remaining(), played.remaining());
  EXPECT_EQ(again.state(), game.state());
}

// Refusals that need more than a changed member: a value nested far too deep (refused while it
// is read, never built) and, without a deck file to compare with, a
// round with cards missing from the play.
TEST(SavedGame, AHostileValueOrAShortPlayWithoutTheDeckFileIsRefused) {
  testing::GameDir dir;
  const Json good = savedMidRound(dir.path());
  const std::size_t depth = 200000;
  std::string deep = good.dump();
  const std::string version = "\"version\":1";
  deep.replace(deep.find(version), version.size(),
               "\"version\":" + std::string(depth, '[') + std::string(depth, ']'));
  Json shortPlay = good;
  shortPlay["state"]["discardbase"] = 52;
  shortPlay["state"]["deckpos"] = 52;
  const std::pair<std::string, const char*> rows[] = {
      {deep, "nested more than 16 levels deep"},
      {shortPlay.dump(), "cards in play, not 52"},
  };
  for (const auto& [text, named] : rows) {
    try {
      parseSavedGame(text, std::nullopt, dir / kSavedGameFile);
      ADD_FAILURE() << "taken: " << named;
    } catch (const FileError& e) {
      EXPECT_THAT(e.what(), HasSubstr(named));
    }
  }
}

// Files that are no saved game at all: refused by the keeper, renamed savedgame.json.bak
// (replacing an older one), the player told, and the game left fresh with its numbers from 0.
TEST(SavedGame, AFileThatIsNoSavedGameIsSetAsideAndAFreshGameStarts) {
  const std::pair<const char*, std::function<void(const fs::path&)>> rows[] = {
      {"not JSON", [](const fs::path& f) { testing::writeFile(f, "{\"version\": 1,"); }},
      {"empty", [](const fs::path& f) { testing::writeFile(f, ""); }},
      {"a list", [](const fs::path& f) { testing::writeFile(f, "[1]"); }},
      {"over 1 MB", [](const fs::path& f) { testing::writeFile(f, std::string(1 << 21, ' ')); }},
      {"a named pipe", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }},
      {"a directory", [](const fs::path& f) { fs::create_directory(f); }},
  };
  for (const auto& [what, make] : rows) {
    SCOPED_TRACE(what);
    testing::GameDir dir;
    testing::writeFile(dir / kSavedGameBackup, "an older one");
    make(dir / kSavedGameFile);
    SeededRandom random(1);
    Game game(dir.path(), random, classicSeats());
    // As the window keeps it: written by the keeper's thread, at the latest when it closes.
    auto keeper = std::make_unique<GameKeeper>(game, random, "classic", GameKeeper::Warn{},
                                               GameKeeper::Writes::Background);
    const GameKeeper::Resumed resumed = keeper->resume();
    EXPECT_FALSE(resumed.resumed);
    ASSERT_TRUE(resumed.refused);
    EXPECT_THAT(*resumed.refused, HasSubstr((dir / kSavedGameFile).string()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / kSavedGameFile)));
    EXPECT_TRUE(fs::exists(fs::symlink_status(dir / kSavedGameBackup)));
    EXPECT_EQ(game.state(), GameState{});
    EXPECT_EQ(game.random().drawn(), 0u);
    // Play starts afresh and is kept again.
    game.click(Command1);
    keeper->save();
    keeper.reset();
    EXPECT_TRUE(fs::is_regular_file(dir / kSavedGameFile));
  }
}

// A saved game that can be neither used nor set aside (a directory full of things holds the
// backup's name) is left exactly as it is: the player is told, and the run's game is not saved
// over it.
TEST(SavedGame, ARefusedFileThatCannotBeSetAsideIsNeverOverwritten) {
  testing::GameDir dir;
  testing::writeFile(dir / kSavedGameFile, "not a saved game");
  fs::create_directory(dir / kSavedGameBackup);
  testing::writeFile(dir / kSavedGameBackup / "kept", "something");
  SeededRandom random(1);
  Game game(dir.path(), random, classicSeats());
  GameKeeper keeper = keeperOf(game, random);
  const GameKeeper::Resumed resumed = keeper.resume();
  ASSERT_TRUE(resumed.refused);
  EXPECT_FALSE(resumed.setAside);
  EXPECT_THAT(*resumed.refused, HasSubstr("could not be set aside"));
  game.click(Command1);
  keeper.save();
  EXPECT_EQ(testing::readFile(dir / kSavedGameFile), "not a saved game");
}

// A saved game that cannot be written: one warning in a run however many clicks fail, the
// game plays on; a click that changes nothing writes nothing.
TEST(SavedGame, AGameThatCannotBeKeptWarnsOnceAndPlaysOn) {
  testing::GameDir dir;
  SeededRandom random(2);
  Game game(dir.path(), random, classicSeats());
  std::vector<std::string> warnings;
  GameKeeper keeper = keeperOf(game, random, &warnings);
  game.click(Picture1);  // no round under way: refused, nothing to keep
  keeper.save();
  EXPECT_FALSE(fs::exists(dir / kSavedGameFile));
  game.click(Command1);
  keeper.save();
  const std::string kept = testing::readFile(dir / kSavedGameFile);
  fs::remove(dir / kSavedGameFile);
  fs::create_directory(dir / kSavedGameFile);  // a rename cannot replace a directory
  for (Control c : {Picture14, Picture1, Picture15, Picture2}) {
    game.click(c);
    keeper.save();
  }
  EXPECT_THAT(warnings,
              ElementsAre(HasSubstr((dir / kSavedGameFile).string() + ": cannot be written")));
  EXPECT_GT(game.random().drawn(), 52u);
  EXPECT_THAT(kept, HasSubstr("\"drawn\":"));
}

}  // namespace
}  // namespace korvo
