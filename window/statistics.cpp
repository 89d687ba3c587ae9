#include "window/statistics.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "window/faultwords.h"
#include "window/language.h"

namespace korvo {

namespace {

QString playerName(int k) {
  const std::string_view name = shortName(k);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// A cell that cannot be edited, its text right-aligned as numbers are.
QTableWidgetItem* numberCell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

QString StatisticsWindow::resetQuestion() {
  return tr(
      "Reset the statistics of all four players?\n\n"
      "Games, rounds, knocks, 31s and the runs of wins start again from zero today. "
      "The win counts on the table (totals.txt) are kept.");
}

StatisticsWindow::StatisticsWindow(StatisticsKeeper& keeper, QWidget* parent)
    : QDialog(parent), keeper_(keeper) {
  setObjectName(QStringLiteral("Statistics"));

  since_ = new QLabel(this);
  since_->setObjectName(QStringLiteral("StatisticsSince"));

  table_ = new QTableWidget(kPlayers, ColumnCount, this);
  table_->setObjectName(QStringLiteral("StatisticsTable"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setSelectionBehavior(QAbstractItemView::SelectItems);
  // Tab leaves the table for the buttons; the arrow keys move from cell to cell.
  table_->setTabKeyNavigation(false);
  since_->setBuddy(table_);

  for (int k = 1; k <= kPlayers; ++k) {
    table_->setVerticalHeaderItem(k - 1, new QTableWidgetItem(playerName(k)));
  }
  table_->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The whole table in view: the window takes its size from the cells.
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  reset_ = buttons->addButton(QString(), QDialogButtonBox::ResetRole);
  reset_->setObjectName(QStringLiteral("ResetStatistics"));
  connect(reset_, &QPushButton::clicked, this, &StatisticsWindow::askReset);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(since_);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  confirm = [this](const QString& text) {
    QMessageBox box(QMessageBox::Question, tr("Reset Statistics"), text, QMessageBox::NoButton,
                    this);
    QPushButton* yes = box.addButton(tr("Reset"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == yes;
  };
  warn = [this](const QString& text) { QMessageBox::warning(this, tr("Reset Statistics"), text); };

  retranslate();
}

void StatisticsWindow::retranslate() {
  setWindowTitle(tr("Korvo Statistics"));
  table_->setAccessibleName(tr("Statistics of the four players"));
  // Each heading with the longer words a tooltip and a screen reader give.
  const std::pair<QString, QString> heads[ColumnCount] = {
      {tr("Games"), tr("Games played to the end")},
      {tr("Won"), tr("Games won")},
      {tr("Win rate"), tr("Share of games won")},
      {tr("Rounds"), tr("Rounds played")},
      {tr("Lost honor"), tr("Rounds that cost honor points")},
      {tr("Knocks"), tr("Knocks")},
      {tr("Paid double"), tr("Knocks that cost the knocker double")},
      {tr("31s"), tr("31s shown")},
      {tr("Run"), tr("Current run of games won")},
      {tr("Best run"), tr("Best run of games won")},
  };
  for (int c = 0; c < ColumnCount; ++c) {
    auto* head = new QTableWidgetItem(heads[c].first);
    head->setToolTip(heads[c].second);
    head->setData(Qt::AccessibleDescriptionRole, heads[c].second);
    table_->setHorizontalHeaderItem(c, head);
  }
  reset_->setText(tr("&Reset Statistics…"));
  refresh();
}

void StatisticsWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void StatisticsWindow::refresh() {
  const Statistics& s = keeper_.statistics();
  // Dates and numbers as the chosen language writes them; the desktop's own locale (its region
  // too) where the window speaks the desktop's language.
  const QString language = installedLanguage();
  const QLocale locale =
      language.isEmpty() || language == desktopLanguage() ? QLocale() : QLocale(language);
  const QDateTime since = QDateTime::fromString(QString::fromStdString(s.since), Qt::ISODate);
  since_->setText(
      tr("Counted since %1").arg(locale.toString(since.toLocalTime().date(), QLocale::LongFormat)));
  table_->setAccessibleDescription(since_->text());

  const auto number = [&](int64_t n) { return numberCell(locale.toString(qlonglong(n))); };
  for (int k = 1; k <= kPlayers; ++k) {
    const PlayerCounts& p = s.players[static_cast<std::size_t>(k - 1)];
    const int row = k - 1;
    table_->setItem(row, Games, number(p.gamesPlayed));
    table_->setItem(row, Won, number(p.gamesWon));
    QTableWidgetItem* rate;
    if (const auto percent = winRatePercent(p)) {
      rate = numberCell(locale.toString(*percent) + locale.percent());
    } else {
      rate = numberCell(QStringLiteral("–"));
      const QString why =
          tr("Shown once %1 has played %n games", nullptr, kWinRateGames).arg(playerName(k));
      rate->setToolTip(why);
      rate->setData(Qt::AccessibleTextRole, why);
    }
    table_->setItem(row, WinRate, rate);
    table_->setItem(row, Rounds, number(p.roundsPlayed));
    table_->setItem(row, RoundsLost, number(p.roundsLost));
    table_->setItem(row, Knocks, number(p.knocks));
    table_->setItem(row, DoubleKnocks, number(p.doubleKnocks));
    table_->setItem(row, Korvos, number(p.korvos));
    for (const int c : {Streak, BestStreak}) {
      if (k == 1) {
        table_->setItem(row, c, number(c == Streak ? s.streak : s.bestStreak));
      } else {
        QTableWidgetItem* none = numberCell(QString());
        const QString why = tr("Runs of wins are counted for %1").arg(playerName(1));
        none->setToolTip(why);
        none->setData(Qt::AccessibleTextRole, why);
        table_->setItem(row, c, none);
      }
    }
  }
  table_->resizeColumnsToContents();
  table_->resizeRowsToContents();
}

void StatisticsWindow::askReset() {
  if (!confirm(resetQuestion())) return;
  if (const auto fault = keeper_.reset()) {
    warn(tr("The statistics start afresh but could not be saved:\n%1")
             .arg(FaultWords::text(*fault)));
  }
  refresh();
}

}  // namespace korvo
