// The game's two text files: cardfile.txt (52 records of suit, value and picture name) and
// totals.txt (the four win counts). Records are fields separated by commas, texts in double
// quotes, one record per line ending in CR LF. The readers also take LF or CR line ends,
// blanks around fields and a last line without its line end. Every write replaces the file
// atomically: it is written beside, flushed to disk and renamed over the old one, so a
// crash or a full disk never leaves a half-written file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/card.h"

namespace korvo {

inline constexpr const char* kCardFile = "cardfile.txt";
inline constexpr const char* kTotalsFile = "totals.txt";

// A fault in one of the game's files: which file, which line (0 when none applies) and what.
class FileError : public std::runtime_error {
 public:
  FileError(std::filesystem::path file, int line, const std::string& fault);
  const std::filesystem::path& file() const { return file_; }
  int line() const { return line_; }
  const std::string& fault() const { return fault_; }

 private:
  std::filesystem::path file_;
  int line_;
  std::string fault_;
};

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

// A file of the game directory opened for reading: without waiting on it, and checked on the
// descriptor to be a regular file before a byte is read, so that a named pipe or a device in
// its place is refused at once instead of holding the game up (checking the name first would
// race with its replacement).
struct OpenedFile {
  int fd = -1;    // the descriptor, for the caller to close; -1 when refused
  int error = 0;  // the errno of a failed open or fstat; 0 when the file is no regular file
  bool directory = false;
};
OpenedFile openRegularFile(const std::filesystem::path& file);

// Writes `contents` to `file` through a temporary file beside it and a rename.
void replaceFileAtomically(const std::filesystem::path& file, const std::string& contents);

}  // namespace korvo
