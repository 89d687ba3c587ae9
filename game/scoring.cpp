// Settling a round: who loses honor points, the pot, players going out, the winner of the game
// and the win counts in totals.txt.
#include <algorithm>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/recordfile.h"

namespace korvo {

namespace {
// Above any total a live hand can reach, so that a player who is out never holds the lowest.
constexpr Value kOutTotal = 50;
}  // namespace

void Game::keepscore() {
  RoundSettled settled;
  const auto honorBefore = st_.honor;
  for (int k = 1; k <= kPlayers; ++k) settled.played[k] = st_.honor[k] >= 1;
  for (int k = 1; k <= kPlayers; ++k) {
    if (st_.honor[k] < 1) st_.hand(k).value[5] = kOutTotal;
  }
  for (int k = 1; k <= kPlayers; ++k) st_.payflag[k] = kNo;

  const auto name = [](int k) { return std::string(shortName(k)); };
  int korvoHolder = 0;
  for (int k = kPlayers; k >= 1; --k) {
    if (st_.knocked[k] == kKorvo) korvoHolder = k;
  }
  if (korvoHolder != 0) {
    // A 31: everybody else still in pays one point.
    table_.say(textBox(korvoHolder), "Korvo Everybody Pays.",
               {Message::Kind::EverybodyPays, korvoHolder});
    for (int k = 1; k <= kPlayers; ++k) {
      if (k != korvoHolder && st_.honor[k] > 0) --st_.honor[k];
    }
  } else {
    // A knock: the lowest totals pay one point each, unless the knocker is among them; then
    // the knocker alone pays two, even with one point left.
    Value lowest = st_.hand(1).value[5];
    for (int k = 2; k <= kPlayers; ++k) lowest = std::min(lowest, st_.hand(k).value[5]);
    int knocker = 0;
    for (int k = 1; k <= kPlayers; ++k) {
      if (st_.hand(k).value[5] == lowest) {
        st_.payflag[k] = kYes;
        if (st_.knocked[k] == kYes) knocker = k;
      }
    }
    if (knocker != 0) {
      st_.honor[knocker] = static_cast<int16_t>(st_.honor[knocker] - 2);
      table_.say(textBox(knocker), name(knocker) + " Pays Double.",
                 {Message::Kind::PaysDouble, knocker});
    } else {
      for (int k = 1; k <= kPlayers; ++k) {
        if (st_.payflag[k] != kYes) continue;
        --st_.honor[k];
        table_.say(textBox(k), name(k) + " Pays.", {Message::Kind::Pays, k});
      }
    }
  }

  for (int k = 1; k <= kPlayers; ++k) {
    settled.lostHonor[k] = st_.honor[k] < honorBefore[k];
    if (st_.knocked[k] == kYes) settled.knocker = k;
  }
  settled.korvo = korvoHolder;
  settled.knockerPaidDouble =
      settled.knocker != 0 && honorBefore[settled.knocker] - st_.honor[settled.knocker] == 2;

  st_.pot = static_cast<int16_t>(16 - (st_.honor[1] + st_.honor[2] + st_.honor[3] + st_.honor[4]));

  for (int k = 1; k <= kPlayers; ++k) {
    if (st_.honor[k] < 1) {
      table_.showPicture(honorImage(k), honorPicture(0));
      if (k == 1) table_.say(textBox(1), "Pell is out!", {Message::Kind::Out, 1});
    } else if (st_.honor[k] <= 4) {
      table_.showPicture(honorImage(k), honorPicture(st_.honor[k]));
    }
  }
  if (st_.pot >= 12) {
    table_.showPicture(kPot, honorPicture(12));
  } else if (st_.pot >= 1) {
    table_.showPicture(kPot, honorPicture(st_.pot));
  }

  int left = 0, winner = 0;
  for (int k = 1; k <= kPlayers; ++k) {
    if (st_.honor[k] >= 1) {
      ++left;
      winner = k;
    }
  }
  if (left == 1) {
    // The count stops at its largest value rather than wrapping round.
    if (st_.wins[winner] < kMaxWins) {
      ++st_.wins[winner];
    } else {
      pendingUncounted_ = winner;
      pendingNotice_ = name(winner) + " has won " + std::to_string(kMaxWins) +
                       " games, as many as the tally can count; this win is not added.";
    }
    ++stats_.games;
    settled.winner = winner;
    table_.say(textBox(winner), name(winner) + " wins all the honor!",
               {Message::Kind::WinsTheGame, winner});
    st_.honor[winner] = 0;
  }

  settled_.push_back(settled);

  bool gameOver = true;
  for (int k = 1; k <= kPlayers; ++k) gameOver = gameOver && st_.honor[k] < 1;
  if (gameOver) {
    // A failed save does not stop the show-down: the counts stay in memory and are written
    // again before the next game reads the file.
    try {
      saveTotals();
    } catch (const FileError& e) {
      pendingFault_ = e;
    }
  }

  for (int k = 1; k <= kPlayers; ++k) {
    table_.setCaption(totalLabel(k), std::to_string(st_.wins[k]));
  }
  st_.dealt = 0;
  st_.turnphase = kTakePhase;
}

}  // namespace korvo
