// Cards that move: when the table changes from one picture of the game to the next, the cards
// that changed place slide from where they were to where they go, one painted picture over
// the table on a short straight path with an ease-in-out curve. The card places underneath
// already show the end: the game is decided before anything moves, and finishing the motion
// at any moment only takes the painting away.
//
// What moved is read from the two tables alone (which place's picture changed to what, and a
// computer player's message saying where it took its card from), never from the game's state.
#pragma once

#include <QEasingCurve>
#include <QPixmap>
#include <QRect>
#include <QVariantAnimation>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/table.h"

namespace korvo {

// One card on its way, in units of one move's time from the start of the motion.
struct CardMove {
  Control from, to;         // the same place for a card turned over where it lies
  std::string picture;      // what the card shows on its way; for a turn-over its face
  std::string turnedFrom;   // for a turn-over, what it shows first (its back); else ""
  bool leavesFrom = false;  // the place it leaves shows something else once it has gone
  bool landsTo = false;     // the place it lands on then shows it
  double start = 0;

  bool operator==(const CardMove&) const = default;
};

// The moves that lead from `before` to `after`, in the order they are shown. `mover` is the
// computer player (2..4) whose turn `after` ends, or 0.
std::vector<CardMove> movesBetween(const Table& before, const Table& after, int mover);

class CardMotion : public QWidget {
  Q_OBJECT

 public:
  // Where a place lies on the table, and a place's picture for a Table entry, both as the
  // table shows them now (at its zoom and the screen's density).
  using PlaceOf = std::function<QRect(Control)>;
  using PictureOf = std::function<QPixmap(Control, const std::string&)>;

  // Covers `table`, on top of its controls; hidden while nothing moves.
  CardMotion(QWidget* table, PlaceOf placeOf, PictureOf pictureOf);

  // How long one card takes from place to place; zero moves nothing.
  void setMoveTime(std::chrono::milliseconds time) { moveTime_ = time; }
  std::chrono::milliseconds moveTime() const { return moveTime_; }

  // Starts moving the cards from `before` to `after`, which the places already show; false
  // when nothing moves.
  bool start(const Table& before, const Table& after, int mover);
  bool moving() const { return !moves_.empty(); }
  // Ends the motion at once: the table shows the end. Nothing happens when nothing moves.
  void finish();
  // Holds the motion `moves` into its course (for measuring and tests); -1 for its end.
  void seek(double moves);
  const std::vector<CardMove>& moves() const { return moves_; }
  // Where the card of move `index` is painted now, and whether it is painted at all.
  std::optional<QRectF> cardAt(std::size_t index) const;
  // The length of the whole motion, in moves.
  double length() const;

 signals:
  // The motion has come to its end, by its clock or finished early.
  void ended();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // What place `c` shows beneath the moving cards at `time`.
  std::string underAt(Control c, double time) const;
  // The rectangle a card picture covers in place `c`.
  QRect cardRect(Control c) const;
  // Everything the painting at time_ covers.
  QRegion painted() const;
  void advance(double time);
  void stop();

  PlaceOf placeOf_;
  PictureOf pictureOf_;
  std::chrono::milliseconds moveTime_{0};
  QVariantAnimation clock_;
  QEasingCurve curve_{QEasingCurve::InOutQuad};
  std::vector<CardMove> moves_;
  Table before_, after_;
  // The places a move touches; the dealt places start empty.
  std::array<bool, kControlCount> touched_{};
  std::array<bool, kControlCount> startsEmpty_{};
  double time_ = 0;
};

}  // namespace korvo
