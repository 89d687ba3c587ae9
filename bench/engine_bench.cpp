// How fast the engine answers a click: a deal (read, shuffle and atomic rewrite of the deck
// file) and a whole game played inside one Deal click while player 1 is out.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "game/evaluate.h"
#include "game/game.h"
#include "game/gamedir.h"
#include "players/classic.h"

namespace {

std::filesystem::path benchDir() {
  static const std::filesystem::path dir = [] {
    const auto d = std::filesystem::temp_directory_path() /
                   ("korvo-bench-" + std::to_string(std::random_device{}()));
    korvo::initGameFiles(d);
    return d;
  }();
  return dir;
}

void BM_Deal(benchmark::State& state) {
  korvo::SeededRandom random(1);
  korvo::Game game(benchDir(), random, korvo::classicSeats());
  for (auto _ : state) {
    // Player 1 alone still in: the Deal click deals and hands him the turn, nothing more.
    game.mutableState().honor = {0, 4, 0, 0, 0};
    game.mutableState().dealt = 0;
    game.click(korvo::kDealButton);
  }
}
BENCHMARK(BM_Deal);

void BM_GameWithoutPlayer1(benchmark::State& state) {
  korvo::SeededRandom random(2);
  korvo::Game game(benchDir(), random, korvo::classicSeats());
  for (auto _ : state) {
    // Player 1 out, the others in: one Deal click plays the rest of the game.
    auto& st = game.mutableState();
    st.honor = {0, 0, 4, 4, 4};
    st.dealt = 0;
    game.click(korvo::Control::Command1);
  }
}
BENCHMARK(BM_GameWithoutPlayer1);

void BM_Evaluate(benchmark::State& state) {
  const korvo::Hand hand{{{"a", "x", 10}, {"b", "y", 11}, {"c", "x", 9}}};
  for (auto _ : state) benchmark::DoNotOptimize(korvo::evaluate(hand));
}
BENCHMARK(BM_Evaluate);

}  // namespace

BENCHMARK_MAIN();
