// Game > Statistics: a table with a row per player and a column per count, and the reset.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "game/statistics.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace korvo {

class StatisticsWindow : public QDialog {
  Q_OBJECT

 public:
  // The columns, in order.
  enum Column {
    Games,
    Won,
    WinRate,
    Rounds,
    RoundsLost,
    Knocks,
    DoubleKnocks,
    Korvos,
    Streak,
    BestStreak,
    ColumnCount
  };

  StatisticsWindow(StatisticsKeeper& keeper, QWidget* parent = nullptr);

  // Shows the counts the keeper holds now.
  void refresh();

  QTableWidget* table() const { return table_; }
  QLabel* sinceLabel() const { return since_; }
  QPushButton* resetButton() const { return reset_; }

  // Asks the player to confirm the reset with the given text: a question box by default.
  std::function<bool(const QString& text)> confirm;
  // Tells the player that the reset could not be saved: a message box by default.
  std::function<void(const QString& text)> warn;

  // The question the reset asks.
  static QString resetQuestion();

 protected:
  // A change of language words the window anew, as one opened in it.
  void changeEvent(QEvent* event) override;

 private:
  void askReset();
  void retranslate();

  StatisticsKeeper& keeper_;
  QTableWidget* table_;
  QLabel* since_;
  QPushButton* reset_;
};

}  // namespace korvo
