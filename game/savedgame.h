// The game in progress, kept in savedgame.json in the game directory after every click that
// changes it, so that closing the window, logging out or a kill loses nothing: the whole state
// of the rules, what every control shows, the opponents and the random source's position.
// It stays between games too, so that a game split over several runs draws exactly the numbers
// of one run. A file that is not a position the rules can reach is set aside as
// savedgame.json.bak and a fresh game starts.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "game/game.h"
#include "game/random.h"
#include "game/recordfile.h"
#include "game/state.h"
#include "game/table.h"

namespace korvo {

inline constexpr const char* kSavedGameFile = "savedgame.json";
inline constexpr const char* kSavedGameBackup = "savedgame.json.bak";
inline constexpr int kSavedGameVersion = 1;
// A saved game is some 12 KB (half of it the generator's state); anything far larger is no
// saved game and is not read whole.
inline constexpr std::size_t kMaxSavedGameBytes = std::size_t{1} << 20;

struct SavedGame {
  GameState state;
  Table table;
  bool totalsPending = false;         // a win count still waits to be written to totals.txt
  std::string opponents = "classic";  // "classic" or "strong"
  uint64_t drawn = 0;                 // the random numbers taken so far
  std::string generator;              // the seeded generator's state; "" for a file of numbers
  // cardfile.txt as the game left it, so that a run killed after a deal rewrote the deck but
  // before the game was kept resumes with the deck in the order it had; nullopt when the deck
  // file could not be read.
  std::optional<Deck> cardfile;

  bool operator==(const SavedGame&) const = default;
};

// The game as it stands now, with the deck file as it reads.
SavedGame savedGameOf(const Game& game, const Random& random, const std::string& opponents,
                      const std::optional<Deck>& cardfile);

// The text of savedgame.json. Throws FileError naming `file` when a text of the game (from a
// hand-made deck) is not UTF-8 and cannot be kept as JSON.
std::string formatSavedGame(const SavedGame& saved, const std::filesystem::path& file);

// Reads the text of a saved game and checks that it is a position the rules can reach: the
// format and version, every member present and no other, counts, statuses and indexes in
// range, and while a round is under way every card of `deck` once in play. `deck` is the deck
// file as it reads now, nullopt when it cannot be read (then only doubles are looked for).
// Throws FileError naming `file` and the first fault found.
SavedGame parseSavedGame(const std::string& text, const std::optional<Deck>& deck,
                         const std::filesystem::path& file);

// Keeps one game's savedgame.json: resumes it at start and writes it after each click.
class GameKeeper {
 public:
  // Receives the one warning of a run whose saved game cannot be written; with background
  // writes it is called on the keeper's own thread.
  using Warn = std::function<void(const std::string&)>;

  // Where the write of a click happens. Inline: before save() returns, so that a line printed
  // after it is never ahead of the file (headless and script modes). Background: save() only
  // hands a copy of the game over and a thread of the keeper writes and flushes it, so that the
  // disk's
  // flush (milliseconds on many machines) never holds up the table; a newer game replaces one
  // still waiting, and the destructor finishes the last write.
  enum class Writes { Inline, Background };

  GameKeeper(Game& game, Random& random, std::string opponents, Warn warn,
             Writes writes = Writes::Inline);
  ~GameKeeper();
  GameKeeper(const GameKeeper&) = delete;
  GameKeeper& operator=(const GameKeeper&) = delete;

  struct Resumed {
    bool resumed = false;  // the game stands where the saved game left it
    // Why a saved game was refused, and whether it was set aside as savedgame.json.bak; one
    // that could not be set aside is never overwritten, and the run's game is not saved.
    std::optional<std::string> refused;
    bool setAside = false;
  };
  // Reads savedgame.json, if there is one, into the game and the random source; a file that
  // cannot be used is renamed savedgame.json.bak (replacing an older one) and the game stays
  // fresh. Call before the first click.
  Resumed resume();

  // Writes the game if the click just played changed it: at most one write per click.
  // A write that fails is warned about once per run; play goes on.
  void save();

  // The opponents the saved game was played against (after resume), else the caller's.
  const std::string& opponents() const { return opponents_; }
  // The opponents seated from now on ("classic" or "strong"): kept at once, so that a game
  // resumed later goes on against them.
  void setOpponents(std::string name);
  std::filesystem::path file() const { return game_.dir() / kSavedGameFile; }
  // How many times the file was written (each write one flush), for measurements.
  uint64_t writes() const { return writes_; }

 private:
  Game& game_;
  Random& random_;
  std::string opponents_;
  Warn warn_;
  // The game as last written or read: a click that leaves the state, the table and the count
  // of numbers drawn as they were is not written.
  SavedGame last_;
  // The deck file as it reads now, read again after every click that dealt.
  std::optional<Deck> cardfile_;
  uint64_t cardfileRounds_ = 0;
  void write(const SavedGame& saved);
  void writeLoop();
  std::atomic<bool> warned_ = false;
  bool blocked_ = false;  // a refused saved game that could not be set aside: never overwritten
  std::atomic<uint64_t> writes_ = 0;
  // The background writer: the newest text not yet written, and whether the keeper closes.
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<SavedGame> waiting_;
  bool closing_ = false;
  std::thread writer_;
};

}  // namespace korvo
