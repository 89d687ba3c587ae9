// The window over a real game directory, off screen: clicks through the real widgets, the
// pictures the engine's table names, file faults in a message box, and the picture cache's
// bounds.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QImageWriter>
#include <QKeyEvent>
#include <QMouseEvent>
#include <chrono>
#include <future>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "game/game.h"
#include "game/gamedir.h"
#include "game/random.h"
#include "tests/test_support.h"
#include "tests/window_support.h"
#include "window/art.h"
#include "window/form1.h"
#include "window/initdir.h"
#include "window/picturebox.h"
#include "window/picturecache.h"

namespace korvo {
namespace {

// One QApplication for every test of the window test program.
const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

const auto kControls = [] {
  std::array<Control, kControlCount> all{};
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<Control>(i);
  return all;
}();
bool isPicture(Control c) {
  return controlKind(c) == ControlKind::PictureBox || controlKind(c) == ControlKind::Image;
}
// The picture a picture box or image control shows; std::bad_cast for any other control.
const ShownPicture& shown(QWidget* w) {
  return dynamic_cast<const ShownPicture&>(*w);
}

QString textOf(QWidget* w) {
  return w->property("text").toString();
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    form_.setErrorSink([this](const QString& message) { errors_.push_back(message); });
  }
  QWidget* widget(Control c) { return form_.control(c); }

  // Every control shows what the engine's table says.
  void expectInLineWithTable() {
    for (Control c : kControls) {
      const QString entry = QString::fromStdString(game_.table()[c]);
      EXPECT_EQ(isPicture(c) ? shown(widget(c)).pictureName() : textOf(widget(c)), entry)
          << controlName(c);
    }
  }

  // A click as a person makes it: the mouse, or Space on the control given the focus.
  void press(Control c, bool byKey) {
    QWidget* w = widget(c);
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent mouseDown(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
    QMouseEvent mouseUp(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QKeyEvent keyDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent keyUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    if (byKey) {
      w->setFocus();
      ASSERT_EQ(QApplication::focusWidget(), w) << controlName(c);
    }
    QApplication::sendEvent(w, byKey ? static_cast<QEvent*>(&keyDown) : &mouseDown);
    QApplication::sendEvent(w, byKey ? static_cast<QEvent*>(&keyUp) : &mouseUp);
    for (Control c : kControls) {  // each picture the table names is decoded once
      if (isPicture(c) && !game_.table()[c].empty()) named_.insert(game_.table()[c]);
    }
    EXPECT_EQ(form_.pictures().decodes(), static_cast<int>(named_.size())) << controlName(c);
  }

  GameDirWithPictures dir_;
  SeededRandom random_{7};
  Game game_{dir_.path(), random_};
  Form1 form_{game_};
  std::vector<QString> errors_;
  std::set<std::string> named_;  // every picture the table has named so far
};

// Whole rounds as a person plays them, first by mouse, then by keyboard: Deal, then draw and
// throw the card drawn until the round ends.
TEST_F(WindowTest, DealAndWholeRoundsPlayByMouseAndByKeyboard) {
  form_.show();  // keyboard focus needs the window shown and active
  form_.activateWindow();
  QCoreApplication::processEvents();
  for (bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "keyboard" : "mouse");
    const uint64_t rounds = game_.stats().rounds;
    press(Control::Command1, byKey);
    ASSERT_EQ(game_.stats().rounds, rounds + 1);
    ASSERT_EQ(game_.state().dealt, 1) << "the seed should leave the round under way";
    // Each card place paints its file unscaled at its top-left corner, felt green around it.
    for (Control c :
         {Control::Picture1, Control::Picture2, Control::Picture14, Control::Picture15}) {
      SCOPED_TRACE(controlName(c));
      const QImage file(QString::fromStdString((dir_ / game_.table()[c]).string()));
      ASSERT_EQ(file.size(), QSize(73, 98));
      const QImage drawn = widget(c)->grab().toImage();
      EXPECT_TRUE(samePixels(drawn.copy(0, 0, 73, 98), file));
      EXPECT_TRUE(allPixels(drawn.copy(73, 0, drawn.width() - 73, drawn.height()), kFeltGreen));
      EXPECT_TRUE(allPixels(drawn.copy(0, 98, drawn.width(), drawn.height() - 98), kFeltGreen));
    }
    if (byKey) {
      const Table before = game_.table();
      press(Control::Picture5, true);  // a computer player's card has no click
      EXPECT_EQ(game_.table(), before);
      widget(Control::Picture14)->setFocus();  // the focused card place alone is marked
      EXPECT_GT(countPixels(widget(Control::Picture14)->grab().toImage(), {255, 255, 0}), 0);
      EXPECT_EQ(countPixels(widget(Control::Picture5)->grab().toImage(), {255, 255, 0}), 0);
    }
    for (int turn = 0; turn < 200 && game_.state().dealt == 1; ++turn) {
      if (game_.state().turnphase == kClosedPhase) break;
      press(Control::Picture14, byKey);
      ASSERT_EQ(game_.state().turnphase, kDiscardPhase);
      EXPECT_NE(game_.table()[Control::Picture4], kEmptyPlace);
      press(Control::Picture4, byKey);
      ASSERT_NE(game_.state().turnphase, kDiscardPhase);
      expectInLineWithTable();
    }
    if (game_.state().dealt == 1) press(Control::Command2, byKey);  // still going: knock
    EXPECT_EQ(game_.state().dealt, 0);
    EXPECT_TRUE(errors_.empty());
    expectInLineWithTable();
  }
  form_.hide();
}

TEST_F(WindowTest, AFileFaultShowsAMessageAndTheWindowStaysUsable) {
  const QString cardFile = QString::fromStdString((dir_ / kCardFile).string());
  ASSERT_TRUE(QFile::rename(cardFile, cardFile + ".aside"));
  form_.clickControl(Control::Command1);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].contains(QStringLiteral("cardfile.txt"))) << errors_[0].toStdString();
  // The message goes to the message sink only, never into the table and so no text box.
  for (Control c : kControls) {
    EXPECT_EQ(game_.table()[c].find("cardfile"), std::string::npos) << controlName(c);
  }
  expectInLineWithTable();

  ASSERT_TRUE(QFile::rename(cardFile + ".aside", cardFile));
  form_.clickControl(Control::Command1);
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(game_.state().dealt, 1);
  expectInLineWithTable();
}

// Noise over a gradient, with some transparency: every decoder's rounding and chroma handling
// shows in it.
QImage testPicture(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  quint32 noise = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const int n = static_cast<int>(noise >> 27);
      image.setPixelColor(
          x, y,
          QColor((x * 2 + n) % 256, (y * 3 + n) % 256, (x + y) % 256, x % 7 == 0 ? 128 : 255));
    }
  }
  return image;
}

// Only the top-left part a place shows is kept, and it is exactly that part of the whole
// picture as it decodes, whatever the format and whether it is larger or smaller than a place.
TEST(PictureCache, TheShownPartIsThatPartOfTheWholePicture) {
  testing::TempDir dir;
  const QSize shown(100, 101);
  struct Case {
    const char* file;
    const char* format;
    QSize size;
    bool progressive;
  };
  const Case cases[] = {
      {"photo.JPG", "jpeg", {640, 480}, false}, {"progressive.JPG", "jpeg", {640, 480}, true},
      {"alpha.png", "png", {300, 200}, false},  {"small.ppm", "ppm", {50, 60}, false},
      {"wide.bmp", "bmp", {400, 80}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const QString file = QString::fromStdString((dir / c.file).string());
    QImageWriter writer(file, c.format);
    writer.setProgressiveScanWrite(c.progressive);
    ASSERT_TRUE(writer.write(testPicture(c.size.width(), c.size.height())));
    QString fault;
    const QImage part = PictureCache::readShownPart(dir / c.file, shown, fault);
    ASSERT_FALSE(part.isNull()) << fault.toStdString();
    const QImage whole = QImage(file).copy(QRect(QPoint(0, 0), shown.boundedTo(c.size)));
    EXPECT_EQ(part.size(), whole.size());
    EXPECT_EQ(part.convertToFormat(QImage::Format_ARGB32),
              whole.convertToFormat(QImage::Format_ARGB32));
  }
}

// Refused with the stand-in, at once and without decoding: a named pipe (a reader that
// waited on it would hang until the test gives up and opens it), and pictures larger than may
// be decoded whole, in a format that cannot decode just a part or as a progressive JPEG. The
// same size as a plain JPEG decodes only its top and loads.
TEST(PictureCache, APipeOrAPictureTooLargeToDecodeWholeIsRefused) {
  testing::TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "pipe.JPG").c_str(), 0644), 0);
  QImage huge(4100, 4100, QImage::Format_RGB32);  // 67 MB once decoded, a few kB as a file
  huge.fill(Qt::white);
  for (const auto& [name, format, progressive] : {std::tuple{"huge.png", "png", false},
                                                  {"huge.JPG", "jpeg", false},
                                                  {"progressive.JPG", "jpeg", true}}) {
    QImageWriter writer(QString::fromStdString((dir / name).string()), format);
    writer.setProgressiveScanWrite(progressive);
    ASSERT_TRUE(writer.write(huge)) << name;
  }
  const std::pair<const char*, const char*> cases[] = {
      {"pipe.JPG", "it is not a regular file"},
      {"huge.png",
       "it is 4100 x 4100 pixels, more than the 16 megapixels that a picture in the "
       "png format may have"},
      {"progressive.JPG",
       "it is 4100 x 4100 pixels, more than the 16 megapixels that a "
       "progressive JPEG may have"},
      {"huge.JPG", "loaded"},
  };
  for (const auto& [name, fault] : cases) {
    SCOPED_TRACE(name);
    const auto file = dir / name;
    auto result = std::async(std::launch::async, [file] {
      QString why;
      const bool loaded = !PictureCache::readShownPart(file, QSize(100, 101), why).isNull();
      return loaded ? QStringLiteral("loaded") : why;
    });
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
      ADD_FAILURE() << "the reader waits on the pipe";
      ::close(::open(file.c_str(), O_WRONLY | O_NONBLOCK));
    }
    const QString why = result.get();
    EXPECT_TRUE(why.startsWith(QString::fromUtf8(fault))) << why.toStdString();
  }
}

}  // namespace
}  // namespace korvo
