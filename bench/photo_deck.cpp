// A deck of camera photos against the drawn pictures: the same 300-click script played in
// script mode on two game directories, one as --init draws it and one whose every picture is
// a 6000 x 4000 JPEG photo. Prints the peak memory and the time of each run, and their ratios
// as two rows of the bench table (bench/rows.h) against their goals: photos at most 1.5
// times the memory and 5 times the time of the drawn pictures.
//
//   photo_deck KORVO [WORK_DIR]
//
// WORK_DIR (default: a fresh directory under the temporary directory, removed at the end)
// receives the two game directories.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/rows.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000;
constexpr int kDistinctPhotos = 4;
constexpr int kRuns = 3;  // each script is run this often; the least time counts
constexpr double kMemoryGoal = 1.5;
constexpr double kTimeGoal = 5.0;

// A photo-like picture: smooth light with fine grain, so that it compresses as a camera
// photo does (a few megabytes).
QImage photo(int seed) {
  QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
  QRandomGenerator grain(static_cast<quint32>(seed));
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int noise = static_cast<int>(grain.bounded(24)) - 12;
      const int r = (x * 255 / kPhotoWidth + seed * 60) % 256;
      const int g = y * 255 / kPhotoHeight;
      const int b = ((x + y) / 40 + seed * 30) % 256;
      line[x] = qRgb(std::clamp(r + noise, 0, 255), std::clamp(g + noise, 0, 255),
                     std::clamp(b + noise, 0, 255));
    }
  }
  return image;
}

struct Run {
  double seconds = 0;
  long peakKb = 0;
  int status = -1;
};

// Runs `args` with its output thrown away; its wall time and peak resident memory.
Run runProgram(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) {
      ::_exit(126);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  Run run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakKb = usage.ru_maxrss;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

Run bestOf(const std::vector<std::string>& args) {
  Run best;
  for (int i = 0; i < kRuns; ++i) {
    const Run run = runProgram(args);
    if (run.status != 0) return run;
    if (i == 0 || run.seconds < best.seconds) best.seconds = run.seconds;
    best.peakKb = std::max(best.peakKb, run.peakKb);
    best.status = 0;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: photo_deck KORVO [WORK_DIR]\n";
    return 2;
  }
  const std::string korvo = fs::absolute(argv[1]).string();
  const bool ownWork = argc < 3;
  const fs::path work =
      ownWork ? fs::temp_directory_path() / ("korvo-photo-deck-" + std::to_string(::getpid()))
              : fs::path(argv[2]);
  fs::create_directories(work);
  const fs::path drawn = work / "drawn", photos = work / "photos";
  for (const fs::path& dir : {drawn, photos}) {
    fs::remove_all(dir);
    if (runProgram({korvo, "--init", dir.string()}).status != 0) {
      std::cerr << "photo_deck: " << korvo << " --init " << dir << " failed\n";
      return 1;
    }
  }

  {
    int qtArgc = 3;
    char name[] = "photo_deck", option[] = "-platform", platform[] = "offscreen";
    char* qtArgv[] = {name, option, platform, nullptr};
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication app(qtArgc, qtArgv);
    std::vector<fs::path> originals;
    for (int k = 0; k < kDistinctPhotos; ++k) {
      originals.push_back(work / ("photo" + std::to_string(k) + ".jpg"));
      QImageWriter writer(QString::fromStdString(originals.back().string()), "jpeg");
      writer.setQuality(90);
      if (!writer.write(photo(k))) {
        std::cerr << "photo_deck: cannot write " << originals.back() << "\n";
        return 1;
      }
    }
    // Every picture of the game becomes one of the photos (a hard link: each name is still
    // read on its own).
    int k = 0;
    for (const auto& entry : fs::directory_iterator(photos)) {
      if (entry.path().extension() != ".JPG") continue;
      fs::remove(entry.path());
      fs::create_hard_link(originals[static_cast<std::size_t>(k++ % kDistinctPhotos)],
                           entry.path());
    }
  }

  // Player 1 knocks whenever he may, or takes from the draw pile and throws the new card back:
  // deal after deal, so that nearly every card of the deck shows.
  const fs::path clicks = work / "clicks.txt";
  {
    std::ofstream out(clicks);
    for (int i = 0; i < 75; ++i) out << "Command1\nCommand2\nPicture14\nPicture4\n";
  }
  const auto script = [&](const fs::path& dir) {
    return std::vector<std::string>{korvo,
                                    "--script",
                                    clicks.string(),
                                    "--screenshot",
                                    (dir.string() + ".png"),
                                    "--dir",
                                    dir.string(),
                                    "--seed",
                                    "1"};
  };
  const Run base = bestOf(script(drawn));
  const Run heavy = bestOf(script(photos));
  if (ownWork) fs::remove_all(work);
  if (base.status != 0 || heavy.status != 0) {
    std::cerr << "photo_deck: a script run failed with status "
              << (base.status != 0 ? base.status : heavy.status) << "\n";
    return 1;
  }

  const double memoryRatio = static_cast<double>(heavy.peakKb) / static_cast<double>(base.peakKb);
  const double timeRatio = heavy.seconds / base.seconds;
  std::printf("%-34s %10s %10s\n", "300 clicks in script mode", "peak MB", "seconds");
  std::printf("%-34s %10.1f %10.2f\n", "drawn pictures", static_cast<double>(base.peakKb) / 1024.0,
              base.seconds);
  std::printf("%-34s %10.1f %10.2f\n", "6000x4000 JPEG photos",
              static_cast<double>(heavy.peakKb) / 1024.0, heavy.seconds);
  std::printf("%-34s %9.2fx %9.2fx\n", "photos / drawn (goal 1.5x, 5x)", memoryRatio, timeRatio);
  const std::string runs = "300 clicks, best of " + std::to_string(kRuns);
  korvo::bench::printRow(
      {"pictures: photo deck peak memory / drawn deck", memoryRatio,
       korvo::bench::format("%.1f MB vs %.1f MB", static_cast<double>(heavy.peakKb) / 1024.0,
                            static_cast<double>(base.peakKb) / 1024.0),
       kMemoryGoal, memoryRatio, false, runs});
  korvo::bench::printRow({"pictures: photo deck time / drawn deck", timeRatio,
                          korvo::bench::format("%.2f s vs %.2f s", heavy.seconds, base.seconds),
                          kTimeGoal, timeRatio, false, runs});
  return 0;
}
