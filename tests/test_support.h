// Helpers shared by the tests: temporary and game directories, files in and out.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/recordfile.h"
#include "game/state.h"

namespace korvo::testing {

// A fresh directory under `base`, by default the system's temporary directory, removed with
// the object.
class TempDir {
 public:
  explicit TempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path());
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A game directory with the standard deck and totals 0,0,0,0.
struct GameDir : TempDir {
  GameDir();
};

// Makes a directory refuse new files while the object lives: chmod for an ordinary user,
// `chattr +i` for root, whom permissions do not stop. `ok` is false where neither works.
struct UnwritableDir {
  explicit UnwritableDir(std::filesystem::path dir);
  ~UnwritableDir();
  UnwritableDir(const UnwritableDir&) = delete;
  std::filesystem::path dir;
  bool immutable = false, ok = false;
};

// Makes every file of this process stop growing at `bytes`, as a full disk does, while the
// object lives: write() fails with EFBIG once SIGXFSZ is ignored. Only the soft limit is
// lowered, so that it can be raised again without privileges.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit lowered{bytes, old.rlim_max};
    ok = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
  }
  sighandler_t oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  bool ok = false;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& contents);
// The lines of `text`, without their line ends.
std::vector<std::string> linesOf(const std::string& text);
// Whether `file` holds the cards of the standard deck, in any order.
bool holdsTheStandardDeck(const std::filesystem::path& file);

}  // namespace korvo::testing
