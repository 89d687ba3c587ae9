#include "game/safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace korvo {

namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& file, int line, const std::string& fault) {
  std::string text = file.string();
  if (line > 0) text += ", line " + std::to_string(line);
  return text + ": " + fault;
}

fs::path directoryOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The names of the temporary files of `file`: ".NAME.new-PID-N".
std::string temporaryPrefix(const fs::path& file) {
  // Built by appending: GCC 12 at -O3 takes `"." + std::string&&` for an overlapping copy
  // (-Wrestrict, a false alarm inside std::string) — appending says the same without it.
  std::string prefix = ".";
  prefix += file.filename().string();
  prefix += ".new-";
  return prefix;
}

}  // namespace

FileError::FileError(fs::path file, int line, FileFault code, std::vector<std::string> values)
    : std::runtime_error(describe(file, line, fillFault(faultPattern(code), values))),
      file_(std::move(file)),
      line_(line),
      code_(code),
      values_(std::move(values)),
      fault_(fillFault(faultPattern(code_), values_)) {}

FileError FileError::system(fs::path file, FileFault code, int errorNumber) {
  FileError error(std::move(file), 0, code, {std::strerror(errorNumber)});
  error.systemError_ = errorNumber;
  return error;
}

OpenedFile openRegularFile(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {-1, errno};
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    return {-1, err};
  }
  if (S_ISREG(st.st_mode)) return {fd};
  ::close(fd);
  return {-1, 0, S_ISDIR(st.st_mode)};
}

std::string readWholeFile(const fs::path& file, std::size_t bound) {
  const OpenedFile opened = openRegularFile(file);
  if (opened.error != 0) {
    throw FileError::system(file, FileFault::CannotOpen, opened.error);
  }
  if (opened.directory) throw FileError(file, 0, FileFault::IsDirectory);
  if (opened.fd < 0) {
    throw FileError(file, 0, FileFault::NotRegularFile);
  }
  std::string contents;
  char buf[65536];
  while (contents.size() <= bound) {
    const ssize_t n = ::read(opened.fd, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(opened.fd);
      throw FileError::system(file, FileFault::CannotRead, err);
    }
    contents.append(buf, static_cast<std::size_t>(n));
  }
  ::close(opened.fd);
  return contents;
}

std::optional<std::string> readWholeFileIfPresent(const fs::path& file, std::size_t bound) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(file, ec))) return std::nullopt;
  return readWholeFile(file, bound);
}

std::error_code setAside(const fs::path& file, const fs::path& backup) {
  std::error_code ec;
  fs::rename(file, backup, ec);
  std::error_code removed;
  if (ec && fs::remove(backup, removed)) fs::rename(file, backup, ec);
  return ec;
}

void removeStaleTemporaries(const fs::path& file) {
  const std::string prefix = temporaryPrefix(file);
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(directoryOf(file), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    std::error_code timeError;
    const auto written = fs::last_write_time(it->path(), timeError);
    if (!timeError && now - written > std::chrono::minutes(1)) fs::remove(it->path(), timeError);
  }
}

void replaceFileAtomically(const fs::path& file, const std::string& contents, Flush flush) {
  static std::atomic<unsigned> counter{0};
  const fs::path dir = directoryOf(file);
  const std::string prefix = temporaryPrefix(file);
  removeStaleTemporaries(file);

  // A name taken by a temporary file that an earlier run left behind is passed over.
  fs::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = dir / (prefix + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    const int err = errno;
    throw FileError::system(file, FileFault::CannotWrite, err);
  }
  const auto fail = [&](FileFault step) {
    const int err = errno;
    ::unlink(temp.c_str());
    throw FileError::system(file, step, err);
  };
  const char* data = contents.data();
  std::size_t left = contents.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      fail(FileFault::WriteFailed);
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  // The data reaches the disk before the rename can: after a power cut the name holds the old
  // file or the whole new one, never an empty one.
  if ((flush == Flush::Data ? ::fdatasync(fd) : ::fsync(fd)) != 0) {
    ::close(fd);
    fail(FileFault::FlushFailed);
  }
  if (::close(fd) != 0) fail(FileFault::CloseFailed);
  if (::rename(temp.c_str(), file.c_str()) != 0) fail(FileFault::RenameFailed);
  if (flush == Flush::Data) return;
  // Make the rename itself durable.
  const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
}

}  // namespace korvo
