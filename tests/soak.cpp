// The soak run: random clicks on every control of the table, legal and illegal alike, for as
// long as asked, with the game's invariants checked after every click (options: kUsage).
//
// Blocks of kGamesPerSeed games; block i has a fresh game directory, a Game drawing from
// SeededRandom(S+i) and a random human seeded with S+i, so `soak --seed S+i` replays it. One
// block in kStubbornEvery plays a low-valued deck: rounds run long and the draw pile runs out.
// After every click the invariants of tests/invariants.h hold and a refused click changes
// nothing (state, table, random numbers drawn); after every Deal and game end the game files
// are checked. Each violation prints a line with the seed and the click within its block; the
// exit status is then 1. --break-at N duplicates a card of player 1's hand after click N (or
// the first one after it with a round under way).
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <optional>
#include <random>
#include <ranges>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "tests/invariants.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using enum Control;

constexpr uint64_t kDefaultClicks = 1000000;
constexpr uint64_t kGamesPerSeed = 20;
constexpr uint64_t kStubbornEvery = 3;
constexpr uint64_t kViolationLinesShown = 30;

constexpr const char* kUsage =
    "usage: soak [--clicks N] [--seed S] [--dir DIR] [--break-at N]\n"
    "  --clicks N    clicks to play (default 1000000)\n"
    "  --seed S      first seed (default: an unpredictable one, printed)\n"
    "  --dir DIR     where to make the game directory (default /dev/shm, else the temp dir)\n"
    "  --break-at N  duplicate a card after click N, to see the soak fail\n";

struct Options {
  std::optional<uint64_t> clicks = kDefaultClicks, seed, breakAt;
  fs::path parent;
};

std::optional<Options> parse(int argc, char** argv) {
  Options o;
  if (argc % 2 == 0) return std::nullopt;  // an option without its value
  for (int i = 1; i < argc; i += 2) {
    const std::string_view arg = argv[i], value = argv[i + 1];
    if (arg == "--dir") {
      o.parent = value;
      continue;
    }
    std::optional<uint64_t>* slot = arg == "--clicks"     ? &o.clicks
                                    : arg == "--seed"     ? &o.seed
                                    : arg == "--break-at" ? &o.breakAt
                                                          : nullptr;
    uint64_t n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (slot == nullptr || ec != std::errc() || end != value.data() + value.size())
      return std::nullopt;
    *slot = n;
  }
  return o;
}

// The standard cards with their values pulled down to 3..8: no hand passes 22, so the
// computers seldom knock, rounds run long and the draw pile runs out.
Deck stubbornDeck() {
  Deck deck = standardDeck();
  for (CardRecord& c : deck) c.value = (c.value + 1) / 2 + 2;
  return deck;
}

// How often the random human clicks each control. Deal and the card places often, the draw
// pile more than the discard pile and far more than Knock, so that the human keeps drawing
// and the draw pile runs down; the controls without a handler now and then.
std::vector<std::pair<Control, double>> clickWeights() {
  std::vector<std::pair<Control, double>> w = {
      {Command1, 12}, {Command2, 0.7}, {Picture14, 22}, {Picture15, 6},
      {Picture1, 8},  {Picture2, 8},   {Picture3, 8},   {Picture4, 8},
  };
  for (int n = 5; n <= 13; ++n) w.emplace_back(pictureBox(n), 0.5);
  for (Control c : {Text1, Text2, Text3, Text4, Label1, Label2, total1, total2, total3, total4})
    w.emplace_back(c, 0.3);
  for (int n = 1; n <= 5; ++n) w.emplace_back(image(n), 0.3);
  return w;
}

// Whether the rules refuse this click now: then it must change nothing at all.
bool mustRefuse(const GameState& st, Control c) {
  const bool take = st.dealt == 1 && st.turnphase == kTakePhase;
  if (c == Command1) return st.dealt == 1;
  if (c == Command2)
    return !take || std::any_of(st.knocked.begin() + 1, st.knocked.end(),
                                [](const std::string& k) { return k != kNo; });
  if (c == Picture14 || c == Picture15) return !take;
  if (c == Picture1 || c == Picture2 || c == Picture3 || c == Picture4)
    return st.dealt != 1 || st.turnphase != kDiscardPhase;
  return true;  // no handler
}

struct Figures {
  uint64_t clicks = 0, blocks = 0, violations = 0;
  PlayStats play;  // summed over the blocks; longestClick the longest of them
};

struct Soak {
  Soak(Options o, fs::path d) : options(std::move(o)), dir(std::move(d)) {}
  Figures run(uint64_t firstSeed) {
    for (uint64_t block = 0; fig.clicks < *options.clicks; ++block) playBlock(firstSeed + block);
    return fig;
  }

  void violation(const std::string& what) {
    if (++fig.violations <= kViolationLinesShown) {
      std::cout << "VIOLATION seed " << blockSeed << " click " << click << " ("
                << controlName(lastClick) << "): " << what << std::endl;
    }
  }
  void report(const std::vector<std::string>& faults) {
    for (const std::string& fault : faults) violation(fault);
  }

  void playBlock(uint64_t seed) {
    blockSeed = seed;
    click = 0;
    fs::remove_all(dir);
    fs::create_directories(dir);
    const bool stubborn = seed % kStubbornEvery == kStubbornEvery - 1;
    writeCardFile(dir / kCardFile, stubborn ? stubbornDeck() : standardDeck());
    writeTotalsFile(dir / kTotalsFile, Wins{0, 0, 0, 0});
    deck = readCardFile(dir / kCardFile);
    SeededRandom random(seed);
    Game game(dir, random);
    std::mt19937_64 human(seed);
    const auto w = std::views::values(weights);
    std::discrete_distribution<std::size_t> pick(w.begin(), w.end());
    while (game.stats().games < kGamesPerSeed && fig.clicks < *options.clicks) {
      playClick(game, weights[pick(human)].first);
      if (options.breakAt && fig.clicks >= *options.breakAt && game.state().dealt == 1) {
        GameState& st = game.mutableState();
        st.p1card[1] = st.p1card[2];
        st.p1suit[1] = st.p1suit[2];
        st.p1value[1] = st.p1value[2];
        options.breakAt.reset();
        report(invariants::checkState(st, game.table(), deck));
      }
    }

    const PlayStats& s = game.stats();
    PlayStats& p = fig.play;
    p = {p.turns + s.turns, p.rounds + s.rounds, p.games + s.games, p.reshuffles + s.reshuffles,
         std::max(p.longestClick, s.longestClick)};
    ++fig.blocks;
  }

  void playClick(Game& game, Control c) {
    const GameState& st = game.state();
    ++click;
    ++fig.clicks;
    lastClick = c;

    const bool refuse = mustRefuse(st, c), wasIn = invariants::anyoneIn(st);
    const auto before = refuse ? std::optional(std::pair(st, game.table())) : std::nullopt;
    const uint64_t drawn = game.random().drawn();

    const ClickResult result = game.click(c);
    if (result.error) violation("the click met a fault: " + *result.error);
    report(invariants::checkState(st, game.table(), deck));
    const bool gameEnded = wasIn && !invariants::anyoneIn(st);
    if (refuse && (!(st == before->first) || !(game.table() == before->second) ||
                   game.random().drawn() != drawn)) {
      violation("a refused click changed the game");
    }
    if ((c == Command1 && !refuse) || gameEnded)
      report(invariants::checkFiles(dir, st, deck, game.stats().games));
  }

  Options options;
  const fs::path dir;
  const std::vector<std::pair<Control, double>> weights = clickWeights();
  Deck deck{};
  Figures fig;
  uint64_t blockSeed = 0, click = 0;
  Control lastClick = Command1;
};

}  // namespace
}  // namespace korvo

int main(int argc, char** argv) {
  using namespace korvo;
  const std::optional<Options> options = parse(argc, argv);
  if (!options) {
    const bool help = argc == 2 && std::string_view(argv[1]) == "--help";
    (help ? std::cout : std::cerr) << kUsage;
    return help ? 0 : 2;
  }
  const uint64_t seed = options->seed.value_or(std::random_device()());
  std::error_code ec;
  const fs::path parent = !options->parent.empty()           ? options->parent
                          : fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                             : fs::temp_directory_path();
  const fs::path dir = parent / ("korvo-soak-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(std::random_device()()));
  std::cout << "soak: " << *options->clicks << " clicks from seed " << seed << " in "
            << dir.string() << std::endl;

  const auto started = std::chrono::steady_clock::now();
  std::optional<Figures> figures;
  try {
    figures = Soak(*options, dir).run(seed);
  } catch (const std::exception& e) {
    std::cout << "soak: stopped by " << e.what() << std::endl;
  }
  fs::remove_all(dir, ec);
  if (!figures) return 1;
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  const Figures& f = *figures;
  const PlayStats& p = f.play;

  std::cout << std::fixed << std::setprecision(1) << "clicks                " << f.clicks << " in "
            << took.count() << " s, " << std::setprecision(0)
            << static_cast<double>(f.clicks) / took.count() << " clicks/s\n"
            << "seeds                 " << seed << ".." << seed + f.blocks - 1 << " (one in "
            << kStubbornEvery << " with the stubborn deck)\n"
            << "games completed       " << p.games << "\n"
            << "rounds                " << p.rounds << " (" << p.turns << " turns)\n"
            << "longest click         " << p.longestClick << " turns\n"
            << "reshuffles            " << p.reshuffles << "\n"
            << "invariant violations  " << f.violations << std::endl;
  return f.violations == 0 ? 0 : 1;
}
