// The soak run: random clicks on every control of the table, legal and illegal alike, for as
// long as asked, with the game's invariants checked after every click.
//
//   soak [--clicks N] [--seed S] [--dir DIR] [--break-at N]
//
// The run is cut into blocks of kGamesPerSeed games. Block i plays with seed S+i: a fresh game
// directory, a new Game drawing from SeededRandom(S+i), and a random human seeded with S+i too,
// so that `soak --seed S+i` replays a block from its start. One block in kStubbornEvery plays
// a "stubborn" deck whose values keep hands low: rounds run long and the draw pile runs out.
//
// After every click: the state's invariants (tests/invariants.h); a click that the rules
// refuse changes nothing at all (state, table and random numbers drawn); a click that they
// accept does what it should. After every Deal and every game end: cardfile.txt holds the
// deck and totals.txt the win counts. Each violation prints one line with the seed and the
// click number within its block; the exit status is 1 if there was any.
//
// --break-at N duplicates a card of player 1's hand after the Nth click (or the first click
// after it with a round under way): a check that the soak sees a broken state and fails.
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "tests/invariants.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using enum Control;

constexpr int kGamesPerSeed = 20;
constexpr uint64_t kStubbornEvery = 3;
constexpr uint64_t kViolationLinesShown = 30;

struct Options {
  uint64_t clicks = 1000000;
  std::optional<uint64_t> seed;
  fs::path parent;
  std::optional<uint64_t> breakAt;
};

constexpr const char* kUsage =
    "usage: soak [--clicks N] [--seed S] [--dir DIR] [--break-at N]\n"
    "  --clicks N    clicks to play (default 1000000)\n"
    "  --seed S      first seed (default: an unpredictable one, printed)\n"
    "  --dir DIR     where to make the game directory (default /dev/shm, else the temp dir)\n"
    "  --break-at N  duplicate a card after click N, to see the soak fail\n";

std::optional<uint64_t> number(std::string_view text) {
  uint64_t n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return n;
}

std::optional<Options> parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      std::cout << kUsage;
      std::exit(0);
    }
    if (i + 1 >= argc) return std::nullopt;
    const std::string_view value = argv[++i];
    if (arg == "--dir") {
      o.parent = fs::path(value);
      continue;
    }
    const std::optional<uint64_t> n = number(value);
    if (!n) return std::nullopt;
    if (arg == "--clicks") {
      o.clicks = *n;
    } else if (arg == "--seed") {
      o.seed = *n;
    } else if (arg == "--break-at") {
      o.breakAt = *n;
    } else {
      return std::nullopt;
    }
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
  switch (c) {
    case Command1:
      return st.dealt == 1;
    case Command2:
      return !take || std::any_of(st.knocked.begin() + 1, st.knocked.end(),
                                  [](const std::string& k) { return k != kNo; });
    case Picture14:
    case Picture15:
      return !take;
    case Picture1:
    case Picture2:
    case Picture3:
    case Picture4:
      return st.dealt != 1 || st.turnphase != kDiscardPhase;
    default:
      return true;  // no handler
  }
}

// The game's random source, watched: every deal draws its numbers right after it counts the
// round, so the first draw after the count moves marks where a round starts, also when one
// Deal click plays many rounds while player 1 is out. The numbers are SeededRandom's own.
class RoundWatch final : public Random {
 public:
  explicit RoundWatch(uint64_t seed) : source_(seed) {}
  void watch(const Game* game) { game_ = game; }

  // Closes the round under way, if any, when the round has ended (dealt back to 0).
  void afterClick() {
    if (open_ && game_->state().dealt == 0) close();
  }
  uint64_t longestRound() const { return longest_; }

 protected:
  float draw() override {
    if (game_ != nullptr && game_->stats().rounds != rounds_) {
      if (open_) close();
      rounds_ = game_->stats().rounds;
      start_ = game_->stats().turns;
      open_ = true;
    }
    return source_.next();
  }

 private:
  void close() {
    longest_ = std::max(longest_, game_->stats().turns - start_);
    open_ = false;
  }

  SeededRandom source_;
  const Game* game_ = nullptr;
  uint64_t rounds_ = 0;
  uint64_t start_ = 0;
  bool open_ = false;
  uint64_t longest_ = 0;
};

class TempGameDir {
 public:
  explicit TempGameDir(fs::path parent) {
    if (parent.empty()) {
      std::error_code ec;
      parent = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    }
    path_ = parent / ("korvo-soak-" + std::to_string(::getpid()) + "-" +
                      std::to_string(std::random_device()()));
  }
  ~TempGameDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  TempGameDir(const TempGameDir&) = delete;
  TempGameDir& operator=(const TempGameDir&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

struct Figures {
  uint64_t clicks = 0;
  uint64_t games = 0;
  uint64_t rounds = 0;
  uint64_t turns = 0;
  uint64_t reshuffles = 0;
  uint64_t stubbornReshuffles = 0;
  uint64_t stubbornBlocks = 0;
  uint64_t blocks = 0;
  uint64_t longestClick = 0;
  uint64_t longestOutDeal = 0;
  uint64_t longestRound = 0;
  uint64_t violations = 0;
};

class Soak {
 public:
  Soak(const Options& options, uint64_t firstSeed, fs::path dir)
      : options_(options), firstSeed_(firstSeed), dir_(std::move(dir)) {
    for (const auto& [c, w] : clickWeights()) {
      controls_.push_back(c);
      weights_.push_back(w);
    }
  }

  Figures run() {
    for (uint64_t block = 0; fig_.clicks < options_.clicks; ++block) playBlock(firstSeed_ + block);
    return fig_;
  }

 private:
  void violation(const std::string& what) {
    if (++fig_.violations <= kViolationLinesShown) {
      std::cout << "VIOLATION seed " << seed_ << " click " << click_ << " ("
                << controlName(lastClick_) << "): " << what << std::endl;
    }
  }

  void playBlock(uint64_t seed) {
    seed_ = seed;
    click_ = 0;
    const bool stubborn = seed % kStubbornEvery == kStubbornEvery - 1;
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    writeCardFile(dir_ / kCardFile, stubborn ? stubbornDeck() : standardDeck());
    writeTotalsFile(dir_ / kTotalsFile, Wins{0, 0, 0, 0});
    deck_ = readCardFile(dir_ / kCardFile);

    RoundWatch random(seed);
    Game game(dir_, random);
    random.watch(&game);
    std::mt19937_64 human(seed);
    std::discrete_distribution<std::size_t> pick(weights_.begin(), weights_.end());
    gamesInDir_ = 0;

    while (gamesInDir_ < kGamesPerSeed && fig_.clicks < options_.clicks) {
      const Control c = controls_[pick(human)];
      playClick(game, c);
      random.afterClick();
      if (options_.breakAt && fig_.clicks >= *options_.breakAt && game.state().dealt == 1) {
        GameState& st = game.mutableState();
        st.p1card[1] = st.p1card[2];
        st.p1suit[1] = st.p1suit[2];
        st.p1value[1] = st.p1value[2];
        options_.breakAt.reset();
        checkAfterClick(game);
      }
    }

    const PlayStats& s = game.stats();
    fig_.rounds += s.rounds;
    fig_.turns += s.turns;
    fig_.reshuffles += s.reshuffles;
    fig_.longestClick = std::max(fig_.longestClick, s.longestClick);
    fig_.longestRound = std::max(fig_.longestRound, random.longestRound());
    ++fig_.blocks;
    if (stubborn) {
      ++fig_.stubbornBlocks;
      fig_.stubbornReshuffles += s.reshuffles;
    }
  }

  void playClick(Game& game, Control c) {
    const GameState& st = game.state();
    const PlayStats& stats = game.stats();
    ++click_;
    ++fig_.clicks;
    lastClick_ = c;

    const bool refuse = mustRefuse(st, c);
    std::optional<GameState> stateBefore;
    std::optional<Table> tableBefore;
    if (refuse) {
      stateBefore = st;
      tableBefore = game.table();
    }
    const bool wasIn = invariants::anyoneIn(st);
    const bool p1In = st.honor[1] >= 1;
    const uint64_t drawn = game.random().drawn();
    const uint64_t turns = stats.turns, rounds = stats.rounds, games = stats.games;

    const ClickResult result = game.click(c);
    if (result.error) violation("the click met a fault: " + *result.error);

    const uint64_t clickTurns = stats.turns - turns;
    const bool gameEnded = wasIn && !invariants::anyoneIn(st);
    if (stats.games - games != (gameEnded ? 1u : 0u)) {
      violation("the engine counted " + std::to_string(stats.games - games) +
                " games won in this click, the table " + (gameEnded ? "1" : "0"));
    }

    if (refuse) {
      if (!(st == *stateBefore)) violation("a refused click changed the state");
      if (!(game.table() == *tableBefore)) violation("a refused click changed the table");
      if (game.random().drawn() != drawn) violation("a refused click drew random numbers");
    } else {
      checkAccepted(game, c, wasIn, p1In, stats.rounds - rounds);
    }

    checkAfterClick(game);
    if (c == Command1 && !refuse && wasIn && !p1In) {
      fig_.longestOutDeal = std::max(fig_.longestOutDeal, clickTurns);
    }
    if (gameEnded) {
      ++fig_.games;
      ++gamesInDir_;
    }
    if ((c == Command1 && !refuse) || gameEnded) checkFiles(game);
  }

  // What an accepted click must have done.
  void checkAccepted(const Game& game, Control c, bool wasIn, bool p1In, uint64_t clickRounds) {
    const GameState& st = game.state();
    switch (c) {
      case Command1:
        if (clickRounds < 1) violation("Deal dealt no round");
        if (wasIn && !p1In && invariants::anyoneIn(st)) {
          violation("Deal with player 1 out did not play the game to its end");
        }
        if (st.dealt == 1 && game.table()[Text1] != "Pell, it's your turn.") {
          violation("a round waits for player 1 but the message line reads \"" +
                    game.table()[Text1] + "\"");
        }
        break;
      case Command2:
        if (st.dealt != 0 || st.knocked[1] != kYes) violation("Knock did not end the round");
        break;
      case Picture14:
      case Picture15:
        if (st.dealt != 1 || st.turnphase != kDiscardPhase) {
          violation("a take left player 1 outside the discard phase");
        }
        break;
      default:  // a discard
        if (st.turnphase != kTakePhase)
          violation("a discard left player 1 in turnphase " + std::to_string(st.turnphase));
        break;
    }
  }

  void checkAfterClick(const Game& game) {
    for (const std::string& fault : invariants::checkState(game.state(), game.table(), deck_)) {
      violation(fault);
    }
  }

  void checkFiles(const Game& game) {
    const GameState& st = game.state();
    try {
      const std::string wrong = invariants::checkDeckFile(readCardFile(dir_ / kCardFile), deck_);
      if (!wrong.empty()) violation("cardfile.txt does not hold the deck: " + wrong);
    } catch (const FileError& e) {
      violation(std::string("cardfile.txt does not read back: ") + e.what());
    }
    try {
      const Wins totals = readTotalsFile(dir_ / kTotalsFile);
      if (totals != Wins{st.wins[1], st.wins[2], st.wins[3], st.wins[4]}) {
        violation("totals.txt does not hold the win counts");
      }
      if (totals[0] + totals[1] + totals[2] + totals[3] != gamesInDir_) {
        violation("totals.txt counts " +
                  std::to_string(totals[0] + totals[1] + totals[2] + totals[3]) + " wins after " +
                  std::to_string(gamesInDir_) + " games");
      }
    } catch (const FileError& e) {
      violation(std::string("totals.txt does not read back: ") + e.what());
    }
  }

  Options options_;
  uint64_t firstSeed_;
  fs::path dir_;
  std::vector<Control> controls_;
  std::vector<double> weights_;
  Deck deck_{};
  Figures fig_;
  uint64_t seed_ = 0;
  uint64_t click_ = 0;
  Control lastClick_ = Command1;
  int gamesInDir_ = 0;
};

}  // namespace
}  // namespace korvo

int main(int argc, char** argv) {
  using namespace korvo;
  const std::optional<Options> options = parse(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  const uint64_t seed = options->seed.value_or(std::random_device()());
  const TempGameDir dir(options->parent);
  std::cout << "soak: " << options->clicks << " clicks from seed " << seed << " in "
            << dir.path().string() << std::endl;

  const auto started = std::chrono::steady_clock::now();
  Figures f;
  try {
    f = Soak(*options, seed, dir.path()).run();
  } catch (const std::exception& e) {
    std::cout << "soak: stopped by " << e.what() << std::endl;
    return 1;
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;

  std::cout << std::fixed << std::setprecision(1) << "clicks                " << f.clicks << " in "
            << took.count() << " s, " << std::setprecision(0)
            << static_cast<double>(f.clicks) / took.count() << " clicks/s\n"
            << "seeds                 " << seed << ".." << seed + f.blocks - 1 << " ("
            << f.stubbornBlocks << " with the stubborn deck)\n"
            << "games completed       " << f.games << "\n"
            << "rounds                " << f.rounds << " (" << f.turns << " turns)\n"
            << "longest click         " << f.longestClick << " turns\n"
            << "longest Deal, P1 out  " << f.longestOutDeal << " turns\n"
            << "longest round         " << f.longestRound << " turns\n"
            << "reshuffles            " << f.reshuffles << " (" << f.stubbornReshuffles
            << " with the stubborn deck)\n"
            << "invariant violations  " << f.violations << std::endl;
  return f.violations == 0 ? 0 : 1;
}
