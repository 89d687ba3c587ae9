// The built program as a real process, for the tests of app_tests.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace korvo::testing {

// The built program with `args`, without XDG_RUNTIME_DIR (as in an ssh or cron shell), with the
// variables of `env` set ("NAME=value") or unset ("NAME"); its standard input, output and error
// output on pipes.
struct Process {
  pid_t pid = -1;
  int in = -1, out = -1, err = -1;

  explicit Process(const std::vector<std::string>& args, const std::vector<std::string>& env = {}) {
    int p[3][2];
    for (auto& fds : p) {
      if (::pipe2(fds, O_CLOEXEC) != 0) return;
    }
    // Room for all the clicks of a run and the output of the longest wait before a kill.
    for (int fd : {p[0][1], p[1][0]}) ::fcntl(fd, F_SETPIPE_SZ, 1 << 20);
    pid = ::fork();
    if (pid == 0) {
      ::unsetenv("XDG_RUNTIME_DIR");
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      for (const std::string& variable : env) {
        const auto equals = variable.find('=');
        if (equals == std::string::npos) ::unsetenv(variable.c_str());
        if (equals != std::string::npos) {
          ::setenv(variable.substr(0, equals).c_str(), variable.substr(equals + 1).c_str(), 1);
        }
      }
      std::vector<char*> argv{const_cast<char*>(KORVO_BINARY)};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      if (::dup2(p[0][0], 0) >= 0 && ::dup2(p[1][1], 1) >= 0 && ::dup2(p[2][1], 2) >= 0) {
        ::execv(KORVO_BINARY, argv.data());
      }
      ::_exit(127);
    }
    for (int i = 0; i < 3; ++i) ::close(p[i][i == 0 ? 0 : 1]);
    std::tie(in, out, err) = std::tuple(p[0][1], p[1][0], p[2][0]);
  }

  void send(const std::string& clicks) const {
    ASSERT_EQ(::write(in, clicks.data(), clicks.size()), static_cast<ssize_t>(clicks.size()));
  }

  // Appends output to `text` until a whole line has come (true) or the output ends (false).
  bool readLine(std::string& text, int fd = -1) const {
    char buf[65536];
    for (ssize_t n; text.find('\n') == std::string::npos || fd >= 0;) {
      if ((n = ::read(fd >= 0 ? fd : out, buf, sizeof buf)) <= 0) return false;
      text.append(buf, static_cast<std::size_t>(n));
    }
    return true;
  }

  // Closes its input, adds its output and error output to those given; the exit status, or
  // -signal.
  int finish(std::string* output = nullptr, std::string* error = nullptr) {
    ::close(in);
    std::string o, e;
    readLine(o, out);
    readLine(e, err);
    for (int fd : {out, err}) ::close(fd);
    if (output) *output += o;
    if (error) *error += e;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  }
};

// What a run of the program printed, and how it ended.
struct Ran {
  int status;  // the exit status, or -signal
  std::string out, err;
};

// The built program with `args`, fed `input` and left to end.
inline Ran run(const std::vector<std::string>& args, const std::string& input = "") {
  Process p(args);
  p.send(input);
  Ran ran{};
  ran.status = p.finish(&ran.out, &ran.err);
  return ran;
}

}  // namespace korvo::testing
