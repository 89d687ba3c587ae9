// The game's two text files: cardfile.txt (52 records of suit, value and picture name) and
// totals.txt (the four win counts). Records are fields separated by commas, texts in double
// quotes, one record per line ending in CR LF. The readers also take LF or CR line ends,
// blanks around fields and a last line without its line end. Every write replaces the file
// atomically through safefile, so a crash or a full disk never leaves a half-written file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "game/card.h"
#include "game/safefile.h"

namespace korvo {

inline constexpr const char* kCardFile = "cardfile.txt";
inline constexpr const char* kTotalsFile = "totals.txt";

using Wins = std::array<int16_t, kPlayers>;

// Reads the first 52 records; anything after them is never looked at.
Deck readCardFile(const std::filesystem::path& file);
// The same from text already open; `file` only names it in messages.
Deck readCardFile(std::istream& in, const std::filesystem::path& file);
void writeCardFile(const std::filesystem::path& file, const Deck& deck);

// Reads the four win counts, wins(1) to wins(4).
Wins readTotalsFile(const std::filesystem::path& file);
Wins readTotalsFile(std::istream& in, const std::filesystem::path& file);
void writeTotalsFile(const std::filesystem::path& file, const Wins& wins);

// The text of a record as the writer puts it, line end included.
std::string formatCardRecord(const Card& card);
std::string formatTotals(const Wins& wins);

}  // namespace korvo
