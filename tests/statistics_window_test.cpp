// Game > Statistics: Ctrl+T opens it over the counts of the game directory, a played round
// shows in it at once, a screen reader hears each cell with its row and column, and the reset
// asks first, says what it keeps, and keeps it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "tests/window_support.h"
#include "window/statistics.h"

namespace korvo {
namespace {

TEST(StatisticsWindowTest, ShowsCountsSpeaksCellsAndResetsOnlyTheStatistics) {
  Statistics before = freshStatistics(0);
  for (auto& player : before.players) player = {4, 1, 20, 8, 3, 1, 1};
  before.streak = before.bestStreak = 1;
  std::string totals;
  Opened p([&](Played& at) {
    testing::writeFile(at.dir / kStatisticsFile, statisticsJson(before, true).dump());
    totals = testing::readFile(at.dir / kTotalsFile);
  });
  MainWindow& window = p.window;
  QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
  StatisticsWindow* shown = window.statisticsWindow();
  ASSERT_TRUE(shown && shown->isVisible());
  QTableWidget* table = shown->table();
  ASSERT_TRUE(table->rowCount() == 4 && table->columnCount() == StatisticsWindow::ColumnCount);
  const auto text = [&](int row, int column) { return table->item(row, column)->text(); };
  // Four games: no rate yet, and the tooltip says why; runs only for Pell; numbers right.
  EXPECT_EQ(text(0, StatisticsWindow::WinRate), QStringLiteral("–"));
  EXPECT_TRUE(table->item(0, StatisticsWindow::WinRate)->toolTip().contains(QStringLiteral("5")));
  EXPECT_EQ(text(0, StatisticsWindow::BestStreak) + text(1, StatisticsWindow::BestStreak),
            QStringLiteral("1"));
  EXPECT_EQ(table->item(0, StatisticsWindow::Knocks)->textAlignment(),
            int(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_TRUE(shown->sinceLabel()->text().contains(QStringLiteral("1970")));

  // A cell says its row and its column.
  QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(table);
  ASSERT_TRUE(cells && cells->tableInterface());
  QAccessibleTableCellInterface* cell =
      cells->tableInterface()->cellAt(0, StatisticsWindow::Rounds)->tableCellInterface();
  ASSERT_TRUE(cell && cell->rowHeaderCells().size() == 1);
  EXPECT_EQ(cell->rowHeaderCells()[0]->text(QAccessible::Name), QStringLiteral("Pell"));
  EXPECT_EQ(cell->columnHeaderCells()[0]->text(QAccessible::Name), QStringLiteral("Rounds"));

  // A round played by the keys shows at once; a fifth game brings the rate.
  QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
  ASSERT_EQ(p.game.state().dealt, 0) << "the knock ended the round";
  EXPECT_EQ(text(0, StatisticsWindow::Rounds), QStringLiteral("21"));
  EXPECT_EQ(text(0, StatisticsWindow::Knocks), QStringLiteral("4"));
  RoundSettled won;
  won.winner = 1;
  window.statistics().record({won});
  shown->refresh();
  EXPECT_EQ(text(0, StatisticsWindow::WinRate), QStringLiteral("40%"));
  EXPECT_EQ(text(0, StatisticsWindow::Streak), QStringLiteral("2"));

  // The reset asks, says what stays, and does nothing when the player says no.
  bool answer = false;
  shown->confirm = [&](const QString& question) {
    return question == shown->resetQuestion() && answer;
  };
  EXPECT_TRUE(StatisticsWindow::resetQuestion().contains(QStringLiteral("totals.txt) are kept")));
  shown->resetButton()->click();
  EXPECT_EQ(text(0, StatisticsWindow::Rounds), QStringLiteral("21"));
  answer = true;
  shown->resetButton()->click();
  EXPECT_EQ(text(0, StatisticsWindow::Rounds) + text(0, StatisticsWindow::Streak), "00");
  const Statistics saved = parseStatistics(testing::readFile(p.dir / kStatisticsFile));
  EXPECT_TRUE(saved.players == Statistics{}.players && saved.since > before.since);
  EXPECT_EQ(testing::readFile(p.dir / kTotalsFile), totals);
}

}  // namespace
}  // namespace korvo
