// The one room for every file the game keeps: opening a file of the game directory without
// waiting on it, reading it whole within a bound, and replacing it atomically, so that a crash,
// a kill or a full disk never leaves a half-written file. The deck and win-count files, the
// saved game and the picture cache all go through here.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "game/filefault.h"

namespace korvo {

// A fault in one of the game's files: which file, which line (0 when none applies) and what,
// as a code with its values and as the English sentence they make.
class FileError : public std::runtime_error {
 public:
  FileError(std::filesystem::path file, int line, FileFault code,
            std::vector<std::string> values = {});
  // A fault whose last value is the system's text of the error `errorNumber` (an errno).
  static FileError system(std::filesystem::path file, FileFault code, int errorNumber);
  const std::filesystem::path& file() const { return file_; }
  int line() const { return line_; }
  FileFault code() const { return code_; }
  const std::vector<std::string>& values() const { return values_; }
  // The errno whose text is the last value, or 0.
  int systemError() const { return systemError_; }
  // The sentence of the code in English: "cannot be opened: No such file or directory".
  const std::string& fault() const { return fault_; }

 private:
  std::filesystem::path file_;
  int line_;
  FileFault code_;
  std::vector<std::string> values_;
  int systemError_ = 0;
  std::string fault_;
};

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

// The contents of a regular file, read through one descriptor until its end or until more
// than `bound` bytes are in hand: a result longer than `bound` means the file is larger, and
// the rest is never read. Throws FileError when the file is missing, unreadable or no
// regular file.
std::string readWholeFile(const std::filesystem::path& file, std::size_t bound);

// As readWholeFile, but a file that does not exist at all (not even as a dangling link) is no
// fault: nullopt, found without an exception or the system's wording, as on a first run.
std::optional<std::string> readWholeFileIfPresent(const std::filesystem::path& file,
                                                  std::size_t bound);

// Renames an unusable file to `backup` beside it, so that the player can still look at it and it
// is never read again; an older backup is replaced, even one of another kind (a file under a
// directory's name). The error of the last try; none when the file is set aside.
std::error_code setAside(const std::filesystem::path& file, const std::filesystem::path& backup);

// How much of a replacement reaches the disk before replaceFileAtomically returns.
enum class Flush {
  // The data and the directory: the new file survives a power cut once the call returns.
  DataAndDirectory,
  // The data only: a power cut right after may bring back the old file, but never an empty or
  // half-written one. One flush instead of two, for a file rewritten at every click.
  Data,
};

// Writes `contents` to `file` through a temporary file beside it and a rename. Throws
// FileError; the old file is then left as it was.
void replaceFileAtomically(const std::filesystem::path& file, const std::string& contents,
                           Flush flush = Flush::DataAndDirectory);

// Removes the temporary files that replaceFileAtomically left beside `file` in a run that was
// killed while writing, once they are old enough that no other run can still be writing them.
void removeStaleTemporaries(const std::filesystem::path& file);

}  // namespace korvo
