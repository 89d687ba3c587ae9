// The window a player opens: the menu's commands are the buttons' clicks, the keys reach
// them from anywhere on the table, F1 opens the rules, the table under the menu bar is the
// table that script mode draws, the computer turns of a click are shown one at a time, and
// View > Bigger, Smaller and Actual Size, or a resized window, scale the whole table; the
// opponents, the hint and the statistics window.

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

#include "tests/window_support.h"
#include "window/art.h"
#include "window/statistics.h"

namespace korvo {
namespace {

using namespace std::chrono_literals;

// Every control at its designed place times the zoom, give or take the rounding of its edges,
// with its designed font size times the zoom, and the card pictures as large.
void expectDesignTimes(Form1& form, double zoom, const std::vector<double>& points) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    SCOPED_TRACE(controlName(c));
    const TwipRect place = designedPlace(c);
    const QRect at = form.control(c)->geometry();
    EXPECT_NEAR(at.left(), place.left * zoom / kTwipsPerPixel, 0.5);
    EXPECT_NEAR(at.top(), place.top * zoom / kTwipsPerPixel, 0.5);
    EXPECT_NEAR(at.width(), place.width * zoom / kTwipsPerPixel, 1);
    EXPECT_NEAR(at.height(), place.height * zoom / kTwipsPerPixel, 1);
    EXPECT_DOUBLE_EQ(form.control(c)->font().pointSizeF(), points[i] * zoom);
  }
  const auto& card = dynamic_cast<const ShownPicture&>(*form.control(Control::Picture1));
  EXPECT_NEAR(card.picture().deviceIndependentSize().width(), 73 * zoom, 1);
}

std::vector<QWidget*> tabOrder(Form1& form) {
  std::vector<QWidget*> order;
  for (QWidget* w = form.control(Control::Picture1); order.size() < 21; w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) order.push_back(w);
  }
  return order;
}

// One game in the window a player opens. The same clicks, once by the buttons of a script-mode
// table and once by the menu's keys with the focus in a read-only text box, leave the same
// game after every step, refused steps included, and the table under the menu bar is the
// script-mode table pixel for pixel. At a pace, the computer turns of a click come one at a
// time on a timer, in the order played, and end where the click left the table. F1 opens the
// rules, the zoom keeps every control's proportions and the tab order, Ctrl+Q closes the
// window, and the pace and size chosen are the next window's.
TEST(MainWindowTest, MenuKeysReplaysZoomAndRulesOnOneGame) {
  Played byButton, byKey;
  Form1 form(byButton.game);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  {
    MainWindow window(byKey.game, QStringLiteral("1.2.3"), byKey.settings);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Form1& table = window.table();
    EXPECT_EQ(table.pace(), 300ms) << "the default";
    window.paceAction(MainWindow::Pace::Off)->trigger();
    table.control(Control::Text1)->setFocus();
    const std::tuple<Control, Qt::Key, bool> steps[] = {
        // The button, its key, and whether the click is taken at this moment.
        {Control::Command2, Qt::Key_K, false},  // knock before a deal
        {Control::Command1, Qt::Key_D, true},   // deal
        {Control::Command1, Qt::Key_D, false},  // deal while the round goes on
        {Control::Command2, Qt::Key_K, true},   // knock: the round ends
        {Control::Command2, Qt::Key_K, false},  // knock after the show-down
        {Control::Command1, Qt::Key_D, true},   // the next round
    };
    for (const auto& [button, key, takes] : steps) {
      SCOPED_TRACE(controlName(button));
      const Table before = byKey.game.table();
      const uint64_t draws = byKey.random.drawn();
      form.clickControl(button);
      QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
      EXPECT_EQ(byKey.game.table(), byButton.game.table());
      EXPECT_EQ(byKey.game.state(), byButton.game.state());
      EXPECT_EQ(byKey.game.table() != before || byKey.random.drawn() != draws, takes);
      const QRect under(table.mapTo(&window, QPoint(0, 0)), table.size());
      EXPECT_EQ(under, QRect(0, window.menuBar()->geometry().bottom() + 1, 722, 550));
      EXPECT_TRUE(samePixels(window.grab().toImage().copy(under), form.grab().toImage()));
    }

    // At a pace, a throw the computers answer shows its first frame at once and the rest on the
    // timer, as recorded. (A click during a replay, by the mouse or a key, only hurries it:
    // Motion.ClickEndsItOnTheTableAndTheNewsComesOnce.)
    window.paceAction(MainWindow::Pace::Relaxed)->trigger();
    table.setPace(20ms);
    std::vector<std::vector<QString>> seen, recorded;
    QObject::connect(&table, &Form1::frameShown, [&] { seen.push_back(showing(table)); });
    table.clickControl(Control::Picture14);
    ASSERT_EQ(byKey.game.state().turnphase, kDiscardPhase);
    table.clickControl(Control::Picture4);
    ASSERT_TRUE(table.replaying());
    EXPECT_EQ(seen.size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table.replaying(); }, 5000));
    for (const TableFrame& frame : byKey.game.frames()) recorded.push_back(named(frame.table));
    EXPECT_EQ(seen, recorded);
    EXPECT_EQ(showing(table), named(byKey.game.table()));

    // View > Bigger, Smaller and Actual Size scale every place, font and picture alike.
    std::vector<double> points;
    for (Control c : kControls) points.push_back(table.control(c)->font().pointSizeF());
    const std::vector<QWidget*> order = tabOrder(table);
    const std::pair<QAction*, double> zooms[] = {
        {window.biggerAction(), 1.25},  {window.biggerAction(), 1.5},
        {window.smallerAction(), 1.25}, {window.actualSizeAction(), 1},
        {window.smallerAction(), 0.75}, {window.smallerAction(), 0.75}};
    for (const auto& [action, zoom] : zooms) {
      action->trigger();
      QTest::qWait(50);
      expectDesignTimes(table, zoom, points);
    }
    EXPECT_EQ(tabOrder(table), order);

    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_NE(window.rulesWindow(), nullptr);
    EXPECT_TRUE(window.rulesWindow()->isVisible());
    const QString rules = window.rulesWindow()->findChild<QTextBrowser*>()->toPlainText();
    for (const char* topic : {"31 in one suit", "Knock", "pays", "honor points", "totals.txt"})
      EXPECT_TRUE(rules.contains(QString::fromUtf8(topic))) << topic;
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
  }
  // The pace and the size chosen last are the next window's. A window of another shape shows
  // the table as large as fits, centred on felt.
  MainWindow again(byKey.game, QStringLiteral("1.2.3"), byKey.settings);
  again.show();
  QTest::qWait(50);
  EXPECT_EQ(again.table().pace(), 800ms);
  EXPECT_DOUBLE_EQ(again.table().zoom(), 0.75);
  again.resize(1400, 700 + again.menuBar()->height());
  QTest::qWait(50);
  EXPECT_NEAR(again.table().zoom(), 700.0 / 550, 0.001);
  EXPECT_NEAR(again.table().geometry().center().x(), 700, 1);
  EXPECT_TRUE(allPixels(again.grab(QRect(0, 100, 100, 100)).toImage(), kFeltGreen));
  // A size the off-screen test screen of 800 x 600 cannot hold shows as large as it can.
  byKey.settings.setValue(QStringLiteral("size"), 3.0);
  MainWindow large(byKey.game, QStringLiteral("1.2.3"), byKey.settings);
  large.show();
  QTest::qWait(50);
  EXPECT_DOUBLE_EQ(large.table().zoom(), 1);
}

// The window on a Wayland compositor (tests/under-weston starts a headless one; ctest runs it as
// wayland_scale_*, not with the offscreen tests) at the scale of QT_SCALE_FACTOR: it is
// exposed, deals, takes a discard, zooms and opens the rules, and where the screen has more
// device pixels than the table has pixels its cards are drawn from the pictures' finer twins,
// not blown up from the pictures.
TEST(Wayland, TheWindowPlaysZoomsAndDrawsTheTwinsAtItsScale) {
  // The platform asked for (the same test runs on X11 with QT_QPA_PLATFORM=xcb, to compare).
  ASSERT_EQ(QGuiApplication::platformName(), qEnvironmentVariable("QT_QPA_PLATFORM"));
  const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
  Played played;
  MainWindow window(played.game, QStringLiteral("1.2.3"), played.settings);
  window.paceAction(MainWindow::Pace::Off)->trigger();
  window.show();
  // The compositor decides whether the window gets the focus; being shown is enough here.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_DOUBLE_EQ(window.devicePixelRatioF(), scale);
  Form1& table = window.table();
  window.dealAction()->trigger();
  QTest::mouseClick(table.control(Control::Picture14), Qt::LeftButton);  // draw
  QTest::mouseClick(table.control(Control::Picture4), Qt::LeftButton);   // and throw it away
  EXPECT_NE(played.game.state().turnphase, kDiscardPhase);

  const auto expectCardsDrawnAt = [&](double pixels) {  // device pixels to a picture's pixel
    for (Control c : {Control::Picture1, Control::Picture2, Control::Picture3}) {
      const QString file = QString::fromStdString((played.dir / played.game.table()[c]).string());
      const QImage picture(file), twin(finerTwinName(file));
      const QSize size = (QSizeF(picture.size()) * pixels).toSize();
      const QImage drawn = table.control(c)->grab().toImage().copy(QRect(QPoint(0, 0), size));
      const auto scaled = [&](const QImage& image) {
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      };
      EXPECT_TRUE(samePixels(drawn, pixels == 1 ? picture : scaled(twin))) << controlName(c);
      EXPECT_EQ(samePixels(drawn, scaled(picture)), pixels == 1) << controlName(c);
    }
  };
  expectCardsDrawnAt(scale);
  window.biggerAction()->trigger();
  QTRY_COMPARE(table.zoom(), 1.25);  // once the compositor has answered the resize
  expectCardsDrawnAt(1.25 * scale);

  window.rulesAction()->trigger();
  EXPECT_TRUE(window.rulesWindow() && QTest::qWaitForWindowExposed(window.rulesWindow()));
}

// A resumed game is said once on the table and to a screen reader, never in a player's message
// line, and the word goes at the next click.
TEST(MainWindowTest, AResumedGameIsSaidOnceUntilTheNextClick) {
  Opened p;
  Listening listening;
  p.window.tellResumed();
  const QString notice = p.window.table().notice();
  EXPECT_TRUE(notice.contains(QStringLiteral("where you left it"))) << notice.toStdString();
  EXPECT_EQ(std::ranges::count(listening.heard, notice, &SpokenChange::text), 1);
  for (int k = 1; k <= kPlayers; ++k)
    EXPECT_NE(p.window.table().control(textBox(k))->property("text").toString(), notice);
  p.window.table().clickControl(Control::Command1);
  EXPECT_EQ(p.window.table().notice(), QString());
}

// View > Opponents: Classic unless the settings name Strong (an unknown name counts as
// unset), remembered when chosen, and a choice for one run leaves the stored one alone.
// Game > Hint (the H key): off player 1's turn it says why there is none; on it, it marks a
// place that takes the click and tells the words to the focused control's news, never to a
// text box; it changes neither the game nor the random count, and the next click clears it.
TEST(MainWindowTest, OpponentsAndHint) {
  Opened p;
  for (const char* stored : {"strong", "bogus", ""}) {
    p.settings.setValue(QStringLiteral("opponents"), QString::fromUtf8(stored));
    MainWindow window(p.game, QStringLiteral("test"), p.settings);
    const auto want = std::string(stored) == "strong" ? MainWindow::Opponents::Strong
                                                      : MainWindow::Opponents::Classic;
    EXPECT_EQ(window.opponents(), want) << stored;
    EXPECT_TRUE(window.opponentsAction(want)->isChecked());
  }

  MainWindow& window = p.window;
  window.opponentsAction(MainWindow::Opponents::Strong)->trigger();
  EXPECT_EQ(p.settings.value(QStringLiteral("opponents")).toString(), QStringLiteral("strong"));
  window.setOpponents(MainWindow::Opponents::Classic, false);
  EXPECT_EQ(p.settings.value(QStringLiteral("opponents")).toString(), QStringLiteral("strong"));

  Listening listening;
  Form1& form = window.table();
  form.control(Control::Text1)->setFocus();
  window.hintAction()->trigger();
  ASSERT_FALSE(listening.news().empty());
  EXPECT_TRUE(listening.news().back().contains(QStringLiteral("deal")))
      << listening.news().back().toStdString();
  EXPECT_FALSE(form.marked());

  window.dealAction()->trigger();
  form.finishReplay();
  for (int turn = 0; turn < 6 && p.game.state().dealt != 0; ++turn) {
    const GameState before = p.game.state();
    const std::vector<QString> shown = showing(form);
    const uint64_t drawn = p.random.drawn();
    listening.heard.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H);
    ASSERT_TRUE(form.marked());
    ASSERT_FALSE(listening.news().empty());
    EXPECT_EQ(p.game.state(), before);
    EXPECT_EQ(showing(form), shown);
    EXPECT_EQ(p.random.drawn(), drawn);
    form.clickControl(*form.marked());
    form.finishReplay();
    EXPECT_FALSE(form.marked());
  }
}

// Game > Statistics: Ctrl+T opens it over the counts of the game directory, a played round
// shows in it at once, a screen reader hears each cell with its row and column, and the reset
// asks first, says what it keeps, and keeps it.
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
