// The table on a dense screen (run with QT_SCALE_FACTOR=2, which Qt reads once per process):
// card places draw their finer twins, or scale smoothly where a picture has none, and hold
// detail that an enlarged ordinary picture cannot.
#include <gtest/gtest.h>

#include <QFile>

#include "tests/window_support.h"
#include "window/art.h"

namespace korvo {
namespace {

const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

TEST(Dense, CardPlacesShowTheFinerTwinOrAScaledPicture) {
  Played played;
  Form1 form(played.game);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  ASSERT_DOUBLE_EQ(form.devicePixelRatioF(), 2) << "run with QT_SCALE_FACTOR=2";
  for (const auto& entry : std::filesystem::directory_iterator(played.dir.path())) {
    const std::string name = entry.path().filename();  // the red cards have no twins
    if (name.ends_with("D@2x.JPG") || name.ends_with("H@2x.JPG")) remove(entry.path());
  }
  form.clickControl(Control::Command1);

  int twins = 0, scaled = 0;
  for (Control c : {Control::Picture1, Control::Picture2, Control::Picture3, Control::Picture15}) {
    SCOPED_TRACE(controlName(c));
    const QString dir = QString::fromStdString(played.dir.path().string()) + u'/';
    const QString name = QString::fromStdString(played.game.table()[c]);
    const QImage picture(dir + name), twin(dir + finerTwinName(name));
    const QImage drawn = form.control(c)->grab().toImage().copy(0, 0, 146, 196);
    EXPECT_FALSE(samePixels(drawn, picture.scaled(146, 196))) << "each pixel doubled";
    (twin.isNull() ? scaled : twins) += 1;
    EXPECT_TRUE(samePixels(drawn, twin.isNull() ? picture.scaled(146, 196, Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation)
                                                : twin));
  }
  EXPECT_GT(twins, 0);
  EXPECT_GT(scaled, 0);
}

}  // namespace
}  // namespace korvo
