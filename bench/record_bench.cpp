// What recording the table after each computer turn adds to the costliest click, a Deal while
// Pell is out that plays the rest of the game: the bytes the click allocates and its CPU time
// with the frames recorded, as ratios to the same clicks without them. Two games of one seed,
// one recording, play the same clicks in turn.
//
//   record_bench WORKDIR [SAMPLES]
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <new>
#include <vector>

#include "bench/rows.h"
#include "game/game.h"
#include "game/gamedir.h"
#include "game/random.h"
#include "players/classic.h"

namespace {

// Bytes handed out by operator new while counting is on.
std::size_t allocated = 0;
bool counting = false;

struct Measured {
  std::vector<double> cpuMs, bytes;
};

void wholeGame(korvo::Game& game, Measured& into) {
  game.mutableState().honor = {0, 0, 4, 4, 4};
  game.mutableState().dealt = 0;
  allocated = 0;
  counting = true;
  const double start = korvo::bench::threadCpuMs();
  game.click(korvo::Control::Command1);
  into.cpuMs.push_back(korvo::bench::threadCpuMs() - start);
  counting = false;
  into.bytes.push_back(static_cast<double>(allocated));
}

}  // namespace

void* operator new(std::size_t size) {
  if (counting) allocated += size;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: record_bench WORKDIR [SAMPLES]\n");
    return 2;
  }
  const std::size_t samples = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 300;
  const std::filesystem::path plainDir = std::filesystem::path(argv[1]) / "record-plain";
  const std::filesystem::path recordedDir = std::filesystem::path(argv[1]) / "record-frames";
  for (const auto& dir : {plainDir, recordedDir}) {
    std::filesystem::remove_all(dir);
    korvo::initGameFiles(dir);
  }
  korvo::SeededRandom plainRandom(3), recordedRandom(3);
  korvo::Game plain(plainDir, plainRandom, korvo::classicSeats());
  korvo::Game recorded(recordedDir, recordedRandom, korvo::classicSeats());
  recorded.setRecording(true);

  Measured without, with;
  std::size_t frames = 0;
  for (std::size_t i = 0; i < samples; ++i) {
    wholeGame(plain, without);
    wholeGame(recorded, with);
    frames += recorded.frames().size();
    if (plain.table() != recorded.table()) {
      std::fprintf(stderr, "record_bench: recording changed the game\n");
      return 1;
    }
  }
  const auto cpu = korvo::bench::spreadOf(with.cpuMs), cpu0 = korvo::bench::spreadOf(without.cpuMs);
  const auto bytes = korvo::bench::spreadOf(with.bytes),
             bytes0 = korvo::bench::spreadOf(without.bytes);
  // The frames are kept until the next click: a table of short texts each.
  const std::string clicks =
      std::to_string(samples) + " whole-game clicks each, " +
      korvo::bench::format("%.1f frames a click of %.0f bytes each held until the next click",
                           double(frames) / double(samples), double(sizeof(korvo::TableFrame)));
  korvo::bench::printRow({"replay: bytes of a whole-game click, recorded / not",
                          bytes.median / bytes0.median,
                          korvo::bench::format("%.0f vs %.0f bytes", bytes.median, bytes0.median),
                          std::nullopt, 0, false, clicks});
  korvo::bench::printRow({"replay: CPU of a whole-game click, recorded / not",
                          cpu.median / cpu0.median,
                          korvo::bench::format("%.3f vs %.3f ms", cpu.median, cpu0.median),
                          std::nullopt, 0, false, clicks});
  return 0;
}
