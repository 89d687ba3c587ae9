// The soak run: random clicks on every control, legal and illegal alike, with what must hold
// between two clicks checked after each: every card of the deck once while a round is under
// way, the piles in order, the honor points accounted for, player 1's phase matching place 4,
// a refused click changing nothing, and game files that hold the deck and the win counts.
// Usage: soak [--clicks N] [--seed S] [--break-at N]. Block i of 20 games plays seed S+i (one in
// three with a low-valued deck, so that the draw pile runs out); a violation prints that seed
// and the exit status is 1. --break-at N duplicates a card of player 1's hand after click N.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"
#include "players/classic.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using enum Control;
using CardId = std::tuple<std::string, std::string, Value>;

uint64_t seed = 0, violations = 0;  // the seed of the game under way

void check(bool ok, const std::string& what) {
  if (ok) return;
  std::cout << "VIOLATION seed " << seed << ": " << what << "\n";
  ++violations;
}

bool anyoneIn(const GameState& st) {
  return std::any_of(st.honor.begin() + 1, st.honor.end(), [](int16_t h) { return h >= 1; });
}

CardId deckAt(const GameState& st, int pos) {
  return {st.deckcard[pos], st.decksuit[pos], st.deckvalue[pos]};
}

CardId heldBy(GameState& st, int player, int place) {
  const HandRef hand = st.hand(player);
  return {hand.card[place], hand.suit[place], hand.value[place]};
}

// The cards of a round under way: places 1..3 of every player still in, the discard pile and
// the draw pile (discardbase..52). In the discard phase the card just taken lies at deckpos
// and in player 1's place 4: it is counted once, from the hand.
std::vector<CardId> cardsInPlay(GameState& st) {
  const bool holding = st.turnphase == kDiscardPhase;
  std::vector<CardId> in;
  for (int k = 1; k <= kPlayers; ++k) {
    for (int place = 1; place <= (k == 1 && holding ? 4 : 3) && st.honor[k] >= 1; ++place)
      in.push_back(heldBy(st, k, place));
  }
  for (int pos = std::max<int>(st.discardbase, 1); pos <= kDeckSize; ++pos) {
    if (!holding || pos != st.deckpos) in.push_back(deckAt(st, pos));
  }
  return in;
}

// Whether `cards` holds each card of `deck` as often as the deck does, and nothing else.
bool onceEach(std::vector<CardId> cards, const Deck& deck) {
  std::vector<CardId> want;
  for (const Card& r : deck) want.emplace_back(r.picture, r.suit, r.value);
  std::sort(cards.begin(), cards.end());
  std::sort(want.begin(), want.end());
  return cards == want;
}

// What must hold between two clicks; `deck` is the deck of the game directory. (The hands are
// read through the state's own accessor, which wants it mutable.)
void checkState(GameState& st, const Table& table, const Deck& deck) {
  const bool piles = st.discardbase <= st.deckpos && st.deckpos <= kDeckSize;
  check(st.dealt == 0 || st.dealt == 1, "dealt is " + std::to_string(st.dealt));
  check(st.turnphase >= kTakePhase && st.turnphase <= kClosedPhase, "turnphase out of range");
  check(piles, "the piles are out of order");
  int sum = st.pot;
  for (int k = 1; k <= kPlayers; ++k) {
    check(st.honor[k] <= 4 && st.honor[k] >= -1, "player " + std::to_string(k) + "'s honor");
    sum += st.honor[k];
  }
  check(!anyoneIn(st) || sum == 16, "pot and honor add up to " + std::to_string(sum));
  // Player 1 has the card taken in place 4 exactly while he must throw one away.
  const bool holding = st.turnphase == kDiscardPhase;
  const bool shown = table[Picture4] != "" && table[Picture4] != kEmptyPlace;
  check(st.dealt == 1 ? holding == shown : !holding, "place 4 against the discard phase");
  check(st.turnphase != kClosedPhase || st.knocked[1] == kYes || st.honor[1] < 1,
        "turnphase 2 while player 1 has neither knocked nor gone out");
  if (st.dealt != 1) return;
  // A round under way waits for player 1, who is in and may act.
  check(st.honor[1] >= 1 && st.turnphase != kClosedPhase, "a round waits for player 1 in vain");
  check(!piles || st.discardbase >= 1, "a round under way without a discard pile");
  if (!piles || st.discardbase < 1) return;
  // With the cards once each, the card taken is also the one at deckpos.
  check(!holding || table[Picture4] == st.p1card[4], "place 4 is not the card taken");
  check(onceEach(cardsInPlay(st), deck), "cards not once each in play");
}

// After a Deal or a game end: cardfile.txt holds `deck`, totals.txt the win counts, `games`
// wins in all.
void checkFiles(const fs::path& dir, const GameState& st, const Deck& deck, uint64_t games) {
  try {
    const Deck read = readCardFile(dir / kCardFile);
    const Wins totals = readTotalsFile(dir / kTotalsFile);
    check(std::is_permutation(read.begin(), read.end(), deck.begin(), deck.end()),
          "cardfile.txt does not hold the deck");
    check(totals == Wins{st.wins[1], st.wins[2], st.wins[3], st.wins[4]} &&
              static_cast<uint64_t>(totals[0] + totals[1] + totals[2] + totals[3]) == games,
          "totals.txt does not hold the win counts");
  } catch (const FileError& e) {
    check(false, std::string("a game file does not read back: ") + e.what());
  }
}

// Whether the rules refuse this click now: then it must change nothing at all.
bool mustRefuse(const GameState& st, Control c) {
  const bool take = st.dealt == 1 && st.turnphase == kTakePhase;
  if (c == Command1) return st.dealt == 1;
  if (c == Command2) return !take || std::count(st.knocked.begin() + 1, st.knocked.end(), kNo) < 4;
  if (c == Picture14 || c == Picture15) return !take;
  if (c >= Picture1 && c <= Picture4) return st.dealt != 1 || st.turnphase != kDiscardPhase;
  return true;  // no handler
}

// How often the random human clicks each control: Deal and the card places often, the draw
// pile more than the discard pile and far more than Knock, so that the draw pile runs down;
// the controls without a handler now and then.
std::discrete_distribution<std::size_t> clickWeights() {
  std::vector<double> w(kControlCount, 0.3);
  for (const auto& [c, weight] : {std::pair(Command1, 12.0),
                                  {Command2, 0.7},
                                  {Picture14, 22.0},
                                  {Picture15, 6.0},
                                  {Picture1, 8.0},
                                  {Picture2, 8.0},
                                  {Picture3, 8.0},
                                  {Picture4, 8.0}})
    w[static_cast<std::size_t>(c)] = weight;
  return std::discrete_distribution<std::size_t>(w.begin(), w.end());
}

}  // namespace
}  // namespace korvo

int main(int argc, char** argv) {
  using namespace korvo;
  uint64_t clicks = 1000000, first = std::random_device()(), breakAt = UINT64_MAX;
  for (int i = 1; i < argc; i += 2) {
    const std::string arg = argv[i];
    if (i + 1 == argc || (arg != "--clicks" && arg != "--seed" && arg != "--break-at"))
      return std::cerr << "usage: soak [--clicks N] [--seed S] [--break-at N]\n", 2;
    (arg == "--clicks" ? clicks : arg == "--seed" ? first : breakAt) = std::stoull(argv[i + 1]);
  }
  const fs::path dir = (fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path()) /
                       ("korvo-soak-" + std::to_string(::getpid()));
  std::cout << "soak: " << clicks << " clicks from seed " << first << std::endl;
  auto pick = clickWeights();
  uint64_t done = 0;
  for (seed = first; done < clicks; ++seed) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    Deck deck = standardDeck();
    if (seed % 3 == 2) {  // no hand passes 22: the computers seldom knock
      for (Card& c : deck) c.value = (c.value + 1) / 2 + 2;
    }
    writeCardFile(dir / kCardFile, deck);
    writeTotalsFile(dir / kTotalsFile, Wins{0, 0, 0, 0});
    SeededRandom random(seed);
    Game game(dir, random, classicSeats());
    std::mt19937_64 human(seed);
    GameState& st = game.mutableState();  // changed only by --break-at
    while (game.stats().games < 20 && done++ < clicks) {
      const auto c = static_cast<Control>(pick(human));
      const bool refuse = mustRefuse(st, c), wasIn = anyoneIn(st);
      const auto before = refuse
                              ? std::optional(std::tuple(st, game.table(), game.random().drawn()))
                              : std::nullopt;
      const ClickResult result = game.click(c);
      check(!result.error, "the click met a fault: " + result.error.value_or(""));
      check(!refuse || *before == std::tuple(st, game.table(), game.random().drawn()),
            "a refused click changed the game: " + std::string(controlName(c)));
      if (done >= breakAt && st.dealt == 1) {
        std::tie(st.p1card[1], st.p1suit[1], st.p1value[1]) =
            std::tie(st.p1card[2], st.p1suit[2], st.p1value[2]);
        breakAt = UINT64_MAX;
      }
      checkState(st, game.table(), deck);
      if ((c == Command1 && !refuse) || (wasIn && !anyoneIn(st)))
        checkFiles(dir, st, deck, game.stats().games);
    }
  }
  fs::remove_all(dir);
  std::cout << "invariant violations: " << violations << std::endl;
  return violations == 0 ? 0 : 1;
}
