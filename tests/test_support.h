// Helpers shared by the tests: a temporary game directory and a deck built to order.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/evaluate.h"
#include "game/recordfile.h"
#include "game/state.h"

namespace korvo::testing {

// A fresh directory under `base`, by default the system's temporary directory, removed with
// the object.
class TempDir {
 public:
  explicit TempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path());
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A game directory with the standard deck and totals 0,0,0,0.
class GameDir : public TempDir {
 public:
  explicit GameDir(const std::filesystem::path& base = std::filesystem::temp_directory_path());
};

// Makes a directory refuse new files while the object lives: chmod for an ordinary user,
// `chattr +i` for root, whom permissions do not stop. ok() is false where neither works.
class UnwritableDir {
 public:
  explicit UnwritableDir(std::filesystem::path dir);
  ~UnwritableDir();
  UnwritableDir(const UnwritableDir&) = delete;
  UnwritableDir& operator=(const UnwritableDir&) = delete;
  bool ok() const { return ok_; }

 private:
  std::filesystem::path dir_;
  bool immutable_ = false;
  bool ok_ = false;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& contents);

// A card of the standard deck by its short name: "AS", "10H", "2C", "KD".
Card card(const std::string& name);
Hand hand(const std::string& a, const std::string& b, const std::string& c);
// Puts c at deck position pos.
void putCard(GameState& st, int pos, const Card& c);
// Gives player k the cards of h in places 1..3, with h's best suit and total in element 5.
void giveHand(GameState& st, int k, const Hand& h);

// Random numbers that make the deal leave the deck exactly in the order of cardfile.txt:
// increasing keys 1, 2, ..., 52.
std::vector<float> identityShuffle();
// The numbers of `deals` such deals, then `more`.
std::vector<float> dealNumbers(int deals, const std::vector<float>& more = {});
// r with floor(r x 300 + 1) == key.
float keyNumber(int key);

// Writes cardfile.txt in `dir` so that, with identityShuffle(), the deal gives player 4 the
// cards p4, player 3 p3, player 2 p2, player 1 p1 (each three names), turns up `discard`, and
// leaves `drawPile` (first card drawn first) followed by the rest of the deck.
void stackDeck(const std::filesystem::path& dir, const std::vector<std::string>& p1,
               const std::vector<std::string>& p2, const std::vector<std::string>& p3,
               const std::vector<std::string>& p4, const std::string& discard,
               const std::vector<std::string>& drawPile = {});

}  // namespace korvo::testing
