// The window on a Wayland compositor (tests/under-weston starts a headless one), at the scale
// of QT_SCALE_FACTOR: it is exposed, deals, takes a discard, zooms and opens the rules, and on
// a screen of more than one device pixel to a pixel its card places are drawn from the
// pictures' finer twins, not from the pictures blown up.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <iostream>

#include "tests/window_support.h"
#include "window/art.h"
#include "window/mainwindow.h"

namespace korvo {
namespace {

// How far apart two pictures of the same size are: the mean difference per colour channel.
double meanDifference(const QImage& a, const QImage& b) {
  const QImage p = a.convertToFormat(QImage::Format_RGB32),
               q = b.convertToFormat(QImage::Format_RGB32);
  long long sum = 0;
  for (int y = 0; y < p.height(); ++y) {
    for (int x = 0; x < p.width(); ++x) {
      const QRgb s = p.pixel(x, y), t = q.pixel(x, y);
      sum += std::abs(qRed(s) - qRed(t)) + std::abs(qGreen(s) - qGreen(t)) +
             std::abs(qBlue(s) - qBlue(t));
    }
  }
  return double(sum) / (3.0 * p.width() * p.height());
}

TEST(Wayland, TheWindowPlaysZoomsAndDrawsTheTwinsAtItsScale) {
  // The platform asked for: tests/under-weston asks for wayland (the same test runs on X11
  // with QT_QPA_PLATFORM=xcb, to compare).
  ASSERT_EQ(QGuiApplication::platformName(), qEnvironmentVariable("QT_QPA_PLATFORM"))
      << "run under tests/under-weston";
  const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
  Played played;
  MainWindow window(played.game, QStringLiteral("1.2.3"), played.settings);
  window.paceAction(MainWindow::Pace::Off)->trigger();
  window.show();
  // The compositor decides when the window is shown and whether it has the focus.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_DOUBLE_EQ(window.devicePixelRatioF(), scale);
  Form1& table = window.table();

  window.dealAction()->trigger();
  ASSERT_EQ(played.game.state().dealt, 1);
  QTest::mouseClick(table.control(Control::Picture14), Qt::LeftButton);  // draw
  ASSERT_EQ(played.game.state().turnphase, kDiscardPhase);
  QTest::mouseClick(table.control(Control::Picture4), Qt::LeftButton);  // and throw it away
  EXPECT_NE(played.game.state().turnphase, kDiscardPhase);
  EXPECT_EQ(showing(table), named(played.game.table()));

  // Each card of player 1, drawn at the window's scale: from the twin (the scaled twin) where
  // the screen has more device pixels than the table pixels, from the picture at scale 1.
  const auto expectCardsDrawnFor = [&](double zoom) {
    const double pixels = zoom * scale;
    for (Control c : {Control::Picture1, Control::Picture2, Control::Picture3}) {
      SCOPED_TRACE(controlName(c));
      const QString file = QString::fromStdString((played.dir / played.game.table()[c]).string());
      const QImage picture(file), twin(finerTwinName(file));
      ASSERT_FALSE(twin.isNull());
      const QSize size = (QSizeF(picture.size()) * pixels).toSize();
      const QImage drawn = table.control(c)->grab().toImage().copy(QRect(QPoint(0, 0), size));
      const QImage fromTwin = twin.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      const QImage blownUp = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      const double toTwin = meanDifference(drawn, fromTwin),
                   toBlownUp = meanDifference(drawn, blownUp);
      std::cout << "zoom " << zoom << " scale " << scale << " " << controlName(c)
                << ": differs from the twin by " << toTwin << ", from the picture blown up by "
                << toBlownUp << "\n";
      if (pixels == 1) {
        EXPECT_TRUE(samePixels(drawn, picture));
      } else {
        EXPECT_TRUE(samePixels(drawn, fromTwin));
        EXPECT_GT(toBlownUp, 1.0) << "the twin should be told apart from the picture blown up";
      }
    }
  };
  expectCardsDrawnFor(1);

  const QSize before = table.size();
  window.biggerAction()->trigger();
  QTRY_COMPARE(table.zoom(), 1.25);  // the compositor answers the resize
  EXPECT_NEAR(table.width(), before.width() * 1.25, 2);
  QTRY_VERIFY(table.control(Control::Picture1)->width() > kCardWidth);
  expectCardsDrawnFor(1.25);

  window.rulesAction()->trigger();
  ASSERT_NE(window.rulesWindow(), nullptr);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window.rulesWindow()));
  std::cout << "scale " << scale << ": the window " << window.size().width() << "x"
            << window.size().height() << " at " << window.pos().x() << "," << window.pos().y()
            << ", active " << window.isActiveWindow() << "\n";
}

}  // namespace
}  // namespace korvo
