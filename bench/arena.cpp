// How strong the Strong player is: whole games in memory, the Strong player in one seat
// (rotating over the four seats from game to game) against three of the rules' players, and
// the same games' seeds played by four of the rules' players for the baseline.
//
//   arena --games N --seed S [--jobs J] [--rows]
//         [--deals D --knock-above K --margin-tenths M --knock-margin-tenths M]
//
// Player 1's seat is played through its clicks, by the Strong player or by the rules' player
// with Oma's boldness. Every game has its own seed (S + game number), so the figures do not
// depend on J. With --rows it also prints the rows of bench/run (bench/rows.h).
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench/rows.h"
#include "game/gamedir.h"
#include "players/classic.h"
#include "players/strong.h"

namespace korvo {
namespace {

// Times every decision of the player it stands for.
class Timed final : public Player {
 public:
  Timed(std::unique_ptr<Player> inner, std::vector<double>& ms)
      : inner_(std::move(inner)), ms_(ms) {}
  Move decide(const SeatView& view, Random& chance) override {
    // Processor time of this thread: the machine is shared, and waiting is not deciding.
    const double start = bench::threadCpuMs();
    const Move m = inner_->decide(view, chance);
    ms_.push_back(bench::threadCpuMs() - start);
    return m;
  }

 private:
  std::unique_ptr<Player> inner_;
  std::vector<double>& ms_;
};

// Plays one whole game; returns the seat that won it (0 if everybody went out at once).
int playGame(uint64_t seed, int strongSeat, const StrongSettings& settings,
             std::vector<double>& ms) {
  SeededRandom random(seed);
  ComputerSeats seats = classicSeats();
  const auto strong = [&] {
    return std::make_unique<Timed>(std::make_unique<StrongPlayer>(seed, settings), ms);
  };
  if (strongSeat >= 2) seats[static_cast<std::size_t>(strongSeat - 2)] = strong();
  std::unique_ptr<Player> first;
  if (strongSeat == 1) {
    first = strong();
  } else {
    first = std::make_unique<ClassicPlayer>(2);
  }
  Game game(standardDeck(), random, std::move(seats));
  const auto won = [&] {
    for (int k = 1; k <= kPlayers; ++k) {
      if (game.state().wins[k] > 0) return k;
    }
    return 0;
  };
  game.click(kDealButton);
  for (int clicks = 0; clicks < 1000000; ++clicks) {
    const GameState& st = game.state();
    if (st.dealt == 0) {
      bool over = true;
      for (int k = 1; k <= kPlayers; ++k) over = over && st.honor[k] < 1;
      if (over) return won();
      game.click(kDealButton);
      continue;
    }
    const auto control = controlFor(first->decide(game.viewOf(1), random));
    if (!control) return -1;  // player 1 has no other move
    game.click(*control);
  }
  return -1;
}

constexpr const char* kUsage =
    "usage: arena --games N --seed S [--jobs J] [--rows] [--deals D] [--knock-above K] "
    "[--margin-tenths M] [--knock-margin-tenths M]\n";

std::optional<uint64_t> number(const char* text) {
  uint64_t n = 0;
  const std::string s = text;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return n;
}

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const auto i = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size()))) - 1;
  return v[std::min(i, v.size() - 1)];
}

}  // namespace
}  // namespace korvo

int main(int argc, char** argv) {
  using namespace korvo;
  uint64_t games = 0, seed = 0, jobs = 1;
  bool rows = false, haveGames = false, haveSeed = false;
  StrongSettings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    std::optional<uint64_t> value;
    if (arg == "--rows") {
      rows = true;
      continue;
    }
    if (i + 1 < argc) value = number(argv[i + 1]);
    if (arg == "--games" && value && *value > 0) {
      games = *value;
      haveGames = true;
    } else if (arg == "--seed" && value) {
      seed = *value;
      haveSeed = true;
    } else if (arg == "--jobs" && value && *value > 0) {
      jobs = *value;
    } else if (arg == "--deals" && value && *value > 0) {
      settings.deals = static_cast<int>(*value);  // the Strong player's settings, for tuning
    } else if (arg == "--knock-above" && value) {
      settings.knockAbove = static_cast<float>(*value);
    } else if (arg == "--margin-tenths" && value) {
      settings.margin = static_cast<float>(*value) / 10;
    } else if (arg == "--knock-margin-tenths" && value) {
      settings.knockMargin = static_cast<float>(*value) / 10;
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
    ++i;
  }
  if (!haveGames || !haveSeed) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  // Per game: the seat the Strong player had, who won with it, who won the baseline.
  std::vector<int> strongWinner(games), baseWinner(games);
  std::vector<double> ms;
  std::mutex lock;
  std::atomic<uint64_t> next{0};
  const auto started = std::chrono::steady_clock::now();
  std::vector<std::thread> workers;
  for (uint64_t j = 0; j < jobs; ++j) {
    workers.emplace_back([&] {
      std::vector<double> mine;
      for (uint64_t g; (g = next++) < games;) {
        const int seat = static_cast<int>(g % kPlayers) + 1;
        strongWinner[g] = playGame(seed + g, seat, settings, mine);
        std::vector<double> none;
        baseWinner[g] = playGame(seed + g, 0, settings, none);
      }
      const std::lock_guard<std::mutex> hold(lock);
      ms.insert(ms.end(), mine.begin(), mine.end());
    });
  }
  for (auto& w : workers) w.join();
  const double seconds = bench::msSince(started) / 1000;

  std::array<int, kPlayers + 1> played{}, strongWon{}, baseWonThere{}, baseWon{};
  int wins = 0, baseWins = 0;
  for (uint64_t g = 0; g < games; ++g) {
    const int seat = static_cast<int>(g % kPlayers) + 1;
    ++played[seat];
    if (strongWinner[g] == seat) ++strongWon[seat], ++wins;
    if (baseWinner[g] == seat) ++baseWonThere[seat], ++baseWins;
    if (baseWinner[g] >= 1) ++baseWon[static_cast<std::size_t>(baseWinner[g])];
  }
  const double n = static_cast<double>(games);
  const double p = wins / n;
  // The Wilson interval at 95%.
  const double z = 1.96, z2 = z * z;
  const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
  const double half = z * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
  const double median = percentile(ms, 0.5), p99 = percentile(ms, 0.99);

  std::printf("seat  strong won       classic in that seat  classic overall\n");
  for (int k = 1; k <= kPlayers; ++k) {
    const double m = std::max(played[k], 1);
    std::printf("%-4d  %5.1f%% of %-5d  %5.1f%%                %5.1f%%\n", k,
                100 * strongWon[k] / m, played[k], 100 * baseWonThere[k] / m, 100 * baseWon[k] / n);
  }
  std::printf("%zu strong decisions, max %.2f ms; %.1f games per second (both sides, %llu jobs)\n",
              ms.size(), ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()),
              2 * n / seconds, static_cast<unsigned long long>(jobs));
  if (rows) {
    bench::printRow({"arena: 40% / strong win share against three classic players",
                     0.40 / std::max(p, 1e-9),
                     bench::format("%.1f-%.1f%% won", 100 * (centre - half), 100 * (centre + half)),
                     1.0, 0.40 / std::max(p, 1e-9), false,
                     bench::format("won %.1f%% of %.0f games, classic baseline %.1f%%", 100 * p, n,
                                   100 * baseWins / n)});
    bench::printRow({"arena: strong decision p99 / 20 ms", p99 / 20,
                     bench::format("median %.2f ms, p99 %.2f ms", median, p99), 1.0, p99 / 20,
                     false, bench::format("%.0f decisions", static_cast<double>(ms.size()))});
  }
  std::printf(
      "arena: strong won %.1f%% of %llu games (95%% interval %.1f-%.1f%%), classic baseline "
      "%.1f%%, strong decision median %.2f ms p99 %.2f ms\n",
      100 * p, static_cast<unsigned long long>(games), 100 * (centre - half), 100 * (centre + half),
      100 * baseWins / n, median, p99);
  return 0;
}
