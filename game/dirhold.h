// One Korvo per game directory. A running Korvo holds its game directory with an advisory
// lock on the directory itself, so a second Korvo there cannot overwrite the first one's
// deck and win counts. The lock needs no write access and dies with the process, so a crash
// leaves nothing stale behind.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace korvo {

class DirHold {
 public:
  // Takes the hold on `dir`. A directory that cannot be opened (it does not exist yet, or may
  // not be read) is not held; the game reports its files' faults as it meets them.
  // Throws DirInUse when another process holds it.
  explicit DirHold(const std::filesystem::path& dir);
  ~DirHold();
  DirHold(const DirHold&) = delete;
  DirHold& operator=(const DirHold&) = delete;

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

class DirInUse : public std::exception {
 public:
  DirInUse(const std::filesystem::path& dir, std::optional<pid_t> holder);
  const char* what() const noexcept override { return message_.c_str(); }
  std::optional<pid_t> holder() const { return holder_; }

 private:
  std::optional<pid_t> holder_;
  std::string message_;
};

// The line a second Korvo prints: "korvo: DIR is in use by another Korvo (process N)".
std::string inUseMessage(const std::filesystem::path& dir, std::optional<pid_t> holder);

}  // namespace korvo
