#include "tests/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "game/gamedir.h"

namespace korvo::testing {

namespace fs = std::filesystem;

TempDir::TempDir(const fs::path& base) {
  static std::atomic<unsigned> counter{0};
  std::random_device device;
  path_ = base / ("korvo-test-" + std::to_string(device()) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

GameDir::GameDir(const fs::path& base) : TempDir(base) {
  initGameFiles(path());
}

UnwritableDir::UnwritableDir(fs::path dir) : dir_(std::move(dir)) {
  if (::geteuid() == 0) {
    const std::string command = "chattr +i '" + dir_.string() + "' 2>/dev/null";
    immutable_ = std::system(command.c_str()) == 0;
  } else {
    fs::permissions(dir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
  // Probe: can a file still be made here?
  const fs::path probe = dir_ / ".probe";
  {
    std::ofstream out(probe);
    ok_ = !out;
  }
  if (!ok_) fs::remove(probe);
}

UnwritableDir::~UnwritableDir() {
  if (immutable_) {
    const std::string command = "chattr -i '" + dir_.string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not undo chattr +i\n");
  } else {
    fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
  }
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const fs::path& file, const std::string& contents) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << contents;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

Card card(const std::string& name) {
  for (const StandardCard& c : standardCards()) {
    if (c.record.picture == name + ".JPG") return {c.record.picture, c.record.suit, c.record.value};
  }
  throw std::invalid_argument("no card named " + name);
}

Hand hand(const std::string& a, const std::string& b, const std::string& c) {
  return {card(a), card(b), card(c)};
}

void putCard(GameState& st, int pos, const Card& c) {
  st.deckcard[pos] = c.card;
  st.decksuit[pos] = c.suit;
  st.deckvalue[pos] = c.value;
}

void giveHand(GameState& st, int k, const Hand& h) {
  HandRef r = st.hand(k);
  for (int i = 1; i <= 3; ++i) {
    const Card& c = h[static_cast<std::size_t>(i - 1)];
    std::tie(r.card[i], r.suit[i], r.value[i]) = std::tie(c.card, c.suit, c.value);
  }
  const Evaluation e = evaluate(h);
  r.suit[5] = h[static_cast<std::size_t>(e.best)].suit;
  r.value[5] = e.total;
}

float keyNumber(int key) {
  // The middle of the interval that gives this key, safely away from rounding edges.
  return (static_cast<float>(key) - 0.5f) / 300.0f;
}

std::vector<float> identityShuffle() {
  return dealNumbers(1);
}

std::vector<float> dealNumbers(int deals, const std::vector<float>& more) {
  std::vector<float> numbers;
  for (int d = 0; d < deals; ++d) {
    for (int key = 1; key <= kDeckSize; ++key) numbers.push_back(keyNumber(key));
  }
  numbers.insert(numbers.end(), more.begin(), more.end());
  return numbers;
}

void stackDeck(const fs::path& dir, const std::vector<std::string>& p1,
               const std::vector<std::string>& p2, const std::vector<std::string>& p3,
               const std::vector<std::string>& p4, const std::string& discard,
               const std::vector<std::string>& drawPile) {
  std::vector<std::string> order;
  for (std::size_t pass = 0; pass < 3; ++pass) {
    // The deal gives cards to players 4, 3, 2 and 1 in turn, three passes; a player given no
    // cards here is taken to be out.
    for (const auto* p : {&p4, &p3, &p2, &p1}) {
      if (!p->empty()) order.push_back(p->at(pass));
    }
  }
  order.push_back(discard);
  for (const auto& name : drawPile) order.push_back(name);
  for (const StandardCard& c : standardCards()) {
    const std::string name = c.record.picture.substr(0, c.record.picture.size() - 4);
    if (std::find(order.begin(), order.end(), name) == order.end()) order.push_back(name);
  }
  if (order.size() != static_cast<std::size_t>(kDeckSize)) {
    throw std::invalid_argument("stackDeck: a card is named twice");
  }
  Deck deck;
  for (std::size_t i = 0; i < deck.size(); ++i) {
    const Card c = card(order[i]);
    deck[i] = {c.suit, c.value, c.card};
  }
  writeCardFile(dir / kCardFile, deck);
}

}  // namespace korvo::testing
