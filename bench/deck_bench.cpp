// The file work of a Deal against the cheapest durable way to replace a file of the same size in
// the same directory: write a temporary file, flush it to the disk, rename it over the old one.
// The three are timed in turn, many times over, so that the disk's moods fall on all of them.
// Prints rows for bench/run (bench/rows.h):
//   - the whole deal (read cardfile.txt, shuffle, rewrite it durably) against the floor,
//   - the rewrite of cardfile.txt alone against the floor.
//
//   deck_bench WORKDIR [ROUNDS]
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/rows.h"
#include "game/game.h"
#include "game/gamedir.h"
#include "game/random.h"
#include "game/recordfile.h"
#include "players/classic.h"

namespace {

namespace fs = std::filesystem;

// write, fsync, close, rename: nothing less keeps the old or the new contents whole after a
// crash.
bool plainDurableReplace(const fs::path& file, const std::string& contents) {
  const fs::path temp = file.string() + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written =
      ::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
  const bool flushed = ::fsync(fd) == 0;
  return (::close(fd) == 0) && written && flushed && ::rename(temp.c_str(), file.c_str()) == 0;
}

std::string contentsOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void printRatioRow(const char* measure, const korvo::bench::Spread& ours,
                   const korvo::bench::Spread& floor) {
  korvo::bench::Row row;
  row.measure = measure;
  row.ratio = ours.median / floor.median;
  row.range = korvo::bench::format("%.3f-%.3f ms vs %.3f-", ours.min, ours.max, floor.min) +
              korvo::bench::format("%.3f ms", floor.max);
  row.goal = 2.0;
  row.judged = row.ratio;
  row.detail = korvo::bench::format("medians %.3f ms vs %.3f ms, ", ours.median, floor.median) +
               std::to_string(ours.count) + " rounds";
  korvo::bench::printRow(row);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: deck_bench WORKDIR [ROUNDS]\n");
    return 2;
  }
  const fs::path dir = fs::path(argv[1]) / "deck-game";
  const long rounds = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 200;
  fs::remove_all(dir);
  korvo::initGameFiles(dir);
  korvo::SeededRandom random(3);
  korvo::Game game(dir, random, korvo::classicSeats());
  const fs::path cardFile = dir / korvo::kCardFile;
  const fs::path floorFile = dir / "floor.txt";

  std::vector<double> deals, rewrites, floors;
  for (long i = 0; i < rounds; ++i) {
    // Player 1 alone still in: the Deal click deals and hands him the turn, nothing more.
    game.mutableState().honor = {0, 4, 0, 0, 0};
    game.mutableState().dealt = 0;
    auto start = std::chrono::steady_clock::now();
    game.click(korvo::kDealButton);
    deals.push_back(korvo::bench::msSince(start));

    const korvo::Deck deck = korvo::readCardFile(cardFile);
    start = std::chrono::steady_clock::now();
    korvo::writeCardFile(cardFile, deck);
    rewrites.push_back(korvo::bench::msSince(start));

    const std::string same = contentsOf(cardFile);
    start = std::chrono::steady_clock::now();
    if (!plainDurableReplace(floorFile, same)) {
      std::perror("deck_bench: the plain replace failed");
      return 1;
    }
    floors.push_back(korvo::bench::msSince(start));
  }

  const korvo::bench::Spread floor = korvo::bench::spreadOf(floors);
  printRatioRow("deck: Deal's read, shuffle, rewrite / write+fsync+rename",
                korvo::bench::spreadOf(deals), floor);
  printRatioRow("deck: rewrite of cardfile.txt alone / write+fsync+rename",
                korvo::bench::spreadOf(rewrites), floor);
  return 0;
}
