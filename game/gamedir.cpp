#include "game/gamedir.h"

#include <cstdlib>
#include <system_error>

namespace korvo {

namespace fs = std::filesystem;

const std::vector<StandardCard>& standardCards() {
  static const std::vector<StandardCard> cards = [] {
    const char* suitText[] = {"♣", "♦", "♥", "♠"};
    const char* suitLetter[] = {"C", "D", "H", "S"};
    const char* rankText[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    std::vector<StandardCard> all;
    for (int suit = 0; suit < 4; ++suit) {
      for (int rank = 1; rank <= 13; ++rank) {
        // Ace 11, jack, queen and king 10, the others their number.
        const Value value = rank == 1 ? 11 : rank > 10 ? 10 : rank;
        all.push_back(
            {rank, suit,
             Card{std::string(rankText[rank]) + suitLetter[suit] + ".JPG", suitText[suit], value}});
      }
    }
    return all;
  }();
  return cards;
}

Deck standardDeck() {
  Deck deck;
  for (std::size_t i = 0; i < deck.size(); ++i) deck[i] = standardCards()[i].record;
  return deck;
}

std::string honorPicture(int points) {
  return "hundred" + std::to_string(points) + ".JPG";
}

void initGameFiles(const fs::path& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir)) {
    throw FileError::system(dir, FileFault::GameDirNotMade, ec.value());
  }
  if (!fs::exists(dir / kCardFile)) writeCardFile(dir / kCardFile, standardDeck());
  if (!fs::exists(dir / kTotalsFile)) writeTotalsFile(dir / kTotalsFile, Wins{0, 0, 0, 0});
}

fs::path defaultGameDir() {
  std::error_code ec;
  fs::path here = fs::current_path(ec);
  if (!ec && fs::exists(here / kCardFile, ec)) return here;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/') {
    return fs::path(data) / "korvo";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return fs::path(home) / ".local" / "share" / "korvo";
  }
  return here / "korvo";
}

}  // namespace korvo
