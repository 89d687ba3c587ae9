#include "game/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <sstream>

#include "game/safefile.h"

namespace korvo {

namespace fs = std::filesystem;

namespace {

// The file is about a kilobyte; anything much larger is not ours.
constexpr std::size_t kMaxFileSize = 64 * 1024;

// The members of a player's object, in the order the file writes them.
struct Member {
  const char* name;
  int64_t PlayerCounts::*count;
};
constexpr Member kMembers[] = {
    {"games_played", &PlayerCounts::gamesPlayed},
    {"games_won", &PlayerCounts::gamesWon},
    {"rounds_played", &PlayerCounts::roundsPlayed},
    {"rounds_lost", &PlayerCounts::roundsLost},
    {"knocks", &PlayerCounts::knocks},
    {"double_knocks", &PlayerCounts::doubleKnocks},
    {"korvos", &PlayerCounts::korvos},
};

// A count of player `who` (his number).
int64_t countOf(const nlohmann::json& object, const char* member, const std::string& who) {
  const auto it = object.find(member);
  if (it == object.end()) throw StatisticsError(FileFault::PlayerCountMissing, {who, member});
  // Whole numbers only: 3.0 or "3" is not what the writer writes.
  if (!it->is_number_integer()) {
    throw StatisticsError(FileFault::PlayerCountNotNumber, {who, member});
  }
  if (it->is_number_unsigned() ? it->get<uint64_t>() > uint64_t(kMaxCount)
                               : (it->get<int64_t>() < 0 || it->get<int64_t>() > kMaxCount)) {
    throw StatisticsError(FileFault::PlayerCountOutOfRange,
                          {who, member, it->dump(), std::to_string(kMaxCount)});
  }
  return it->get<int64_t>();
}

bool validSince(const std::string& text) {
  if (text.size() != 20 || text[19] != 'Z') return false;
  std::tm tm{};
  std::istringstream in(text);
  in >> std::get_time(&tm, "%Y-%m-%dT%H:%M:%SZ");
  return !in.fail();
}

enum class Found { Missing, Usable, Unusable };

// Reads the statistics file of a directory: missing, usable (into `out`) or unusable (`fault`).
Found load(const fs::path& file, Statistics& out, std::optional<FileError>& fault) {
  try {
    const std::optional<std::string> read = readWholeFileIfPresent(file, kMaxFileSize);
    if (!read) return Found::Missing;  // a first run has no statistics yet
    const std::string& text = *read;
    if (text.size() > kMaxFileSize) {
      fault = FileError(file, 0, FileFault::StatisticsTooLarge, {std::to_string(kMaxFileSize)});
      return Found::Unusable;
    }
    out = parseStatistics(text);
    return Found::Usable;
  } catch (const FileError& e) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec))) return Found::Missing;  // removed meanwhile
    fault = e;
  } catch (const StatisticsError& e) {
    fault = FileError(file, 0, e.code(), e.values());
  }
  return Found::Unusable;
}

std::string cell(int64_t n) {
  return std::to_string(n);
}

}  // namespace

void Statistics::add(const RoundSettled& round) {
  for (int k = 1; k <= kPlayers; ++k) {
    PlayerCounts& p = players[static_cast<std::size_t>(k - 1)];
    if (round.played[k]) ++p.roundsPlayed;
    if (round.lostHonor[k]) ++p.roundsLost;
    if (round.knocker == k) {
      ++p.knocks;
      if (round.knockerPaidDouble) ++p.doubleKnocks;
    }
    if (round.korvo == k) ++p.korvos;
    if (round.winner != 0) {
      ++p.gamesPlayed;
      if (round.winner == k) ++p.gamesWon;
    }
  }
  if (round.winner == 1) {
    bestStreak = std::max(bestStreak, ++streak);
  } else if (round.winner != 0) {
    streak = 0;
  }
}

std::optional<int> winRatePercent(const PlayerCounts& p) {
  if (p.gamesPlayed < kWinRateGames) return std::nullopt;
  return static_cast<int>(
      std::lround(100.0 * static_cast<double>(p.gamesWon) / static_cast<double>(p.gamesPlayed)));
}

std::string formatSince(std::time_t when) {
  std::tm tm{};
  gmtime_r(&when, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
  return text;
}

Statistics freshStatistics(std::time_t when) {
  Statistics s;
  s.since = formatSince(when);
  return s;
}

nlohmann::ordered_json statisticsJson(const Statistics& s, bool withVersion) {
  nlohmann::ordered_json out;
  if (withVersion) out["version"] = kStatisticsVersion;
  out["since"] = s.since;
  auto players = nlohmann::ordered_json::array();
  for (int k = 1; k <= kPlayers; ++k) {
    const PlayerCounts& p = s.players[static_cast<std::size_t>(k - 1)];
    nlohmann::ordered_json player;
    player["name"] = std::string(shortName(k));
    for (const Member& m : kMembers) player[m.name] = p.*m.count;
    if (k == 1) {
      player["streak"] = s.streak;
      player["best_streak"] = s.bestStreak;
    }
    players.push_back(std::move(player));
  }
  out["players"] = std::move(players);
  return out;
}

Statistics parseStatistics(const std::string& text) {
  nlohmann::json doc;
  try {
    doc = nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception& e) {
    throw StatisticsError(FileFault::StatisticsNotJson, {e.what()});
  }
  if (!doc.is_object()) throw StatisticsError(FileFault::StatisticsNotObject);
  const auto version = doc.find("version");
  if (version == doc.end() || !version->is_number_integer()) {
    throw StatisticsError(FileFault::StatisticsNoVersion);
  }
  if (*version != kStatisticsVersion) {
    throw StatisticsError(FileFault::StatisticsVersion,
                          {version->dump(), std::to_string(kStatisticsVersion)});
  }
  Statistics s;
  const auto since = doc.find("since");
  if (since == doc.end() || !since->is_string() || !validSince(since->get<std::string>())) {
    throw StatisticsError(FileFault::StatisticsNoSince);
  }
  s.since = since->get<std::string>();
  const auto players = doc.find("players");
  if (players == doc.end() || !players->is_array() || players->size() != kPlayers) {
    throw StatisticsError(FileFault::StatisticsNoPlayers);
  }
  for (int k = 1; k <= kPlayers; ++k) {
    const nlohmann::json& player = (*players)[static_cast<std::size_t>(k - 1)];
    const std::string who = std::to_string(k);
    if (!player.is_object()) throw StatisticsError(FileFault::PlayerNotObject, {who});
    const auto name = player.find("name");
    if (name == player.end() || *name != std::string(shortName(k))) {
      throw StatisticsError(FileFault::PlayerNotNamed, {who, std::string(shortName(k))});
    }
    PlayerCounts& p = s.players[static_cast<std::size_t>(k - 1)];
    for (const Member& m : kMembers) p.*m.count = countOf(player, m.name, who);
    if (k == 1) {
      s.streak = countOf(player, "streak", who);
      s.bestStreak = countOf(player, "best_streak", who);
    }
    // Each count is part of the one before it: a knock is made in a round played, and so on.
    if (p.gamesWon > p.gamesPlayed || p.roundsLost > p.roundsPlayed ||
        p.knocks + p.korvos > p.roundsPlayed || p.doubleKnocks > p.knocks) {
      throw StatisticsError(FileFault::PlayerCountsContradict, {who});
    }
  }
  int64_t won = 0;
  for (const PlayerCounts& p : s.players) {
    won += p.gamesWon;
    if (p.gamesPlayed != s.players[0].gamesPlayed) {
      throw StatisticsError(FileFault::GamesPlayedDiffer);
    }
  }
  if (won != s.players[0].gamesPlayed) {
    throw StatisticsError(FileFault::GamesWonDoNotAddUp);
  }
  if (s.streak > s.bestStreak || s.bestStreak > s.players[0].gamesWon) {
    throw StatisticsError(FileFault::RunsContradictGamesWon);
  }
  return s;
}

std::string statisticsTable(const Statistics& s) {
  const std::vector<std::string> heads = {"Player", "Games",      "Won",     "Win rate",
                                          "Rounds", "Lost honor", "Knocks",  "Paid double",
                                          "31s",    "Run",        "Best run"};
  std::vector<std::vector<std::string>> rows;
  for (int k = 1; k <= kPlayers; ++k) {
    const PlayerCounts& p = s.players[static_cast<std::size_t>(k - 1)];
    const auto rate = winRatePercent(p);
    rows.push_back({std::string(shortName(k)), cell(p.gamesPlayed), cell(p.gamesWon),
                    rate ? std::to_string(*rate) + "%" : "-", cell(p.roundsPlayed),
                    cell(p.roundsLost), cell(p.knocks), cell(p.doubleKnocks), cell(p.korvos),
                    k == 1 ? cell(s.streak) : "", k == 1 ? cell(s.bestStreak) : ""});
  }
  std::vector<std::size_t> width(heads.size());
  for (std::size_t c = 0; c < heads.size(); ++c) {
    width[c] = heads[c].size();
    for (const auto& row : rows) width[c] = std::max(width[c], row[c].size());
  }
  std::string out = "Statistics since " + s.since + "\n\n";
  const auto line = [&](const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const std::string pad(width[c] - cells[c].size(), ' ');
      // The names flush left, the numbers flush right.
      text += c == 0 ? cells[c] + pad : "  " + pad + cells[c];
    }
    text.erase(text.find_last_not_of(' ') + 1);
    out += text + "\n";
  };
  line(heads);
  for (const auto& row : rows) line(row);
  out += "\nWin rates are shown once a player has played " + std::to_string(kWinRateGames) +
         " games; runs of games won are counted for " + std::string(shortName(1)) + ".\n";
  return out;
}

StatisticsRead readStatistics(const fs::path& dir) {
  StatisticsRead read;
  std::optional<FileError> fault;
  switch (load(dir / kStatisticsFile, read.statistics, fault)) {
    case Found::Usable:
      read.found = true;
      break;
    case Found::Unusable:
      read.fault = fault->fault();
      [[fallthrough]];
    case Found::Missing:
      read.statistics = freshStatistics(std::time(nullptr));
      break;
  }
  return read;
}

StatisticsKeeper::StatisticsKeeper(fs::path dir)
    : file_(dir / kStatisticsFile), stats_(freshStatistics(std::time(nullptr))) {}

std::string StatisticsRefused::text() const {
  if (renameError != 0) {
    return fault.file().string() + ": " + fault.fault() + ", and it cannot be renamed " + backup +
           " (" + std::strerror(renameError) + "); the statistics of this run are not saved.";
  }
  return fault.file().string() + ": " + fault.fault() + "; it is kept as " + backup +
         " and the statistics start afresh.";
}

std::optional<StatisticsRefused> StatisticsKeeper::open() {
  std::optional<FileError> fault;
  Statistics read;
  if (load(file_, read, fault) != Found::Unusable) {
    if (!read.since.empty()) stats_ = read;
    return std::nullopt;
  }
  stats_ = freshStatistics(std::time(nullptr));
  const fs::path backup = fs::path(file_).replace_filename(kStatisticsBackup);
  StatisticsRefused refused{*fault, backup.filename().string()};
  if (const std::error_code ec = setAside(file_, backup)) {
    // Not overwritten either: whatever it holds stays for the player to look at.
    warned_ = true;
    blocked_ = true;
    refused.renameError = ec.value();
  }
  return refused;
}

std::optional<FileError> StatisticsKeeper::write() {
  if (blocked_) return std::nullopt;
  try {
    // The data is flushed before the rename, so a power cut leaves the old counts or the new
    // ones; the directory is not flushed, so that no click waits for a second flush.
    replaceFileAtomically(file_, statisticsJson(stats_, true).dump(2) + "\n", Flush::Data);
  } catch (const FileError& e) {
    return e;
  }
  return std::nullopt;
}

std::optional<std::string> StatisticsKeeper::record(const std::vector<RoundSettled>& settled) {
  if (settled.empty()) return std::nullopt;
  for (const RoundSettled& round : settled) stats_.add(round);
  const auto fault = write();
  if (!fault || warned_) return std::nullopt;
  warned_ = true;
  return std::string(fault->what()) + " The statistics of this run are counted but not saved.";
}

std::optional<FileError> StatisticsKeeper::reset() {
  stats_ = freshStatistics(std::time(nullptr));
  blocked_ = false;  // the player chose to start afresh: what was there may be replaced
  return write();
}

}  // namespace korvo
