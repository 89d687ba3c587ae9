// A table that grows: View > Bigger, Smaller and Actual Size, and a resized window, scale
// every place, font and picture alike, keep the tab order, and the size is remembered.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QTest>

#include "game/game.h"
#include "game/random.h"
#include "tests/window_support.h"
#include "window/art.h"
#include "window/form1.h"
#include "window/mainwindow.h"
#include "window/picturebox.h"

namespace korvo {
namespace {

struct Zoomed : ::testing::Test {
  GameDirWithPictures dir;
  SeededRandom random{7};
  Game game{dir.path(), random};
  QSettings settings{QString::fromStdString((dir / "settings.conf").string()),
                     QSettings::IniFormat};
};

// Every control at its designed place times the zoom, give or take the rounding of its edges,
// with its designed font size times the zoom.
void expectDesignTimes(Form1& form, double zoom, const std::array<QFont, kControlCount>& fonts) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    SCOPED_TRACE(controlName(c));
    const TwipRect place = designedPlace(c);
    const QRect at = form.control(c)->geometry();
    EXPECT_NEAR(at.left(), place.left * zoom / kTwipsPerPixel, 0.5);
    EXPECT_NEAR(at.top(), place.top * zoom / kTwipsPerPixel, 0.5);
    EXPECT_NEAR(at.width(), place.width * zoom / kTwipsPerPixel, 1);
    EXPECT_NEAR(at.height(), place.height * zoom / kTwipsPerPixel, 1);
    EXPECT_DOUBLE_EQ(form.control(c)->font().pointSizeF(), fonts[i].pointSizeF() * zoom);
  }
}

TEST_F(Zoomed, BiggerSmallerAndActualSizeScaleTheWholeTable) {
  MainWindow window(game, QStringLiteral("1.2.3"), settings);
  Form1& form = window.table();
  window.show();
  window.dealAction()->trigger();
  std::array<QFont, kControlCount> fonts;
  std::vector<QWidget*> tabOrder;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    fonts[i] = form.control(static_cast<Control>(i))->font();
  }
  for (QWidget* w = form.control(Control::Picture1); tabOrder.size() < 21;
       w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) tabOrder.push_back(w);
  }

  const auto settle = [&] { QTest::qWait(50); };
  struct Step {
    QAction* action;
    double zoom;
  };
  const Step steps[] = {{window.biggerAction(), 1.25},  {window.biggerAction(), 1.5},
                        {window.smallerAction(), 1.25}, {window.actualSizeAction(), 1},
                        {window.smallerAction(), 0.75}, {window.smallerAction(), 0.75}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.action->text().toStdString() + " to " + std::to_string(step.zoom));
    step.action->trigger();
    settle();
    ASSERT_DOUBLE_EQ(form.zoom(), step.zoom);
    expectDesignTimes(form, step.zoom, fonts);
    EXPECT_DOUBLE_EQ(settings.value(QStringLiteral("size")).toDouble(), step.zoom);
    // A card picture fills its place's share at every size.
    const auto& card = dynamic_cast<const ShownPicture&>(*form.control(Control::Picture1));
    EXPECT_NEAR(card.picture().deviceIndependentSize().width(), 73 * step.zoom, 1);
  }
  std::vector<QWidget*> after;
  for (QWidget* w = form.control(Control::Picture1); after.size() < 21; w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) after.push_back(w);
  }
  EXPECT_EQ(after, tabOrder);

  // A window of another shape: the table as large as fits, centred on felt.
  window.resize(1400, 700 + window.menuBar()->height());
  settle();
  const double fit = 700.0 / 550;
  EXPECT_NEAR(form.zoom(), fit, 0.001);
  EXPECT_NEAR(form.geometry().center().x(), 700, 1);
  expectDesignTimes(form, form.zoom(), fonts);
  EXPECT_TRUE(allPixels(window.grab(QRect(0, 100, 100, 100)).toImage(), kFeltGreen));
}

TEST_F(Zoomed, TheSizeIsRememberedAsFarAsTheScreenHoldsIt) {
  for (const auto& [stored, shown] : {std::pair{0.75, 0.75}, {1.0, 1.0}, {3.0, 1.0}}) {
    SCOPED_TRACE(stored);
    settings.setValue(QStringLiteral("size"), stored);
    MainWindow window(game, QStringLiteral("1.2.3"), settings);
    window.show();
    QTest::qWait(50);
    // The off-screen test screen is 800 x 600: a larger table does not fit on it.
    EXPECT_DOUBLE_EQ(window.table().zoom(), shown);
  }
}

}  // namespace
}  // namespace korvo
