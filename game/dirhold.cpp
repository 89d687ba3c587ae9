#include "game/dirhold.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

namespace korvo {

namespace {

// The process that holds the lock on the file of `st`, as the kernel lists it in /proc/locks:
// "1: FLOCK  ADVISORY  WRITE 4711 fe:00:10961233 0 EOF" (device in hex, then the inode).
std::optional<pid_t> lockHolder(const struct stat& st) {
  std::ifstream locks("/proc/locks");
  std::string line;
  while (std::getline(locks, line)) {
    char kind[16], mode[16], access[16];
    long pid = 0;
    unsigned major = 0, minor = 0;
    unsigned long long inode = 0;
    const auto colon = line.find(':');
    if (colon == std::string::npos || line.find("->") != std::string::npos) continue;
    if (std::sscanf(line.c_str() + colon + 1, "%15s %15s %15s %ld %x:%x:%llu", kind, mode, access,
                    &pid, &major, &minor, &inode) != 7) {
      continue;
    }
    if (std::string(kind) == "FLOCK" && major == ::major(st.st_dev) &&
        minor == ::minor(st.st_dev) && inode == st.st_ino && pid > 0 && pid != ::getpid()) {
      return static_cast<pid_t>(pid);
    }
  }
  return std::nullopt;
}

}  // namespace

DirHold::DirHold(const std::filesystem::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  int locked;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked == 0) {
    fd_ = fd;
    return;
  }
  const int err = errno;
  std::optional<pid_t> holder;
  struct stat st {};
  if (err == EWOULDBLOCK && ::fstat(fd, &st) == 0) holder = lockHolder(st);
  ::close(fd);
  // A file system without locks cannot be held; play goes on there as before.
  if (err == EWOULDBLOCK) throw DirInUse(dir, holder);
}

DirHold::~DirHold() {
  if (fd_ >= 0) ::close(fd_);
}

DirInUse::DirInUse(const std::filesystem::path& dir, std::optional<pid_t> holder)
    : holder_(holder), message_(inUseMessage(dir, holder)) {}

std::string inUseMessage(const std::filesystem::path& dir, std::optional<pid_t> holder) {
  std::string line = "korvo: " + dir.string() + " is in use by another Korvo";
  if (holder) line += " (process " + std::to_string(*holder) + ")";
  return line;
}

}  // namespace korvo
