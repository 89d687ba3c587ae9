// The window a player opens: the menu's commands are the buttons' clicks, the keys reach
// them from anywhere on the table, F1 opens the rules, and the table under the menu bar is
// the table that script mode draws.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

#include "game/game.h"
#include "game/random.h"
#include "tests/window_support.h"
#include "window/form1.h"
#include "window/mainwindow.h"

namespace korvo {
namespace {

struct Played {
  GameDirWithPictures dir;
  SeededRandom random{7};
  Game game{dir.path(), random};
};

// The same clicks, once by the buttons and once by the menu's keys with the focus in a
// read-only text box, leave the same game after every step, refused steps included.
TEST(MenuTest, DealAndKnockKeysAreTheButtonsClicks) {
  Played byButton, byKey;
  Form1 form(byButton.game);
  MainWindow window(byKey.game, QStringLiteral("1.2.3"));
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
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
  MainWindow window(played.game, QStringLiteral("1.2.3"));
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
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
  MainWindow window(inWindow.game, QStringLiteral("1.2.3"));
  Form1 form(scripted.game);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  window.show();
  form.show();
  window.dealAction()->trigger();
  form.clickControl(Control::Command1);
  QCoreApplication::processEvents();

  EXPECT_GT(window.menuBar()->height(), 0);
  EXPECT_EQ(window.table().geometry().top(), window.menuBar()->geometry().bottom() + 1);
  const QImage whole = window.grab().toImage();
  const QImage table = whole.copy(window.table().geometry());
  EXPECT_TRUE(samePixels(table, form.grab().toImage()));
}

}  // namespace
}  // namespace korvo
