#include "game/game.h"

#include <algorithm>
#include <stdexcept>

#include "game/recordfile.h"

namespace korvo {

std::string_view shortName(int player) {
  static constexpr std::string_view names[] = {"", "Pell", "Oma", "Tobin", "Wenna"};
  return names[player];
}

Game::Game(std::filesystem::path dir, Random& random, ComputerSeats computers)
    : dir_(std::move(dir)), random_(random), computers_(std::move(computers)) {
  for (const auto& p : computers_) {
    if (!p) throw std::invalid_argument("every computer seat needs a player");
  }
}

Game::Game(const Deck& deck, Random& random, ComputerSeats computers)
    : Game(std::filesystem::path(), random, std::move(computers)) {
  memory_ = InMemory{deck, {}};
}

Game::~Game() = default;

void Game::setPlayer(int seat, std::unique_ptr<Player> player) {
  if (seat < 2 || seat > kPlayers || !player) {
    throw std::invalid_argument("only seats 2 to 4 take a computer player");
  }
  computers_[static_cast<std::size_t>(seat - 2)] = std::move(player);
}

bool Game::mayTake() const {
  return st_.dealt != 0 && st_.turnphase == kTakePhase;
}

bool Game::mayDiscard() const {
  return st_.dealt != 0 && st_.turnphase == kDiscardPhase;
}

bool Game::mayKnock() const {
  for (int k = 1; k <= kPlayers; ++k) {
    if (st_.knocked[k] != kNo) return false;  // somebody has knocked or holds 31
  }
  return mayTake();
}

std::filesystem::path Game::cardFile() const {
  return dir_ / kCardFile;
}
std::filesystem::path Game::totalsFile() const {
  return dir_ / kTotalsFile;
}

void Game::restore(const GameState& state, const Table& table, bool totalsPending) {
  st_ = state;
  table_ = table;
  totalsPending_ = totalsPending;
}

ClickResult Game::click(Control c) {
  ClickResult result;
  pendingFault_.reset();
  pendingNotice_.reset();
  pendingUncounted_ = 0;
  turnsThisClick_ = 0;
  frames_.clear();
  settled_.clear();
  try {
    switch (c) {
      case kDealButton:
        Command1_Click();
        break;
      case kKnockButton:
        Command2_Click();
        break;
      case kDrawPile:
        Picture14_Click();
        break;
      case kDiscardPile:
        Picture15_Click();
        break;
      case Control::Picture1:
      case Control::Picture2:
      case Control::Picture3:
      case Control::Picture4:
        discardClick(static_cast<int>(c) - static_cast<int>(Control::Picture1) + 1);
        break;
      default:
        break;  // no handler: the click changes nothing
    }
    if (pendingFault_) {
      result.error = std::string(pendingFault_->what()) + kWinCountsKept;
      result.fileError = pendingFault_;
      result.winCountsKept = true;
    }
    result.notice = pendingNotice_;
    result.uncountedWinner = pendingUncounted_;
  } catch (const FileError& e) {
    // A file fault stops the click where it happened; the next Deal click tries again.
    st_.dealt = 0;
    st_.turnphase = kTakePhase;
    result.error = e.what();
    result.fileError = e;
  }
  pendingFault_.reset();
  pendingNotice_.reset();
  pendingUncounted_ = 0;
  stats_.longestClick = std::max(stats_.longestClick, turnsThisClick_);
  return result;
}

void Game::countTurn() {
  ++stats_.turns;
  if (++turnsThisClick_ > kMaxTurnsPerClick) {
    throw FileError(cardFile(), 0, FileFault::EndlessDeck, {std::to_string(kMaxTurnsPerClick)});
  }
}

bool Game::othersAllUnknocked(int player) const {
  for (int k = 1; k <= kPlayers; ++k) {
    if (k != player && st_.knocked[k] != kNo) return false;
  }
  return true;
}

int16_t Game::drawFromPile() {
  if (st_.deckpos >= kDeckSize) reshuffleDiscards();
  if (st_.deckpos >= kDeckSize) throw std::logic_error("the draw pile is empty after a reshuffle");
  return ++st_.deckpos;
}

void Game::saveTotals() {
  Wins wins;
  for (int k = 1; k <= kPlayers; ++k) wins[static_cast<std::size_t>(k - 1)] = st_.wins[k];
  if (memory_) {
    memory_->wins = wins;
    return;
  }
  totalsPending_ = true;
  writeTotalsFile(totalsFile(), wins);
  totalsPending_ = false;
}

}  // namespace korvo
