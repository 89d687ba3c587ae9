// The table on a dense screen (run with QT_SCALE_FACTOR=2, which Qt reads once per process):
// card places draw their finer twins, or scale smoothly where a picture has none, and hold
// detail that an enlarged ordinary picture cannot.
#include <gtest/gtest.h>

#include <QFile>

#include "game/game.h"
#include "game/random.h"
#include "tests/window_support.h"
#include "window/art.h"
#include "window/form1.h"

namespace korvo {
namespace {

const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

TEST(Dense, CardPlacesShowTheFinerTwinOrAScaledPicture) {
  GameDirWithPictures dir;
  SeededRandom random(7);
  Game game(dir.path(), random);
  Form1 form(game);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  ASSERT_DOUBLE_EQ(form.devicePixelRatioF(), 2) << "run with QT_SCALE_FACTOR=2";
  // The red cards have no twins: they are drawn scaled.
  for (const char* suit : {"D", "H"}) {
    for (const char* rank : {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"}) {
      QFile::remove(
          QString::fromStdString((dir / (std::string(rank) + suit + "@2x.JPG")).string()));
    }
  }
  form.clickControl(Control::Command1);

  int twins = 0, scaled = 0;
  for (Control c : {Control::Picture1, Control::Picture2, Control::Picture3, Control::Picture15}) {
    SCOPED_TRACE(controlName(c));
    const QString file = QString::fromStdString((dir / game.table()[c]).string());
    const QImage picture(file);
    const QImage drawn = form.control(c)->grab().toImage().copy(0, 0, 146, 196);
    EXPECT_FALSE(samePixels(drawn, picture.scaled(146, 196))) << "each pixel doubled";
    const QString twinFile = QString::fromStdString((dir / "").string()) +
                             finerTwinName(QString::fromStdString(game.table()[c]));
    const bool twin = QFile::exists(twinFile);
    (twin ? twins : scaled) += 1;
    EXPECT_TRUE(samePixels(
        drawn, twin ? QImage(twinFile)
                    : picture.scaled(146, 196, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  }
  EXPECT_GT(twins, 0);
  EXPECT_GT(scaled, 0);
}

}  // namespace
}  // namespace korvo
