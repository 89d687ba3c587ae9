// What the measuring programs of bench/ share: stopwatches, the median and extremes of a set of
// timings, and the row they print for bench/run, one JSON object a line:
//   {"measure": ..., "ratio": ..., "range": ..., "goal": ..., "judged": ..., "judged_on": ...,
//    "detail": ...}
// `ratio` is the figure of the row (a median); `judged` is the figure held against `goal` (a
// ratio that should not be exceeded): the median again, or the worst where `judged_on` says so.
// All three are absent where the row has no goal.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace korvo::bench {

// One 60 Hz frame, the budget of a click.
inline constexpr double kFrameMs = 1000.0 / 60.0;

// Milliseconds of CPU this thread has used: with the wall-clock time, what was spent waiting.
inline double threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

inline double msSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

struct Spread {
  double median = 0, min = 0, max = 0;
  std::size_t count = 0;
};

inline Spread spreadOf(std::vector<double> values) {
  Spread s;
  s.count = values.size();
  if (values.empty()) return s;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  s.min = values.front();
  s.max = values.back();
  return s;
}

inline std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

inline std::string format(const char* pattern, double a, double b = 0, double c = 0) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
  return buffer;
}

struct Row {
  std::string measure;
  double ratio = 0;
  std::string range;
  std::optional<double> goal;
  double judged = 0;
  bool judgedOnWorst = false;
  std::string detail;
};

inline void printRow(const Row& row) {
  std::string line = "{\"measure\": " + jsonString(row.measure) +
                     ", \"ratio\": " + format("%.4f", row.ratio) +
                     ", \"range\": " + jsonString(row.range);
  if (row.goal) {
    line += ", \"goal\": " + format("%.4f", *row.goal) +
            ", \"judged\": " + format("%.4f", row.judged) +
            ", \"judged_on\": " + (row.judgedOnWorst ? "\"worst\"" : "\"median\"");
  }
  line += ", \"detail\": " + jsonString(row.detail) + "}";
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

}  // namespace korvo::bench
