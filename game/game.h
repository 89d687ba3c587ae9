// One game of Korvo at one table: the state, what the table shows, the game directory with
// its two files, and every procedure of the game as a member.
//
// The procedures keep the game's own shape: none takes arguments or returns a value, and they
// talk through the state, chiefly the scratch hand (evalcard, evalsuit, evalvalue). The
// thinking sits in pure functions beneath them (evaluate, chooseMove) that tests call directly.
//
// Every click enters through click(), the one place where file faults are caught.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/random.h"
#include "game/state.h"
#include "game/table.h"

namespace korvo {

// Counts of what the game has played, for soak runs and measurements.
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

struct ClickResult {
  // A fault that stopped the click's action, or a win count that could not be saved; the
  // text the window shows in a message box.
  std::optional<std::string> error;
  // Something worth telling the player that is no fault, such as a win the tally cannot count.
  std::optional<std::string> notice;
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

class Game {
 public:
  Game(std::filesystem::path dir, Random& random);

  // Delivers a click on a control. Only Command1, Command2, Picture1..Picture4, Picture14 and
  // Picture15 have handlers; a click on anything else changes nothing.
  ClickResult click(Control c);

  const GameState& state() const { return st_; }
  const Table& table() const { return table_; }
  const std::filesystem::path& dir() const { return dir_; }
  const Random& random() const { return random_; }
  // True while a win count could not be saved and waits to be written.
  bool totalsPending() const { return totalsPending_; }
  const PlayStats& stats() const { return stats_; }

  // While on, each click records the frames of its computer turns: a Start frame and one
  // per turn while player 1 is in; one per round end while he is out. Off by default: the
  // copies cost only a front end that shows them. Recording never changes the play.
  void setRecording(bool on) { recording_ = on; }
  // The frames of the last click, in the order they were played.
  const std::vector<TableFrame>& frames() const { return frames_; }

  // Puts the game back where a saved game stood: its state, what the table showed, and whether
  // a win count was still waiting to be written.
  void restore(const GameState& state, const Table& table, bool totalsPending);

  // For tests that set up a position by hand.
  GameState& mutableState() { return st_; }
  Table& mutableTable() { return table_; }

  // The click handlers.
  void Command1_Click();
  void Command2_Click();
  void Picture14_Click();
  void Picture15_Click();
  void Picture1_Click() { discardClick(1); }
  void Picture2_Click() { discardClick(2); }
  void Picture3_Click() { discardClick(3); }
  void Picture4_Click() { discardClick(4); }

  // The procedures, public so that tests can run one from a position they set up.
  void deal();
  void goaround();
  void lookatcards();
  void showcards();
  void keepscore();
  void player1();
  void player2() { computerTurn(2); }
  void player3() { computerTurn(3); }
  void player4() { computerTurn(4); }
  void PICKANDDISCARD();

  // Makes a new draw pile from the discard pile under its top card, when a draw finds the
  // draw pile empty (deckpos at 52).
  void reshuffleDiscards();

 private:
  void discardClick(int place);
  void computerTurn(int player);
  void onePass();
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

  std::filesystem::path dir_;
  Random& random_;
  GameState st_;
  Table table_;
  bool totalsPending_ = false;
  PlayStats stats_;
  uint64_t turnsThisClick_ = 0;
  bool recording_ = false;
  std::vector<TableFrame> frames_;
  std::optional<std::string> pendingMessage_;
  std::optional<std::string> pendingNotice_;
};

// The short names of the players in messages: "Pell", "Oma", "Tobin", "Wenna".
std::string_view shortName(int player);

}  // namespace korvo
