// One game of Korvo at one table: the state, what the table shows, the game directory with
// its two files, and every procedure of the game as a private member.
//
// The procedures keep the game's own shape and talk through the state, chiefly the scratch
// hand (evalcard, evalsuit, evalvalue). The rules decide nothing for a player: at each
// decision the game builds the seat's view, asks the seat's Player and carries out its move;
// player 1's clicks are moves carried out by the same code.
//
// Every click enters through click(), the one place where file faults are caught.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/move.h"
#include "game/random.h"
#include "game/safefile.h"
#include "game/state.h"
#include "game/table.h"

namespace korvo {

// Counts of what the game has played, for tests and measurements.
struct PlayStats {
  uint64_t turns = 0;         // computer turns and player 1's discards
  uint64_t rounds = 0;        // deals
  uint64_t games = 0;         // games won
  uint64_t reshuffles = 0;    // discard piles turned into a new draw pile
  uint64_t longestClick = 0;  // the most turns played inside one click
};

// A click that has played this many turns has met a deck that cannot end a round (a hand-made
// deck whose values never let anybody knock); it is stopped rather than left to run forever.
inline constexpr uint64_t kMaxTurnsPerClick = 100000;

// The most wins the tally (totals.txt) counts for a player; a win beyond it is not added.
inline constexpr int16_t kMaxWins = 32767;

// What follows the fault of win counts that could not be saved at the end of a game.
inline constexpr const char* kWinCountsKept =
    " The win counts are kept and will be saved at the next deal.";

struct ClickResult {
  // A fault that stopped the click's action, or a win count that could not be saved; the
  // text the window shows in a message box.
  std::optional<std::string> error;
  // The same as a record, for a front end that words it in another language: the file fault,
  // and whether it is a win count that could not be saved and is kept for the next deal.
  std::optional<FileError> fileError;
  bool winCountsKept = false;
  // Something worth telling the player that is no fault, such as a win the tally cannot count.
  std::optional<std::string> notice;
  // The notice as a record, for a front end that words it in another language: the player
  // whose win the tally could not count (it stands at kMaxWins), or 0.
  int uncountedWinner = 0;
};

// What the table showed at one moment inside a click, so that a front end can let the player
// watch the computer players move one at a time after the click has been played.
struct TableFrame {
  enum class Kind {
    Start,     // the computer players are about to move: player 1's own move or the deal
    Turn,      // a computer player's turn has ended
    RoundEnd,  // with player 1 out, a round has been shown down and paid
  };
  Kind kind;
  int player;  // whose turn ended (2..4) for a Turn frame, else 0
  Table table;
};

// What one show-down settled, for the statistics. Players count 1..4 (element 0 unused).
struct RoundSettled {
  std::array<bool, kPlayers + 1> played{};     // still in when the round was shown down
  std::array<bool, kPlayers + 1> lostHonor{};  // paid honor points in it
  int knocker = 0;                             // who knocked, 0 when the round ended on a 31
  bool knockerPaidDouble = false;
  int korvo = 0;   // who showed 31, 0 when the round ended on a knock
  int winner = 0;  // who won the game with this round, 0 while the game goes on
};

// The computer players of seats 2, 3 and 4 (index seat - 2), chosen above the engine.
using ComputerSeats = std::array<std::unique_ptr<Player>, kPlayers - 1>;

class Game {
 public:
  Game(std::filesystem::path dir, Random& random, ComputerSeats computers);
  // A game without a directory, for measurements and simulations: the deal reads and rewrites
  // `deck` in memory instead of cardfile.txt, and the win counts start at 0 and stay in memory.
  Game(const Deck& deck, Random& random, ComputerSeats computers);
  ~Game();

  // Delivers a click on a control. Only the Deal and Knock buttons, player 1's card places and
  // the two piles answer; a click on anything else changes nothing.
  ClickResult click(Control c);

  const GameState& state() const { return st_; }
  const Table& table() const { return table_; }
  const std::filesystem::path& dir() const { return dir_; }
  bool inMemory() const { return memory_.has_value(); }
  const Random& random() const { return random_; }
  // True while a win count could not be saved and waits to be written.
  bool totalsPending() const { return totalsPending_; }
  const PlayStats& stats() const { return stats_; }
  // The rounds the last click settled, in the order they were shown down (a Deal while
  // player 1 is out settles many). Also kept when the click was stopped by an exception.
  const std::vector<RoundSettled>& settled() const { return settled_; }

  // What the player in `seat` can know now, as the rules would ask it in `phase`. For seat 1
  // the phase follows from player 1's turn phase.
  SeatView viewOf(int seat) const;
  SeatView viewOf(int seat, SeatView::Phase phase) const;

  // Hands a computer seat (2..4) to another player from the next decision on.
  void setPlayer(int seat, std::unique_ptr<Player> player);

  // While on, each click records the frames of its computer turns: a Start frame and one
  // per turn while player 1 is in; one per round end while he is out. Off by default: the
  // copies cost only a front end that shows them. Recording never changes the play.
  void setRecording(bool on) { recording_ = on; }
  // The frames of the last click, in the order they were played.
  const std::vector<TableFrame>& frames() const { return frames_; }

  // Puts the game back where a saved game stood: its state, what the table showed, and whether
  // a win count was still waiting to be written.
  void restore(const GameState& state, const Table& table, bool totalsPending);

  // For tests and measurements that set up a position by hand.
  GameState& mutableState() { return st_; }
  Table& mutableTable() { return table_; }

 private:
  // When player 1 may click: a refused click is an early return through one of these.
  bool mayTake() const;     // a pile, at the start of his turn
  bool mayDiscard() const;  // a card place, with the fourth card in hand
  bool mayKnock() const;    // the Knock button, at the start of his turn, nobody having knocked

  // The click handlers.
  void Command1_Click();
  void Command2_Click();
  void Picture14_Click();
  void Picture15_Click();
  void discardClick(int place);
  // Player 1 takes a card from a pile into his fourth place.
  void player1Takes(bool fromPile, const char* words);

  // The procedures of a round.
  void deal();
  void goaround();
  void lookatcards();
  void showcards();
  void keepscore();
  void player1();
  void player2() { computerTurn(2); }
  void player3() { computerTurn(3); }
  void player4() { computerTurn(4); }
  void computerTurn(int player);
  void PICKANDDISCARD(int player, bool fromPile);
  void onePass();

  // The moves, as the rules carry them out for every seat.
  Move ask(int seat, SeatView::Phase phase);
  // Takes the top card of a pile; it lies at deckpos until a card is thrown over it.
  Card takeCard(int seat, bool fromPile);
  // Throws card `place` (4: the card taken) onto the discard pile; the taken card fills its place.
  Card throwCard(int seat, int place, const Card& taken);
  void knock(int seat);
  void showKorvo(int seat);

  // Makes a new draw pile from the discard pile under its top card, when a draw finds the
  // draw pile empty (deckpos at 52).
  void reshuffleDiscards();
  void record(TableFrame::Kind kind, int player = 0);
  // Copies cards 1..3 of a hand into the scratch hand, evaluates it and copies the best suit
  // and total back into element 5.
  void evaluateHand(int player);
  bool othersAllUnknocked(int player) const;
  // Draws the next card of the draw pile (reshuffling first if it is empty); returns deckpos.
  int16_t drawFromPile();
  void saveTotals();
  // Counts a turn; stops the click once it has run past kMaxTurnsPerClick turns.
  void countTurn();
  std::filesystem::path cardFile() const;
  std::filesystem::path totalsFile() const;

  // The deck in the order the next deal reads, and the win counts, of a game in memory.
  struct InMemory {
    Deck deck;
    std::array<int16_t, kPlayers> wins{};
  };

  std::filesystem::path dir_;
  std::optional<InMemory> memory_;
  Random& random_;
  ComputerSeats computers_;
  GameState st_;
  Table table_;
  bool totalsPending_ = false;
  PlayStats stats_;
  uint64_t turnsThisClick_ = 0;
  bool recording_ = false;
  std::vector<TableFrame> frames_;
  std::vector<RoundSettled> settled_;
  std::optional<FileError> pendingFault_;  // win counts that could not be saved
  std::optional<std::string> pendingNotice_;
  int pendingUncounted_ = 0;
};

// The short names of the players in messages: "Pell", "Oma", "Tobin", "Wenna".
std::string_view shortName(int player);

}  // namespace korvo
