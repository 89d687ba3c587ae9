// The statistics of the game directory: statistics.json, what every player has played and won
// since the counting began. The game's own win tally stays totals.txt; nothing here writes it.
//
// The file is one JSON object:
//   {"version": 1, "since": "2026-12-06T22:31:14Z",
//    "players": [{"name": "Pell", "games_played": 3, "games_won": 1, "rounds_played": 20,
//                 "rounds_lost": 9, "knocks": 4, "double_knocks": 1, "korvos": 2,
//                 "streak": 0, "best_streak": 1}, ... three more, without the runs]}
// It is replaced atomically once at the end of every click that settles a round.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/safefile.h"

namespace korvo {

inline constexpr const char* kStatisticsFile = "statistics.json";
inline constexpr const char* kStatisticsBackup = "statistics.json.bak";
inline constexpr int kStatisticsVersion = 1;
// No count of a real table comes near this; a larger one marks a damaged file.
inline constexpr int64_t kMaxCount = 1'000'000'000'000;

struct PlayerCounts {
  int64_t gamesPlayed = 0;
  int64_t gamesWon = 0;
  int64_t roundsPlayed = 0;
  int64_t roundsLost = 0;  // rounds that cost honor points
  int64_t knocks = 0;
  int64_t doubleKnocks = 0;  // knocks that cost the knocker double
  int64_t korvos = 0;        // 31s shown
  bool operator==(const PlayerCounts&) const = default;
};

struct Statistics {
  std::string since;  // when the counting began, UTC, as "2026-12-06T22:31:14Z"
  std::array<PlayerCounts, kPlayers> players{};  // players 1..4 at 0..3
  int64_t streak = 0;                            // player 1's current run of games won
  int64_t bestStreak = 0;                        // and his best
  bool operator==(const Statistics&) const = default;

  // Counts a settled round: its players, payments, knock or 31, and the game it may end.
  void add(const RoundSettled& round);
};

// A win rate is shown once a player has played this many games; before, it says too little.
inline constexpr int kWinRateGames = 5;
// The share of games won in whole percent, or nothing before kWinRateGames games.
std::optional<int> winRatePercent(const PlayerCounts& p);

// A statistics file that cannot be used, and why.
// What is wrong inside a statistics file, as a code with its values and in English.
class StatisticsError : public std::runtime_error {
 public:
  explicit StatisticsError(FileFault code, std::vector<std::string> values = {})
      : std::runtime_error(fillFault(faultPattern(code), values)),
        code_(code),
        values_(std::move(values)) {}
  FileFault code() const { return code_; }
  const std::vector<std::string>& values() const { return values_; }

 private:
  FileFault code_;
  std::vector<std::string> values_;
};

// A moment as the file writes it: "2026-12-06T22:31:14Z".
std::string formatSince(std::time_t when);
// Fresh statistics that count from `when`.
Statistics freshStatistics(std::time_t when);

// The object of the file (with "version") or of `korvo --statistics --json` (without).
nlohmann::ordered_json statisticsJson(const Statistics& s, bool withVersion);
// Reads the text of a statistics file; throws StatisticsError on anything the writer would not
// write: not JSON, another version, a missing or extra player, a count that is not a whole
// number from 0 to kMaxCount, counts that contradict one another.
Statistics parseStatistics(const std::string& text);
// The table that `korvo --statistics` prints.
std::string statisticsTable(const Statistics& s);

// What the statistics file of a directory holds, read without changing anything.
struct StatisticsRead {
  Statistics statistics;             // fresh from now when there is no usable file
  bool found = false;                // a usable file was read
  std::optional<std::string> fault;  // why the file there cannot be used
};
StatisticsRead readStatistics(const std::filesystem::path& dir);

// A statistics file that could not be used, set aside (or not) for the player to look at.
struct StatisticsRefused {
  FileError fault;           // what is wrong with it
  std::string backup;        // the name it is kept under
  int renameError = 0;       // the errno that kept it from being set aside, or 0
  std::string text() const;  // the message in English
};

// The statistics of one run: read once, counted after every click, written when a click
// settled a round. Messages come back as text for the front end to show; none is ever a
// fault of the game.
class StatisticsKeeper {
 public:
  explicit StatisticsKeeper(std::filesystem::path dir);

  // Reads the file. One that cannot be used is renamed statistics.json.bak and the counting
  // starts afresh; what comes back tells the player so.
  std::optional<StatisticsRefused> open();
  // Counts the rounds a click settled and writes the file once if there were any. Returns a
  // warning the first time in this run that the file cannot be written.
  std::optional<std::string> record(const std::vector<RoundSettled>& settled);
  // Starts the counting afresh from now and writes the file; returns the fault if the write
  // failed (the counting is still afresh in memory).
  std::optional<FileError> reset();

  const Statistics& statistics() const { return stats_; }
  const std::filesystem::path& file() const { return file_; }

 private:
  std::optional<FileError> write();

  std::filesystem::path file_;
  Statistics stats_;
  bool warned_ = false;   // the one warning of this run has been given
  bool blocked_ = false;  // an unusable file that could not be set aside: never overwritten
};

}  // namespace korvo
