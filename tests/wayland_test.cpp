// The window on a Wayland compositor (tests/under-weston starts a headless one) at the scale
// of QT_SCALE_FACTOR: it is exposed, deals, takes a discard, zooms and opens the rules, and
// where the screen has more device pixels than the table has pixels its cards are drawn from
// the pictures' finer twins, not blown up from the pictures.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QTest>

#include "tests/window_support.h"
#include "window/art.h"
#include "window/mainwindow.h"

namespace korvo {
namespace {

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
  ASSERT_EQ(played.game.state().turnphase, kDiscardPhase);
  QTest::mouseClick(table.control(Control::Picture4), Qt::LeftButton);  // and throw it away
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
  ASSERT_NE(window.rulesWindow(), nullptr);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window.rulesWindow()));
}

}  // namespace
}  // namespace korvo
