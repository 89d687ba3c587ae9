// The window a player opens: the menu's commands are the buttons' clicks, the keys reach
// them from anywhere on the table, F1 opens the rules, the table under the menu bar is the
// table that script mode draws, and the computer turns of a click are shown one at a time.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>

#include "game/game.h"
#include "game/random.h"
#include "tests/window_support.h"
#include "window/form1.h"
#include "window/mainwindow.h"
#include "window/picturebox.h"

namespace korvo {
namespace {

using namespace std::chrono_literals;

struct Played {
  // `pace`: the player's stored choice, "" for none.
  explicit Played(const char* pace = "off") {
    if (*pace) settings.setValue(QStringLiteral("pace"), QString::fromUtf8(pace));
  }
  GameDirWithPictures dir;
  SeededRandom random{7};
  Game game{dir.path(), random};
  QSettings settings{QString::fromStdString((dir / "settings.conf").string()),
                     QSettings::IniFormat};
};

void showActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// The same clicks, once by the buttons and once by the menu's keys with the focus in a
// read-only text box, leave the same game after every step, refused steps included.
TEST(MenuTest, DealAndKnockKeysAreTheButtonsClicks) {
  Played byButton, byKey;
  Form1 form(byButton.game);
  MainWindow window(byKey.game, QStringLiteral("1.2.3"), byKey.settings);
  showActive(window);
  window.table().control(Control::Text1)->setFocus();

  struct Step {
    Control button;
    QKeyCombination key;
    bool takes;  // whether the click is taken at this moment
  };
  const Step steps[] = {
      {Control::Command2, Qt::CTRL | Qt::Key_K, false},  // knock before a deal
      {Control::Command1, Qt::CTRL | Qt::Key_D, true},   // deal
      {Control::Command1, Qt::CTRL | Qt::Key_D, false},  // deal while the round goes on
      {Control::Command2, Qt::CTRL | Qt::Key_K, true},   // knock: the round ends
      {Control::Command2, Qt::CTRL | Qt::Key_K, false},  // knock after the show-down
      {Control::Command1, Qt::CTRL | Qt::Key_D, true},   // the next round
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(QKeySequence(step.key).toString().toStdString());
    const Table before = byKey.game.table();
    const uint64_t draws = byKey.random.drawn();
    form.clickControl(step.button);
    QTest::keyClick(QApplication::focusWidget(), step.key.key(), step.key.keyboardModifiers());
    EXPECT_EQ(byKey.game.table(), byButton.game.table());
    EXPECT_EQ(byKey.game.state(), byButton.game.state());
    EXPECT_EQ(byKey.game.table() != before || byKey.random.drawn() != draws, step.takes);
  }
  EXPECT_EQ(window.dealAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
}

TEST(MenuTest, F1OpensTheRulesAndQuitClosesTheWindow) {
  Played played;
  MainWindow window(played.game, QStringLiteral("1.2.3"), played.settings);
  showActive(window);
  ASSERT_EQ(window.rulesWindow(), nullptr);
  QTest::keyClick(&window, Qt::Key_F1);
  ASSERT_NE(window.rulesWindow(), nullptr);
  EXPECT_TRUE(window.rulesWindow()->isVisible());
  const auto* text = window.rulesWindow()->findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  for (const char* topic : {"31 in one suit", "Knock", "pays", "honor points", "totals.txt"}) {
    EXPECT_TRUE(text->toPlainText().contains(QString::fromUtf8(topic))) << topic;
  }
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window.isVisible());
}

// After the same clicks, the table inside the window is pixel for pixel what script mode draws.
TEST(MenuTest, TheTableUnderTheMenuBarIsTheScriptModeTable) {
  Played inWindow, scripted;
  MainWindow window(inWindow.game, QStringLiteral("1.2.3"), inWindow.settings);
  Form1 form(scripted.game);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  window.show();
  form.show();
  window.dealAction()->trigger();
  form.clickControl(Control::Command1);
  QCoreApplication::processEvents();

  EXPECT_GT(window.menuBar()->height(), 0);
  const QRect table(window.table().mapTo(&window, QPoint(0, 0)), window.table().size());
  EXPECT_EQ(table, QRect(0, window.menuBar()->geometry().bottom() + 1, 722, 550));
  const QImage whole = window.grab().toImage();
  EXPECT_TRUE(samePixels(whole.copy(table), form.grab().toImage()));
}

// What the message lines and the discard pile show: enough to tell the turns apart.
std::vector<std::string> movesShown(const Form1& form) {
  std::vector<std::string> shown;
  for (Control c : {Control::Text2, Control::Text3, Control::Text4, Control::Picture15}) {
    const QWidget* w = form.control(c);
    shown.push_back(c == Control::Picture15
                        ? dynamic_cast<const ShownPicture&>(*w).pictureName().toStdString()
                        : w->property("text").toString().toStdString());
  }
  return shown;
}
std::vector<std::string> movesIn(const Table& table) {
  return {table[Control::Text2], table[Control::Text3], table[Control::Text4],
          table[Control::Picture15]};
}

// The turns of a click come one at a time on a timer, in the order they were played, and the
// table ends where the click left it; the click itself returns at once.
TEST(ReplayTest, TheComputerTurnsAreShownInTurnOrder) {
  Played played("brisk");
  MainWindow window(played.game, QStringLiteral("1.2.3"), played.settings);
  Form1& form = window.table();
  EXPECT_EQ(form.pace(), 300ms);
  form.setPace(20ms);
  std::vector<std::vector<std::string>> seen;
  QObject::connect(&form, &Form1::frameShown, [&] { seen.push_back(movesShown(form)); });
  window.dealAction()->trigger();
  ASSERT_TRUE(form.replaying());
  EXPECT_EQ(seen.size(), 1u) << "the first frame shows at once, the rest on the timer";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.replaying(); }, 5000));

  std::vector<std::vector<std::string>> recorded;
  for (const TableFrame& frame : played.game.frames()) recorded.push_back(movesIn(frame.table));
  ASSERT_EQ(played.game.frames().size(), 4u) << "the deal, then Wenna, Tobin and Oma";
  EXPECT_EQ(seen, recorded);
  EXPECT_EQ(movesShown(form), movesIn(played.game.table()));
}

// During a replay a click on the table or a Deal or Knock key only finishes it: the game
// does not move, and the table shows where the click ended.
TEST(ReplayTest, InputDuringAReplayOnlyFinishesIt) {
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    Played played("relaxed");
    MainWindow window(played.game, QStringLiteral("1.2.3"), played.settings);
    showActive(window);
    Form1& form = window.table();
    window.dealAction()->trigger();
    ASSERT_TRUE(form.replaying());
    const GameState dealt = played.game.state();
    const uint64_t draws = played.random.drawn();
    if (way == 0) form.clickControl(Control::Picture14);
    if (way == 1) QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    if (way == 2) QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(form.replaying());
    EXPECT_EQ(played.game.state(), dealt);
    EXPECT_EQ(played.random.drawn(), draws);
    EXPECT_EQ(movesShown(form), movesIn(played.game.table()));
    form.clickControl(Control::Picture14);  // after the replay a click is a move again
    EXPECT_EQ(played.game.state().turnphase, kDiscardPhase);
  }
}

TEST(ReplayTest, ThePaceIsRememberedAndOffShowsOnlyTheEnd) {
  Played played("");
  {
    MainWindow window(played.game, QStringLiteral("1.2.3"), played.settings);
    EXPECT_TRUE(window.paceAction(MainWindow::Pace::Brisk)->isChecked()) << "the default";
    window.paceAction(MainWindow::Pace::Off)->trigger();
    window.dealAction()->trigger();
    EXPECT_FALSE(window.table().replaying());
    EXPECT_EQ(movesShown(window.table()), movesIn(played.game.table()));
    window.paceAction(MainWindow::Pace::Relaxed)->trigger();
  }
  MainWindow again(played.game, QStringLiteral("1.2.3"), played.settings);
  EXPECT_TRUE(again.paceAction(MainWindow::Pace::Relaxed)->isChecked());
  EXPECT_EQ(again.table().pace(), 800ms);
}

}  // namespace
}  // namespace korvo
